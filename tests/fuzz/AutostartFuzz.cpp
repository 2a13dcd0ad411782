// SPDX-License-Identifier: GPL-3.0-or-later
// The autostart entry: any file reads as some command or none, and any command we write reads
// back exactly.

#include "FuzzSupport.h"
#include "modRegistry.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes = bytesOf(data, size);
    (void)CommandOfAutostartEntry(bytes);

    // The data the program writes is a path and arguments on one line.
    const bool oneLine = std::none_of(bytes.begin(), bytes.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    });
    const bool trimmed = !bytes.empty() && bytes.front() != ' ' && bytes.back() != ' ';
    if (oneLine && trimmed)
        FUZZ_CHECK(CommandOfAutostartEntry(AutostartEntryText(bytes)) == bytes);
    return 0;
}
