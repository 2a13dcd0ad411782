// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarAlarms.h"

#include "CalendarClock.h"
#include "Translatable.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <strings.h>

namespace {

/// The most days ahead a reminder comes: the notice period's bounds.
constexpr int64_t LongestLead = int64_t{32767} * MinutesPerDay;

/// Whether `alarm` goes off: a phone's placeholder for its default (ACTION:NONE) does not.
/// Libical 3.0 reads "NONE" as an action of its own name, not as ICAL_ACTION_NONE.
bool goesOff(icalcomponent *alarm)
{
    icalproperty *action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
    const char *text = action != nullptr ? icalproperty_get_value_as_string(action) : nullptr;
    return action == nullptr || (icalproperty_get_action(action) != ICAL_ACTION_NONE &&
                                 (text == nullptr || strcasecmp(text, "NONE") != 0));
}

/// The start of the occurrence an alarm at `moment` comes for: the first at or after it, else
/// the last before it (a fixed time after a one-time event's start).
std::time_t occurrenceFor(icalcomponent *vevent, const icaltimetype &start, std::time_t moment)
{
    std::time_t first = MomentOf(start);
    icalproperty *rule = icalcomponent_get_first_property(vevent, ICAL_RRULE_PROPERTY);
    // Occurrences of hours or less are no series the list holds: the first stands for them.
    if (rule == nullptr || first >= moment ||
        icalproperty_get_rrule(rule).freq < ICAL_DAILY_RECURRENCE ||
        icalproperty_get_rrule(rule).freq == ICAL_NO_RECURRENCE)
        return first;
    icalrecur_iterator *steps = icalrecur_iterator_new(icalproperty_get_rrule(rule), start);
    if (steps == nullptr)
        return first;
    // A reminder is for an occurrence of the next years at most: a bound, not a wait.
    for (int step = 0; step < 5000; ++step) {
        const icaltimetype next = icalrecur_iterator_next(steps);
        if (icaltime_is_null_time(next))
            break;
        first = MomentOf(next);
        if (first >= moment)
            break;
    }
    icalrecur_iterator_free(steps);
    return first;
}

/// Minutes of `duration`, seconds dropped: counted wide, as a far lead overflows libical's own.
int64_t minutesOf(const icaldurationtype &duration)
{
    const int64_t minutes =
        ((int64_t{duration.weeks} * 7 + duration.days) * 24 + duration.hours) * 60 +
        duration.minutes + duration.seconds / 60;
    return duration.is_neg ? -minutes : minutes;
}

} // namespace

std::vector<Reminder> AlarmsReading::Reminders() const
{
    std::vector<Reminder> reminders;
    reminders.reserve(alarms.size());
    for (const AlarmRead &read : alarms)
        reminders.push_back(read.reminder);
    return reminders;
}

AlarmsReading ReadAlarms(icalcomponent *vevent)
{
    AlarmsReading reading;
    const icaltimetype start = icalcomponent_get_dtstart(vevent);
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT);
         alarm != nullptr;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        if (!goesOff(alarm))
            continue;
        icalproperty *trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (trigger == nullptr) {
            reading.whyNot = QT_TRANSLATE_NOOP("Messages", "a reminder the list cannot read");
            return reading;
        }
        const icaltriggertype when = icalproperty_get_trigger(trigger);
        Reminder reminder;
        int64_t minutes = 0;
        if (!icaltime_is_null_time(when.time)) {
            const std::time_t moment = MomentOf(when.time);
            minutes = (static_cast<int64_t>(moment) -
                       static_cast<int64_t>(occurrenceFor(vevent, start, moment))) /
                      60;
        } else {
            icalparameter *related =
                icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
            reminder.fromEnd =
                related != nullptr && icalparameter_get_related(related) == ICAL_RELATED_END;
            minutes = minutesOf(when.duration);
        }
        if (std::abs(minutes) > LongestLead) {
            reading.whyNot = QT_TRANSLATE_NOOP("Messages", "a reminder too long before");
            return reading;
        }
        reminder.offset = static_cast<int32_t>(minutes);
        reading.alarms.push_back({alarm, reminder, reminder});
    }
    // The lone alarm of a day event at midnight, whole days ahead: those days at the list's hour.
    if (reading.alarms.size() == 1 && start.is_date) {
        Reminder &only = reading.alarms.front().reminder;
        if (!only.fromEnd && only.offset <= 0 && only.offset % MinutesPerDay == 0)
            only = DefaultReminder(static_cast<int16_t>(-only.offset / MinutesPerDay), false);
    }
    return reading;
}

