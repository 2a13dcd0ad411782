// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncJob.h"

#include "AtomicFile.h"
#include "CalendarPublish.h"
#include "DavRequest.h"
#include "FileLock.h"
#include "MoonrillError.h"
#include "SyncSettings.h"

#include <QEventLoop>
#include <QtConcurrent/QtConcurrentRun>

#include <ctime>

std::string SyncOutcome::Summary(const Words &words) const
{
    return Compose(
        words(QT_TRANSLATE_NOOP("Messages", "Published: %1 new, %2 changed, %3 removed")),
        {std::to_string(report.created), std::to_string(report.changed),
         std::to_string(report.removed)});
}

std::vector<std::string> SyncOutcome::Problems(const Words &words) const
{
    std::vector<std::string> lines;
    if (!trouble.isEmpty())
        lines.push_back(trouble.toStdString());
    if (report.redirected)
        lines.push_back(Compose(words(QT_TRANSLATE_NOOP("Messages", "%1; nothing more was sent")),
                                {report.firstError}));
    if (report.conflicts > 0)
        lines.push_back(
            Compose(words(QT_TRANSLATE_N_NOOP("Messages", "%n changed on the server by someone "
                                                          "else, left as they are there (%1)"),
                          report.conflicts),
                    {report.firstError}));
    if (report.failed > 0 && !report.redirected)
        lines.push_back(Compose(
            words(QT_TRANSLATE_N_NOOP("Messages", "%n not published, sent at the next sync: %1"),
                  report.failed),
            {report.firstError}));
    return lines;
}

SyncJob::SyncJob()
{
    connect(&m_planning, &QFutureWatcher<Plan>::finished, this, &SyncJob::planned);
    connect(&m_publisher, &CalendarPublisher::finished, this, &SyncJob::published);
}

SyncJob::~SyncJob() = default;

void SyncJob::Start(std::vector<clsEvent> events, const std::string &eventFile,
                    const std::optional<QString> &sessionPassword, QDeadlineTimer deadline,
                    Words words)
{
    m_busy = true;
    m_words = std::move(words);
    m_deadline = deadline;
    std::string settingsTrouble;
    const SyncSettings settings = SyncSettings::Read(&settingsTrouble);
    if (settings.calendar.isEmpty()) {
        fail(settingsTrouble.empty()
                 ? SyncText(m_words, QT_TRANSLATE_NOOP("Messages", "no calendar is set"))
                 : QString::fromStdString(settingsTrouble));
        return;
    }
    if (QString trouble = UrlTrouble(settings.calendar, m_words); !trouble.isEmpty()) {
        fail(trouble);
        return;
    }
    QString trouble;
    const std::optional<QString> password =
        sessionPassword ? sessionPassword
                        : ReadSyncPassword(settings.user, settings.calendar, trouble);
    if (!password) {
        fail(SyncText(m_words, QT_TRANSLATE_NOOP("Messages", "no password: %1")).arg(trouble));
        return;
    }
    m_statePath = PublishedStatePath(eventFile);
    // The state file is read, and later written, by one publish of this list at a time.
    m_lock = std::make_unique<FileLock>(m_statePath + ".lock");
    if (!m_lock->Held()) {
        m_lock.reset();
        fail(SyncText(m_words, QT_TRANSLATE_NOOP("Messages", "another sync of this list is under "
                                                             "way; what changed is sent at the "
                                                             "next sync")));
        return;
    }
    m_collection = CollectionOf(settings.calendar);
    m_authorization = BasicAuthorization(settings.user, *password);
    // The objects are written and compared on a worker thread, over the list handed over: for
    // a long list that takes longer than a window may wait.
    m_planning.setFuture(
        QtConcurrent::run([events = std::move(events), statePath = m_statePath]() -> Plan {
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
}

void SyncJob::planned()
{
    Plan plan = m_planning.result();
    if (!plan.trouble.empty()) {
        fail(QString::fromStdString(plan.trouble));
        return;
    }
    m_publisher.Start(m_collection, m_authorization, std::move(plan.steps),
                      std::move(plan.published), m_deadline, m_words);
}

void SyncJob::published(const PublishReport &report)
{
    SyncOutcome outcome;
    outcome.report = report;
    try {
        // Written privately and never through a link: what stands at the path is replaced.
        WriteFileAtomically(
            m_statePath, PublishedText(m_publisher.Published()),
            {.followLinks = false, .modeFrom = {}, .noun = "a state file", .privateFile = true});
    } catch (const MoonrillError &error) {
        outcome.trouble = QString::fromStdString(error.what());
    }
    end(std::move(outcome));
}

void SyncJob::fail(QString trouble)
{
    SyncOutcome outcome;
    outcome.trouble = std::move(trouble);
    end(std::move(outcome));
}

void SyncJob::end(SyncOutcome outcome)
{
    m_lock.reset();
    m_authorization.clear();
    m_busy = false;
    emit finished(outcome);
}

SyncOutcome RunSyncJob(std::vector<clsEvent> events, const std::string &eventFile,
                       QDeadlineTimer deadline)
{
    SyncJob job;
    QEventLoop loop;
    SyncOutcome outcome;
    QObject::connect(&job, &SyncJob::finished, &loop, [&](const SyncOutcome &done) {
        outcome = done;
        loop.quit();
    });
    job.Start(std::move(events), eventFile, std::nullopt, deadline);
    if (job.Busy())
        loop.exec();
    return outcome;
}
