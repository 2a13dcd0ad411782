// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtomicFile.h"
#include "Backups.h"
#include "ContentStamp.h"
#include "Date.h"
#include "EventLine.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Translatable.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class EventState;

/// The file that holds every event, one event line each, closed by one empty line.
inline constexpr std::string_view EventFileName = "events.mrl";

/// An event that fell due on a day no run of the program saw (MissedOccurrence), and the day
/// it fell due: what the scan shows of it, and where a belated birthday mail goes.
struct MissedEvent
{
    clsEvent event;
    Date on;
};

/// What a load did, for the main window to show.
struct LoadResult
{
    bool success = false;
    /// Lines left out as damaged, and lines that followed an empty line and so were not read.
    int ignored = 0;
    /// The unexpected error that stopped the load part-way (a period out of range, the
    /// 32,768th event, a file that cannot be read); the rows read before it stay.
    std::optional<MoonrillError> error;
    /// The line of the file (counted from 1) at which such an error stopped the read; 0 when
    /// none did.
    int stoppedAtLine = 0;
    /// For a load that left lines out: where the file as read was kept before anything else
    /// happened, or, when it could not be kept, why (the file must then stay as it is).
    std::string backupPath;
    std::string backupFailure;
    /// The events missed since the last day a run saw, in file order (read only when that day
    /// is known).
    std::vector<MissedEvent> missed;
};

/// Whether the file may be replaced after this load: the load succeeded, and whatever it left
/// out is kept in a backup.
[[nodiscard]] inline bool MayReplaceFile(const LoadResult &result)
{
    return result.success && result.backupFailure.empty();
}

/// One good line of the event file as read, the date already moved to the event's next
/// occurrence.
struct EventLineView
{
    EventLineRead line;
    bool moved = false; // whether the event's date differs from the date written
    /// The line and its CR LF as read, when a save would write exactly these bytes for it
    /// (canonical, not moved, ended by CR LF); empty otherwise.
    std::string_view original;
};

/// What the event file is called when something else stands in its place.
inline constexpr std::string_view EventFileNoun = "an event file";

/// The largest event file read: 32,767 events of 2 KB each fit with room to spare, so a larger
/// file is no list of ours, and is neither read nor copied into a backup.
inline constexpr size_t MaxEventFileBytes = size_t{64} * 1024 * 1024;

/// How the event file, its backups and its recovery copy are read.
inline constexpr ReadRules EventFileRules{.noun = EventFileNoun, .maxBytes = MaxEventFileBytes};

/// The content of the event file at `path`, created holding one empty line when it is missing (a
/// failure to create it is thrown). A path that names no regular file, or a file that cannot be
/// read, gives no value and sets `result.error`; nothing is then created or replaced. Clears what
/// killed writers of the file and its backups left beside it first.
[[nodiscard]] std::optional<FileBytes> ReadEventFileContent(const std::string &path,
                                                            LoadResult &result);

/// Reads the event lines of `content` as the load does: every event that stays (not a one-time
/// event that is over) goes to `onEvent`, in file order. A line ends at CR LF, at LF or at a lone
/// CR, in any mix. Damaged lines and lines after an empty
/// line are counted in `result.ignored`; a MoonrillError from the reading or from `onEvent`
/// stops the read and becomes `result.error`, its description naming the line.
/// With `lastSeen`, the events with a notice period of 0 or more that fell due after that day
/// and before `today` (a one-time event among them, though the load drops it) are caught up in
/// `result.missed`; what is loaded does not change.
/// With `texts` OnDemand, an event reaches `onEvent` with its description, type and e-mail
/// only where its line is written anew (`original` empty); elsewhere `onEvent` takes them
/// (TakeEventTexts) if it needs them.
enum class LineTexts : bool
{
    Always,
    OnDemand,
};
void ReadEventLines(std::string_view content, Date today, LoadResult &result,
                    const std::function<void(EventLineView &)> &onEvent,
                    std::optional<Date> lastSeen = std::nullopt,
                    LineTexts texts = LineTexts::Always);

/// Inserts the events of `content` into `state` as ReadEventLines reads them, the rows put in
/// order once at the end.
void ReadEventsInto(EventState &state, std::string_view content, Date today, LoadResult &result,
                    std::optional<Date> lastSeen = std::nullopt);

/// Keeps `content`, the event file at `path` as a load that left lines out read it, as a backup
/// (KeepBackup), and notes in `result` where, or why it could not.
void KeepLossyLoadBackup(const std::string &path, std::string_view content, LoadResult &result);

