#pragma once

#include "clsEvent.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// Every event as an all-day event of an iCalendar file (RFC 5545), so that the desktop's or the
// phone's calendar shows the same dates as Moonrill. Written through libical.

/// The iCalendar text of `events`. Each event gets the description as its summary, a rule for
/// its type, an alarm its notice period before (none for a negative period), a year of birth
/// in its description and a UID that a later export of the same event repeats. Where a day of
/// the month is lost to a short month (the 29th to the 31st, 29 February), Moonrill keeps the
/// shorter day from then on, which no calendar rule says: the dates up to that point are a
/// second calendar event of their own, with the UID's "-early" form. `now` stamps the file.
/// Events dated after LastCalendarYear are left out, counted in `leftOut` when it is given;
/// later dates of the events written are left out of them.
[[nodiscard]] std::string CalendarText(const std::vector<clsEvent> &events,
                                       std::string_view productId, std::time_t now,
                                       int *leftOut = nullptr);

/// The last year a calendar file holds: libical writes no later date (a later one comes out as
/// "00000000T000000", and no client then reads the file at all).
inline constexpr int LastCalendarYear = 3000;

/// The UID of an event: "moonrill-" and a hash of its description, type, e-mail and year of
/// birth, then "-" and a count for each event before it in the list that has the same ones (so
/// twins get UIDs of their own). The date is left out: it moves on as the event comes round.
[[nodiscard]] std::string EventUid(const clsEvent &event, int twinsBefore);
