// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemName.h"

#include "FileRead.h"
#include "MoonrillError.h"

namespace {

std::string unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        out += value[i];
    }
    return out;
}

} // namespace

std::string SystemNameFromOsRelease(std::string_view osRelease)
{
    std::string pretty;
    std::string name;
    while (!osRelease.empty()) {
        const size_t lf = osRelease.find('\n');
        const std::string_view line = osRelease.substr(0, lf);
        osRelease = lf == std::string_view::npos ? std::string_view{} : osRelease.substr(lf + 1);
        if (line.starts_with("PRETTY_NAME="))
            pretty = unquoted(line.substr(12));
        else if (line.starts_with("NAME="))
            name = unquoted(line.substr(5));
    }
    if (!pretty.empty())
        return pretty;
    return name.empty() ? "Linux" : name;
}

std::string OperatingSystemName()
{
    for (const char *path : {"/etc/os-release", "/usr/lib/os-release"}) {
        try {
            if (const std::optional<std::string> text = ReadWholeFile(path))
                return SystemNameFromOsRelease(*text);
        } catch (const MoonrillError &) {
            // Try the next place.
        }
    }
    return "Linux";
}
