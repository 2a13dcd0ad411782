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
            // The model checks the limits before it changes anything: all or nothing.
            const int row = m_model->insertEvent(std::move(*fields), Date::today());
            listChanged();
            SelectRow(row);
            return;
        } catch (const std::exception &error) {
            ReportError(error);
            return;
        }
    }
}

std::optional<int> frmMain::selectedEventOrRefuse()
{
    if (m_model->rowCount() == 0) {
        refuse(QT_TRANSLATE_NOOP("Messages", "No events available!"), this);
        return std::nullopt;
    }
    // Rows but none selected (a click on the blank area): there is no event to act on.
    if (!lstEvent->selectionModel()->hasSelection()) {
        refuse(QT_TRANSLATE_NOOP("Messages", "Not found!"), this);
        return std::nullopt;
    }
    const int i = FindSelectedEvent();
    if (i < 0) {
        refuse(QT_TRANSLATE_NOOP("Messages", "Not found!"), this);
        return std::nullopt;
    }
    return i;
}

void frmMain::EditEvent()
{
    try {
        for (;;) {
            const std::optional<int> found = selectedEventOrRefuse();
            if (!found)
                return;
            const int i = *found;
            const int editedRow = SelItem.row();
            const clsEvent event = m_state.Events()[size_t(i)];
            std::optional<WrittenEvent> entered;
            {
                frmAddEvent editor(this);
                editor.HelpContextID = HelpEditEvent;
                editor.setWindowTitle(tr("Edit event"));
                editor.SetDescription(event.Description);
                editor.SetDate(event.StartingOn);
                editor.SetStoredOccurs(event.Occurs);
                editor.SetPeriod(event.Period);
                editor.SetOuterHeight(event.Occurs == BirthdayType ? frmAddEvent::EditBirthdayHeight
                                                                   : frmAddEvent::CollapsedHeight);
                editor.SetEmail(event.Email);
                editor.SetBirthYear(event.BirthYear);
                editor.exec();
                entered = editor.entered();
            }
            if (!entered)
                return;
            // The event stays the same one for a calendar; the day it is meant for stays only
            // while its date does.
            clsEvent &edited = entered->event;
            edited.Options = event.Options;
            if (edited.StartingOn != event.StartingOn)
                edited.Options.Day = 0;
            std::optional<WrittenEvent> fields = movedOn(std::move(*entered), Date::today());
            if (!fields) {
                refuse(AlreadyHappened, this);
                continue; // the editor opens again from the stored record
            }
            const int newRow = m_model->replaceEvent(i, std::move(*fields), Date::today());
            selectOtherThan(newRow, editedRow);
            listChanged();
            return;
        }
    } catch (const std::exception &error) {
        ReportError(error);
    }
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
        const QString description = m_model->index(SelItem.row(), 0).data().toString();
        if (ShowMessage(tr("Do you really want to delete '%1'?").arg(description),
                        MsgStyle::YesNoQuestion, this) != MsgAnswer::Yes)
            return;
        const int i = FindSelectedEvent();
        if (i < 0) {
            refuse(QT_TRANSLATE_NOOP("Messages", "Not found!"), this);
            return;
        }
        clsEvent deleted = m_state.Events()[size_t(i)];
        m_model->removeEvent(i);
        // Only an event that has left the list may wait in the undo buffer.
        m_undo = std::move(deleted);
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
        const int row = m_model->insertEvent(Written(*m_undo), Date::today());
        listChanged();
        m_undo.reset();
        SelectRow(row);
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
    const bool hadEvents = m_state.RowCount() > 0;
    m_model->clearEvents();
    if (hadEvents)
        listChanged();
}
