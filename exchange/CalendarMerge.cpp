// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarImport.h"

#include "CalendarAlarms.h"
#include "CalendarClock.h"
#include "CalendarFields.h"
#include "CalendarOptions.h"

#include <algorithm>
#include <cstring>
#include <strings.h>
#include <vector>

namespace {

/// Removes and frees the properties of `kind` in `component` that `which` picks.
template <typename Which>
void removeProperties(icalcomponent *component, icalproperty_kind kind, Which which)
{
    std::vector<icalproperty *> gone;
    for (icalproperty *property = icalcomponent_get_first_property(component, kind);
         property != nullptr; property = icalcomponent_get_next_property(component, kind)) {
        if (which(property))
            gone.push_back(property);
    }
    for (icalproperty *property : gone) {
        icalcomponent_remove_property(component, property);
        icalproperty_free(property);
    }
}

void removeProperties(icalcomponent *component, icalproperty_kind kind)
{
    removeProperties(component, kind, [](icalproperty *) { return true; });
}

/// Copies into `to` the properties of `kind` in `from` that `which` picks.
template <typename Which>
void copyProperties(icalcomponent *to, icalcomponent *from, icalproperty_kind kind, Which which)
{
    for (icalproperty *property = icalcomponent_get_first_property(from, kind); property != nullptr;
         property = icalcomponent_get_next_property(from, kind)) {
        if (which(property))
            icalcomponent_add_property(to, icalproperty_new_clone(property));
    }
}

/// The server's properties of `kind` replaced by ours.
void takeProperties(icalcomponent *theirs, icalcomponent *ours, icalproperty_kind kind)
{
    removeProperties(theirs, kind);
    copyProperties(theirs, ours, kind, [](icalproperty *) { return true; });
}

bool isListField(icalproperty *property)
{
    const char *name = icalproperty_get_x_name(property);
    return name != nullptr && strncasecmp(name, "X-MOONRILL-", 11) == 0;
}

/// Libical's notes on what it could not parse are not the server's to keep.
void removeParseErrors(icalcomponent *component)
{
    removeProperties(component, ICAL_XLICERROR_PROPERTY);
    for (icalcomponent *inner = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         inner != nullptr; inner = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT))
        removeParseErrors(inner);
}

/// Our year of birth's line before the notes the server's DESCRIPTION holds (a DESCRIPTION holds
/// one text, and a phone's notes are the user's).
void mergeDescription(icalcomponent *theirs, icalcomponent *ours)
{
    const char *serverText = icalcomponent_get_description(theirs);
    const char *ourText = icalcomponent_get_description(ours);
    const std::string_view notes =
        serverText != nullptr ? BirthYearLine(serverText).notes : std::string_view();
    std::string text = ourText != nullptr ? ourText : "";
    if (!text.empty() && !notes.empty())
        text += '\n';
    text += notes;
    icalproperty *description = icalcomponent_get_first_property(theirs, ICAL_DESCRIPTION_PROPERTY);
    if (description != nullptr && text.empty()) {
        icalcomponent_remove_property(theirs, description);
        icalproperty_free(description);
    } else if (description != nullptr) {
        icalproperty_set_description(description, text.c_str());
    } else if (!text.empty()) {
        icalcomponent_add_property(theirs, icalproperty_new_description(text.c_str()));
    }
}

/// Moves a date or date-time property by `days`, its time of day and zone as they were.
void moveBy(icalproperty *property, int days)
{
    icaltimetype time = icalvalue_get_datetimedate(icalproperty_get_value(property));
    icaltime_adjust(&time, days, 0, 0, 0);
    icalproperty_set_value(property, icalvalue_new_datetimedate(time));
}

/// A calendar object's calendar and its event.
struct ObjectEvent
{
    icalcomponent *calendar;
    icalcomponent *vevent;
};

