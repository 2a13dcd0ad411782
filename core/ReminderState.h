// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReminderMoments.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What this computer knows of the reminders that come at moments of their own: the last moment
// a run handled, the reminders coming next (gathered by the logon scan and by a save, so that a
// run at a moment reads this small file and not the event file), those shown, snoozed or done.
// Snooze and Done belong to this computer alone: they are never written into the event line
// nor sent to a calendar.

/// The file beside events.mrl that keeps it.
inline constexpr std::string_view ReminderStateFileName = ".moonrill-reminders";

/// An occurrence the user marked done.
struct DoneOccurrence
{
    std::string identity;
    Date occurrence;

    friend bool operator==(const DoneOccurrence &, const DoneOccurrence &) = default;
};

struct ReminderState
{
    /// Every reminder up to this moment was handled; none before a first run.
    std::optional<LocalMoment> handled;
    std::vector<MomentReminder> coming;
    /// Shown ones, kept so that a Snooze on their notification knows what to show again.
    std::vector<MomentReminder> shown;
    /// Snoozed ones, each at the moment it comes again.
    std::vector<MomentReminder> snoozed;
    std::vector<DoneOccurrence> done;

    friend bool operator==(const ReminderState &, const ReminderState &) = default;
};

/// The file's text: one line a record, its fields separated by tabs.
[[nodiscard]] std::string ReminderStateText(const ReminderState &state);
/// Reads what ReminderStateText writes; a line it cannot read is left out.
[[nodiscard]] ReminderState ReadReminderStateText(std::string_view text);

/// The state kept in `folder`; an empty one where there is none or it cannot be read.
[[nodiscard]] ReminderState ReadReminderState(const std::string &folder);
/// Keeps `state` in `folder`, atomically; false where it cannot.
bool WriteReminderState(const std::string &folder, const ReminderState &state);

/// The reminders due by `now`, earliest first: the coming and snoozed ones after the moment
/// handled and not after `now`, of occurrences not done. They move to the shown ones, and
/// `now` becomes the moment handled, so that none is ever shown twice. A first run shows none.
[[nodiscard]] std::vector<MomentReminder> TakeDueReminders(ReminderState &state, LocalMoment now);

/// Puts `fresh`, the reminders gathered after `now`, in place of the coming ones after `now`;
/// those up to `now` still to be handled stay. Forgets what belongs to occurrences long over.
void RenewComingReminders(ReminderState &state, LocalMoment now, std::vector<MomentReminder> fresh);

/// The text a notification's action names an occurrence by: "2026-12-08 uid:…".
[[nodiscard]] std::string OccurrenceKey(const MomentReminder &reminder);

/// Shows the occurrence `key` names again at `until`. False where no reminder of it was shown.
bool SnoozeOccurrence(ReminderState &state, std::string_view key, LocalMoment until);
/// No more reminders for the occurrence `key` names. False where the key names none.
bool FinishOccurrence(ReminderState &state, std::string_view key);

/// The moments at which a run must come: the coming and snoozed reminders', earliest first,
/// each once.
[[nodiscard]] std::vector<LocalMoment> MomentsToCome(const ReminderState &state);
