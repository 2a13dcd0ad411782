// SPDX-License-Identifier: GPL-3.0-or-later
// What the list takes from a sync, made by the UIDs its events go by.
#include "SyncPlan.h"

#include "EventUid.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

bool SameEvent(const clsEvent &a, const clsEvent &b)
{
    if (!(a.Description == b.Description && a.StartingOn == b.StartingOn && a.Occurs == b.Occurs &&
          a.Period == b.Period && a.Email == b.Email && a.BirthYear == b.BirthYear))
        return false;
    for (const OptionalField &field : OptionalFields) {
        if (field.compared == Compared::WithServer && !SameField(field, a.Options, b.Options))
            return false;
    }
    return true;
}

bool SameEvents(const std::vector<clsEvent> &a, const std::vector<clsEvent> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const clsEvent &x, const clsEvent &y) {
                          // Every optional value, those no calendar holds among them.
                          return SameEvent(x, y) && x.Options == y.Options;
                      });
}

std::vector<SyncEdit> EditsOverChanges(const std::vector<SyncEdit> &edits,
                                       const std::vector<clsEvent> &planned,
                                       const std::vector<clsEvent> &now,
                                       std::vector<std::string> &keptTwice)
{
    std::unordered_map<std::string_view, const clsEvent *> before;
    for (const clsEvent &event : planned)
        before.emplace(event.Options.Uid, &event);
    std::unordered_map<std::string_view, const clsEvent *> current;
    std::unordered_set<std::string> uids;
    for (const clsEvent &event : now) {
        current.emplace(event.Options.Uid, &event);
        uids.insert(event.Options.Uid);
    }
    const auto changedSince = [&](const std::string &uid) {
        const auto was = before.find(uid);
        const auto is = current.find(uid);
        return was != before.end() && is != current.end() && !SameEvent(*was->second, *is->second);
    };
    std::vector<SyncEdit> made;
    for (const SyncEdit &edit : edits) {
        if (edit.kind == SyncEdit::Kind::Remove && changedSince(edit.uid))
            continue; // a change beats a removal
        if (edit.kind != SyncEdit::Kind::Change || !changedSince(edit.uid)) {
            made.push_back(edit);
            continue;
        }
        const clsEvent &mine = *current.at(edit.uid);
        keptTwice.push_back(mine.Description);
        std::string uid;
        for (int twin = 1; uid.empty() || uids.contains(uid); ++twin)
            uid = EventUid(mine, twin);
        uids.insert(uid);
        made.push_back({SyncEdit::Kind::Rename, edit.uid, {}, uid});
        made.push_back({SyncEdit::Kind::Add, edit.uid, edit.event, {}});
    }
    return made;
}

bool RoomFor(const EventState &state, const std::vector<SyncEdit> &edits)
{
    const auto added = std::count_if(edits.begin(), edits.end(), [](const SyncEdit &edit) {
        return edit.kind == SyncEdit::Kind::Add;
    });
    return static_cast<size_t>(added) <= state.Room();
}

bool ApplySyncEdits(EventState &state, const std::vector<SyncEdit> &edits, Date today)
{
    if (!RoomFor(state, edits))
        return false;
    const auto find = [&state](const std::string &uid) {
        const std::vector<clsEvent> &events = state.Events();
        for (size_t i = 0; i < events.size(); ++i)
            if (events[i].Options.Uid == uid)
                return static_cast<int>(i);
        return -1;
    };
    for (const SyncEdit &edit : edits) {
        const int index = edit.kind == SyncEdit::Kind::Add ? -1 : find(edit.uid);
        if (edit.kind == SyncEdit::Kind::Add) {
            state.Insert(Written(edit.event), today);
        } else if (index < 0) {
            continue; // gone from the list since the plan was made: nothing to change
        } else if (edit.kind == SyncEdit::Kind::Remove) {
            state.Remove(index);
        } else {
            clsEvent event =
                edit.kind == SyncEdit::Kind::Change ? edit.event : state.Events()[index];
            if (edit.kind == SyncEdit::Kind::Rename)
                event.Options.Uid = edit.newUid;
            else
                event.Options.Unknown = state.Events()[index].Options.Unknown;
            state.Replace(index, Written(std::move(event)), today);
        }
    }
    return true;
}