/// The VTIMEZONEs of ours that the server's calendar lacks, by TZID: our time's zone defined.
void addMissingZones(icalcomponent *theirs, icalcomponent *ours)
{
    for (icalcomponent *zone = icalcomponent_get_first_component(ours, ICAL_VTIMEZONE_COMPONENT);
         zone != nullptr; zone = icalcomponent_get_next_component(ours, ICAL_VTIMEZONE_COMPONENT)) {
        icalproperty *tzid = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY);
        const char *name = tzid != nullptr ? icalproperty_get_tzid(tzid) : nullptr;
        bool known = false;
        for (icalcomponent *kept =
                 icalcomponent_get_first_component(theirs, ICAL_VTIMEZONE_COMPONENT);
             kept != nullptr && name != nullptr && !known;
             kept = icalcomponent_get_next_component(theirs, ICAL_VTIMEZONE_COMPONENT)) {
            icalproperty *keptId = icalcomponent_get_first_property(kept, ICAL_TZID_PROPERTY);
            known = keptId != nullptr && strcmp(icalproperty_get_tzid(keptId), name) == 0;
        }
        if (name != nullptr && !known) {
            // Before the events, where a reader looks for it first.
            icalcomponent *copy = icalcomponent_new_clone(zone);
            icalcomponent *first = icalcomponent_get_first_component(theirs, ICAL_ANY_COMPONENT);
            if (first != nullptr) {
                std::vector<icalcomponent *> after;
                for (icalcomponent *inner = first; inner != nullptr;
                     inner = icalcomponent_get_next_component(theirs, ICAL_ANY_COMPONENT))
                    after.push_back(inner);
                for (icalcomponent *inner : after)
                    icalcomponent_remove_component(theirs, inner);
                icalcomponent_add_component(theirs, copy);
                for (icalcomponent *inner : after)
                    icalcomponent_add_component(theirs, inner);
            } else {
                icalcomponent_add_component(theirs, copy);
            }
        }
    }
}

/// Our date, time and rule in the server's event. Where our date is where the server's series
/// moved on to by the same rule, its first date stays as it is; otherwise its start (and end)
/// move to our date, and our rule replaces its own with the dates it added and left out. Where
/// our time of day, its zone or the end differ from the server's, ours replace them, on the
/// server's first date where that stays; the same ones stay as the server wrote them.
void mergeDates(ObjectEvent theirs, ObjectEvent ours, const SeriesReading &server,
                const SeriesReading &mine, Date today)
{
    // A day of the month is the rule's; a weekday of the month falls on another day number each
    // month, and steps of days on any: their rule says it all.
    const bool sameRule =
        server.whyNot == nullptr && SameSteps(server.rule.steps, mine.rule.steps) &&
        (server.rule.day == mine.rule.day || mine.rule.steps.unit != Recurrence::Unit::Months);
    const bool sameDates =
        sameRule && (server.start == mine.start || NextOccurrence(server.start, mine.occurs, today,
                                                                  server.rule.day) == mine.start);
    const bool sameTimes = ReadTimes(theirs.vevent) == ReadTimes(ours.vevent);
    if (sameDates && sameTimes)
        return;
    icalproperty *start = icalcomponent_get_first_property(theirs.vevent, ICAL_DTSTART_PROPERTY);
    if (!sameTimes || !server.dated || start == nullptr) {
        for (const icalproperty_kind kind : {ICAL_DTEND_PROPERTY, ICAL_DURATION_PROPERTY})
            removeProperties(theirs.vevent, kind);
        for (const icalproperty_kind kind :
             {ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY, ICAL_DURATION_PROPERTY})
            takeProperties(theirs.vevent, ours.vevent, kind);
        addMissingZones(theirs.calendar, ours.calendar);
        if (sameDates && server.dated && server.start != mine.start) {
            // The server's first date stays: ours moved on from it by the same rule.
            const int days = server.start.dayNumber() - mine.start.dayNumber();
            for (const icalproperty_kind kind : {ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY}) {
                if (icalproperty *moved = icalcomponent_get_first_property(theirs.vevent, kind))
                    moveBy(moved, days);
            }
        }
    } else {
        const int days = mine.start.dayNumber() - server.start.dayNumber();
        moveBy(start, days);
        if (icalproperty *end =
                icalcomponent_get_first_property(theirs.vevent, ICAL_DTEND_PROPERTY))
            moveBy(end, days);
    }
    if (!sameDates) {
        for (const icalproperty_kind kind :
             {ICAL_EXRULE_PROPERTY, ICAL_RDATE_PROPERTY, ICAL_EXDATE_PROPERTY})
            removeProperties(theirs.vevent, kind);
        takeProperties(theirs.vevent, ours.vevent, ICAL_RRULE_PROPERTY);
    }
    // The dates moved: a new version of the event, as every client counts it.
    icalcomponent_set_sequence(theirs.vevent, icalcomponent_get_sequence(theirs.vevent) + 1);
}

/// The server's SUMMARY takes our text and keeps its parameters (a LANGUAGE).
void mergeSummary(icalcomponent *theirs, icalcomponent *ours)
{
    icalproperty *summary = icalcomponent_get_first_property(theirs, ICAL_SUMMARY_PROPERTY);
    const char *text = icalcomponent_get_summary(ours);
    if (summary != nullptr && text != nullptr)
        icalproperty_set_summary(summary, text);
    else
        takeProperties(theirs, ours, ICAL_SUMMARY_PROPERTY);
}

