// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the event file: its line ends, its lines, the load into the event state, and what a
// load that left lines out says.

#include "EventFile.h"

#include "Conversions.h"
#include "EventLine.h"
#include "EventState.h"
#include "FileRead.h"
#include "Occurrence.h"

#include <algorithm>
#include <functional>

namespace {

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

void ClearEvents(EventState &state)
{
    state.Clear();
}

std::optional<FileBytes> ReadEventFileContent(const std::string &path, LoadResult &result)
{
    RemoveStaleTemporariesOf(path);
    // The whole file is read into memory, never mapped: the load may wait on a question while
    // another program truncates the file, which must not take the program down.
    try {
        if (std::optional<FileBytes> content = ReadWholeFileBytes(path, EventFileRules))
            return content;
    } catch (const MoonrillError &error) {
        result.error = error;
        return std::nullopt;
    }
    // No file yet: start one holding just the closing empty line, which is then what was read.
    WriteFileAtomically(path, EventLineEnd,
                        WriteRules{.followLinks = true, .modeFrom = {}, .noun = EventFileNoun});
    return FileBytes(EventLineEnd);
}

void ReadEventLines(std::string_view content, Date today, LoadResult &result,
                    const std::function<void(EventLineView &)> &onEvent,
                    std::optional<Date> lastSeen, LineTexts texts)
{
    LineReader reader(content);
    int number = 0;
    // One view read into line after line: its strings keep their room.
    EventLineView view;
    clsEvent &event = view.line.event;
    while (!reader.atEnd()) {
        const std::string_view line = reader.next();
        ++number;
        if (line.empty()) {
            result.ignored += countNonEmptyLines(reader);
            break;
        }
        try {
            if (!ReadEventLine(line, view.line, texts == LineTexts::Always)) {
                ++result.ignored;
                continue;
            }
            const Date written = event.StartingOn;
            const std::string_view occurs = view.line.occursText;
            // Only dates before today can have been missed; most lines are past this at once.
            if (lastSeen && event.Period >= 0 && written < today) {
                if (const std::optional<Date> on =
                        MissedOccurrence(written, occurs, *lastSeen, today, event.Options.Day)) {
                    TakeEventTexts(view.line);
                    result.missed.push_back(MissedEvent{.event = event, .on = *on});
                }
            }
            const std::optional<Date> next =
                NextOccurrence(written, occurs, today, event.Options.Day);
            if (!next)
                continue;
            view.moved = *next != written;
            // The day the date was meant for goes with it (a line may not say it); only the 29th
            // to the 31st can be cut short.
            if (view.moved) {
                const int day = IntendedDay(written, event.Options.Day);
                if (day > 28)
                    event.Options.Day = DayKeptBeside(*next, occurs, day);
            }
            event.StartingOn = *next;
            const size_t end = static_cast<size_t>(line.data() - content.data()) + line.size();
            view.original =
                !view.moved && view.line.canonical && content.substr(end, 2) == EventLineEnd
                    ? std::string_view(line.data(), line.size() + 2)
                    : std::string_view();
            if (view.original.empty())
                TakeEventTexts(view.line);
            onEvent(view);
        } catch (const MoonrillError &error) {
            // The line is named, so that the user can find what stopped the load.
            result.error =
                MoonrillError(error.number(), std::string(error.what()) + " in line " +
                                                  IntToText(number) + " of the event file");
            result.stoppedAtLine = number;
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

void ReadEventsInto(EventState &state, std::string_view content, Date today, LoadResult &result,
                    std::optional<Date> lastSeen)
{
    auto lines = static_cast<size_t>(std::count(content.begin(), content.end(), '\n'));
    if (lines == 0)
        lines = static_cast<size_t>(std::count(content.begin(), content.end(), '\r'));
    EventState::BulkInsert bulk(state, lines + 1);
    ReadEventLines(
        content, today, result,
        [&state, today](EventLineView &view) {
            state.Insert(WrittenEvent{.event = std::move(view.line.event),
                                      .periodText = std::string(view.line.periodText)},
                         today);
        },
        lastSeen);
}

LoadResult LoadEvents(EventState &state, const std::string &path, Date today,
                      std::optional<Date> lastSeen)
{
    LoadResult result;
    // Clearing only empties containers, so the "Error while removing list" of a failed clear
    // cannot arise.
    if (state.RowCount() > 0)
        ClearEvents(state);

    const std::optional<FileBytes> file = ReadEventFileContent(path, result);
    if (!file)
        return result;
    state.SetDiskStamp(StampOf(*file));
    ReadEventsInto(state, *file, today, result, lastSeen);
    if (result.ignored > 0 && !result.error)
        KeepLossyLoadBackup(path, *file, result);
    // What could not be kept now is kept by the save that would replace it.
    if (result.error || !result.backupFailure.empty())
        state.SetBackupBeforeSave(true);
    state.SetUnloadedFromLine(result.stoppedAtLine);
    return result;
}

std::string IgnoredLinesMessage(const LoadResult &result, const Words &words)
{
    std::string text = words(QT_TRANSLATE_NOOP("Messages", "Eventlist was corrupt. "));
    text += EventLineEnd;
    text += Compose(
        words(result.ignored == 1
                  ? QT_TRANSLATE_NOOP("Messages", "%1 line in the event-file has been ignored.")
                  : QT_TRANSLATE_NOOP("Messages", "%1 lines in the event-file has been ignored.")),
        {IntToText(result.ignored)});
    text += EventLineEnd;
    if (result.backupFailure.empty())
        text += Compose(words(QT_TRANSLATE_NOOP("Messages", "The original file is kept as %1.")),
                        {result.backupPath});
    else
        text += Compose(
            words(QT_TRANSLATE_NOOP("Messages", "The original file could not be kept as a backup "
                                                "(%1), so the file was left as it was.")),
            {result.backupFailure});
    return text;
}
