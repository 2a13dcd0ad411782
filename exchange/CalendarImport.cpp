// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarImport.h"

#include "BirthYear.h"
#include "BirthdayImport.h"
#include "CalendarAlarms.h"
#include "CalendarBounds.h"
#include "CalendarClock.h"
#include "CalendarFields.h"
#include "CalendarOptions.h"
#include "CalendarRules.h"
#include "EventTypes.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstring>

namespace {

/// Whether the editor makes the type text `field`: a base type, an interval type of 2 to 99, or
/// a month or year type of either by weekday.
bool editorType(std::string_view field)
{
    if (std::find(BaseTypes.begin(), BaseTypes.end(), field) != BaseTypes.end())
        return true;
    const std::optional<int> interval = IntervalOf(field);
    if (const std::optional<WeekdayTypeParts> weekday = WeekdayTypeOf(field))
        return interval.value_or(1) <= 99 &&
               ComposeWeekdayType(BaseTypeOf(field), interval.value_or(1), weekday->rule) == field;
    return interval && *interval >= 2 && *interval <= 99 &&
           ComposeType(BaseTypeOf(field), *interval) == field;
}

/// The type text a second copy of Moonrill left in `field`, where it is one the editor makes and
/// steps as the rule does: else the rule was changed elsewhere, and the rule's own type holds.
bool takesOccurs(const std::string &field, const Recurrence &steps)
{
    return editorType(field) && SameSteps(RecurrenceOf(field), steps);
}

ObjectReading refused(ObjectReading reading, const char *why)
{
    reading.whyNot = why;
    return reading;
}

/// An object without an event: a task or a journal entry is named by its UID and title, so
/// that the user hears of it once; anything else is kept in mind without a word.
ObjectReading notAnEvent(icalcomponent *calendar)
{
    ObjectReading reading;
    for (const icalcomponent_kind kind : {ICAL_VTODO_COMPONENT, ICAL_VJOURNAL_COMPONENT}) {
        icalcomponent *entry =
            calendar != nullptr ? icalcomponent_get_first_component(calendar, kind) : nullptr;
        const char *uid = entry != nullptr ? icalcomponent_get_uid(entry) : nullptr;
        if (uid == nullptr || *uid == '\0')
            continue;
        const char *summary = icalcomponent_get_summary(entry);
        reading.uid = uid;
        reading.task = true;
        reading.name = summary != nullptr && *summary != '\0' ? WithoutControlCharacters(summary)
                                                              : reading.uid;
        return refused(std::move(reading),
                       QT_TRANSLATE_NOOP("Messages", "a task or journal, not an event"));
    }
    return refused(std::move(reading), QT_TRANSLATE_NOOP("Messages", "no event"));
}

} // namespace

bool KeepableUid(std::string_view uid)
{
    return !uid.empty() && uid.size() <= 200 && uid.find_first_of("$/") == std::string_view::npos &&
           WithoutControlCharacters(std::string(uid)) == uid;
}

ObjectReading ReadCalendarObject(std::string_view text, Date today)
{
    if (CalendarTextCheck check = CheckCalendarText(text); check.whyNot != nullptr) {
        // Named by its UID, so that the sync names it too (an object without one is no event).
        ObjectReading reading;
        reading.uid = check.uid.empty() ? check.name : std::move(check.uid);
        reading.name = std::move(check.name);
        return refused(std::move(reading), check.whyNot);
    }
    const Component calendar = ParseCalendar(text);
    return ReadCalendarComponent(calendar.get(), today);
}

ObjectReading ReadCalendarComponent(icalcomponent *calendar, Date today)
{
    ObjectReading reading;
    const EventsOfObject events = EventsOf(calendar);
    if (events.master == nullptr && events.overrides == 0)
        return notAnEvent(calendar);
    icalcomponent *vevent = events.master != nullptr ? events.master : events.first;
    const char *uid = icalcomponent_get_uid(vevent);
    reading.uid = uid != nullptr ? uid : "";
    const char *summaryText = icalcomponent_get_summary(vevent);
    const std::string summary = summaryText != nullptr ? summaryText : "";
    reading.name = summary.empty() ? reading.uid : WithoutControlCharacters(summary);
    reading.meeting =
        icalcomponent_get_first_property(vevent, ICAL_ORGANIZER_PROPERTY) != nullptr ||
        icalcomponent_get_first_property(vevent, ICAL_ATTENDEE_PROPERTY) != nullptr;
    if (events.overrides > 0 || events.master == nullptr)
        return refused(std::move(reading), QT_TRANSLATE_NOOP("Messages", "exceptions to its rule"));
    if (events.masters > 1)
        return refused(std::move(reading), QT_TRANSLATE_NOOP("Messages", "several events"));

    const SeriesReading series = ReadSeries(vevent);
    if (series.whyNot != nullptr)
        return refused(std::move(reading), series.whyNot);
    const AlarmsReading alarms = ReadAlarms(vevent);
    if (alarms.whyNot != nullptr)
        return refused(std::move(reading), alarms.whyNot);
    std::string description = SafeDescription(summary);
    if (description.empty())
        return refused(std::move(reading), QT_TRANSLATE_NOOP("Messages", "no title"));
    reading.february = series.rule.februaryForm && reading.uid.ends_with("-february");
    std::string eventUid = reading.uid;
    if (reading.february)
        eventUid.resize(eventUid.size() - std::strlen("-february"));
    if (!KeepableUid(eventUid))
        return refused(std::move(reading),
                       QT_TRANSLATE_NOOP("Messages", "a UID the list cannot keep"));

    // The line of a year in the notes tells a Birthday from another yearly event, as Moonrill's
    // export writes them into a file, where no field of its own says the type.
    const char *notes = icalcomponent_get_description(vevent);
    const BirthYearLineRead yearLine =
        notes != nullptr ? BirthYearLine(notes) : BirthYearLineRead{};
    std::string occurs = series.occurs;
    const std::string field = FieldOf(vevent, OccursField);
    if (takesOccurs(field, series.rule.steps))
        occurs = field;
    else if (yearLine.birth && occurs == YearlyType)
        occurs = BirthdayType;
    const int day = series.rule.day;
    const Date next = NextOccurrence(series.start, occurs, today, day).value_or(series.start);
    std::string email = FieldOf(vevent, EmailField);
    if (email.find('$') != std::string::npos || WithoutControlCharacters(email) != email)
        email.clear();
    std::string bornText;
    AppendBirthYearText(bornText, yearLine.year);
    const std::optional<int16_t> birthYear =
        yearLine.year > 0 ? ReadBirthYear(bornText, occurs, next) : std::nullopt;

    reading.event = clsEvent{.Id = {},
                             .Description = std::move(description),
                             .StartingOn = next,
                             .Occurs = occurs,
                             .Period = 0,
                             .Email = std::move(email),
                             .BirthYear = birthYear.value_or(0),
                             .Options = {.Day = DayKeptBeside(next, occurs, day),
                                         .Uid = std::move(eventUid),
                                         .Unknown = {}}};
    ReadOptionalProperties(vevent, reading.event->Options);
    SetTimes(*reading.event, ReadTimes(vevent));
    // Without an alarm, the day itself is the reminder: a phone's event is shown on its day, as
    // a calendar shows it.
    SetReminders(*reading.event, alarms.Reminders());
    return reading;
}
