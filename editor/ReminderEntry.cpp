// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderEntry.h"

namespace {

/// `minutes` divided by a day, rounded down, with what is left (0 to a day less a minute).
ReminderParts floorDays(int64_t minutes)
{
    int64_t days = minutes / MinutesPerDay;
    int64_t rest = minutes % MinutesPerDay;
    if (rest < 0) {
        rest += MinutesPerDay;
        --days;
    }
    return {static_cast<int>(days), static_cast<int>(rest)};
}

} // namespace

ReminderChoice SplitReminders(const clsEvent &event)
{
    ReminderChoice choice;
    if (event.Options.Alarms.empty() || !ParseReminders(event.Options.Alarms))
        return choice;
    const bool timed = EventTime(event).has_value();
    choice.others = EventReminders(event);
    choice.periodReminder = false;
    // The notice period's reminder is the first that comes on its day: at the event's time for a
    // timed event, at any hour for a day event.
    for (auto it = choice.others.begin(); it != choice.others.end(); ++it) {
        if (it->fromEnd)
            continue;
        const ReminderParts parts = PartsOf(*it, timed);
        if (parts.days == event.Period && (!timed || parts.minutes == 0)) {
            choice.periodReminder = true;
            if (!timed)
                choice.remindAt = parts.minutes;
            choice.others.erase(it);
            break;
        }
    }
    return choice;
}

std::vector<Reminder> JoinReminders(const ReminderChoice &choice, int period, bool timed)
{
    std::vector<Reminder> reminders;
    if (choice.periodReminder)
        reminders.push_back(ReminderBefore(period, timed ? 0 : choice.remindAt, timed));
    reminders.insert(reminders.end(), choice.others.begin(), choice.others.end());
    return reminders;
}

Reminder ReminderBefore(int days, int minutes, bool timed)
{
    return {.offset = timed ? -(days * MinutesPerDay + minutes) : -days * MinutesPerDay + minutes};
}

ReminderParts PartsOf(const Reminder &reminder, bool timed)
{
    if (timed) {
        // Minutes before the time: whole days, and what is left of a day.
        const ReminderParts before = floorDays(-int64_t{reminder.offset});
        return before;
    }
    const ReminderParts on = floorDays(reminder.offset);
    return {-on.days, on.minutes};
}

std::vector<Reminder> MovedReminders(const std::vector<Reminder> &others, std::optional<int> time,
                                     bool timed)
{
    std::vector<Reminder> moved;
    for (const Reminder &reminder : others) {
        if (reminder.fromEnd) {
            moved.push_back(reminder);
            continue;
        }
        const int days = -floorDays(int64_t{time.value_or(0)} + reminder.offset).days;
        moved.push_back(ReminderBefore(days, timed ? 0 : DefaultReminderMinute, timed));
    }
    return moved;
}
