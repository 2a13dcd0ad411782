// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

/// The plain reading of how an event line splits, for tests to hold the program's one splitter
/// to: cut at every "$$", left to right, as written, keeping every field.
inline std::vector<std::string_view> ReferenceSplit(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t at = line.find("$$", start);
        if (at == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, at - start));
        start = at + 2;
    }
}
