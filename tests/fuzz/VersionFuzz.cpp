// SPDX-License-Identifier: GPL-3.0-or-later
// The update check's reading of the version page: any page gives a version or none, and a
// version compares equal to itself and names its archive by its digits.

#include "FuzzSupport.h"
#include "VersionCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view line = FirstLine(bytesOf(data, size));
    FUZZ_CHECK(line.find('\n') == std::string_view::npos);
    FUZZ_CHECK(line.find('\r') == std::string_view::npos);
    if (const auto version = ParseVersion(line)) {
        FUZZ_CHECK(!version->empty());
        FUZZ_CHECK(CompareVersions(*version, *version) == 0);
        const std::string name = ArchiveName(*version);
        FUZZ_CHECK(name.starts_with("Moonrill") && name.ends_with(".zip"));
        for (const int part : *version)
            FUZZ_CHECK(part >= 0);
    }
    return 0;
}
