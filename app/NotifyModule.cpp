// SPDX-License-Identifier: GPL-3.0-or-later
// The notification library: the daily scan's notification, with QtCore and QtDBus alone, so that
// the run that shows it loads no windows until the user asks for them.

#include "AppId.h"
#include "ApplicationBus.h"
#include "DesktopNotification.h"
#include "DueNotification.h"
#include "GuiModule.h"
#include "Paths.h"
#include "ReminderRun.h"
#include "Translations.h"
#include "UserWords.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

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

    bool NotifyReminders(const std::vector<MomentReminder> &reminders) override
    {
        const Words words = UserWords();
        const LocalMoment now = LocalNow();
        bool all = true;
        for (const MomentReminder &reminder : reminders) {
            QList<DesktopNotification::Button> buttons;
            for (const ReminderButton &button : ReminderButtons(reminder, words))
                buttons.append({QString::fromStdString(button.action),
                                QString::fromStdString(button.parameter),
                                QString::fromStdString(button.label)});
            // One notification an occurrence: a snoozed one that comes again takes its place.
            const QString id = QString::fromStdString(OccurrenceKey(reminder));
            all = DesktopNotification::ShowReminder(
                      id, QString::fromStdString(ReminderNoticeText(reminder, now, words)),
                      buttons) &&
                  all;
        }
        return all;
    }

private:
    QCoreApplication m_application;
    DesktopNotification m_notification;
};

/// How long the run the bus started waits for an action after the last one.
constexpr int ActionWaitMilliseconds = 5000;

} // namespace

extern "C" __attribute__((visibility("default"))) DueNotifier *MoonrillStartNotifier(int *argc,
                                                                                     char **argv)
{
    return new Notifier(*argc, argv);
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
