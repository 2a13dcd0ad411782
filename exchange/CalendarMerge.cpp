// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarImport.h"

#include "CalendarFields.h"

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
}

/// Our alarm, unless the server's give the same notice period (a phone's own alarm a quarter
/// of an hour before a morning's start stays).
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
    std::vector<icalcomponent *> gone;
    for (icalcomponent *alarm = icalcomponent_get_first_component(theirs, ICAL_VALARM_COMPONENT);
         alarm != nullptr; alarm = icalcomponent_get_next_component(theirs, ICAL_VALARM_COMPONENT))
        gone.push_back(alarm);
    for (icalcomponent *alarm : gone) {
        icalcomponent_remove_component(theirs, alarm);
        icalcomponent_free(alarm);
    }
    for (icalcomponent *alarm = icalcomponent_get_first_component(ours, ICAL_VALARM_COMPONENT);
         alarm != nullptr; alarm = icalcomponent_get_next_component(ours, ICAL_VALARM_COMPONENT))
        icalcomponent_add_component(theirs, icalcomponent_new_clone(alarm));
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
    mergeAlarms(theirs, ours, serverSeries, ourSeries);
    mergeDates(theirs, ours, serverSeries, ourSeries, today);
    removeParseErrors(server.get());
    for (const icalproperty_kind kind : {ICAL_SUMMARY_PROPERTY, ICAL_DTSTAMP_PROPERTY})
        takeProperties(theirs, ours, kind);
    mergeDescription(theirs, ours);
    removeProperties(theirs, ICAL_X_PROPERTY, isListField);
    copyProperties(theirs, ours, ICAL_X_PROPERTY, isListField);
    return TextOf(server.get());
}
