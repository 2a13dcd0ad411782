// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReminderState.h"
#include "Translatable.h"

#include <string>
#include <string_view>
#include <vector>

// The reminders at moments of their own, as the runs of the program handle them: the logon scan
// and a save gather what comes next, the timer's runs show what came, and a notification's
// buttons snooze an occurrence or mark it done. Each keeps the state file in the data folder
// and gives the daily timer the moments still to come.

/// The local clock's minute.
[[nodiscard]] LocalMoment LocalNow();

/// Gathers the reminders that `events` (those with moments of their own count) have after
/// `now`, keeps them in `folder` as the ones coming and sets the timer to their moments.
void RenewReminders(const std::string &folder, LocalMoment now,
                    const std::vector<clsEvent> &events);

/// Takes the reminders due by `now` from the state in `folder` (TakeDueReminders), keeps what
/// is left and sets the timer to it. Where the state cannot be kept, shows none: a reminder is
/// better late, at the next run, than twice.
[[nodiscard]] std::vector<MomentReminder> TakeDueRemindersIn(const std::string &folder,
                                                             LocalMoment now);

/// The actions of a reminder's notification, by the name a button activates.
inline constexpr std::string_view SnoozeAction = "snooze";
inline constexpr std::string_view DoneAction = "done";

/// One button: its action, its parameter and its label.
struct ReminderButton
{
    std::string action;
    std::string parameter;
    std::string label;
};

/// Snooze in 10 minutes, in an hour, until tomorrow, and Done, for `reminder`, in `words`.
[[nodiscard]] std::vector<ReminderButton> ReminderButtons(const MomentReminder &reminder,
                                                          const Words &words = AsIs);

/// Carries out a button's action on the state in `folder` at `now` and sets the timer. False
/// where the action or its parameter is none of ours, or the state cannot be kept.
bool ApplyReminderAction(const std::string &folder, std::string_view action,
                         std::string_view parameter, LocalMoment now);

/// What the notification of `reminder` says at `now`: "In 30 minutes: Dentist", "14:30
/// Dentist", "Tomorrow: Ann's birthday", in `words`.
[[nodiscard]] std::string ReminderNoticeText(const MomentReminder &reminder, LocalMoment now,
                                             const Words &words = AsIs);
