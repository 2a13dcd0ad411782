// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncJob.h"

#include "AtomicFile.h"
#include "CalendarBounds.h"
#include "DavRequest.h"
#include "FileLock.h"
#include "MoonrillError.h"
#include "SyncSettings.h"

#include <QEventLoop>
#include <QtConcurrent/QtConcurrentRun>

#include <ctime>

namespace {

/// The descriptions of the events `edits` add, change or remove in `events`.
std::vector<std::string> takenNames(const std::vector<SyncEdit> &edits,
                                    const std::vector<clsEvent> &events)
{
    std::unordered_map<std::string_view, const clsEvent *> byUid;
    for (const clsEvent &event : events)
        byUid.emplace(event.Options.Uid, &event);
    std::vector<std::string> names;
    for (const SyncEdit &edit : edits) {
        if (edit.kind == SyncEdit::Kind::Add || edit.kind == SyncEdit::Kind::Change)
            names.push_back(edit.event.Description);
        else if (const auto event = byUid.find(edit.uid);
                 edit.kind == SyncEdit::Kind::Remove && event != byUid.end())
            names.push_back(event->second->Description);
    }
    return names;
}

} // namespace

struct SyncJob::Sides
{
    std::vector<clsEvent> events;
    std::vector<LocalObject> local;
    SyncState state;
    std::string trouble;
    std::unordered_map<std::string, std::string> server;
    std::unordered_map<std::string, std::string> texts;
    std::string collectionPath;
    std::string token;
    EmptiedSide emptied = EmptiedSide::Ask;
    SyncPlan plan;
};

SyncJob::SyncJob()
{
    connect(&m_working, &QFutureWatcher<void>::finished, this, [this] { m_afterWork(); });
    connect(&m_writer, &CalendarWriter::finished, this, &SyncJob::written);
}

SyncJob::~SyncJob()
{
    // The worker reads what this job owns: it ends first.
    m_working.waitForFinished();
}

void SyncJob::Start(std::vector<clsEvent> events, const std::string &eventFile,
                    const std::optional<QString> &sessionPassword, QDeadlineTimer deadline,
                    ApplyTaken apply, EmptiedSide emptied)
{
    m_busy = true;
    m_outcome = {};
    m_deadline = deadline;
    m_apply = std::move(apply);
    std::string settingsTrouble;
    const SyncSettings settings = SyncSettings::Read(&settingsTrouble);
    if (settings.calendar.isEmpty()) {
        fail(settingsTrouble.empty() ? QT_TRANSLATE_NOOP("Messages", "no calendar is set")
                                     : Message::Verbatim(settingsTrouble));
        return;
    }
    if (Message trouble = UrlMessage(settings.calendar); !trouble.empty()) {
        fail(trouble);
        return;
    }
    // The keyring answers over the session bus: asked without waiting, so that a window's
    // save or a change made meanwhile never stands still for it.
    auto go = [this, settings, events = std::move(events), eventFile,
               emptied](const std::optional<QString> &password, const Message &trouble) mutable {
        if (!password) {
            fail(
                {QT_TRANSLATE_NOOP("Messages", "no password: %1. Give it in File > Calendar Sync."),
                 {},
                 {trouble}});
            return;
        }
        startWith(settings, *password, std::move(events), eventFile, emptied);
    };
    if (sessionPassword)
        go(sessionPassword, {});
    else
        ReadSyncPasswordLater(settings.user, settings.calendar, this, std::move(go));
}

void SyncJob::startWith(const SyncSettings &settings, const QString &password,
                        std::vector<clsEvent> events, const std::string &eventFile,
                        EmptiedSide emptied)
{
    m_statePath = SyncStatePath(eventFile);
    // The state file is read, and later written, by one sync of this list at a time.
    m_lock = std::make_unique<FileLock>(m_statePath + ".lock");
    if (!m_lock->Held()) {
        Message trouble = Message::Verbatim(m_lock->Trouble());
        m_lock.reset();
        if (!trouble.empty()) {
            fail(std::move(trouble));
            return;
        }
        fail(QT_TRANSLATE_NOOP("Messages", "another sync of this list is under "
                                           "way; what changed is sent at the "
                                           "next sync"));
        return;
    }
    m_collection = CollectionOf(settings.calendar);
    m_authorization = BasicAuthorization(settings.user, password);
    m_sides = std::make_shared<Sides>();
    m_sides->events = std::move(events);
    m_sides->collectionPath = m_collection.path(QUrl::FullyDecoded).toStdString();
    m_sides->emptied = emptied;
    const std::string calendar =
        CalendarKey(Shown(m_collection).toStdString(), settings.user.toStdString());
    // The objects are written and the state read on a worker thread: for a long list that
    // takes longer than a window may wait.
    m_afterWork = [this] { started(); };
    m_working.setFuture(QtConcurrent::run([sides = m_sides, statePath = m_statePath, calendar] {
        try {
            sides->local = LocalObjects(sides->events, std::time(nullptr));
            // A state kept for another calendar or user says nothing of this one: syncing by it
            // would send nothing, or remove what that calendar never held.
            sides->state = StateFor(ReadSyncStateFile(statePath), calendar, sides->collectionPath);
        } catch (const MoonrillError &error) {
            sides->trouble = error.what();
        }
    }));
}

