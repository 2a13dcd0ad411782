// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarFields.h"

#include "Translatable.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <strings.h>
#include <vector>

namespace {

/// The values of one of a rule's BY lists.
template <size_t N> std::vector<int> valuesOf(const short (&list)[N])
{
    std::vector<int> values;
    for (const short value : list) {
        if (value == ICAL_RECURRENCE_ARRAY_MAX)
            break;
        values.push_back(value);
    }
    return values;
}

/// Libical's weekday of a date: 1 for Sunday to 7 for Saturday (1 January 1970 was a Thursday).
int weekdayOf(Date date)
{
    return (date.dayNumber() % 7 + 7 + 4) % 7 + 1;
}

bool isLastOfMonth(Date date)
{
    const Date::Ymd ymd = date.ymd();
    return ymd.day == Date::daysInMonth(ymd.year, ymd.month);
}

/// The months of the 29th's and the 30th's rule, which leaves February to an object of its own.
bool allButFebruary(std::vector<int> months)
{
    std::sort(months.begin(), months.end());
    return months == std::vector<int>{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
}

/// Whether libical dropped a property of the dates it could not parse: it leaves an X-LIC-ERROR
/// naming the property in its place.
bool droppedDateProperty(icalcomponent *vevent)
{
    for (icalproperty *error = icalcomponent_get_first_property(vevent, ICAL_XLICERROR_PROPERTY);
         error != nullptr;
         error = icalcomponent_get_next_property(vevent, ICAL_XLICERROR_PROPERTY)) {
        const char *text = icalproperty_get_xlicerror(error);
        for (const char *name : {" RRULE ", " EXRULE ", " RDATE ", " EXDATE "}) {
            if (text != nullptr && std::strstr(text, name) != nullptr)
                return true;
        }
    }
    return false;
}

int countOf(icalcomponent *vevent, icalproperty_kind kind)
{
    return icalcomponent_count_properties(vevent, kind);
}

/// `time` on the user's clock (the process's local zone): a time in UTC or in a zone, the
/// object's VTIMEZONE or the zone its TZID names, moved there; a floating time, a date and a
/// time in a zone nobody defines as written.
icaltimetype userTime(const icaltimetype &time)
{
    if (time.is_date || time.zone == nullptr)
        return time;
    const time_t moment = icaltime_as_timet_with_zone(time, time.zone);
    struct tm local
    {
    };
    if (localtime_r(&moment, &local) == nullptr)
        return time;
    icaltimetype here = time;
    here.zone = nullptr;
    here.year = local.tm_year + 1900;
    here.month = local.tm_mon + 1;
    here.day = local.tm_mday;
    here.hour = local.tm_hour;
    here.minute = local.tm_min;
    here.second = local.tm_sec;
    return here;
}

/// The days from the date of `time` as written to its date on the user's clock.
int daysToUser(const icaltimetype &time)
{
    const icaltimetype here = userTime(time);
    if (!Date::isValid(here.year, here.month, here.day))
        return 0;
    const int days = Date::fromYmd(here.year, here.month, here.day).dayNumber() -
                     Date::fromYmd(time.year, time.month, time.day).dayNumber();
    // No zone is a day or more away: a time the C library could not place stays as written.
    return days >= -1 && days <= 1 ? days : 0;
}

/// Whether a series at the time of day of `start` falls on its dates moved by one number of days
/// on the user's clock the whole year round: in winter and in summer as on its first date.
bool steadyShift(const icaltimetype &start, int shift)
{
    for (const int month : {1, 7}) {
        icaltimetype sample = start;
        sample.month = month;
        sample.day = 15;
        if (daysToUser(sample) != shift)
            return false;
    }
    return true;
}

/// Whether the dates of `rule`, read for a start on `written`, are the list's type moved by
/// `shift` days to `moved`: steps of days move as they are, a day of the month only where no
/// month's end comes between, and a weekday of the month never.
bool movable(RuleReading &rule, Date written, Date moved)
{
    if (rule.steps.unit == Recurrence::Unit::Once || rule.steps.unit == Recurrence::Unit::Days)
        return true;
    if (rule.steps.unit != Recurrence::Unit::Months || rule.day != written.day())
        return false;
    const auto nearLeapDay = [](Date date) {
        const int monthDay = date.month() * 100 + date.day();
        return monthDay >= 228 && monthDay <= 301;
    };
    const bool fits = rule.steps.step % 12 == 0 ? !nearLeapDay(written) && !nearLeapDay(moved)
                                                : written.day() <= 28 && moved.day() <= 28 &&
                                                      moved.month() == written.month();
    rule.day = moved.day();
    return fits;
}

} // namespace

Component ParseCalendar(std::string_view text)
{
    Component calendar(icalparser_parse_string(std::string(text).c_str()));
    if (calendar && icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT)
        calendar.reset();
    return calendar;
}

EventsOfObject EventsOf(icalcomponent *calendar)
{
    EventsOfObject events;
    if (calendar == nullptr)
        return events;
    for (icalcomponent *vevent = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         vevent != nullptr;
         vevent = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (events.first == nullptr)
            events.first = vevent;
        if (icalcomponent_get_first_property(vevent, ICAL_RECURRENCEID_PROPERTY) != nullptr) {
            ++events.overrides;
            continue;
        }
        if (events.master == nullptr)
            events.master = vevent;
        ++events.masters;
    }
    return events;
}

RuleReading ReadRule(const icalrecurrencetype &rule, Date start)
{
    RuleReading reading{.steps = RecurrenceOfRule(rule), .day = start.day()};
    const auto refuse = [&reading](const char *why) {
        reading.whyNot = why;
        return reading;
    };
    if (rule.rscale != nullptr && *rule.rscale != '\0' && strcasecmp(rule.rscale, "GREGORIAN") != 0)
        return refuse(QT_TRANSLATE_NOOP("Messages", "a rule of another calendar"));
    if (rule.freq == ICAL_NO_RECURRENCE)
        return refuse(QT_TRANSLATE_NOOP("Messages", "a rule the list cannot read"));
    if (rule.freq < ICAL_DAILY_RECURRENCE || !valuesOf(rule.by_hour).empty() ||
        !valuesOf(rule.by_minute).empty() || !valuesOf(rule.by_second).empty())
        return refuse(QT_TRANSLATE_NOOP("Messages", "a rule by time of day"));
    if (rule.count > 0 || !icaltime_is_null_time(rule.until))
        return refuse(QT_TRANSLATE_NOOP("Messages", "a rule with an end"));
    // A weekday of the month, as calendars write it: the second Tuesday, the last Friday.
    const std::optional<WeekdayRule> named = NamedWeekdayOf(rule);
    if (!valuesOf(rule.by_set_pos).empty() && !named)
        return refuse(QT_TRANSLATE_NOOP("Messages", "a rule by position"));
    if (!valuesOf(rule.by_week_no).empty() || !valuesOf(rule.by_year_day).empty())
        return refuse(QT_TRANSLATE_NOOP("Messages", "a rule by week or day of the year"));
    if (rule.interval < 1)
        return refuse(QT_TRANSLATE_NOOP("Messages", "an interval the list cannot keep"));

    const std::vector<int> weekdays = valuesOf(rule.by_day);
    const std::vector<int> monthDays = valuesOf(rule.by_month_day);
    const std::vector<int> months = valuesOf(rule.by_month);
    const bool startsWeekday =
        weekdays.size() == 1 && icalrecurrencetype_day_position(short(weekdays[0])) == 0 &&
        int(icalrecurrencetype_day_day_of_week(short(weekdays[0]))) == weekdayOf(start);
    const char *byWeekday = QT_TRANSLATE_NOOP("Messages", "a rule by weekday");
    if (!weekdays.empty() && !(rule.freq == ICAL_WEEKLY_RECURRENCE && startsWeekday) && !named)
        return refuse(byWeekday);
    const char *byMonthDay = QT_TRANSLATE_NOOP("Messages", "a rule by day of the month");
    const char *byMonth = QT_TRANSLATE_NOOP("Messages", "a rule by month");
    const char *offRule = QT_TRANSLATE_NOOP("Messages", "a start off its rule");
    const Date::Ymd ymd = start.ymd();
    if (named) {
        // Monthly, or yearly in the start's month: a yearly rule without a month would count the
        // weekdays of the whole year.
        if (!monthDays.empty())
            return refuse(byMonthDay);
        if (rule.freq == ICAL_YEARLY_RECURRENCE && months.empty())
            return refuse(byWeekday);
        if (months.size() > 1 || (rule.freq == ICAL_MONTHLY_RECURRENCE && !months.empty()))
            return refuse(byMonth);
        if ((!months.empty() && months[0] != ymd.month) ||
            WeekdayInMonth(ymd.year, ymd.month, *named) != start)
            return refuse(offRule);
    }
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE:
    case ICAL_WEEKLY_RECURRENCE:
        if (!monthDays.empty())
            return refuse(byMonthDay);
        if (!months.empty())
            return refuse(byMonth);
        if (reading.steps.step % 7 != 0 && reading.steps.step != 1)
            return refuse(QT_TRANSLATE_NOOP("Messages", "a rule of days other than whole weeks"));
        break;
    case ICAL_MONTHLY_RECURRENCE:
        if (named)
            break; // its days are read above
        if (monthDays.size() > 1)
            return refuse(byMonthDay);
        if (!months.empty()) {
            // The 29th or the 30th of every month but February.
            if (!allButFebruary(months))
                return refuse(byMonth);
            if (monthDays.empty() || (monthDays[0] != 29 && monthDays[0] != 30))
                return refuse(byMonthDay);
            if (monthDays[0] != ymd.day || ymd.month == 2)
                return refuse(offRule);
        } else if (monthDays == std::vector<int>{-1}) {
            // Each month's last day: the 31st, shortened where the month is.
            if (!isLastOfMonth(start))
                return refuse(offRule);
            reading.day = 31;
        } else if (!monthDays.empty() && monthDays[0] != ymd.day) {
            return refuse(monthDays[0] < -31 || monthDays[0] > 31 ? byMonthDay : offRule);
        }
        break;
    default: // yearly
        if (named)
            break;
        if (months == std::vector<int>{2} && monthDays == std::vector<int>{-1}) {
            // February's last day: an event of 29 February.
            if (!(ymd.month == 2 && isLastOfMonth(start)))
                return refuse(offRule);
            reading.day = 29;
            reading.februaryForm = true;
            break;
        }
        if (months.size() > 1)
            return refuse(byMonth);
        if (monthDays.size() > 1)
            return refuse(byMonthDay);
        if ((!months.empty() && months[0] != ymd.month) ||
            (!monthDays.empty() && monthDays[0] != ymd.day))
            return refuse(offRule);
        break;
    }
    const std::string type = RuleType(reading.steps);
    const std::optional<int> interval = IntervalOf(type);
    if (type.empty() || (interval && *interval > 99))
        return refuse(QT_TRANSLATE_NOOP("Messages", "an interval the list cannot keep"));
    return reading;
}

