// SPDX-License-Identifier: GPL-3.0-or-later
// How the planner sees the two sides before it decides: the server's objects by UID (two of
// one UID told apart), a side emptied, and the twins another copy of the list made.
#include "SyncPlanner.h"

#include <algorithm>

std::string SyncPlanner::hrefOf(const AgreedObject &agreed) const
{
    return agreed.href.empty() ? m_sides.collectionPath + agreed.uid + ".ics" : agreed.href;
}

void SyncPlanner::index()
{
    for (const LocalObject &object : m_sides.local)
        m_local.emplace(object.uid, &object);
    for (const AgreedObject &agreed : m_sides.state.objects)
        m_state.emplace(agreed.uid, agreed);
    std::unordered_map<std::string, const AgreedObject *> byHref;
    for (const auto &[uid, agreed] : m_state)
        byHref.emplace(hrefOf(agreed), &agreed);
    for (const auto &[href, etag] : m_sides.server) {
        RemoteObject remote{href, etag, nullptr, std::nullopt, true};
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
        const auto [kept, fresh] = m_remote.try_emplace(uid, remote);
        if (!fresh) {
            // Two objects with one UID (some servers allow it): the one this list knows by
            // that UID, else the first by href, is its event; the other is named.
            const auto keptKnown = byHref.find(kept->second.href);
            const bool keptIsKnown = keptKnown != byHref.end() && keptKnown->second->uid == uid;
            const bool thisKnown = known != byHref.end() && known->second->uid == uid;
            if (!keptIsKnown && (thisKnown || remote.href < kept->second.href))
                std::swap(kept->second, remote);
            sameUid(remote, byHref);
        }
    }
}

void SyncPlanner::sameUid(const RemoteObject &second,
                          const std::unordered_map<std::string, const AgreedObject *> &byHref)
{
    const std::string uid = "href:" + second.href;
    const UnheldObject unheld{second.reading ? second.reading->name : second.href,
                              QT_TRANSLATE_NOOP("Messages", "another object has its UID"),
                              !byHref.contains(second.href)};
    m_plan.unheld.push_back(unheld);
    agree({uid, 0, second.etag, second.href, second.text != nullptr ? ObjectHash(*second.text) : 0,
           unheld.Kept()});
}

bool SyncPlanner::heldBack()
{
    size_t held = 0;
    size_t onServer = 0;
    size_t inList = 0;
    for (const auto &[uid, agreed] : m_state) {
        const auto remote = m_remote.find(uid);
        const bool inLocal = m_local.contains(uid);
        // An event whose day is over left the list by itself: no sign of a list emptied.
        if (agreed.hash == 0 || (!inLocal && remote != m_remote.end() && remote->second.reading &&
                                 over(*remote->second.reading, m_sides.today)))
            continue;
        ++held;
        onServer += remote != m_remote.end() ? 1 : 0;
        inList += inLocal ? 1 : 0;
    }
    const auto emptied = [held](size_t left, size_t other) {
        return other > 0 && ((held >= EmptiedFloor && left == 0) ||
                             (held >= NearlyEmptiedFloor && left * 10 <= held));
    };
    const bool serverEmptied = emptied(onServer, inList);
    const bool listEmptied = !serverEmptied && emptied(inList, onServer);
    if (!serverEmptied && !listEmptied)
        return false;
    if (m_sides.emptied == EmptiedSide::Ask) {
        m_plan.serverEmptied = serverEmptied ? held - onServer : 0;
        m_plan.listEmptied = listEmptied ? held - inList : 0;
        m_plan.emptiedLeft = serverEmptied ? onServer : inList;
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

void SyncPlanner::claimTwins()
{
    std::unordered_multimap<std::string, const std::string *> fresh; // by description
    for (const auto &[uid, remote] : m_remote)
        if (!m_state.contains(uid) && !m_local.contains(uid) && remote.reading &&
            remote.reading->event && !remote.reading->february)
            fresh.emplace(remote.reading->event->Description, &uid);
    if (fresh.empty())
        return;
    for (const auto &[uid, local] : m_local) {
        const auto r = m_remote.find(uid);
        const auto s = m_state.find(uid);
        const clsEvent &event = m_sides.events[local->owner];
        if (local->february || r == m_remote.end() || s == m_state.end() ||
            s->second.hash == local->hash || !r->second.changed || !r->second.reading ||
            !r->second.reading->event || SameEvent(*r->second.reading->event, event) ||
            LocalObjects({event}, 0).size() != 1)
            continue;
        const auto [first, last] = fresh.equal_range(event.Description);
        for (auto candidate = first; candidate != last; ++candidate) {
            const std::string &twin = *candidate->second;
            if (!m_claimed.contains(twin) && sameButUid(event, *m_remote.at(twin).reading->event)) {
                m_twins.emplace(uid, twin);
                m_claimed.insert(twin);
                break;
            }
        }
    }
}
