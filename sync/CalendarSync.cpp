// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarSync.h"

#include "AtomicFile.h"
#include "DavRequest.h"
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

void CalendarSync::Sync(const std::vector<clsEvent> &events, const std::string &eventFile,
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
                emptied);
}

std::optional<QString> CalendarSync::Password(const QString &user, const QUrl &url,
                                              QString &trouble) const
{
    if (m_sessionPassword)
        return m_sessionPassword;
    Message why;
    std::optional<QString> password = ReadSyncPassword(user, url, why);
    trouble = Said(why, m_words);
    return password;
}

void CalendarSync::finished(const SyncOutcome &outcome)
{
    if (!outcome.trouble.empty()) {
        setStatus({outcome.trouble}, true);
    } else {
        std::vector<Message> status = outcome.ProblemMessages();
        status.insert(status.begin(), outcome.SummaryMessage());
        setStatus(status, !outcome.report.complete());
    }
    if (const std::string news = outcome.News(m_words); !news.empty())
        emit this->news(QString::fromStdString(news));
    if (outcome.serverEmptied > 0 || outcome.listEmptied > 0)
        emit emptied(outcome.serverEmptied, outcome.listEmptied, outcome.emptiedLeft);
    if (m_next) {
        const std::vector<clsEvent> next = std::move(*m_next);
        m_next.reset();
        Sync(next, m_nextFile, std::exchange(m_nextEmptied, EmptiedSide::Ask));
    }
}

void CalendarSync::setStatus(const std::vector<Message> &status, bool failure)
{
    m_status.clear();
    m_failed = failure;
    for (const Message &line : status)
        m_status += (m_status.isEmpty() ? QString() : QStringLiteral("\n")) + Said(line, m_words);
    emit statusChanged(m_status);
    // A failure is said at the next start, once a run; a sync that went through clears it.
    try {
        if (failure && !m_failureKept) {
            KeepSyncFailure(status);
            m_failureKept = true;
        } else if (!failure) {
            ::unlink(failurePath().c_str());
        }
    } catch (const MoonrillError &) {
        // Only the report of the failure is lost; the sync itself is retried anyway.
    }
}

std::vector<Message> TakeSyncFailure()
{
    std::optional<std::string> text;
    try {
        text = ReadWholeFile(failurePath(), {.noun = "a status file", .maxBytes = 65536});
    } catch (const MoonrillError &) {
        // No record this program wrote: it is dropped, never said at every start.
    }
    ::unlink(failurePath().c_str());
    return text ? ReadMessages(*text) : std::vector<Message>{};
}

void KeepSyncFailure(const std::vector<Message> &failure)
{
    MakeFolders(FolderOf(failurePath()));
    WriteFileAtomically(
        failurePath(), MessagesText(failure),
        {.followLinks = false, .modeFrom = {}, .noun = "a status file", .privateFile = true});
}
