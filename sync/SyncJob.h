// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarPublisher.h"

#include <QDeadlineTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// moc cannot parse the C++20 standard headers the event model uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "Translatable.h"
#include "clsEvent.h"
#endif

class FileLock;

/// How a publish ended.
struct SyncOutcome
{
    PublishReport report;
    /// Why nothing could be sent (no password, the state file unreadable, another sync of the
    /// list under way); empty when the requests went out.
    QString trouble;

    /// Whether the server holds what the list holds.
    [[nodiscard]] bool complete() const { return trouble.isEmpty() && report.complete(); }
    /// "Published: N new, M changed, K removed", in `words`.
    [[nodiscard]] std::string Summary(const Words &words = AsIs) const;
    /// What kept it from being complete, a line each, in `words`; none when it is.
    [[nodiscard]] std::vector<std::string> Problems(const Words &words = AsIs) const;
};
Q_DECLARE_METATYPE(SyncOutcome)

/// One publish of the list to the calendar set in sync.conf, the same for the window (in the
/// background of its event loop), `moonrill sync` and the logon scan: the settings, the
/// password, the state file beside the list, the plan (made on a worker thread), the requests
/// and what they did. No step waits on the network; all of them end by the deadline given.
/// Only one publish of a list runs at a time, across processes: a second one leaves its work
/// pending for the next.
class SyncJob : public QObject
{
    Q_OBJECT

public:
    SyncJob();
    ~SyncJob() override;

    /// Publishes `events`, the list as saved to `eventFile`, with `sessionPassword` where the
    /// user gave one for this run, ending by `deadline`; finished() follows, always. What goes
    /// wrong is said in `words`.
    void Start(std::vector<clsEvent> events, const std::string &eventFile,
               const std::optional<QString> &sessionPassword, QDeadlineTimer deadline,
               Words words = AsIs);
    [[nodiscard]] bool Busy() const { return m_busy; }

signals:
    void finished(const SyncOutcome &outcome);

private:
    /// What a publish sends, made away from the window; `trouble` where it could not be.
    struct Plan
    {
        std::vector<PublishStep> steps;
        std::vector<PublishedObject> published;
        std::string trouble;
    };

    void planned();
    void published(const PublishReport &report);
    /// Ends without a publish, for `trouble`.
    void fail(QString trouble);
    void end(SyncOutcome outcome);

    QFutureWatcher<Plan> m_planning;
    CalendarPublisher m_publisher;
    std::unique_ptr<FileLock> m_lock;
    std::string m_statePath;
    QUrl m_collection;
    QByteArray m_authorization;
    QDeadlineTimer m_deadline;
    Words m_words;
    bool m_busy = false;
};

/// Runs a publish to its end in a local event loop: for the command line and the logon scan,
/// which have no window to keep answering.
[[nodiscard]] SyncOutcome RunSyncJob(std::vector<clsEvent> events, const std::string &eventFile,
                                     QDeadlineTimer deadline);
