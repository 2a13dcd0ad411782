// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <string>

class QNetworkAccessManager;
class QNetworkReply;

/// Asks the CardDAV address book at `url` for every card it holds, as `user` with `password`:
/// one REPORT addressbook-query with Depth 1, which returns the cards themselves.
[[nodiscard]] QNetworkReply *RequestCards(QNetworkAccessManager &network, const QUrl &url,
                                          const QString &user, const QString &password);

/// The cards of a multistatus answer to RequestCards, one after the other, as one vCard text for
/// the address-book reader.
[[nodiscard]] std::string CardsOf(const QByteArray &multistatus);
