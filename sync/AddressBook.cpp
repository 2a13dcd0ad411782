// SPDX-License-Identifier: GPL-3.0-or-later
#include "AddressBook.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QXmlStreamReader>

namespace {

const QString CardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");

} // namespace

QNetworkReply *RequestCards(QNetworkAccessManager &network, const QUrl &url, const QString &user,
                            const QString &password)
{
    QNetworkRequest request(url);
    request.setRawHeader("Depth", "1");
    request.setRawHeader("Authorization",
                         "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64());
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/xml; charset=utf-8"));
    return network.sendCustomRequest(
        request, "REPORT",
        QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                          "<C:addressbook-query xmlns:D=\"DAV:\" "
                          "xmlns:C=\"urn:ietf:params:xml:ns:carddav\">"
                          "<D:prop><D:getetag/><C:address-data/></D:prop>"
                          "</C:addressbook-query>"));
}

std::string CardsOf(const QByteArray &multistatus)
{
    std::string cards;
    QXmlStreamReader xml(multistatus);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.namespaceUri() == CardDav &&
            xml.name() == QLatin1String("address-data")) {
            cards += xml.readElementText().toStdString();
            cards += "\r\n";
        }
    }
    return cards;
}
