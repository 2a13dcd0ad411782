// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <chrono>

/// One notification shown by the desktop's notification service (org.freedesktop.Notifications
/// on the session bus), as "Moonrill" with its icon. Needs an application object (QtCore's is
/// enough) and no display.
class DesktopNotification
{
public:
    /// Shows `summary` and the plain text `body` (escaped where the service reads markup),
    /// offering `action` as the default action unless it is empty. It stays until the user
    /// closes it, where the service honours that: a reminder, not news. Returns false where
    /// no notification service answers.
    bool Show(const QString &summary, const QString &body, const QString &action);

    /// After Show with an action: waits until the user invokes it (true), the notification
    /// closes or `longest` passes (false).
    bool WaitForAction(std::chrono::milliseconds longest) const;

    /// Takes the notification away, if it still stands.
    void Close() const;

    /// A button of a reminder: the application action it activates, with one text parameter.
    struct Button
    {
        QString action;
        QString parameter;
        QString label;
    };
    /// Shows a reminder `summary` whose buttons must work after this process ended: through the
    /// desktop portal's GTK backend where the bus has it, which shows it with the notification
    /// service and, when a button is pressed, calls the application's ActivateAction (the bus
    /// starts the program for it). Without that backend nothing could take a button once this
    /// process ends, so the reminder is shown without them. `id` names it for a later
    /// replacement. Returns whether it was shown.
    static bool ShowReminder(const QString &id, const QString &summary,
                             const QList<Button> &buttons);

private:
    uint m_id = 0;
};
