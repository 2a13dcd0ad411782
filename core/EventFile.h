#pragma once

#include "Date.h"
#include "MoonrillError.h"

#include <optional>
#include <string>
#include <string_view>

class EventState;

/// The file that holds every event, one event line each, closed by one empty line.
inline constexpr std::string_view EventFileName = "events.mrl";

/// What a load did, for the main window to show.
struct LoadResult
{
    bool success = false;
    /// Lines left out as damaged, and lines that followed an empty line and so were not read.
    int ignored = 0;
    /// The unexpected error that stopped the load part-way (a period out of range, the
    /// 32,768th event, a file that cannot be read); the rows read before it stay.
    std::optional<MoonrillError> error;
};

/// Reads the event file at `path` into `state`, moving each event to its next occurrence from
/// `today`. A missing file is created holding one empty line; when that fails the error is
/// thrown. Whenever the load leaves out lines the file holds (damaged, unread or not reached),
/// the state remembers to keep a backup before the next save.
LoadResult LoadEvents(EventState &state, const std::string &path, Date today);

/// Writes every record in insertion order and the closing empty line, replacing the file
/// atomically, and marks the state saved. Before the first save after a lossy load the old file
/// is kept as BackupPath(path). Throws a MoonrillError (the state then stays not saved).
void SaveEvents(EventState &state, const std::string &path);

/// The whole content SaveEvents writes for `state`.
[[nodiscard]] std::string EventFileContent(const EventState &state);

/// Removes every event; see EventState::Clear.
bool ClearEvents(EventState &state);

/// "events.mrl" -> "events.mrl.bak", beside it.
[[nodiscard]] std::string BackupPath(const std::string &path);

/// The message after a load that ignored lines; names the backup kept of the original file.
[[nodiscard]] std::string IgnoredLinesMessage(int count, const std::string &backupPath);
