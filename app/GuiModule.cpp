// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiModule.h"

#include "AppId.h"
#include "ApplicationBus.h"
#include "ApplicationIdentity.h"
#include "EndSignals.h"
#include "Paths.h"
#include "ReminderRun.h"
#include "Translations.h"
#include "WhatsUpScreens.h"
#include "frmMain.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

// What the toolkit said first while it started: with no display it says why, then ends the
// process through a fatal message (status 134, and words about reinstalling the program). A
// message handler is a plain function, so what it keeps must be a global.
QString g_firstWarning;

void startUpMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QString line = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    const QString said = context.category != nullptr && qstrcmp(context.category, "default") != 0
                             ? QLatin1String(context.category) + QStringLiteral(": ") + line
                             : line;
    if (type == QtFatalMsg) {
        // One line that says why, and the status of a start that could not do its job.
        const QString reason = g_firstWarning.isEmpty() ? said : g_firstWarning;
        std::fprintf(stderr, "moonrill: no window can be shown: %s\n", qPrintable(reason));
        std::fflush(stderr);
        ::_exit(1);
    }
    if (type != QtDebugMsg && g_firstWarning.isEmpty())
        g_firstWarning = said;
}

/// The application, or the end of the process with one line on standard error and status 1
/// where no window can be shown.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(startUpMessages);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    LoadTranslations(*application);
    return application;
}

/// How long the run the bus started waits for an action after the last one.
constexpr int ActionWaitMilliseconds = 5000;

} // namespace

extern "C" __attribute__((visibility("default"))) int MoonrillRunMainWindow(int *argc, char **argv)
{
    const std::unique_ptr<QApplication> app = startApplication(*argc, argv);
    SetApplicationIdentity();
    frmMain window;
    QObject::connect(&window, &frmMain::ended, app.get(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
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

extern "C" __attribute__((visibility("default"))) LogonScreens *
MoonrillStartLogonScreens(int *argc, char **argv)
{
    auto application = startApplication(*argc, argv);
    SetApplicationIdentity();
    return new WhatsUpScreens(std::move(application));
}

extern "C" __attribute__((visibility("default"))) int MoonrillServeActions(int *argc, char **argv)
{
    const QCoreApplication application(*argc, argv);
    ApplicationBus bus;
    // Another run holds the name (the window, which takes the actions itself): nothing to do.
    if (!bus.Register(QString::fromUtf8(AppId.data(), qsizetype(AppId.size()))))
        return 0;
    const std::string folder = ProgramFolder();
    int status = 0;
    QTimer idle;
    idle.setSingleShot(true);
    QObject::connect(&idle, &QTimer::timeout, &application, &QCoreApplication::quit);
    QObject::connect(&bus, &ApplicationBus::actionActivated,
                     [&](const QString &name, const QString &parameter) {
                         if (!ApplyReminderAction(folder, name.toStdString(),
                                                  parameter.toStdString(), LocalNow()))
                             status = 1;
                         idle.start(ActionWaitMilliseconds);
                     });
    QObject::connect(&bus, &ApplicationBus::activated, [&] { idle.start(ActionWaitMilliseconds); });
    idle.start(ActionWaitMilliseconds);
    QCoreApplication::exec();
    return status;
}
