// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc cannot parse the C++20 standard headers the event model uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "BirthdayOffers.h"
#include "EventFile.h"
#include "EventList.h"
#endif

#include "ApplicationBus.h"
#include "ScreenFit.h"
#include "ServicesLoader.h"
#include "UserWords.h"

#include <QMainWindow>
#include <QPersistentModelIndex>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class EventListModel;
class QAction;
class QMenu;
class QToolBar;
class QTreeView;
class SingleInstance;

/// The main window: the program's start-up object and only top-level window. It owns the event
/// state for the whole run and is where every command starts. What needs the network, the
/// keyring, the printer or the calendar library it asks of its services, loaded at first use.
class frmMain final : public QMainWindow, private ServiceHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    /// Runs the start-up sequence: single instance, load and save, then the main window.
    /// Returns false when another instance runs and the program is to end now. (The logon scan
    /// runs without this window: RunLogonScan.)
    bool StartUp();

    /// The common error report for an error an operation raised.
    void ReportError(const std::exception &error);
    /// Asks to save when the list is not saved; ends the program unless the user cancels (or
    /// the save fails). Returns true when the window is to stay open.
    bool ConfirmSave();

    // The commands.
    bool LoadEvents();
    bool SaveEvents();
    void ScanEvents();
    void AddEvent();
    void EditEvent();
    void DeleteEvent();
    void UndoDelete();
    void DeleteAllEvents();
    void CopyEvent();
    void CopyAllEvents();
    void FindEvent();
    void PrintEvents();
    /// Asks for an address book and imports its birthdays (ImportBirthdaysFrom).
    void ImportBirthdays();
    /// Adds a Birthday event for each contact of the address book at `path` with a birthday the
    /// list does not hold yet, all or none, and says what it did.
    void ImportBirthdaysFrom(const QString &path);
    /// Asks for a calendar file and imports its events (ImportCalendarFrom).
    void ImportCalendar();
    /// Adds each event of the iCalendar file at `path` that the list can hold and does not hold
    /// yet, all or none, and says what it did and what it left out.
    void ImportCalendarFrom(const QString &path);
    /// Asks for a file name and exports the calendar there (ExportCalendarTo).
    void ExportCalendar();
    /// Opens the calendar sync settings; OK syncs the saved list at once.
    void CalendarSyncSettings();
    /// Writes every event to the iCalendar file at `path` and says so.
    void ExportCalendarTo(const QString &path);
    /// Removes what a killed export left beside the last calendar file exported.
    void ClearKilledExports();
    void CheckForUpdate();
    void ExpressContact();
    void VisitWebsite();
    void AboutMoonrill();
    void ShowHelp();

    /// The index in Events of the selected row's record, or -1; remembers the row in SelItem.
    /// Throws when rows exist but none is selected.
    int FindSelectedEvent();

    /// The list document the window shows; every change of the list goes through it.
    [[nodiscard]] EventList &Events() { return m_list; }
    [[nodiscard]] const EventState &State() const { return m_list.State(); }
    [[nodiscard]] EventListModel &List() { return *m_model; }
    [[nodiscard]] QTreeView *EventView() const { return lstEvent; }
    [[nodiscard]] const std::string &EventFilePath() const { return m_list.Path(); }
    /// The process's exit status after StartUp returned false: non-zero when it could not tell
    /// whether another instance runs.
    [[nodiscard]] int ExitStatus() const { return m_exitStatus; }
    /// True once the program has been told to end.
    [[nodiscard]] bool HasEnded() const { return m_ended; }
    /// Selects the row at `row` as the only selected row.
    void SelectRow(int row) override;
    /// Ends the program at once without a question, as when the session ends (a signal): the
    /// recovery copy keeps what is not saved.
    void EndNow() { endProgram(); }

    /// The program-wide birthday offers the scan fills and the scan window empties.
    std::vector<MailOffer> BirthdayMails;
    /// The help topic of the main window.
    int HelpContextID = 0;
    /// The row FindSelectedEvent and DeleteEvent last looked at.
    QPersistentModelIndex SelItem;

