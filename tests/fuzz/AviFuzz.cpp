// SPDX-License-Identifier: GPL-3.0-or-later
// The clip reader on arbitrary bytes: it decodes or refuses, and what it decodes is consistent.

#include "AviReader.h"
#include "FuzzSupport.h"
#include "MoonrillError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        const AviClip clip = ReadAviClip(bytesOf(data, size));
        FUZZ_CHECK(clip.width > 0 && clip.width <= AviMaxDimension);
        FUZZ_CHECK(clip.height > 0 && clip.height <= AviMaxDimension);
        FUZZ_CHECK(clip.frames.size() <= static_cast<size_t>(AviMaxFrames));
        for (const auto &frame : clip.frames)
            FUZZ_CHECK(frame.size() == static_cast<size_t>(clip.width) * clip.height);
    } catch (const MoonrillError &) {
        // Refused: the clip is then not shown.
    }
    return 0;
}
