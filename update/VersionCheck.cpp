// SPDX-License-Identifier: GPL-3.0-or-later
#include "VersionCheck.h"

#include <algorithm>

std::string_view FirstLine(std::string_view page)
{
    return page.substr(0, page.find_first_of("\r\n"));
}

std::optional<std::vector<int>> ParseVersion(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::vector<int> parts;
    int value = 0;
    int digits = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '.') {
            if (digits == 0)
                return std::nullopt;
            parts.push_back(value);
            value = 0;
            digits = 0;
            continue;
        }
        if (text[i] < '0' || text[i] > '9' || ++digits > 6)
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (parts.size() > 8)
        return std::nullopt;
    return parts;
}

int CompareVersions(const std::vector<int> &a, const std::vector<int> &b)
{
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const int x = i < a.size() ? a[i] : 0;
        const int y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

std::string ArchiveName(const std::vector<int> &version)
{
    std::string name = "Moonrill";
    for (const int part : version)
        name += std::to_string(part);
    return name + ".zip";
}
