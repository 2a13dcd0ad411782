#include "Occurrence.h"

#include "EventTypes.h"

#include <algorithm>
#include <cstdint>

namespace {

const Date LastDate = LastStepDate();

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

/// True when no step of `months` months from a date in `month` can shorten `day`: every month
/// the steps can reach has at least `day` days (February counted with 28).
bool dayIsFixed(int day, int month, int months)
{
    if (day <= 28)
        return true;
    for (int k = 1; k <= 12; ++k) {
        const int target = (month - 1 + k * months) % 12 + 1;
        // 2001 is not a leap year, so February counts 28 days here.
        if (Date::daysInMonth(2001, target) < day)
            return false;
    }
    return true;
}

Date advanceMonths(Date d, int months, Date today)
{
    // Step one at a time while a step can still change the day number (this ends within a few
    // years of steps: a short month comes round, or a February of a common year). From then on
    // every step keeps the day, so the remaining steps can be taken in one jump.
    while (d < today) {
        const Date::Ymd ymd = d.ymd();
        if (dayIsFixed(ymd.day, ymd.month, months)) {
            const Date::Ymd t = today.ymd();
            const int64_t from = int64_t{ymd.year} * 12 + (ymd.month - 1);
            const int64_t to = int64_t{t.year} * 12 + (t.month - 1);
            int64_t steps = (to - from + months - 1) / months;
            Date candidate = d.addMonths(static_cast<int32_t>(steps * months));
            if (candidate < today)
                candidate = candidate.addMonths(months);
            return candidate;
        }
        d = d.addMonths(months);
    }
    return d;
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

    const bool weeks = endsWith(occurs, 'k');
    const bool months = !weeks && endsWith(occurs, 'h');
    const bool years = !weeks && !months && endsWith(occurs, 'r');
    // A hand-edited text such as "Every 0th week" or "Every week" has no usable interval;
    // advancing by it would never reach today, so it is treated like an unknown type.
    const std::optional<int> n = (weeks || months || years) ? IntervalOf(occurs) : std::nullopt;
    if (!n)
        return {};
    // One step longer than the whole calendar the file can hold cannot land inside it.
    const int64_t span = int64_t{LastDate.dayNumber()} - Date::fromYmd(1, 1, 1).dayNumber();
    if (weeks)
        return int64_t{7} * *n > span ? Recurrence{} : Recurrence{Unit::Days, 7 * *n};
    const int64_t stepMonths = months ? int64_t{*n} : int64_t{12} * *n;
    if (stepMonths > int64_t{9999} * 12)
        return {};
    return {Unit::Months, static_cast<int>(stepMonths)};
}

bool DayStaysFixed(Date date, int months)
{
    const Date::Ymd ymd = date.ymd();
    return dayIsFixed(ymd.day, ymd.month, months);
}

std::optional<Date> NextOccurrence(Date date, std::string_view occurs, Date today)
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
        return keepWithinRange(date, advanceMonths(date, recurrence.step, today));
    case Recurrence::Unit::None:
        break;
    }
    return date;
}

namespace {

/// One step of a type from a date that is one of its steps, as the load takes it; no value for a
/// type that does not step (or whose step passes the last date).
std::optional<Date> stepOnce(Date date, std::string_view occurs)
{
    // The step from a date is the first occurrence after it: ask for the day after.
    if (occurs == OnceType)
        return std::nullopt;
    const std::optional<Date> next = NextOccurrence(date, occurs, date.addDays(1));
    if (!next || *next <= date)
        return std::nullopt;
    return next;
}

} // namespace

std::optional<Date> MissedOccurrence(Date stored, std::string_view occurs, Date lastSeen,
                                     Date today)
{
    if (!(stored < today))
        return std::nullopt;
    // Steps from the stored date before the window cannot be the answer: go to the first one in
    // the window, then on to the last one before today. An event stored on the last day seen
    // (as every run leaves what fell due that day) still has its later steps to catch up.
    const Date windowStart = today.addDays(-CatchUpDays);
    const std::optional<Date> first = occurs == OnceType || stored >= windowStart
                                          ? std::optional<Date>(stored)
                                          : NextOccurrence(stored, occurs, windowStart);
    if (!first || *first < windowStart || *first >= today)
        return std::nullopt;
    Date missed = *first;
    for (std::optional<Date> next = stepOnce(missed, occurs); next && *next < today;
         next = stepOnce(missed, occurs))
        missed = *next;
    if (!(lastSeen < missed))
        return std::nullopt;
    return missed;
}
