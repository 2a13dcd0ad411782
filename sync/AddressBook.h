// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <string>

class QNetworkAccessManager;
class QNetworkReply;

/// Asks the CardDAV address book at `url` for every card it holds, with `authorization`: one
/// REPORT addressbook-query with Depth 1, which returns the cards themselves. The answer is
/// capped and ends in time (DavRequest, CapAnswer).
[[nodiscard]] QNetworkReply *RequestCards(QNetworkAccessManager &network, const QUrl &url,
                                          const QByteArray &authorization);

/// The cards of a multistatus answer to RequestCards, one after the other, as one vCard text
/// for the address-book reader, in `cards`. An address-data of another shape (elements inside)
/// is passed over, and the cards after it are read all the same. False where the answer is no
/// readable XML, or declares a document type: entities are never expanded.
[[nodiscard]] bool CardsOf(const QByteArray &multistatus, std::string &cards);
