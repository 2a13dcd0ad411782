// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus, toolbar and popup menu, and the actions behind them.

#include "frmMain.h"

#include "Artwork.h"
#include "MenuItemNames.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

QAction *frmMain::makeAction(const char *name, const char *caption, void (frmMain::*command)(),
                             const QKeySequence &shortcut)
{
    auto *action = new QAction(tr(caption), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void frmMain::createActions()
{
    mnuFileSave = makeAction("mnuFileSave", QT_TR_NOOP("&Save"), &frmMain::mnuFileSave_Click,
                             QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFilePrint = makeAction("mnuFilePrint", QT_TR_NOOP("&Print"), &frmMain::PrintEvents,
                              QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFileImportBirthdays = makeAction(
        "mnuFileImportBirthdays", QT_TR_NOOP("&Import Birthdays..."), &frmMain::ImportBirthdays);
    mnuFileImportCalendar = makeAction("mnuFileImportCalendar", QT_TR_NOOP("Import &Calendar..."),
                                       &frmMain::ImportCalendar);
    mnuFileExportCalendar = makeAction("mnuFileExportCalendar", QT_TR_NOOP("E&xport Calendar..."),
                                       &frmMain::ExportCalendar);
    mnuFileCalendarSync = makeAction("mnuFileCalendarSync", QT_TR_NOOP("Calendar S&ync..."),
                                     &frmMain::CalendarSyncSettings);
    mnuFileExit = makeAction("mnuFileExit", QT_TR_NOOP("&Exit"), &frmMain::mnuFileExit_Click,
                             QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuEventNewEvent = makeAction("mnuEventNewEvent", QT_TR_NOOP("&Add Event"), &frmMain::AddEvent,
                                  QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuEventEditEvent = makeAction("mnuEventEditEvent", QT_TR_NOOP("&Edit Event"),
                                   &frmMain::EditEvent, QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuEventDeleteEvent = makeAction("mnuEventDeleteEvent", QT_TR_NOOP("&Delete Event"),
                                     &frmMain::DeleteEvent, QKeySequence(Qt::Key_Delete));
    mnuEventDeleteAllEvents =
        makeAction("mnuEventDeleteAllEvents", QT_TR_NOOP("Delete All Events"),
                   &frmMain::DeleteAllEvents, QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuEventCopy = makeAction("mnuEventCopy", QT_TR_NOOP("&Copy Event To Clipboard"),
                              &frmMain::CopyEvent, QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEventCopyAll = makeAction("mnuEventCopyAll", QT_TR_NOOP("Copy All Events To Clipboard"),
                                 &frmMain::CopyAllEvents);
    mnuEventUndo = makeAction("mnuEventUndo", QT_TR_NOOP("&Undo"), &frmMain::UndoDelete,
                              QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditFind = makeAction("mnuEditFind", QT_TR_NOOP("&Find Event"), &frmMain::FindEvent,
                             QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuWhatsUp = makeAction("mnuWhatsUp", QT_TR_NOOP("Scan Events"), &frmMain::ScanEvents,
                            QKeySequence(Qt::CTRL | Qt::Key_R));

    mnuConfigRunOn =
        makeAction("mnuConfigRunOn", QT_TR_NOOP("&On"), &frmMain::mnuConfigRunOn_Click);
    mnuConfigRunOn->setCheckable(true);
    mnuConfigRunOff =
        makeAction("mnuConfigRunOff", QT_TR_NOOP("O&ff"), &frmMain::mnuConfigRunOff_Click);
    mnuConfigRunOff->setCheckable(true);

    mnuHelpHelp = makeAction("mnuHelpHelp", QT_TR_NOOP("&Help"), &frmMain::ShowHelp,
                             QKeySequence(Qt::Key_F1));
    mnuHelpCheckForUpdate =
        makeAction("mnuHelpCheckForUpdate", QT_TR_NOOP("&Check For Update"),
                   &frmMain::CheckForUpdate, QKeySequence(Qt::CTRL | Qt::Key_U));
    mnuHelpBugReport = makeAction("mnuHelpBugReport", QT_TR_NOOP("&Express Contact"),
                                  &frmMain::ExpressContact, QKeySequence(Qt::Key_F12));
    mnuHelpVisit = makeAction("mnuHelpVisit", QT_TR_NOOP("&Visit Website"), &frmMain::VisitWebsite,
                              QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuHelpAbout =
        makeAction("mnuHelpAbout", QT_TR_NOOP("&About Moonrill..."), &frmMain::AboutMoonrill);
}

namespace {

QMenu *addMenu(QMenuBar *bar, const char *name, const char *caption)
{
    QMenu *menu = bar->addMenu(frmMain::tr(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void addSeparator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

void frmMain::createMenus()
{
    QMenu *mnuFile = addMenu(menuBar(), "mnuFile", QT_TR_NOOP("&File"));
    mnuFile->addAction(mnuFileSave);
    mnuFile->addAction(mnuFilePrint);
    mnuFile->addAction(mnuFileImportBirthdays);
    mnuFile->addAction(mnuFileImportCalendar);
    mnuFile->addAction(mnuFileExportCalendar);
    mnuFile->addAction(mnuFileCalendarSync);
    addSeparator(mnuFile, "mnuFD1");
    mnuFile->addAction(mnuFileExit);

    QMenu *mnuEvent = addMenu(menuBar(), "mnuEvent", QT_TR_NOOP("&Event"));
    mnuEvent->addAction(mnuEventNewEvent);
    mnuEvent->addAction(mnuEventEditEvent);
    addSeparator(mnuEvent, "mnuED1");
    mnuEvent->addAction(mnuEventDeleteEvent);
    mnuEvent->addAction(mnuEventDeleteAllEvents);
    addSeparator(mnuEvent, "mnuED2");
    mnuEvent->addAction(mnuEventCopy);
    mnuEvent->addAction(mnuEventCopyAll);
    addSeparator(mnuEvent, "mnuED3");
    mnuEvent->addAction(mnuEventUndo);
    addSeparator(mnuEvent, "mnuED4");
    mnuEvent->addAction(mnuEditFind);
    addSeparator(mnuEvent, "mnuED5");
    mnuEvent->addAction(mnuWhatsUp);

    QMenu *mnuConfig = addMenu(menuBar(), "mnuConfig", QT_TR_NOOP("&Config"));
    QMenu *mnuConfigRun = mnuConfig->addMenu(tr("&Run Scan Events On Windows Startup"));
    mnuConfigRun->setObjectName(QStringLiteral("mnuConfigRun"));
    mnuConfigRun->addAction(mnuConfigRunOn);
    mnuConfigRun->addAction(mnuConfigRunOff);

    QMenu *mnuHelp = addMenu(menuBar(), "mnuHelp", QT_TR_NOOP("&Help"));
    mnuHelp->addAction(mnuHelpHelp);
    addSeparator(mnuHelp, "mnuHD1");
    mnuHelp->addAction(mnuHelpCheckForUpdate);
    mnuHelp->addAction(mnuHelpBugReport);
    mnuHelp->addAction(mnuHelpVisit);
    mnuHelp->addAction(mnuHelpAbout);
    for (QMenu *menu : {mnuFile, mnuHelp})
        NameItemsWithoutDots(menu);
}

void frmMain::createToolbar()
{
    m_toolbar = new QToolBar(m_client);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setGeometry(0, 0, 622, 28);
    m_toolbar->setIconSize(QSize(16, 15));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);

    struct Button
    {
        const char *key; // nullptr: a separator
        int image;
        const char *tooltip;
        void (frmMain::*command)();
    };
    const Button buttons[] = {
        {nullptr, 0, nullptr, nullptr},
        {"addevent", 1, QT_TR_NOOP("Add Event"), &frmMain::AddEvent},
        {"editevent", 2, QT_TR_NOOP("Edit Event"), &frmMain::EditEvent},
        {"deleteevent", 3, QT_TR_NOOP("Delete Event"), &frmMain::DeleteEvent},
        {nullptr, 0, nullptr, nullptr},
        {"copyevent", 4, QT_TR_NOOP("Copy Event To Clipboard"), &frmMain::CopyEvent},
        {"undo", 5, QT_TR_NOOP("Undo"), &frmMain::UndoDelete},
        {nullptr, 0, nullptr, nullptr},
        {"findevent", 6, QT_TR_NOOP("Find Event"), &frmMain::FindEvent},
        {nullptr, 0, nullptr, nullptr},
        {"save", 7, QT_TR_NOOP("Save"), &frmMain::mnuFileSave_Click},
        {"printevents", 8, QT_TR_NOOP("Print Events"), &frmMain::PrintEvents},
        {nullptr, 0, nullptr, nullptr},
        {"whatsup", 9, QT_TR_NOOP("Scan Events"), &frmMain::ScanEvents},
        {nullptr, 0, nullptr, nullptr},
        {"help", 10, QT_TR_NOOP("Help"), &frmMain::ShowHelp},
    };
    for (const Button &b : buttons) {
        if (b.key == nullptr) {
            m_toolbar->addSeparator();
            continue;
        }
        const QString tip = tr(b.tooltip);
        QAction *button = m_toolbar->addAction(ToolbarImage(b.image), tip);
        button->setObjectName(QString::fromLatin1(b.key));
        button->setToolTip(tip);
        button->setStatusTip(tip);
        connect(button, &QAction::triggered, this, b.command);
        if (QWidget *widget = m_toolbar->widgetForAction(button))
            widget->setFixedSize(23, 21);
        if (std::string_view(b.key) == "undo")
            m_undoButton = button;
    }
}

void frmMain::createPopup()
{
    mnuRight = new QMenu(this);
    mnuRight->setObjectName(QStringLiteral("mnuRight"));
    auto item = [this](const char *name, const char *caption, void (frmMain::*command)()) {
        QAction *action = mnuRight->addAction(tr(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, command);
    };
    item("mnuRightAddEvent", QT_TR_NOOP("&Add Event"), &frmMain::AddEvent);
    item("mnuRightEditEvent", QT_TR_NOOP("&Edit Event"), &frmMain::EditEvent);
    item("mnuRightDeleteEvent", QT_TR_NOOP("&Delete Event"), &frmMain::DeleteEvent);
    mnuRight->addSeparator()->setObjectName(QStringLiteral("mnuRD1"));
    item("mnuRightCopy", QT_TR_NOOP("&Copy Event To Clipboard"), &frmMain::CopyEvent);
}
