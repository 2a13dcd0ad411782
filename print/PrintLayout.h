// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include <string>
#include <vector>

/// Where the printout puts things, in millimetres from the top-left of the printable area.
namespace PrintLayout {
inline constexpr double ColumnX[4] = {10, 100, 130, 160};
inline constexpr const char *Headings[4] = {"Event", "Date", " When", "Type"};
inline constexpr double TitleY = 30;
inline constexpr double FirstRowY = 53; // page 1; the headings stand 7 mm above
inline constexpr double LaterFirstRowY = 20;
inline constexpr double RowPitch = 7;
inline constexpr double LastRowY = 270;
inline constexpr const char *Title = "Moonrill - Events";
inline constexpr const char *Notice = "Printed with Moonrill, the reminder that remembers for you.";

/// The page (from 0) and position of each row, in the list's order: 32 rows on page 1 and 36
/// on each later page.
struct Place
{
    int page;
    double y;
};
[[nodiscard]] std::vector<Place> RowPlaces(size_t rows);

/// Where the notice goes: four empty lines below the last row, or, when the last row filled
/// its page, at the top of a new page after four empty lines.
[[nodiscard]] Place NoticePlace(size_t rows, double lineHeight);
} // namespace PrintLayout

/// The words of the message after printing: %1 the device, %2 the port.
inline constexpr std::string_view PrintingNowWords =
    QT_TRANSLATE_NOOP("Messages", "The event-list has been sent to the  \r\n%1 printer on %2.");

/// "The event-list has been sent to the  " CR LF device " printer on " port ".", the port
/// without its last character when that is ":"; in other `words` where a window translated them.
[[nodiscard]] std::string PrintingNowText(const std::string &device, const std::string &port,
                                          std::string_view words = PrintingNowWords);
