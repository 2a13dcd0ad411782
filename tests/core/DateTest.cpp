// SPDX-License-Identifier: GPL-3.0-or-later
#include "Date.h"

#include <gtest/gtest.h>

TEST(Date, DayNumbersRoundTripAcrossTheWholeRange)
{
    // Every day from year 1 to 9999 converts to a day number one after the day before, and back.
    int32_t expected = Date::fromYmd(1, 1, 1).dayNumber();
    for (int year = 1; year <= 9999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= Date::daysInMonth(year, month); ++day) {
                const Date d = Date::fromYmd(year, month, day);
                ASSERT_EQ(d.dayNumber(), expected);
                const Date::Ymd back = d.ymd();
                ASSERT_TRUE(back.year == year && back.month == month && back.day == day)
                    << year << "-" << month << "-" << day;
                ++expected;
            }
        }
    }
}

TEST(Date, KnownDayNumbers)
{
    EXPECT_EQ(Date::fromYmd(1970, 1, 1).dayNumber(), 0);
    EXPECT_EQ(Date::fromYmd(1899, 12, 30).dayNumber(), Date::ZeroDay);
    EXPECT_EQ(Date::fromYmd(2000, 3, 1).dayNumber() - Date::fromYmd(2000, 2, 28).dayNumber(), 2);
    // 2000 is a leap year; 1900 and 2100 are not.
    EXPECT_EQ(Date::fromYmd(1900, 3, 1).dayNumber() - Date::fromYmd(1900, 2, 28).dayNumber(), 1);
    EXPECT_EQ(Date::fromYmd(2100, 3, 1).dayNumber() - Date::fromYmd(2100, 2, 28).dayNumber(), 1);
    EXPECT_EQ(Date(), Date::fromYmd(1899, 12, 30));
}

TEST(Date, AddMonthsTakesTheLastDayOfAShortMonth)
{
    struct Case
    {
        Date from;
        int months;
        Date expected;
    };
    const Case cases[] = {
        {Date::fromYmd(2023, 1, 31), 1, Date::fromYmd(2023, 2, 28)},
        {Date::fromYmd(2024, 1, 31), 1, Date::fromYmd(2024, 2, 29)},
        {Date::fromYmd(2023, 3, 31), 1, Date::fromYmd(2023, 4, 30)},
        {Date::fromYmd(2023, 12, 15), 1, Date::fromYmd(2024, 1, 15)},
        {Date::fromYmd(2024, 2, 29), 12, Date::fromYmd(2025, 2, 28)},
        {Date::fromYmd(2024, 2, 29), 48, Date::fromYmd(2028, 2, 29)},
        {Date::fromYmd(2023, 11, 30), 3, Date::fromYmd(2024, 2, 29)},
        {Date::fromYmd(2023, 5, 31), -3, Date::fromYmd(2023, 2, 28)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.from.addMonths(c.months), c.expected) << c.from.dayNumber() << " +" << c.months;
}
