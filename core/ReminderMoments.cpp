// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderMoments.h"

#include "Occurrence.h"

#include <algorithm>

namespace {

/// More occurrences than any event has within the days gathered, however often it falls: a
/// type the occurrence rules do not know must not keep the loop going.
constexpr int MostOccurrences = 1000;

} // namespace

std::string ReminderIdentity(const clsEvent &event)
{
    std::string identity = event.Options.Uid.empty()
                               ? "line:" + event.Description + "$$" + event.Occurs
                               : "uid:" + event.Options.Uid;
    // It is kept as one field of a line: no control character may break it.
    std::replace_if(
        identity.begin(), identity.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }, ' ');
    return identity;
}

LocalMoment MomentAfter(LocalMoment moment, int minutes)
{
    int64_t minute = int64_t{moment.minute} + minutes;
    int64_t days = minute / MinutesPerDay;
    minute %= MinutesPerDay;
    if (minute < 0) {
        minute += MinutesPerDay;
        --days;
    }
    return {moment.day.addDays(static_cast<int32_t>(days)), static_cast<int>(minute)};
}

int64_t MinutesBetween(LocalMoment from, LocalMoment to)
{
    return (int64_t{to.day.dayNumber()} - from.day.dayNumber()) * MinutesPerDay + to.minute -
           from.minute;
}

void AddMomentReminders(const clsEvent &event, LocalMoment after, LocalMoment until,
                        std::vector<MomentReminder> &out)
{
    const std::vector<Reminder> reminders = EventReminders(event);
    const std::optional<int> start = EventTime(event);
    std::optional<Date> day = event.StartingOn;
    for (int count = 0; day && count < MostOccurrences; ++count) {
        bool anyNotLater = false;
        for (const Reminder &reminder : reminders) {
            const LocalMoment moment = ReminderMoment(event, reminder, *day);
            if (moment <= until)
                anyNotLater = true;
            if (moment > after && moment <= until)
                out.push_back({.moment = moment,
                               .occurrence = *day,
                               .start = start,
                               .identity = ReminderIdentity(event),
                               .description = event.Description});
        }
        // Each later occurrence's reminders come later still.
        if (!anyNotLater)
            return;
        const std::optional<Date> next =
            NextOccurrence(*day, event.Occurs, day->addDays(1), event.Options.Day);
        if (!next || *next <= *day)
            return;
        day = next;
    }
}
