// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContentStamp.h"
#include "Date.h"
#include "EventState.h"

#include <optional>
#include <string>

// The recovery copy: while the list has changes that are not saved, the list as it stands is
// kept beside the event file, so that a session that ends before a save (a logout, a signal, a
// display that goes away) loses nothing. A save removes it; the next plain start offers it back.

/// The recovery copy of the event file at `path`: "events.mrl.recovery" beside it.
[[nodiscard]] std::string RecoveryPath(const std::string &path);

/// Writes the list of `state` to the recovery copy, byte for byte as a save would write it, in
/// one atomic replacement, with the event file's permission bits and owner; beside it, in
/// "events.mrl.recovery.base", the stamp of the event file the list was made over (its
/// DiskStamp), so that a restore can tell whether another program changed the file since.
/// Throws a MoonrillError.
void WriteRecovery(const EventState &state, const std::string &path);

/// Removes the recovery copy, if there is one, and the stamp beside it.
void RemoveRecovery(const std::string &path);

/// What a recovery copy holds.
struct Recovered
{
    std::string content;                  // as it is on disk
    EventState list;                      // read as a load reads the event file, not saved
    std::optional<ContentStamp> madeOver; // the event file it was made over, where kept
};

/// The recovery copy of the event file at `path` and the list it gives on `today`; no value when
/// there is none, or it cannot be read whole (it then stays where it is).
[[nodiscard]] std::optional<Recovered> ReadRecovery(const std::string &path, Date today);