SeriesReading ReadSeries(icalcomponent *vevent)
{
    SeriesReading series;
    const auto refuse = [&series](const char *why) {
        series.whyNot = why;
        return series;
    };
    icalproperty *start = icalcomponent_get_first_property(vevent, ICAL_DTSTART_PROPERTY);
    if (start == nullptr || icaltime_is_null_time(icalproperty_get_dtstart(start)))
        return refuse(QT_TRANSLATE_NOOP("Messages", "no date"));
    // A time of day is dated where the user is: 23:30 in UTC is the next day in Berlin. The
    // rule's days are the zone's own, read against the date as written, then moved alike.
    const icaltimetype time = icalcomponent_get_dtstart(vevent);
    if (time.year < 1 || time.year > 9999 || !Date::isValid(time.year, time.month, time.day))
        return refuse(QT_TRANSLATE_NOOP("Messages", "a date the list cannot keep"));
    series.startTime = userTime(time);
    const Date written = Date::fromYmd(time.year, time.month, time.day);
    const int shift = daysToUser(time);
    series.start = written.addDays(shift);
    series.dated = true;
    if (droppedDateProperty(vevent))
        return refuse(QT_TRANSLATE_NOOP("Messages", "a rule the list cannot read"));
    if (countOf(vevent, ICAL_EXDATE_PROPERTY) > 0 || countOf(vevent, ICAL_EXRULE_PROPERTY) > 0)
        return refuse(QT_TRANSLATE_NOOP("Messages", "exceptions to its rule"));
    if (countOf(vevent, ICAL_RDATE_PROPERTY) > 0)
        return refuse(QT_TRANSLATE_NOOP("Messages", "extra dates"));
    const int rules = countOf(vevent, ICAL_RRULE_PROPERTY);
    if (rules > 1)
        return refuse(QT_TRANSLATE_NOOP("Messages", "several rules"));
    if (rules == 0) {
        series.rule = RuleReading{.steps = {Recurrence::Unit::Once, 0}, .day = series.start.day()};
    } else {
        const icalproperty *rule = icalcomponent_get_first_property(vevent, ICAL_RRULE_PROPERTY);
        series.rule = ReadRule(icalproperty_get_rrule(rule), written);
        if (series.rule.whyNot != nullptr)
            return refuse(series.rule.whyNot);
        const bool steady = steadyShift(time, shift);
        if (!steady || (shift != 0 && !movable(series.rule, written, series.start)))
            return refuse(QT_TRANSLATE_NOOP("Messages", "a series that falls on other days here"));
    }
    series.occurs = RuleType(series.rule.steps);
    return series;
}

