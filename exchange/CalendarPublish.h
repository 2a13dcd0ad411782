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
// its name. A first line "#token" keeps the server's sync token. Objects Moonrill never saw
// are never touched without being read first.

/// The file beside the event file that keeps the state: "events.mrl.published".
inline constexpr std::string_view PublishedSuffix = ".published";

/// One object as last agreed.
struct PublishedObject
{
    std::string uid;
    uint64_t hash = 0; // of its text as the list writes it, the time stamp left out; 0 where the
                       // list does not hold it
    std::string etag;  // as the server gave it; empty when it gave none
    std::string href;  // the server's path of it; empty for the collection's path + UID + ".ics"
    uint64_t serverHash = 0; // of its text as the server holds it; 0 when not known
    std::string unheld;      // the name of an object the list cannot hold; empty otherwise

    friend bool operator==(const PublishedObject &, const PublishedObject &) = default;
};

/// The whole state: the objects, sorted by UID, and the server's sync token.
struct SyncState
{
    std::string token;
    std::vector<PublishedObject> objects;

    friend bool operator==(const SyncState &, const SyncState &) = default;
};

/// The state file beside `eventFile`.
[[nodiscard]] std::string PublishedStatePath(const std::string &eventFile);
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
struct PublishStep
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
    [[nodiscard]] PublishedObject Agreed(std::string answeredEtag) const;
};

/// The hash of an object's text, its DTSTAMP line left out (it changes with every publish).
[[nodiscard]] uint64_t ObjectHash(std::string_view text);
