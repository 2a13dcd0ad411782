// SPDX-License-Identifier: GPL-3.0-or-later
// The year of birth a Birthday carries, and an anniversary's first year: which seventh fields
// are taken, how they are written back, and the ages and ordinals made from them.

#include "BirthYear.h"

#include "EventFileFixture.h"

#include <gtest/gtest.h>

TEST(BirthYear, OnlyFourDigitsUpToTheYearOfItsDateOnABirthdayOrAYearlyTypeAreAYear)
{
    const Date date = Date::fromYmd(2027, 3, 4);
    struct Case
    {
        const char *field;
        const char *type;
        int year; // 0: no year
    };
    const Case cases[] = {
        {"1956", "Birthday", 1956},
        {"0001", "Birthday", 1},
        {"0056", "Birthday", 56},
        {"2027", "Birthday", 2027},
        {"2028", "Birthday", 0},
        {"0000", "Birthday", 0},
        {"956", "Birthday", 0},
        {"19560", "Birthday", 0},
        {"195a", "Birthday", 0},
        {" 956", "Birthday", 0},
        {"+956", "Birthday", 0},
        {"", "Birthday", 0},
        {"1956", "birthday", 0},
        {"1956", "Monthly", 0},
        {"1956", "Every 13th month", 0},
        // An anniversary's first year.
        {"1956", "Yearly", 1956},
        {"1956", "Every 2th year", 1956},
        {"1956", "Every 12th month", 1956},
        {"1956", "Yearly on the last Friday", 1956},
        {"1956", "Every 3th month on the last Friday", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ReadBirthYear(c.field, c.type, date).value_or(0), c.year)
            << c.field << " " << c.type;
}

TEST(BirthYear, OrdinalsAndAgeOnALeapDay)
{
    const std::pair<int, const char *> ordinals[] = {
        {0, "0th"},     {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},
        {11, "11th"},   {12, "12th"},   {13, "13th"},   {21, "21st"},   {22, "22nd"},
        {23, "23rd"},   {71, "71st"},   {100, "100th"}, {101, "101st"}, {102, "102nd"},
        {111, "111th"}, {112, "112th"}, {113, "113th"}, {121, "121st"}, {1011, "1011th"},
    };
    for (const auto &[number, text] : ordinals)
        EXPECT_EQ(EnglishOrdinal(number), text) << number;
    EXPECT_EQ(AgeOn(Date::fromYmd(2028, 2, 29), 2000), 28);
}

TEST_F(EventFileTest, AYearOfBirthAndOptionalValuesAreKeptOnlyWhereTheyMayStand)
{
    // The load's date is 2023-04-15: birthdays before it move on a year and keep their year. A
    // date that a short month shortens keeps the day it is meant for after the year's field;
    // values this version does not know stay as they were.
    const std::string content = "$$Mum$$2023-05-01$$Birthday$$3$$mum@example.org$$1956\r\n"
                                "$$Old$$2023-01-10$$Birthday$$3$$$$0056\r\n"
                                "$$Extra$$2023-05-02$$Birthday$$3$$$$1990$$more$$fields\r\n"
                                "$$Yearly$$2023-05-03$$Yearly$$3$$$$1956\r\n"
                                "$$Monthly$$2023-05-03$$Monthly$$3$$$$1956\r\n"
                                "$$Future$$2023-05-04$$Birthday$$3$$$$2024\r\n"
                                "$$Word$$2023-05-05$$Birthday$$3$$$$soon\r\n"
                                "$$Plain$$2023-05-06$$Birthday$$3$$\r\n"
                                "$$Month end$$2023-01-31$$Monthly$$3$$\r\n"
                                "$$Kept$$2023-04-30$$Monthly$$3$$$$$$day=31$$uid=u-1$$x=y\r\n"
                                "$$Stale day$$2023-05-15$$Monthly$$3$$$$$$day=31\r\n"
                                "$$Back$$2023-02-28$$Monthly$$3$$$$$$day=30\r\n"
                                "$$Leap$$2023-02-28$$Birthday$$3$$$$2000$$day=29\r\n";
    ASSERT_TRUE(load(content).success);
    EXPECT_EQ(saved(), "$$Mum$$2023-05-01$$Birthday$$3$$mum@example.org$$1956\r\n"
                       "$$Old$$2024-01-10$$Birthday$$3$$$$0056\r\n"
                       "$$Extra$$2023-05-02$$Birthday$$3$$$$1990$$more$$fields\r\n"
                       "$$Yearly$$2023-05-03$$Yearly$$3$$$$1956\r\n"
                       "$$Monthly$$2023-05-03$$Monthly$$3$$\r\n"
                       "$$Future$$2023-05-04$$Birthday$$3$$\r\n"
                       "$$Word$$2023-05-05$$Birthday$$3$$\r\n"
                       "$$Plain$$2023-05-06$$Birthday$$3$$\r\n"
                       "$$Month end$$2023-04-30$$Monthly$$3$$$$$$day=31\r\n"
                       "$$Kept$$2023-04-30$$Monthly$$3$$$$$$day=31$$uid=u-1$$x=y\r\n"
                       "$$Stale day$$2023-05-15$$Monthly$$3$$\r\n"
                       "$$Back$$2023-04-30$$Monthly$$3$$\r\n"
                       "$$Leap$$2024-02-29$$Birthday$$3$$$$2000\r\n"
                       "\r\n");
    EXPECT_EQ(state.Events()[0].BirthYear, 1956);
    EXPECT_EQ(state.Events()[1].BirthYear, 56);
    EXPECT_EQ(state.Events()[3].BirthYear, 1956);
    EXPECT_EQ(state.Events()[4].BirthYear, 0);

    // A file of ours with years is read back byte for byte.
    const std::string first = folder.read(Name);
    EventState again;
    ASSERT_TRUE(LoadEvents(again, path(), Today).success);
    SaveEvents(again, path());
    EXPECT_EQ(folder.read(Name), first);
}
