#include "frmMain.h"

#include "MessageBox.h"
#include "SingleInstance.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Moonrill"));
    createActions();
    createMenus();
}

frmMain::~frmMain() = default;

void frmMain::createActions()
{
    mnuConfigRunOn = new QAction(QStringLiteral("&On"), this);
    mnuConfigRunOn->setObjectName(QStringLiteral("mnuConfigRunOn"));
    mnuConfigRunOn->setCheckable(true);
    connect(mnuConfigRunOn, &QAction::triggered, this, &frmMain::mnuConfigRunOn_Click);

    mnuConfigRunOff = new QAction(QStringLiteral("&Off"), this);
    mnuConfigRunOff->setObjectName(QStringLiteral("mnuConfigRunOff"));
    mnuConfigRunOff->setCheckable(true);
    connect(mnuConfigRunOff, &QAction::triggered, this, &frmMain::mnuConfigRunOff_Click);
}

void frmMain::createMenus()
{
    mnuConfig = menuBar()->addMenu(QStringLiteral("&Config"));
    mnuConfig->setObjectName(QStringLiteral("mnuConfig"));
    mnuConfigRun = mnuConfig->addMenu(QStringLiteral("&Run Scan Events On Windows Startup"));
    mnuConfigRun->setObjectName(QStringLiteral("mnuConfigRun"));
    mnuConfigRun->addAction(mnuConfigRunOn);
    mnuConfigRun->addAction(mnuConfigRunOff);
}

void frmMain::ReportError(const std::exception &error)
{
    ShowErrorReport(error.what(), this);
}

void frmMain::endProgram()
{
    m_ended = true;
    close();
    QCoreApplication::exit(0);
}

bool frmMain::ConfirmSave()
{
    if (m_state.Saved()) {
        endProgram();
        return false;
    }
    switch (ShowMessage(std::string_view("Eventlist is not saved! Do you want to save?"),
                        MsgStyle::YesNoCancelExclamation, this)) {
    case MsgAnswer::Yes:
        // A save that failed has shown why; the window stays open so nothing is lost.
        if (!SaveEvents())
            return true;
        endProgram();
        return false;
    case MsgAnswer::No:
        endProgram();
        return false;
    default:
        return true;
    }
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_ended || !ConfirmSave()) {
        event->accept();
        return;
    }
    event->ignore();
}