signals:
    /// The program is to end now; the application's owner quits on it.
    void ended();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the services use of the window.
    QWidget *Window() override { return this; }
    EventList &ListDocument() override { return m_list; }
    void ListChanged() override { listChanged(); }
    bool SaveList() override { return SaveEvents(); }
    void Report(const std::exception &error) override { ReportError(error); }
    MsgAnswer AnswerMessage(QMessageBox &box) override;
    std::optional<Message> TakeFromServer(SyncPlan &plan,
                                          const std::vector<clsEvent> &planned) override;

    QAction *makeAction(const char *name, const char *caption, void (frmMain::*command)(),
                        const QKeySequence &shortcut = {});
    void createActions();
    void createMenus();
    void createToolbar();
    void createList();
    void createPopup();
    /// The selected event; nothing, after saying so, on an empty list or a row without a
    /// record. Throws when rows exist but none is selected.
    std::optional<EventRef> selectedEventOrRefuse();
    /// Whether an event of the list goes by the calendar UID `uid` (none for an empty one).
    [[nodiscard]] bool stillListed(const std::string &uid) const;
    /// Keeps the user's edit of `opened`, which the server changed or removed while the
    /// editor was open, as an event of its own, and says so.
    void keepEditApart(const clsEvent &opened, WrittenEvent edit);
    void mnuFileSave_Click();
    void mnuFileExit_Click();
    void mnuConfigRunOn_Click();
    void mnuConfigRunOff_Click();
    /// Tells, on the first start, that the scans at logon and each morning are on, and
    /// where to switch them off.
    void tellWhereScansGoOff();
    void showRunAtLogonTicks(bool on);
    void runStartUpSteps();
    void setUndoEnabled(bool enabled);
    void setUndoTip(const QString &tooltip, const QString &words);
    void popupAtSelection();
    void fitColumns();
    /// Fits the columns again where the types by weekday the list holds have changed.
    void fitWeekdayTypes();
    /// Marks the list not saved after a change, and keeps it in the recovery copy.
    void listChanged();
    /// Offers the list of a recovery copy that a session left behind.
    void offerRecovery(const std::optional<ContentStamp> &found);
    /// Runs `command` of the services, after saying why where they cannot be loaded.
    void withServices(void (WindowServices::*command)());
    /// Selects a row after an edit: not the edited event's new row `newRow`.
    void selectOtherThan(int newRow, int editedRow);
    /// Selects the row of `ref` where it is still listed, else the first.
    void selectAgain(const EventRef &ref);
    /// Ends the program at once: no further question, the window closes.
    void endProgram();

    EventList m_list;
    EventListModel *m_model = nullptr;
    std::string m_folder;
    /// What the start-up caught up: shown by every scan of this run.
    std::vector<MissedEvent> m_missed;
    /// The last deleted event, for Undo; none when there is nothing to undo.
    std::optional<clsEvent> m_undo;
    bool m_loaded = false;
    std::optional<Date> m_lastSeen; // as the start-up found it
    std::unique_ptr<SingleInstance> m_instance;
    ApplicationBus m_bus;             // where a second start finds this one
    ServicesLoader m_services{*this}; // printing, the update check, imports, exports, the sync
    bool m_ended = false;
    QStringList m_weekdayTypes;    // the types by weekday the list holds, as the Type column shows
    bool m_timedDates = false;     // whether the list holds an event with a time of day
    bool m_recoveryFailed = false; // said once a run
    bool m_centred = false;
    int m_exitStatus = 0;

    QWidget *m_client = nullptr;
    std::unique_ptr<ScreenFit> m_fit; // keeps the window on a screen too small for it
    QToolBar *m_toolbar = nullptr;
    QTreeView *lstEvent = nullptr;
    QMenu *mnuRight = nullptr;

    QAction *mnuFileSave = nullptr;
    QAction *mnuFilePrint = nullptr;
    QAction *mnuFileImportBirthdays = nullptr;
    QAction *mnuFileImportCalendar = nullptr;
    QAction *mnuFileExportCalendar = nullptr;
    QAction *mnuFileCalendarSync = nullptr;
    QAction *mnuFileExit = nullptr;
    QAction *mnuEventNewEvent = nullptr;
    QAction *mnuEventEditEvent = nullptr;
    QAction *mnuEventDeleteEvent = nullptr;
    QAction *mnuEventDeleteAllEvents = nullptr;
    QAction *mnuEventCopy = nullptr;
    QAction *mnuEventCopyAll = nullptr;
    QAction *mnuEventUndo = nullptr;
    QAction *mnuEditFind = nullptr;
    QAction *mnuWhatsUp = nullptr;
    QAction *mnuConfigRunOn = nullptr;
    QAction *mnuConfigRunOff = nullptr;
    QAction *mnuHelpHelp = nullptr;
    QAction *mnuHelpCheckForUpdate = nullptr;
    QAction *mnuHelpBugReport = nullptr;
    QAction *mnuHelpVisit = nullptr;
    QAction *mnuHelpAbout = nullptr;
    QAction *m_undoButton = nullptr;
};
