// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

/// Turns SIGTERM and SIGHUP (a logout, a shutdown, a closed terminal) into the Qt signal
/// `received`, delivered by the event loop: the handler itself only writes one byte to a socket,
/// the one thing safe to do there, so that the program ends through its own code rather than in
/// the middle of it. One object at a time; while it lives, it owns both signals' handlers.
class EndSignals final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EndSignals)

public:
    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override;

signals:
    void received();

private:
    QSocketNotifier *m_notifier = nullptr;
};
