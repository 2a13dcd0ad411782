// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc cannot parse the C++20 standard headers the event model uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "CalendarPublish.h"
#endif

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

/// What a publish did.
struct PublishReport
{
    int created = 0;
    int changed = 0;
    int removed = 0;
    /// Objects someone else changed or removed on the server since we put them: left as they
    /// are there, and sent again by no later publish until the list changes them.
    int conflicts = 0;
    /// Requests that did not get through (the server down, the network gone): pending, sent again
    /// at the next publish.
    int failed = 0;
    std::string firstError; // what the first failure or conflict said
    int requests = 0;
};
Q_DECLARE_METATYPE(PublishReport)

class QNetworkReply;

/// Sends publish steps to a calendar collection in the background of the event loop, a few
/// requests at a time, each object as the resource named by its UID, and keeps `published` up
/// to date with what the server took.
class CalendarPublisher : public QObject
{
    Q_OBJECT

public:
    /// Starts sending `steps` to `collection` (its URL ends in "/") as `user` with `password`,
    /// from what was `published`; finished() follows, also when there is nothing to send.
    void Start(const QUrl &collection, const QString &user, const QString &password,
               std::vector<PublishStep> steps, std::vector<PublishedObject> published);
    [[nodiscard]] bool Busy() const { return m_busy; }
    /// Sends nothing more and gives up the requests under way, which stay pending; finished()
    /// follows.
    void Stop();
    /// What the server holds of ours, once finished() came: sorted by UID.
    [[nodiscard]] const std::vector<PublishedObject> &Published() const { return m_published; }

signals:
    void finished(const PublishReport &report);

private:
    void sendNext();
    QNetworkReply *send(const PublishStep &step, const QByteArray &etag);
    void track(QNetworkReply *reply, std::function<void(const QNetworkReply &)> answer);
    void adopt(const PublishStep &step);
    void answered(const PublishStep &step, const QNetworkReply &reply, bool adopting);

    QNetworkAccessManager m_network;
    QUrl m_collection;
    QByteArray m_auth;
    std::vector<PublishStep> m_steps;
    size_t m_next = 0;
    int m_waiting = 0;
    bool m_busy = false;
    PublishReport m_report;
    std::unordered_map<std::string, PublishedObject> m_kept;
    std::vector<PublishedObject> m_published;
};

/// The same, waiting in a local event loop until it is done or `longest` has passed (what was
/// not sent by then stays pending): for the command line and the logon scan.
[[nodiscard]] PublishReport PublishSteps(const QUrl &collection, const QString &user,
                                         const QString &password,
                                         const std::vector<PublishStep> &steps,
                                         std::vector<PublishedObject> &published,
                                         std::chrono::milliseconds longest);

/// The collection URL of `calendar` as requests name resources in it: ending in "/".
[[nodiscard]] QUrl CollectionOf(QUrl calendar);

/// Why `url` may not carry a password: empty when it may (https, or plain http to this machine).
[[nodiscard]] QString UrlTrouble(const QUrl &url);
