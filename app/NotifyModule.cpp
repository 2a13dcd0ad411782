// SPDX-License-Identifier: GPL-3.0-or-later
// The notification library: the daily scan's notification where no window can be shown, with
// QtCore and QtDBus alone.

#include "DesktopNotification.h"
#include "GuiModule.h"

#include <QCoreApplication>

extern "C" __attribute__((visibility("default"))) int
MoonrillNotify(int *argc, char **argv, const char *summary, const char *body)
{
    const QCoreApplication application(*argc, argv);
    DesktopNotification notification;
    return notification.Show(QString::fromUtf8(summary), QString::fromUtf8(body), QString()) ? 1
                                                                                             : 0;
}
