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
#include <QTreeView>

std::optional<Message> frmMain::TakeFromServer(SyncPlan &plan, const std::vector<clsEvent> &planned)
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
        switch (TakeIntoFile(m_list.Path(), plan.edits, planned, m_services().Roads(),
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
