// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncPlan.h"

#include "CalendarImport.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

/// An object on the server as this sync knows it.
struct Remote
{
    std::string href;
    std::string etag;
    const std::string *text = nullptr; // as read this sync, where it was
    std::optional<ObjectReading> reading;
    bool changed = true; // since the last sync agreed on it (new counts as changed)
};

class Planner
{
public:
    Planner(const SyncSides &sides, SyncPlan &plan) : m_sides(sides), m_plan(plan) {}

    void run()
    {
        index();
        if (heldBack())
            return;
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
                  [](const PublishedObject &a, const PublishedObject &b) { return a.uid < b.uid; });
        m_plan.state.token = m_sides.token;
    }

private:
    std::string hrefOf(const PublishedObject &agreed) const
    {
        return agreed.href.empty() ? m_sides.collectionPath + agreed.uid + ".ics" : agreed.href;
    }

    void index()
    {
        for (const LocalObject &object : m_sides.local)
            m_local.emplace(object.uid, &object);
        for (const PublishedObject &agreed : m_sides.state.objects)
            m_state.emplace(agreed.uid, agreed);
        std::unordered_map<std::string, const PublishedObject *> byHref;
        for (const auto &[uid, agreed] : m_state)
            byHref.emplace(hrefOf(agreed), &agreed);
        for (const auto &[href, etag] : m_sides.server) {
            Remote remote{href, etag, nullptr, std::nullopt, true};
            const auto known = byHref.find(href);
            remote.changed = known == byHref.end() || known->second->etag != etag || etag.empty();
            const auto text = m_sides.texts.find(href);
            std::string uid;
            if (text != m_sides.texts.end()) {
                remote.text = &text->second;
                remote.reading = ReadCalendarObject(text->second, m_sides.today);
                // A UID the state file cannot keep on its line goes by the object's href.
                const std::string &read = remote.reading->uid;
                const bool plain = std::none_of(read.begin(), read.end(), [](char c) {
                    return static_cast<unsigned char>(c) < 0x20;
                });
                uid = read.empty() || !plain ? "href:" + href : read;
            } else if (known != byHref.end()) {
                uid = known->second->uid;
            } else {
                continue; // not read, though new: left for the next sync
            }
            m_remote.emplace(uid, std::move(remote)); // a UID twice on the server: the first
        }
    }

    /// Whether one side holds nothing of many objects it held, and the user has not said yet.
    bool heldBack()
    {
        size_t held = 0;
        size_t onServer = 0;
        size_t inList = 0;
        for (const auto &[uid, agreed] : m_state) {
            if (agreed.hash == 0)
                continue;
            ++held;
            onServer += m_remote.contains(uid) ? 1 : 0;
            inList += m_local.contains(uid) ? 1 : 0;
        }
        const bool serverEmptied = held >= EmptiedFloor && onServer == 0 && inList > 0;
        const bool listEmptied = held >= EmptiedFloor && inList == 0 && onServer > 0;
        if (!serverEmptied && !listEmptied)
            return false;
        if (m_sides.emptied == EmptiedSide::Ask) {
            m_plan.serverEmptied = serverEmptied ? held : 0;
            m_plan.listEmptied = listEmptied ? held : 0;
            m_plan.state = m_sides.state;
            return true;
        }
        if (m_sides.emptied == EmptiedSide::Restore) {
            // As before any sync: what one side holds, the other takes (all of it was read).
            m_state.clear();
            for (auto &[uid, remote] : m_remote)
                remote.changed = true;
        }
        return false;
    }

    void agree(PublishedObject agreed) { m_plan.state.objects.push_back(std::move(agreed)); }

    /// The list's UID of the event that owns `object`.
    std::string ownerUid(const LocalObject &object) const
    {
        const std::string &uid = m_sides.events[object.owner].Options.Uid;
        return uid.empty() ? object.uid : uid;
    }

    /// The hash of `event` as the list writes it.
    uint64_t listHash(const clsEvent &event, const std::string &objectUid) const
    {
        for (const LocalObject &object : LocalObjects({event}, 0))
            if (object.uid == objectUid)
                return object.hash;
        return 0;
    }

    void decide(const std::string &uid)
    {
        const auto l = m_local.find(uid);
        const auto r = m_remote.find(uid);
        const auto s = m_state.find(uid);
        const LocalObject *local = l == m_local.end() ? nullptr : l->second;
        Remote *remote = r == m_remote.end() ? nullptr : &r->second;
        const PublishedObject *agreed = s == m_state.end() ? nullptr : &s->second;
        if (local != nullptr && local->february) {
            follow(*local, remote, agreed);
            return;
        }
        if (local == nullptr && remote != nullptr && remote->reading &&
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
                    m_plan.steps.push_back(
                        {PublishStep::Kind::Remove, uid, {}, 0, remote->etag, remote->href});
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

    /// Where `uid` ends in "-february" and the event of the UID without it is on either side.
    bool isCompanion(const std::string &uid) const
    {
        const std::string base = uid.substr(0, uid.size() - std::string_view("-february").size());
        return m_local.contains(base) || m_remote.contains(base);
    }

    /// An object that only says February's last day of an event the list holds: it follows
    /// the list, as every publish put it.
    void follow(const LocalObject &local, const Remote *remote, const PublishedObject *agreed)
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
            m_plan.steps.push_back({PublishStep::Kind::Change, local.uid, local.text, local.hash,
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

    void create(const LocalObject &local)
    {
        m_plan.steps.push_back(
            {PublishStep::Kind::Create, local.uid, local.text, local.hash, {}, {}});
    }

    void edit(SyncEdit change, int &count)
    {
        m_plan.edits.push_back(std::move(change));
        ++count;
    }

    void keepUnheld(const PublishedObject &agreed)
    {
        if (!agreed.unheld.empty())
            m_plan.unheld.push_back(UnheldObject::FromKept(agreed.unheld));
        agree(agreed);
    }

    /// Takes the server's version of `uid` into the list: as a new event, or over the event
    /// `listUid` holds. One the list cannot hold is named and left on the server.
    void take(const std::string &uid, const Remote &remote,
              const std::optional<std::string> &listUid)
    {
        const ObjectReading &reading = *remote.reading;
        const uint64_t serverHash = ObjectHash(*remote.text);
        if (!reading.event) {
            const UnheldObject unheld{reading.name, reading.whyNot, true};
            m_plan.unheld.push_back(unheld);
            agree({uid, 0, remote.etag, remote.href, serverHash, unheld.Kept()});
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

    void both(const LocalObject &local, const Remote &remote, const PublishedObject *agreed,
              bool localChanged, bool remoteChanged)
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

    /// The list changed an object the server holds as agreed: the server's object takes what
    /// the list says and keeps what the list does not model.
    void change(const LocalObject &local, const Remote &remote, const PublishedObject &agreed)
    {
        const auto text = m_sides.texts.find(remote.href);
        std::string merged = text == m_sides.texts.end()
                                 ? local.text
                                 : MergeIntoObject(text->second, local.text, m_sides.today);
        if (agreed.serverHash != 0 && ObjectHash(merged) == agreed.serverHash) {
            // Only its date moved on by its rule: the server's object says that already.
            agree({local.uid, local.hash, agreed.etag, remote.href, agreed.serverHash, {}});
            return;
        }
        m_plan.steps.push_back({PublishStep::Kind::Change, local.uid, std::move(merged), local.hash,
                                remote.etag, remote.href});
        agree(agreed); // until the server takes it
    }

    std::string freshUid(const clsEvent &event) const
    {
        for (int twin = 1;; ++twin) {
            std::string uid = EventUid(event, twin);
            if (!m_local.contains(uid) && !m_remote.contains(uid) && !m_state.contains(uid))
                return uid;
        }
    }

    const SyncSides &m_sides;
    SyncPlan &m_plan;
    std::unordered_map<std::string, const LocalObject *> m_local;
    std::unordered_map<std::string, Remote> m_remote;
    std::unordered_map<std::string, PublishedObject> m_state;
};

} // namespace

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
    Planner(sides, plan).run();
    return plan;
}
