// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVariantMap>

/// The program's name on the session bus, under its application id, with the freedesktop
/// Application interface's Activate: a second start asks the first to come forward through it.
/// Its ActivateAction is how a notification's button reaches the program, the window or a run
/// the bus started for it.
class ApplicationBus : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    /// Takes the name `id` and offers Activate at the path the id gives; false where there is no
    /// session bus or the name is held already.
    bool Register(const QString &id);
    enum class Activation
    {
        Answered, // the program holding `id` came forward
        NoBus,    // there is no session bus to ask it on
        NoAnswer  // it did not answer, or the bus was set aside as mute
    };
    /// Asks the program holding `id` to come forward.
    static Activation ActivateOther(const QString &id);

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    /// The action `name` with its one text parameter, where it has one.
    Q_SCRIPTABLE void ActivateAction(const QString &name, const QVariantList &parameter,
                                     const QVariantMap &platformData);

signals:
    void activated();
    void actionActivated(const QString &name, const QString &parameter);
};
