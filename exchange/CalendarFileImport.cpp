// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarFileImport.h"

#include "CalendarBounds.h"
#include "CalendarFields.h"
#include "CalendarImport.h"
#include "ContentStamp.h"
#include "Conversions.h"
#include "EventTypes.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

namespace {

/// The VCALENDARs of a parsed file: the file's own, or each of several one after another (which
/// libical puts under a root of its own).
std::vector<icalcomponent *> calendarsOf(icalcomponent *root)
{
    if (root == nullptr)
        return {};
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        return {root};
    std::vector<icalcomponent *> calendars;
    for (icalcomponent *inner = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
         inner != nullptr; inner = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        calendars.push_back(inner);
    return calendars;
}

/// The VEVENTs of one UID, in the file's order.
struct Group
{
    std::string uid;
    std::vector<icalcomponent *> vevents;
};

/// The events of the calendars grouped by UID, in the order each UID first comes; an event
/// without a UID is a group of its own.
std::vector<Group> groupsOf(const std::vector<icalcomponent *> &calendars)
{
    std::vector<Group> groups;
    std::unordered_map<std::string, size_t> byUid;
    for (icalcomponent *calendar : calendars) {
        for (icalcomponent *vevent =
                 icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             vevent != nullptr;
             vevent = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            const char *uid = icalcomponent_get_uid(vevent);
            const std::string key = uid != nullptr ? uid : "";
            if (!key.empty()) {
                if (const auto found = byUid.find(key); found != byUid.end()) {
                    groups[found->second].vevents.push_back(vevent);
                    continue;
                }
                byUid.emplace(key, groups.size());
            }
            groups.push_back(Group{key, {vevent}});
        }
    }
    return groups;
}

/// The time zones of the calendars `group` comes from, for its times to be dated as the file
/// defines them.
void addZones(icalcomponent *object, const Group &group)
{
    std::vector<icalcomponent *> calendars;
    for (icalcomponent *vevent : group.vevents) {
        icalcomponent *calendar = icalcomponent_get_parent(vevent);
        if (std::find(calendars.begin(), calendars.end(), calendar) != calendars.end())
            continue;
        calendars.push_back(calendar);
        for (icalcomponent *zone =
                 icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT);
             zone != nullptr;
             zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT))
            icalcomponent_add_component(object, icalcomponent_new_clone(zone));
    }
}

/// The UID an event gets that has none the list can keep: the same for the same file.
std::string importUid(const Group &group)
{
    const std::string basis = group.uid.empty() ? TextOf(group.vevents.front()) : group.uid;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(StampOf(basis).hash));
    return std::string("import-") + hex;
}

/// What makes an event the same as a listed one without a UID to tell.
std::string sameKey(const clsEvent &event)
{
    return event.Description + '\0' + DateToText(event.StartingOn) + '\0' + event.Occurs;
}

/// `names` joined for a sentence, the longest lists cut short.
std::string namesOf(const std::vector<LeftOutEvent> &leftOut, const Words &words)
{
    constexpr size_t Shown = 10;
    std::string joined;
    for (size_t i = 0; i < leftOut.size() && i < Shown; ++i)
        joined += (i == 0 ? "" : ", ") + leftOut[i].name + " (" + words(leftOut[i].why) + ")";
    if (leftOut.size() > Shown)
        joined += ", …";
    return joined;
}

} // namespace

CalendarFileImport PlanCalendarImport(std::string_view text, const std::vector<clsEvent> &existing,
                                      Date today)
{
    CalendarFileImport import;
    // A file beyond the bounds is not read: it is named, with why, as an event left out.
    if (CalendarTextCheck check = CheckCalendarText(text); check.whyNot != nullptr) {
        import.isCalendar = true;
        import.leftOut.push_back({std::move(check.name), check.whyNot});
        return import;
    }
    const Component root(icalparser_parse_string(std::string(text).c_str()));
    const std::vector<icalcomponent *> calendars = calendarsOf(root.get());
    import.isCalendar = !calendars.empty();
    std::unordered_set<std::string> uids, keys;
    for (const clsEvent &event : existing) {
        if (!event.Options.Uid.empty())
            uids.insert(event.Options.Uid);
        keys.insert(sameKey(event));
    }
    const std::vector<Group> groups = groupsOf(calendars);
    std::unordered_set<std::string> fileUids;
    for (const Group &group : groups)
        fileUids.insert(group.uid);

    for (const Group &group : groups) {
        // Each UID read alone, as a server's object is.
        const Component object(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
        const std::string uid = KeepableUid(group.uid) ? group.uid : importUid(group);
        addZones(object.get(), group);
        for (icalcomponent *vevent : group.vevents) {
            icalcomponent *copy = icalcomponent_new_clone(vevent);
            if (uid != group.uid)
                icalcomponent_set_uid(copy, uid.c_str());
            icalcomponent_add_component(object.get(), copy);
        }
        ObjectReading reading = ReadCalendarComponent(object.get(), today);
        if (!reading.event) {
            import.leftOut.push_back({std::move(reading.name), std::move(reading.whyNot)});
            continue;
        }
        clsEvent &event = *reading.event;
        // February's part of an event of the 29th or the 30th is read with the event.
        if (reading.february && fileUids.count(event.Options.Uid) > 0)
            continue;
        if (event.Occurs == OnceType && event.StartingOn < today) {
            ++import.over;
            continue;
        }
        if (uids.count(event.Options.Uid) > 0 || !keys.insert(sameKey(event)).second) {
            ++import.alreadyInList;
            continue;
        }
        uids.insert(event.Options.Uid);
        import.events.push_back(Written(std::move(event)));
    }
    return import;
}

std::string CalendarImportSummary(const CalendarFileImport &import, const Words &words)
{
    std::string summary =
        Compose(words(QT_TRANSLATE_NOOP("Messages", "Events imported: %1\r\nAlready in the list: "
                                                    "%2\r\nOne-time events already over: %3")),
                {IntToText(static_cast<long long>(import.events.size())),
                 IntToText(import.alreadyInList), IntToText(import.over)});
    if (!import.leftOut.empty())
        summary +=
            "\r\n" + Compose(words(QT_TRANSLATE_N_NOOP(
                                       "Messages", "Left out, the list cannot hold them (%n): %1"),
                                   static_cast<int>(import.leftOut.size())),
                             {namesOf(import.leftOut, words)});
    return summary;
}
