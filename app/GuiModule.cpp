#include "GuiModule.h"

#include "WhatsUpScreens.h"
#include "frmMain.h"

#include <QApplication>

namespace {

void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("Moonrill"));
    QApplication::setDesktopFileName(QStringLiteral("moonrill"));
}

/// The logon scan's screens together with the application object they need.
class DesktopLogonScreens final : public LogonScreens
{
public:
    DesktopLogonScreens(int &argc, char **argv) : m_app(argc, argv) { nameApplication(); }

    void ShowCriticalMessage(const std::string &text) override
    {
        m_screens.ShowCriticalMessage(text);
    }
    bool ShowDueEvents(const std::vector<ScanRow> &rows,
                       std::vector<std::string> &birthdayMails) override
    {
        return m_screens.ShowDueEvents(rows, birthdayMails);
    }

private:
    QApplication m_app;
    WhatsUpScreens m_screens;
};

} // namespace

extern "C" __attribute__((visibility("default"))) int MoonrillRunMainWindow(int *argc, char **argv)
{
    QApplication app(*argc, argv);
    nameApplication();
    frmMain window;
    QObject::connect(&window, &frmMain::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!window.StartUp())
        return window.ExitStatus();
    return QApplication::exec();
}

extern "C" __attribute__((visibility("default"))) int MoonrillProbeDesktop(int *argc, char **argv)
{
    // The toolkit ends the process when it finds no display; in a child process that only
    // tells the parent so.
    const QApplication app(*argc, argv);
    return 0;
}

extern "C" __attribute__((visibility("default"))) LogonScreens *
MoonrillStartLogonScreens(int *argc, char **argv)
{
    return new DesktopLogonScreens(*argc, argv);
}
