// SPDX-License-Identifier: GPL-3.0-or-later
// Add, edit, delete, undo and delete all: each works on the record and its row together,
// through the list model, and checks what can fail before it changes anything.

#include "frmMain.h"

#include "Conversions.h"
#include "EventLine.h"
#include "EventListModel.h"
#include "EventTypes.h"
#include "HelpFile.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Occurrence.h"
#include "Text.h"
#include "frmAddEvent.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QTreeView>
#include <algorithm>

namespace {

void refuse(const char *text, QWidget *parent)
{
    ShowMessage(std::string_view(text), MsgStyle::OkCritical, parent);
}

constexpr const char *AlreadyHappened =
    QT_TRANSLATE_NOOP("Messages", "This event has already happened!\r\nPlease try again");

/// The event the editor handed back, moved to its next occurrence; none when it is over. The
/// date entered says the day of the month the event is meant for, unless it is the shortened
/// date of an event whose options say more.
std::optional<WrittenEvent> movedOn(WrittenEvent entered, Date today)
{
    clsEvent &event = entered.event;
    const int day = IntendedDay(event.StartingOn, event.Options.Day);
    const std::optional<Date> next = NextOccurrence(event.StartingOn, event.Occurs, today, day);
    if (!next)
        return std::nullopt;
    event.StartingOn = *next;
    event.Options.Day = DayKeptBeside(*next, event.Occurs, day);
    return entered;
}

} // namespace

void frmMain::AddEvent()
{
    for (;;) {
        std::optional<WrittenEvent> entered;
        {
            frmAddEvent editor(this);
            editor.HelpContextID = HelpAddEvent;
            editor.SetOuterHeight(frmAddEvent::CollapsedHeight);
            editor.exec();
            entered = editor.entered();
        }
        if (!entered)
            return;
        try {
            std::optional<WrittenEvent> fields = movedOn(std::move(*entered), Date::today());
            if (!fields) {
                refuse(AlreadyHappened, this);
                continue; // the editor opens again, empty
            }
            // The list checks the limits before it changes anything: all or nothing.
            const EventRef added = m_list.Add(std::move(*fields), Date::today());
            listChanged();
            SelectRow(int(m_list.RowOf(added).value_or(0)));
            return;
        } catch (const std::exception &error) {
            ReportError(error);
            return;
        }
    }
}

std::optional<EventRef> frmMain::selectedEventOrRefuse()
{
    if (m_model->rowCount() == 0) {
        refuse(QT_TRANSLATE_NOOP("Messages", "No events available!"), this);
        return std::nullopt;
    }
    // Rows but none selected (a click on the blank area): there is no event to act on.
    if (!lstEvent->selectionModel()->hasSelection() || FindSelectedEvent() < 0) {
        refuse(QT_TRANSLATE_NOOP("Messages", "Not found!"), this);
        return std::nullopt;
    }
    return m_list.RefOfRow(size_t(SelItem.row()));
}

bool frmMain::stillListed(const std::string &uid) const
{
    return !uid.empty() &&
           std::any_of(m_list.Events().begin(), m_list.Events().end(),
                       [&uid](const clsEvent &event) { return event.Options.Uid == uid; });
}

void frmMain::EditEvent()
{
    try {
        const std::optional<EventRef> found = selectedEventOrRefuse();
        if (!found)
            return;
        const int editedRow = SelItem.row();
        // The event as the editor opens it: what OK changes, whatever the list holds by then.
        const clsEvent opened = *m_list.Find(*found);
        for (;;) {
            std::optional<WrittenEvent> entered;
            {
                frmAddEvent editor(this);
                editor.HelpContextID = HelpEditEvent;
                editor.setWindowTitle(tr("Edit event"));
                editor.SetEvent(opened);
                editor.exec();
                entered = editor.entered();
            }
            if (!entered)
                return;
            // The editor gave back the optional values it keeps: the UID, so that the event stays
            // the same one for a calendar, and the day it is meant for while its date stays.
            std::optional<WrittenEvent> fields = movedOn(std::move(*entered), Date::today());
            if (!fields) {
                refuse(AlreadyHappened, this);
                continue; // the editor opens again from the stored record
            }
            if (m_list.Find(*found) == nullptr) {
                keepEditApart(opened, std::move(*fields));
                return;
            }
            const EventRef now = m_list.Replace(*found, std::move(*fields), Date::today());
            selectOtherThan(int(m_list.RowOf(now).value_or(0)), editedRow);
            listChanged();
            return;
        }
    } catch (const std::exception &error) {
        ReportError(error);
    }
}

