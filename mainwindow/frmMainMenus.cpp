// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus, toolbar and popup menu, and the actions behind them.

#include "frmMain.h"

#include "Artwork.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

QAction *frmMain::makeAction(const char *name, const char *caption, void (frmMain::*command)(),
                             const QKeySequence &shortcut)
{
    auto *action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void frmMain::createActions()
{
    mnuFileSave = makeAction("mnuFileSave", "&Save", &frmMain::mnuFileSave_Click,
                             QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFilePrint = makeAction("mnuFilePrint", "&Print", &frmMain::PrintEvents,
                              QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFileImportBirthdays =
        makeAction("mnuFileImportBirthdays", "&Import Birthdays...", &frmMain::ImportBirthdays);
    mnuFileExportCalendar =
        makeAction("mnuFileExportCalendar", "E&xport Calendar...", &frmMain::ExportCalendar);
    mnuFileCalendarSync =
        makeAction("mnuFileCalendarSync", "Calendar &Sync...", &frmMain::CalendarSyncSettings);
    mnuFileExit = makeAction("mnuFileExit", "&Exit", &frmMain::mnuFileExit_Click,
                             QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuEventNewEvent = makeAction("mnuEventNewEvent", "&Add Event", &frmMain::AddEvent,
                                  QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuEventEditEvent = makeAction("mnuEventEditEvent", "&Edit Event", &frmMain::EditEvent,
                                   QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuEventDeleteEvent = makeAction("mnuEventDeleteEvent", "&Delete Event", &frmMain::DeleteEvent,
                                     QKeySequence(Qt::Key_Delete));
    mnuEventDeleteAllEvents =
        makeAction("mnuEventDeleteAllEvents", "Delete All Events", &frmMain::DeleteAllEvents,
                   QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuEventCopy = makeAction("mnuEventCopy", "&Copy Event To Clipboard", &frmMain::CopyEvent,
                              QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEventCopyAll =
        makeAction("mnuEventCopyAll", "Copy All Events To Clipboard", &frmMain::CopyAllEvents);
    mnuEventUndo = makeAction("mnuEventUndo", "&Undo", &frmMain::UndoDelete,
                              QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditFind = makeAction("mnuEditFind", "&Find Event", &frmMain::FindEvent,
                             QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuWhatsUp = makeAction("mnuWhatsUp", "Scan Events", &frmMain::ScanEvents,
                            QKeySequence(Qt::CTRL | Qt::Key_R));

    mnuConfigRunOn = makeAction("mnuConfigRunOn", "&On", &frmMain::mnuConfigRunOn_Click);
    mnuConfigRunOn->setCheckable(true);
    mnuConfigRunOff = makeAction("mnuConfigRunOff", "&Off", &frmMain::mnuConfigRunOff_Click);
    mnuConfigRunOff->setCheckable(true);

    mnuHelpHelp = makeAction("mnuHelpHelp", "&Help", &frmMain::ShowHelp, QKeySequence(Qt::Key_F1));
    mnuHelpCheckForUpdate =
        makeAction("mnuHelpCheckForUpdate", "&Check For Update", &frmMain::CheckForUpdate,
                   QKeySequence(Qt::CTRL | Qt::Key_U));
    mnuHelpBugReport = makeAction("mnuHelpBugReport", "&Express Contact", &frmMain::ExpressContact,
                                  QKeySequence(Qt::Key_F12));
    mnuHelpVisit = makeAction("mnuHelpVisit", "&Visit Website", &frmMain::VisitWebsite,
                              QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuHelpAbout = makeAction("mnuHelpAbout", "&About Moonrill...", &frmMain::AboutMoonrill);
}

namespace {

QMenu *addMenu(QMenuBar *bar, const char *name, const char *caption)
{
    QMenu *menu = bar->addMenu(QString::fromUtf8(caption));
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
    QMenu *mnuFile = addMenu(menuBar(), "mnuFile", "&File");
    mnuFile->addAction(mnuFileSave);
    mnuFile->addAction(mnuFilePrint);
    mnuFile->addAction(mnuFileImportBirthdays);
    mnuFile->addAction(mnuFileExportCalendar);
    mnuFile->addAction(mnuFileCalendarSync);
    addSeparator(mnuFile, "mnuFD1");
    mnuFile->addAction(mnuFileExit);

    QMenu *mnuEvent = addMenu(menuBar(), "mnuEvent", "&Event");
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

    QMenu *mnuConfig = addMenu(menuBar(), "mnuConfig", "&Config");
    QMenu *mnuConfigRun = mnuConfig->addMenu(QStringLiteral("&Run Scan Events On Windows Startup"));
    mnuConfigRun->setObjectName(QStringLiteral("mnuConfigRun"));
    mnuConfigRun->addAction(mnuConfigRunOn);
    mnuConfigRun->addAction(mnuConfigRunOff);

    QMenu *mnuHelp = addMenu(menuBar(), "mnuHelp", "&Help");
    mnuHelp->addAction(mnuHelpHelp);
    addSeparator(mnuHelp, "mnuHD1");
    mnuHelp->addAction(mnuHelpCheckForUpdate);
    mnuHelp->addAction(mnuHelpBugReport);
    mnuHelp->addAction(mnuHelpVisit);
    mnuHelp->addAction(mnuHelpAbout);
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
        {"addevent", 1, "Add Event", &frmMain::AddEvent},
        {"editevent", 2, "Edit Event", &frmMain::EditEvent},
        {"deleteevent", 3, "Delete Event", &frmMain::DeleteEvent},
        {nullptr, 0, nullptr, nullptr},
        {"copyevent", 4, "Copy Event To Clipboard", &frmMain::CopyEvent},
        {"undo", 5, "Undo", &frmMain::UndoDelete},
        {nullptr, 0, nullptr, nullptr},
        {"findevent", 6, "Find Event", &frmMain::FindEvent},
        {nullptr, 0, nullptr, nullptr},
        {"save", 7, "Save", &frmMain::mnuFileSave_Click},
        {"printevents", 8, "Print Events", &frmMain::PrintEvents},
        {nullptr, 0, nullptr, nullptr},
        {"whatsup", 9, "Scan Events", &frmMain::ScanEvents},
        {nullptr, 0, nullptr, nullptr},
        {"help", 10, "Help", &frmMain::ShowHelp},
    };
    for (const Button &b : buttons) {
        if (b.key == nullptr) {
            m_toolbar->addSeparator();
            continue;
        }
        QAction *button = m_toolbar->addAction(ToolbarImage(b.image), QString::fromUtf8(b.tooltip));
        button->setObjectName(QString::fromLatin1(b.key));
        button->setToolTip(QString::fromUtf8(b.tooltip));
        button->setStatusTip(QString::fromUtf8(b.tooltip));
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
        QAction *action = mnuRight->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, command);
    };
    item("mnuRightAddEvent", "&Add Event", &frmMain::AddEvent);
    item("mnuRightEditEvent", "&Edit Event", &frmMain::EditEvent);
    item("mnuRightDeleteEvent", "&Delete Event", &frmMain::DeleteEvent);
    mnuRight->addSeparator()->setObjectName(QStringLiteral("mnuRD1"));
    item("mnuRightCopy", "&Copy Event To Clipboard", &frmMain::CopyEvent);
}
