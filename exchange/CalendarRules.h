// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Occurrence.h"

#include <libical/ical.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// What the calendar's writer and its reader share: the owners of libical's objects, how a
// calendar rule steps, and the fields Moonrill adds to a server's objects. Only the exchange
// code includes this: it needs libical's headers.

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
/// A libical component and everything in it, freed with it.
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct TextFree
{
    void operator()(char *text) const { std::free(text); }
};
/// A text libical handed over (the "_r" functions).
using OwnedText = std::unique_ptr<char, TextFree>;

/// The calendar's text of `component`; empty where libical writes none.
[[nodiscard]] std::string TextOf(icalcomponent *component);

/// The type text of an event the list could hold beside a second copy's field: set only where the
/// rule reads back as another text (a Birthday reads as Yearly, "Every 12th month" as Yearly).
inline constexpr std::string_view OccursField = "X-MOONRILL-OCCURS";
/// The e-mail address of an event, where it has one.
inline constexpr std::string_view EmailField = "X-MOONRILL-EMAIL";

/// The weekday of a month a MONTHLY or YEARLY rule names, in either form calendars write it: a
/// weekday with its week (BYDAY=2TU, BYDAY=-1FR), or a weekday and the position among its days
/// (BYDAY=TU;BYSETPOS=2). None for any other rule, and for weeks other than the first to the
/// fourth and the last. The month of a yearly rule is its BYMONTH's, for the reader to check.
[[nodiscard]] std::optional<WeekdayRule> NamedWeekdayOf(const icalrecurrencetype &rule);

/// Names `weekday` in `rule` as BYDAY does, with its week (BYDAY=2TU).
void SetNamedWeekday(icalrecurrencetype &rule, WeekdayRule weekday);

/// How a calendar rule steps, by its frequency and interval: days for DAILY, 7 for each week,
/// months for MONTHLY, 12 for each year, and Unit::Weekdays of those months where it names a
/// weekday of the month (NamedWeekdayOf); Unit::None for a frequency below a day.
[[nodiscard]] Recurrence RecurrenceOfRule(const icalrecurrencetype &rule);

/// The type text the editor gives steps of `recurrence`, as a rule read without more is taken:
/// "Once", "Daily", "Weekly" or "Every N week" for whole weeks, "Yearly" or "Every N year" for
/// whole years, "Monthly" or "Every N month" for other months, each of the last two by weekday
/// where the steps name one; empty for days that are not whole weeks.
[[nodiscard]] std::string RuleType(const Recurrence &recurrence);

/// Whether two recurrences step alike.
[[nodiscard]] inline bool SameSteps(const Recurrence &a, const Recurrence &b)
{
    return a.unit == b.unit && a.step == b.step && a.rule == b.rule;
}
