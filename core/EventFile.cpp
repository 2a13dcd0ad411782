#include "EventFile.h"

#include "AtomicFile.h"
#include "Conversions.h"
#include "EventLine.h"
#include "EventState.h"
#include "Occurrence.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

constexpr std::string_view CrLf = "\r\n";

/// Cuts `content` into lines at LF, dropping one CR before it; accepts LF alone as well as
/// CR LF, and a last line without a line end.
class LineReader
{
public:
    explicit LineReader(std::string_view content) : m_rest(content) {}

    [[nodiscard]] bool atEnd() const { return m_rest.empty(); }

    std::string_view next()
    {
        const size_t lf = m_rest.find('\n');
        std::string_view line = m_rest.substr(0, lf);
        m_rest = lf == std::string_view::npos ? std::string_view{} : m_rest.substr(lf + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

private:
    std::string_view m_rest;
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

/// The fields of a good line, or no value for a damaged one. A period that is a number out of
/// the 16-bit range is not damage but an error, and is thrown.
std::optional<EventLineView> readFields(std::string_view line)
{
    const LeadingFields split = SplitLeadingFields(line);
    if (split.count < 5)
        return std::nullopt;
    EventLineView result;
    try {
        result.Period = TextToInt16(split.field[4]);
    } catch (const MoonrillError &error) {
        if (error.number() == MoonrillError::Overflow)
            throw;
        return std::nullopt;
    }
    if (split.count < 6)
        return std::nullopt;
    try {
        result.StartingOn = TextToDate(split.field[2]);
    } catch (const MoonrillError &) {
        return std::nullopt;
    }
    result.DateText = split.field[2];
    result.Description = split.field[1];
    result.Occurs = split.field[3];
    result.PeriodText = split.field[4];
    result.Email = split.field[5];
    return result;
}

} // namespace

bool ClearEvents(EventState &state)
{
    return state.Clear();
}

std::string BackupPath(const std::string &path, int age)
{
    return age == 0 ? path + ".bak" : path + ".bak." + std::to_string(age);
}

std::optional<MappedFile> ReadEventFileContent(const std::string &path, LoadResult &result)
{
    try {
        MappedFile file(path);
        if (file.exists())
            return file;
    } catch (const MoonrillError &error) {
        result.error = error;
        return std::nullopt;
    }
    // No file yet: start one holding just the closing empty line, and read that.
    WriteFileAtomically(path, std::string(CrLf));
    try {
        return MappedFile(path);
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
            std::optional<EventLineView> fields = readFields(line);
            if (!fields) {
                ++result.ignored;
                continue;
            }
            const std::optional<Date> next =
                NextOccurrence(fields->StartingOn, fields->Occurs, today);
            if (!next)
                continue;
            fields->Moved = *next != fields->StartingOn;
            fields->StartingOn = *next;
            onEvent(*fields);
        } catch (const MoonrillError &error) {
            result.error = error;
            break;
        }
    }
    result.success = !result.error;
}

LoadResult LoadEvents(EventState &state, const std::string &path, Date today)
{
    LoadResult result;
    if (state.RowCount() > 0 && !ClearEvents(state))
        return result;

    const std::optional<MappedFile> file = ReadEventFileContent(path, result);
    if (!file)
        return result;
    {
        const std::string_view content = file->text();
        const auto lines = static_cast<size_t>(std::count(content.begin(), content.end(), '\n'));
        EventState::BulkInsert bulk(state, lines + 1);
        ReadEventLines(content, today, result, [&state, today](const EventLineView &event) {
            state.Insert(EventFields{std::string(event.Description), event.StartingOn,
                                     std::string(event.Occurs), event.Period,
                                     std::string(event.PeriodText), std::string(event.Email)},
                         today);
        });
    }
    if (IsLossyLoad(result))
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

void KeepBackup(const std::string &path)
{
    const std::optional<std::string> original = ReadWholeFile(path);
    if (!original)
        return;
    // The older backups move one place back first, so that a second damaged start does not
    // replace the one good copy; the oldest drops out. A crash between the steps leaves every
    // copy under one name or another.
    for (int age = BackupCount - 1; age > 0; --age) {
        const std::string older = BackupPath(path, age - 1);
        if (::rename(older.c_str(), BackupPath(path, age).c_str()) != 0 && errno != ENOENT)
            throw MoonrillError(MoonrillError::FileAccess,
                                "Cannot keep " + older + ": " + std::strerror(errno));
    }
    WriteFileAtomically(BackupPath(path), *original);
}

void EventFileWriter::writePiece()
{
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
        m_writer.emplace(m_path);
        m_writer->Write(m_old.substr(0, m_unchanged));
    } catch (const MoonrillError &error) {
        m_writeError = error;
    }
}

void EventFileWriter::Commit(bool keepBackup)
{
    writePiece();
    if (m_writeError)
        throw *m_writeError;
    if (!m_writer && m_unchanged == m_old.size() && !keepBackup)
        return;
    if (!m_writer)
        startWriter();
    if (m_writeError)
        throw *m_writeError;
    if (keepBackup)
        KeepBackup(m_path);
    m_writer->Commit();
}

void SaveEvents(EventState &state, const std::string &path)
{
    // The file as it is now, to leave it alone when nothing differs; one that cannot be read
    // is simply replaced.
    std::optional<MappedFile> old;
    try {
        old.emplace(path);
    } catch (const MoonrillError &) {
    }
    EventFileWriter writer(path, old ? old->text() : std::string_view{});
    for (const clsEvent &event : state.Events()) {
        AppendEventLine(writer.Buffer(), event);
        writer.Buffer() += CrLf;
        writer.LineDone();
    }
    writer.Buffer() += CrLf;
    writer.Commit(state.BackupBeforeSave());
    state.SetBackupBeforeSave(false);
    state.SetSaved(true);
}

std::string IgnoredLinesMessage(int count, const std::string &backupPath)
{
    std::string text = "Eventlist was corrupt. ";
    text += CrLf;
    text += IntToText(count);
    text += count == 1 ? " line in the event-file has been ignored."
                       : " lines in the event-file has been ignored.";
    text += CrLf;
    text += "The original file is kept as " + backupPath + ".";
    return text;
}