void SyncJob::started()
{
    if (!m_sides->trouble.empty()) {
        fail(Message::Verbatim(m_sides->trouble));
        return;
    }
    m_reader.List(
        m_collection, m_authorization, m_sides->state.token, m_deadline,
        [this](const ServerListing &listing, const Message &trouble) { listed(listing, trouble); },
        m_sides->state.propfindOnly);
}

void SyncJob::listed(const ServerListing &listing, const Message &trouble)
{
    if (!trouble.empty()) {
        fail(trouble);
        return;
    }
    Sides &sides = *m_sides;
    sides.server = ServerNow(sides.state, listing, sides.collectionPath);
    sides.token = listing.token;
    m_reader.Fetch(HrefsToRead(sides.server, sides.state, sides.local, sides.collectionPath,
                               sides.emptied == EmptiedSide::Restore),
                   [this](FetchedObjects fetched, const Message &trouble) {
                       read(std::move(fetched), trouble);
                   });
}

void SyncJob::read(FetchedObjects fetched, const Message &trouble)
{
    if (!trouble.empty()) {
        fail(trouble);
        return;
    }
    m_sides->texts = std::move(fetched.texts);
    // Removed since the listing: the plan sees them gone from the server.
    for (const std::string &href : fetched.gone)
        m_sides->server.erase(href);
    m_outcome.unheld = std::move(fetched.unread);
    // Reading what the server sent takes a while for a whole calendar: away from the window.
    m_afterWork = [this] { planned(); };
    m_working.setFuture(QtConcurrent::run([sides = m_sides] {
        sides->plan =
            PlanSync({sides->events, sides->local, sides->state, sides->server, sides->texts,
                      sides->collectionPath, sides->token, Date::today(), sides->emptied});
    }));
}

void SyncJob::planned()
{
    SyncPlan &plan = m_sides->plan;
    FitToRoom(plan,
              EventState::Limit - std::min<size_t>(m_sides->events.size(), EventState::Limit));
    plan.state.propfindOnly = m_reader.PropfindOnly();
    m_outcome.takenNew = plan.takenNew;
    m_outcome.takenChanged = plan.takenChanged;
    m_outcome.takenRemoved = plan.takenRemoved;
    m_outcome.takenNames = takenNames(plan.edits, m_sides->events);
    m_outcome.unheld.insert(m_outcome.unheld.end(), plan.unheld.begin(), plan.unheld.end());
    m_outcome.serverEmptied = plan.serverEmptied;
    m_outcome.listEmptied = plan.listEmptied;
    m_outcome.emptiedLeft = plan.emptiedLeft;
    if (plan.serverEmptied > 0 || plan.listEmptied > 0) {
        m_outcome.keptTwice = plan.keptTwice;
        end(); // nothing either way until the user says
        return;
    }
    if (!plan.edits.empty()) {
        if (std::optional<Message> trouble = m_apply(plan, m_sides->events)) {
            m_outcome.takenNew = m_outcome.takenChanged = m_outcome.takenRemoved = 0;
            m_outcome.takenNames.clear();
            m_outcome.keptTwice.clear();
            m_outcome.deferred = trouble->empty();
            fail(*trouble);
            return;
        }
    }
    m_outcome.keptTwice = plan.keptTwice; // with those the list changed while the sync ran
    // What the list took is agreed before anything is sent: a sync cut short after this point
    // finds it so, and finds what it sent on the server under the list's own UIDs.
    if (Message trouble = writeState(plan.state); !trouble.empty()) {
        fail(trouble);
        return;
    }
    m_writer.Start(m_collection, m_authorization, std::move(plan.steps),
                   std::move(plan.state.objects), m_deadline);
}

void SyncJob::written(const WriteReport &report)
{
    m_outcome.report = report;
    const SyncState &planned = m_sides->plan.state;
    SyncState state{planned.token, m_writer.Agreed(), planned.calendar, planned.propfindOnly};
    const bool wrote = report.created + report.changed + report.removed > 0;
    if (!wrote || state.token.empty() || m_deadline.hasExpired()) {
        m_outcome.trouble = writeState(state);
        end();
        return;
    }
    // The token was given before our own writes. Some servers (Xandikos) tell a later listing
    // from it nothing of an object made after it and removed since, so a phone's removal of
    // what this sync put would never be seen: the token kept must cover our writes.
    m_listedBefore = m_reader.Requests();
    m_reader.List(m_collection, m_authorization, state.token, m_deadline,
                  [this, state = std::move(state)](const ServerListing &listing,
                                                   const Message &trouble) mutable {
                      if (trouble.empty())
                          state = TokenOverOwnWrites(std::move(state), listing);
                      m_outcome.trouble = writeState(state);
                      end();
                  });
}

Message SyncJob::writeState(const SyncState &state) const
{
    try {
        // Written privately and never through a link: what stands at the path is replaced.
        WriteFileAtomically(
            m_statePath, SyncStateText(state),
            {.followLinks = false, .modeFrom = {}, .noun = "a state file", .privateFile = true});
        return {};
    } catch (const MoonrillError &error) {
        return Message::Verbatim(error.what());
    }
}

void SyncJob::fail(Message trouble)
{
    m_outcome.trouble = std::move(trouble);
    end();
}

void SyncJob::end()
{
    m_lock.reset();
    m_authorization.clear();
    m_sides.reset();
    m_outcome.requests = m_listedBefore + m_reader.Requests() + m_outcome.report.requests;
    m_listedBefore = 0;
    m_busy = false;
    emit finished(m_outcome);
}
