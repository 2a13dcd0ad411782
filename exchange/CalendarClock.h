// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarFields.h"

// A timed object's dates on the user's clock: a phone in another zone, or a time written in
// UTC, may fall on another day where the user is. The user's zone is the process's (TZ).

/// `time` on the user's clock: a time in UTC or in a zone (the object's VTIMEZONE, else libical's
/// own zone of its TZID) moved there; a floating time, a date, and a time in a zone nobody
/// defines as written.
[[nodiscard]] icaltimetype UserTime(const icaltimetype &time);

/// The days from the date of `time` as written to its date on the user's clock: -1, 0 or 1.
[[nodiscard]] int DaysToUser(const icaltimetype &time);

/// Whether a series at the time of day of `start` is moved by `shift` days on the user's clock
/// all year round, in winter and in summer alike, in its first year and in `year` (now): a
/// zone's rules change over the years.
[[nodiscard]] bool SteadyShift(const icaltimetype &start, int shift, int year);

/// Moves `rule`, read for a start on `written`, to a start on `moved`; false where the list has
/// no type for the dates moved: steps of days move as they are, a day of the month only where no
/// month's end comes between, and a weekday of the month never.
[[nodiscard]] bool MoveRule(RuleReading &rule, Date written, Date moved);
