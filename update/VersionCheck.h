// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the update check makes of the maker's version page.

/// The page's first line (up to the first CR or LF).
[[nodiscard]] std::string_view FirstLine(std::string_view page);

/// The parts of a version text of dotted decimal numbers ("1.10.0"); no value for anything
/// else (an empty page, an HTML error page). Blanks around the text are allowed.
[[nodiscard]] std::optional<std::vector<int>> ParseVersion(std::string_view text);

/// Compares part by part, a missing part counting as 0: negative, zero or positive.
[[nodiscard]] int CompareVersions(const std::vector<int> &a, const std::vector<int> &b);

/// "Moonrill" + the digits of the parts in order + ".zip": "1.3.0" gives Moonrill130.zip.
[[nodiscard]] std::string ArchiveName(const std::vector<int> &version);
