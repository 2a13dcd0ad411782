// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the sync with the calendar server: what the server gave comes into
// the list and is saved, what the sync took is said once, and a side found emptied is asked
// about before anything is removed.
#include "frmMain.h"

#include "EventFile.h"
#include "EventListModel.h"
#include "MessageBox.h"
#include "MoonrillError.h"

#include <QItemSelectionModel>
#include <QMessageBox>
#include <QTreeView>

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

std::optional<Message> frmMain::takeFromServer(SyncPlan &plan, const std::vector<clsEvent> &planned)
{
    try {
        // The sync was made from the list as saved. The file takes the edits over that list,
        // by the road every sync takes; the window's list takes them over what the user changed
        // since, which stays a change not saved, in the recovery copy. This may run while a
        // dialog is open: the edits go by UID, and a command holds its event by reference, so
        // neither lands on another event.
        const std::vector<SyncEdit> edits =
            m_list.Saved() ? plan.edits
                           : EditsOverChanges(plan.edits, planned, m_list.Events(), plan.keptTwice);
        if (!RoomFor(m_list.State(), edits))
            return QT_TRANSLATE_NOOP("Messages",
                                     "the list has no room for the events the server holds");
        std::optional<ContentStamp> written;
        switch (TakeIntoFile(m_list.Path(), plan.edits, planned, SyncSettings::Read().Roads(),
                             Date::today(), &written)) {
        case FileTaking::FileMoved:
            return Message(); // another program changed the file: the next save syncs again
        case FileTaking::NoRoom:
            return QT_TRANSLATE_NOOP("Messages",
                                     "the list has no room for the events the server holds");
        case FileTaking::Taken:
            break;
        }
        const bool wasSaved = m_list.Saved();
        m_list.FileWritten(*written);
        const EventRef selected = lstEvent->selectionModel()->hasSelection()
                                      ? m_list.RefOfRow(size_t(lstEvent->currentIndex().row()))
                                      : EventRef();
        (void)m_list.TakeServerEdits(edits, Date::today());
        selectAgain(selected);
        if (wasSaved)
            m_list.SetSaved(true); // the list is what the file holds
        else
            listChanged();
        return std::nullopt;
    } catch (const MoonrillError &error) {
        return Message::Verbatim(error.what());
    }
}

void frmMain::selectAgain(const EventRef &ref)
{
    // The event the user had selected stays selected where the server left it alone.
    SelectRow(int(m_list.RowOf(ref).value_or(0)));
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
    m_sync.Sync(m_list.Events(), m_list.Path(),
                remove ? EmptiedSide::Follow : EmptiedSide::Restore);
}