PeriodReading ReadPeriod(icalcomponent *vevent, const icaltimetype &start)
{
    constexpr long long Day = 24 * 60 * 60;
    PeriodReading reading;
    const auto refuse = [&reading](const char *why) {
        reading.whyNot = why;
        return reading;
    };
    const long long startSeconds =
        start.is_date ? 0 : start.hour * 3600 + start.minute * 60 + start.second;
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT);
         alarm != nullptr;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        // An alarm that never goes off (a phone's placeholder for its default) is none. Libical
        // 3.0 reads "NONE" as an action of its own name, not as ICAL_ACTION_NONE.
        icalproperty *action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
        const char *actionText =
            action != nullptr ? icalproperty_get_value_as_string(action) : nullptr;
        if (action != nullptr && (icalproperty_get_action(action) == ICAL_ACTION_NONE ||
                                  (actionText != nullptr && strcasecmp(actionText, "NONE") == 0)))
            continue;
        icalproperty *trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        icalparameter *related =
            trigger != nullptr ? icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER)
                               : nullptr;
        if (trigger == nullptr ||
            (related != nullptr && icalparameter_get_related(related) == ICAL_RELATED_END))
            return refuse(QT_TRANSLATE_NOOP("Messages", "a reminder the list cannot read"));
        const icaltriggertype when = icalproperty_get_trigger(trigger);
        if (!icaltime_is_null_time(when.time))
            return refuse(QT_TRANSLATE_NOOP("Messages", "a reminder at a fixed time"));
        const icaldurationtype &before = when.duration;
        const long long length =
            (((static_cast<long long>(before.weeks) * 7 + before.days) * 24 + before.hours) * 60 +
             before.minutes) *
                60 +
            before.seconds;
        // The days from the day the alarm goes off to the start's: a quarter of an hour before
        // a morning's start is the same day, before an all-day start the evening before.
        const long long moment = startSeconds + (before.is_neg ? -length : length);
        const long long days = moment >= 0 ? 0 : (-moment + Day - 1) / Day;
        if (days > 32767)
            return refuse(QT_TRANSLATE_NOOP("Messages", "a reminder too long before"));
        if (reading.period >= 0 && reading.period != days)
            return refuse(QT_TRANSLATE_NOOP("Messages", "several reminders"));
        reading.period = static_cast<int>(days);
    }
    return reading;
}

