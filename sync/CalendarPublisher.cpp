// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarPublisher.h"

#include "DavRequest.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>

namespace {

const char *const ranOut = QT_TRANSLATE_NOOP("Messages", "the time for the publish ran out");

QUrl objectUrl(const QUrl &collection, const std::string &uid)
{
    // The UID names the resource, encoded: a UID from a hand-edited file may hold anything.
    QUrl url = collection;
    url.setPath(collection.path(QUrl::FullyEncoded) +
                    QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(uid))) +
                    QStringLiteral(".ics"),
                QUrl::StrictMode);
    return url;
}

/// The ETag of an answer, or none where it is longer than any a server means.
std::string etagOf(const QNetworkReply &reply)
{
    const QByteArray etag = reply.rawHeader("ETag");
    return etag.size() <= MaxEtagBytes ? etag.toStdString() : std::string();
}

} // namespace

QUrl CollectionOf(QUrl calendar)
{
    if (!calendar.path().endsWith(QLatin1Char('/')))
        calendar.setPath(calendar.path() + QLatin1Char('/'));
    return calendar;
}

void CalendarPublisher::Start(const QUrl &collection, const QByteArray &authorization,
                              std::vector<PublishStep> steps,
                              std::vector<PublishedObject> published, QDeadlineTimer deadline,
                              Words words)
{
    m_words = std::move(words);
    m_collection = collection;
    m_auth = authorization;
    m_steps = std::move(steps);
    m_next = 0;
    m_report = {};
    m_kept.clear();
    for (PublishedObject &object : published)
        m_kept.emplace(object.uid, std::move(object));
    m_deadline = deadline;
    m_timeUp.setSingleShot(true);
    disconnect(&m_timeUp, nullptr, this, nullptr);
    connect(&m_timeUp, &QTimer::timeout, this, [this] {
        if (m_report.firstError.empty())
            m_report.firstError = m_words(ranOut);
        Stop();
    });
    if (!deadline.isForever())
        m_timeUp.start(std::chrono::milliseconds(std::max<qint64>(0, deadline.remainingTime())));
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
        track(send(step, QByteArray::fromStdString(step.etag),
                   step.kind == PublishStep::Kind::Create),
              [this, &step](const QNetworkReply &reply) { answered(step, reply, false); });
    }
    if (m_waiting > 0 || !m_busy)
        return;
    m_busy = false;
    m_timeUp.stop();
    m_published.clear();
    for (auto &[uid, object] : m_kept)
        m_published.push_back(std::move(object));
    m_kept.clear();
    std::sort(m_published.begin(), m_published.end(),
              [](const PublishedObject &a, const PublishedObject &b) { return a.uid < b.uid; });
    emit finished(m_report);
}

QNetworkReply *CalendarPublisher::send(const PublishStep &step, const QByteArray &etag, bool create)
{
    QNetworkRequest request = DavRequest(objectUrl(m_collection, step.uid), m_auth, patience());
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("text/calendar; charset=utf-8"));
    // A new object goes only where none stands; a known one only over the version we know.
    if (!etag.isEmpty())
        request.setRawHeader("If-Match", etag);
    else if (create)
        request.setRawHeader("If-None-Match", "*");
    QNetworkReply *reply = step.kind == PublishStep::Kind::Remove
                               ? m_network.deleteResource(request)
                               : m_network.put(request, QByteArray::fromStdString(step.text));
    CapAnswer(reply, SmallAnswerBytes);
    return reply;
}

