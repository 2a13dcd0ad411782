// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's windows live in a library of their own, which the program loads only when it
// has something to show: a logon scan with nothing due then never loads the desktop's toolkit.

#include <cstddef>
#include <string_view>

class LogonScreens;
struct ScanRow;

/// The library's file name; it lies beside the program, or in lib/moonrill/modules of its prefix.
inline constexpr std::string_view GuiModuleFile = "libmoonrill-gui.so";

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
/// Publishes the list to the calendar server ("moonrill sync"), without a display; returns the
/// exit status.
int MoonrillSync(int *argc, char **argv);
/// Publishes the list the logon scan saved, where a calendar is set: silent, at most five
/// seconds.
void MoonrillPublishAfterLogonScan(int *argc, char **argv);
/// In the notification library: shows the notification of the scan's `count` `rows`, composed in
/// the user's language, with no action to offer. Returns 1 when a notification service showed
/// it, 0 otherwise.
int MoonrillNotify(int *argc, char **argv, const ScanRow *rows, size_t count);
}
