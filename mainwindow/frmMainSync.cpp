// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the sync with the calendar server: what the server gave comes into
// the list and is saved, what the sync took is said once, and a side found emptied is asked
// about before anything is removed.
#include "frmMain.h"

#include "Backups.h"
#include "EventListModel.h"
#include "FileRead.h"
#include "ListSave.h"
#include "MessageBox.h"
#include "MoonrillError.h"

#include <QMessageBox>

void frmMain::connectSync()
{
    m_sync.SetApply([this](const SyncPlan &plan, const std::vector<clsEvent> &planned) {
        return takeFromServer(plan, planned);
    });
    connect(&m_sync, &CalendarSync::news, this, [this](const QString &news) {
        // Said without stopping the user: the list already shows what came.
        auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Moonrill"), news,
                                    QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("syncNews"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    });
    connect(&m_sync, &CalendarSync::emptied, this, &frmMain::askAboutEmptied);
}

std::optional<QString> frmMain::takeFromServer(const SyncPlan &plan,
                                               const std::vector<clsEvent> &planned)
{
    // Only over the list the sync was made from: a change made since is the user's, and the
    // save that follows it syncs again.
    if (!m_state.Saved() || !SameEvents(m_state.Events(), planned))
        return QString();
    try {
        // The list as it was stays a backup generation: what the server removed can be had back.
        KeepBackup(m_eventFile,
                   ReadWholeFile(m_eventFile, {.noun = "the event file"}).value_or(""));
        m_model->beginReload();
        const bool made = ApplySyncEdits(m_state, plan.edits, Date::today());
        m_model->endReload();
        if (!made)
            return tr("the list has no room for the events the server holds");
        (void)SaveList(m_state, m_eventFile, SyncSettings::Read());
        SelectRow(0);
        return std::nullopt;
    } catch (const MoonrillError &error) {
        return QString::fromStdString(error.what());
    }
}

void frmMain::askAboutEmptied(qulonglong serverEmptied, qulonglong listEmptied)
{
    const int count = static_cast<int>(serverEmptied > 0 ? serverEmptied : listEmptied);
    const QString question =
        serverEmptied > 0
            ? tr("The calendar on the server is empty now, but the list still holds its %n "
                 "events.\r\n\r\nRemove them from the list too? (No puts them on the server "
                 "again.)",
                 nullptr, count)
            : tr("The list is empty now, but the calendar on the server still holds its %n "
                 "events.\r\n\r\nRemove them from the server too? (No brings them back into the "
                 "list.)",
                 nullptr, count);
    const bool remove = ShowMessage(question, MsgStyle::YesNoQuestion, this) == MsgAnswer::Yes;
    m_sync.Publish(m_state.Events(), m_eventFile,
                   remove ? EmptiedSide::Follow : EmptiedSide::Restore);
}