namespace {

/// The reminders an event without an alarm has: on its day, as the reading takes it.
std::vector<Reminder> remindersOf(const AlarmsReading &reading, icalcomponent *vevent)
{
    std::vector<Reminder> reminders = reading.Reminders();
    if (reminders.empty())
        reminders.push_back(DefaultReminder(0, !icalcomponent_get_dtstart(vevent).is_date));
    std::sort(reminders.begin(), reminders.end(), [](const Reminder &a, const Reminder &b) {
        return std::pair(a.offset, a.fromEnd) < std::pair(b.offset, b.fromEnd);
    });
    return reminders;
}

icalproperty *newTrigger(const Reminder &reminder)
{
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_string(DurationText(reminder.offset).c_str());
    icalproperty *property = icalproperty_new_trigger(trigger);
    if (reminder.fromEnd)
        icalproperty_add_parameter(property, icalparameter_new_related(ICAL_RELATED_END));
    return property;
}

void removeTriggers(icalcomponent *alarm)
{
    while (icalproperty *old = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY)) {
        icalcomponent_remove_property(alarm, old);
        icalproperty_free(old);
    }
}

void replaceTrigger(icalcomponent *alarm, icalcomponent *from)
{
    removeTriggers(alarm);
    if (icalproperty *trigger = icalcomponent_get_first_property(from, ICAL_TRIGGER_PROPERTY))
        icalcomponent_add_property(alarm, icalproperty_new_clone(trigger));
}

} // namespace

void AddAlarms(icalcomponent *vevent, const clsEvent &event)
{
    if (event.Options.Alarms.empty() && event.Period < 0)
        return;
    for (const Reminder &reminder : EventReminders(event)) {
        icalcomponent *alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_description(event.Description.c_str()));
        icalcomponent_add_property(alarm, newTrigger(reminder));
        icalcomponent_add_component(vevent, alarm);
    }
}

void AnchorFixedAlarms(const AlarmsReading &reading)
{
    for (const AlarmRead &read : reading.alarms) {
        icalproperty *trigger = icalcomponent_get_first_property(read.alarm, ICAL_TRIGGER_PROPERTY);
        if (trigger == nullptr || icaltime_is_null_time(icalproperty_get_trigger(trigger).time))
            continue;
        removeTriggers(read.alarm);
        icalcomponent_add_property(read.alarm, newTrigger(read.reminder));
    }
}

void MergeAlarms(icalcomponent *theirs, icalcomponent *ours)
{
    const AlarmsReading mine = ReadAlarms(ours);
    AlarmsReading server = ReadAlarms(theirs);
    if (server.whyNot == nullptr && remindersOf(server, theirs) == remindersOf(mine, ours))
        return;
    if (server.whyNot != nullptr) {
        // Alarms the list cannot read are no reminder of its own: ours replace them all.
        server.alarms.clear();
        for (icalcomponent *alarm =
                 icalcomponent_get_first_component(theirs, ICAL_VALARM_COMPONENT);
             alarm != nullptr;
             alarm = icalcomponent_get_next_component(theirs, ICAL_VALARM_COMPONENT)) {
            if (goesOff(alarm))
                server.alarms.push_back(
                    {alarm, Reminder{.offset = INT32_MIN}, Reminder{.offset = INT32_MIN}});
        }
    }
    // The server's alarms that say one of ours stay as they are; the rest take ours in order.
    std::vector<bool> kept(server.alarms.size(), false);
    std::vector<icalcomponent *> added;
    for (const AlarmRead &our : mine.alarms) {
        bool found = false;
        for (size_t i = 0; i < server.alarms.size() && !found; ++i) {
            // Beside other reminders, an alarm at midnight is what it says.
            const AlarmRead &theirsRead = server.alarms[i];
            found = !kept[i] && (mine.alarms.size() == 1 ? theirsRead.reminder
                                                         : theirsRead.written) == our.reminder;
            kept[i] = kept[i] || found;
        }
        if (!found)
            added.push_back(our.alarm);
    }
    std::vector<icalcomponent *> gone;
    size_t next = 0;
    for (size_t i = 0; i < server.alarms.size(); ++i) {
        if (kept[i])
            continue;
        if (next < added.size())
            replaceTrigger(server.alarms[i].alarm, added[next++]);
        else
            gone.push_back(server.alarms[i].alarm);
    }
    for (icalcomponent *alarm : gone) {
        icalcomponent_remove_component(theirs, alarm);
        icalcomponent_free(alarm);
    }
    for (; next < added.size(); ++next)
        icalcomponent_add_component(theirs, icalcomponent_new_clone(added[next]));
}
