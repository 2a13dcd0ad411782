// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up sequence and its run-at-logon commands.

#include "frmMain.h"

#include "AppId.h"
#include "ApplicationBus.h"
#include "AtomicFile.h"
#include "DailyScan.h"
#include "ErrorMessages.h"
#include "EventFile.h"
#include "HelpFile.h"
#include "LastSeen.h"
#include "Message.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "ReminderRun.h"
#include "SingleInstance.h"
#include "Text.h"
#include "modRegistry.h"

#include <QAction>

#include <QMessageBox>

#include <sys/stat.h>

namespace {

std::string firstStartMarker()
{
    return JoinPath(ConfigFolder(), "moonrill/first-start-done");
}

bool fileExists(const std::string &path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0;
}

void writeFirstStartMarker()
{
    // Like the run-at-logon entry it stands beside, a marker that cannot be written is silent.
    try {
        if (MakeFolders(JoinPath(ConfigFolder(), "moonrill")))
            WriteFileAtomically(firstStartMarker(),
                                "Moonrill has set up its start at logon once.\n");
    } catch (const MoonrillError &) {
    }
}

} // namespace

bool frmMain::StartUp()
{
    const std::string folder = ProgramFolder();
    m_instance = std::make_unique<SingleInstance>(folder);
    if (!m_instance->isOnlyInstance()) {
        // Without a lock two copies could rewrite one file: say so rather than run.
        if (m_instance->status() == SingleInstance::Status::Unknown) {
            ShowMessage(std::string_view(m_instance->message()), MsgStyle::OkCritical, this);
            m_exitStatus = 1;
        } else if (ApplicationBus::ActivateOther(FromBytes(AppId)) ==
                   ApplicationBus::Activation::NoAnswer) {
            // The user, whose window may be hidden or minimised, sees it come forward; where
            // the running copy does not answer, a start that showed nothing would look lost.
            // (Without any session bus there is no asking it, and the start ends quietly.)
            ShowMessage(std::string_view(QT_TRANSLATE_NOOP(
                            "Messages", "Moonrill is already running, but it does not answer, so "
                                        "its window cannot be brought forward.\r\nEnd the "
                                        "running Moonrill and start it again.")),
                        MsgStyle::OkCritical, this);
            m_exitStatus = 1;
        }
        m_list.SetSaved(true);
        endProgram();
        return false;
    }
    if (m_bus.Register(FromBytes(AppId))) {
        connect(&m_bus, &ApplicationBus::activated, this, [this] {
            show();
            setWindowState(windowState() & ~Qt::WindowMinimized);
            raise();
            activateWindow();
        });
        // While the window holds the name, a reminder's Snooze or Done comes here.
        connect(&m_bus, &ApplicationBus::actionActivated, this,
                [this](const QString &name, const QString &parameter) {
                    (void)ApplyReminderAction(m_folder, name.toStdString(), parameter.toStdString(),
                                              LocalNow());
                });
    }
    m_list.SetSaved(true);
    setWindowTitle(QStringLiteral("Moonrill"));
    m_folder = folder;
    m_list.SetPath(JoinPath(folder, EventFileName));

    try {
        runStartUpSteps();
    } catch (const std::exception &error) {
        ShowMessage(std::string_view(SeriousErrorReport(error.what(), Translated)),
                    MsgStyle::OkCritical, this);
        show();
    }
    return true;
}

void frmMain::runStartUpSteps()
{
    // The window's safe state comes first, so that a failing step leaves nothing half set.
    setUndoEnabled(false);
    // A user of a version before the application id keeps the scan at logon and the daily scan
    // as they were, under the new names.
    MoveAutostartEntryToAppId();
    MoveDailyScanToAppId();
    showRunAtLogonTicks(!AutostartCommand().empty());

    const bool loaded = LoadEvents();
    // The file as this start found it, before its moved dates are saved: what a recovery copy
    // was made over is compared with it.
    const std::optional<ContentStamp> found = m_list.State().DiskStamp();
    if (loaded)
        SaveEvents();
    offerRecovery(found);
    ClearKilledExports();
    // What fell due while no run saw it is shown before the window, so that a user who only
    // ever opens the main window learns of it too.
    if (!m_missed.empty())
        ScanEvents();

    const bool firstStart = !fileExists(firstStartMarker());
    if (firstStart) {
        mnuConfigRunOn_Click();
        writeFirstStartMarker();
        // The entry is read again: a write that failed silently shows as off.
        showRunAtLogonTicks(!AutostartCommand().empty());
    }
    show();
    if (firstStart && mnuConfigRunOn->isChecked())
        tellWhereScansGoOff();
    HelpContextID = HelpMainWindow;
    setUndoEnabled(false);
    // What the last run could not sync is said once, never at every save.
    // It was kept as what happened, and is said now, in the language of this window.
    // Only a run that kept one loads the services to read it.
    struct stat record
    {
    };
    if (::lstat(SyncFailureRecord().c_str(), &record) == 0) {
        try {
            if (const std::vector<Message> failure = m_services().TakeSyncFailure();
                !failure.empty())
                ShowMessage(tr("The calendar could not be synced when Moonrill last ran:\r\n") +
                                QString::fromStdString(SaidLines(failure, UserWords())),
                            MsgStyle::OkInformation, this);
        } catch (const MoonrillError &error) {
            ReportError(error);
        }
    }
    if (m_loaded && m_lastSeen != Date::today())
        WriteLastSeen(m_folder, Date::today());
}

void frmMain::tellWhereScansGoOff()
{
    // Said beside the window, not in its way: the scans were set up without asking.
    const auto words = [](const char *caption) { return tr(caption).remove(QLatin1Char('&')); };
    const QString menu = words(QT_TR_NOOP("&Config")) + QStringLiteral(" > ") +
                         words(QT_TR_NOOP("&Run Scan Events On Windows Startup")) +
                         QStringLiteral(" > ") + words(QT_TR_NOOP("O&ff"));
    ShowMessageBeside(tr("Moonrill shows what falls due when you log on, and each morning. To "
                         "switch this off: %1.")
                          .arg(menu),
                      MsgStyle::OkInformation, this, QStringLiteral("scansSetUp"));
}

void frmMain::showRunAtLogonTicks(bool on)
{
    mnuConfigRunOn->setChecked(on);
    mnuConfigRunOff->setChecked(!on);
}

void frmMain::mnuConfigRunOn_Click()
{
    try {
        SwitchAutostartOn(JoinPath(ExecutableFolder(), "moonrill whatsup"));
        // The daily scan goes on and off with the scan at logon.
        InstallDailyScan(JoinPath(ExecutableFolder(), "moonrill"), m_folder);
    } catch (const std::exception &error) {
        ReportError(error);
    }
    showRunAtLogonTicks(true);
}

void frmMain::mnuConfigRunOff_Click()
{
    try {
        (void)SwitchAutostartOff();
        RemoveDailyScan();
    } catch (const std::exception &error) {
        ReportError(error);
    }
    showRunAtLogonTicks(false);
}
