#pragma once

#include <string>
#include <string_view>
#include <vector>

/// One topic of the help file.
struct HelpTopic
{
    int number = 0;
    std::string title;
    std::string text;
};

/// Reads our help file format: lines "== N Title" open topic N; the lines up to the next such
/// line are its text; lines starting with "#" before the first topic are comments. Topic 1 is
/// the contents.
[[nodiscard]] std::vector<HelpTopic> ParseHelpFile(std::string_view content);

/// The topics a window carries: the main window 2, adding 3, editing 4, find 6, the scan
/// window 7, the about box 10, the update dialog 12.
inline constexpr int HelpContents = 1;
