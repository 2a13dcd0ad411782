// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

/// The exit statuses of "moonrill sync".
enum SyncStatus : int
{
    SyncComplete = 0,   // the server holds what the list holds
    SyncIncomplete = 1, // something was not published, or could not be: said on standard error
    SyncWindowRuns = 2, // a window runs, whose saves publish the list: nothing was done
};

/// "moonrill sync": publishes the event list to the calendar set in sync.conf, with the password
/// in the file MOONRILL_SYNC_PASSWORD_FILE names (private to the user) or the keyring's. Says what
/// it did on `out` ("Published: N new, M changed, K removed") and what went wrong on `errors`;
/// returns a SyncStatus. It ends within ten minutes, whatever the server does; what is not sent
/// by then is sent at the next sync. QtCore's application object must exist.
[[nodiscard]] int RunSyncCommand(std::ostream &out, std::ostream &errors);

/// The logon scan's publish, after it saved: the same, silent, ended within five seconds of its
/// start whatever the server does; what it could not do is kept for the next start of the window
/// to say once.
void PublishAfterLogonScan();
