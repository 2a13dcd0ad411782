// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncPlan.h"

#include "CalendarImport.h"
#include "EventTypes.h"
#include "SyncPlanner.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

/// Why a meeting's object is never written: its object is the organizer's (a server that
/// schedules mails every attendee on a write of it), so the list's edits of it stay in the list.
constexpr const char *MeetingNote =
    QT_TRANSLATE_NOOP("Messages", "a meeting: changes stay on this computer");

/// Whether the server's event `read` is the list's `listed` but for the time of day, its zone,
/// its end and its reminders, which the list's lacks and the server's has: an event an earlier
/// version took without them (it held day events only, of one reminder each).
bool keptWithoutTimes(const clsEvent &listed, const clsEvent &read)
{
    if (!listed.Options.Time.empty() || !listed.Options.Alarms.empty() ||
        (read.Options.Time.empty() && read.Options.Alarms.empty()))
        return false;
    clsEvent completed = listed;
    completed.Options.Time = read.Options.Time;
    completed.Options.Zone = read.Options.Zone;
    completed.Options.End = read.Options.End;
    completed.Options.Duration = read.Options.Duration;
    completed.Options.Alarms = read.Options.Alarms;
    completed.Period = read.Period;
    return SameEvent(completed, read);
}

} // namespace

bool SyncPlanner::over(const ObjectReading &reading, Date today)
{
    return reading.event && reading.event->Occurs == OnceType && reading.event->StartingOn < today;
}

bool SyncPlanner::sameButUid(const clsEvent &a, clsEvent b)
{
    b.Options.Uid = a.Options.Uid;
    return SameEvent(a, b);
}

void SyncPlanner::run()
{
    index();
    if (heldBack())
        return;
    claimTwins();
    std::set<std::string> uids;
    for (const auto &[uid, object] : m_local)
        uids.insert(uid);
    for (const auto &[uid, remote] : m_remote)
        uids.insert(uid);
    for (const auto &[uid, agreed] : m_state)
        uids.insert(uid);
    for (const std::string &uid : uids)
        decide(uid);
    std::sort(m_plan.state.objects.begin(), m_plan.state.objects.end(),
              [](const AgreedObject &a, const AgreedObject &b) { return a.uid < b.uid; });
    m_plan.state.token = m_sides.token;
    m_plan.state.calendar = m_sides.state.calendar;
}

std::string SyncPlanner::ownerUid(const LocalObject &object) const
{
    const std::string &uid = m_sides.events[object.owner].Options.Uid;
    return uid.empty() ? object.uid : uid;
}

uint64_t SyncPlanner::listHash(const clsEvent &event, const std::string &objectUid) const
{
    for (const LocalObject &object : LocalObjects({event}, 0))
        if (object.uid == objectUid)
            return object.hash;
    return 0;
}

void SyncPlanner::decide(const std::string &uid)
{
    if (m_claimed.contains(uid))
        return; // the list's own version of an event changed on both sides: agreed there
    const auto l = m_local.find(uid);
    const auto r = m_remote.find(uid);
    const auto s = m_state.find(uid);
    const LocalObject *local = l == m_local.end() ? nullptr : l->second;
    RemoteObject *remote = r == m_remote.end() ? nullptr : &r->second;
    const AgreedObject *agreed = s == m_state.end() ? nullptr : &s->second;
    if (local != nullptr && local->february) {
        follow(*local, remote, agreed);
        return;
    }
    const bool ours = agreed != nullptr && agreed->hash != 0 && remote != nullptr &&
                      !remote->changed; // the list put it, and the list let it go
    if (local == nullptr && remote != nullptr && remote->reading && !ours &&
        (remote->reading->uid.empty() || (remote->reading->february && isCompanion(uid)))) {
        // No event at all (a task, a note), or what the list's event puts itself: kept in
        // mind, so that it is read again only when it changes.
        agree({uid, 0, remote->etag, remote->href, 0, {}});
        return;
    }
    if (remote != nullptr && remote->changed && remote->text == nullptr) {
        // Changed, but gone before it could be read: the next sync sees to it.
        if (agreed != nullptr)
            agree(*agreed);
        return;
    }
    const bool localChanged =
        local != nullptr && (agreed == nullptr || agreed->hash != local->hash);
    const bool remoteChanged = remote != nullptr && remote->changed;
    if (local != nullptr && remote == nullptr) {
        if (agreed != nullptr && !localChanged)
            edit({SyncEdit::Kind::Remove, ownerUid(*local), {}, {}}, m_plan.takenRemoved);
        else
            create(*local); // new, or changed where the server removed it: the change wins
    } else if (local == nullptr && remote != nullptr) {
        if (!remoteChanged && agreed == nullptr) {
            return; // not read, so not known yet: the next sync reads it
        } else if (!remoteChanged) {
            if (agreed->hash != 0)
                remove(uid, *remote, *agreed);
            else if (remote->reading && remote->reading->event && HeldSince(agreed->unheld))
                take(uid, *remote, std::nullopt); // left out by an earlier version, held now
            else
                keepUnheld(*agreed);
        } else {
            take(uid, *remote, std::nullopt); // new there, or changed where the list removed it
        }
    } else if (local != nullptr && remote != nullptr) {
        both(*local, *remote, agreed, localChanged, remoteChanged);
    }
    // Gone from both sides: nothing is left to agree on.
}

