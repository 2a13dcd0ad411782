// SPDX-License-Identifier: GPL-3.0-or-later
#include "DavRequest.h"

#include <QHostAddress>
#include <QNetworkReply>
#include <QTimer>

#include <algorithm>

namespace {

const char *const TooLargeMark = "moonrill-too-large";

} // namespace

std::string KeptEtag(const QByteArray &etag)
{
    const bool plain = std::none_of(etag.begin(), etag.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return plain && etag.size() <= MaxEtagBytes ? etag.toStdString() : std::string();
}

QByteArray BasicAuthorization(const QString &user, const QString &password)
{
    return "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64();
}

QNetworkRequest DavRequest(const QUrl &url, const QByteArray &authorization,
                           std::chrono::milliseconds patience)
{
    QNetworkRequest request(url);
    if (!authorization.isEmpty())
        request.setRawHeader("Authorization", authorization);
    // Qt's default follows a redirect to any host over https, the header with it; only the
    // address the user set may see the password.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(
        static_cast<int>(std::max<std::chrono::milliseconds::rep>(1, patience.count())));
    return request;
}

void CapAnswer(QNetworkReply *reply, qint64 maxBytes, std::chrono::milliseconds deadline)
{
    // The timer is the reply's child: it goes with the reply, and its abort counts as time up.
    auto *timeUp = new QTimer(reply);
    timeUp->setSingleShot(true);
    QObject::connect(timeUp, &QTimer::timeout, reply, &QNetworkReply::abort);
    timeUp->start(deadline);
    // The body goes into memory as it comes, and an answer that passes the cap is cut off. The
    // network thread buffers at most a little more than the cap: room enough for what passes the
    // cap to reach us and be cut, rather than wait in that thread for room that is never made,
    // and no more, so that a busy main thread cannot let an endless answer pile up behind it.
    const qint64 room = maxBytes + 1024 * 1024;
    reply->setReadBufferSize(room);
    // A request with a body starts only in the event loop, and the network thread learns the
    // buffer's size only once it has the request: said again then, and when the answer begins,
    // it holds the thread to the cap instead of letting it read on ahead of the main thread.
    const auto limit = [reply, room] { reply->setReadBufferSize(room); };
    QObject::connect(reply, &QNetworkReply::requestSent, reply, limit);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, limit);
    const auto cut = [reply, maxBytes](qint64 received, qint64 total) {
        if (received > maxBytes || total > maxBytes) {
            reply->setProperty(TooLargeMark, maxBytes);
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, cut);
    QObject::connect(reply, &QNetworkReply::readyRead, reply,
                     [reply, cut] { cut(reply->bytesAvailable(), -1); });
}

bool TooLarge(const QNetworkReply &reply)
{
    return reply.property(TooLargeMark).isValid();
}

int StatusOf(const QNetworkReply &reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool CutShort(const QNetworkReply &reply)
{
    return reply.property(TooLargeMark).isValid() ||
           reply.error() == QNetworkReply::OperationCanceledError ||
           reply.error() == QNetworkReply::TimeoutError;
}

bool Redirected(const QNetworkReply &reply)
{
    const int status = StatusOf(reply);
    return (status >= 300 && status < 400 && status != 304) ||
           reply.error() == QNetworkReply::InsecureRedirectError ||
           reply.error() == QNetworkReply::TooManyRedirectsError;
}

QString SyncText(const Words &words, const char *english)
{
    return QString::fromStdString(words(english));
}

QString Said(const Message &message, const Words &words)
{
    return QString::fromStdString(message.Said(words));
}

Message AnswerMessage(const QNetworkReply &reply)
{
    const int status = StatusOf(reply);
    if (const QVariant cap = reply.property(TooLargeMark); cap.isValid())
        return {QT_TRANSLATE_NOOP("Messages",
                                  "the server's answer was larger than %1 bytes and was cut off"),
                {std::to_string(cap.toLongLong())}};
    if (Redirected(reply)) {
        const QUrl target =
            reply.url().resolved(QUrl::fromEncoded(reply.rawHeader("Location").left(2048)));
        return {QT_TRANSLATE_NOOP(
                    "Messages",
                    "the server sent the request on to %1; Moonrill sends the password only to "
                    "the address set (%2), so it was not followed"),
                {Shown(target).toStdString(),
                 Shown(reply.url().adjusted(QUrl::RemovePath | QUrl::RemoveQuery)).toStdString()}};
    }
    if (CutShort(reply))
        return {QT_TRANSLATE_NOOP("Messages", "the server did not answer in time")};
    if (status == 401 || status == 403)
        return {
            QT_TRANSLATE_NOOP("Messages", "the server did not accept the user name and password")};
    if (status >= 200 && status < 300)
        return {};
    if (status != 0)
        return {QT_TRANSLATE_NOOP("Messages", "the server answered %1 %2"),
                {std::to_string(status), reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute)
                                             .toString()
                                             .left(200)
                                             .toStdString()}};
    // The network layer's own words (the connection refused, the name not found) are its to say.
    return Message::Verbatim(reply.errorString().toStdString());
}

QString AnswerTrouble(const QNetworkReply &reply, const Words &words)
{
    return Said(AnswerMessage(reply), words);
}

QString Shown(const QUrl &url)
{
    return url.toString(QUrl::RemoveUserInfo);
}

Message UrlMessage(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return {QT_TRANSLATE_NOOP("Messages", "%1 is no address of a calendar"),
                {Shown(url).toStdString()}};
    if (!url.userInfo().isEmpty())
        return {QT_TRANSLATE_NOOP("Messages", "%1 holds a user name or password: give them "
                                              "in their own fields, not in the "
                                              "address"),
                {Shown(url).toStdString()}};
    if (url.scheme() == QLatin1String("https"))
        return {};
    const QHostAddress host(url.host());
    if (url.scheme() == QLatin1String("http") &&
        (host.isLoopback() || url.host() == QLatin1String("localhost")))
        return {};
    return {
        QT_TRANSLATE_NOOP("Messages", "%1 does not use https: the password would travel readable"),
        {Shown(url).toStdString()}};
}

QString UrlTrouble(const QUrl &url, const Words &words)
{
    return Said(UrlMessage(url), words);
}
