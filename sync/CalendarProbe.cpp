// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarProbe.h"

#include "DavRequest.h"

#include <QNetworkReply>
#include <QXmlStreamReader>

namespace {

const QString Dav = QStringLiteral("DAV:");
const QString CalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");
// The answer a WebDAV server gives to PROPFIND: one status for each resource asked of.
constexpr int MultiStatus = 207;

/// The steps of a probe: the address itself, the principal it named, the home of calendars.
enum Step
{
    AddressStep,
    PrincipalStep,
    HomeStep,
};

const QByteArray PropfindBody = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<D:propfind xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><D:prop>"
    "<D:resourcetype/><D:displayname/><C:supported-calendar-component-set/>"
    "<D:current-user-principal/><C:calendar-home-set/>"
    "</D:prop></D:propfind>");

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host() == b.host() &&
           a.port(a.scheme() == QLatin1String("https") ? 443 : 80) ==
               b.port(b.scheme() == QLatin1String("https") ? 443 : 80);
}

/// The href inside the element the reader stands at (calendar-home-set, current-user-principal).
QUrl hrefInside(QXmlStreamReader &xml, const QUrl &base)
{
    QUrl found;
    const QStringView element = xml.name();
    const QString name = element.toString();
    while (!xml.atEnd() &&
           !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == name)) {
        if (xml.isStartElement() && xml.namespaceUri() == Dav &&
            xml.name() == QLatin1String("href"))
            found = base.resolved(
                QUrl(xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed()));
    }
    return found;
}

} // namespace

std::optional<std::vector<DavResource>> ReadPropfind(const QByteArray &multistatus,
                                                     const QUrl &base)
{
    std::vector<DavResource> resources;
    QXmlStreamReader xml(multistatus);
    DavResource *current = nullptr;
    bool componentsListed = false;
    bool eventsListed = false;
    const auto close = [&] {
        if (current != nullptr && current->isCalendar)
            current->holdsEvents = !componentsListed || eventsListed;
    };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
            return std::nullopt;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (xml.namespaceUri() == Dav && name == QLatin1String("response")) {
            close();
            resources.emplace_back();
            current = &resources.back();
            componentsListed = eventsListed = false;
        } else if (current == nullptr) {
            continue;
        } else if (xml.namespaceUri() == Dav && name == QLatin1String("href") &&
                   current->url.isEmpty()) {
            current->url = base.resolved(
                QUrl(xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed()));
        } else if (xml.namespaceUri() == Dav && name == QLatin1String("displayname")) {
            current->name = xml.readElementText(QXmlStreamReader::SkipChildElements).left(200);
        } else if (xml.namespaceUri() == CalDav && name == QLatin1String("calendar")) {
            current->isCalendar = true;
        } else if (xml.namespaceUri() == CalDav && name == QLatin1String("comp")) {
            componentsListed = true;
            eventsListed = eventsListed || xml.attributes().value(QStringLiteral("name")) ==
                                               QLatin1String("VEVENT");
        } else if (xml.namespaceUri() == CalDav && name == QLatin1String("calendar-home-set")) {
            current->calendarHome = hrefInside(xml, base);
        } else if (xml.namespaceUri() == Dav && name == QLatin1String("current-user-principal")) {
            current->principal = hrefInside(xml, base);
        }
    }
    close();
    if (xml.hasError())
        return std::nullopt;
    return resources;
}

void CalendarProbe::Start(const QUrl &url, const QByteArray &authorization, Words words)
{
    m_words = std::move(words);
    m_origin = url;
    m_authorization = authorization;
    ask(url, 0, AddressStep);
}

