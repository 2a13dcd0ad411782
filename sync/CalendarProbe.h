// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkReply;

#include <optional>
#include <vector>

/// One resource of a PROPFIND answer, with what a client needs to know of it.
struct DavResource
{
    QUrl url;
    QString name;             // its display name; empty where it has none
    bool isCalendar = false;  // its resource type names a calendar collection
    bool holdsEvents = false; // a calendar whose components include events (or are not listed)
    QUrl calendarHome;        // where the account's calendars are (calendar-home-set)
    QUrl principal;           // the account itself (current-user-principal)
};

/// The resources a multistatus answer tells of, hrefs taken relative to `base`; no value where
/// it is no readable XML, or declares a document type (entities are never expanded).
[[nodiscard]] std::optional<std::vector<DavResource>> ReadPropfind(const QByteArray &multistatus,
                                                                   const QUrl &base);

/// What the Test of the settings found at an address.
struct ProbeResult
{
    enum class Kind
    {
        Calendar,   // the address is a calendar collection that takes events
        NoEvents,   // a calendar collection, but of other components (tasks, journal)
        Calendars,  // an account, principal or home: the calendars found there
        NoCalendar, // none of these
        Trouble,    // the server could not be asked: `trouble` says why
    };
    Kind kind = Kind::NoCalendar;
    QString name;                       // the calendar's name (Calendar)
    std::vector<DavResource> calendars; // the calendars that take events (Calendars)
    QString trouble;
    int status = 0; // the server's answer (Trouble): none where it did not answer at all
};
Q_DECLARE_METATYPE(ProbeResult)

/// Tells what stands at an address: asks it for its resource type and components; for an
/// account's or principal's address it finds the calendars there (current-user-principal, then
/// calendar-home-set, then the home's calendars). Every request goes only to the address's own
/// scheme, host and port, ends in time and has its answer capped.
class CalendarProbe : public QObject
{
    Q_OBJECT

public:
    explicit CalendarProbe(QObject *parent = nullptr) : QObject(parent) {}
    /// Asks `url` with `authorization`; what it finds is said in `words`.
    void Start(const QUrl &url, const QByteArray &authorization, Words words = AsIs);

    /// Asks the server to make a calendar of events at `url` (MKCALENDAR), named after the
    /// address's last part; ends as a Calendar where the server made it, else with its answer.
    void Make(const QUrl &url, const QByteArray &authorization, Words words = AsIs);

signals:
    void finished(const ProbeResult &result);

private:
    void ask(const QUrl &url, int depth, int step);
    void answered(const QUrl &url, const std::vector<DavResource> &resources, int step);
    void end(ProbeResult result);
    /// What an answer other than the one asked for says, in the user's words.
    [[nodiscard]] ProbeResult refused(const QNetworkReply &reply) const;

    QNetworkAccessManager m_network;
    QUrl m_origin;
    QByteArray m_authorization;
    Words m_words;
};
