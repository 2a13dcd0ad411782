// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Message.h"
#include "Translatable.h"

#include <QByteArray>
#include <QNetworkRequest>
#include <QString>
#include <QUrl>

#include <chrono>
#include <string>

class QNetworkReply;

// What every request to the user's server keeps to: the password only for the address the user
// set, an answer of bounded size, and an end in bounded time. A server is a guest: whatever it
// does costs the program seconds and a few megabytes, never the scan or a change.

/// The longest a request waits without a byte coming back before it is given up.
inline constexpr std::chrono::seconds RequestPatience{20};
/// The same for a listing of a calendar or a read of its objects: a server that keeps no cache
/// takes most of a minute to list a few thousand objects before its first byte.
inline constexpr std::chrono::seconds ListingPatience{90};
/// The longest any request takes, however its answer comes: a server that drips its answer a
/// byte at a time is never silent long enough to be given up for silence.
inline constexpr std::chrono::minutes RequestDeadline{3};
/// The largest answer to a put, a removal or a look at one object (its body is not needed).
inline constexpr qint64 SmallAnswerBytes = 64 * 1024;
/// The largest multistatus answer (an address book, a folder's list of calendars).
inline constexpr qint64 LargeAnswerBytes = 64 * 1024 * 1024;
/// The longest ETag kept: a longer one is no version tag a server means.
inline constexpr qsizetype MaxEtagBytes = 1024;

/// An ETag as it may be kept: none where it is longer than any a server means or holds a
/// control character (the state file keeps it on a line of tab-separated fields).
[[nodiscard]] std::string KeptEtag(const QByteArray &etag);

/// The value of a Basic Authorization header for `user` and `password`.
[[nodiscard]] QByteArray BasicAuthorization(const QString &user, const QString &password);

/// A request for `url` carrying `authorization`, followed to no other address (a redirect to
/// another scheme, host or port ends the request; the password never goes there), given up
/// after `patience` without an answer.
[[nodiscard]] QNetworkRequest DavRequest(const QUrl &url, const QByteArray &authorization,
                                         std::chrono::milliseconds patience = RequestPatience);

/// Ends `reply` once its answer passes `maxBytes`, or once it has taken `deadline`; AnswerTrouble
/// then says so.
void CapAnswer(QNetworkReply *reply, qint64 maxBytes,
               std::chrono::milliseconds deadline = RequestDeadline);
/// Whether `reply` was ended because its answer passed the size it was capped at.
[[nodiscard]] bool TooLarge(const QNetworkReply &reply);

/// Why a finished `reply` did not bring an answer worth reading; empty when it did (a status
/// from 200 to 299, or one the caller looks at itself).
[[nodiscard]] Message AnswerMessage(const QNetworkReply &reply);
/// The same, in `words`.
[[nodiscard]] QString AnswerTrouble(const QNetworkReply &reply, const Words &words = AsIs);
/// Whether `reply` ended before its whole answer came: given up for time, cut off for size, or
/// stopped. Whatever its status said, the request counts as not done.
[[nodiscard]] bool CutShort(const QNetworkReply &reply);
/// Whether `reply` was sent on to another address, which is not followed: the sync stops.
[[nodiscard]] bool Redirected(const QNetworkReply &reply);
/// The HTTP status of `reply`; 0 where none came.
[[nodiscard]] int StatusOf(const QNetworkReply &reply);

/// The address as it may be shown or kept: without a user name or password.
[[nodiscard]] QString Shown(const QUrl &url);

/// Why `url` may not carry a password: empty when it may (https, or plain http to this machine).
/// An address with a user name or password in it is refused: they go in their own fields.
[[nodiscard]] Message UrlMessage(const QUrl &url);
/// The same, in `words`.
[[nodiscard]] QString UrlTrouble(const QUrl &url, const Words &words = AsIs);

/// `english`, one of the sync's fixed texts, in `words`.
[[nodiscard]] QString SyncText(const Words &words, const char *english);
/// `message` in `words`.
[[nodiscard]] QString Said(const Message &message, const Words &words);
