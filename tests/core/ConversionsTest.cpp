// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conversions.h"
#include "MoonrillError.h"

#include <gtest/gtest.h>

namespace {

int errorOf(auto &&call)
{
    try {
        call();
    } catch (const MoonrillError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(Conversions, DateTextRoundTrips)
{
    const struct
    {
        Date date;
        const char *text;
    } cases[] = {
        {Date::fromYmd(2002, 1, 30), "2002-01-30"},
        {Date::fromYmd(1, 1, 1), "0001-01-01"},
        {Date::fromYmd(9999, 12, 31), "9999-12-31"},
        {Date::fromYmd(2024, 2, 29), "2024-02-29"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(DateToText(c.date), c.text);
        EXPECT_EQ(TextToDate(c.text), c.date);
    }
    EXPECT_EQ(TextToDate("  2002-01-30\t"), Date::fromYmd(2002, 1, 30));
}

TEST(Conversions, TextThatIsNotADateIsATypeMismatch)
{
    for (const char *text : {"soon", "", "2023-02-30", "2023-13-01", "2023-00-10", "0000-01-01",
                             "2023-1-05", "20230105", "2023/01/05", "10000-01-01", "2023-02-29",
                             "2023-04-31", " - - ", "2023-01-0x", "+023-01-05"}) {
        EXPECT_EQ(errorOf([&] { (void)TextToDate(text); }), MoonrillError::TypeMismatch) << text;
    }
}

TEST(Conversions, TextToInt16)
{
    EXPECT_EQ(TextToInt16("3"), 3);
    EXPECT_EQ(TextToInt16(" 3"), 3);
    EXPECT_EQ(TextToInt16("-5 "), -5);
    EXPECT_EQ(TextToInt16("+7"), 7);
    EXPECT_EQ(TextToInt16("32767"), 32767);
    EXPECT_EQ(TextToInt16("-32768"), -32768);
    EXPECT_EQ(TextToInt16("0000000000099"), 99);
    for (const char *text : {"", " ", "-", "abc", "3x", "1.5", "3 4", "0x10"})
        EXPECT_EQ(errorOf([&] { (void)TextToInt16(text); }), MoonrillError::TypeMismatch) << text;
    for (const char *text : {"32768", "-32769", "99999", "123456789012345678901234567890"})
        EXPECT_EQ(errorOf([&] { (void)TextToInt16(text); }), MoonrillError::Overflow) << text;
}

TEST(Conversions, DayCountsArePaddedToFive)
{
    EXPECT_EQ(PaddedDayCount(99999), "99999");
    EXPECT_EQ(PaddedDayCount(100000), "100000");
    EXPECT_EQ(PaddedDayCount(-3), "   -3");
}
