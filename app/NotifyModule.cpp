// SPDX-License-Identifier: GPL-3.0-or-later
// The notification library: the daily scan's notification where no window can be shown, with
// QtCore and QtDBus alone.

#include "DesktopNotification.h"
#include "DueNotification.h"
#include "GuiModule.h"
#include "Translations.h"
#include "UserWords.h"

#include <QCoreApplication>

extern "C" __attribute__((visibility("default"))) int
MoonrillNotify(int *argc, char **argv, const ScanRow *rows, size_t count)
{
    QCoreApplication application(*argc, argv);
    LoadTranslations(application);
    // Composed in the user's language from the start.
    const DueNotification text =
        DueNotificationOf(std::vector<ScanRow>(rows, rows + count), UserWords());
    DesktopNotification notification;
    return notification.Show(QString::fromStdString(text.summary),
                             QString::fromStdString(text.body), QString())
               ? 1
               : 0;
}
