// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarExport.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the list and a calendar on a CalDAV server last agreed on, kept beside the event file,
// one line an object: its UID, a hash of its text as the list writes it, the ETag and the href
// the server gave it, a hash of the server's text, and, for an object the list cannot hold,
// its name. A line "#calendar" names the calendar and the user the state belongs to, a line
// "#token" keeps the server's sync token, and a line "#listing propfind" says the server keeps
// none. Objects Moonrill never saw are never touched without being read first. Nothing a server
// sent reaches the file unchecked: every field is one line of plain text, and an href read back
// must lie inside the calendar it belongs to.

/// The file beside the event file that keeps the state: "events.mrl.published".
inline constexpr std::string_view SyncStateSuffix = ".published";

/// One object as last agreed.
struct AgreedObject
{
    std::string uid;
    uint64_t hash = 0; // of its text as the list writes it, the time stamp left out; 0 where the
                       // list does not hold it
    std::string etag;  // as the server gave it; empty when it gave none
    std::string href;  // the server's path of it; empty for the collection's path + UID + ".ics"
    uint64_t serverHash = 0; // of its text as the server holds it; 0 when not known
    std::string unheld;      // the name of an object the list cannot hold; empty otherwise

    friend bool operator==(const AgreedObject &, const AgreedObject &) = default;
};

/// The whole state: the objects, sorted by UID, and the server's sync token.
struct SyncState
{
    std::string token;
    std::vector<AgreedObject> objects;
    std::string calendar;      // the calendar's address and the user, as CalendarKey gives them
    bool propfindOnly = false; // the server keeps no tokens: its objects are listed by PROPFIND

    friend bool operator==(const SyncState &, const SyncState &) = default;
};

/// What names the calendar a state belongs to: its address and the user, a tab between them.
[[nodiscard]] std::string CalendarKey(std::string_view url, std::string_view user);

/// Whether `href` (a decoded path) names an object right inside the collection at
/// `collectionPath` (which ends in "/"): not the collection itself, nothing below or above it,
/// no control character.
[[nodiscard]] bool InsideCollection(std::string_view href, std::string_view collectionPath);

/// `state` as it may be used for the calendar `calendarKey` at `collectionPath`: empty (a first
/// sync) where it belongs to another calendar or user; without the objects whose href lies
/// outside the collection. A state from before calendars were named is taken as this one's.
[[nodiscard]] SyncState StateFor(SyncState state, const std::string &calendarKey,
                                 std::string_view collectionPath);

/// The state file beside `eventFile`.
[[nodiscard]] std::string SyncStatePath(const std::string &eventFile);
/// The state the file at `path` keeps; an empty one where there is no such file yet. Throws a
/// MoonrillError where it cannot be read.
[[nodiscard]] SyncState ReadSyncStateFile(const std::string &path);

/// The state a state file's text keeps; lines that are not at least three tab-separated fields
/// with a hexadecimal hash are left out (a file of three fields a line, from a version that
/// only published, reads with no hrefs and no server hashes).
[[nodiscard]] SyncState ReadSyncState(std::string_view text);
/// The state file's text for `state`.
[[nodiscard]] std::string SyncStateText(const SyncState &state);

/// One request of a sync.
struct SyncStep
{
    enum class Kind
    {
        Create, // an object the server has not had from us: put only where none stands
        Change, // one the server has, changed: put only over the version we read
        Remove, // one the list no longer has: removed only if the server's is the version we read
    };
    Kind kind = Kind::Create;
    std::string uid;
    std::string text;  // the object's text (not for Remove)
    uint64_t hash = 0; // of the object as the list writes it
    std::string etag;  // the version it goes over (Change, Remove)
    std::string href;  // where it stands; empty for the collection's path + UID + ".ics"

    /// The state of the object once the server took the step, with the ETag it answered.
    [[nodiscard]] AgreedObject Agreed(std::string answeredEtag) const;
};

/// The hash of an object's text, its DTSTAMP line left out (it changes with every sync).
[[nodiscard]] uint64_t ObjectHash(std::string_view text);