std::chrono::milliseconds CalendarPublisher::patience() const
{
    if (m_deadline.isForever())
        return RequestPatience;
    return std::min<std::chrono::milliseconds>(
        RequestPatience,
        std::chrono::milliseconds(std::max<qint64>(1, m_deadline.remainingTime())));
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

/// The server refused to put `step` over the version we knew, or where we thought none stood:
/// a look at what it holds now tells what to do.
/// - Nothing stands there (someone removed our object): ours is put again.
/// - It stands and we meant to create it: the UID is one this list gave its event, so the
///   object is ours, put by a publish whose answer never came back (the server went down after
///   storing it, the logon scan's time ran out) or with a state file that was lost. It is taken
///   over, over the version the server has now.
/// - It stands and we meant to change it: someone else changed it; theirs stands (answered).
void CalendarPublisher::lookAgain(const PublishStep &step)
{
    if (m_deadline.hasExpired() || !m_busy) {
        failed(QString::fromStdString(m_words(ranOut)));
        return;
    }
    QNetworkReply *head =
        m_network.head(DavRequest(objectUrl(m_collection, step.uid), m_auth, patience()));
    CapAnswer(head, SmallAnswerBytes);
    track(head, [this, &step](const QNetworkReply &head) {
        const int status = StatusOf(head);
        const std::string etag = etagOf(head);
        const bool gone = status == 404;
        const bool ours = step.kind == PublishStep::Kind::Create && status == 200 && !etag.empty();
        if (!m_busy || (!gone && !ours)) {
            answered(step, head, true);
            return;
        }
        track(send(step, QByteArray::fromStdString(gone ? std::string() : etag), gone),
              [this, &step](const QNetworkReply &reply) { answered(step, reply, true); });
    });
}

/// Takes the server's answer to `step` into the report and what is kept; `lookedAgain` once the
/// object's state on the server was asked after a refusal.
void CalendarPublisher::answered(const PublishStep &step, const QNetworkReply &reply,
                                 bool lookedAgain)
{
    const int status = StatusOf(reply);
    const bool remove = step.kind == PublishStep::Kind::Remove;
    if (CutShort(reply)) {
        // Not known to be done, whatever status came first: sent again next time, and the rest
        // with it, since a server that does this fares no better with them.
        failed(AnswerTrouble(reply, m_words));
        Stop();
    } else if (Redirected(reply)) {
        // Sent on elsewhere: nothing more goes to a server that does this, password or not.
        m_report.redirected = true;
        m_report.firstError = AnswerTrouble(reply, m_words).toStdString();
        ++m_report.failed;
        Stop();
    } else if (status == 412 && !remove && !lookedAgain) {
        lookAgain(step);
    } else if (status == 412 || (lookedAgain && status == 200)) {
        // Someone changed it on the server: theirs stands, and is said. A change the list still
        // holds stays in conflict (the state keeps the version we knew under no hash, so the
        // next publish asks again); a removal leaves their object to them.
        ++m_report.conflicts;
        if (step.kind == PublishStep::Kind::Change)
            m_kept[step.uid] = PublishedObject{step.uid, 0, step.etag};
        else if (remove)
            m_kept.erase(step.uid);
        if (m_report.firstError.empty())
            m_report.firstError =
                Compose(m_words(QT_TRANSLATE_NOOP(
                            "Messages", "%1 was changed on the server and is left as it is there")),
                        {step.uid});
    } else if ((status >= 200 && status < 300) || (remove && status == 404)) {
        if (remove) {
            m_kept.erase(step.uid);
            ++m_report.removed;
        } else {
            m_kept[step.uid] = PublishedObject{step.uid, step.hash, etagOf(reply)};
            ++(step.kind == PublishStep::Kind::Create ? m_report.created : m_report.changed);
        }
    } else {
        failed(AnswerTrouble(reply, m_words));
        // No answer at all (the server refused the connection or is gone): the rest would fare
        // no better, and waits for the next publish rather than for each its own failure.
        if (status == 0)
            Stop();
    }
}

void CalendarPublisher::failed(const QString &why)
{
    ++m_report.failed;
    if (m_report.firstError.empty())
        m_report.firstError = why.toStdString();
}

void CalendarPublisher::Stop()
{
    // What was not sent yet stays pending, and is counted so.
    if (m_next < m_steps.size()) {
        m_report.failed += static_cast<int>(m_steps.size() - m_next);
        m_next = m_steps.size();
    }
    for (QNetworkReply *reply : m_network.findChildren<QNetworkReply *>())
        reply->abort();
}
