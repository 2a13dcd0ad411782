// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"

#include <cstdint>
#include <string>
#include <string_view>

// The conversions between dates, numbers and text that the event file, the lists, the clipboard
// and the editor share. One fixed date form for writing and reading: year-month-day with a
// four-digit year ("2002-01-30").

/// "2002-01-30". Years outside 1..9999 never reach here (they do not convert on reading).
[[nodiscard]] std::string DateToText(Date date);
/// The same, appended to `out`.
void AppendDateText(std::string &out, Date date);

/// Reads what DateToText writes, with surrounding blanks allowed. Throws a type mismatch for
/// any other text, for a day that does not exist ("2023-02-30") and for years outside 1..9999.
[[nodiscard]] Date TextToDate(std::string_view text);

/// Decimal text with an optional sign and surrounding blanks. Throws a type mismatch when the
/// text is not a number and an overflow when the number lies outside -32768..32767.
[[nodiscard]] int16_t TextToInt16(std::string_view text);

/// Decimal digits, "-" in front of a negative value, no blanks.
[[nodiscard]] std::string IntToText(long long value);
/// The same, appended to `out`.
void AppendIntText(std::string &out, long long value);

/// Whole days from `from` to `to`; negative when `to` lies before `from`.
[[nodiscard]] constexpr int32_t DayDifference(Date from, Date to)
{
    return to.dayNumber() - from.dayNumber();
}

/// A day count padded with leading blanks to at least five characters ("    0", "   12").
[[nodiscard]] std::string PaddedDayCount(int32_t days);
