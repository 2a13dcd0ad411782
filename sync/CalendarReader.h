// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Message.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
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

/// What a read of a calendar's objects brought.
struct FetchedObjects
{
    std::unordered_map<std::string, std::string> texts; // href → calendar data
    std::vector<std::string> gone;                      // hrefs answered 404: removed meanwhile
    std::vector<UnheldObject> unread; // objects no answer could carry, by their file names
};

/// Reads a calendar collection: what changed since the last sync (the sync-collection report
/// with its token, where the server keeps tokens; every object's ETag where it does not, or
/// refuses the token) and then the objects asked for, many to a request. Every request ends by
/// its patience or the deadline, and its answer is capped; a listing is capped as a whole, over
/// all its parts. An object that no answer can carry is left out and named; the rest are read.
class CalendarReader : public QObject
{
    Q_OBJECT

public:
    using Listed = std::function<void(const ServerListing &listing, const Message &trouble)>;
    using Read = std::function<void(FetchedObjects fetched, const Message &trouble)>;

    /// Lists `collection` (its path ends in "/") with `authorization` from `token`, asking with
    /// PROPFIND at once where `propfindOnly` (the server is known to keep no tokens); `done`
    /// follows, always.
    void List(const QUrl &collection, const QByteArray &authorization, const std::string &token,
              QDeadlineTimer deadline, Listed done, bool propfindOnly = false);
    /// Whether the last listing found that the server keeps no tokens (it refused
    /// sync-collection, and PROPFIND answered).
    [[nodiscard]] bool PropfindOnly() const { return m_propfindOnly; }
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
    /// Takes a part of a listing into m_listing; why the listing ends there, if it must.
    [[nodiscard]] Message takePart(ObjectAnswer &answer, qint64 bytes);
    QNetworkReply *send(const QByteArray &method, int depth, const QByteArray &body, qint64 cap);
    /// Why `reply` gave nothing to read; empty when it did.
    [[nodiscard]] Message trouble(const QNetworkReply &reply) const;
    /// Reads the answer of `reply` into `answer`; why it could not, the reading then ended.
    [[nodiscard]] Message read(QNetworkReply &reply, ObjectAnswer &answer);

    QNetworkAccessManager m_network;
    QUrl m_collection;
    QString m_collectionPath;
    QByteArray m_authorization;
    QDeadlineTimer m_deadline;
    Listed m_listed;
    Read m_read;
    ServerListing m_listing;
    std::unordered_set<std::string> m_tokens; // the tokens of the listing's parts so far
    size_t m_listedHrefs = 0;
    qint64 m_listedBytes = 0;
    bool m_propfindOnly = false;
    std::vector<std::string> m_hrefs;
    std::deque<std::pair<size_t, size_t>> m_batches; // ranges of m_hrefs still to read
    FetchedObjects m_fetched;
    int m_requests = 0;
    int m_parts = 0;
    size_t m_objectBytes = 0;
    QTimer m_timeUp;
};
