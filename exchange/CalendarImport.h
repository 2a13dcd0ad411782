// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"
#include "clsEvent.h"

#include <optional>
#include <string>
#include <string_view>

// Objects of a calendar server read back as events, for the sync that takes what a phone made
// or changed: an object becomes an event only where the editor could have made that very event,
// and a change of the list goes back into the server's object without losing what the list
// does not model.

/// What one calendar object from a server is to the list.
struct ObjectReading
{
    std::string uid;  // the UID of its event; empty when it has no VEVENT
    std::string name; // its SUMMARY as read (control characters blanked), else its UID: for reports
    /// The event the list holds for it (no Id), when it can hold it.
    std::optional<clsEvent> event;
    /// Why it cannot: a short English reason marked for translation ("a rule by weekday").
    std::string whyNot;
    /// Its UID ends in "-february" and its rule is February's last day yearly: the second object
    /// of an event of the 29th or 30th, or (where no object of the UID without the suffix exists)
    /// a yearly event of 29 February. `event` is then that yearly event of 29 February, with the
    /// UID without the suffix.
    bool february = false;
    /// It has an ORGANIZER or an ATTENDEE: a meeting, whose object is the organizer's to change
    /// (a server that schedules mails the attendees on every write of it).
    bool meeting = false;
    /// It holds a task or a journal entry (VTODO, VJOURNAL) and no event: nothing for the list.
    bool task = false;
};

/// Reads one calendar object's text (a VCALENDAR with one VEVENT, maybe VTIMEZONEs) as of
/// `today`: the date of DTSTART as written (a time keeps its zone: CalendarClock.h), moved on to
/// its next occurrence; its time of day, zone and end or length; the type from RRULE, or
/// X-MOONRILL-OCCURS where that steps alike; the reminders from the VALARMs (CalendarAlarms.h; the
/// notice period the days from the earliest, 0 without one: the day itself); the description
/// from SUMMARY; the year of birth of a Birthday from its DESCRIPTION; the e-mail address from
/// X-MOONRILL-EMAIL; the UID as the event's calendar UID; the optional values a calendar carries
/// in properties of their own from those properties (CalendarOptions.h).
[[nodiscard]] ObjectReading ReadCalendarObject(std::string_view text, Date today);

/// Whether the list can keep `uid` in an event line, and a server can name an object by it: not
/// empty, at most 200 bytes, no "$", "/" or control character.
[[nodiscard]] bool KeepableUid(std::string_view uid);

/// `serverText` (the object as the server holds it) with what the list models taken from
/// `ourText` (the object as CalendarObjects writes the event now): the date and the rule, the time
/// of day, its zone and the end where they changed, the text of SUMMARY (its parameters stay),
/// the year of birth's line of DESCRIPTION, the reminders alarm by alarm (CalendarAlarms.h),
/// X-MOONRILL-* and the properties of the optional values the list owns. Everything else of the
/// server's object stays: LOCATION, notes in DESCRIPTION (after the year of birth's line),
/// CATEGORIES lines as written, other X- properties, other components, the phone's alarms that
/// say the list's reminders. The server's DTSTART and rule stay where our date is an occurrence of
/// its series (the date only moved on by the same rule), so a phone's first date (a birthday's
/// year) is not rewritten; its VALARMs stay where they read as the same reminders, and an object
/// without one gets none while the reminder is the day itself. A change is stamped with our
/// DTSTAMP as DTSTAMP and LAST-MODIFIED, and raises SEQUENCE where the dates or the time move.
/// `ourText` where the server's cannot be read.
[[nodiscard]] std::string MergeIntoObject(std::string_view serverText, std::string_view ourText,
                                          Date today);