bool SyncPlanner::isCompanion(const std::string &uid) const
{
    const std::string base = uid.substr(0, uid.size() - std::string_view("-february").size());
    return m_local.contains(base) || m_remote.contains(base);
}

void SyncPlanner::follow(const LocalObject &local, const RemoteObject *remote,
                         const AgreedObject *agreed)
{
    if (remote == nullptr && agreed != nullptr && agreed->hash == local.hash) {
        // Removed on the server with its event, most likely: the event's own object decides,
        // and a next sync puts this one again if the event stays.
    } else if (remote == nullptr) {
        create(local);
    } else if (agreed != nullptr && agreed->hash == 0 && remote->etag == agreed->etag) {
        // Taken in with its event from another copy of the list, which put it: ours now.
        agree({local.uid, local.hash, remote->etag, remote->href, agreed->serverHash, {}});
    } else if (agreed == nullptr && remote->reading && remote->reading->february &&
               remote->reading->name == m_sides.events[local.owner].Description) {
        // Put by a sync whose state was lost, or by another copy of the list: the event's
        // own object says whether it changed.
        agree({local.uid, local.hash, remote->etag, remote->href, 0, {}});
    } else if (agreed == nullptr || agreed->hash != local.hash || remote->changed) {
        m_plan.steps.push_back({SyncStep::Kind::Change, local.uid, local.text, local.hash,
                                remote->etag, remote->href});
        agree({local.uid,
               agreed != nullptr ? agreed->hash : 0,
               remote->etag,
               remote->href,
               agreed != nullptr ? agreed->serverHash : 0,
               {}});
    } else {
        agree(*agreed);
    }
}

void SyncPlanner::remove(const std::string &uid, const RemoteObject &remote,
                         const AgreedObject &agreed)
{
    if (remote.text == nullptr) {
        agree(agreed); // not read this time: the next sync sees to it
    } else if (remote.reading && over(*remote.reading, m_sides.today)) {
        agree({uid, 0, remote.etag, remote.href, ObjectHash(*remote.text), {}});
    } else if (remote.reading && remote.reading->meeting) {
        m_plan.unheld.push_back({remote.reading->name, MeetingNote, true});
        agree({uid, 0, remote.etag, remote.href, agreed.serverHash, {}});
    } else {
        m_plan.steps.push_back({SyncStep::Kind::Remove, uid, {}, 0, remote.etag, remote.href});
        agree(agreed);
    }
}

void SyncPlanner::create(const LocalObject &local)
{
    m_plan.steps.push_back({SyncStep::Kind::Create, local.uid, local.text, local.hash, {}, {}});
}

void SyncPlanner::edit(SyncEdit change, int &count)
{
    m_plan.edits.push_back(std::move(change));
    ++count;
}

void SyncPlanner::keepUnheld(const AgreedObject &agreed)
{
    if (!agreed.unheld.empty())
        m_plan.unheld.push_back(UnheldObject::FromKept(agreed.unheld));
    agree(agreed);
}

void SyncPlanner::take(const std::string &uid, const RemoteObject &remote,
                       const std::optional<std::string> &listUid)
{
    const ObjectReading &reading = *remote.reading;
    const uint64_t serverHash = ObjectHash(*remote.text);
    if (over(reading, m_sides.today)) {
        // Its day is over: history on the server, and nothing the list holds.
        agree({uid, 0, remote.etag, remote.href, serverHash, {}});
        if (listUid)
            edit({SyncEdit::Kind::Remove, *listUid, {}, {}}, m_plan.takenRemoved);
        return;
    }
    if (!reading.event) {
        const UnheldObject unheld{reading.name, reading.whyNot, true};
        m_plan.unheld.push_back(unheld);
        // A task or a journal entry is said once; an event the list cannot hold at every sync.
        agree({uid, 0, remote.etag, remote.href, serverHash, reading.task ? "" : unheld.Kept()});
        if (listUid)
            edit({SyncEdit::Kind::Remove, *listUid, {}, {}}, m_plan.takenRemoved);
        return;
    }
    if (listUid)
        edit({SyncEdit::Kind::Change, *listUid, *reading.event, {}}, m_plan.takenChanged);
    else
        edit({SyncEdit::Kind::Add, reading.event->Options.Uid, *reading.event, {}},
             m_plan.takenNew);
    agree({uid, listHash(*reading.event, uid), remote.etag, remote.href, serverHash, {}});
}