void CalendarProbe::ask(const QUrl &url, int depth, int step)
{
    // A principal or home on another server gets no password from us.
    if (!sameOrigin(url, m_origin)) {
        end({.kind = ProbeResult::Kind::Trouble,
             .name = {},
             .calendars = {},
             .trouble = SyncText(m_words,
                                 QT_TRANSLATE_NOOP("Messages", "the server points to %1; Moonrill "
                                                               "sends the password only to the "
                                                               "address set"))
                            .arg(Shown(url)),
             .status = MultiStatus}); // the server did answer, with the address it points to
        return;
    }
    QNetworkRequest request = DavRequest(url, m_authorization);
    request.setRawHeader("Depth", QByteArray::number(depth));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/xml; charset=utf-8"));
    QNetworkReply *reply = m_network.sendCustomRequest(request, "PROPFIND", PropfindBody);
    CapAnswer(reply, LargeAnswerBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply, url, step] {
        reply->deleteLater();
        if (StatusOf(*reply) != MultiStatus) {
            end(refused(*reply));
            return;
        }
        const std::optional<std::vector<DavResource>> resources =
            ReadPropfind(reply->readAll(), url);
        if (!resources) {
            end({.kind = ProbeResult::Kind::Trouble,
                 .name = {},
                 .calendars = {},
                 .trouble = SyncText(m_words, QT_TRANSLATE_NOOP("Messages",
                                                                "the server's answer is no answer "
                                                                "a calendar server gives")),
                 .status = MultiStatus});
            return;
        }
        answered(url, *resources, step);
    });
}

void CalendarProbe::Make(const QUrl &url, const QByteArray &authorization, Words words)
{
    m_words = std::move(words);
    m_origin = url;
    m_authorization = authorization;
    const QStringList parts = url.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QString name = parts.isEmpty() ? QString() : parts.last().left(200);
    const QByteArray body =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<C:mkcalendar xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><D:set><D:prop>"
        "<D:displayname>" +
        name.toHtmlEscaped().toUtf8() +
        "</D:displayname><C:supported-calendar-component-set><C:comp name=\"VEVENT\"/>"
        "</C:supported-calendar-component-set></D:prop></D:set></C:mkcalendar>";
    QNetworkRequest request = DavRequest(url, m_authorization);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/xml; charset=utf-8"));
    QNetworkReply *reply = m_network.sendCustomRequest(request, "MKCALENDAR", body);
    CapAnswer(reply, LargeAnswerBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply, name] {
        reply->deleteLater();
        if (StatusOf(*reply) == 201)
            end({.kind = ProbeResult::Kind::Calendar,
                 .name = name,
                 .calendars = {},
                 .trouble = {}});
        else
            end(refused(*reply));
    });
}

ProbeResult CalendarProbe::refused(const QNetworkReply &reply) const
{
    const QString trouble = AnswerTrouble(reply, m_words);
    return {.kind = ProbeResult::Kind::Trouble,
            .name = {},
            .calendars = {},
            .trouble =
                trouble.isEmpty()
                    ? SyncText(m_words, QT_TRANSLATE_NOOP("Messages", "the server answered %1"))
                          .arg(StatusOf(reply))
                    : trouble,
            .status = StatusOf(reply)};
}

void CalendarProbe::answered(const QUrl &url, const std::vector<DavResource> &resources, int step)
{
    if (step == HomeStep) {
        ProbeResult result{
            .kind = ProbeResult::Kind::Calendars, .name = {}, .calendars = {}, .trouble = {}};
        for (const DavResource &resource : resources) {
            if (resource.isCalendar && resource.holdsEvents)
                result.calendars.push_back(resource);
        }
        if (result.calendars.empty())
            result.kind = ProbeResult::Kind::NoCalendar;
        end(std::move(result));
        return;
    }
    const DavResource *self = resources.empty() ? nullptr : &resources.front();
    if (self != nullptr && self->isCalendar) {
        end({.kind = self->holdsEvents ? ProbeResult::Kind::Calendar : ProbeResult::Kind::NoEvents,
             .name = self->name,
             .calendars = {},
             .trouble = {}});
    } else if (self != nullptr && !self->calendarHome.isEmpty()) {
        ask(self->calendarHome, 1, HomeStep);
    } else if (self != nullptr && !self->principal.isEmpty() && step == AddressStep &&
               self->principal != url) {
        ask(self->principal, 0, PrincipalStep);
    } else {
        end({.kind = ProbeResult::Kind::NoCalendar, .name = {}, .calendars = {}, .trouble = {}});
    }
}

void CalendarProbe::end(ProbeResult result)
{
    m_authorization.clear();
    emit finished(result);
}
