// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"
#include "EventTypes.h"

#include <optional>
#include <string_view>

/// The first date on which an event of type `occurs`, dated `date`, falls that is not before
/// `today`; no value for a one-time event that is over.
///
/// A step of months keeps the day of the month the event is meant for, IntendedDay(date,
/// `monthDay`), and takes the month's last day where the month is shorter: a Monthly event meant
/// for the 31st falls on 28 February, 31 March, 30 April. A type by weekday falls in the months
/// of its steps from the date's month on the day its rule names, the first such day not before
/// the date nor `today`: a date its rule names stays as it is until it passes. The cost does not
/// grow with how far
/// `date` lies in the past. Unrecognised type texts, and interval types without an interval of
/// at least 1, leave the date unchanged. So does a step that would pass the last date a file can
/// hold, 31 December 9999.
[[nodiscard]] std::optional<Date> NextOccurrence(Date date, std::string_view occurs, Date today,
                                                 int monthDay = 0);

/// The day of the month an event dated `date` is meant for: `monthDay` where it is later than
/// the date's own day and the date is its month's last (the month was too short for it), the
/// date's day otherwise.
[[nodiscard]] int IntendedDay(Date date, int monthDay);

/// The day of the month to keep beside the date `next` of an event of type `occurs` meant for
/// the day `intendedDay`: that day where the type steps by months and `next` falls short of it;
/// 0 where the date itself says the day.
[[nodiscard]] int8_t DayKeptBeside(Date next, std::string_view occurs, int intendedDay);

/// The last date the event file can hold (its dates have four-digit years): no step passes it.
[[nodiscard]] Date LastStepDate();

/// How an event of a type text moves from one occurrence to the next.
struct Recurrence
{
    enum class Unit
    {
        None,     // a text that does not step: the event keeps its date
        Once,     // one date, over once it has passed
        Days,     // `step` days at a time
        Months,   // `step` months at a time, on the day meant where the month has it
        Weekdays, // `step` months at a time, on the day `rule` names in each month
    };
    Unit unit = Unit::None;
    int step = 0;
    WeekdayRule rule{}; // for Weekdays only
};
/// The steps of a type text: "Once"; "Daily" and "Weekly" (1 and 7 days), "Every N week" (7N);
/// "Monthly" (1 month), "Yearly" and "Birthday" (12), "Every N month" (N), "Every N year" (12N);
/// Monthly, Yearly and their interval types by weekday ("Every 3th month on the last Friday") as
/// Weekdays of the same months. Anything else, and an interval whose one step passes the whole
/// calendar, does not step.
[[nodiscard]] Recurrence RecurrenceOf(std::string_view occurs);

/// How many days back a missed occurrence is still caught up.
inline constexpr int CatchUpDays = 14;

/// The occurrence an event had while no run of the program saw it: for an event stored with
/// date `stored` (meant for the day `monthDay`, as NextOccurrence takes it), the most recent date
/// of its steps from `stored` (`stored` itself included; the
/// only one for "Once" and for a type that does not step) that lies after `lastSeen`, the last
/// day a run saw, and before `today`, when it lies at most CatchUpDays before `today`. No value
/// otherwise.
[[nodiscard]] std::optional<Date> MissedOccurrence(Date stored, std::string_view occurs,
                                                   Date lastSeen, Date today, int monthDay = 0);

/// The interval of an "Every N..." type text: the digits after "Every " up to "th"; no value
/// when the text does not carry an interval of at least 1. (The editor offers 1 to 99; a file
/// edited by hand may hold more.) Intervals of more than nine digits read as MaxInterval.
[[nodiscard]] std::optional<int> IntervalOf(std::string_view occurs);

/// The largest interval IntervalOf gives; any step of it passes the year 9999.
inline constexpr int MaxInterval = 999'999'999;
