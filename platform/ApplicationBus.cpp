// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationBus.h"

#include "BusCheck.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

/// The object path of an application id: "/" and the id with its dots made slashes.
QString pathOf(const QString &id)
{
    return QLatin1Char('/') + QString(id).replace(QLatin1Char('.'), QLatin1Char('/'));
}

} // namespace

bool ApplicationBus::Register(const QString &id)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    // The bus itself answers the request for the name; it is held to the same deadline as any
    // service, so that a bus slow to answer never keeps the window from showing.
    bus.interface()->setTimeout(int(BusDeadline.count()));
    return bus.registerService(id) &&
           bus.registerObject(pathOf(id), this, QDBusConnection::ExportScriptableSlots);
}

ApplicationBus::Activation ApplicationBus::ActivateOther(const QString &id)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return SessionBusSetAside() ? Activation::NoAnswer : Activation::NoBus;
    QDBusMessage call = QDBusMessage::createMethodCall(
        id, pathOf(id), QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
    call << QVariantMap();
    return bus.call(call, QDBus::Block, int(BusDeadline.count())).type() ==
                   QDBusMessage::ReplyMessage
               ? Activation::Answered
               : Activation::NoAnswer;
}

void ApplicationBus::Activate(const QVariantMap & /*platformData*/)
{
    emit activated();
}

void ApplicationBus::ActivateAction(const QString &name, const QVariantList &parameter,
                                    const QVariantMap & /*platformData*/)
{
    QString text;
    if (!parameter.isEmpty()) {
        QVariant value = parameter.front();
        // A variant inside the array may come still wrapped, once or more.
        while (value.userType() == qMetaTypeId<QDBusVariant>())
            value = value.value<QDBusVariant>().variant();
        text = value.toString();
    }
    emit actionActivated(name, text);
}
