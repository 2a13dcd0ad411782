// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarRules.h"
#include "Reminders.h"
#include "clsEvent.h"

#include <vector>

// An event's reminders as a calendar holds them: a VALARM each. Every alarm is read, each as a
// lead before (or after) the start or, with RELATED=END, the end; an alarm at a fixed time is
// read as its lead before the start of the occurrence it comes for. The one alarm of a day event
// at midnight whole days ahead ("-P3D", what Moonrill wrote before its reminders had an hour) is
// read as those days, at the list's hour: such an object comes in as it always did.

/// One alarm that goes off, and the reminder the list reads it as.
struct AlarmRead
{
    icalcomponent *alarm = nullptr;
    Reminder reminder;
    Reminder written; // as its trigger says it: the lone alarm at midnight without the hour
};

/// The alarms of an event.
struct AlarmsReading
{
    std::vector<AlarmRead> alarms; // in the object's order; a phone's placeholder (NONE) left out
    const char *whyNot = nullptr;

    /// The reminders, in order.
    [[nodiscard]] std::vector<Reminder> Reminders() const;
};

/// The alarms of `vevent`.
[[nodiscard]] AlarmsReading ReadAlarms(icalcomponent *vevent);

/// Adds a VALARM for each of the event's reminders (ACTION:DISPLAY, its description); none for
/// an event without reminders of its own and a notice period below 0.
void AddAlarms(icalcomponent *vevent, const clsEvent &event);

/// The alarms at a fixed time of `reading` as the leads it read them as: their event's dates move.
void AnchorFixedAlarms(const AlarmsReading &reading);

/// The reminders of `ours` in the server's `theirs`: an alarm of the server that says one of them
/// stays whole (its ACTION, DESCRIPTION, sound, UID and X- properties), one changed takes only our
/// TRIGGER, ours added come as our VALARM, and the server's left over go. Nothing changes where
/// both read as the same reminders.
void MergeAlarms(icalcomponent *theirs, icalcomponent *ours);
