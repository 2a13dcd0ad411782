// SPDX-License-Identifier: GPL-3.0-or-later
// The notification library: the daily scan's notification where no window can be shown, with
// QtCore and QtDBus alone.

#include "DesktopNotification.h"
#include "GuiModule.h"
#include "ScanWords.h"
#include "Translations.h"

#include <QCoreApplication>

extern "C" __attribute__((visibility("default"))) int
MoonrillNotify(int *argc, char **argv, const char *summary, const char *body)
{
    QCoreApplication application(*argc, argv);
    LoadTranslations(application);
    QString heading = QString::fromUtf8(summary), rows = QString::fromUtf8(body);
    TranslateNotification(heading, rows);
    DesktopNotification notification;
    return notification.Show(heading, rows, QString()) ? 1 : 0;
}
