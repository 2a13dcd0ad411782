// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

private:
    uint m_id = 0;
};
