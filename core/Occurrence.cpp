// SPDX-License-Identifier: GPL-3.0-or-later
#include "Occurrence.h"

#include "EventTypes.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr Date LastDate = Date::fromYmd(9999, 12, 31);

/// The date after a step, or `date` itself when the step passes the last date: such a step is
/// never taken, so no year outside 0001 to 9999 is ever written.
Date keepWithinRange(Date date, Date stepped)
{
    return stepped > LastDate ? date : stepped;
}

Date advanceDays(Date d, int32_t step, Date today)
{
    if (d >= today)
        return d;
    const int32_t behind = today.dayNumber() - d.dayNumber();
    const int32_t steps = (behind + step - 1) / step;
    return d.addDays(steps * step);
}

/// The date `months` months after the month of `from`, on `day` or the month's last day; no
/// value past the last date.
std::optional<Date> monthsOn(const Date::Ymd &from, int64_t months, int day)
{
    const int64_t index = int64_t{from.year} * 12 + (from.month - 1) + months;
    const int year = static_cast<int>(index / 12);
    if (year > LastDate.year())
        return std::nullopt;
    const int month = static_cast<int>(index % 12) + 1;
    return Date::fromYmd(year, month, std::min(day, Date::daysInMonth(year, month)));
}

/// The first step of `months` months from `d` not before `today`, or `d` itself when that step
/// passes the last date. Every step is counted from `d` and lands on `day` where the month has
/// it, so the steps can be jumped over in one go: a short month shortens the one date that
/// falls in it, never the ones after.
Date advanceMonths(Date d, int months, int day, Date today)
{
    if (d >= today)
        return d;
    const Date::Ymd from = d.ymd();
    const Date::Ymd to = today.ymd();
    const int64_t behind = (int64_t{to.year} - from.year) * 12 + (to.month - from.month);
    const int64_t steps = (behind + months - 1) / months;
    for (const int64_t k : {steps, steps + 1}) {
        const std::optional<Date> candidate = monthsOn(from, k * months, day);
        if (!candidate)
            return d;
        if (*candidate >= today)
            return *candidate;
    }
    return d; // not reached: one more step always lands in a later month than today's
}

/// The first day `rule` names in the months of steps of `months` from the month of `d` that is
/// not before `d` nor `today`; `d` itself when that day passes the last date. A rule names a day
/// in every month, so the steps can be jumped over in one go.
Date advanceWeekdays(Date d, int months, WeekdayRule rule, Date today)
{
    const Date target = std::max(d, today);
    const Date::Ymd from = d.ymd();
    const Date::Ymd to = target.ymd();
    const int64_t behind = (int64_t{to.year} - from.year) * 12 + (to.month - from.month);
    // The step whose month is the target's or the last before it, then the one after it.
    for (int64_t k = behind / months; k <= behind / months + 1; ++k) {
        const int64_t index = int64_t{from.year} * 12 + (from.month - 1) + k * months;
        if (index / 12 > LastDate.year())
            return d;
        const Date candidate =
            WeekdayInMonth(static_cast<int>(index / 12), static_cast<int>(index % 12) + 1, rule);
        if (candidate >= target)
            return candidate;
    }
    return d; // not reached: the step after lands in a month after the target's
}

bool endsWith(std::string_view text, char c)
{
    return !text.empty() && text.back() == c;
}

} // namespace

Date LastStepDate()
{
    return Date::fromYmd(9999, 12, 31);
}

std::optional<int> IntervalOf(std::string_view occurs)
{
    constexpr std::string_view prefix = "Every ";
    if (!occurs.starts_with(prefix))
        return std::nullopt;
    const std::string_view rest = occurs.substr(prefix.size());
    const size_t th = rest.find("th");
    if (th == std::string_view::npos || th == 0)
        return std::nullopt;
    int64_t value = 0;
    for (const char c : rest.substr(0, th)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min<int64_t>(value * 10 + (c - '0'), MaxInterval);
    }
    if (value < 1)
        return std::nullopt;
    return static_cast<int>(value);
}

