#pragma once

#include "Date.h"

#include <string>
#include <vector>

struct ScanRow;

/// How the logon scan shows what it has to show. It calls these only when there is something
/// to show, so a logon with nothing due never starts the desktop's window machinery.
class LogonScreens
{
public:
    LogonScreens() = default;
    virtual ~LogonScreens() = default;
    LogonScreens(const LogonScreens &) = delete;
    LogonScreens &operator=(const LogonScreens &) = delete;

    /// A message box with the critical-error icon and an OK button.
    virtual void ShowCriticalMessage(const std::string &text) = 0;
    /// The scan window over `rows`, until the user closes it. It empties `birthdayMails`.
    /// Returns false when no window could be shown (the rows were then given some other way).
    virtual bool ShowDueEvents(const std::vector<ScanRow> &rows,
                               std::vector<std::string> &birthdayMails) = 0;
};

/// The program's run at logon ("moonrill whatsup"), the main window's start-up without the
/// window: unless another instance holds `folder`, load the event file there (moving every
/// event to its next occurrence from `today`), save it back when the load succeeded, and show
/// what falls due. Every message is the one the main window's start-up gives. Returns true when
/// it did all it had to (also when another instance runs, which is its business then): false
/// after a failed load or save, an error it reported, or a due list it could not show.
[[nodiscard]] bool RunLogonScan(const std::string &folder, Date today, LogonScreens &screens);