/// Reads the event file at `path` into `state`, moving each event to its next occurrence from
/// `today`. A missing file is created holding one empty line; when that fails the error is
/// thrown. When the load leaves out damaged or unread lines, the file as read is kept as a backup
/// at once (KeepLossyLoadBackup); when the load stops part-way, or that backup fails, the state
/// remembers to keep one before the next save. The state also remembers the content read, to
/// notice a change by another program at the next save.
LoadResult LoadEvents(EventState &state, const std::string &path, Date today,
                      std::optional<Date> lastSeen = std::nullopt);

/// What a save found.
struct SaveOutcome
{
    /// Where the file was kept because another program had changed it since this state last
    /// read or wrote it; empty when it had not.
    std::string changedFileKeptAs;
    /// Where the file was kept because the list lacks the lines a load could not reach (the
    /// first save after such a load); empty otherwise.
    std::string partialFileKeptAs;
    /// The first line of the file that the list lacks, with partialFileKeptAs.
    int unloadedFromLine = 0;
};

/// The whole content a save writes for `state`: every record's line in insertion order, then
/// the closing empty line.
[[nodiscard]] std::string EventListText(const EventState &state);

/// Writes every record in insertion order and the closing empty line, replacing the file
/// atomically, and marks the state saved. The file on disk is kept as a backup first when a
/// lossy load asked for one, and when another program changed it since the state last read or
/// wrote it. Refuses, as a file system would, a path that names no regular file and a file the
/// process may not write. Throws a MoonrillError (the state then stays not saved and the file as
/// it was).
SaveOutcome SaveEvents(EventState &state, const std::string &path);

/// The message after a save that kept a version another program had written.
[[nodiscard]] std::string ChangedFileMessage(const std::string &backupPath,
                                             const Words &words = AsIs);
/// The message after the first save of a list whose load stopped at line `line`: which file
/// holds the lines the list lacks.
[[nodiscard]] std::string PartialFileMessage(const std::string &backupPath, int line,
                                             const Words &words = AsIs);

/// Writes a new content of the event file in pieces, comparing it with the old content as it
/// goes: while the two agree nothing is written, and when the whole new content equals the old
/// the file is left as it is (most starts move no date). Otherwise the content goes to a
/// temporary file that Commit renames into place, so that no large buffer is ever held.
class EventFileWriter
{
public:
    /// `old` is the file's present content; it must stay readable until Commit. With `stamped`
    /// the writer also builds the new content's stamp, which a caller that keeps the file's
    /// stamp needs (the logon scan does not).
    EventFileWriter(std::string path, std::string_view old, bool stamped = false)
        : m_path(std::move(path)), m_old(old), m_stamped(stamped)
    {
        m_out.reserve(PieceSize + PieceSize / 4);
    }

    /// The content is appended here; call LineDone after each line.
    [[nodiscard]] std::string &Buffer() { return m_out; }
    /// Appends `bytes`, a piece of the old content that the new one repeats at this point (a
    /// line as read). While everything before is unchanged too, it is only counted, not copied
    /// or compared again: a usual logon writes nothing and builds no line.
    void Repeat(std::string_view bytes)
    {
        if (!m_writer && m_out.empty() && !m_stamped &&
            bytes.data() == m_old.data() + m_unchanged) {
            m_unchanged += bytes.size();
            return;
        }
        m_out += bytes;
        LineDone();
    }
    void LineDone()
    {
        if (m_out.size() >= PieceSize)
            writePiece();
    }

    /// Puts the new content in place unless it equals the old. Throws a MoonrillError, also for
    /// a write that failed part-way; the old file then stays as it was.
    void Commit();
    /// The stamp of the whole new content, once committed; only for a stamped writer.
    [[nodiscard]] ContentStamp Stamp() const { return m_hasher.Stamp(); }

private:
    static constexpr size_t PieceSize = size_t{128} * 1024;

    void writePiece();
    void startWriter();

    std::string m_path;
    std::string_view m_old;
    size_t m_unchanged = 0; // the length of the old content the new one has repeated so far
    std::string m_out;
    bool m_stamped;
    ContentHasher m_hasher;
    std::optional<AtomicFileWriter> m_writer;
    std::optional<MoonrillError> m_writeError;
};

/// Removes every event; see EventState::Clear.
void ClearEvents(EventState &state);

/// The message after a load that ignored lines: how many, and where the original file is kept
/// or that it could not be kept and was left as it was.
[[nodiscard]] std::string IgnoredLinesMessage(const LoadResult &result, const Words &words = AsIs);
