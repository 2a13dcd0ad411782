// SPDX-License-Identifier: GPL-3.0-or-later
#include "Date.h"

#include <ctime>

// Day-number conversions after Howard Hinnant's civil calendar algorithms: exact for every
// Gregorian date, with no loops and no dependence on the time zone.

Date::Ymd Date::ymd() const
{
    const int z = m_days + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    const int y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {y, m, d};
}

int Date::year() const
{
    return ymd().year;
}
int Date::month() const
{
    return ymd().month;
}
int Date::day() const
{
    return ymd().day;
}

Date Date::today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return fromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

Date Date::addMonths(int32_t n) const
{
    const Ymd d = ymd();
    const int64_t index = int64_t{d.year} * 12 + (d.month - 1) + n;
    const int year = static_cast<int>(index >= 0 ? index / 12 : (index - 11) / 12);
    const int month = static_cast<int>(index - int64_t{year} * 12) + 1;
    const int lastDay = daysInMonth(year, month);
    return fromYmd(year, month, d.day < lastDay ? d.day : lastDay);
}
