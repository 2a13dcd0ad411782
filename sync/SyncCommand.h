// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

/// "moonrill sync": publishes the event list to the calendar set in
/// $XDG_CONFIG_HOME/moonrill/sync.conf ([sync] calendar_url, user), with the password in the
/// file MOONRILL_SYNC_PASSWORD_FILE names (private to the user). Says what it did on `out`
/// ("Published: N new, M changed, K removed") and what went wrong on `errors`; returns the exit
/// status: 0 only when the server mirrors the list, 2 when the window runs (whose saves publish).
/// QtCore's application object must exist.
[[nodiscard]] int RunSyncCommand(std::ostream &out, std::ostream &errors);

/// The logon scan's publish, after it saved: the same, silent, given at most five seconds; what
/// it could not do is kept for the next start of the window to say once.
void PublishAfterLogonScan();
