// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarFields.h"

#include "CalendarBounds.h"
#include "Translatable.h"

#include <algorithm>
#include <cstring>
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

/// Whether a month that steps of `step` months from `month` reach lacks `day`: where a
/// calendar skips that month, the list would take its last day instead. February counts its
/// common years.
bool someMonthLacks(int month, int step, int day)
{
    for (int k = 0; k < 12; ++k) {
        const int reached = (month - 1 + k * step) % 12 + 1;
        if (day > (reached == 2 ? 28 : Date::daysInMonth(2001, reached)))
            return true;
    }
    return false;
}

/// The day of a rule that names it or else the month's last day (BYMONTHDAY=31,-1;BYSETPOS=1,
/// the first of the two each month has); 0 for any other rule.
int dayElseLast(const std::vector<int> &monthDays, const std::vector<int> &positions)
{
    if (positions != std::vector<int>{1} || monthDays.size() != 2)
        return 0;
    const int day = monthDays[0] == -1 ? monthDays[1] : monthDays[0];
    const int other = monthDays[0] == -1 ? monthDays[0] : monthDays[1];
    return other == -1 && day >= 29 && day <= 31 ? day : 0;
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

} // namespace

Component ParseCalendar(std::string_view text)
{
    if (CheckCalendarText(text).whyNot != nullptr)
        return {};
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

namespace {

/// Why a rule by weekday is not one the list holds, in the words of the rule's own kind: the
/// list does hold a weekday of the month, the first to the fourth or the last.
const char *weekdayRefusal(const icalrecurrencetype &rule, const std::vector<int> &weekdays)
{
    if (rule.freq == ICAL_WEEKLY_RECURRENCE && weekdays.size() > 1)
        return QT_TRANSLATE_NOOP("Messages", "a weekly rule on several weekdays");
    const bool placed = !valuesOf(rule.by_set_pos).empty() ||
                        std::any_of(weekdays.begin(), weekdays.end(), [](int day) {
                            return icalrecurrencetype_day_position(short(day)) != 0;
                        });
    if (placed && weekdays.size() == 1)
        return QT_TRANSLATE_NOOP("Messages", "a weekday of the month other than the first to the "
                                             "fourth or the last");
    return QT_TRANSLATE_NOOP("Messages", "a rule by weekday");
}

} // namespace

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
    // A day, else the month's last: the list's own reading of the 29th to the 31st.
    const int elseLast = dayElseLast(valuesOf(rule.by_month_day), valuesOf(rule.by_set_pos));
    if (!valuesOf(rule.by_set_pos).empty() && !named && elseLast == 0)
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
    if (!weekdays.empty() && !(rule.freq == ICAL_WEEKLY_RECURRENCE && startsWeekday) && !named)
        return refuse(weekdayRefusal(rule, weekdays));
    const char *byMonthDay = QT_TRANSLATE_NOOP("Messages", "a rule by day of the month");
    const char *byMonth = QT_TRANSLATE_NOOP("Messages", "a rule by month");
    const char *offRule = QT_TRANSLATE_NOOP("Messages", "a start off its rule");
    const Date::Ymd ymd = start.ymd();
    // The forms that say a month's last day where it lacks the day, as the list does.
    bool lastDayKept = elseLast > 0;
    if (elseLast > 0) {
        // Monthly, or yearly in the start's month: a yearly rule without a month would take
        // the first of the days of the whole year.
        const bool yearly = rule.freq == ICAL_YEARLY_RECURRENCE;
        if (!weekdays.empty() || (rule.freq != ICAL_MONTHLY_RECURRENCE && !yearly))
            return refuse(QT_TRANSLATE_NOOP("Messages", "a rule by position"));
        if (months.size() != (yearly ? 1u : 0u))
            return refuse(byMonth);
        if ((yearly && months[0] != ymd.month) ||
            ymd.day != std::min(elseLast, Date::daysInMonth(ymd.year, ymd.month)))
            return refuse(offRule);
        reading.day = elseLast;
    }
    if (named) {
        // Monthly, or yearly in the start's month: a yearly rule without a month would count the
        // weekdays of the whole year.
        if (!monthDays.empty())
            return refuse(byMonthDay);
        if (rule.freq == ICAL_YEARLY_RECURRENCE && months.empty())
            return refuse(QT_TRANSLATE_NOOP("Messages", "a weekday of the year, not of a month"));
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
        if (named || elseLast > 0)
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
            lastDayKept = true; // February's last day is an object of its own
        } else if (monthDays == std::vector<int>{-1}) {
            // Each month's last day: the 31st, shortened where the month is.
            if (!isLastOfMonth(start))
                return refuse(offRule);
            reading.day = 31;
            lastDayKept = true;
        } else if (!monthDays.empty() && monthDays[0] != ymd.day) {
            return refuse(monthDays[0] < -31 || monthDays[0] > 31 ? byMonthDay : offRule);
        }
        break;
    default: // yearly
        if (named || elseLast > 0)
            break;
        if (months == std::vector<int>{2} && monthDays == std::vector<int>{-1}) {
            // February's last day: an event of 29 February.
            if (!(ymd.month == 2 && isLastOfMonth(start)))
                return refuse(offRule);
            reading.day = 29;
            reading.februaryForm = true;
            lastDayKept = true;
            break;
        }
        if (months.size() > 1)
            return refuse(byMonth);
        // A day of the month without a month is that day of every month.
        if (monthDays.size() > 1 || (!monthDays.empty() && months.empty()))
            return refuse(byMonthDay);
        if ((!months.empty() && months[0] != ymd.month) ||
            (!monthDays.empty() && monthDays[0] != ymd.day))
            return refuse(offRule);
        break;
    }
    // A calendar skips a month without the day (the 31st of April); the list would take the
    // month's last day instead.
    if (reading.steps.unit == Recurrence::Unit::Months && !lastDayKept &&
        someMonthLacks(ymd.month, reading.steps.step, reading.day))
        return refuse(QT_TRANSLATE_NOOP("Messages", "a day some months lack"));
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
    // A time of day is dated as written, in its own zone: where the user is, the reminders'
    // moments place it, and the rule's days stay the zone's own.
    const icaltimetype time = icalcomponent_get_dtstart(vevent);
    if (time.year < 1 || time.year > 9999 || !Date::isValid(time.year, time.month, time.day))
        return refuse(QT_TRANSLATE_NOOP("Messages", "a date the list cannot keep"));
    series.startTime = time;
    series.start = Date::fromYmd(time.year, time.month, time.day);
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
        series.rule = ReadRule(icalproperty_get_rrule(rule), series.start);
        if (series.rule.whyNot != nullptr)
            return refuse(series.rule.whyNot);
    }
    series.occurs = RuleType(series.rule.steps);
    return series;
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
