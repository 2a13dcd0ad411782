// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogonScan.h"

#include "Conversions.h"
#include "ErrorMessages.h"
#include "EventFile.h"
#include "EventLine.h"
#include "EventState.h"
#include "EventTypes.h"
#include "FileRead.h"
#include "LastSeen.h"
#include "Paths.h"
#include "ReminderRun.h"
#include "ScanComputation.h"
#include "SingleInstance.h"

namespace {

/// One pass over the event file that writes the moved lines and gathers the due events as it
/// reads, so that no record is ever built: the logon scan touches little memory and stays fast
/// on a large file. It follows the load's rules exactly, the 16-bit limit of the Id counter
/// included, and its save is the event file's own.
class LogonPass
{
public:
    LogonPass(std::string path, Date today) : m_path(std::move(path)), m_scan(today) {}

    /// Reads `content`, which must stay readable until the save; what was missed since
    /// `lastSeen` is scanned too.
    void read(std::string_view content, Date today, std::optional<Date> lastSeen,
              LoadResult &result)
    {
        m_writer.emplace(m_path, content);
        ReadEventLines(
            content, today, result, [this](EventLineView &view) { add(view); }, lastSeen,
            LineTexts::OnDemand);
        m_writer->Buffer() += EventLineEnd;
        for (const MissedEvent &event : result.missed)
            m_scan.AddMissed(event);
    }

    /// Puts the new file in place, unless it equals the old. Throws a MoonrillError, and the old
    /// file then stays as it was.
    void save() { m_writer->Commit(); }

    [[nodiscard]] ScanResult scan() { return m_scan.Finish(); }

    /// The events read that have reminders at moments of their own, as they were moved.
    [[nodiscard]] const std::vector<clsEvent> &timed() const { return m_timed; }

private:
    void add(EventLineView &view)
    {
        if (m_count >= EventState::Limit)
            throw MoonrillError::overflow();
        const clsEvent &event = view.line.event;
        if (!view.original.empty()) {
            // Most lines of a usual logon: what a save writes is what was read.
            m_writer->Repeat(view.original);
        } else {
            std::string &out = m_writer->Buffer();
            AppendEventLine(out, event);
            out += EventLineEnd;
            m_writer->LineDone();
        }
        if (m_scan.IsDue(event.StartingOn, event.Period)) {
            TakeEventTexts(view.line);
            m_scan.AddDue("ID" + IntToText(m_count), event);
        }
        // Two length checks a line: the many events without a time cost nothing more. Such an
        // event is known by its texts, so they are taken first.
        if (HasOwnMoments(event)) {
            TakeEventTexts(view.line);
            m_timed.push_back(event);
        }
        ++m_count;
    }

    std::string m_path;
    std::optional<EventFileWriter> m_writer;
    ScanCollector m_scan;
    std::vector<clsEvent> m_timed;
    int m_count = 0;
};

/// The screens, remembering whether every message could be shown in a window.
class Messages
{
public:
    explicit Messages(LogonScreens &screens) : m_screens(screens) {}
    void critical(const std::string &text) { say(text, LogonScreens::Icon::Critical); }
    void information(const std::string &text) { say(text, LogonScreens::Icon::Information); }
    [[nodiscard]] bool allShown() const { return m_allShown; }
    [[nodiscard]] bool anyShown() const { return m_anyShown; }
    [[nodiscard]] LogonScreens &screens() { return m_screens; }
    /// The messages' fixed words as the screens speak them.
    [[nodiscard]] Words words() const
    {
        return [this](std::string_view english) { return m_screens.Translated(english); };
    }

private:
    void say(const std::string &text, LogonScreens::Icon icon)
    {
        m_anyShown = true;
        if (!m_screens.ShowMessageBox(text, icon))
            m_allShown = false;
    }

