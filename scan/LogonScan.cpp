#include "LogonScan.h"

#include "AtomicFile.h"
#include "Conversions.h"
#include "ErrorMessages.h"
#include "EventFile.h"
#include "EventLine.h"
#include "EventState.h"
#include "Paths.h"
#include "ScanComputation.h"
#include "SingleInstance.h"

namespace {

constexpr std::string_view CrLf = "\r\n";

/// One pass over the event file that writes the moved lines and gathers the due events as it
/// reads, so that no record is ever built and the new file goes to disk in pieces: the logon scan
/// touches little memory and stays fast on a large file. Most logons move no date, and then the
/// new content equals the old; the file is then left as it is, and nothing is written at all.
/// The pass follows the load's rules exactly, the 16-bit limit of the Id counter included, and
/// its save reports what a save reports.
class LogonPass
{
public:
    LogonPass(std::string path, Date today) : m_path(std::move(path)), m_scan(today) {}

    /// Reads `content`, which must stay readable until the save.
    void read(std::string_view content, Date today, LoadResult &result)
    {
        m_old = content;
        m_out.reserve(PieceSize + PieceSize / 4);
        ReadEventLines(content, today, result, [this](const EventLineView &event) { add(event); });
        m_out += CrLf;
    }

    /// Puts the new file in place, unless it equals the old; with `keepBackup` the old one is
    /// kept first. Throws a MoonrillError, and the old file then stays as it was.
    void save(bool keepBackup)
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

    [[nodiscard]] ScanResult scan() { return m_scan.Finish(); }

private:
    static constexpr size_t PieceSize = size_t{128} * 1024;

    void add(const EventLineView &event)
    {
        if (m_count >= EventState::Limit)
            throw MoonrillError::overflow();
        // A date that did not move is copied as written: every date text the load accepts in
        // ten characters is exactly what the writer would write.
        if (!event.Moved && event.DateText.size() == 10)
            AppendEventLine(m_out, event.Description, event.DateText, event.Occurs, event.Period,
                            event.Email);
        else
            AppendEventLine(m_out, event.Description, event.StartingOn, event.Occurs, event.Period,
                            event.Email);
        m_out += CrLf;
        if (m_out.size() >= PieceSize)
            writePiece();
        if (m_scan.IsDue(event.StartingOn, event.Period))
            m_scan.AddDue("ID" + IntToText(m_count), event.Description, event.StartingOn,
                          event.Email);
        ++m_count;
    }

    /// While the new content equals the old, the pieces are only compared; at the first
    /// difference the writer starts with the equal part. A failure to write is kept for the save
    /// to report, in its place after the load's own messages.
    void writePiece()
    {
        if (!m_writer && m_old.substr(m_unchanged, m_out.size()) == m_out) {
            m_unchanged += m_out.size();
            m_out.clear();
            return;
        }
        if (!m_writer)
            startWriter();
        if (m_writeError)
            return;
        try {
            m_writer->Write(m_out);
            m_out.clear();
        } catch (const MoonrillError &error) {
            m_writeError = error;
        }
    }

    void startWriter()
    {
        try {
            m_writer.emplace(m_path);
            m_writer->Write(m_old.substr(0, m_unchanged));
        } catch (const MoonrillError &error) {
            m_writeError = error;
        }
    }

    std::string m_path;
    std::string_view m_old;
    size_t m_unchanged = 0; // the length of the old content the new one has repeated so far
    std::string m_out;
    std::optional<AtomicFileWriter> m_writer;
    std::optional<MoonrillError> m_writeError;
    ScanCollector m_scan;
    int m_count = 0;
};

/// Loads and, when the load succeeded, saves; a step that fails says why. The rows gathered
/// before a failure are still scanned, as they are in the main window.
void loadAndSave(LogonPass &pass, const std::string &path, Date today, LogonScreens &screens)
{
    LoadResult result;
    // The old content stays mapped to the end of the save, which compares the new one with it.
    const std::optional<MappedFile> file = ReadEventFileContent(path, result);
    if (file)
        pass.read(file->text(), today, result);
    if (result.error) {
        screens.ShowCriticalMessage(ErrorReportText(result.error->what()));
        return;
    }
    if (result.ignored > 0)
        screens.ShowCriticalMessage(IgnoredLinesMessage(result.ignored, BackupPath(path)));
    try {
        pass.save(IsLossyLoad(result));
    } catch (const MoonrillError &error) {
        screens.ShowCriticalMessage(ErrorReportText(error.what()));
    }
}

void scan(LogonPass &pass, LogonScreens &screens)
{
    try {
        ScanResult result = pass.scan();
        if (result.found)
            screens.ShowDueEvents(result.rows, result.birthdayMails);
    } catch (const std::exception &error) {
        screens.ShowCriticalMessage(ErrorReportText(error.what()));
    }
}

} // namespace

void RunLogonScan(const std::string &folder, Date today, LogonScreens &screens)
{
    const SingleInstance instance(folder);
    if (!instance.isOnlyInstance())
        return;
    try {
        const std::string path = JoinPath(folder, EventFileName);
        LogonPass pass(path, today);
        loadAndSave(pass, path, today, screens);
        scan(pass, screens);
    } catch (const std::exception &) {
        screens.ShowCriticalMessage(std::string(SeriousErrorText));
    }
}
