// SPDX-License-Identifier: GPL-3.0-or-later
// The two sides as a sync sees them: the list's objects, the server's now, and which of the
// server's objects it must read.
#include "SyncPlan.h"

#include <algorithm>
#include <unordered_set>

std::vector<LocalObject> LocalObjects(const std::vector<clsEvent> &events, std::time_t now,
                                      std::vector<std::string> *uids)
{
    std::vector<std::string> kept;
    std::vector<CalendarObject> objects = CalendarObjects(events, MoonrillProductId(), now, &kept);
    std::vector<LocalObject> local;
    local.reserve(objects.size());
    size_t owner = 0;
    for (CalendarObject &object : objects) {
        while (owner < kept.size() && object.uid != kept[owner] &&
               object.uid != kept[owner] + "-february")
            ++owner;
        const bool second =
            object.uid != kept[owner] && !local.empty() && local.back().owner == owner;
        const uint64_t hash = ObjectHash(object.text);
        local.push_back({std::move(object.uid), std::move(object.text), hash, owner, second});
    }
    if (uids != nullptr)
        *uids = std::move(kept);
    return local;
}

std::unordered_map<std::string, std::string>
ServerNow(const SyncState &state, const ServerListing &listing, const std::string &collectionPath)
{
    if (listing.complete)
        return listing.present;
    std::unordered_map<std::string, std::string> now;
    for (const AgreedObject &agreed : state.objects)
        now.emplace(agreed.href.empty() ? collectionPath + agreed.uid + ".ics" : agreed.href,
                    agreed.etag);
    for (const std::string &href : listing.gone)
        now.erase(href);
    for (const auto &[href, etag] : listing.present)
        now[href] = etag;
    return now;
}

SyncState TokenOverOwnWrites(SyncState state, const ServerListing &listing)
{
    if (listing.token.empty())
        return state;
    std::unordered_map<std::string_view, AgreedObject *> byHref;
    for (AgreedObject &agreed : state.objects)
        if (!agreed.href.empty())
            byHref.emplace(agreed.href, &agreed);
    // A whole listing (the server no longer knew the token) holds every object: each agreed.
    if (listing.complete && listing.present.size() != byHref.size())
        return state;
    for (const auto &[href, etag] : listing.present) {
        const auto ours = byHref.find(href);
        if (ours == byHref.end() || (!ours->second->etag.empty() && ours->second->etag != etag))
            return state; // someone else's change: heard of at the next sync
    }
    for (const std::string &href : listing.gone)
        if (byHref.contains(href))
            return state; // removed by someone else
    for (const auto &[href, etag] : listing.present)
        if (AgreedObject &ours = *byHref.at(href); ours.etag.empty())
            ours.etag = etag;
    state.token = listing.token;
    return state;
}

bool HeldSince(std::string_view kept)
{
    // The reasons an earlier version gave for a phone's alarms and a time in another zone, which
    // this one holds. A reason this version still gives is not among them: its object would be
    // read at every sync.
    constexpr std::string_view reasons[] = {"several reminders", "a reminder at a fixed time",
                                            "a series that falls on other days here"};
    const std::string_view why = kept.substr(0, kept.find('\t'));
    return std::find(std::begin(reasons), std::end(reasons), why) != std::end(reasons);
}

std::vector<std::string> HrefsToRead(const std::unordered_map<std::string, std::string> &server,
                                     const SyncState &state, const std::vector<LocalObject> &local,
                                     const std::string &collectionPath, bool all)
{
    std::unordered_map<std::string, const AgreedObject *> byHref;
    std::unordered_map<std::string_view, const AgreedObject *> byUid;
    for (const AgreedObject &agreed : state.objects) {
        byHref.emplace(agreed.href.empty() ? collectionPath + agreed.uid + ".ics" : agreed.href,
                       &agreed);
        byUid.emplace(agreed.uid, &agreed);
    }
    std::unordered_set<std::string> read;
    for (const auto &[href, etag] : server) {
        const auto known = byHref.find(href);
        if (all || known == byHref.end() || known->second->etag != etag || etag.empty() ||
            HeldSince(known->second->unheld))
            read.insert(href);
    }
    std::unordered_set<std::string_view> listed;
    for (const LocalObject &object : local) {
        listed.insert(object.uid);
        const auto known = byUid.find(object.uid);
        if (known == byUid.end() || known->second->hash == object.hash)
            continue;
        const std::string href = known->second->href.empty() ? collectionPath + object.uid + ".ics"
                                                             : known->second->href;
        if (server.contains(href))
            read.insert(href);
    }
    // What the list no longer holds is read before it is removed: an event whose day is over
    // left the list by itself, and stays on the server as the calendar's history.
    for (const AgreedObject &agreed : state.objects) {
        const std::string href =
            agreed.href.empty() ? collectionPath + agreed.uid + ".ics" : agreed.href;
        if (agreed.hash != 0 && !listed.contains(agreed.uid) && server.contains(href))
            read.insert(href);
    }
    std::vector<std::string> hrefs(read.begin(), read.end());
    std::sort(hrefs.begin(), hrefs.end());
    return hrefs;
}
