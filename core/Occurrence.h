#pragma once

#include "Date.h"

#include <optional>
#include <string_view>

/// The first date on which an event of type `occurs`, dated `date`, falls that is not before
/// `today`; no value for a one-time event that is over.
///
/// The results equal those of advancing one step at a time from `date` (each step added to the
/// previous result, so a day lost to a short month stays lost), but the cost does not grow with
/// how far `date` lies in the past. Unrecognised type texts, and interval types without an
/// interval of at least 1, leave the date unchanged. So does a step that would pass the last
/// date a file can hold, 31 December 9999.
[[nodiscard]] std::optional<Date> NextOccurrence(Date date, std::string_view occurs, Date today);

/// How many days back a missed occurrence is still caught up.
inline constexpr int CatchUpDays = 14;

/// The occurrence an event had while no run of the program saw it: for an event stored with
/// date `stored` (after `lastSeen`, the last day a run saw, and before `today`), the most recent
/// date of its steps from `stored` that is before `today` (`stored` itself for "Once" and for a
/// type that does not step), when it lies at most CatchUpDays before `today`. No value
/// otherwise.
[[nodiscard]] std::optional<Date> MissedOccurrence(Date stored, std::string_view occurs,
                                                   Date lastSeen, Date today);

/// The interval of an "Every N..." type text: the digits after "Every " up to "th"; no value
/// when the text does not carry an interval of at least 1. (The editor offers 1 to 99; a file
/// edited by hand may hold more.) Intervals of more than nine digits read as MaxInterval.
[[nodiscard]] std::optional<int> IntervalOf(std::string_view occurs);

/// The largest interval IntervalOf gives; any step of it passes the year 9999.
inline constexpr int MaxInterval = 999'999'999;
