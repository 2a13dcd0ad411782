// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarImport.h"

#include "CalendarFields.h"
#include "CalendarOptions.h"

#include <algorithm>
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

/// Our date and rule in the server's event. Where our date is where the server's series moved
/// on to by the same rule, its start stays as it is; otherwise its start (and end) move to our
/// date, keeping a time of day and its zone, and our rule replaces its own with the dates it
/// added and left out.
void mergeDates(icalcomponent *theirs, icalcomponent *ours, const SeriesReading &server,
                const SeriesReading &mine, Date today)
{
    // A weekday of the month falls on another day number each month: its rule says it all.
    const bool sameRule =
        server.whyNot == nullptr && SameSteps(server.rule.steps, mine.rule.steps) &&
        (server.rule.day == mine.rule.day || mine.rule.steps.unit == Recurrence::Unit::Weekdays);
    if (sameRule && (server.start == mine.start || NextOccurrence(server.start, mine.occurs, today,
                                                                  server.rule.day) == mine.start))
        return;
    icalproperty *start = icalcomponent_get_first_property(theirs, ICAL_DTSTART_PROPERTY);
    if (server.dated && start != nullptr) {
        const int days = mine.start.dayNumber() - server.start.dayNumber();
        moveBy(start, days);
        if (icalproperty *end = icalcomponent_get_first_property(theirs, ICAL_DTEND_PROPERTY))
            moveBy(end, days);
    } else {
        for (const icalproperty_kind kind : {ICAL_DTEND_PROPERTY, ICAL_DURATION_PROPERTY})
            removeProperties(theirs, kind);
        takeProperties(theirs, ours, ICAL_DTSTART_PROPERTY);
    }
    for (const icalproperty_kind kind :
         {ICAL_EXRULE_PROPERTY, ICAL_RDATE_PROPERTY, ICAL_EXDATE_PROPERTY})
        removeProperties(theirs, kind);
    takeProperties(theirs, ours, ICAL_RRULE_PROPERTY);
    // The dates moved: a new version of the event, as every client counts it.
    icalcomponent_set_sequence(theirs, icalcomponent_get_sequence(theirs) + 1);
}

/// Whether `alarm` goes off: a phone's placeholder for its default (ACTION:NONE) does not.
bool goesOff(icalcomponent *alarm)
{
    icalproperty *action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
    const char *text = action != nullptr ? icalproperty_get_value_as_string(action) : nullptr;
    return action == nullptr || (icalproperty_get_action(action) != ICAL_ACTION_NONE &&
                                 (text == nullptr || strcasecmp(text, "NONE") != 0));
}

/// Our notice period in the server's alarms, unless they give it already (a phone's own alarm
/// a quarter of an hour before a morning's start stays). The phone's own alarm keeps its UID,
/// action and sound: only its TRIGGER changes, and any other alarm that goes off goes.
void mergeAlarms(icalcomponent *theirs, icalcomponent *ours, const SeriesReading &server,
                 const SeriesReading &mine)
{
    const PeriodReading serverPeriod = ReadPeriod(theirs, server.startTime);
    const PeriodReading ourPeriod = ReadPeriod(ours, mine.startTime);
    // An object without an alarm is read as reminded on its day: it stays without one until
    // the notice period changes.
    const int serverDays = serverPeriod.period < 0 ? 0 : serverPeriod.period;
    const int ourDays = ourPeriod.period < 0 ? 0 : ourPeriod.period;
    if (serverPeriod.whyNot == nullptr && serverDays == ourDays)
        return;
    icalcomponent *ourAlarm = icalcomponent_get_first_component(ours, ICAL_VALARM_COMPONENT);
    icalcomponent *kept = nullptr;
    std::vector<icalcomponent *> gone;
    for (icalcomponent *alarm = icalcomponent_get_first_component(theirs, ICAL_VALARM_COMPONENT);
         alarm != nullptr;
         alarm = icalcomponent_get_next_component(theirs, ICAL_VALARM_COMPONENT)) {
        if (!goesOff(alarm))
            continue;
        if (kept == nullptr && ourAlarm != nullptr)
            kept = alarm;
        else
            gone.push_back(alarm);
    }
    for (icalcomponent *alarm : gone) {
        icalcomponent_remove_component(theirs, alarm);
        icalcomponent_free(alarm);
    }
    if (kept != nullptr)
        takeProperties(kept, ourAlarm, ICAL_TRIGGER_PROPERTY);
    else if (ourAlarm != nullptr)
        icalcomponent_add_component(theirs, icalcomponent_new_clone(ourAlarm));
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
    const SeriesReading serverSeries = ReadSeries(theirs, today);
    const SeriesReading ourSeries = ReadSeries(ours, today);
    removeParseErrors(server.get());
    const std::string before = TextOf(server.get());
    mergeAlarms(theirs, ours, serverSeries, ourSeries);
    mergeDates(theirs, ours, serverSeries, ourSeries, today);
    mergeSummary(theirs, ours);
    mergeDescription(theirs, ours);
    MergeOptionalProperties(theirs, ours);
    removeProperties(theirs, ICAL_X_PROPERTY, isListField);
    copyProperties(theirs, ours, ICAL_X_PROPERTY, isListField);
    if (TextOf(server.get()) != before)
        stampChange(theirs, ours);
    return categoriesAsWritten(serverText, TextOf(server.get()));
}
