// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarSync.h"

#include "AtomicFile.h"
#include "CalendarPublish.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "SyncConfig.h"
#include "SyncSettings.h"

#include <QtConcurrent/QtConcurrentRun>

#include <ctime>
#include <unistd.h>

namespace {

std::string failurePath()
{
    return JoinPath(ConfigFolder(), "moonrill/sync-failure");
}

} // namespace

void CalendarSync::Publish(const std::vector<clsEvent> &events, const std::string &eventFile)
{
    if (!SyncIsSet())
        return;
    if (m_publisher.Busy() || m_planning.isRunning()) {
        m_next = events;
        m_nextFile = eventFile;
        return;
    }
    const SyncSettings settings = SyncSettings::Read();
    if (const QString trouble = UrlTrouble(settings.calendar); !trouble.isEmpty()) {
        setStatus(trouble, true);
        return;
    }
    QString trouble;
    const std::optional<QString> password = Password(settings.user, settings.calendar, trouble);
    if (!password) {
        setStatus(tr("No password: ") + trouble, true);
        return;
    }
    m_statePath = PublishedStatePath(eventFile);
    // The objects are written and compared on a worker thread, over a copy of the list: for a
    // long list that takes longer than a window may wait.
    m_planning.setFuture(QtConcurrent::run([events, statePath = m_statePath]() -> Plan {
        try {
            const std::vector<CalendarObject> objects =
                CalendarObjects(events, MoonrillProductId(), std::time(nullptr));
            std::vector<PublishedObject> published = ReadPublishedFile(statePath);
            std::vector<PublishStep> steps = PlanPublish(objects, published);
            return Plan{std::move(steps), std::move(published), {}};
        } catch (const MoonrillError &error) {
            return Plan{{}, {}, error.what()};
        }
    }));
    disconnect(&m_planning, nullptr, this, nullptr);
    connect(&m_planning, &QFutureWatcher<Plan>::finished, this,
            [this, collection = CollectionOf(settings.calendar), user = settings.user,
             password = *password] {
                Plan plan = m_planning.result();
                if (!plan.trouble.empty()) {
                    setStatus(QString::fromStdString(plan.trouble), true);
                    return;
                }
                connect(&m_publisher, &CalendarPublisher::finished, this, &CalendarSync::finished,
                        Qt::UniqueConnection);
                m_publisher.Start(collection, user, password, std::move(plan.steps),
                                  std::move(plan.published));
            });
}

std::optional<QString> CalendarSync::Password(const QString &user, const QUrl &url,
                                              QString &trouble) const
{
    return m_sessionPassword ? m_sessionPassword : ReadSyncPassword(user, url, trouble);
}

void CalendarSync::finished(const PublishReport &report)
{
    try {
        WriteFileAtomically(m_statePath, PublishedText(m_publisher.Published()));
    } catch (const MoonrillError &error) {
        setStatus(QString::fromStdString(error.what()), true);
        return;
    }
    QString status = tr("Published: %1 new, %2 changed, %3 removed")
                         .arg(report.created)
                         .arg(report.changed)
                         .arg(report.removed);
    if (report.conflicts > 0 || report.failed > 0)
        status += QStringLiteral("\n%1 changed on the server by someone else, %2 not published "
                                 "(sent at the next save): %3")
                      .arg(report.conflicts)
                      .arg(report.failed)
                      .arg(QString::fromStdString(report.firstError));
    setStatus(status, report.conflicts > 0 || report.failed > 0);
    if (m_next) {
        const std::vector<clsEvent> next = std::move(*m_next);
        m_next.reset();
        Publish(next, m_nextFile);
    }
}

void CalendarSync::setStatus(const QString &status, bool failure)
{
    m_status = status;
    emit statusChanged(status);
    // A failure is said at the next start, once a run; a publish that went through clears it.
    try {
        if (failure && !m_failureKept) {
            KeepSyncFailure(status);
            m_failureKept = true;
        } else if (!failure) {
            ::unlink(failurePath().c_str());
        }
    } catch (const MoonrillError &) {
        // Only the report of the failure is lost; the publish itself is retried anyway.
    }
}

QString TakeSyncFailure()
{
    try {
        const std::optional<std::string> text =
            ReadWholeFile(failurePath(), {.noun = "a status file", .maxBytes = 65536});
        if (!text)
            return {};
        ::unlink(failurePath().c_str());
        return QString::fromStdString(*text);
    } catch (const MoonrillError &) {
        return {};
    }
}

void KeepSyncFailure(const QString &failure)
{
    MakeFolders(FolderOf(failurePath()));
    WriteFileAtomically(failurePath(), failure.toStdString());
}
