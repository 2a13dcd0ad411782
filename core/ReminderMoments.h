// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Reminders.h"

#include <optional>
#include <string>
#include <vector>

// The reminders that come at a moment of their own: those of an event with a time of day or
// reminders of its own. A day event with only its notice period's reminder comes with the
// daily scan at 09:00 and is none of these.

/// One reminder of one occurrence, with what its notification says.
struct MomentReminder
{
    /// When it comes.
    LocalMoment moment;
    /// The day of the occurrence it reminds of.
    Date occurrence;
    /// The occurrence's time of day; none for a day event.
    std::optional<int> start;
    /// Who it belongs to, as ReminderIdentity gives it.
    std::string identity;
    std::string description;

    friend bool operator==(const MomentReminder &, const MomentReminder &) = default;
};

/// Whether the event may have a reminder at a moment of its own. Cheap: the logon scan asks it
/// of every line.
[[nodiscard]] inline bool HasOwnMoments(const clsEvent &event)
{
    return !event.Options.Time.empty() || !event.Options.Alarms.empty();
}

/// The name an event keeps across edits of its date, time and reminders: its calendar UID where
/// it has one, else its description and type.
[[nodiscard]] std::string ReminderIdentity(const clsEvent &event);

/// How many days ahead the moments are gathered: every day has a run (the logon's or the daily
/// timer's) that gathers them again before they run out.
inline constexpr int MomentDaysAhead = 2;

/// Adds to `out` the event's reminders that come after `after` and not after `until`, for its
/// occurrences from its date on, in no particular order.
void AddMomentReminders(const clsEvent &event, LocalMoment after, LocalMoment until,
                        std::vector<MomentReminder> &out);

/// The moment `minutes` after `moment` (negative: before).
[[nodiscard]] LocalMoment MomentAfter(LocalMoment moment, int minutes);

/// Minutes from `from` to `to` (negative where `to` is earlier).
[[nodiscard]] int64_t MinutesBetween(LocalMoment from, LocalMoment to);
