// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarImport.h"
#include "SyncPlan.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

// The sync's planner, shared by the files that make it: how it sees the two sides (the list's
// objects, the server's as listed and read, and what the last sync agreed on) and what it decides
// for each UID. Only PlanSync uses it.

/// An object on the server as this sync knows it.
struct RemoteObject
{
    std::string href;
    std::string etag;
    const std::string *text = nullptr; // as read this sync, where it was
    std::optional<ObjectReading> reading;
    bool changed = true; // since the last sync agreed on it (new counts as changed)
};

class SyncPlanner
{
public:
    SyncPlanner(const SyncSides &sides, SyncPlan &plan) : m_sides(sides), m_plan(plan) {}
    void run();

private:
    /// Whether `reading` is an event whose only day is over: the list lets such an event go by
    /// itself, and neither takes it in nor removes it from the server.
    [[nodiscard]] static bool over(const ObjectReading &reading, Date today);

    /// Whether `a` and `b` are the same event but for the UID they go by.
    [[nodiscard]] static bool sameButUid(const clsEvent &a, clsEvent b);

    void agree(AgreedObject agreed) { m_plan.state.objects.push_back(std::move(agreed)); }
    std::string hrefOf(const AgreedObject &agreed) const;
    void index();
    /// Names `second`, an object whose UID another object of the server goes by too, and keeps
    /// it in mind by its href, so that it is read again only when it changes.
    void sameUid(const RemoteObject &second,
                 const std::unordered_map<std::string, const AgreedObject *> &byHref);
    /// Whether one side holds nothing of many objects it held, and the user has not said yet.
    bool heldBack();
    /// For each event changed on both sides, an object new on the server that holds the list's
    /// version already (put there by another copy of the list that made the same change).
    void claimTwins();
    /// The list's UID of the event that owns `object`.
    std::string ownerUid(const LocalObject &object) const;
    /// The hash of `event` as the list writes it.
    uint64_t listHash(const clsEvent &event, const std::string &objectUid) const;
    void decide(const std::string &uid);
    /// Where `uid` ends in "-february" and the event of the UID without it is on either side.
    bool isCompanion(const std::string &uid) const;
    /// An object that only says February's last day of an event the list holds: it follows
    /// the list, as every sync put it.
    void follow(const LocalObject &local, const RemoteObject *remote, const AgreedObject *agreed);
    /// The list no longer holds the object `uid` the server holds as agreed: the user removed
    /// it, and the server's goes too, unless its day is over. It stays agreed until the server
    /// took the removal, so that a removal that failed is sent again.
    void remove(const std::string &uid, const RemoteObject &remote, const AgreedObject &agreed);
    void create(const LocalObject &local);
    void edit(SyncEdit change, int &count);
    void keepUnheld(const AgreedObject &agreed);
    /// Takes the server's version of `uid` into the list: as a new event, or over the event
    /// `listUid` holds. One the list cannot hold is named and left on the server.
    void take(const std::string &uid, const RemoteObject &remote,
              const std::optional<std::string> &listUid);
    void both(const LocalObject &local, const RemoteObject &remote, const AgreedObject *agreed,
              bool localChanged, bool remoteChanged);
    /// The list changed an object the server holds as agreed: the server's object takes what
    /// the list says and keeps what the list does not model.
    void change(const LocalObject &local, const RemoteObject &remote, const AgreedObject &agreed);
    std::string freshUid(const clsEvent &event) const;

    const SyncSides &m_sides;
    SyncPlan &m_plan;
    std::unordered_map<std::string, const LocalObject *> m_local;
    std::unordered_map<std::string, RemoteObject> m_remote;
    std::unordered_map<std::string, AgreedObject> m_state;
    std::unordered_map<std::string, std::string> m_twins; // list's UID → the twin's on the server
    std::unordered_set<std::string> m_claimed;            // the twins' UIDs
};
