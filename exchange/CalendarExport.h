// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventUid.h"
#include "clsEvent.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// Every event as an event of an iCalendar file (RFC 5545), so that the desktop's or the phone's
// calendar shows the same dates as Moonrill: all day, or at its time in its zone (with the
// zone's VTIMEZONE) or floating, with its end as it was read. Written through libical.

/// The iCalendar text of `events`. Each event gets the description as its summary, a rule for
/// its type, an alarm for each of its reminders (a day event's notice period at 09:00 without
/// reminders of its own, "-P2DT15H"; none for a negative period), a year of birth
/// in its description and its UID: the one it was exported with before, or else EventUid. An
/// event meant for the 29th or the 30th of months that February's steps reach has a second
/// calendar event for those Februaries, with the UID's "-february" form. `now` stamps the
/// file. Events dated after LastCalendarYear are left out, counted in `leftOut` when it is
/// given. `uids`, when given, receives each event's UID in list order (empty for one left out),
/// for the list to keep.
[[nodiscard]] std::string CalendarText(const std::vector<clsEvent> &events,
                                       std::string_view productId, std::time_t now,
                                       int *leftOut = nullptr,
                                       std::vector<std::string> *uids = nullptr);

/// One object of a calendar on a server: the UID of its one calendar event and its iCalendar
/// text.
struct CalendarObject
{
    std::string uid;
    std::string text;
};
/// The objects of `events` as CalendarText writes them, one for each calendar event (an event
/// with a "-february" part gives two), in list order; events after LastCalendarYear give none.
/// `uids` as for CalendarText. For another copy of Moonrill syncing with the same server, an
/// object also says what its calendar fields cannot: X-MOONRILL-OCCURS, the type text where the
/// rule alone reads back as another (a Birthday as Yearly), and X-MOONRILL-EMAIL, the e-mail
/// address where there is one.
[[nodiscard]] std::vector<CalendarObject> CalendarObjects(const std::vector<clsEvent> &events,
                                                          std::string_view productId,
                                                          std::time_t now,
                                                          std::vector<std::string> *uids = nullptr);

/// The UIDs CalendarText gives `events`, in list order (empty for one left out), without the
/// text: for the list to keep before it is saved and synced.
[[nodiscard]] std::vector<std::string> CalendarUids(const std::vector<clsEvent> &events);

/// The PRODID of Moonrill's calendars: "-//Moonrill//Moonrill " + the version + "//EN".
[[nodiscard]] std::string MoonrillProductId();

/// The last year a calendar file holds: libical writes no later date (a later one comes out as
/// "00000000T000000", and no client then reads the file at all).
inline constexpr int LastCalendarYear = 3000;
