// SPDX-License-Identifier: GPL-3.0-or-later
#include "AddressBook.h"

#include "DavRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QXmlStreamReader>

namespace {

const QString CardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");

} // namespace

QNetworkReply *RequestCards(QNetworkAccessManager &network, const QUrl &url,
                            const QByteArray &authorization)
{
    QNetworkRequest request = DavRequest(url, authorization);
    request.setRawHeader("Depth", "1");
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/xml; charset=utf-8"));
    QNetworkReply *reply =
        network.sendCustomRequest(request, "REPORT",
                                  QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                                    "<C:addressbook-query xmlns:D=\"DAV:\" "
                                                    "xmlns:C=\"urn:ietf:params:xml:ns:carddav\">"
                                                    "<D:prop><D:getetag/><C:address-data/></D:prop>"
                                                    "</C:addressbook-query>"));
    CapAnswer(reply, LargeAnswerBytes);
    return reply;
}

bool CardsOf(const QByteArray &multistatus, std::string &cards)
{
    cards.clear();
    QXmlStreamReader xml(multistatus);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        // A server has no reason to declare entities; one that does may mean to expand them
        // a billion times.
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
            return false;
        if (token == QXmlStreamReader::StartElement && xml.namespaceUri() == CardDav &&
            xml.name() == QLatin1String("address-data")) {
            // Text only: anything else inside is skipped, and reading goes on after it.
            const QString card = xml.readElementText(QXmlStreamReader::SkipChildElements);
            if (!card.trimmed().isEmpty()) {
                cards += card.toStdString();
                cards += "\r\n";
            }
        }
    }
    return !xml.hasError();
}
