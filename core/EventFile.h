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

/// Writes a new content of the event file in pieces, comparing it with the old content as it
/// goes: while the two agree nothing is written, and when the whole new content equals the old
/// the file is left as it is (most starts move no date). Otherwise the content goes to a
/// temporary file that Commit renames into place, so that no large buffer is ever held.
class EventFileWriter
{
public:
    /// `old` is the file's present content; it must stay readable until Commit.
    EventFileWriter(std::string path, std::string_view old) : m_path(std::move(path)), m_old(old)
    {
        m_out.reserve(PieceSize + PieceSize / 4);
    }

    /// The content is appended here; call LineDone after each line.
    [[nodiscard]] std::string &Buffer() { return m_out; }
    void LineDone()
    {
        if (m_out.size() >= PieceSize)
            writePiece();
    }

    /// Puts the new content in place unless it equals the old; with `keepBackup` the file as it
    /// was is kept first (KeepBackup). Throws a MoonrillError, also for a write that failed
    /// part-way; the old file then stays as it was.
    void Commit(bool keepBackup);

private:
    static constexpr size_t PieceSize = size_t{128} * 1024;

    void writePiece();
    void startWriter();

    std::string m_path;
    std::string_view m_old;
    size_t m_unchanged = 0; // the length of the old content the new one has repeated so far
    std::string m_out;
    std::optional<AtomicFileWriter> m_writer;
    std::optional<MoonrillError> m_writeError;
};

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
