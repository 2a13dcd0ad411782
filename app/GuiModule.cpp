#include "GuiModule.h"

#include "ApplicationIdentity.h"
#include "EndSignals.h"
#include "WhatsUpScreens.h"
#include "frmMain.h"

#include <QApplication>

#include <memory>

extern "C" __attribute__((visibility("default"))) int MoonrillRunMainWindow(int *argc, char **argv)
{
    QApplication app(*argc, argv);
    SetApplicationIdentity();
    frmMain window;
    QObject::connect(&window, &frmMain::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!window.StartUp())
        return window.ExitStatus();
    // A session that ends leaves what is not saved in the recovery copy: the program ends
    // through its own code, every open dialog's loop with it, and asks nothing. (Before this
    // point the recovery copy lacks nothing, and the signals simply end the process.)
    const EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, &window, [&window] {
        window.EndNow();
        QCoreApplication::exit(0);
    });
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
    auto application = std::make_unique<QApplication>(*argc, argv);
    SetApplicationIdentity();
    return new WhatsUpScreens(std::move(application));
}
