#pragma once

#include "AtomicFile.h"
#include "Date.h"
#include "MoonrillError.h"

#include <cstdint>
#include <functional>
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

/// One good line of the event file as read: views into the line, the date already moved to the
/// event's next occurrence.
struct EventLineView
{
    std::string_view Description;
    Date StartingOn;
    std::string_view Occurs;
    int16_t Period = 0;
    std::string_view PeriodText; // as written
    std::string_view Email;
    std::string_view DateText; // the date as written
    bool Moved = false;        // whether StartingOn differs from the date written
};

/// The event file at `path`, mapped for reading, created holding one empty line when it is missing
/// (a failure to create it is thrown). A file that cannot be read gives no value and sets
/// `result.error`.
[[nodiscard]] std::optional<MappedFile> ReadEventFileContent(const std::string &path,
                                                             LoadResult &result);

/// Reads the event lines of `content` as the load does: every event that stays (not a one-time
/// event that is over) goes to `onEvent`, in file order. Damaged lines and lines after an empty
/// line are counted in `result.ignored`; a MoonrillError from the reading or from `onEvent`
/// stops the read and becomes `result.error`.
void ReadEventLines(std::string_view content, Date today, LoadResult &result,
                    const std::function<void(const EventLineView &)> &onEvent);

/// Whether a load left out lines the file holds (damaged, unread or not reached), so that the
/// file must be kept as a backup before it is replaced.
[[nodiscard]] inline bool IsLossyLoad(const LoadResult &result)
{
    return result.error.has_value() || result.ignored > 0;
}

/// Reads the event file at `path` into `state`, moving each event to its next occurrence from
/// `today`. A missing file is created holding one empty line; when that fails the error is
/// thrown. Whenever the load leaves out lines the file holds (damaged, unread or not reached),
/// the state remembers to keep a backup before the next save.
LoadResult LoadEvents(EventState &state, const std::string &path, Date today);

/// Writes every record in insertion order and the closing empty line, replacing the file
/// atomically, and marks the state saved. Before the first save after a lossy load the old file
/// is kept as BackupPath(path). Throws a MoonrillError (the state then stays not saved).
void SaveEvents(EventState &state, const std::string &path);

/// Keeps the event file at `path` as it is now as BackupPath(path), before it is replaced; the
/// backups kept before move one age back, and the oldest of BackupCount is dropped.
void KeepBackup(const std::string &path);

/// Replaces the event file at `path` with `content` atomically; with `keepBackup` the file
/// as it was is kept as BackupPath(path) first.
void WriteEventFile(const std::string &path, const std::string &content, bool keepBackup);

/// The whole content SaveEvents writes for `state`.
[[nodiscard]] std::string EventFileContent(const EventState &state);

/// Removes every event; see EventState::Clear.
bool ClearEvents(EventState &state);

/// How many backups of the event file are kept: "events.mrl.bak" (the newest), then
/// "events.mrl.bak.1" and "events.mrl.bak.2".
inline constexpr int BackupCount = 3;

/// The backup of `path` of the given age, beside it: 0 gives "events.mrl.bak" (the newest),
/// 1 "events.mrl.bak.1", and so on.
[[nodiscard]] std::string BackupPath(const std::string &path, int age = 0);

/// The message after a load that ignored lines; names the backup kept of the original file.
[[nodiscard]] std::string IgnoredLinesMessage(int count, const std::string &backupPath);
