// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"
#include "EventFields.h"
#include "EventState.h"
#include "SyncStateFile.h"
#include "clsEvent.h"

#include <ctime>
#include <string>
#include <unordered_map>
#include <vector>

// A sync both ways between the list and one calendar collection, as plain decisions: what the
// list takes from the server, what goes to the server, and what both then agree on. Objects
// are matched by UID; each side's change is told by the state of the last sync (a hash of the
// list's text, the server's ETag). Nothing either side holds is lost: a change beats a removal,
// a change on both sides keeps both versions, and a side suddenly empty removes nothing on the
// other without the user's word.

/// An object of the list as a sync sends it.
struct LocalObject
{
    std::string uid;
    std::string text;
    uint64_t hash = 0;
    size_t owner = 0;      // the event's index in the list
    bool february = false; // the second object of an event of the 29th or 30th
};

/// The list's objects (the events after LastCalendarYear give none), with the UID each event
/// goes by in `uids`.
[[nodiscard]] std::vector<LocalObject> LocalObjects(const std::vector<clsEvent> &events,
                                                    std::time_t now,
                                                    std::vector<std::string> *uids = nullptr);

/// What a listing of the collection told: every object, or what changed since the token given.
struct ServerListing
{
    bool complete = true;
    std::unordered_map<std::string, std::string> present; // href → ETag: all, or new and changed
    std::vector<std::string> gone;                        // removed since the token
    std::string token;                                    // for the next sync; empty: none
};

/// The server's objects now, href → ETag: `listing` over what `state` last agreed on. Hrefs are
/// paths as decoded; `collectionPath` gives an object its href where the state keeps none.
[[nodiscard]] std::unordered_map<std::string, std::string>
ServerNow(const SyncState &state, const ServerListing &listing, const std::string &collectionPath);

/// `state`, as agreed once our own writes were taken, with the token of `listing` (a listing
/// from the state's token made after those writes) where the listing tells of nothing but
/// them; as it is otherwise, so that the next sync hears of the others' changes. ETags the
/// server did not answer a put with are taken from the listing.
[[nodiscard]] SyncState TokenOverOwnWrites(SyncState state, const ServerListing &listing);

/// Whether an object kept as one the list cannot hold (`kept`, as UnheldObject::Kept gives it)
/// was left out for a reason this version no longer has: it is read again, and taken now.
[[nodiscard]] bool HeldSince(std::string_view kept);

/// The hrefs whose text a sync reads: the objects new or changed on the server, and those the
/// list changed (what the server's object holds beyond the list's is kept); every one where
/// `all` (the list is to be filled again from the server).
[[nodiscard]] std::vector<std::string>
HrefsToRead(const std::unordered_map<std::string, std::string> &server, const SyncState &state,
            const std::vector<LocalObject> &local, const std::string &collectionPath,
            bool all = false);

/// What to do where one side holds nothing of many objects it held at the last sync.
enum class EmptiedSide
{
    Ask,     // nothing either way: the user is asked
    Follow,  // remove from the other side too
    Restore, // fill the emptied side again from the other
};

/// A side holds nothing of at least this many objects it held: it counts as emptied.
inline constexpr size_t EmptiedFloor = 3;
/// A side holds at most a tenth of at least this many objects it held: it counts as emptied too
/// (nearly all gone at once is what a wiped calendar or a list replaced looks like).
inline constexpr size_t NearlyEmptiedFloor = 10;

/// One change the list takes from the server, by the UID the event goes by.
struct SyncEdit
{
    enum class Kind
    {
        Add,    // `event` is new to the list
        Change, // the event `uid` becomes `event`
        Remove, // the event `uid` goes
        Rename, // the event `uid` goes by `newUid` (its own version, kept beside the server's)
    };
    Kind kind = Kind::Add;
    std::string uid;
    clsEvent event;
    std::string newUid;
};

/// An object the list cannot hold: its name, and why not (English, looked up where shown).
struct UnheldObject
{
    std::string name;
    std::string why;
    bool first = false; // found so by this sync; known from an earlier one otherwise

    /// As the state keeps it: the reason, a tab, the name.
    [[nodiscard]] std::string Kept() const { return why + '\t' + name; }
    [[nodiscard]] static UnheldObject FromKept(std::string_view kept);
};

/// What a sync does.
struct SyncPlan
{
    std::vector<SyncEdit> edits; // to the list, in order
    std::vector<SyncStep> steps; // to the server
    SyncState state;             // agreed once the edits are made, before any step
    int takenNew = 0;
    int takenChanged = 0;
    int takenRemoved = 0;
    std::vector<std::string> keptTwice; // names of events changed on both sides
    std::vector<UnheldObject> unheld;   // objects the list cannot hold
    size_t serverEmptied = 0; // held back: the server lost these objects, all or nearly all
    size_t listEmptied = 0;   // held back: the list lost these events, all or nearly all
    size_t emptiedLeft = 0;   // what the emptied side still holds of those it held
};

/// Everything a sync decides from.
struct SyncSides
{
    const std::vector<clsEvent> &events;
    const std::vector<LocalObject> &local;
    const SyncState &state;
    const std::unordered_map<std::string, std::string> &server; // ServerNow
    const std::unordered_map<std::string, std::string> &texts;  // href → text, as read
    std::string collectionPath;
    std::string token; // the listing's, kept for the next sync
    Date today;
    EmptiedSide emptied = EmptiedSide::Ask;
};

/// The sync of `sides`. Reasons for objects the list cannot hold are English, translated where
/// they are shown.
[[nodiscard]] SyncPlan PlanSync(const SyncSides &sides);

/// Whether two events are the same to a calendar: all but their Ids, the values kept for later
/// versions and the optional values a calendar never holds (Compared::InListOnly).
[[nodiscard]] bool SameEvent(const clsEvent &a, const clsEvent &b);
/// Whether two lists hold the same events in the same order, whatever Ids they go by.
[[nodiscard]] bool SameEvents(const std::vector<clsEvent> &a, const std::vector<clsEvent> &b);

/// `edits`, made for the list `planned`, as they are to be made in `now`, the list as the user
/// changed it since: an event changed since keeps its own version under a UID of its own beside
/// the server's (its description added to `keptTwice`), and one changed since is not removed.
[[nodiscard]] std::vector<SyncEdit> EditsOverChanges(const std::vector<SyncEdit> &edits,
                                                     const std::vector<clsEvent> &planned,
                                                     const std::vector<clsEvent> &now,
                                                     std::vector<std::string> &keptTwice);

/// Whether `state` has room for the events `edits` add.
[[nodiscard]] bool RoomFor(const EventState &state, const std::vector<SyncEdit> &edits);

/// Makes `edits` in `state`, events moved to their next occurrence from `today`. False, with
/// nothing changed, where the list has no room for the events added.
bool ApplySyncEdits(EventState &state, const std::vector<SyncEdit> &edits, Date today);
