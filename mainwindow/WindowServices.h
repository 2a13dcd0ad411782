// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's commands that need the network, the keyring, the printer or the calendar
// library live in a library of their own, loaded the first time one of them is used: a start
// that neither syncs nor prints maps the window without loading any of those libraries. Both
// sides include this header and call each other only through these virtual functions.

#include "AtomicFile.h"
#include "EventList.h"
#include "Message.h"
#include "Paths.h"

#include <QString>

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMessageBox;
class QWidget;
enum class MsgAnswer;

/// What the main window lends the services: its list and the steps its commands share.
class ServiceHost
{
public:
    [[nodiscard]] virtual QWidget *Window() = 0;
    [[nodiscard]] virtual EventList &ListDocument() = 0;
    /// Marks the list not saved after a change, and keeps it in the recovery copy.
    virtual void ListChanged() = 0;
    /// Saves the list (frmMain::SaveEvents); whether it was saved.
    virtual bool SaveList() = 0;
    /// The common error report.
    virtual void Report(const std::exception &error) = 0;
    /// Shows a message box the services made ready (AnswerMessage), in the window's own code.
    virtual MsgAnswer AnswerMessage(QMessageBox &box) = 0;
    /// Selects the row at `row` as the only selected row.
    virtual void SelectRow(int row) = 0;
    /// Makes and saves the list's edits of a sync made from `planned`; why not, where it cannot.
    virtual std::optional<Message> TakeFromServer(SyncPlan &plan,
                                                  const std::vector<clsEvent> &planned) = 0;

protected:
    ServiceHost() = default;
    ~ServiceHost() = default;
    ServiceHost(const ServiceHost &) = default;
    ServiceHost &operator=(const ServiceHost &) = default;
};

/// The commands themselves, each as frmMain's command of the same name describes it.
class WindowServices
{
public:
    WindowServices() = default;
    virtual ~WindowServices() = default;
    WindowServices(const WindowServices &) = delete;
    WindowServices &operator=(const WindowServices &) = delete;

    virtual void PrintEvents() = 0;
    virtual void CheckForUpdate() = 0;
    virtual void ImportBirthdays() = 0;
    virtual void ImportBirthdaysFrom(const QString &path) = 0;
    virtual void ImportCalendar() = 0;
    virtual void ImportCalendarFrom(const QString &path) = 0;
    virtual void ExportCalendar() = 0;
    virtual void ExportCalendarTo(const QString &path) = 0;
    virtual void CalendarSyncSettings() = 0;
    /// Where a save sends the list besides its file, as the sync settings say.
    [[nodiscard]] virtual SaveRoads Roads() = 0;
    /// Syncs the list as saved, where a calendar is set, in the background.
    virtual void SyncSaved() = 0;
    /// What the last run could not sync, said once (TakeSyncFailure).
    [[nodiscard]] virtual std::vector<Message> TakeSyncFailure() = 0;
};

/// The services over `host`, which must outlive them; in the services library.
[[nodiscard]] std::unique_ptr<WindowServices> MakeWindowServices(ServiceHost &host);

/// The services library's entry point: the services over `host`, which must outlive them. The
/// caller owns the result.
extern "C" WindowServices *MoonrillStartWindowServices(ServiceHost &host);

/// Where the path of the last calendar export is kept, so that the next start can clear what a
/// killed export left beside it.
inline std::string LastExportRecord()
{
    return JoinPath(ConfigFolder(), "moonrill/last-export");
}

/// Removes the temporary files of killed exports in the folder of the calendar file `path`.
inline void ClearKilledExportsOf(const std::string &path)
{
    RemoveStaleTemporariesEndingIn(FolderOf(ResolveLinks(path)), ".ics");
}

/// Where a sync's failure is kept for the next start to say (as CalendarSync keeps it): the
/// start loads the services only where there is one.
inline std::string SyncFailureRecord()
{
    return JoinPath(ConfigFolder(), "moonrill/sync-failure");
}
