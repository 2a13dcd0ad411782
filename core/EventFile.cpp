#include "EventFile.h"

#include "AtomicFile.h"
#include "Conversions.h"
#include "EventLine.h"
#include "EventState.h"
#include "FileRead.h"
#include "Occurrence.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

constexpr std::string_view CrLf = "\r\n";

/// Cuts `content` into lines. CR LF, LF alone and CR alone each end a line, in any mix (files
/// saved by other editors, or on other systems), and the last line may have no line end. A CR
/// inside what looks like one line therefore cuts it in two: two events are never read as one.
class LineReader
{
public:
    explicit LineReader(std::string_view content) : m_content(content), m_nextLf(content.find('\n'))
    {
    }

    [[nodiscard]] bool atEnd() const { return m_at >= m_content.size(); }

    std::string_view next()
    {
        // The next LF is remembered, so a file of CR line ends alone is not searched to its
        // end for every line.
        if (m_nextLf != std::string_view::npos && m_nextLf < m_at)
            m_nextLf = m_content.find('\n', m_at);
        const size_t lineEnd = m_nextLf == std::string_view::npos ? m_content.size() : m_nextLf;
        const size_t cr = m_content.substr(0, lineEnd).find('\r', m_at);
        const size_t end = cr == std::string_view::npos ? lineEnd : cr;
        const std::string_view line = m_content.substr(m_at, end - m_at);
        // CR LF counts once; a CR or LF alone, once.
        const bool crLf = cr != std::string_view::npos && cr + 1 == m_nextLf;
        m_at = end + (crLf ? 2 : 1);
        return line;
    }

private:
    std::string_view m_content;
    size_t m_at = 0;
    size_t m_nextLf;
};

int countNonEmptyLines(LineReader &reader)
{
    int count = 0;
    while (!reader.atEnd()) {
        if (!reader.next().empty())
            ++count;
    }
    return count;
}

} // namespace

bool ClearEvents(EventState &state)
{
    return state.Clear();
}

std::optional<std::string> ReadEventFileContent(const std::string &path, LoadResult &result)
{
    RemoveStaleTemporariesOf(path);
    // The whole file is read into memory, never mapped: the load may wait on a question while
    // another program truncates the file, which must not take the program down.
    const ReadRules rules{.noun = EventFileNoun};
    try {
        if (std::optional<std::string> content = ReadWholeFile(path, rules))
            return content;
    } catch (const MoonrillError &error) {
        result.error = error;
        return std::nullopt;
    }
    // No file yet: start one holding just the closing empty line, and read that.
    WriteFileAtomically(path, CrLf,
                        WriteRules{.followLinks = true, .modeFrom = {}, .noun = EventFileNoun});
    try {
        return ReadWholeFile(path, rules).value_or(std::string());
    } catch (const MoonrillError &error) {
        result.error = error;
        return std::nullopt;
    }
}

void ReadEventLines(std::string_view content, Date today, LoadResult &result,
                    const std::function<void(const EventLineView &)> &onEvent)
{
    LineReader reader(content);
    while (!reader.atEnd()) {
        const std::string_view line = reader.next();
        if (line.empty()) {
            result.ignored += countNonEmptyLines(reader);
            break;
        }
        try {
            const std::optional<EventLineFields> fields = ReadEventLine(line);
            if (!fields) {
                ++result.ignored;
                continue;
            }
            const std::optional<Date> next =
                NextOccurrence(fields->StartingOn, fields->Occurs, today);
            if (!next)
                continue;
            EventLineView event{*fields};
            event.Moved = *next != fields->StartingOn;
            event.StartingOn = *next;
            onEvent(event);
        } catch (const MoonrillError &error) {
            result.error = error;
            break;
        }
    }
    result.success = !result.error;
}

void KeepLossyLoadBackup(const std::string &path, std::string_view content, LoadResult &result)
{
    try {
        KeepBackup(path, content);
        result.backupPath = BackupPath(path);
    } catch (const MoonrillError &error) {
        result.backupFailure = error.what();
    }
}

