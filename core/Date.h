// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>

/// A calendar day without time of day, held as a day number (days since 1970-01-01 in the
/// proleptic Gregorian calendar), so differences and comparisons are plain integer arithmetic.
class Date
{
public:
    constexpr Date() = default;

    /// The day number of the zero date value, 1899-12-30, which a new record carries.
    static constexpr int32_t ZeroDay = -25569;

    [[nodiscard]] static constexpr Date fromDayNumber(int32_t days) { return Date(days); }
    /// Builds a date from year, month (1-12) and day; the caller passes a valid day.
    [[nodiscard]] static constexpr Date fromYmd(int year, int month, int day)
    {
        // Days from the civil date, counted in eras of 400 years from 1 March of year 0, so that
        // a leap day falls at an era's year's end.
        const int y = year - (month <= 2 ? 1 : 0);
        const int era = (y >= 0 ? y : y - 399) / 400;
        const int yoe = y - era * 400;
        const int mp = (month + 9) % 12;
        const int doy = (153 * mp + 2) / 5 + day - 1;
        const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
        return Date(era * 146097 + doe - 719468);
    }
    /// Today's date on the local calendar (not UTC).
    [[nodiscard]] static Date today();

    [[nodiscard]] static constexpr bool isLeapYear(int year)
    {
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    }
    [[nodiscard]] static constexpr int daysInMonth(int year, int month)
    {
        constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
    }
    [[nodiscard]] static constexpr bool isValid(int year, int month, int day)
    {
        return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
    }

    [[nodiscard]] constexpr int32_t dayNumber() const { return m_days; }
    [[nodiscard]] int year() const;
    [[nodiscard]] int month() const;
    [[nodiscard]] int day() const;
    /// The day of the week, 1 for Monday to 7 for Sunday.
    [[nodiscard]] constexpr int weekday() const
    {
        // 1 January 1970, day number 0, was a Thursday.
        return ((m_days % 7 + 7) % 7 + 3) % 7 + 1;
    }

    struct Ymd
    {
        int year;
        int month;
        int day;
    };
    [[nodiscard]] Ymd ymd() const;

    [[nodiscard]] constexpr Date addDays(int32_t n) const { return Date(m_days + n); }
    /// The same day number n months later, or the target month's last day when it is shorter.
    [[nodiscard]] Date addMonths(int32_t n) const;

    // clang-tidy 14 takes the defaulted comparison for a literal 0 used as a pointer.
    constexpr auto operator<=>(const Date &) const = default; // NOLINT(modernize-use-nullptr)

private:
    constexpr explicit Date(int32_t days) : m_days(days) {}

    int32_t m_days = ZeroDay;
};
