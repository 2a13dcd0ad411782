// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

// moc cannot parse the C++20 standard headers the sync's plan uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "SyncPlan.h"
#endif

class QNetworkReply;

/// What a multistatus answer about a calendar's objects says, hrefs as decoded paths inside the
/// collection at `collectionPath` (others, and the collection itself, are left out).
struct ObjectAnswer
{
    std::unordered_map<std::string, std::string> etags; // href → ETag
    std::unordered_map<std::string, std::string> texts; // href → calendar data, where sent
    std::vector<std::string> gone;                      // hrefs answered 404
    std::string token;                                  // the sync token, where sent
    bool truncated = false; // the server sent only part, and a token to go on from
};
/// Reads `multistatus`; false where it is no readable XML or declares a document type.
[[nodiscard]] bool ReadObjectAnswer(const QByteArray &multistatus, const QString &collectionPath,
                                    ObjectAnswer &answer);

/// Reads a calendar collection: what changed since the last sync (the sync-collection report
/// with its token, where the server keeps tokens; every object's ETag where it does not, or
/// refuses the token) and then the objects asked for, many to a request. Every request ends by
/// its patience or the deadline, and its answer is capped.
class CalendarReader : public QObject
{
    Q_OBJECT

public:
    using Listed = std::function<void(const ServerListing &listing, const QString &trouble)>;
    using Read = std::function<void(std::unordered_map<std::string, std::string> texts,
                                    const QString &trouble)>;

    /// Lists `collection` (its path ends in "/") with `authorization` from `token`; `done`
    /// follows, always.
    void List(const QUrl &collection, const QByteArray &authorization, const std::string &token,
              QDeadlineTimer deadline, Words words, Listed done);
    /// Reads the objects at `hrefs` of the collection listed; `done` follows, always.
    void Fetch(std::vector<std::string> hrefs, Read done);
    /// The requests sent so far.
    [[nodiscard]] int Requests() const { return m_requests; }

private:
    enum class Way
    {
        Token,    // sync-collection from the token kept
        Full,     // sync-collection from the start
        Propfind, // every object's ETag
    };
    void list(Way way, const std::string &token);
    void fetchNext();
    QNetworkReply *send(const QByteArray &method, int depth, const QByteArray &body, qint64 cap);
    /// Why `reply` gave nothing to read; empty when it did.
    [[nodiscard]] QString trouble(const QNetworkReply &reply) const;
    /// Reads the answer of `reply` into `answer`; why it could not, the reading then ended.
    [[nodiscard]] QString read(QNetworkReply &reply, ObjectAnswer &answer);

    QNetworkAccessManager m_network;
    QUrl m_collection;
    QString m_collectionPath;
    QByteArray m_authorization;
    QDeadlineTimer m_deadline;
    Words m_words;
    Listed m_listed;
    Read m_read;
    ServerListing m_listing;
    std::vector<std::string> m_hrefs;
    size_t m_next = 0;
    std::unordered_map<std::string, std::string> m_texts;
    int m_requests = 0;
    int m_parts = 0;
    size_t m_objectBytes = 0;
    QTimer m_timeUp;
};