    LogonScreens &m_screens;
    bool m_allShown = true;
    bool m_anyShown = false;
};

/// Keeps the event file at `path` as a backup when another program changed it since it was
/// read as `read` (while a message waited), and says so, as the main window's save does.
void keepChangedVersion(const std::string &path, std::string_view read, Messages &messages)
{
    const std::optional<std::string> now = ReadWholeFile(path, EventFileRules);
    if (!now || *now == read)
        return;
    KeepBackup(path, *now);
    messages.information(ChangedFileMessage(BackupPath(path), messages.words()));
}

/// Loads the event file into `pass`, which keeps `file` (the content as read) for the save. A
/// load that left lines out keeps the file as read before it says so. Returns whether the file
/// may then be replaced: the load succeeded, and a lossy one has its backup. The rows gathered
/// before a failure are still scanned, as they are in the main window. `loaded` tells whether
/// the load succeeded.
bool load(LogonPass &pass, const std::string &path, Date today, std::optional<Date> lastSeen,
          Messages &messages, std::optional<FileBytes> &file, bool &loaded)
{
    LoadResult result;
    file = ReadEventFileContent(path, result);
    if (file)
        pass.read(*file, today, lastSeen, result);
    loaded = !result.error;
    if (result.error) {
        messages.critical(ErrorReportText(result.error->what(), messages.words()));
        return false;
    }
    if (result.ignored > 0) {
        KeepLossyLoadBackup(path, *file, result);
        messages.critical(IgnoredLinesMessage(result, messages.words()));
    }
    return MayReplaceFile(result);
}

/// Puts the new file in place; a failure says why. `waited` tells whether a window or message
/// was shown since the file was read, long enough for another program to write it.
bool save(LogonPass &pass, const std::string &path, std::string_view read, bool waited,
          Messages &messages)
{
    try {
        if (waited)
            keepChangedVersion(path, read, messages);
        pass.save();
        return true;
    } catch (const MoonrillError &error) {
        messages.critical(ErrorReportText(error.what(), messages.words()));
        return false;
    }
}

/// Shows what is due, if anything is, into `result`; whether it could be shown. `found` tells
/// whether there was anything, `notified` whether a daily run's notification showed it.
bool scan(LogonPass &pass, Messages &messages, bool daily, ScanResult &result, bool &found,
          bool &notified)
{
    try {
        result = pass.scan();
        found = result.found;
        if (!found)
            return true;
        notified = daily && messages.screens().NotifyDueEvents(result);
        return notified || messages.screens().ShowDueEvents(result);
    } catch (const std::exception &error) {
        messages.critical(ErrorReportText(error.what(), messages.words()));
        return false;
    }
}

} // namespace

bool RunLogonScan(const std::string &folder, Date today, LogonScreens &screens, bool daily)
{
    const std::optional<Date> lastSeen = ReadLastSeen(folder);
    // The daily timer only makes up for days without a logon: a day seen already is done.
    if (daily && lastSeen == today)
        return true;
    Messages messages(screens);
    std::optional<SingleInstance> instance;
    instance.emplace(folder);
    if (instance->status() == SingleInstance::Status::AnotherRuns)
        return true;
    if (instance->status() == SingleInstance::Status::Unknown) {
        messages.critical(instance->message());
        return false;
    }
    try {
        const std::string path = JoinPath(folder, EventFileName);
        LogonPass pass(path, today);
        // The content as read stays in memory to the end of the save, which compares the new
        // one with it.
        std::optional<FileBytes> file;
        bool loaded = false;
        const bool mayReplace = load(pass, path, today, lastSeen, messages, file, loaded);
        bool found = false;
        bool notified = false;
        ScanResult result;
        const bool shown = scan(pass, messages, daily, result, found, notified);
        // A scan that could not be shown (no display) writes nothing: no date moves and no
        // passed event goes, so the next run that can show it catches up what this one could
        // not tell.
        // A notification keeps nobody waiting before the save (its wait comes after): only a
        // window or a message leaves the file time to change under the run.
        const bool waited = messages.anyShown() || (found && !notified);
        const bool saved = mayReplace && shown && save(pass, path, *file, waited, messages);
        // Only a run that loaded and showed what it had to has seen the day; any other leaves
        // the missed events to be caught up next time.
        // (Kept already by an earlier run today: not flushed to disk again at every logon.)
        if (loaded && shown && lastSeen != today)
            WriteLastSeen(folder, today);
        // What comes next at moments of its own, from the dates as moved, before any wait.
        if (loaded) {
            const LocalMoment now = LocalNow();
            RenewReminders(folder, now.day == today ? now : LocalMoment{today, 0}, pass.timed());
        }
        if (notified) {
            // The notification may stand all day: the list is free for the window meanwhile.
            instance.reset();
            messages.screens().FollowNotification(result);
        }
        return saved && shown && messages.allShown();
    } catch (const std::exception &error) {
        messages.critical(SeriousErrorReport(error.what(), messages.words()));
        return false;
    }
}
