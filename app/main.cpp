#include "frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moonrill"));
    QApplication::setDesktopFileName(QStringLiteral("moonrill"));

    // Only the one argument "whatsup", exactly so, runs the logon scan.
    const QStringList arguments = QApplication::arguments();
    const bool whatsup = arguments.size() == 2 && arguments.at(1) == QStringLiteral("whatsup");

    frmMain window;
    QObject::connect(&window, &frmMain::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!window.StartUp(whatsup))
        return 0;
    return QApplication::exec();
}
