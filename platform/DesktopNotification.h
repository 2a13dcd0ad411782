// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct sd_bus;

/// One notification shown by the desktop's notification service (org.freedesktop.Notifications
/// on the session bus), as "Moonrill" with its icon. Talks to the bus through systemd's small
/// client library, without the toolkit and without a display: the daily run that sends it costs
/// about what the desktop's own notify-send costs.
class DesktopNotification
{
public:
    /// Connects to the session bus and waits, at most the bus's deadline, for it to answer;
    /// without a bus that answers no notification is shown.
    DesktopNotification();
    ~DesktopNotification();
    DesktopNotification(const DesktopNotification &) = delete;
    DesktopNotification &operator=(const DesktopNotification &) = delete;

    /// Whether the bus took the connection and did not answer it in time (not merely: there is
    /// no bus).
    [[nodiscard]] bool BusSilent() const { return m_silent; }

    /// Shows `summary` and the plain text `body` (escaped where the service reads markup),
    /// offering `action` as the default action unless it is empty. It stays until the user
    /// closes it, where the service honours that: a reminder, not news. Returns false where
    /// no notification service answers.
    bool Show(const std::string &summary, const std::string &body, const std::string &action);

    /// After Show with an action: waits until the user invokes it (true), the notification
    /// closes, the bus goes or `longest` passes (false).
    bool WaitForAction(std::chrono::milliseconds longest);

    /// Takes the notification away, if it still stands.
    void Close();

    /// A button of a reminder: the application action it activates, with one text parameter.
    struct Button
    {
        std::string action;
        std::string parameter;
        std::string label;
    };
    /// Shows a reminder `summary` whose buttons must work after this process ended: through the
    /// desktop portal's GTK backend where the bus has it, which shows it with the notification
    /// service and, when a button is pressed, calls the application's ActivateAction (the bus
    /// starts the program for it). Without that backend nothing could take a button once this
    /// process ends, so the reminder is shown without them. `id` names it for a later
    /// replacement. Returns whether it was shown.
    bool ShowReminder(const std::string &id, const std::string &summary,
                      const std::vector<Button> &buttons);

private:
    /// What the service said of the notification shown, as its signals arrive.
    enum class Outcome
    {
        Standing,
        Invoked,
        Closed
    };
    struct BusRelease
    {
        void operator()(sd_bus *bus) const;
    };
    std::unique_ptr<sd_bus, BusRelease> m_bus;
    bool m_silent = false;
    uint32_t m_id = 0;
    /// The unique bus name of the service that showed it.
    std::string m_server;
    Outcome m_outcome = Outcome::Standing;
};
