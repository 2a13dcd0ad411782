// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

/// Where the printout puts things, in millimetres from the top-left of the printable area.
namespace PrintLayout {
inline constexpr double ColumnX[4] = {10, 100, 130, 160};
/// The list's own column headings, so the paper says what the window says. The "When"
/// heading stands one space in, over the day counts padded to five characters.
inline constexpr const char *Headings[4] = {
    QT_TRANSLATE_NOOP("EventListModel", "Event"), QT_TRANSLATE_NOOP("EventListModel", "Date"),
    QT_TRANSLATE_NOOP("EventListModel", "When"), QT_TRANSLATE_NOOP("EventListModel", "Type")};
inline constexpr const char *HeadingIndent[4] = {"", "", " ", ""};
inline constexpr double TitleY = 30;
inline constexpr double FirstRowY = 53; // page 1; the headings stand 7 mm above
inline constexpr double LaterFirstRowY = 20;
inline constexpr double RowPitch = 7;
inline constexpr double LastRowY = 270;
inline constexpr const char *Title = QT_TRANSLATE_NOOP("PrintEvents", "Moonrill - Events");
inline constexpr const char *Notice =
    QT_TRANSLATE_NOOP("PrintEvents", "Printed with Moonrill, the reminder that remembers for you.");

/// The narrowest the Event column becomes to make room for the types.
inline constexpr double NarrowestEventColumn = 45;

/// The columns' left edges on a printable width of `pageWidth`, for a list whose widest type
/// is `widestType` wide, both in millimetres. Where the types fit, the columns stand where
/// they always have; otherwise Date, When and Type move left together by what the widest type
/// lacks, the Event column keeping at least NarrowestEventColumn. A right margin as wide as
/// the left one stays free.
[[nodiscard]] std::array<double, 4> ColumnsFor(double widestType, double pageWidth);

/// The page (from 0) and position of a row's first line, and of its last: a row whose event
/// or type is wrapped takes a line more for each further part of it.
struct Place
{
    int page;
    double y;
    double lastY;
};

/// The places of rows of `lines` lines each, in the list's order, later lines `lineHeight`
/// apart. Rows of one line: 32 on page 1 and 36 on each later page. A row is never split
/// between pages.
[[nodiscard]] std::vector<Place> RowPlaces(const std::vector<int> &lines, double lineHeight);

/// Where the notice goes: four empty lines below the last row, or, when the last row filled
/// its page, at the top of a new page after four empty lines.
[[nodiscard]] Place NoticePlace(const std::vector<Place> &rows, double lineHeight);

/// `text` in lines no wider than `width` as `measure` finds them: broken between words where
/// it can, and within a word only where the word alone is wider.
[[nodiscard]] std::vector<std::string>
WrapText(std::string_view text, double width,
         const std::function<double(std::string_view)> &measure);
} // namespace PrintLayout

/// The words of the message after printing: %1 the device, %2 the port.
inline constexpr std::string_view PrintingNowWords =
    QT_TRANSLATE_NOOP("Messages", "The event-list has been sent to the  \r\n%1 printer on %2.");

/// "The event-list has been sent to the  " CR LF device " printer on " port ".", the port
/// without its last character when that is ":"; in other `words` where a window translated them.
[[nodiscard]] std::string PrintingNowText(const std::string &device, const std::string &port,
                                          std::string_view words = PrintingNowWords);
