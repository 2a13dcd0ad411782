// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Reminders.h"

#include <optional>
#include <vector>

// How the editor shows an event's reminders: the notice period stays the way to set the one
// reminder every event has (its days ahead, and a day event's hour, 09:00 unless another is
// set); any further reminders are a list beside it. A calendar's reminders that none of them is
// the notice period's one all go to the list.

/// An event's reminders as the editor shows them.
struct ReminderChoice
{
    /// Whether the notice period gives one of the reminders.
    bool periodReminder = true;
    /// The minute of the day a day event's notice period reminder comes at.
    int remindAt = DefaultReminderMinute;
    /// The reminders beyond the notice period's one, in their order.
    std::vector<Reminder> others;

    friend bool operator==(const ReminderChoice &, const ReminderChoice &) = default;
};

/// The reminders of `event` as the editor shows them.
[[nodiscard]] ReminderChoice SplitReminders(const clsEvent &event);

/// The reminders `choice` stands for, with a notice period of `period` days, for a timed event
/// or a day event: the notice period's one first.
[[nodiscard]] std::vector<Reminder> JoinReminders(const ReminderChoice &choice, int period,
                                                  bool timed);

/// The reminder `days` before a day event at `minute` of that day, or (`timed`) `days` and
/// `minutes` before a timed event's time.
[[nodiscard]] Reminder ReminderBefore(int days, int minutes, bool timed);

/// The days a reminder comes before the day of an event at `time` (none: a day event), and for
/// a day event the minute of that day, or for a timed one the minutes before the time beyond the
/// whole days.
struct ReminderParts
{
    int days = 0;
    int minutes = 0;
};
[[nodiscard]] ReminderParts PartsOf(const Reminder &reminder, bool timed);

/// `others` of an event that was timed (or not) for an event that is `timed` now (or not): each on
/// the days ahead it came, at 09:00 for a day event and at its time for a timed one. Reminders
/// that count from the end are kept.
[[nodiscard]] std::vector<Reminder> MovedReminders(const std::vector<Reminder> &others,
                                                   std::optional<int> time, bool timed);
