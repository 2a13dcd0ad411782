// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarPublisher.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>
#include <unordered_map>

namespace {

QNetworkRequest requestFor(const QUrl &collection, const std::string &uid, const QByteArray &auth)
{
    // The UID names the resource, encoded: a UID from a hand-edited file may hold anything.
    QUrl url = collection;
    url.setPath(collection.path(QUrl::FullyEncoded) +
                    QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(uid))) +
                    QStringLiteral(".ics"),
                QUrl::StrictMode);
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", auth);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("text/calendar; charset=utf-8"));
    return request;
}

} // namespace

QUrl CollectionOf(QUrl calendar)
{
    if (!calendar.path().endsWith(QLatin1Char('/')))
        calendar.setPath(calendar.path() + QLatin1Char('/'));
    return calendar;
}

QString UrlTrouble(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return QStringLiteral("%1 is no address of a calendar").arg(url.toString());
    if (url.scheme() == QLatin1String("https"))
        return {};
    const QHostAddress host(url.host());
    if (url.scheme() == QLatin1String("http") &&
        (host.isLoopback() || url.host() == QLatin1String("localhost")))
        return {};
    return QStringLiteral("%1 does not use https: the password would travel readable")
        .arg(url.toString());
}

void CalendarPublisher::Start(const QUrl &collection, const QString &user, const QString &password,
                              std::vector<PublishStep> steps,
                              std::vector<PublishedObject> published)
{
    m_collection = collection;
    m_auth = "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64();
    m_steps = std::move(steps);
    m_next = 0;
    m_report = {};
    m_kept.clear();
    for (PublishedObject &object : published)
        m_kept.emplace(object.uid, std::move(object));
    m_busy = true;
    sendNext();
}

void CalendarPublisher::sendNext()
{
    // A few requests at a time, as many as the network layer runs at once for one server: a
    // first publish of thirty thousand events builds no thirty thousand requests in memory.
    constexpr int InFlight = 6;
    while (m_waiting < InFlight && m_next < m_steps.size()) {
        const PublishStep &step = m_steps[m_next++];
        track(send(step, QByteArray::fromStdString(step.etag)),
              [this, &step](const QNetworkReply &reply) { answered(step, reply, false); });
    }
    if (m_waiting > 0 || !m_busy)
        return;
    m_busy = false;
    m_published.clear();
    for (auto &[uid, object] : m_kept)
        m_published.push_back(std::move(object));
    m_kept.clear();
    std::sort(m_published.begin(), m_published.end(),
              [](const PublishedObject &a, const PublishedObject &b) { return a.uid < b.uid; });
    emit finished(m_report);
}

QNetworkReply *CalendarPublisher::send(const PublishStep &step, const QByteArray &etag)
{
    QNetworkRequest request = requestFor(m_collection, step.uid, m_auth);
    // A new object goes only where none stands; a known one only over the version we know.
    if (!etag.isEmpty())
        request.setRawHeader("If-Match", etag);
    else if (step.kind == PublishStep::Kind::Create)
        request.setRawHeader("If-None-Match", "*");
    return step.kind == PublishStep::Kind::Remove
               ? m_network.deleteResource(request)
               : m_network.put(request, QByteArray::fromStdString(step.text));
}

void CalendarPublisher::track(QNetworkReply *reply,
                              std::function<void(const QNetworkReply &)> answer)
{
    ++m_waiting;
    ++m_report.requests;
    connect(reply, &QNetworkReply::finished, this, [this, reply, answer = std::move(answer)] {
        reply->deleteLater();
        answer(*reply);
        --m_waiting;
        sendNext();
    });
}

/// An object we meant to create already stands under its UID's name. The UID is one Moonrill
/// made for this event, so it is ours: put by a publish whose answer never came back (the server
/// went down after storing it, or a logon scan's publish ran out of time), or with a state file
/// that was lost. It is taken over, over the version the server has now.
void CalendarPublisher::adopt(const PublishStep &step)
{
    track(m_network.head(requestFor(m_collection, step.uid, m_auth)),
          [this, &step](const QNetworkReply &head) {
              const QByteArray etag = head.rawHeader("ETag");
              if (head.error() != QNetworkReply::NoError || etag.isEmpty()) {
                  answered(step, head, true);
                  return;
              }
              track(send(step, etag),
                    [this, &step](const QNetworkReply &reply) { answered(step, reply, true); });
          });
}

/// Takes the server's answer to `step` into `report` and `kept`; `adopting` when the step's
/// object was found already standing on the server.
void CalendarPublisher::answered(const PublishStep &step, const QNetworkReply &reply, bool adopting)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool remove = step.kind == PublishStep::Kind::Remove;
    if (status == 412 && step.kind == PublishStep::Kind::Create && !adopting) {
        adopt(step);
    } else if (status == 412) {
        // Someone changed or removed it on the server: theirs stands, and is said. The text we
        // meant is recorded with the ETag we knew, so that it is said again only when the list
        // changes the event, and never put over theirs without If-Match.
        ++m_report.conflicts;
        if (step.kind == PublishStep::Kind::Change)
            m_kept[step.uid] = PublishedObject{step.uid, step.hash, step.etag};
        if (m_report.firstError.empty())
            m_report.firstError =
                step.uid + " was changed on the server and is left as it is there";
    } else if ((status >= 200 && status < 300) || (remove && status == 404)) {
        if (remove) {
            m_kept.erase(step.uid);
            ++m_report.removed;
        } else {
            m_kept[step.uid] =
                PublishedObject{step.uid, step.hash, reply.rawHeader("ETag").toStdString()};
            ++(step.kind == PublishStep::Kind::Create ? m_report.created : m_report.changed);
        }
    } else {
        ++m_report.failed;
        if (m_report.firstError.empty())
            m_report.firstError = status == 401 || status == 403
                                      ? "the server did not accept the user name and password"
                                      : reply.errorString().toStdString();
    }
}

void CalendarPublisher::Stop()
{
    m_next = m_steps.size();
    for (QNetworkReply *reply : m_network.findChildren<QNetworkReply *>())
        reply->abort();
}

PublishReport PublishSteps(const QUrl &collection, const QString &user, const QString &password,
                           const std::vector<PublishStep> &steps,
                           std::vector<PublishedObject> &published,
                           std::chrono::milliseconds longest)
{
    CalendarPublisher publisher;
    QEventLoop loop;
    PublishReport report;
    QObject::connect(&publisher, &CalendarPublisher::finished, &loop,
                     [&](const PublishReport &done) {
                         report = done;
                         loop.quit();
                     });
    QTimer::singleShot(longest, &publisher, &CalendarPublisher::Stop);
    publisher.Start(collection, user, password, steps, std::move(published));
    if (publisher.Busy())
        loop.exec();
    published = publisher.Published();
    return report;
}
