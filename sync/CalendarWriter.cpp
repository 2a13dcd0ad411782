// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarWriter.h"

#include "DavRequest.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <optional>

namespace {

const char *const ranOut = QT_TRANSLATE_NOOP("Messages", "the time for the sync ran out");

/// Where `step`'s object stands: its href, or the resource its UID names.
QUrl objectUrl(const QUrl &collection, const SyncStep &step)
{
    if (!step.href.empty()) {
        QUrl url = collection;
        url.setPath(QString::fromStdString(step.href), QUrl::DecodedMode);
        return url;
    }
    const std::string &uid = step.uid;
    // The UID names the resource, encoded: a UID from a hand-edited file may hold anything.
    QUrl url = collection;
    url.setPath(collection.path(QUrl::FullyEncoded) +
                    QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(uid))) +
                    QStringLiteral(".ics"),
                QUrl::StrictMode);
    return url;
}

} // namespace

QUrl CollectionOf(QUrl calendar)
{
    if (!calendar.path().endsWith(QLatin1Char('/')))
        calendar.setPath(calendar.path() + QLatin1Char('/'));
    return calendar;
}

void CalendarWriter::Start(const QUrl &collection, const QByteArray &authorization,
                           std::vector<SyncStep> steps, std::vector<AgreedObject> agreed,
                           QDeadlineTimer deadline)
{
    m_collection = collection;
    m_auth = authorization;
    m_steps = std::move(steps);
    m_next = 0;
    m_report = {};
    m_kept.clear();
    for (AgreedObject &object : agreed)
        m_kept.emplace(object.uid, std::move(object));
    m_deadline = deadline;
    m_timeUp.setSingleShot(true);
    disconnect(&m_timeUp, nullptr, this, nullptr);
    connect(&m_timeUp, &QTimer::timeout, this, [this] {
        if (m_report.firstError.empty())
            m_report.firstError = ranOut;
        Stop();
    });
    if (!deadline.isForever())
        m_timeUp.start(std::chrono::milliseconds(std::max<qint64>(0, deadline.remainingTime())));
    m_busy = true;
    sendNext();
}

/// Why `step` may not be sent to `collection`; none where it may. An href kept or answered
/// by a server names nothing outside the calendar the user set, and a removal goes only over
/// the version the list agreed on, never whatever stands there.
std::optional<const char *> CalendarWriter::refusal(const SyncStep &step) const
{
    const std::string collectionPath = m_collection.path(QUrl::FullyDecoded).toStdString();
    if (!step.href.empty() && !InsideCollection(step.href, collectionPath))
        return QT_TRANSLATE_NOOP("Messages", "%1 is not sent: the server named a place for it "
                                             "outside the calendar");
    if (step.kind == SyncStep::Kind::Remove && (step.etag.empty() || step.etag == "*"))
        return QT_TRANSLATE_NOOP("Messages", "%1 is not removed: the server gave no version of "
                                             "it to name");
    return std::nullopt;
}

void CalendarWriter::sendNext()
{
    // A few requests at a time, as many as the network layer runs at once for one server: a
    // first sync of thirty thousand events builds no thirty thousand requests in memory.
    constexpr int InFlight = 6;
    while (m_waiting < InFlight && m_next < m_steps.size()) {
        const SyncStep &step = m_steps[m_next++];
        if (const std::optional<const char *> why = refusal(step)) {
            failed({*why, {step.uid}});
            continue;
        }
        track(send(step), [this, &step](const QNetworkReply &reply) { answered(step, reply); });
    }
    if (m_waiting > 0 || !m_busy)
        return;
    m_busy = false;
    m_timeUp.stop();
    m_agreed.clear();
    for (auto &[uid, object] : m_kept)
        m_agreed.push_back(std::move(object));
    m_kept.clear();
    std::sort(m_agreed.begin(), m_agreed.end(),
              [](const AgreedObject &a, const AgreedObject &b) { return a.uid < b.uid; });
    emit finished(m_report);
}

QNetworkReply *CalendarWriter::send(const SyncStep &step)
{
    const QByteArray etag = QByteArray::fromStdString(step.etag);
    const bool create = step.kind == SyncStep::Kind::Create;
    QNetworkRequest request = DavRequest(objectUrl(m_collection, step), m_auth, patience());
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("text/calendar; charset=utf-8"));
    // A new object goes only where none stands; a known one only over the version we know.
    if (!etag.isEmpty())
        request.setRawHeader("If-Match", etag);
    else if (create)
        request.setRawHeader("If-None-Match", "*");
    QNetworkReply *reply = step.kind == SyncStep::Kind::Remove
                               ? m_network.deleteResource(request)
                               : m_network.put(request, QByteArray::fromStdString(step.text));
    CapAnswer(reply, SmallAnswerBytes);
    return reply;
}

std::chrono::milliseconds CalendarWriter::patience() const
{
    if (m_deadline.isForever())
        return RequestPatience;
    return std::min<std::chrono::milliseconds>(
        RequestPatience,
        std::chrono::milliseconds(std::max<qint64>(1, m_deadline.remainingTime())));
}

void CalendarWriter::track(QNetworkReply *reply, std::function<void(const QNetworkReply &)> answer)
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

/// Takes the server's answer to `step` into the report and what is kept.
void CalendarWriter::answered(const SyncStep &step, const QNetworkReply &reply)
{
    const int status = StatusOf(reply);
    const bool remove = step.kind == SyncStep::Kind::Remove;
    if (CutShort(reply)) {
        // Not known to be done, whatever status came first: sent again next time, and the rest
        // with it, since a server that does this fares no better with them.
        failed(AnswerMessage(reply));
        Stop();
    } else if (Redirected(reply)) {
        // Sent on elsewhere: nothing more goes to a server that does this, password or not.
        m_report.redirected = true;
        m_report.firstError = AnswerMessage(reply);
        ++m_report.failed;
        Stop();
    } else if (status == 412) {
        // Someone changed or made the object since the sync read the calendar: nothing of
        // theirs is overwritten; the next sync reads it and settles both versions.
        failed({QT_TRANSLATE_NOOP("Messages", "%1 changed on the server during the sync"),
                {step.uid}});
    } else if ((status >= 200 && status < 300) || (remove && status == 404)) {
        if (remove) {
            m_kept.erase(step.uid);
            ++m_report.removed;
        } else {
            AgreedObject agreed = step.Agreed(KeptEtag(reply.rawHeader("ETag")));
            if (agreed.href.empty())
                agreed.href = objectUrl(m_collection, step).path(QUrl::FullyDecoded).toStdString();
            m_kept[step.uid] = std::move(agreed);
            ++(step.kind == SyncStep::Kind::Create ? m_report.created : m_report.changed);
        }
    } else {
        failed(AnswerMessage(reply));
        // No answer at all (the server refused the connection or is gone): the rest would fare
        // no better, and waits for the next sync rather than for each its own failure.
        if (status == 0)
            Stop();
    }
}

void CalendarWriter::failed(const Message &why)
{
    ++m_report.failed;
    if (m_report.firstError.empty())
        m_report.firstError = why;
}

void CalendarWriter::Stop()
{
    // What was not sent yet stays pending, and is counted so.
    if (m_next < m_steps.size()) {
        m_report.failed += static_cast<int>(m_steps.size() - m_next);
        m_next = m_steps.size();
    }
    for (QNetworkReply *reply : m_network.findChildren<QNetworkReply *>())
        reply->abort();
}