/// A change stamped as the sync clients stamp theirs: DTSTAMP and LAST-MODIFIED our time.
void stampChange(icalcomponent *theirs, icalcomponent *ours)
{
    const icaltimetype now = icalcomponent_get_dtstamp(ours);
    icalcomponent_set_dtstamp(theirs, now);
    removeProperties(theirs, ICAL_LASTMODIFIED_PROPERTY);
    icalcomponent_add_property(theirs, icalproperty_new_lastmodified(now));
}

/// The content lines of a calendar's text, each as written: with its folds and its line end.
std::vector<std::string_view> contentLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (size_t start = 0, end = 0; start < text.size(); start = end) {
        do {
            const size_t newline = text.find('\n', end);
            end = newline == std::string_view::npos ? text.size() : newline + 1;
        } while (end < text.size() && (text[end] == ' ' || text[end] == '\t'));
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

bool isCategories(std::string_view line)
{
    constexpr std::string_view name = "CATEGORIES";
    return line.size() > name.size() && strncasecmp(line.data(), name.data(), name.size()) == 0 &&
           (line[name.size()] == ':' || line[name.size()] == ';');
}

/// How many categories a CATEGORIES line names: its commas, but for those escaped or in a
/// quoted parameter, and one.
size_t categoriesIn(std::string_view line)
{
    size_t count = 1;
    bool quoted = false;
    bool value = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (!value && line[i] == '"')
            quoted = !quoted;
        else if (!value && !quoted && line[i] == ':')
            value = true;
        else if (value && line[i] == '\\')
            ++i;
        else if (value && line[i] == ',')
            ++count;
    }
    return count;
}

/// `line` with CR LF line ends, as libical writes them.
std::string withCrLf(std::string_view line)
{
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\n' && (i == 0 || line[i - 1] != '\r'))
            text += '\r';
        text += line[i];
    }
    return text;
}

/// `merged` with the server's CATEGORIES lines as written: libical reads a line of several
/// categories as one property each, and would write them so.
std::string categoriesAsWritten(std::string_view serverText, const std::string &merged)
{
    std::vector<std::string_view> written;
    size_t split = 0;
    for (const std::string_view line : contentLines(serverText)) {
        if (isCategories(line)) {
            written.push_back(line);
            split += categoriesIn(line);
        }
    }
    const std::vector<std::string_view> lines = contentLines(merged);
    if (written.empty() ||
        split != static_cast<size_t>(std::count_if(lines.begin(), lines.end(), isCategories)))
        return merged;
    std::string text;
    size_t next = 0, skipped = 0;
    for (const std::string_view line : lines) {
        if (!isCategories(line)) {
            text += line;
        } else if (skipped > 0) {
            --skipped;
        } else {
            skipped = categoriesIn(written[next]) - 1;
            text += withCrLf(written[next++]);
        }
    }
    return text;
}

} // namespace

std::string MergeIntoObject(std::string_view serverText, std::string_view ourText, Date today)
{
    const Component server = ParseCalendar(serverText);
    const Component own = ParseCalendar(ourText);
    icalcomponent *theirs = EventsOf(server.get()).master;
    icalcomponent *ours = EventsOf(own.get()).master;
    if (theirs == nullptr || ours == nullptr)
        return std::string(ourText);
    // Read before anything changes: libical's parse errors tell of a rule it dropped.
    const SeriesReading serverSeries = ReadSeries(theirs);
    const SeriesReading ourSeries = ReadSeries(ours);
    removeParseErrors(server.get());
    const std::string before = TextOf(server.get());
    MergeAlarms(theirs, ours);
    // An alarm at a fixed time stays with the date it was set for: where the dates move, it
    // becomes the lead it was.
    const AlarmsReading leads = ReadAlarms(theirs);
    const std::string eventBefore = TextOf(theirs);
    mergeDates({server.get(), theirs}, {own.get(), ours}, serverSeries, ourSeries, today);
    if (TextOf(theirs) != eventBefore)
        AnchorFixedAlarms(leads);
    mergeSummary(theirs, ours);
    mergeDescription(theirs, ours);
    MergeOptionalProperties(theirs, ours);
    removeProperties(theirs, ICAL_X_PROPERTY, isListField);
    copyProperties(theirs, ours, ICAL_X_PROPERTY, isListField);
    if (TextOf(server.get()) != before)
        stampChange(theirs, ours);
    return categoriesAsWritten(serverText, TextOf(server.get()));
}
