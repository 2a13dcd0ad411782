// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncCommand.h"

#include "CalendarSync.h"
#include "DavRequest.h"
#include "EventFile.h"
#include "EventList.h"
#include "FileRead.h"
#include "Message.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "SingleInstance.h"
#include "SyncConfig.h"
#include "SyncJob.h"
#include "SyncSettings.h"

#include <QEventLoop>

#include <memory>
#include <sstream>
#include <thread>

namespace {

constexpr std::chrono::minutes CommandLimit{10};
constexpr std::chrono::seconds LogonLimit{5};
/// How long the single-instance lock is waited for: another sync or a logon scan holds it only
/// while it reads or saves the list, a window all the time it runs.
constexpr std::chrono::seconds InstanceWait{5};

/// What a sync that could not be made says: each on the error stream, in English, and kept as
/// it happened for a window to say in the user's language.
class Complaints
{
public:
    explicit Complaints(std::ostream &errors) : m_errors(errors) {}
    void operator()(Message message)
    {
        m_errors << "moonrill: " << message.Said() << '\n';
        m_messages.push_back(std::move(message));
    }
    [[nodiscard]] const std::vector<Message> &Messages() const { return m_messages; }
    /// What the command line alone is told.
    [[nodiscard]] std::ostream &Errors() { return m_errors; }

private:
    std::ostream &m_errors;
    std::vector<Message> m_messages;
};

/// The single-instance lock of the list at `path`, waited for up to `wait` where another process
/// holds it.
std::unique_ptr<SingleInstance> takeInstance(const std::string &path,
                                             std::chrono::milliseconds wait)
{
    const auto until = std::chrono::steady_clock::now() + wait;
    for (;;) {
        auto instance = std::make_unique<SingleInstance>(FolderOf(path));
        if (instance->status() != SingleInstance::Status::AnotherRuns ||
            std::chrono::steady_clock::now() >= until)
            return instance;
        instance.reset();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

/// The list as a sync sends it, read (and its UIDs kept) while the single-instance lock is
/// held; the lock is given up before anything goes to the network, so that neither the logon
/// scan nor a window ever waits for a server. No value, with the status, where it cannot be had.
std::optional<std::vector<clsEvent>> listToSync(const std::string &path, Complaints &say,
                                                int &status, std::chrono::milliseconds wait)
{
    const std::unique_ptr<SingleInstance> instance = takeInstance(path, wait);
    if (!instance->isOnlyInstance()) {
        say(QT_TRANSLATE_NOOP("Messages", "Moonrill is running: close it, then sync"));
        status = SyncWindowRuns;
        return std::nullopt;
    }
    EventList list(path);
    const LoadResult loaded = list.Load(Date::today());
    if (!loaded.success || loaded.ignored > 0) {
        say(QT_TRANSLATE_NOOP("Messages",
                              "the event file could not be read whole; start Moonrill first"));
        status = SyncIncomplete;
        return std::nullopt;
    }
    (void)list.Save(SyncSettings::Read().Roads());
    return list.Events();
}

/// Saves what the server gave to the list at `path`, under the single-instance lock, unless the
/// list changed since it was read as `planned`: a window started since then syncs it itself,
/// and another program's change is read at the next sync.
std::optional<Message> saveTaken(const std::string &path, SyncPlan &plan,
                                 const std::vector<clsEvent> &planned,
                                 std::chrono::milliseconds wait)
{
    const std::unique_ptr<SingleInstance> instance = takeInstance(path, wait);
    if (!instance->isOnlyInstance())
        return QT_TRANSLATE_NOOP("Messages", "Moonrill started during the sync; its "
                                             "next save syncs the list");
    try {
        switch (
            TakeIntoFile(path, plan.edits, planned, SyncSettings::Read().Roads(), Date::today())) {
        case FileTaking::Taken:
            return std::nullopt;
        case FileTaking::FileMoved:
            return QT_TRANSLATE_NOOP("Messages", "the event file changed during the "
                                                 "sync; nothing was taken, run the "
                                                 "sync again");
        case FileTaking::NoRoom:
            break;
        }
        return QT_TRANSLATE_NOOP("Messages", "the list has no room for the "
                                             "events the server holds");
    } catch (const MoonrillError &error) {
        return Message::Verbatim(error.what());
    }
}

/// Runs a sync to its end in a local event loop: the command line and the logon scan have no
/// window to keep answering.
SyncOutcome runSyncJob(std::vector<clsEvent> events, const std::string &path,
                       QDeadlineTimer deadline, EmptiedSide emptied, std::chrono::milliseconds wait)
{
    SyncJob job;
    QEventLoop loop;
    SyncOutcome outcome;
    QObject::connect(&job, &SyncJob::finished, &loop, [&](const SyncOutcome &done) {
        outcome = done;
        loop.quit();
    });
    job.Start(
        std::move(events), path, std::nullopt, deadline,
        [&path, wait](SyncPlan &plan, const std::vector<clsEvent> &planned) {
            return saveTaken(path, plan, planned, wait);
        },
        emptied);
    if (job.Busy())
        loop.exec();
    return outcome;
}

/// The sync of the command line and the logon scan, said on `out` and by `say`; a SyncStatus.
/// `failed` tells whether it could not be made or something was not sent (what the list cannot
/// hold, or a side emptied, is no failure of the sync: the window's own sync says it). The list
/// is waited for up to `wait` where another process holds it.
int runSync(std::ostream &out, Complaints &say, QDeadlineTimer deadline, EmptiedSide emptied,
            std::chrono::milliseconds wait, bool *failed = nullptr)
{
    if (failed != nullptr)
        *failed = true;
    try {
        std::string trouble;
        const SyncSettings settings = SyncSettings::Read(&trouble);
        if (settings.calendar.isEmpty()) {
            if (!trouble.empty())
                say(Message::Verbatim(trouble));
            else
                say({QT_TRANSLATE_NOOP("Messages",
                                       "no calendar is set: calendar_url in the [sync] part of %1"),
                     {SyncConfigPath()}});
            return SyncIncomplete;
        }
        const std::string path = JoinPath(ProgramFolder(), EventFileName);
        int status = SyncComplete;
        std::optional<std::vector<clsEvent>> events = listToSync(path, say, status, wait);
        if (!events)
            return status;
        const SyncOutcome outcome = runSyncJob(std::move(*events), path, deadline, emptied, wait);
        if (failed != nullptr)
            *failed = !outcome.trouble.empty() || !outcome.report.complete();
        if (outcome.trouble.empty())
            out << outcome.Summary() << '\n';
        for (Message &problem : outcome.ProblemMessages())
            say(std::move(problem));
        // The window asks about a side emptied itself: only the command line is told what to run.
        if (outcome.serverEmptied > 0 || outcome.listEmptied > 0)
            say.Errors() << "moonrill: to remove them from the "
                         << (outcome.serverEmptied > 0 ? "list" : "server")
                         << " too, run: moonrill sync " << ConfirmRemovalOption
                         << "; to put them back "
                         << (outcome.serverEmptied > 0 ? "on the server" : "into the list")
                         << ", run: moonrill sync " << RestoreOption << '\n';
        // What the list cannot hold stays on the server, named: no failure of the sync, which
        // would otherwise fail at every run until another program changes the object.
        SyncOutcome held = outcome;
        held.unheld.clear();
        return held.complete() ? SyncComplete : SyncIncomplete;
    } catch (const std::exception &error) {
        say(Message::Verbatim(error.what()));
        return SyncIncomplete;
    }
}

} // namespace

int RunSyncCommand(std::ostream &out, std::ostream &errors, EmptiedSide emptied)
{
    Complaints say(errors);
    return runSync(out, say, QDeadlineTimer(CommandLimit), emptied, InstanceWait);
}

void SyncAfterLogonScan()
{
    std::ostringstream out;
    std::ostringstream errors;
    Complaints say(errors);
    // A window that runs syncs its own saves; only a sync that failed is said, by the window's
    // next start, which says what the list cannot hold and asks about a side emptied itself.
    bool failed = false;
    // The logon waits for nothing: a window that runs syncs the list itself.
    const int status = runSync(out, say, QDeadlineTimer(LogonLimit), EmptiedSide::Ask,
                               std::chrono::milliseconds(0), &failed);
    // Kept as what happened, not as the English said here without the user's language: the
    // window that says it knows the language.
    if (status == SyncIncomplete && failed) {
        try {
            KeepSyncFailure(say.Messages());
        } catch (const std::exception &) {
            // Only the report is lost; what is pending goes at the next sync all the same.
        }
    }
}
