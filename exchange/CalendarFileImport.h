// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventLine.h"
#include "Translatable.h"
#include "clsEvent.h"

#include <string>
#include <string_view>
#include <vector>

// A calendar file from another program (Google Calendar, Outlook, Thunderbird, Evolution) or
// from Moonrill's own export, read into events: each event the list can hold becomes one, read
// as the sync reads a server's object; the rest are counted and named.

/// An event of the file that the list cannot hold: its name, and why not (English, marked for
/// translation).
struct LeftOutEvent
{
    std::string name;
    std::string why;
    friend bool operator==(const LeftOutEvent &, const LeftOutEvent &) = default;
};

/// What a calendar file adds to the list.
struct CalendarFileImport
{
    bool isCalendar = false;          // the file holds a calendar (VCALENDAR)
    std::vector<WrittenEvent> events; // to add, in the file's order
    int alreadyInList = 0;            // its UID listed, or its description, date and type
    int over = 0;                     // one-time events before today
    std::vector<LeftOutEvent> leftOut;
};

/// The events of the calendar file `text` as of `today`, against the list `existing`. The events
/// of one UID (a series and its changed occurrences) are one object, read by ReadCalendarObject;
/// an event without a UID, or with one the list cannot keep, gets "import-" and a hash of what it
/// has (its UID, else its text), so that the same file imported again adds nothing. The second
/// event of Moonrill's own export of the 29th or the 30th ("-february") goes with its first.
[[nodiscard]] CalendarFileImport
PlanCalendarImport(std::string_view text, const std::vector<clsEvent> &existing, Date today);

/// "Events imported: N", "Already in the list: M", "One-time events already over: K", one to a
/// line, then where some were left out "Left out, the list cannot hold them (L): " and their
/// names with the reasons; in other `words` where a window looks them up.
[[nodiscard]] std::string CalendarImportSummary(const CalendarFileImport &import,
                                                const Words &words = AsIs);
