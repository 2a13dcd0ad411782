// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncCommand.h"

#include "CalendarSync.h"
#include "EventFile.h"
#include "EventState.h"
#include "ListSave.h"
#include "Paths.h"
#include "SingleInstance.h"
#include "SyncConfig.h"
#include "SyncJob.h"
#include "SyncSettings.h"

#include <sstream>

namespace {

constexpr std::chrono::minutes CommandLimit{10};
constexpr std::chrono::seconds LogonLimit{5};

/// The list as a publish sends it, read (and its UIDs kept) while the single-instance lock is
/// held; the lock is given up before anything goes to the network, so that neither the logon
/// scan nor a window ever waits for a server. No value, with the status, where it cannot be had.
std::optional<std::vector<clsEvent>> listToPublish(const std::string &path, std::ostream &errors,
                                                   int &status)
{
    const SingleInstance instance(FolderOf(path));
    if (!instance.isOnlyInstance()) {
        errors << "moonrill: Moonrill is running: close it, then sync\n";
        status = SyncWindowRuns;
        return std::nullopt;
    }
    EventState state;
    const LoadResult loaded = LoadEvents(state, path, Date::today());
    if (!loaded.success || loaded.ignored > 0) {
        errors << "moonrill: the event file could not be read whole; start Moonrill first\n";
        status = SyncIncomplete;
        return std::nullopt;
    }
    (void)SaveList(state, path, SyncSettings::Read());
    return state.Events();
}

int runSync(std::ostream &out, std::ostream &errors, QDeadlineTimer deadline)
{
    try {
        std::string trouble;
        const SyncSettings settings = SyncSettings::Read(&trouble);
        if (settings.calendar.isEmpty()) {
            if (!trouble.empty())
                errors << "moonrill: " << trouble << '\n';
            else
                errors << "moonrill: no calendar is set: calendar_url in the [sync] part of "
                       << SyncConfigPath() << '\n';
            return SyncIncomplete;
        }
        const std::string path = JoinPath(ProgramFolder(), EventFileName);
        int status = SyncComplete;
        std::optional<std::vector<clsEvent>> events = listToPublish(path, errors, status);
        if (!events)
            return status;
        const SyncOutcome outcome = RunSyncJob(std::move(*events), path, deadline);
        if (outcome.trouble.isEmpty())
            out << outcome.Summary() << '\n';
        for (const std::string &problem : outcome.Problems())
            errors << "moonrill: " << problem << '\n';
        return outcome.complete() ? SyncComplete : SyncIncomplete;
    } catch (const std::exception &error) {
        errors << "moonrill: " << error.what() << '\n';
        return SyncIncomplete;
    }
}

} // namespace

int RunSyncCommand(std::ostream &out, std::ostream &errors)
{
    return runSync(out, errors, QDeadlineTimer(CommandLimit));
}

void PublishAfterLogonScan()
{
    std::ostringstream out;
    std::ostringstream errors;
    // A window that runs publishes its own saves; only a publish that failed is said.
    if (runSync(out, errors, QDeadlineTimer(LogonLimit)) == SyncIncomplete) {
        try {
            KeepSyncFailure(QString::fromStdString(errors.str()).trimmed());
        } catch (const std::exception &) {
            // Only the report is lost; what is pending goes at the next publish all the same.
        }
    }
}
