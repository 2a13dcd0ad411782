// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarSync.h"

#include "AtomicFile.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "SyncConfig.h"
#include "SyncSettings.h"

#include <unistd.h>

#include <utility>

namespace {

std::string failurePath()
{
    return JoinPath(ConfigFolder(), "moonrill/sync-failure");
}

} // namespace

CalendarSync::CalendarSync(Words words) : m_words(std::move(words))
{
    connect(&m_job, &SyncJob::finished, this, &CalendarSync::finished);
}

void CalendarSync::Publish(const std::vector<clsEvent> &events, const std::string &eventFile,
                           EmptiedSide emptied)
{
    if (!SyncIsSet())
        return;
    if (m_job.Busy()) {
        m_next = events;
        m_nextFile = eventFile;
        m_nextEmptied = emptied;
        return;
    }
    // The window never waits for it, but it ends all the same: a server that drips its answers
    // would otherwise hold it for good, and every later save with it.
    m_job.Start(events, eventFile, m_sessionPassword, QDeadlineTimer(WindowSyncLimit), m_apply,
                emptied, m_words);
}

std::optional<QString> CalendarSync::Password(const QString &user, const QUrl &url,
                                              QString &trouble) const
{
    return m_sessionPassword ? m_sessionPassword : ReadSyncPassword(user, url, trouble);
}

void CalendarSync::finished(const SyncOutcome &outcome)
{
    if (!outcome.trouble.isEmpty()) {
        setStatus(outcome.trouble, true);
    } else {
        QString status = QString::fromStdString(outcome.Summary(m_words));
        for (const std::string &problem : outcome.Problems(m_words))
            status += QLatin1Char('\n') + QString::fromStdString(problem);
        setStatus(status, !outcome.report.complete());
    }
    if (const std::string news = outcome.News(m_words); !news.empty())
        emit this->news(QString::fromStdString(news));
    if (outcome.serverEmptied > 0 || outcome.listEmptied > 0)
        emit emptied(outcome.serverEmptied, outcome.listEmptied, outcome.emptiedLeft);
    if (m_next) {
        const std::vector<clsEvent> next = std::move(*m_next);
        m_next.reset();
        Publish(next, m_nextFile, std::exchange(m_nextEmptied, EmptiedSide::Ask));
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
    WriteFileAtomically(
        failurePath(), failure.toStdString(),
        {.followLinks = false, .modeFrom = {}, .noun = "a status file", .privateFile = true});
}