void frmMain::keepEditApart(const clsEvent &opened, WrittenEvent edit)
{
    // The server changed or removed the event while the editor was open. Its version stays as
    // it came, and the user's edit becomes an event of its own, with a UID of its own, so that
    // neither is lost and the next sync sends the edit as a new event.
    const QString told = stillListed(opened.Options.Uid)
                             ? tr("'%1' was changed on the calendar server while you edited "
                                  "it.\r\nYour edit is kept as an event of its own.")
                             : tr("'%1' was removed on the calendar server while you edited "
                                  "it.\r\nYour edit is kept as an event of its own.");
    edit.event.Options.Uid.clear();
    const EventRef added = m_list.Add(std::move(edit), Date::today());
    listChanged();
    SelectRow(int(m_list.RowOf(added).value_or(0)));
    ShowMessage(told.arg(FromBytes(opened.Description)), MsgStyle::OkInformation, this);
}

void frmMain::selectOtherThan(int newRow, int editedRow)
{
    // The edited event's new row is not selected, but some row is, so that the keyboard and the
    // commands keep working: the row now at the edited row's place, else the first.
    const int rows = m_model->rowCount();
    for (const int row : {std::min(editedRow, rows - 1), 0, 1}) {
        if (row >= 0 && row < rows && row != newRow) {
            SelectRow(row);
            return;
        }
    }
    // The edited event is the only one: it keeps the focus, unselected.
    lstEvent->selectionModel()->clearSelection();
    lstEvent->selectionModel()->setCurrentIndex(m_model->index(newRow, 0),
                                                QItemSelectionModel::NoUpdate);
}

void frmMain::DeleteEvent()
{
    try {
        const QModelIndexList selected = lstEvent->selectionModel()->selectedRows();
        if (selected.isEmpty()) {
            refuse(m_model->rowCount() == 0 ? "No events available!" : "Not found!", this);
            return;
        }
        SelItem = selected.first();
        // Yes deletes the event the question names, wherever its row is by then.
        const EventRef named = m_list.RefOfRow(size_t(SelItem.row()));
        const clsEvent *asked = m_list.Find(named);
        if (asked == nullptr) {
            refuse(QT_TRANSLATE_NOOP("Messages", "Not found!"), this);
            return;
        }
        const std::string uid = asked->Options.Uid;
        const QString description = m_model->index(SelItem.row(), 0).data().toString();
        if (ShowMessage(tr("Do you really want to delete '%1'?").arg(description),
                        MsgStyle::YesNoQuestion, this) != MsgAnswer::Yes)
            return;
        if (m_list.Find(named) == nullptr) {
            // What the user said yes to is no longer what the list holds: a changed event is
            // not deleted unseen, and a removed one is gone already.
            ShowMessage((stillListed(uid) ? tr("'%1' was changed on the calendar server while "
                                               "you were asked, so it was not deleted.")
                                          : tr("'%1' was removed on the calendar server while "
                                               "you were asked."))
                            .arg(description),
                        MsgStyle::OkInformation, this);
            return;
        }
        // Only an event that has left the list may wait in the undo buffer.
        m_undo = m_list.Remove(named);
        setUndoEnabled(true);
        const QString tip = tr("Undo deletion of '%1'").arg(description);
        setUndoTip(PlainToolTip(tip), tip);
        listChanged();
    } catch (const std::exception &error) {
        ReportError(error);
    }
}

void frmMain::UndoDelete()
{
    // Nothing deleted (or undone already): there is nothing to put back.
    if (!m_undo)
        return;
    try {
        // The event comes back with the date it had, not moved on, under a new Id.
        const EventRef back = m_list.Add(Written(*m_undo), Date::today());
        listChanged();
        m_undo.reset();
        SelectRow(int(m_list.RowOf(back).value_or(0)));
        setUndoEnabled(false);
        setUndoTip(tr("Undo"), tr("Undo"));
    } catch (const std::exception &error) {
        ReportError(error);
    }
}

void frmMain::DeleteAllEvents()
{
    if (ShowMessage(std::string_view(
                        QT_TRANSLATE_NOOP("Messages", "Do you really want to delete all events?")),
                    MsgStyle::YesNoQuestion, this) != MsgAnswer::Yes)
        return;
    // Clearing cannot fail (it only empties the list), so "Error while removing list" never
    // shows.
    const bool hadEvents = m_list.State().RowCount() > 0;
    m_list.Clear();
    if (hadEvents)
        listChanged();
}
