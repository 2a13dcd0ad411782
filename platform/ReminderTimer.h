// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppId.h"

#include <string>
#include <string_view>
#include <vector>

// The reminders' timer: a systemd user timer beside the daily scan's, which fires at each moment
// a reminder comes and starts a run that shows the reminders due and ends. A timer of its own,
// not more lines on the daily one: the daily run may wait on its notification all day, and a
// service that still runs is not started again, so moments on the daily timer would be lost.
// Its service runs the program with "whatsup" and the mark MOONRILL_REMINDERS=1; 09:00 is left
// to the daily run, which shows the reminders due before its scan. Set up only where the daily
// scan is, and rewritten only when its moments change.

inline const std::string ReminderTimer = std::string(AppId) + "-reminders.timer";
inline const std::string ReminderService = std::string(AppId) + "-reminders.service";

/// The reminders' service for `program` and `dataFolder`, as DailyScanServiceText.
[[nodiscard]] std::string ReminderServiceText(std::string_view program,
                                              std::string_view dataFolder);

/// How many moments the timer carries at most: the earliest.
inline constexpr size_t MostTimerMoments = 64;

/// The timer at `moments` ("2026-12-08 14:30", local time) but 09:00, persistent; "" for none.
[[nodiscard]] std::string ReminderTimerText(const std::vector<std::string> &moments);

/// Where the daily scan is set up, sets the reminders' timer to `moments`: writes it, has the
/// service manager read it and (re)start it, or stops and removes it where no moment is left,
/// only where its text changes, so that a run with nothing new spawns nothing. Returns whether
/// it changed anything.
bool SetReminderMoments(const std::vector<std::string> &moments);

/// Stops and disables the reminders' timer and removes it, where there is one.
void RemoveReminderTimer();
