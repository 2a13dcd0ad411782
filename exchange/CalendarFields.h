// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarImport.h"
#include "CalendarRules.h"
#include "Date.h"

#include <string>
#include <string_view>

// The pieces of a server's calendar object that the reader and the merge both look at: its
// events, its series (first date and rule) and Moonrill's own fields. The
// reasons given are English, marked for translation.

/// `text` parsed by libical; none where it is no calendar.
[[nodiscard]] Component ParseCalendar(std::string_view text);

/// ReadCalendarObject of a calendar object libical has parsed already (a VCALENDAR, or none).
[[nodiscard]] ObjectReading ReadCalendarComponent(icalcomponent *calendar, Date today);

/// The VEVENTs of a calendar object.
struct EventsOfObject
{
    icalcomponent *master = nullptr; // the first without RECURRENCE-ID
    icalcomponent *first = nullptr;  // the first of all
    int masters = 0;                 // those without RECURRENCE-ID
    int overrides = 0;               // those with one: changed occurrences
};
[[nodiscard]] EventsOfObject EventsOf(icalcomponent *calendar);

/// What a rule says to the list.
struct RuleReading
{
    Recurrence steps;          // Unit::Once where there is no rule
    int day = 0;               // the day of the month meant
    bool februaryForm = false; // February's last day, yearly: an event of 29 February
    const char *whyNot = nullptr;
};
/// The rule read for a series starting on `start`: the BY parts taken are those that say no more
/// than the start does, and the forms the export writes for the months' last days.
[[nodiscard]] RuleReading ReadRule(const icalrecurrencetype &rule, Date start);

/// The dates of an event: its first date and its rule.
struct SeriesReading
{
    Date start;               // DTSTART's date as written, in its zone
    bool dated = false;       // whether `start` was read
    icaltimetype startTime{}; // DTSTART as written
    RuleReading rule;
    std::string occurs; // the type text the rule gives
    const char *whyNot = nullptr;
};
/// The series of `vevent`.
[[nodiscard]] SeriesReading ReadSeries(icalcomponent *vevent);

/// The value of the first X- property named `name`; empty where there is none.
[[nodiscard]] std::string FieldOf(icalcomponent *vevent, std::string_view name);

/// What the line of a year in a DESCRIPTION begins with: a Birthday's year of birth, and an
/// anniversary's first year.
inline constexpr std::string_view BirthYearPrefix = "Year of birth: ";
inline constexpr std::string_view FirstYearPrefix = "First year: ";

/// The line the export writes for a year of birth ("Year of birth: 1956") or a first year ("First
/// year: 2000") at the start of a DESCRIPTION, alone or before a line break and notes.
struct BirthYearLineRead
{
    int year = 0;           // 0 where the DESCRIPTION does not start with the line
    bool birth = false;     // the line names a year of birth, not a first year
    std::string_view notes; // what follows the line and its line break, or all of it
};
[[nodiscard]] BirthYearLineRead BirthYearLine(std::string_view description);
