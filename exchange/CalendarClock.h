// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarRules.h"
#include "Date.h"
#include "clsEvent.h"

#include <ctime>
#include <string>

// An object's time of day as the list keeps it: the wall-clock time DTSTART gives, in the zone it
// names (its TZID, "UTC" for a time written in UTC, none for a floating time), and its end as
// DTEND or DURATION said it. The date is DTSTART's own, in that zone: where the user is, the
// reminders' code places it. A day event of one day keeps none of these, as before.

/// The times of an object's event, as the event line keeps them (EventOptions).
struct TimeReading
{
    std::string time;     // "09:30"; empty for a day event
    std::string zone;     // the TZID, "UTC", or empty (floating, or a day event)
    std::string end;      // DTEND's distance from the start, where it is not a day event's day
    std::string duration; // DURATION's, likewise

    friend bool operator==(const TimeReading &, const TimeReading &) = default;
};

/// The times of `vevent`'s DTSTART, DTEND and DURATION.
[[nodiscard]] TimeReading ReadTimes(icalcomponent *vevent);

/// Sets the event's time, zone, end and length to `times`.
void SetTimes(clsEvent &event, const TimeReading &times);

/// Adds DTSTART for the event's start on `start` (a date, or its time in its zone), and DTEND or
/// DURATION where it keeps one.
void AddTimes(icalcomponent *vevent, const clsEvent &event, Date start);

/// Adds to `calendar` the VTIMEZONE of `zone` as libical's own zones give it, named `zone`,
/// unless `calendar` holds one of that name already; nothing for UTC or a zone libical does not
/// know (its TZID then stands alone).
void AddZone(icalcomponent *calendar, const std::string &zone);

/// The moment `time` is: in its zone, in UTC, or on the user's clock for a floating time and a
/// date (at its midnight).
[[nodiscard]] std::time_t MomentOf(const icaltimetype &time);
