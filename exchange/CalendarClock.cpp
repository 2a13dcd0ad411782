// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarClock.h"

#include "Reminders.h"

#include <cstring>
#include <optional>

namespace {

/// The TZID parameter of `property`, as written; empty without one.
std::string tzidOf(icalproperty *property)
{
    icalparameter *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char *text = tzid != nullptr ? icalparameter_get_tzid(tzid) : nullptr;
    return text != nullptr ? text : "";
}

/// A zone the event line can keep: no "$", no control character.
bool keepable(const std::string &zone)
{
    for (const char c : zone) {
        if (c == '$' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return false;
    }
    return true;
}

/// Minutes from `from` to `to`: on the wall clock where both are in one zone (a day event's
/// dates, two floating times, one TZID), else between the moments.
std::optional<int32_t> minutesBetween(icalproperty *fromProperty, const icaltimetype &from,
                                      icalproperty *toProperty, const icaltimetype &to)
{
    if (from.is_date != to.is_date)
        return std::nullopt;
    if (tzidOf(fromProperty) == tzidOf(toProperty) &&
        icaltime_is_utc(from) == icaltime_is_utc(to)) {
        if (!Date::isValid(from.year, from.month, from.day) ||
            !Date::isValid(to.year, to.month, to.day))
            return std::nullopt;
        const int64_t days = Date::fromYmd(to.year, to.month, to.day).dayNumber() -
                             Date::fromYmd(from.year, from.month, from.day).dayNumber();
        const int64_t minutes =
            days * MinutesPerDay + (to.hour - from.hour) * 60 + (to.minute - from.minute);
        return static_cast<int32_t>(minutes);
    }
    return static_cast<int32_t>((MomentOf(to) - MomentOf(from)) / 60);
}

icaltimetype dateOf(Date date)
{
    icaltimetype time = icaltime_null_date();
    const Date::Ymd ymd = date.ymd();
    time.year = ymd.year;
    time.month = ymd.month;
    time.day = ymd.day;
    time.is_date = 1;
    return time;
}

} // namespace

TimeReading ReadTimes(icalcomponent *vevent)
{
    TimeReading times;
    icalproperty *startProperty = icalcomponent_get_first_property(vevent, ICAL_DTSTART_PROPERTY);
    if (startProperty == nullptr)
        return times;
    const icaltimetype start = icalcomponent_get_dtstart(vevent);
    if (icaltime_is_null_time(start))
        return times;
    const int32_t oneDay = start.is_date ? MinutesPerDay : 0;
    if (!start.is_date) {
        times.time = TimeOfDayText(start.hour * 60 + start.minute);
        times.zone = icaltime_is_utc(start) ? "UTC" : tzidOf(startProperty);
        if (!keepable(times.zone))
            times.zone.clear();
    }
    if (icalproperty *endProperty = icalcomponent_get_first_property(vevent, ICAL_DTEND_PROPERTY)) {
        const icaltimetype end = icalproperty_get_dtend(endProperty);
        const std::optional<int32_t> minutes =
            minutesBetween(startProperty, start, endProperty, end);
        if (minutes && *minutes >= 0 && *minutes != oneDay)
            times.end = DurationText(*minutes);
    } else if (icalproperty *length =
                   icalcomponent_get_first_property(vevent, ICAL_DURATION_PROPERTY)) {
        const int seconds = icaldurationtype_as_int(icalproperty_get_duration(length));
        if (seconds >= 0 && seconds / 60 != oneDay)
            times.duration = DurationText(seconds / 60);
    }
    return times;
}

void SetTimes(clsEvent &event, const TimeReading &times)
{
    event.Options.Time = times.time;
    event.Options.Zone = times.zone;
    event.Options.End = times.end;
    event.Options.Duration = times.duration;
}

void AddTimes(icalcomponent *vevent, const clsEvent &event, Date start)
{
    const std::optional<int> minute = EventTime(event);
    icaltimetype begin = dateOf(start);
    const std::string &zone = event.Options.Zone;
    if (minute) {
        begin.is_date = 0;
        begin.hour = *minute / 60;
        begin.minute = *minute % 60;
        begin.second = 0;
        if (zone == "UTC")
            begin.zone = icaltimezone_get_utc_timezone();
    }
    const auto withZone = [&](icalproperty *property) {
        if (minute && !zone.empty() && zone != "UTC")
            icalproperty_add_parameter(property, icalparameter_new_tzid(zone.c_str()));
        return property;
    };
    icalcomponent_add_property(vevent, withZone(icalproperty_new_dtstart(begin)));
    if (const std::optional<int32_t> end = ParseDuration(event.Options.End); end >= 0) {
        icaltimetype last = begin;
        if (minute)
            icaltime_adjust(&last, 0, 0, *end, 0);
        else
            icaltime_adjust(&last, (*end + MinutesPerDay - 1) / MinutesPerDay, 0, 0, 0);
        icalcomponent_add_property(vevent, withZone(icalproperty_new_dtend(last)));
    } else if (const std::optional<int32_t> length = ParseDuration(event.Options.Duration);
               length >= 0) {
        icalcomponent_add_property(vevent, icalproperty_new_duration(icaldurationtype_from_string(
                                               DurationText(*length).c_str())));
    }
}

void AddZone(icalcomponent *calendar, const std::string &zone)
{
    if (zone.empty() || zone == "UTC")
        return;
    for (icalcomponent *kept =
             icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT);
         kept != nullptr;
         kept = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        icalproperty *tzid = icalcomponent_get_first_property(kept, ICAL_TZID_PROPERTY);
        const char *name = tzid != nullptr ? icalproperty_get_tzid(tzid) : nullptr;
        if (name != nullptr && zone == name)
            return;
    }
    icaltimezone *builtin = icaltimezone_get_builtin_timezone(zone.c_str());
    if (builtin == nullptr)
        builtin = icaltimezone_get_builtin_timezone_from_tzid(zone.c_str());
    icalcomponent *definition = builtin != nullptr ? icaltimezone_get_component(builtin) : nullptr;
    if (definition == nullptr)
        return;
    // Libical names its own zones with a prefix of its own; the events name the zone as read.
    icalcomponent *copy = icalcomponent_new_clone(definition);
    if (icalproperty *tzid = icalcomponent_get_first_property(copy, ICAL_TZID_PROPERTY))
        icalproperty_set_tzid(tzid, zone.c_str());
    icalcomponent_add_component(calendar, copy);
}

std::time_t MomentOf(const icaltimetype &time)
{
    if (!time.is_date && time.zone != nullptr)
        return icaltime_as_timet_with_zone(time, time.zone);
    struct tm local
    {
    };
    local.tm_year = time.year - 1900;
    local.tm_mon = time.month - 1;
    local.tm_mday = time.day;
    local.tm_hour = time.is_date ? 0 : time.hour;
    local.tm_min = time.is_date ? 0 : time.minute;
    local.tm_sec = time.is_date ? 0 : time.second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}
