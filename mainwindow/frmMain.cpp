// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its client area and list, selection, and how it closes. The menus, the
// toolbar and the popup are made in frmMainMenus.cpp.

#include "frmMain.h"

#include "ColumnWidths.h"
#include "EventListModel.h"
#include "EventTypes.h"
#include "FullTextTips.h"
#include "HelpViewer.h"
#include "MessageBox.h"
#include "Occurrence.h"
#include "Recovery.h"
#include "Reminders.h"
#include "ShownType.h"
#include "SingleInstance.h"
#include "Text.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QTreeView>

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Moonrill"));
    // A fixed border with a minimize button and no maximize button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_model = new EventListModel(m_list, this);

    // The client area: 622 x 519 pixels, the toolbar along its top and the list below it; it
    // scrolls only on a screen too small for it.
    auto *area = new QScrollArea(this);
    m_client = new QWidget(area);
    m_client->setFixedSize(622, 519);
    area->setWidget(m_client);
    m_fit = std::make_unique<ScreenFit>(*this, *area);
    setCentralWidget(area);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createActions();
    createMenus();
    createToolbar();
    createList();
    createPopup();
    setUndoEnabled(false);
}

frmMain::~frmMain()
{
    // The model, a child, outlives the list it shows: it must hear of no change meanwhile.
    m_list.SetObserver(nullptr);
}

void frmMain::createList()
{
    lstEvent = new QTreeView(m_client);
    lstEvent->setAccessibleName(tr("Events"));
    lstEvent->setObjectName(QStringLiteral("lstEvent"));
    lstEvent->setGeometry(8, 32, 609, 481);
    lstEvent->setModel(m_model);
    lstEvent->setItemDelegate(new FullTextTips(lstEvent));
    lstEvent->setRootIsDecorated(false);
    lstEvent->setUniformRowHeights(true);
    lstEvent->setAllColumnsShowFocus(true);
    lstEvent->setSelectionMode(QAbstractItemView::SingleSelection);
    lstEvent->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstEvent->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstEvent->setSortingEnabled(false);
    // The rows keep their order by nearness; a header click does nothing.
    lstEvent->header()->setSectionsClickable(false);
    lstEvent->header()->setSectionsMovable(false);
    lstEvent->header()->setSortIndicatorShown(false);
    fitColumns();
    // The keyboard starts on the list: Down, the menu key and Shift+F10 work at once.
    lstEvent->setFocus();
    // Every change of the list's records: an insertion, a removal, an edit (the rows move), a
    // load.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &frmMain::fitWeekdayTypes);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &frmMain::fitWeekdayTypes);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &frmMain::fitWeekdayTypes);
    connect(m_model, &QAbstractItemModel::modelReset, this, &frmMain::fitWeekdayTypes);
    lstEvent->viewport()->installEventFilter(this);
    lstEvent->installEventFilter(this);
}

void frmMain::fitColumns()
{
    // The layout was drawn for 586 pixels of columns. The date, day count, type and notice
    // period get what their widest texts need in the font in use (bold, as a found row is); the
    // event's description gets the rest. Where a long type by weekday leaves too little, the
    // description and then the type are cut (each with its whole text as tooltip) rather than
    // the notice period pushed out of view.
    const QFont font = lstEvent->font();
    // A date with its time needs the room of both, where the list holds a timed event.
    const QString date = WithWidestDigits(font, m_timedDates ? QStringLiteral("0000-00-00 00:00")
                                                             : QStringLiteral("0000-00-00"));
    const QString days = WithWidestDigits(font, QStringLiteral("0000000"));
    QStringList types;
    for (const std::string_view type : BaseTypes) {
        types << ShownType(type);
        if (!IntervalUnit(type).empty())
            types << WithWidestDigits(font, ShownType(ComposeType(type, 99)));
    }
    // A type by weekday is longer than any other; only a list that holds one makes room for it.
    types << m_weekdayTypes;
    const QString notice = WithWidestDigits(font, QStringLiteral("-00000"));
    FitColumns(lstEvent, {{}, {date}, {days, QStringLiteral("-") + days.left(6)}, types, {notice}},
               EventListModel::EventColumn, 586, 120, EventListModel::TypeColumn);
}

void frmMain::fitWeekdayTypes()
{
    QStringList held;
    bool timed = false;
    for (const clsEvent &event : m_list.Events()) {
        if (RecurrenceOf(event.Occurs).unit == Recurrence::Unit::Weekdays)
            held << ShownType(event.Occurs);
        timed = timed || EventTime(event);
    }
    held.removeDuplicates();
    held.sort();
    if (held == m_weekdayTypes && timed == m_timedDates)
        return;
    m_weekdayTypes = held;
    m_timedDates = timed;
    fitColumns();
}

void frmMain::popupAtSelection()
{
    // From the keyboard the popup opens at the selected row, or at the list's top left.
    const QModelIndexList selected = lstEvent->selectionModel()->selectedRows();
    QPoint at(4, 4);
    if (!selected.isEmpty()) {
        const QRect row = lstEvent->visualRect(selected.first());
        at = QPoint(row.left() + 16, row.bottom());
    }
    mnuRight->popup(lstEvent->viewport()->mapToGlobal(at));
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // The popup comes where the right button is released over the list, rows or not.
    // A double-click anywhere on the list edits the selected row.
    if (watched == lstEvent->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        EditEvent();
        return true;
    }
    if (watched == lstEvent->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            mnuRight->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    // The context-menu key and Shift+F10 open the popup at the selected row.
    if (watched == lstEvent && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Menu ||
            (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            popupAtSelection();
            return true;
        }
    }
    if (watched == lstEvent && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        popupAtSelection();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::setUndoEnabled(bool enabled)
{
    mnuEventUndo->setEnabled(enabled);
    m_undoButton->setEnabled(enabled);
}

/// The Undo button's tooltip; a screen reader is told the same `words` without its markup.
void frmMain::setUndoTip(const QString &tooltip, const QString &words)
{
    m_undoButton->setToolTip(tooltip);
    if (QWidget *button = m_toolbar->widgetForAction(m_undoButton))
        button->setAccessibleDescription(words);
}

void frmMain::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    lstEvent->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    lstEvent->scrollTo(index);
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    m_fit->FitAndCentre();
}

bool frmMain::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Move)
        m_fit->FrameKnown();
    return handled;
}

void frmMain::mnuFileSave_Click()
{
    (void)SaveEvents();
}

void frmMain::mnuFileExit_Click()
{
    (void)ConfirmSave();
}

void frmMain::ReportError(const std::exception &error)
{
    ShowErrorReport(error.what(), this);
}

void frmMain::endProgram()
{
    m_ended = true;
    close();
    emit ended();
}

bool frmMain::ConfirmSave()
{
    if (m_list.Saved()) {
        endProgram();
        return false;
    }
    switch (ShowMessage(std::string_view(QT_TRANSLATE_NOOP(
                            "Messages", "Eventlist is not saved! Do you want to save?")),
                        MsgStyle::YesNoCancelExclamation, this)) {
    case MsgAnswer::Yes:
        // A save that failed has shown why; the window stays open so nothing is lost.
        if (!SaveEvents())
            return true;
        endProgram();
        return false;
    case MsgAnswer::No:
        RemoveRecovery(m_list.Path());
        endProgram();
        return false;
    default:
        return true;
    }
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_ended || !ConfirmSave()) {
        // The help goes with the main window.
        for (HelpViewer *help : findChildren<HelpViewer *>())
            help->close();
        event->accept();
        return;
    }
    event->ignore();
}
