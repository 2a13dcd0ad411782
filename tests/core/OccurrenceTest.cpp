// SPDX-License-Identifier: GPL-3.0-or-later
#include "Occurrence.h"

#include "Conversions.h"
#include "EventTypes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

Date ymd(int y, int m, int d)
{
    return Date::fromYmd(y, m, d);
}

/// The rule as it reads: advance one step per pass until today is reached. A step of days is
/// added to the previous result; the k-th step of months lands k steps after the first date, on
/// its day or the month's last, so that a day lost to a short month comes back.
std::optional<Date> stepByStep(Date d, const std::string &t, Date today)
{
    auto days = [&](int step) {
        while (d < today)
            d = d.addDays(step);
        return d;
    };
    auto months = [&](int step) {
        Date x = d;
        for (int k = 1; x < today; ++k)
            x = d.addMonths(k * step);
        return x;
    };
    if (t == "Once")
        return d < today ? std::nullopt : std::optional<Date>(d);
    if (t == "Daily")
        return days(1);
    if (t == "Weekly")
        return days(7);
    if (t == "Monthly")
        return months(1);
    if (t == "Yearly" || t == "Birthday")
        return months(12);
    const int n = std::stoi(t.substr(6));
    if (t.back() == 'k')
        return days(7 * n);
    return months(t.back() == 'h' ? n : 12 * n);
}

} // namespace

