// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's services: printing, the update check, the imports and exports, and the
// calendar sync with its settings. Linked into the services library only.

#include "WindowServices.h"

#include "CalendarSync.h"
#include "ExchangeCommands.h"
#include "MessageBox.h"
#include "PrintEvents.h"
#include "SyncSettings.h"
#include "UserWords.h"
#include "frmLiveUpdate.h"
#include "frmSync.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include <utility>

namespace {

class Services final : public WindowServices
{
    Q_DECLARE_TR_FUNCTIONS(frmMain)

public:
    explicit Services(ServiceHost &host) : m_host(host), m_exchange(host, m_sync)
    {
        // This library has a copy of the message boxes' code of its own: its boxes are shown
        // by the window's, where a hook set there answers them too.
        SetMessageHook([this](QMessageBox &box) { return m_host.AnswerMessage(box); });
        m_sync.SetApply([this](SyncPlan &plan, const std::vector<clsEvent> &planned) {
            return m_host.TakeFromServer(plan, planned);
        });
        QObject::connect(&m_sync, &CalendarSync::news, m_host.Window(),
                         [this](const QString &news) {
                             // Said without stopping the user: the list already shows what came.
                             ShowMessageBeside(news, MsgStyle::OkInformation, m_host.Window(),
                                               QStringLiteral("syncNews"));
                         });
        QObject::connect(&m_sync, &CalendarSync::statusChanged, m_host.Window(),
                         [this](const QString &status) { sayStatus(status); });
        QObject::connect(&m_sync, &CalendarSync::emptied, m_host.Window(),
                         [this](qulonglong serverEmptied, qulonglong listEmptied, qulonglong left) {
                             askAboutEmptied(serverEmptied, listEmptied, left);
                         });
    }

    void PrintEvents() override { ::PrintEvents(m_host.ListDocument().State(), m_host.Window()); }

    void CheckForUpdate() override
    {
        frmLiveUpdate update(m_host.Window());
        update.exec();
    }

    void ImportBirthdays() override { m_exchange.ImportBirthdays(); }
    void ImportBirthdaysFrom(const QString &path) override { m_exchange.ImportBirthdaysFrom(path); }
    void ImportCalendar() override { m_exchange.ImportCalendar(); }
    void ImportCalendarFrom(const QString &path) override { m_exchange.ImportCalendarFrom(path); }
    void ExportCalendar() override { m_exchange.ExportCalendar(); }
    void ExportCalendarTo(const QString &path) override { m_exchange.ExportCalendarTo(path); }

    void CalendarSyncSettings() override
    {
        frmSync dialog(m_sync, m_host.Window());
        if (dialog.exec() != QDialog::Accepted || !m_host.ListDocument().Saved())
            return;
        // The list as saved, with its UIDs kept, goes to the calendar now, and what that first
        // sync did is said: the settings' window is closed by then.
        m_sayNextStatus = !SyncSettings::Read().calendar.isEmpty();
        m_host.SaveList();
    }

    SaveRoads Roads() override { return SyncSettings::Read().Roads(); }

    void SyncSaved() override
    {
        // The sync asks the keyring and the server without waiting for either.
        if (!SyncSettings::Read().calendar.isEmpty())
            m_sync.Sync(m_host.ListDocument().Events(), m_host.ListDocument().Path());
    }

    std::vector<Message> TakeSyncFailure() override { return ::TakeSyncFailure(); }

    ~Services() override { SetMessageHook({}); }

private:
    void sayStatus(const QString &status);
    void askAboutEmptied(qulonglong serverEmptied, qulonglong listEmptied, qulonglong left);

    ServiceHost &m_host;
    CalendarSync m_sync{UserWords()}; // syncs every save to the calendar set, if one is
    bool m_sayNextStatus = false;     // the first sync after the settings' OK is said
    bool m_failureSaid = false;       // a failure is said once a run, where it happens
    ExchangeCommands m_exchange;
};

void Services::sayStatus(const QString &status)
{
    const bool firstFailure = m_sync.Failed() && !m_failureSaid;
    if (!std::exchange(m_sayNextStatus, false) && !firstFailure)
        return;
    QString said = status;
    if (m_sync.Failed()) {
        // Said now, not only at the next start: the kept record is taken with it.
        m_failureSaid = true;
        (void)::TakeSyncFailure();
        said = tr("The calendar could not be synced:\r\n") + status;
    }
    // Beside the window, like the sync's news: the user goes on while it shows.
    ShowMessageBeside(said, m_sync.Failed() ? MsgStyle::OkCritical : MsgStyle::OkInformation,
                      m_host.Window(), QStringLiteral("syncSaid"));
}

void Services::askAboutEmptied(qulonglong serverEmptied, qulonglong listEmptied, qulonglong left)
{
    const int count = static_cast<int>(serverEmptied > 0 ? serverEmptied : listEmptied);
    const QString nearly =
        serverEmptied > 0
            ? tr("The calendar on the server lost %n of its events since the last sync, nearly "
                 "all it held.\r\n\r\nRemove them from the list too? (No puts them on the "
                 "server again.)",
                 nullptr, count)
            : tr("The list lost %n of its events since the last sync, nearly all it held.\r\n\r\n"
                 "Remove them from the server too? (No brings them back into the list.)",
                 nullptr, count);
    const QString question =
        left > 0 ? nearly
        : serverEmptied > 0
            ? tr("The calendar on the server is empty now, but the list still holds its %n "
                 "events.\r\n\r\nRemove them from the list too? (No puts them on the server "
                 "again.)",
                 nullptr, count)
            : tr("The list is empty now, but the calendar on the server still holds its %n "
                 "events.\r\n\r\nRemove them from the server too? (No brings them back into the "
                 "list.)",
                 nullptr, count);
    const bool remove =
        ShowMessage(question, MsgStyle::YesNoQuestion, m_host.Window()) == MsgAnswer::Yes;
    m_sync.Sync(m_host.ListDocument().Events(), m_host.ListDocument().Path(),
                remove ? EmptiedSide::Follow : EmptiedSide::Restore);
}

} // namespace

std::unique_ptr<WindowServices> MakeWindowServices(ServiceHost &host)
{
    return std::make_unique<Services>(host);
}
