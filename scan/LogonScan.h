// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"

#include <string>
#include <vector>

struct ScanResult;

/// How the logon scan shows what it has to show. It calls these only when there is something
/// to show, so a logon with nothing due never starts the desktop's window machinery.
class LogonScreens
{
public:
    LogonScreens() = default;
    virtual ~LogonScreens() = default;
    LogonScreens(const LogonScreens &) = delete;
    LogonScreens &operator=(const LogonScreens &) = delete;

    enum class Icon
    {
        Critical,   // errors
        Information // notices
    };
    /// A message box with the icon and an OK button. Returns false when no window could show
    /// it (it was then given some other way).
    virtual bool ShowMessageBox(const std::string &text, Icon icon) = 0;
    /// A message's fixed words in the language the screens speak; English here.
    [[nodiscard]] virtual std::string Translated(std::string_view words)
    {
        return std::string(words);
    }
    /// The scan window over `scan.rows`, until the user closes it; it makes the birthday and
    /// the belated offers and empties `scan.birthdayMails`. Returns false when no window could
    /// be shown (the rows were then given some other way).
    virtual bool ShowDueEvents(ScanResult &scan) = 0;
    /// For the daily run: a desktop notification of `scan.rows` in place of the window. Returns
    /// whether a notification service showed it; none does here.
    virtual bool NotifyDueEvents(const ScanResult & /*scan*/) { return false; }
    /// After a notification was shown: waits while it stands, at most to the end of the day,
    /// for the user to ask for the scan window, and then shows it as ShowDueEvents does.
    virtual void FollowNotification(ScanResult & /*scan*/) {}
};

/// The program's run at logon ("moonrill whatsup"), the main window's start-up without the
/// window: unless another instance holds `folder`, load the event file there (moving every
/// event to its next occurrence from `today`), save it back when the load succeeded, and show
/// what falls due. Every message is the one the main window's start-up gives. Returns true when
/// it did all it had to (also when another instance runs, which is its business then): false
/// after a failed load or save, an error it reported, or a message or due list it could not
/// show in a window.
/// Events missed since the last day a run saw (kept in `folder`) are caught up and shown first;
/// a run that showed what it had to keeps today as that day. A `daily` run (the daily timer's)
/// on a day a run has seen already ends at once, showing nothing; on another day it shows what
/// is due as a desktop notification where it can, and as the scan window otherwise. A shown
/// notification counts as seen: the file is saved before the run waits for the user.
[[nodiscard]] bool RunLogonScan(const std::string &folder, Date today, LogonScreens &screens,
                                bool daily = false);
