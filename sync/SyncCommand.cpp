// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncCommand.h"

#include "AtomicFile.h"
#include "CalendarPublisher.h"
#include "CalendarSync.h"
#include "EventFile.h"
#include "EventState.h"
#include "FileRead.h"
#include "Paths.h"
#include "SingleInstance.h"
#include "SyncConfig.h"
#include "SyncSettings.h"

#include <ctime>
#include <sstream>

namespace {

/// The status of a sync that left the list to the window that runs (and publishes it itself).
constexpr int AnotherRuns = 2;

int runSync(std::ostream &out, std::ostream &errors, std::chrono::milliseconds longest)
{
    try {
        const SyncSettings settings = SyncSettings::Read();
        if (settings.calendar.isEmpty()) {
            errors << "moonrill: no calendar is set: calendar_url in the [sync] part of "
                   << SyncConfigPath() << '\n';
            return 1;
        }
        if (const QString trouble = UrlTrouble(settings.calendar); !trouble.isEmpty()) {
            errors << "moonrill: " << trouble.toStdString() << '\n';
            return 1;
        }
        QString trouble;
        const std::optional<QString> password =
            ReadSyncPassword(settings.user, settings.calendar, trouble);
        if (!password) {
            errors << "moonrill: no password: " << trouble.toStdString() << '\n';
            return 1;
        }
        // The list is read and its UIDs kept as a start keeps them; a running window owns it.
        const std::string folder = ProgramFolder();
        const SingleInstance instance(folder);
        if (!instance.isOnlyInstance()) {
            errors << "moonrill: Moonrill is running: close it, then sync\n";
            return AnotherRuns;
        }
        const std::string path = JoinPath(folder, EventFileName);
        EventState state;
        const LoadResult loaded = LoadEvents(state, path, Date::today());
        if (!loaded.success || loaded.ignored > 0) {
            errors << "moonrill: the event file could not be read whole; start Moonrill first\n";
            return 1;
        }
        std::vector<std::string> uids;
        const std::vector<CalendarObject> objects =
            CalendarObjects(state.Events(), MoonrillProductId(), std::time(nullptr), &uids);
        if (state.KeepUids(uids))
            (void)SaveEvents(state, path);
        const std::string statePath = PublishedStatePath(path);
        std::vector<PublishedObject> published = ReadPublishedFile(statePath);
        const QUrl collection = CollectionOf(settings.calendar);
        const PublishReport report =
            PublishSteps(collection, settings.user, *password, PlanPublish(objects, published),
                         published, longest);
        WriteFileAtomically(statePath, PublishedText(published));
        out << "Published: " << report.created << " new, " << report.changed << " changed, "
            << report.removed << " removed\n";
        if (report.conflicts > 0)
            errors << "moonrill: " << report.conflicts
                   << " changed on the server by someone else, left as they are there ("
                   << report.firstError << ")\n";
        if (report.failed > 0)
            errors << "moonrill: " << report.failed
                   << " not published, sent at the next sync: " << report.firstError << '\n';
        return report.conflicts == 0 && report.failed == 0 ? 0 : 1;
    } catch (const std::exception &error) {
        errors << "moonrill: " << error.what() << '\n';
        return 1;
    }
}

} // namespace

int RunSyncCommand(std::ostream &out, std::ostream &errors)
{
    return runSync(out, errors, std::chrono::hours(24));
}

void PublishAfterLogonScan()
{
    std::ostringstream out;
    std::ostringstream errors;
    // A window that runs publishes its own saves; only a publish that failed is said.
    if (runSync(out, errors, std::chrono::seconds(5)) == 1)
        KeepSyncFailure(QString::fromStdString(errors.str()).trimmed());
}
