// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the sync with the calendar server: what the server gave comes into
// the list and is saved, what the sync took is said once, and a side found emptied is asked
// about before anything is removed.
#include "frmMain.h"

#include "Backups.h"
#include "EventFile.h"
#include "EventListModel.h"
#include "FileRead.h"
#include "ListSave.h"
#include "MessageBox.h"
#include "MoonrillError.h"

#include <QMessageBox>

void frmMain::connectSync()
{
    m_sync.SetApply([this](SyncPlan &plan, const std::vector<clsEvent> &planned) {
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

std::optional<QString> frmMain::takeFromServer(SyncPlan &plan, const std::vector<clsEvent> &planned)
{
    try {
        // The sync was made from the list as saved. The file takes the edits over that list
        // (the list as it was kept a backup generation first, so what the server removed can be
        // had back); the window's list takes them over what the user changed since, which
        // stays a change not saved, in the recovery copy.
        EventState saved;
        const LoadResult loaded = ::LoadEvents(saved, m_eventFile, Date::today());
        if (!loaded.success || loaded.ignored > 0 || !SameEvents(saved.Events(), planned))
            return QString(); // another program changed the file: the next save syncs again
        const std::vector<SyncEdit> edits =
            m_state.Saved()
                ? plan.edits
                : EditsOverChanges(plan.edits, planned, m_state.Events(), plan.keptTwice);
        if (!RoomFor(m_state, edits))
            return tr("the list has no room for the events the server holds");
        KeepBackup(m_eventFile,
                   ReadWholeFile(m_eventFile, {.noun = "the event file"}).value_or(""));
        if (!ApplySyncEdits(saved, plan.edits, Date::today()))
            return tr("the list has no room for the events the server holds");
        const bool wasSaved = m_state.Saved();
        (void)SaveList(saved, m_eventFile, SyncSettings::Read());
        m_state.SetDiskStamp(*saved.DiskStamp());
        m_model->beginReload();
        (void)ApplySyncEdits(m_state, edits, Date::today());
        m_model->endReload();
        SelectRow(0);
        if (wasSaved)
            m_state.SetSaved(true); // the list is what the file holds
        else
            listChanged();
        return std::nullopt;
    } catch (const MoonrillError &error) {
        return QString::fromStdString(error.what());
    }
}

void frmMain::askAboutEmptied(qulonglong serverEmptied, qulonglong listEmptied, qulonglong left)
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
    const bool remove = ShowMessage(question, MsgStyle::YesNoQuestion, this) == MsgAnswer::Yes;
    m_sync.Publish(m_state.Events(), m_eventFile,
                   remove ? EmptiedSide::Follow : EmptiedSide::Restore);
}
