// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppId.h"

#include <string>
#include <string_view>
#include <vector>

// The daily scan: a systemd user timer beside the autostart entry, so that a day without a logon
// (a laptop that only sleeps and wakes) still gets its scan. The timer fires every day at 09:00
// and, being persistent, makes up a time missed while the machine was off or asleep at the next
// wake or boot. Its service runs the program with "whatsup" and the mark MOONRILL_DAILY=1, which
// makes a run on a day already seen end at once. Like the run-at-logon operations, all of this
// is silent: where no user service manager runs, the files are written and nothing is said.

// Named after the application id, like the launcher and the autostart entry, so that one name
// finds all of them. "-scan" rather than ".scan": the name then reads as the id and a word, not
// as the id of some other program.
inline const std::string DailyScanTimer = std::string(AppId) + "-scan.timer";
inline const std::string DailyScanService = std::string(AppId) + "-scan.service";
/// The argument with which the session bus starts the program for a notification's button.
inline constexpr std::string_view BusActivationArgument = "--bus-activated";

/// The folder of the user's own units: $XDG_CONFIG_HOME/systemd/user.
[[nodiscard]] std::string UserUnitFolder();

/// Why `path` cannot be written into a unit (systemd reads UTF-8 text, one setting a line), or ""
/// when it can.
[[nodiscard]] std::string UnitPathTrouble(std::string_view path);

/// The service unit that runs `program` with "whatsup" as a daily run, and only while `program`
/// is there. `dataFolder`, when not
/// empty, is passed on as MOONRILL_HOME so that the scan guards the same event file.
[[nodiscard]] std::string DailyScanServiceText(std::string_view program,
                                               std::string_view dataFolder);
/// The timer unit: every day at 09:00, persistent.
[[nodiscard]] std::string DailyScanTimerText();

/// Runs "systemctl --user" with `arguments`, quietly, and waits for it up to ten seconds; what it
/// answers does not matter (the operations are silent).
void UserSystemctl(std::vector<std::string> arguments);

/// The session bus's file that starts `program` for the application id's name, so that a
/// notification's button reaches the program after the run that showed it ended. `dataFolder`
/// as for the service.
[[nodiscard]] std::string BusServiceText(std::string_view program, std::string_view dataFolder);
/// Where it lies: $XDG_DATA_HOME/dbus-1/services/<id>.service.
[[nodiscard]] std::string BusServicePath();

/// Writes both units, the reminders' service (ReminderTimer.h) and the bus's service file, and
/// enables and starts the timer (systemctl --user). Where a path cannot be
/// carried into a unit (UnitPathTrouble), sets up nothing, removes the units of an earlier setup
/// and says why on standard error.
void InstallDailyScan(std::string_view program, std::string_view dataFolder);
/// Stops and disables the timer and removes both units, the reminders' units and the bus's
/// service file.
void RemoveDailyScan();

/// Puts the units an earlier version wrote as "moonrill-scan.timer" and ".service" under the
/// names above, byte for byte, with the timer enabled where the old one was, and removes the old
/// ones. The new units are written before any old one goes, so that a run killed on the way or
/// run twice loses nothing.
void MoveDailyScanToAppId();
