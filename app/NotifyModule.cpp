// SPDX-License-Identifier: GPL-3.0-or-later
// The notification library: the daily scan's notification and the reminders', plain code over
// the session bus, so that the run that shows them loads no toolkit and no windows until the
// user asks for them.

#include "DesktopNotification.h"
#include "DueNotification.h"
#include "GuiModule.h"
#include "ReminderRun.h"
#include "TranslationFile.h"

#include <algorithm>
#include <ctime>

namespace {

class Notifier final : public DueNotifier
{
public:
    Notifier() : m_translation(DesktopTranslation()), m_words(WordsOf(m_translation)) {}

    bool Notify(const std::vector<ScanRow> &rows, bool offerShow) override
    {
        // Composed in the user's language from the start.
        const DueNotification text = DueNotificationOf(rows, m_words);
        std::string show;
        if (offerShow)
            show = m_translation ? m_translation->Find("WhatsUpScreens", "Show").value_or("Show")
                                 : "Show";
        return m_notification.Show(text.summary, text.body, show);
    }

    bool AwaitShow() override
    {
        // A reminder of today's days is offered for as long as it is today.
        if (m_notification.WaitForAction(untilMidnight()))
            return true;
        m_notification.Close();
        return false;
    }

    bool NotifyReminders(const std::vector<MomentReminder> &reminders) override
    {
        const LocalMoment now = LocalNow();
        bool all = true;
        for (const MomentReminder &reminder : reminders) {
            std::vector<DesktopNotification::Button> buttons;
            for (const ReminderButton &button : ReminderButtons(reminder, m_words))
                buttons.push_back({button.action, button.parameter, button.label});
            // One notification an occurrence: a snoozed one that comes again takes its place.
            all =
                m_notification.ShowReminder(OccurrenceKey(reminder),
                                            ReminderNoticeText(reminder, now, m_words), buttons) &&
                all;
        }
        return all;
    }

    [[nodiscard]] bool BusSilent() const override { return m_notification.BusSilent(); }

private:
    /// The time left of today, by the local clock.
    static std::chrono::milliseconds untilMidnight()
    {
        const std::time_t now = std::time(nullptr);
        std::tm midnight{};
        localtime_r(&now, &midnight);
        midnight.tm_mday += 1;
        midnight.tm_hour = midnight.tm_min = midnight.tm_sec = 0;
        midnight.tm_isdst = -1;
        return std::chrono::seconds(std::max<std::time_t>(std::mktime(&midnight) - now, 0));
    }

    std::shared_ptr<const TranslationFile> m_translation;
    Words m_words;
    DesktopNotification m_notification;
};

} // namespace

extern "C" __attribute__((visibility("default"))) DueNotifier *MoonrillStartNotifier()
{
    return new Notifier();
}
