// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotification.h"

#include "AppId.h"
#include "BusCheck.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QEventLoop>
#include <QTimer>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
/// The desktop portal's GTK backend, which turns a button of a notification into the
/// application's ActivateAction, whether or not the program that sent it still runs.
const QString PortalBackend = QStringLiteral("org.freedesktop.impl.portal.desktop.gtk");

/// Ends `loop` when the notification `id` has its default action invoked or is closed.
class NotificationWatch : public QObject
{
    Q_OBJECT

public:
    NotificationWatch(uint id, QEventLoop &loop) : m_id(id), m_loop(loop) {}
    bool invoked = false;

public slots:
    void actionInvoked(uint id, const QString &key)
    {
        if (id != m_id || key != QStringLiteral("default"))
            return;
        invoked = true;
        m_loop.quit();
    }
    void closed(uint id, uint /*reason*/)
    {
        if (id == m_id)
            m_loop.quit();
    }

private:
    uint m_id;
    QEventLoop &m_loop;
};

} // namespace

bool DesktopNotification::Show(const QString &summary, const QString &body, const QString &action)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const auto call = [&bus](const QString &method, const QVariantList &arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Service, method);
        message.setArguments(arguments);
        return bus.call(message, QDBus::Block, int(BusDeadline.count()));
    };
    // A service that reads markup would take "<" and "&" in a description for tags.
    const QDBusReply<QStringList> capabilities = call(QStringLiteral("GetCapabilities"), {});
    if (!capabilities.isValid())
        return false;
    const bool markup = capabilities.value().contains(QStringLiteral("body-markup"));
    QStringList actions;
    if (!action.isEmpty())
        actions << QStringLiteral("default") << action;
    // A desktop that starts programs for their notifications' actions finds ours by this.
    const QVariantMap hints{{QStringLiteral("desktop-entry"),
                             QString::fromUtf8(AppId.data(), qsizetype(AppId.size()))}};
    const QDBusReply<uint> id =
        call(QStringLiteral("Notify"),
             {QStringLiteral("Moonrill"), uint(0), QStringLiteral("moonrill"), summary,
              markup ? body.toHtmlEscaped() : body, actions, hints, 0});
    if (!id.isValid())
        return false;
    m_id = id.value();
    return true;
}

void DesktopNotification::Close() const
{
    if (m_id == 0)
        return;
    QDBusMessage message =
        QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("CloseNotification"));
    message << m_id;
    QDBusConnection::sessionBus().call(message, QDBus::Block, int(BusDeadline.count()));
}

bool DesktopNotification::WaitForAction(std::chrono::milliseconds longest) const
{
    QEventLoop loop;
    NotificationWatch watch(m_id, loop);
    QDBusConnection bus = QDBusConnection::sessionBus();
    const auto hooks = [&](auto hook) {
        (bus.*hook)(Service, Path, Service, QStringLiteral("ActionInvoked"), &watch,
                    SLOT(actionInvoked(uint, QString)));
        (bus.*hook)(Service, Path, Service, QStringLiteral("NotificationClosed"), &watch,
                    SLOT(closed(uint, uint)));
    };
    hooks(static_cast<bool (QDBusConnection::*)(const QString &, const QString &, const QString &,
                                                const QString &, QObject *, const char *)>(
        &QDBusConnection::connect));
    QTimer::singleShot(longest, &loop, &QEventLoop::quit);
    loop.exec();
    // The bus keeps what a hook needs until the hook is taken away.
    hooks(static_cast<bool (QDBusConnection::*)(const QString &, const QString &, const QString &,
                                                const QString &, QObject *, const char *)>(
        &QDBusConnection::disconnect));
    return watch.invoked;
}

bool DesktopNotification::ShowReminder(const QString &id, const QString &summary,
                                       const QList<Button> &buttons)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QString appId = QString::fromUtf8(AppId.data(), qsizetype(AppId.size()));
    QDBusMessage activatable = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListActivatableNames"));
    const QDBusReply<QStringList> names =
        bus.call(activatable, QDBus::Block, int(BusDeadline.count()));
    if (names.isValid() && names.value().contains(PortalBackend)) {
        QList<QVariantMap> shown;
        for (const Button &button : buttons)
            shown.append({{QStringLiteral("label"), button.label},
                          {QStringLiteral("action"), QStringLiteral("app.") + button.action},
                          {QStringLiteral("target"), button.parameter}});
        // Sent as an array of dictionaries ("aa{sv}"), as the backend reads its buttons.
        qDBusRegisterMetaType<QList<QVariantMap>>();
        const QVariantMap notification{{QStringLiteral("title"), summary},
                                       {QStringLiteral("body"), QString()},
                                       {QStringLiteral("priority"), QStringLiteral("high")},
                                       {QStringLiteral("buttons"), QVariant::fromValue(shown)}};
        QDBusMessage add = QDBusMessage::createMethodCall(
            PortalBackend, QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.impl.portal.Notification"),
            QStringLiteral("AddNotification"));
        add << appId << id << notification;
        // The backend may have to start first: it is given the time a service has to start.
        if (bus.call(add, QDBus::Block, int(BusDeadline.count()) * 3).type() ==
            QDBusMessage::ReplyMessage)
            return true;
    }
    DesktopNotification plain;
    return plain.Show(summary, QString(), QString());
}

#include "DesktopNotification.moc"