void SyncPlanner::both(const LocalObject &local, const RemoteObject &remote,
                       const AgreedObject *agreed, bool localChanged, bool remoteChanged)
{
    const clsEvent &event = m_sides.events[local.owner];
    if (!remoteChanged) {
        if (!localChanged)
            agree(*agreed);
        else
            change(local, remote, *agreed);
        return;
    }
    const ObjectReading &reading = *remote.reading;
    const uint64_t serverHash = ObjectHash(*remote.text);
    if (reading.event && SameEvent(*reading.event, event)) {
        // Both hold the same event: what a sync whose answers never came back left.
        agree({local.uid, local.hash, remote.etag, remote.href, serverHash, {}});
    } else if (!localChanged) {
        take(local.uid, remote, ownerUid(local));
    } else {
        // Changed on both sides: the list's version goes on under a UID of its own, and the
        // server's comes in under the one they shared.
        m_plan.keptTwice.push_back(event.Description);
        if (const auto twin = m_twins.find(local.uid); twin != m_twins.end()) {
            // Another copy of the list made the same change and kept it under a UID of its
            // own already: this list's version goes by that one, not by a third.
            const RemoteObject &theirs = m_remote.at(twin->second);
            clsEvent renamed = event;
            renamed.Options.Uid = twin->second;
            m_plan.edits.push_back({SyncEdit::Kind::Rename, ownerUid(local), {}, twin->second});
            agree({twin->second,
                   listHash(renamed, twin->second),
                   theirs.etag,
                   theirs.href,
                   ObjectHash(*theirs.text),
                   {}});
            const int takenNew = m_plan.takenNew;
            take(local.uid, remote, std::nullopt);
            m_plan.takenNew = takenNew;
            return;
        }
        const std::string newUid = freshUid(event);
        m_plan.edits.push_back({SyncEdit::Kind::Rename, ownerUid(local), {}, newUid});
        clsEvent renamed = event;
        renamed.Options.Uid = newUid;
        for (const LocalObject &object : LocalObjects({renamed}, 0))
            create(object);
        const int takenNew = m_plan.takenNew;
        take(local.uid, remote, std::nullopt);
        m_plan.takenNew = takenNew; // said as kept twice
    }
}

void SyncPlanner::change(const LocalObject &local, const RemoteObject &remote,
                         const AgreedObject &agreed)
{
    const clsEvent &event = m_sides.events[local.owner];
    if (remote.reading && remote.reading->event &&
        agreed.hash != listHash(*remote.reading->event, local.uid) &&
        keptWithoutTimes(event, *remote.reading->event)) {
        // Agreed on by an earlier version, which kept the phone's time and alarms on the server
        // alone: the list takes them, and the server's object stays as the phone wrote it.
        take(local.uid, remote, ownerUid(local));
        return;
    }
    if (remote.reading && remote.reading->meeting) {
        m_plan.unheld.push_back({remote.reading->name, MeetingNote, true});
        agree({local.uid, local.hash, remote.etag, remote.href, agreed.serverHash, {}});
        return;
    }
    const auto text = m_sides.texts.find(remote.href);
    std::string merged = text == m_sides.texts.end()
                             ? local.text
                             : MergeIntoObject(text->second, local.text, m_sides.today);
    if (agreed.serverHash != 0 && ObjectHash(merged) == agreed.serverHash) {
        // Only its date moved on by its rule: the server's object says that already.
        agree({local.uid, local.hash, agreed.etag, remote.href, agreed.serverHash, {}});
        return;
    }
    m_plan.steps.push_back({SyncStep::Kind::Change, local.uid, std::move(merged), local.hash,
                            remote.etag, remote.href});
    agree(agreed); // until the server takes it
}

std::string SyncPlanner::freshUid(const clsEvent &event) const
{
    for (int twin = 1;; ++twin) {
        std::string uid = EventUid(event, twin);
        if (!m_local.contains(uid) && !m_remote.contains(uid) && !m_state.contains(uid))
            return uid;
    }
}

UnheldObject UnheldObject::FromKept(std::string_view kept)
{
    const size_t tab = kept.find('\t');
    if (tab == std::string_view::npos)
        return {std::string(kept), {}, false};
    return {std::string(kept.substr(tab + 1)), std::string(kept.substr(0, tab)), false};
}

SyncPlan PlanSync(const SyncSides &sides)
{
    SyncPlan plan;
    SyncPlanner(sides, plan).run();
    return plan;
}
