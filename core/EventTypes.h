// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include "Date.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The vocabulary of event types, in one place: the six base types the editor offers, the
// interval types made from three of them ("Every 3th week", "Every 12th month", "Every 2th year"),
// and the month and year types by weekday ("Monthly on the second Tuesday", "Every 3th month on
// the last Friday", "Yearly on the fourth Thursday": the month is the date's). A type text is
// stored exactly as written, so a hand-edited one may be none of these.
//
// A type by weekday ends in the weekday's name, so in "y": a reader that knows only the base and
// the interval types, which tells an interval type by its last letter ("k", "h" or "r"), takes it
// for a type it does not know and leaves its date as it is, never moving it by day number.

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
/// base type (a text that ends as "week", "month" or "year" do), a type by weekday by the base
/// type of its steps, any other text as itself.
[[nodiscard]] std::string_view BaseTypeOf(std::string_view occurs);

/// The week of the month a type by weekday names: 1 to 4, or LastWeek.
inline constexpr int LastWeek = -1;

/// A day of the month named by its weekday: the `week`th (1 to 4, or LastWeek) `weekday` (1 for
/// Monday to 7 for Sunday) of a month.
struct WeekdayRule
{
    int week = 0;
    int weekday = 0;
    friend bool operator==(const WeekdayRule &, const WeekdayRule &) = default;
};

/// The words a type by weekday names its weeks with, first to fourth and last.
inline constexpr std::array<std::string_view, 5> WeekWords = {"first", "second", "third", "fourth",
                                                              "last"};
/// The names of the days of the week, Monday first, as a type text writes them.
inline constexpr std::array<std::string_view, 7> WeekdayNames = {
    QT_TRANSLATE_NOOP("EventTypes", "Monday"),    QT_TRANSLATE_NOOP("EventTypes", "Tuesday"),
    QT_TRANSLATE_NOOP("EventTypes", "Wednesday"), QT_TRANSLATE_NOOP("EventTypes", "Thursday"),
    QT_TRANSLATE_NOOP("EventTypes", "Friday"),    QT_TRANSLATE_NOOP("EventTypes", "Saturday"),
    QT_TRANSLATE_NOOP("EventTypes", "Sunday")};

/// The type text by weekday for Monthly or Yearly, an interval and a rule: the type ComposeType
/// gives, " on the ", the week's word, a blank and the weekday's name. Any other base type, or a
/// rule out of range, gives ComposeType's text alone.
[[nodiscard]] std::string ComposeWeekdayType(std::string_view baseType, int interval,
                                             WeekdayRule rule);

/// A type text by weekday cut in two: the type of its steps ("Monthly", "Every 3th month") and
/// its rule.
struct WeekdayTypeParts
{
    std::string_view steps;
    WeekdayRule rule;
};
/// The parts of a type text that ends as ComposeWeekdayType ends one (" on the second Tuesday");
/// none for any other. Whether the steps are months or years is the occurrence rules' to say.
[[nodiscard]] std::optional<WeekdayTypeParts> WeekdayTypeOf(std::string_view occurs);

/// The rules by weekday that name `date`: its week (the first to the fourth, where the day is
/// the 28th or earlier) and the last week (where no later day of its weekday is in the month);
/// none, one or both.
struct WeekdayRulesOn
{
    std::optional<WeekdayRule> numbered;
    std::optional<WeekdayRule> last;
};
[[nodiscard]] WeekdayRulesOn WeekdayRulesOf(Date date);

/// The day a rule names in a month.
[[nodiscard]] Date WeekdayInMonth(int year, int month, WeekdayRule rule);
