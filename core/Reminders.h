// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"
#include "clsEvent.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An event may have a time of day and reminders of its own. Both are optional values of the
// event line ("time=14:30", "alarms=-P2DT15H,-PT30M"), so that an event without them is written
// and read exactly as before. The reminders are kept as a calendar's triggers are: a signed
// length of time before (negative) or after the event's start, or its end. A day event starts
// at midnight, so "3 days ahead at 09:00" is 2 days and 15 hours before it: "-P2DT15H".
// The notice period stays what the scan reads: the days from the earliest reminder to the
// event, kept in step with the reminders wherever they are set.

/// Minutes in a day.
inline constexpr int MinutesPerDay = 24 * 60;
/// The hour of a day event's reminder where none other is set: 09:00.
inline constexpr int DefaultReminderMinute = 9 * 60;

/// A moment on the local calendar: a day and the minutes since its midnight.
struct LocalMoment
{
    Date day;
    int minute = 0;

    friend auto operator<=>(const LocalMoment &, const LocalMoment &) = default;
};

/// One reminder: when it comes, relative to the event's start or end.
struct Reminder
{
    /// Minutes after the start (or end): negative before it. Whole days of a day event's
    /// reminder and an hour are one number: "3 days ahead at 09:00" is -(3 * 1440 - 540).
    int32_t offset = 0;
    /// Whether the offset counts from the event's end (a calendar's RELATED=END).
    bool fromEnd = false;

    friend bool operator==(const Reminder &, const Reminder &) = default;
};

/// "14:30" as 870 minutes; none for anything but two digits, ":" and two digits of a time.
[[nodiscard]] std::optional<int> ParseTimeOfDay(std::string_view text);
/// 870 minutes as "14:30".
[[nodiscard]] std::string TimeOfDayText(int minute);
/// The event's time of day, where it has a valid one.
[[nodiscard]] std::optional<int> EventTime(const clsEvent &event);
/// Where the event stands among the events of its day: a day event (-1) before the timed ones,
/// which follow by their time.
[[nodiscard]] int DayOrderMinute(const clsEvent &event);
/// The event's date as date text, with its time after a blank where it has one:
/// "2027-03-04 14:30"; a day event's date text alone.
[[nodiscard]] std::string DateAndTimeText(const clsEvent &event);

/// A calendar's duration ("-P2DT15H", "PT30M", "P1W", "-PT0S") in minutes; seconds are dropped.
/// None where the text is no duration.
[[nodiscard]] std::optional<int32_t> ParseDuration(std::string_view text);
/// Minutes as a calendar's duration: "-P2DT15H", "PT9H", "PT0S".
[[nodiscard]] std::string DurationText(int32_t minutes);

/// The reminders of an "alarms=" value: triggers separated by ",", each a duration, with "@end"
/// after it where it counts from the end. None where any part is not one.
[[nodiscard]] std::optional<std::vector<Reminder>> ParseReminders(std::string_view text);
/// The "alarms=" value of `reminders`.
[[nodiscard]] std::string RemindersText(const std::vector<Reminder> &reminders);

/// The one reminder an event has without reminders of its own: its notice period's days ahead,
/// at 09:00 for a day event and at its time for a timed one.
[[nodiscard]] Reminder DefaultReminder(int16_t period, bool timed);

/// The event's reminders: those it keeps, or else its notice period's one.
[[nodiscard]] std::vector<Reminder> EventReminders(const clsEvent &event);

/// The length from the event's start to its end in minutes: its "end=" or "dur=" duration, else
/// a day for a day event and nothing for a timed one.
[[nodiscard]] int32_t EventLength(const clsEvent &event);

/// When `reminder` comes for the event's occurrence on `day`.
[[nodiscard]] LocalMoment ReminderMoment(const clsEvent &event, const Reminder &reminder, Date day);

/// The days from the earliest of the event's reminders to its date (never below 0): the notice
/// period that shows the event from its first reminder on.
[[nodiscard]] int16_t NoticeDays(const clsEvent &event);

/// Sets the event's reminders: none of its own where `reminders` is the one its notice period
/// gives, and the notice period from the earliest. An empty list leaves no reminder but the
/// notice period's.
void SetReminders(clsEvent &event, const std::vector<Reminder> &reminders);
