// SPDX-License-Identifier: GPL-3.0-or-later
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

/// The help file's topic numbers: the contents, and the topic each window carries.
inline constexpr int HelpContents = 1;
inline constexpr int HelpMainWindow = 2;
inline constexpr int HelpAddEvent = 3;
inline constexpr int HelpEditEvent = 4;
inline constexpr int HelpFind = 6;
inline constexpr int HelpScanWindow = 7;
inline constexpr int HelpAbout = 10;
inline constexpr int HelpUpdate = 12;
inline constexpr int HelpCalendarSync = 17;
