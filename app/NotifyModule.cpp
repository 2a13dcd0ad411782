// SPDX-License-Identifier: GPL-3.0-or-later
// The notification library: the daily scan's notification, with QtCore and QtDBus alone, so that
// the run that shows it loads no windows until the user asks for them.

#include "DesktopNotification.h"
#include "DueNotification.h"
#include "GuiModule.h"
#include "Translations.h"
#include "UserWords.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

class Notifier final : public DueNotifier
{
public:
    Notifier(int &argc, char **argv) : m_application(argc, argv)
    {
        LoadTranslations(m_application);
    }

    bool Notify(const std::vector<ScanRow> &rows, bool offerShow) override
    {
        // Composed in the user's language from the start.
        const DueNotification text = DueNotificationOf(rows, UserWords());
        return m_notification.Show(
            QString::fromStdString(text.summary), QString::fromStdString(text.body),
            offerShow ? QCoreApplication::translate("WhatsUpScreens", "Show") : QString());
    }

    bool AwaitShow() override
    {
        // A reminder of today's days is offered for as long as it is today.
        const QDateTime now = QDateTime::currentDateTime();
        const std::chrono::milliseconds left(now.msecsTo(now.date().addDays(1).startOfDay()));
        if (m_notification.WaitForAction(left))
            return true;
        m_notification.Close();
        return false;
    }

private:
    QCoreApplication m_application;
    DesktopNotification m_notification;
};

} // namespace

extern "C" __attribute__((visibility("default"))) DueNotifier *MoonrillStartNotifier(int *argc,
                                                                                     char **argv)
{
    return new Notifier(*argc, argv);
}
