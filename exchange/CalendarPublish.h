// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarExport.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Publishing the list to a calendar on a CalDAV server: what to send, and what was sent. The
// server's calendar mirrors the list: each calendar object that is new or changed since the
// last publish is put, and each one published before that the list no longer has is removed.
// Objects Moonrill did not publish are never touched. What was published is kept beside the
// event file, one line an object: its UID, a hash of its text and the ETag the server gave it.

/// The file beside the event file that keeps what was published: "events.mrl.published".
inline constexpr std::string_view PublishedSuffix = ".published";

/// One object as published.
struct PublishedObject
{
    std::string uid;
    uint64_t hash = 0; // of its text, the time stamp left out
    std::string etag;  // as the server gave it; empty when it gave none

    friend bool operator==(const PublishedObject &, const PublishedObject &) = default;
};

/// The state file beside `eventFile`.
[[nodiscard]] std::string PublishedStatePath(const std::string &eventFile);
/// What the state file at `path` names as published; nothing where there is no such file yet.
/// Throws a MoonrillError where it cannot be read.
[[nodiscard]] std::vector<PublishedObject> ReadPublishedFile(const std::string &path);

/// The objects a state file's text names; lines that are not three tab-separated fields with a
/// hexadecimal hash are left out.
[[nodiscard]] std::vector<PublishedObject> ReadPublished(std::string_view text);
/// The state file's text for `objects`.
[[nodiscard]] std::string PublishedText(const std::vector<PublishedObject> &objects);

/// One request of a publish.
struct PublishStep
{
    enum class Kind
    {
        Create, // an object the server has not had from us: put only where none stands
        Change, // one we published before, changed: put only over what we put
        Remove, // one we published before that the list no longer has
    };
    Kind kind = Kind::Create;
    std::string uid;
    std::string text; // the object's text (not for Remove)
    uint64_t hash = 0;
    std::string etag; // what we put last time (Change, Remove)
};

/// The hash of an object's text, its DTSTAMP line left out (it changes with every publish).
[[nodiscard]] uint64_t ObjectHash(std::string_view text);

/// The requests that make the server mirror `objects`, given what was `published`.
[[nodiscard]] std::vector<PublishStep> PlanPublish(const std::vector<CalendarObject> &objects,
                                                   const std::vector<PublishedObject> &published);
