// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc cannot parse the C++20 standard headers the event model uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "SyncStateFile.h"
#endif

#ifndef Q_MOC_RUN
#include "Message.h"
#endif

#include <QDeadlineTimer>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

/// What a sync did.
struct WriteReport
{
    int created = 0;
    int changed = 0;
    int removed = 0;
    /// Requests that did not get through or were not sent (the server down, the network gone,
    /// the time up): pending, sent again at the next sync.
    int failed = 0;
    /// The server sent a request on to another address: the sync stopped there.
    bool redirected = false;
    Message firstError; // what the first failure or conflict said
    int requests = 0;

    /// Whether every step went through.
    [[nodiscard]] bool complete() const { return failed == 0; }
};
Q_DECLARE_METATYPE(WriteReport)

class QNetworkReply;

/// Sends sync steps to a calendar collection in the background of the event loop, a few
/// requests at a time, each object as the resource named by its UID, and keeps `agreed` up
/// to date with what the server took. Every request ends by the deadline it is given.
class CalendarWriter : public QObject
{
    Q_OBJECT

public:
    /// Starts sending `steps` to `collection` (its URL ends in "/") with `authorization`, from
    /// what was `agreed`, ending by `deadline` (what is not sent by then stays pending);
    /// finished() follows, also when there is nothing to send.
    void Start(const QUrl &collection, const QByteArray &authorization, std::vector<SyncStep> steps,
               std::vector<AgreedObject> agreed, QDeadlineTimer deadline);
    [[nodiscard]] bool Busy() const { return m_busy; }
    /// Sends nothing more and gives up the requests under way, which stay pending; finished()
    /// follows.
    void Stop();
    /// What the server holds of ours, once finished() came: sorted by UID.
    [[nodiscard]] const std::vector<AgreedObject> &Agreed() const { return m_agreed; }

signals:
    void finished(const WriteReport &report);

private:
    void sendNext();
    QNetworkReply *send(const SyncStep &step);
    void track(QNetworkReply *reply, std::function<void(const QNetworkReply &)> answer);
    void answered(const SyncStep &step, const QNetworkReply &reply);
    void failed(const Message &why);
    [[nodiscard]] std::optional<const char *> refusal(const SyncStep &step) const;
    /// How long a request may wait: its own patience, or what is left of the deadline.
    [[nodiscard]] std::chrono::milliseconds patience() const;

    QNetworkAccessManager m_network;
    QTimer m_timeUp;
    QDeadlineTimer m_deadline;
    QUrl m_collection;
    QByteArray m_auth;
    std::vector<SyncStep> m_steps;
    size_t m_next = 0;
    int m_waiting = 0;
    bool m_busy = false;
    WriteReport m_report;
    std::unordered_map<std::string, AgreedObject> m_kept;
    std::vector<AgreedObject> m_agreed;
};

/// The collection URL of `calendar` as requests name resources in it: ending in "/".
[[nodiscard]] QUrl CollectionOf(QUrl calendar);
