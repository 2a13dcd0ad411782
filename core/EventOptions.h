// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"

#include <cstdint>
#include <string>
#include <string_view>

// An event line may go on after the year of birth with optional values, one field each, written
// as a name, "=" and the value: "$$day=31$$uid=moonrill-...". A line that needs none ends where
// it always did, and a value this version does not know is kept as it was read, so that a later
// version can add values without changing the format again. Each value this version knows has
// its row in EventFields.h, which the codec below reads and writes by.

/// The optional values of an event.
struct EventOptions
{
    /// The day of the month the event is meant for, while its date's month is too short for it
    /// (a Monthly event of the 31st dated 30 April); 0 otherwise.
    int8_t Day = 0;
    /// The UID its calendar entry was exported with; empty until the event is exported.
    std::string Uid{};
    /// The time of day, "14:30", in the event's time zone or else wherever the user is; empty
    /// for a day event.
    std::string Time{};
    /// The time zone a calendar gave the time in (its TZID, "Europe/Berlin"); empty where the
    /// time is the user's own, wherever the user is ("floating").
    std::string Zone{};
    /// The length until the event's end, as a calendar's duration ("PT1H"), where a calendar gave
    /// its end as a time (DTEND); `Duration` where it gave a length (DURATION).
    std::string End{};
    std::string Duration{};
    /// The reminders where they are other than the notice period's one (Reminders.h).
    std::string Alarms{};
    /// The fields this version does not know, joined by "$$" as read.
    std::string Unknown{};

    /// Whether it holds no value at all.
    [[nodiscard]] bool empty() const;
    friend bool operator==(const EventOptions &, const EventOptions &) = default;
};

/// Empties `options` and keeps the room of its texts: the read of line after line into one
/// record then makes no allocation, and a line without optional values costs a few stores.
void ClearEventOptions(EventOptions &options);

/// The optional values of `text`, what follows the year of birth's field and its "$$", for an
/// event dated `date`. A day is kept only where the date is the last of its month and the day
/// is later (29 to 31): otherwise the date itself is the day meant.
[[nodiscard]] EventOptions ReadEventOptions(std::string_view text, Date date);

/// Appends the optional values of an event dated `date` of type `occurs`, each as "$$" and the
/// field; the day only where the date falls short of it and the type steps by months.
void AppendEventOptions(std::string &out, const EventOptions &options, Date date,
                        std::string_view occurs);
