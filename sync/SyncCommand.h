// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncPlan.h"

#include <ostream>

/// The exit statuses of "moonrill sync".
enum SyncStatus : int
{
    SyncComplete = 0,   // the server and the list hold the same events (objects the list cannot
                        // hold stay on the server, named on standard error)
    SyncIncomplete = 1, // something was not sent, taken or settled: said on standard error
    SyncWindowRuns = 2, // a window runs, whose saves sync the list: nothing was done
};

/// The word that lets "moonrill sync" remove what one side emptied from the other too.
inline constexpr const char *ConfirmRemovalOption = "--confirm-removal";
/// The word that lets "moonrill sync" fill a side emptied again from the other.
inline constexpr const char *RestoreOption = "--restore";

/// "moonrill sync": syncs the event list both ways with the calendar set in sync.conf, with the
/// password in the file MOONRILL_SYNC_PASSWORD_FILE names (private to the user) or the keyring's.
/// Says what it did on `out` ("Sent: N new, M changed, K removed; taken: …") and what went wrong
/// on `errors`; returns a SyncStatus. A side emptied is dealt with as `emptied` says: the user
/// is told how to answer where it asks. It ends within ten minutes, whatever the server does;
/// what is not done by then is done at the next sync. QtCore's application object must exist.
[[nodiscard]] int RunSyncCommand(std::ostream &out, std::ostream &errors,
                                 EmptiedSide emptied = EmptiedSide::Ask);

/// The logon scan's sync, after it saved: the same, silent, ended within five seconds of its
/// start whatever the server does; what it could not do is kept for the next start of the window
/// to say once.
void SyncAfterLogonScan();
