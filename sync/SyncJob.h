// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarReader.h"
#include "CalendarWriter.h"
#include "SyncOutcome.h"

#include <QDeadlineTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// moc cannot parse the C++20 standard headers the event model uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "Message.h"
#include "SyncPlan.h"
#include "clsEvent.h"
#endif

class FileLock;
struct SyncSettings;

/// Makes what the server gave the list's: the plan's edits made and saved where the list is
/// kept, the list handed over as `planned`; an event the list changed since is kept beside the
/// server's version and added to the plan's `keptTwice`. None when done; why not otherwise, an
/// empty message where nothing is wrong (the list waits for its save, which syncs again).
using ApplyTaken =
    std::function<std::optional<Message>(SyncPlan &plan, const std::vector<clsEvent> &planned)>;
/// One sync of the list with the calendar set in sync.conf, the same for the window (in the
/// background of its event loop), `moonrill sync` and the logon scan: the settings, the
/// password, the state file beside the list, what changed on the server (listed and read), the
/// plan (made on a worker thread), the list's edits (made by the caller), the requests and what
/// they did. No step waits on the network; all of them end by the deadline given. Only one
/// sync of a list runs at a time, across processes: a second one leaves its work for the next.
class SyncJob : public QObject
{
    Q_OBJECT

public:
    SyncJob();
    ~SyncJob() override;

    /// Syncs `events`, the list as saved to `eventFile`, with `sessionPassword` where the user
    /// gave one for this run, ending by `deadline`; what the server gave goes to `apply`;
    /// finished() follows, always. A side emptied is dealt with as `emptied` says.
    void Start(std::vector<clsEvent> events, const std::string &eventFile,
               const std::optional<QString> &sessionPassword, QDeadlineTimer deadline,
               ApplyTaken apply, EmptiedSide emptied = EmptiedSide::Ask);
    [[nodiscard]] bool Busy() const { return m_busy; }

signals:
    void finished(const SyncOutcome &outcome);

private:
    struct Sides; // what the plan is made from, handed to the worker thread and back

    void startWith(const SyncSettings &settings, const QString &password,
                   std::vector<clsEvent> events, const std::string &eventFile, EmptiedSide emptied);
    void started();
    void listed(const ServerListing &listing, const Message &trouble);
    void read(FetchedObjects fetched, const Message &trouble);
    void planned();
    void written(const WriteReport &report);
    [[nodiscard]] Message writeState(const SyncState &state) const;
    /// Ends without a request more, for `trouble`.
    void fail(Message trouble);
    void end();

    QFutureWatcher<void> m_working;
    std::function<void()> m_afterWork; // what follows the worker's part
    CalendarReader m_reader;
    CalendarWriter m_writer;
    std::unique_ptr<FileLock> m_lock;
    std::shared_ptr<Sides> m_sides;
    std::string m_statePath;
    QUrl m_collection;
    QByteArray m_authorization;
    QDeadlineTimer m_deadline;
    ApplyTaken m_apply;
    SyncOutcome m_outcome;
    int m_listedBefore = 0; // requests of the listing before the one after our writes
    bool m_busy = false;
};
