#include "ScanComputation.h"

#include <gtest/gtest.h>

namespace {

const Date Today = Date::fromYmd(2023, 12, 30);

clsEvent event(const std::string &id, int daysAhead, int period, const std::string &email = "")
{
    return clsEvent{id, "Event " + id, Today.addDays(daysAhead), "Once", int16_t(period), email};
}

std::vector<std::string> whens(const ScanResult &result)
{
    std::vector<std::string> labels;
    for (const ScanRow &row : result.rows)
        labels.push_back(row.Key + " " + row.When);
    return labels;
}

} // namespace

TEST(ScanComputation, NoticePeriodEdges)
{
    struct Case
    {
        int daysAhead;
        int period;
        const char *label; // nullptr: not due
    };
    const Case cases[] = {
        {0, 0, "Today:"},           {1, 0, nullptr},      {1, 1, "Tomorrow:"}, {0, 1, "Today:"},
        {10, 10, "In 10 days:"},    {11, 10, nullptr},    {-1, 5, nullptr},    {0, -1, nullptr},
        {2, 3, "In 2 days:"},       {3, 3, "In 3 days:"}, {4, 3, nullptr},     {0, 32767, "Today:"},
        {365, 365, "In 365 days:"},
    };
    for (const Case &c : cases) {
        const ScanResult result = ComputeScan({event("ID0", c.daysAhead, c.period)}, Today);
        if (c.label == nullptr) {
            EXPECT_FALSE(result.found) << c.daysAhead << "/" << c.period;
            EXPECT_TRUE(result.rows.empty());
        } else {
            ASSERT_EQ(result.rows.size(), 1u) << c.daysAhead << "/" << c.period;
            EXPECT_EQ(result.rows[0].When, c.label);
        }
    }
}

TEST(ScanComputation, RowsAcrossTheYearEnd)
{
    const ScanResult result = ComputeScan({event("ID0", 2, 5)}, Today);
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0], (ScanRow{"ID0", "In 2 days:", "2024-01-01", "Event ID0", "    2"}));
    // From the last day of February in a leap year, the first of March is tomorrow.
    const Date feb29 = Date::fromYmd(2024, 2, 29);
    const clsEvent march{"ID1", "March", Date::fromYmd(2024, 3, 1), "Monthly", 1, ""};
    EXPECT_EQ(ComputeScan({march}, feb29).rows.at(0).When, "Tomorrow:");
}

TEST(ScanComputation, SortedByNearnessNotByText)
{
    const ScanResult result =
        ComputeScan({event("ID0", 10, 20), event("ID1", 2, 20), event("ID2", 3, 20),
                     event("ID3", 0, 0), event("ID4", 1, 1), event("ID5", 2, 20)},
                    Today);
    EXPECT_EQ(whens(result),
              (std::vector<std::string>{"ID3 Today:", "ID4 Tomorrow:", "ID1 In 2 days:",
                                        "ID5 In 2 days:", "ID2 In 3 days:", "ID0 In 10 days:"}));
    EXPECT_EQ(result.rows.back().SortKey, "   10");
}

TEST(ScanComputation, BirthdayOffersOnlyForToday)
{
    const ScanResult result =
        ComputeScan({event("ID0", 0, 3, "a@x.org"), event("ID1", 1, 3, "b@x.org"),
                     event("ID2", 0, 0), event("ID3", 0, 9, "c@x.org")},
                    Today);
    EXPECT_EQ(result.birthdayMails,
              (std::vector<std::string>{"Event ID0$$a@x.org", "Event ID3$$c@x.org"}));
    EXPECT_TRUE(ComputeScan({}, Today).birthdayMails.empty());
    EXPECT_FALSE(ComputeScan({}, Today).found);
}