LoadResult LoadEvents(EventState &state, const std::string &path, Date today)
{
    LoadResult result;
    if (state.RowCount() > 0 && !ClearEvents(state))
        return result;

    const std::optional<std::string> file = ReadEventFileContent(path, result);
    if (!file)
        return result;
    state.SetDiskStamp(StampOf(*file));
    {
        const std::string_view content = *file;
        auto lines = static_cast<size_t>(std::count(content.begin(), content.end(), '\n'));
        if (lines == 0)
            lines = static_cast<size_t>(std::count(content.begin(), content.end(), '\r'));
        EventState::BulkInsert bulk(state, lines + 1);
        ReadEventLines(content, today, result, [&state, today](const EventLineView &event) {
            state.Insert(OwnedFields(event, event.StartingOn), today);
        });
    }
    if (result.ignored > 0 && !result.error)
        KeepLossyLoadBackup(path, *file, result);
    // What could not be kept now is kept by the save that would replace it.
    if (result.error || !result.backupFailure.empty())
        state.SetBackupBeforeSave(true);
    return result;
}

std::string EventFileContent(const EventState &state)
{
    std::string content;
    content.reserve(state.Events().size() * 64 + 2);
    for (const clsEvent &event : state.Events()) {
        AppendEventLine(content, event);
        content += CrLf;
    }
    content += CrLf;
    return content;
}

void EventFileWriter::writePiece()
{
    if (m_stamped)
        m_hasher.Add(m_out);
    if (!m_writer && m_old.substr(m_unchanged, m_out.size()) == m_out) {
        m_unchanged += m_out.size();
        m_out.clear();
        return;
    }
    if (!m_writer)
        startWriter();
    // A failure is kept for Commit to report, so that the messages keep their order.
    if (m_writeError)
        return;
    try {
        m_writer->Write(m_out);
        m_out.clear();
    } catch (const MoonrillError &error) {
        m_writeError = error;
    }
}

void EventFileWriter::startWriter()
{
    try {
        m_writer.emplace(m_path,
                         WriteRules{.followLinks = true, .modeFrom = {}, .noun = EventFileNoun});
        m_writer->Write(m_old.substr(0, m_unchanged));
    } catch (const MoonrillError &error) {
        m_writeError = error;
    }
}

void EventFileWriter::Commit()
{
    writePiece();
    if (m_writeError)
        throw *m_writeError;
    if (!m_writer && m_unchanged == m_old.size())
        return;
    if (!m_writer)
        startWriter();
    if (m_writeError)
        throw *m_writeError;
    m_writer->Commit();
}

SaveOutcome SaveEvents(EventState &state, const std::string &path)
{
    // The file as it is now: kept when another program changed it, and compared with the new
    // content so that an unchanged file is left alone. One that cannot be read is not replaced.
    const std::optional<std::string> old = ReadWholeFile(path, ReadRules{.noun = EventFileNoun});
    SaveOutcome outcome;
    const bool changedByOther = old && state.DiskStamp() && StampOf(*old) != *state.DiskStamp();
    if (old && (changedByOther || state.BackupBeforeSave())) {
        KeepBackup(path, *old);
        if (changedByOther)
            outcome.changedFileKeptAs = BackupPath(path);
    }
    EventFileWriter writer(path, old ? std::string_view(*old) : std::string_view{}, true);
    for (const clsEvent &event : state.Events()) {
        AppendEventLine(writer.Buffer(), event);
        writer.Buffer() += CrLf;
        writer.LineDone();
    }
    writer.Buffer() += CrLf;
    writer.Commit();
    state.SetDiskStamp(writer.Stamp());
    state.SetBackupBeforeSave(false);
    state.SetSaved(true);
    return outcome;
}

std::string IgnoredLinesMessage(const LoadResult &result)
{
    std::string text = "Eventlist was corrupt. ";
    text += CrLf;
    text += IntToText(result.ignored);
    text += result.ignored == 1 ? " line in the event-file has been ignored."
                                : " lines in the event-file has been ignored.";
    text += CrLf;
    if (result.backupFailure.empty())
        text += "The original file is kept as " + result.backupPath + ".";
    else
        text += "The original file could not be kept as a backup (" + result.backupFailure +
                "), so the file was left as it was.";
    return text;
}

std::string ChangedFileMessage(const std::string &backupPath)
{
    return "The event file was changed by another program. Its version is kept as " + backupPath +
           ".";
}