TEST(NextOccurrence, RulesAsStated)
{
    // (Every type the editor composes is held to the step-by-step rule below, on random dates.)
    const Date today = ymd(2023, 4, 15);
    struct Case
    {
        Date date;
        const char *type;
        std::optional<Date> expected;
    };
    const Case cases[] = {
        {today.addDays(-1), "Once", std::nullopt},
        {ymd(2023, 1, 31), "Monthly", ymd(2023, 4, 30)},
        // Unknown types keep their date, also in the past.
        {today.addDays(-100), "weekly", today.addDays(-100)},
        {today.addDays(-100), "", today.addDays(-100)},
        {today.addDays(-100), "Fortnightly", today.addDays(-100)},
        // Interval types without a usable interval are never looped on.
        {today.addDays(-100), "Every 0th week", today.addDays(-100)},
        {today.addDays(-100), "Every week", today.addDays(-100)},
        {today.addDays(-100), "Every 9000th year", today.addDays(-100)},
        // A hand-edited interval above the editor's 99 still steps by N.
        {today.addDays(-100), "Every 100th month", today.addDays(-100).addMonths(100)},
        {today.addDays(-100), "Every -3th week", today.addDays(-100)},
        {today.addDays(-100), "k", today.addDays(-100)},
        {ymd(2023, 3, 1), "Every 1th week", ymd(2023, 4, 19)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NextOccurrence(c.date, c.type, today), c.expected) << c.type;
}

TEST(NextOccurrence, TheDayMeantComesBackAfterAShortMonth)
{
    // Each date is the next occurrence the day after the one before, from the date stored then
    // and the day the event is meant for, as a load finds them in the file.
    struct Case
    {
        Date stored;
        int day; // the day meant, as the line keeps it beside a shortened date; 0 for none
        const char *type;
        std::vector<Date> next;
    };
    const Case cases[] = {
        {ymd(2027, 1, 31),
         0,
         "Monthly",
         {ymd(2027, 2, 28), ymd(2027, 3, 31), ymd(2027, 4, 30), ymd(2027, 5, 31)}},
        {ymd(2027, 2, 28), 30, "Monthly", {ymd(2027, 3, 30), ymd(2027, 4, 30)}},
        {ymd(2000, 2, 29),
         0,
         "Birthday",
         {ymd(2001, 2, 28), ymd(2002, 2, 28), ymd(2003, 2, 28), ymd(2004, 2, 29)}},
        {ymd(2026, 11, 30),
         0,
         "Every 3th month",
         {ymd(2027, 2, 28), ymd(2027, 5, 30), ymd(2027, 8, 30)}},
        // A shortened date says its day only with the line's help: alone, it is what it says.
        {ymd(2027, 2, 28), 0, "Monthly", {ymd(2027, 3, 28)}},
        // A day that no shortened date stands beside is not the day meant.
        {ymd(2027, 3, 15), 31, "Monthly", {ymd(2027, 4, 15)}},
        {ymd(2027, 2, 28), 31, "Weekly", {ymd(2027, 3, 7)}},
    };
    for (const Case &c : cases) {
        Date stored = c.stored;
        int day = c.day;
        for (const Date expected : c.next) {
            const int meant = IntendedDay(stored, day);
            const std::optional<Date> next = NextOccurrence(stored, c.type, stored.addDays(1), day);
            ASSERT_EQ(next, expected) << c.type << " from " << DateToText(stored);
            day = DayKeptBeside(*next, c.type, meant);
            stored = *next;
        }
    }
    // From far back, in one go.
    EXPECT_EQ(NextOccurrence(ymd(2027, 2, 28), "Monthly", ymd(2031, 4, 2), 31), ymd(2031, 4, 30));
    EXPECT_EQ(NextOccurrence(ymd(2001, 2, 28), "Birthday", ymd(2096, 1, 1), 29), ymd(2096, 2, 29));
}

TEST(NextOccurrence, FarPastCostsTheSameAndGivesTheStepResult)
{
    const Date today = ymd(2026, 12, 6);
    EXPECT_EQ(NextOccurrence(ymd(1900, 1, 1), "Daily", today), today);
    EXPECT_EQ(NextOccurrence(ymd(1, 1, 1), "Daily", today), today);
    EXPECT_EQ(NextOccurrence(ymd(1, 1, 31), "Monthly", today),
              stepByStep(ymd(1, 1, 31), "Monthly", today));
    EXPECT_EQ(NextOccurrence(ymd(1, 1, 31), "Every 12th month", today), ymd(2027, 1, 31));
}

TEST(NextOccurrence, EqualsTheStepLoopForEveryType)
{
    std::vector<std::string> types = {"Once", "Daily", "Weekly", "Monthly", "Yearly", "Birthday"};
    for (int n : {1, 2, 3, 5, 7, 11, 12, 13, 24, 25, 48, 60, 99}) {
        for (const char *unit : {"th week", "th month", "th year"})
            types.push_back("Every " + std::to_string(n) + unit);
    }
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int32_t> dayIn(ymd(1890, 1, 1).dayNumber(),
                                                 ymd(2040, 12, 31).dayNumber());
    std::uniform_int_distribution<int> endOfMonth(28, 31);
    std::uniform_int_distribution<int> anyMonth(1, 12);
    std::uniform_int_distribution<int> anyYear(1890, 2030);
    for (int round = 0; round < 3000; ++round) {
        const Date today = Date::fromDayNumber(dayIn(random));
        Date date = Date::fromDayNumber(dayIn(random));
        if (round % 2 == 0) {
            // Month ends are where the drift lives.
            const int y = anyYear(random);
            const int m = anyMonth(random);
            date = ymd(y, m, std::min(endOfMonth(random), Date::daysInMonth(y, m)));
        }
        for (const std::string &type : types)
            ASSERT_EQ(NextOccurrence(date, type, today), stepByStep(date, type, today))
                << type << " from " << date.dayNumber() << " to " << today.dayNumber();
    }
}

TEST(IntervalOf, ReadsTheDigitsUpToTh)
{
    EXPECT_EQ(IntervalOf("Every 12th month"), 12);
    EXPECT_EQ(IntervalOf("Every 2th week"), 2);
    EXPECT_EQ(IntervalOf("Every 99th year"), 99);
    EXPECT_EQ(IntervalOf("Every 1th week"), 1);
    EXPECT_EQ(IntervalOf("Every 0th week"), std::nullopt);
    EXPECT_EQ(IntervalOf("Every th week"), std::nullopt);
    EXPECT_EQ(IntervalOf("Every 100th year"), 100);
    EXPECT_EQ(IntervalOf("Every 0100th year"), 100);
    EXPECT_EQ(IntervalOf("Every 00th year"), std::nullopt);
    EXPECT_EQ(IntervalOf("Every 99999999999999999999th week"), MaxInterval);
    EXPECT_EQ(IntervalOf("Weekly"), std::nullopt);
}

TEST(EventTypes, ComposedAndReadBackThroughTheOneVocabulary)
{
    // Each base type with the intervals the editor offers: what it writes, and what an edit
    // shows again.
    for (const std::string_view base : BaseTypes) {
        for (const int interval : {1, 2, 3, 12, 99}) {
            const std::string text = ComposeType(base, interval);
            const bool steps = !IntervalUnit(base).empty() && interval != 1;
            EXPECT_EQ(text, steps ? "Every " + std::to_string(interval) + "th " +
                                        std::string(IntervalUnit(base))
                                  : std::string(base));
            EXPECT_EQ(BaseTypeOf(text), base) << text;
            EXPECT_EQ(IntervalOf(text).value_or(1), interval == 1 || !steps ? 1 : interval);
        }
    }
    EXPECT_EQ(BaseTypeOf("weekly"), "weekly"); // a hand-edited text stays itself
}

TEST(NextOccurrence, LeapDaysLargeIntervalsAndTheLastYear)
{
    struct Case
    {
        Date date;
        const char *type;
        Date today;
        Date expected;
    };
    const auto ymd = Date::fromYmd;
    const Case cases[] = {
        // A leap-day birthday falls on the 28th in common years and comes back in leap years.
        // (Other month ends are held to the step-by-step rule on random dates above.)
        {ymd(2000, 2, 29), "Birthday", ymd(2001, 3, 1), ymd(2002, 2, 28)},
        {ymd(2000, 2, 29), "Yearly", ymd(2004, 2, 29), ymd(2004, 2, 29)},
        {ymd(2000, 2, 29), "Every 4th year", ymd(2003, 1, 1), ymd(2004, 2, 29)},
        {ymd(2096, 2, 29), "Every 4th year", ymd(2100, 3, 1), ymd(2104, 2, 29)},
        {ymd(2020, 1, 31), "Every 100th month", ymd(2026, 12, 7), ymd(2028, 5, 31)},
        {ymd(2020, 1, 31), "Every 101th month", ymd(2026, 12, 7), ymd(2028, 6, 30)},
        {ymd(2000, 2, 29), "Every 150th year", ymd(2026, 12, 7), ymd(2150, 2, 28)},
        {ymd(2020, 1, 1), "Every 520th week", ymd(2026, 12, 7), ymd(2029, 12, 19)},
        // A step past 31 December 9999 is not taken: the date stays as written.
        {ymd(9999, 6, 1), "Yearly", ymd(9999, 12, 31), ymd(9999, 6, 1)},
        {ymd(9999, 6, 1), "Birthday", ymd(9999, 6, 2), ymd(9999, 6, 1)},
        {ymd(9999, 12, 1), "Monthly", ymd(9999, 12, 2), ymd(9999, 12, 1)},
        {ymd(9999, 11, 30), "Monthly", ymd(9999, 12, 2), ymd(9999, 12, 30)},
        {ymd(9999, 12, 30), "Every 2th week", ymd(9999, 12, 31), ymd(9999, 12, 30)},
        {ymd(9999, 12, 30), "Daily", ymd(9999, 12, 31), ymd(9999, 12, 31)},
        {ymd(2020, 5, 5), "Every 8000th year", ymd(2026, 12, 7), ymd(2020, 5, 5)},
        {ymd(2020, 5, 5), "Every 999999999th month", ymd(2026, 12, 7), ymd(2020, 5, 5)},
        {ymd(2020, 5, 5), "Every 99999999999999th week", ymd(2026, 12, 7), ymd(2020, 5, 5)},
        {ymd(1, 1, 1), "Every 9998th year", ymd(2026, 12, 7), ymd(9999, 1, 1)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NextOccurrence(c.date, c.type, c.today), c.expected)
            << c.type << " from " << DateToText(c.date) << ": "
            << DateToText(*NextOccurrence(c.date, c.type, c.today));
}

namespace {

/// The day a rule names, found by walking the month's days: the `week`th day of the weekday,
/// or the last one.
Date namedDay(int year, int month, WeekdayRule rule)
{
    std::vector<Date> days;
    for (int d = 1; d <= Date::daysInMonth(year, month); ++d) {
        if (ymd(year, month, d).weekday() == rule.weekday)
            days.push_back(ymd(year, month, d));
    }
    return rule.week == LastWeek ? days.back() : days[size_t(rule.week - 1)];
}

} // namespace

TEST(WeekdayTypes, ComposedReadBackAndUnknownToAReaderOfTheBaseTypes)
{
    EXPECT_EQ(ymd(1970, 1, 1).weekday(), 4);
    EXPECT_EQ(ymd(2024, 2, 29).weekday(), 4);
    EXPECT_EQ(ymd(1, 1, 1).weekday(), 1);
    EXPECT_EQ(ComposeWeekdayType(MonthlyType, 1, {2, 2}), "Monthly on the second Tuesday");
    EXPECT_EQ(ComposeWeekdayType(MonthlyType, 3, {LastWeek, 5}),
              "Every 3th month on the last Friday");
    EXPECT_EQ(ComposeWeekdayType(YearlyType, 1, {4, 4}), "Yearly on the fourth Thursday");
    EXPECT_EQ(ComposeWeekdayType(WeeklyType, 2, {1, 1}), "Every 2th week");
    EXPECT_EQ(ComposeWeekdayType(MonthlyType, 1, {5, 1}), "Monthly");
    for (const std::string_view base : {MonthlyType, YearlyType}) {
        for (const int interval : {1, 2, 12, 99}) {
            for (const int week : {1, 2, 3, 4, LastWeek}) {
                for (int weekday = 1; weekday <= 7; ++weekday) {
                    const std::string text = ComposeWeekdayType(base, interval, {week, weekday});
                    const auto parts = WeekdayTypeOf(text);
                    ASSERT_TRUE(parts) << text;
                    EXPECT_EQ(parts->rule, (WeekdayRule{week, weekday})) << text;
                    EXPECT_EQ(parts->steps, ComposeType(base, interval));
                    EXPECT_EQ(BaseTypeOf(text), base);
                    EXPECT_EQ(IntervalOf(text).value_or(1), interval);
                    // A reader of the base types alone tells an interval type by "k", "h" or
                    // "r" at the end: this one it does not know, and it leaves the date be.
                    EXPECT_EQ(text.back(), 'y') << text;
                    const Recurrence steps = RecurrenceOf(text);
                    EXPECT_EQ(steps.unit, Recurrence::Unit::Weekdays);
                    EXPECT_EQ(steps.step, base == MonthlyType ? interval : 12 * interval);
                }
            }
        }
    }
    for (const char *text : {"Weekly on the second Tuesday", "Birthday on the last Friday",
                             "Monthly on the fifth Friday", "Monthly on the second tuesday",
                             "Monthly on the second  Tuesday", " on the second Tuesday",
                             "Every 0th month on the first Monday", "Daily on the last Sunday"})
        EXPECT_EQ(RecurrenceOf(text).unit, Recurrence::Unit::None) << text;
}

TEST(WeekdayTypes, TheRulesThatNameADate)
{
    struct Case
    {
        Date date;
        int numbered; // 0: none
        bool last;
    };
    const Case cases[] = {
        {ymd(2025, 1, 10), 2, false}, {ymd(2025, 1, 24), 4, false}, {ymd(2025, 1, 25), 4, true},
        {ymd(2025, 1, 29), 0, true},  {ymd(2025, 2, 22), 4, true},  {ymd(2024, 2, 22), 4, false},
        {ymd(2024, 2, 29), 0, true},  {ymd(2025, 4, 1), 1, false},  {ymd(2025, 4, 24), 4, true},
    };
    for (const Case &c : cases) {
        const WeekdayRulesOn rules = WeekdayRulesOf(c.date);
        EXPECT_EQ(rules.numbered.value_or(WeekdayRule{}).week, c.numbered) << DateToText(c.date);
        EXPECT_EQ(rules.last.has_value(), c.last) << DateToText(c.date);
        for (const std::optional<WeekdayRule> &rule : {rules.numbered, rules.last}) {
            if (rule) {
                EXPECT_EQ(WeekdayInMonth(c.date.year(), c.date.month(), *rule), c.date);
            }
        }
    }
}

TEST(NextOccurrence, ByWeekday)
{
    struct Case
    {
        Date date;
        const char *type;
        Date today;
        Date expected;
    };
    const Case cases[] = {
        {ymd(2025, 1, 31), "Monthly on the last Friday", ymd(2025, 2, 1), ymd(2025, 2, 28)},
        {ymd(2024, 1, 25), "Monthly on the last Thursday", ymd(2024, 2, 1), ymd(2024, 2, 29)},
        {ymd(2024, 11, 28), "Yearly on the fourth Thursday", ymd(2024, 11, 29), ymd(2025, 11, 27)},
        {ymd(2024, 5, 12), "Yearly on the second Sunday", ymd(2025, 1, 1), ymd(2025, 5, 11)},
        {ymd(2024, 3, 31), "Yearly on the last Sunday", ymd(2024, 4, 1), ymd(2025, 3, 30)},
        {ymd(2025, 1, 14), "Every 3th month on the second Tuesday", ymd(2025, 1, 15),
         ymd(2025, 4, 8)},
        {ymd(2025, 1, 14), "Every 3th month on the second Tuesday", ymd(2025, 4, 9),
         ymd(2025, 7, 8)},
        // A date its rule names stays until it passes; one it does not name goes to the first
        // day the rule names from it on.
        {ymd(2025, 1, 14), "Monthly on the second Tuesday", ymd(2025, 1, 14), ymd(2025, 1, 14)},
        {ymd(2025, 1, 20), "Monthly on the second Tuesday", ymd(2025, 1, 1), ymd(2025, 2, 11)},
        {ymd(2025, 1, 2), "Monthly on the second Tuesday", ymd(2025, 1, 1), ymd(2025, 1, 14)},
        // No step past 31 December 9999.
        {ymd(9999, 11, 25), "Monthly on the last Thursday", ymd(9999, 12, 1), ymd(9999, 12, 30)},
        {ymd(9999, 11, 11), "Yearly on the second Thursday", ymd(9999, 12, 1), ymd(9999, 11, 11)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NextOccurrence(c.date, c.type, c.today), c.expected)
            << c.type << " from " << DateToText(c.date);

    // Any start, any today: the day the rule names in the first month of its steps that has
    // one not before both; the catch-up finds the one before today.
    std::mt19937 random(20250114);
    std::uniform_int_distribution<int32_t> dayIn(ymd(1899, 1, 1).dayNumber(),
                                                 ymd(2040, 12, 31).dayNumber());
    for (int round = 0; round < 4000; ++round) {
        const Date start = Date::fromDayNumber(dayIn(random));
        const Date today = Date::fromDayNumber(dayIn(random));
        const WeekdayRulesOn rules = WeekdayRulesOf(start);
        const WeekdayRule rule = round % 2 == 0 && rules.last ? *rules.last
                                 : rules.numbered             ? *rules.numbered
                                                              : *rules.last;
        const int interval = 1 + round % 13;
        const std::string type =
            ComposeWeekdayType(round % 3 == 0 ? YearlyType : MonthlyType, interval, rule);
        const int step = RecurrenceOf(type).step;
        Date expected = start;
        for (int k = 1; expected < today; ++k) {
            const Date month = ymd(start.year(), start.month(), 1).addMonths(k * step);
            expected = namedDay(month.year(), month.month(), rule);
        }
        ASSERT_EQ(NextOccurrence(start, type, today), expected)
            << type << " from " << DateToText(start) << " to " << DateToText(today);
    }
}
