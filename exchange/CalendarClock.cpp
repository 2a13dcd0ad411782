// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarClock.h"

#include <ctime>

icaltimetype UserTime(const icaltimetype &time)
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

int DaysToUser(const icaltimetype &time)
{
    const icaltimetype here = UserTime(time);
    if (!Date::isValid(here.year, here.month, here.day))
        return 0;
    const int days = Date::fromYmd(here.year, here.month, here.day).dayNumber() -
                     Date::fromYmd(time.year, time.month, time.day).dayNumber();
    // No zone is a day or more away: a time the C library could not place stays as written.
    return days >= -1 && days <= 1 ? days : 0;
}

bool SteadyShift(const icaltimetype &start, int shift, int year)
{
    for (const int sampled : {start.year, year}) {
        for (const int month : {1, 7}) {
            icaltimetype sample = start;
            sample.year = sampled;
            sample.month = month;
            sample.day = 15;
            if (DaysToUser(sample) != shift)
                return false;
        }
    }
    return true;
}

bool MoveRule(RuleReading &rule, Date written, Date moved)
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
