// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include <array>
#include <string>
#include <string_view>

// The vocabulary of event types, in one place: the six base types the editor offers, and the
// interval types made from three of them ("Every 3th week", "Every 12th month", "Every 2th year").
// A type text is stored exactly as written, so a hand-edited one may be none of these.

inline constexpr std::string_view OnceType = QT_TRANSLATE_NOOP("EventTypes", "Once");
inline constexpr std::string_view DailyType = QT_TRANSLATE_NOOP("EventTypes", "Daily");
inline constexpr std::string_view WeeklyType = QT_TRANSLATE_NOOP("EventTypes", "Weekly");
inline constexpr std::string_view MonthlyType = QT_TRANSLATE_NOOP("EventTypes", "Monthly");
inline constexpr std::string_view YearlyType = QT_TRANSLATE_NOOP("EventTypes", "Yearly");
/// The type text that may carry a year of birth.
inline constexpr std::string_view BirthdayType = QT_TRANSLATE_NOOP("EventTypes", "Birthday");

/// The base types in the order the editor lists them.
inline constexpr std::array<std::string_view, 6> BaseTypes = {
    OnceType, DailyType, WeeklyType, MonthlyType, BirthdayType, YearlyType};

/// The unit of a base type that takes an interval: "week", "month" or "year" for Weekly,
/// Monthly and Yearly; empty for the others.
[[nodiscard]] std::string_view IntervalUnit(std::string_view baseType);

/// The type text for a base type and an interval: "Every " + N + "th " + unit for the three
/// interval types with N other than 1, the base type itself otherwise.
[[nodiscard]] std::string ComposeType(std::string_view baseType, int interval);

/// The base type a stored type text is shown as: the interval types of a unit by the unit's
/// base type (a text that ends as "week", "month" or "year" do), any other text as itself.
[[nodiscard]] std::string_view BaseTypeOf(std::string_view occurs);