Recurrence RecurrenceOf(std::string_view occurs)
{
    using Unit = Recurrence::Unit;
    if (occurs == OnceType)
        return {Unit::Once, 0};
    if (occurs == DailyType)
        return {Unit::Days, 1};
    if (occurs == WeeklyType)
        return {Unit::Days, 7};
    if (occurs == MonthlyType)
        return {Unit::Months, 1};
    if (occurs == YearlyType || occurs == BirthdayType)
        return {Unit::Months, 12};
    if (const std::optional<WeekdayTypeParts> parts = WeekdayTypeOf(occurs)) {
        // Monthly, Yearly and their interval types by weekday; a Birthday is by its date alone.
        const Recurrence steps =
            parts->steps == BirthdayType ? Recurrence{} : RecurrenceOf(parts->steps);
        if (steps.unit != Unit::Months)
            return {};
        return {Unit::Weekdays, steps.step, parts->rule};
    }

    const bool weeks = endsWith(occurs, 'k');
    const bool months = !weeks && endsWith(occurs, 'h');
    const bool years = !weeks && !months && endsWith(occurs, 'r');
    // A hand-edited text such as "Every 0th week" or "Every week" has no usable interval;
    // advancing by it would never reach today, so it is treated like an unknown type.
    const std::optional<int> n = (weeks || months || years) ? IntervalOf(occurs) : std::nullopt;
    if (!n)
        return {};
    // One step longer than the whole calendar the file can hold cannot land inside it.
    constexpr int64_t span = int64_t{LastDate.dayNumber()} - Date::fromYmd(1, 1, 1).dayNumber();
    if (weeks)
        return int64_t{7} * *n > span ? Recurrence{} : Recurrence{Unit::Days, 7 * *n};
    const int64_t stepMonths = months ? int64_t{*n} : int64_t{12} * *n;
    if (stepMonths > int64_t{9999} * 12)
        return {};
    return {Unit::Months, static_cast<int>(stepMonths)};
}

int IntendedDay(Date date, int monthDay)
{
    // Only a date on its month's last day can have been shortened.
    const Date::Ymd ymd = date.ymd();
    const bool shortened = monthDay > ymd.day && ymd.day == Date::daysInMonth(ymd.year, ymd.month);
    return shortened ? std::min(monthDay, 31) : ymd.day;
}

int8_t DayKeptBeside(Date next, std::string_view occurs, int intendedDay)
{
    if (intendedDay <= next.day() || RecurrenceOf(occurs).unit != Recurrence::Unit::Months)
        return 0;
    return static_cast<int8_t>(IntendedDay(next, intendedDay));
}

std::optional<Date> NextOccurrence(Date date, std::string_view occurs, Date today, int monthDay)
{
    const Recurrence recurrence = RecurrenceOf(occurs);
    switch (recurrence.unit) {
    case Recurrence::Unit::Once:
        if (date < today)
            return std::nullopt;
        return date;
    case Recurrence::Unit::Days:
        return keepWithinRange(date, advanceDays(date, recurrence.step, today));
    case Recurrence::Unit::Months:
        if (date >= today)
            return date;
        return keepWithinRange(
            date, advanceMonths(date, recurrence.step, IntendedDay(date, monthDay), today));
    case Recurrence::Unit::Weekdays:
        return advanceWeekdays(date, recurrence.step, recurrence.rule, today);
    case Recurrence::Unit::None:
        break;
    }
    return date;
}

namespace {

/// One step of a type from a date that is one of its steps, as the load takes it; no value for a
/// type that does not step (or whose step passes the last date).
std::optional<Date> stepOnce(Date date, std::string_view occurs, int monthDay)
{
    // The step from a date is the first occurrence after it: ask for the day after.
    if (occurs == OnceType)
        return std::nullopt;
    const std::optional<Date> next = NextOccurrence(date, occurs, date.addDays(1), monthDay);
    if (!next || *next <= date)
        return std::nullopt;
    return next;
}

} // namespace

std::optional<Date> MissedOccurrence(Date stored, std::string_view occurs, Date lastSeen,
                                     Date today, int monthDay)
{
    if (!(stored < today))
        return std::nullopt;
    // Steps from the stored date before the window cannot be the answer: go to the first one in
    // the window, then on to the last one before today. An event stored on the last day seen
    // (as every run leaves what fell due that day) still has its later steps to catch up.
    const Date windowStart = today.addDays(-CatchUpDays);
    const std::optional<Date> first = occurs == OnceType || stored >= windowStart
                                          ? std::optional<Date>(stored)
                                          : NextOccurrence(stored, occurs, windowStart, monthDay);
    if (!first || *first < windowStart || *first >= today)
        return std::nullopt;
    // Each step keeps the day meant, though one of them may fall in a short month.
    const int day = IntendedDay(stored, monthDay);
    Date missed = *first;
    for (std::optional<Date> next = stepOnce(missed, occurs, day); next && *next < today;
         next = stepOnce(missed, occurs, day))
        missed = *next;
    if (!(lastSeen < missed))
        return std::nullopt;
    return missed;
}
