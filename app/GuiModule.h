// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's windows live in a library of their own, which the program loads only when it
// has something to show: a logon scan with nothing due then never loads the desktop's toolkit.

#include <cstddef>
#include <string_view>

#include <vector>

class LogonScreens;
struct ScanRow;
struct MomentReminder;

/// The daily scan's desktop notification, from the notification library, which needs no
/// display and loads no windows.
class DueNotifier
{
public:
    DueNotifier() = default;
    virtual ~DueNotifier() = default;
    DueNotifier(const DueNotifier &) = delete;
    DueNotifier &operator=(const DueNotifier &) = delete;

    /// Shows the notification of the scan's `rows` in the user's language, one that stays until
    /// the user closes it (where the service honours that), offering "Show" where `offerShow`.
    /// Returns whether a notification service showed it.
    virtual bool Notify(const std::vector<ScanRow> &rows, bool offerShow) = 0;
    /// Waits while the notification stands, at most to the end of the day (it is then taken
    /// away): true once the user asked for the scan window.
    virtual bool AwaitShow() = 0;
    /// Shows one notification for each of `reminders`, now due, with Snooze and Done where the
    /// desktop can take them after this run ended. Returns whether all were shown.
    virtual bool NotifyReminders(const std::vector<MomentReminder> &reminders) = 0;
    /// Whether the session bus took the connection and did not answer in time: every other
    /// road to the bus would wait for it in turn.
    [[nodiscard]] virtual bool BusSilent() const = 0;
};

/// The library's file name; it lies beside the program, or in lib/moonrill/modules of its prefix.
inline constexpr std::string_view GuiModuleFile = "libmoonrill-gui.so";

/// The library of what needs the network, the keyring, the printer or the calendar library:
/// "moonrill sync", the sync after a logon scan, and the main window's services, loaded at
/// their first use; it lies where the windows library lies.
inline constexpr std::string_view ServicesModuleFile = "libmoonrill-services.so";

/// The library that shows a desktop notification without the windows, for a daily scan with no
/// display; it lies where the windows library lies.
inline constexpr std::string_view NotifyModuleFile = "libmoonrill-notify.so";

extern "C" {
/// Runs the main window until the program ends; returns the exit status.
int MoonrillRunMainWindow(int *argc, char **argv);
/// Starts the desktop and returns the logon scan's screens over it. The caller owns the result
/// (and with it the desktop) and must delete it. Where the desktop cannot be started after all,
/// the process ends with one line on standard error and status 1, having written nothing.
LogonScreens *MoonrillStartLogonScreens(int *argc, char **argv);
/// In the services library: syncs the list to the calendar server ("moonrill sync"), without a
/// display; returns the exit status.
int MoonrillSync(int *argc, char **argv);
/// In the services library: syncs the list the logon scan saved, where a calendar is set: silent,
/// at most five seconds.
void MoonrillSyncAfterLogonScan(int *argc, char **argv);
/// In the notification library: returns the daily scan's notifier, plain code over the session
/// bus. The caller owns the result and must delete it.
DueNotifier *MoonrillStartNotifier();
/// In the windows library, without a display: the run the session bus starts for a
/// notification's button. Takes the application id's name, carries out the actions it is asked
/// for on the reminders' state and ends once none came for a few seconds; returns the exit
/// status.
int MoonrillServeActions(int *argc, char **argv);
}
