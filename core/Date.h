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
    [[nodiscard]] static Date fromYmd(int year, int month, int day);
    /// Today's date on the local calendar (not UTC).
    [[nodiscard]] static Date today();

    [[nodiscard]] static bool isLeapYear(int year);
    [[nodiscard]] static int daysInMonth(int year, int month);
    [[nodiscard]] static bool isValid(int year, int month, int day);

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
