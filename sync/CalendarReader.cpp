// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarReader.h"

#include "DavRequest.h"

#include <QNetworkReply>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>

namespace {

const QString Dav = QStringLiteral("DAV:");
const QString CalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

/// How many objects one read asks for: a few megabytes of answer at most, for usual objects.
constexpr size_t ObjectsPerRead = 500;
/// How many times a listing goes on from a token of a part answer.
constexpr int MostParts = 100;
/// The most objects a listing names over all its parts: three times a full list's objects (two
/// an event at most), room for the tasks and others' events a calendar holds beside them.
constexpr size_t MostListedHrefs = 200'000;
/// The most a listing's answers hold together.
constexpr qint64 MostListingBytes = 2 * LargeAnswerBytes;
/// The most a sync reads of a calendar's objects in all: more than a list of the most events it
/// holds can come from, and a bound on what a server can make the program keep in memory.
constexpr size_t MostObjectBytes = 256 * 1024 * 1024;

/// The decoded path of an href, where it names an object inside the collection; empty
/// otherwise. A path that climbs out of it ("..") or holds a control character (the state file
/// keeps the path on a line of tab-separated fields) names none.
QString insidePath(const QString &href, const QString &collectionPath)
{
    const QString path = QUrl(href.trimmed()).path(QUrl::FullyDecoded);
    const QString name = path.mid(collectionPath.size());
    const bool plain = std::none_of(path.begin(), path.end(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7f;
    });
    return plain && path.startsWith(collectionPath) && !name.isEmpty() &&
                   !name.contains(QLatin1Char('/')) && name != QLatin1String(".") &&
                   name != QLatin1String("..")
               ? path
               : QString();
}

/// The name an object goes by in a report where it could not be read: its file name.
std::string fileName(const std::string &href)
{
    return href.substr(href.rfind('/') + 1);
}

bool statusSays(const QString &status, int code)
{
    return status.section(QLatin1Char(' '), 1, 1).toInt() == code;
}

QByteArray xmlHref(const std::string &path)
{
    return QUrl::toPercentEncoding(QString::fromStdString(path), "/@:+,;=!$&'()*~")
        .replace('&', "&amp;");
}

} // namespace

