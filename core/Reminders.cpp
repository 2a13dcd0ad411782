// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reminders.h"

#include "Conversions.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace {

constexpr std::string_view FromEndMark = "@end";

/// Reads digits and the unit letter after them from the front of `text`.
bool takeNumber(std::string_view &text, int64_t &number, char &unit)
{
    const char *begin = text.data();
    const char *end = begin + text.size();
    const auto [next, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || next == begin || next == end || number < 0 || number > 100'000'000)
        return false;
    unit = *next;
    text.remove_prefix(static_cast<size_t>(next - begin) + 1);
    return true;
}

/// The length `minutes` (positive) as a duration's text after its "P".
void appendLength(std::string &out, int64_t minutes)
{
    const int64_t days = minutes / MinutesPerDay;
    const int64_t hours = minutes % MinutesPerDay / 60;
    const int64_t rest = minutes % 60;
    if (days != 0)
        out += std::to_string(days) + 'D';
    if (hours != 0 || rest != 0)
        out += 'T';
    if (hours != 0)
        out += std::to_string(hours) + 'H';
    if (rest != 0)
        out += std::to_string(rest) + 'M';
}

} // namespace

std::optional<int> ParseTimeOfDay(std::string_view text)
{
    const auto digit = [&text](size_t at) { return text[at] >= '0' && text[at] <= '9'; };
    if (text.size() != 5 || text[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4))
        return std::nullopt;
    const int hours = (text[0] - '0') * 10 + (text[1] - '0');
    const int minutes = (text[3] - '0') * 10 + (text[4] - '0');
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 60 + minutes;
}

std::string TimeOfDayText(int minute)
{
    const int hours = minute / 60;
    const int minutes = minute % 60;
    return {static_cast<char>('0' + hours / 10), static_cast<char>('0' + hours % 10), ':',
            static_cast<char>('0' + minutes / 10), static_cast<char>('0' + minutes % 10)};
}

std::optional<int> EventTime(const clsEvent &event)
{
    return event.Options.Time.empty() ? std::nullopt : ParseTimeOfDay(event.Options.Time);
}

int DayOrderMinute(const clsEvent &event)
{
    return EventTime(event).value_or(-1);
}

std::string DateAndTimeText(const clsEvent &event)
{
    const std::optional<int> time = EventTime(event);
    return time ? DateToText(event.StartingOn) + ' ' + TimeOfDayText(*time)
                : DateToText(event.StartingOn);
}

std::optional<int32_t> ParseDuration(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.size() < 3 || text.front() != 'P')
        return std::nullopt;
    text.remove_prefix(1);
    int64_t seconds = 0;
    bool inTime = false;
    bool any = false;
    while (!text.empty()) {
        if (text.front() == 'T' && !inTime) {
            inTime = true;
            text.remove_prefix(1);
            continue;
        }
        int64_t number = 0;
        char unit = 0;
        if (!takeNumber(text, number, unit))
            return std::nullopt;
        any = true;
        if (!inTime && unit == 'W')
            seconds += number * 7 * 86400;
        else if (!inTime && unit == 'D')
            seconds += number * 86400;
        else if (inTime && unit == 'H')
            seconds += number * 3600;
        else if (inTime && unit == 'M')
            seconds += number * 60;
        else if (inTime && unit == 'S')
            seconds += number;
        else
            return std::nullopt;
        // A year of minutes in either direction is the most a reminder keeps.
        if (seconds > int64_t{366} * 86400 * 100)
            return std::nullopt;
    }
    // "T" promises a time: "P3DT" is no duration.
    if (!any || text.data()[-1] == 'T')
        return std::nullopt;
    const auto minutes = static_cast<int32_t>(seconds / 60);
    return negative ? -minutes : minutes;
}

std::string DurationText(int32_t minutes)
{
    if (minutes == 0)
        return "PT0S";
    std::string text = minutes < 0 ? "-P" : "P";
    appendLength(text, std::abs(int64_t{minutes}));
    return text;
}

std::optional<std::vector<Reminder>> ParseReminders(std::string_view text)
{
    std::vector<Reminder> reminders;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        std::string_view part = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        Reminder reminder;
        if (part.ends_with(FromEndMark)) {
            reminder.fromEnd = true;
            part.remove_suffix(FromEndMark.size());
        }
        const std::optional<int32_t> offset = ParseDuration(part);
        if (!offset)
            return std::nullopt;
        reminder.offset = *offset;
        reminders.push_back(reminder);
    }
    if (reminders.empty())
        return std::nullopt;
    return reminders;
}

std::string RemindersText(const std::vector<Reminder> &reminders)
{
    std::string text;
    for (const Reminder &reminder : reminders) {
        if (!text.empty())
            text += ',';
        text += DurationText(reminder.offset);
        if (reminder.fromEnd)
            text += FromEndMark;
    }
    return text;
}

Reminder DefaultReminder(int16_t period, bool timed)
{
    const int32_t days = std::max<int16_t>(period, 0);
    return {.offset = -days * MinutesPerDay + (timed ? 0 : DefaultReminderMinute)};
}

std::vector<Reminder> EventReminders(const clsEvent &event)
{
    if (!event.Options.Alarms.empty()) {
        if (std::optional<std::vector<Reminder>> kept = ParseReminders(event.Options.Alarms))
            return std::move(*kept);
    }
    return {DefaultReminder(event.Period, EventTime(event).has_value())};
}

int32_t EventLength(const clsEvent &event)
{
    for (const std::string *length : {&event.Options.End, &event.Options.Duration}) {
        if (!length->empty()) {
            if (const std::optional<int32_t> minutes = ParseDuration(*length); minutes >= 0)
                return *minutes;
        }
    }
    return EventTime(event) ? 0 : MinutesPerDay;
}

LocalMoment ReminderMoment(const clsEvent &event, const Reminder &reminder, Date day)
{
    int64_t minute = EventTime(event).value_or(0) + int64_t{reminder.offset} +
                     (reminder.fromEnd ? EventLength(event) : 0);
    // Floor division: a reminder before midnight falls on an earlier day.
    int64_t days = minute / MinutesPerDay;
    minute %= MinutesPerDay;
    if (minute < 0) {
        minute += MinutesPerDay;
        --days;
    }
    return {day.addDays(static_cast<int32_t>(days)), static_cast<int>(minute)};
}

int16_t NoticeDays(const clsEvent &event)
{
    int32_t most = 0;
    for (const Reminder &reminder : EventReminders(event)) {
        const LocalMoment moment = ReminderMoment(event, reminder, event.StartingOn);
        most = std::max(most, event.StartingOn.dayNumber() - moment.day.dayNumber());
    }
    return static_cast<int16_t>(std::min<int32_t>(most, std::numeric_limits<int16_t>::max()));
}

void SetReminders(clsEvent &event, const std::vector<Reminder> &reminders)
{
    event.Options.Alarms = reminders.empty() ? std::string() : RemindersText(reminders);
    event.Period = NoticeDays(event);
    if (reminders.size() == 1 &&
        reminders.front() == DefaultReminder(event.Period, EventTime(event).has_value()))
        event.Options.Alarms.clear();
}