std::string FieldOf(icalcomponent *vevent, std::string_view name)
{
    const std::string wanted(name);
    for (icalproperty *field = icalcomponent_get_first_property(vevent, ICAL_X_PROPERTY);
         field != nullptr; field = icalcomponent_get_next_property(vevent, ICAL_X_PROPERTY)) {
        const char *fieldName = icalproperty_get_x_name(field);
        const char *value = icalproperty_get_x(field);
        if (fieldName != nullptr && strcasecmp(fieldName, wanted.c_str()) == 0)
            return value != nullptr ? value : "";
    }
    return {};
}

BirthYearLineRead BirthYearLine(std::string_view description)
{
    BirthYearLineRead read{.year = 0, .birth = false, .notes = description};
    const std::string_view prefix = description.starts_with(BirthYearPrefix)   ? BirthYearPrefix
                                    : description.starts_with(FirstYearPrefix) ? FirstYearPrefix
                                                                               : std::string_view();
    if (prefix.empty())
        return read;
    std::string_view rest = description.substr(prefix.size());
    int year = 0;
    size_t digits = 0;
    while (digits < rest.size() && digits < 5 && rest[digits] >= '0' && rest[digits] <= '9')
        year = year * 10 + (rest[digits++] - '0');
    rest = rest.substr(digits);
    if (rest.starts_with('\r'))
        rest = rest.substr(1);
    if (digits == 0 || digits > 4 || !(rest.empty() || rest.starts_with('\n')))
        return read;
    return {.year = year,
            .birth = prefix == BirthYearPrefix,
            .notes = rest.empty() ? rest : rest.substr(1)};
}