bool ReadObjectAnswer(const QByteArray &multistatus, const QString &collectionPath,
                      ObjectAnswer &answer)
{
    QXmlStreamReader xml(multistatus);
    QString href;
    QString status; // the response's own status, outside any propstat
    std::optional<QString> etag;
    std::optional<QString> text;
    bool inPropstat = false;
    bool propOk = false;
    std::optional<QString> propEtag;
    std::optional<QString> propText;
    const auto close = [&] {
        const QString path = insidePath(href, collectionPath);
        if (statusSays(status, 507))
            answer.truncated = true;
        if (path.isEmpty())
            return; // the collection itself, or something outside it: not one of its objects
        if (statusSays(status, 404)) {
            answer.gone.push_back(path.toStdString());
        } else if (etag || text) {
            answer.etags[path.toStdString()] =
                KeptEtag(etag.value_or(QString()).trimmed().toUtf8());
            if (text && !text->trimmed().isEmpty())
                answer.texts[path.toStdString()] = text->toStdString();
        }
    };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        // A server has no reason to declare entities; one that does may mean to expand them.
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
            return false;
        const QStringView name = xml.name();
        const bool dav = xml.namespaceUri() == Dav;
        if (token == QXmlStreamReader::EndElement) {
            if (dav && name == QLatin1String("response"))
                close();
            if (dav && name == QLatin1String("propstat")) {
                // Only the properties a propstat of 200 holds are the object's; its status may
                // come before or after them.
                inPropstat = false;
                if (propOk) {
                    etag = etag ? etag : propEtag;
                    text = text ? text : propText;
                }
            }
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (dav && name == QLatin1String("response")) {
            href.clear();
            status.clear();
            etag.reset();
            text.reset();
        } else if (dav && name == QLatin1String("href") && href.isEmpty()) {
            href = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (dav && name == QLatin1String("propstat")) {
            inPropstat = true;
            propOk = false;
            propEtag.reset();
            propText.reset();
        } else if (dav && name == QLatin1String("status")) {
            const QString said = xml.readElementText(QXmlStreamReader::SkipChildElements);
            if (inPropstat)
                propOk = statusSays(said, 200);
            else
                status = said;
        } else if (dav && name == QLatin1String("getetag")) {
            propEtag = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.namespaceUri() == CalDav && name == QLatin1String("calendar-data")) {
            propText = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (dav && name == QLatin1String("sync-token")) {
            answer.token = xml.readElementText(QXmlStreamReader::SkipChildElements).toStdString();
        }
    }
    return !xml.hasError();
}

void CalendarReader::List(const QUrl &collection, const QByteArray &authorization,
                          const std::string &token, QDeadlineTimer deadline, Listed done,
                          bool propfindOnly)
{
    m_collection = collection;
    m_collectionPath = collection.path(QUrl::FullyDecoded);
    m_authorization = authorization;
    m_deadline = deadline;
    m_listed = std::move(done);
    m_requests = 0;
    m_objectBytes = 0;
    // Each request gives up after its patience without a byte; a server that drips its answer
    // is stopped at the deadline.
    m_timeUp.setSingleShot(true);
    disconnect(&m_timeUp, nullptr, this, nullptr);
    connect(&m_timeUp, &QTimer::timeout, this, [this] {
        for (QNetworkReply *reply : m_network.findChildren<QNetworkReply *>())
            reply->abort();
    });
    if (!m_deadline.isForever())
        m_timeUp.start(std::chrono::milliseconds(std::max<qint64>(0, m_deadline.remainingTime())));
    m_listing = {};
    m_listing.complete = token.empty() || propfindOnly;
    m_parts = 0;
    m_listedHrefs = 0;
    m_listedBytes = 0;
    m_tokens = {token};
    m_propfindOnly = false;
    list(propfindOnly ? Way::Propfind : token.empty() ? Way::Full : Way::Token, token);
}

QNetworkReply *CalendarReader::send(const QByteArray &method, int depth, const QByteArray &body,
                                    qint64 cap)
{
    const std::chrono::milliseconds patience =
        m_deadline.isForever()
            ? ListingPatience
            : std::min<std::chrono::milliseconds>(
                  ListingPatience,
                  std::chrono::milliseconds(std::max<qint64>(1, m_deadline.remainingTime())));
    QNetworkRequest request = DavRequest(m_collection, m_authorization, patience);
    request.setRawHeader("Depth", QByteArray::number(depth));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/xml; charset=utf-8"));
    QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
    CapAnswer(reply, cap);
    ++m_requests;
    return reply;
}

Message CalendarReader::trouble(const QNetworkReply &reply) const
{
    if (m_deadline.hasExpired())
        return QT_TRANSLATE_NOOP("Messages", "the time for the sync ran out");
    if (CutShort(reply) || Redirected(reply) || StatusOf(reply) != 207)
        return AnswerMessage(reply);
    return {};
}

Message CalendarReader::read(QNetworkReply &reply, ObjectAnswer &answer)
{
    Message why = trouble(reply);
    if (why.empty() && !ReadObjectAnswer(reply.readAll(), m_collectionPath, answer))
        why = QT_TRANSLATE_NOOP("Messages", "the server's answer is no answer a "
                                            "calendar server gives");
    if (!why.empty())
        m_timeUp.stop();
    return why;
}

void CalendarReader::list(Way way, const std::string &token)
{
    static const QByteArray report =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<D:sync-collection xmlns:D=\"DAV:\"><D:sync-token>%1</D:sync-token>"
        "<D:sync-level>1</D:sync-level><D:prop><D:getetag/></D:prop></D:sync-collection>";
    static const QByteArray propfind =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<D:propfind xmlns:D=\"DAV:\"><D:prop><D:getetag/></D:prop></D:propfind>";
    QNetworkReply *reply =
        way == Way::Propfind
            ? send("PROPFIND", 1, propfind, LargeAnswerBytes)
            : send("REPORT", 0,
                   QByteArray(report).replace(
                       "%1", QString::fromStdString(token).toHtmlEscaped().toUtf8()),
                   LargeAnswerBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply, way, token] {
        reply->deleteLater();
        const int status = StatusOf(*reply);
        // A server that keeps no tokens, or no longer this one, is asked again another way; one
        // that refuses us or is gone is not.
        const bool refused =
            status >= 400 && status != 401 && !CutShort(*reply) && !m_deadline.hasExpired();
        if (refused && way != Way::Propfind) {
            m_listing = {}; // complete: from the start
            list(way == Way::Token ? Way::Full : Way::Propfind, {});
            return;
        }
        ObjectAnswer answer;
        const qint64 bytes = reply->bytesAvailable();
        Message why = read(*reply, answer);
        if (why.empty())
            why = takePart(answer, bytes);
        if (!why.empty()) {
            m_timeUp.stop();
            m_listed(m_listing, why);
            return;
        }
        m_listing.token = way == Way::Propfind ? std::string() : answer.token;
        m_propfindOnly = way == Way::Propfind;
        if (answer.truncated && !answer.token.empty()) {
            list(Way::Token, answer.token);
            return;
        }
        m_listed(m_listing, {});
    });
}

Message CalendarReader::takePart(ObjectAnswer &answer, qint64 bytes)
{
    // A server can send part answers without end, each naming new objects, or the same part
    // again and again: the listing as a whole is bounded, and a part seen before ends it.
    m_listedHrefs += answer.etags.size() + answer.gone.size();
    m_listedBytes += bytes;
    if (m_listedHrefs > MostListedHrefs || m_listedBytes > MostListingBytes)
        return {
            QT_TRANSLATE_NOOP("Messages", "the server lists more than %1 objects or "
                                          "%2 MB, more than any calendar holds; "
                                          "nothing was synced"),
            {std::to_string(MostListedHrefs), std::to_string(MostListingBytes / (1024 * 1024))}};
    if (answer.truncated && !answer.token.empty()) {
        if (!m_tokens.insert(answer.token).second)
            return QT_TRANSLATE_NOOP("Messages", "the server sent the same part of its "
                                                 "listing again; nothing was synced");
        if (++m_parts >= MostParts)
            return {QT_TRANSLATE_NOOP("Messages", "the server's listing did not end after "
                                                  "%1 parts; nothing was synced"),
                    {std::to_string(MostParts)}};
    }
    for (auto &[href, etag] : answer.etags)
        m_listing.present[href] = std::move(etag);
    for (std::string &href : answer.gone) {
        m_listing.present.erase(href);
        m_listing.gone.push_back(std::move(href));
    }
    return {};
}

void CalendarReader::Fetch(std::vector<std::string> hrefs, Read done)
{
    m_hrefs = std::move(hrefs);
    m_batches.clear();
    for (size_t begin = 0; begin < m_hrefs.size(); begin += ObjectsPerRead)
        m_batches.emplace_back(begin, std::min(m_hrefs.size(), begin + ObjectsPerRead));
    m_fetched = {};
    m_read = std::move(done);
    fetchNext();
}

void CalendarReader::fetchNext()
{
    if (m_batches.empty()) {
        m_timeUp.stop();
        m_read(std::move(m_fetched), {});
        return;
    }
    const auto [begin, end] = m_batches.front();
    m_batches.pop_front();
    QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<C:calendar-multiget xmlns:D=\"DAV:\" "
                      "xmlns:C=\"urn:ietf:params:xml:ns:caldav\">"
                      "<D:prop><D:getetag/><C:calendar-data/></D:prop>";
    for (size_t i = begin; i < end; ++i)
        body += "<D:href>" + xmlHref(m_hrefs[i]) + "</D:href>";
    body += "</C:calendar-multiget>";
    QNetworkReply *reply = send("REPORT", 1, body, LargeAnswerBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply, begin, end] {
        reply->deleteLater();
        ObjectAnswer answer;
        const Message why = trouble(*reply);
        const bool unreadable =
            why.empty() && !ReadObjectAnswer(reply->readAll(), m_collectionPath, answer);
        // One object too large for any answer, or one a server cannot put into XML, spoils the
        // answer it is in: the objects are read in halves, down to that one, which is left out
        // and named, so that the others are read.
        if ((unreadable || TooLarge(*reply)) && !m_deadline.hasExpired()) {
            if (end - begin > 1) {
                m_batches.emplace_front(begin + (end - begin) / 2, end);
                m_batches.emplace_front(begin, begin + (end - begin) / 2);
            } else {
                m_fetched.unread.push_back(
                    {fileName(m_hrefs[begin]),
                     unreadable ? QT_TRANSLATE_NOOP("Messages", "the server's answer with it "
                                                                "cannot be read")
                                : QT_TRANSLATE_NOOP("Messages", "larger than an answer may be"),
                     true});
            }
            fetchNext();
            return;
        }
        if (!why.empty()) {
            m_timeUp.stop();
            m_read({}, why);
            return;
        }
        for (auto &[href, text] : answer.texts) {
            m_objectBytes += text.size();
            m_fetched.texts[href] = std::move(text);
        }
        // An object answered 404 was removed since the listing.
        for (std::string &href : answer.gone)
            m_fetched.gone.push_back(std::move(href));
        if (m_objectBytes > MostObjectBytes) {
            m_timeUp.stop();
            m_read({}, QT_TRANSLATE_NOOP("Messages", "the calendar on the server is larger than "
                                                     "any list it can come from"));
            return;
        }
        fetchNext();
    });
}
