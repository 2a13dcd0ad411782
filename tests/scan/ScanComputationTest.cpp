// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanComputation.h"
#include "TestEvents.h"

#include "BirthdayOffers.h"
#include "DueNotification.h"
#include "TextScreens.h"

#include <gtest/gtest.h>

#include <tuple>

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
        labels.push_back(row.Key + " " + WhenText(row.Days));
    return labels;
}

const Date BirthdayToday = Date::fromYmd(2027, 3, 4);

clsEvent birthday(const std::string &name, Date on, const std::string &email, int16_t year)
{
    return clsEvent{"ID0", name, on, "Birthday", 3, email, year};
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
            EXPECT_EQ(WhenText(result.rows[0].Days), c.label);
        }
    }
}

TEST(ScanComputation, RowsAcrossTheYearEnd)
{
    const ScanResult result = ComputeScan({event("ID0", 2, 5)}, Today);
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0], (ScanRow{.Key = "ID0",
                                       .Days = 2,
                                       .Date = "2024-01-01",
                                       .Description = "Event ID0",
                                       .SortKey = "    2"}));
    // From the last day of February in a leap year, the first of March is tomorrow.
    const Date feb29 = Date::fromYmd(2024, 2, 29);
    const clsEvent march{"ID1", "March", Date::fromYmd(2024, 3, 1), "Monthly", 1, ""};
    EXPECT_EQ(WhenText(ComputeScan({march}, feb29).rows.at(0).Days), "Tomorrow:");
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
}

TEST(ScanComputation, BirthdayOffersOnlyForToday)
{
    const ScanResult result =
        ComputeScan({event("ID0", 0, 3, "a@x.org"), event("ID1", 1, 3, "b@x.org"),
                     event("ID2", 0, 0), event("ID3", 0, 9, "c@x.org")},
                    Today);
    EXPECT_EQ(result.birthdayMails,
              (std::vector<MailOffer>{{"Event ID0", "a@x.org", {}}, {"Event ID3", "c@x.org", {}}}));
    EXPECT_TRUE(ComputeScan({}, Today).birthdayMails.empty());
    EXPECT_FALSE(ComputeScan({}, Today).found);
}

TEST(ScanComputation, MissedEventsComeFirstOldestFirst)
{
    const Date today = Date::fromYmd(2026, 12, 7);
    const std::vector<MissedEvent> missed = {
        TestMissed("Dad", today.addDays(-1), "dad@example.org"),
        TestMissed("Trip", today.addDays(-14)),
        TestMissed("Mum", today.addDays(-3), "mum@example.org"),
    };
    std::vector<clsEvent> events(1);
    events[0].Id = "ID0";
    events[0].Description = "Dentist";
    events[0].StartingOn = today;
    events[0].Email = "d@example.org";
    const ScanResult result = ComputeScan(events, today, missed);
    ASSERT_EQ(result.rows.size(), 4u);
    EXPECT_EQ(WhenText(result.rows[0].Days) + result.rows[0].Date, "14 days ago:2026-11-23");
    EXPECT_EQ(WhenText(result.rows[1].Days) + result.rows[1].Description, "3 days ago:Mum");
    EXPECT_TRUE(result.rows[0].Missed && result.rows[2].Missed && !result.rows[3].Missed);
    EXPECT_EQ(result.birthdayMails, (std::vector<MailOffer>{{"Dentist", "d@example.org", {}}}));
    // The belated offers in the order of the events, not of the rows.
    EXPECT_EQ(result.belatedMails, (std::vector<MailOffer>{{"Dad", "dad@example.org", {}},
                                                           {"Mum", "mum@example.org", {}}}));

    // Missed events alone still make a scan to show.
    const ScanResult alone = ComputeScan({}, today, {TestMissed("Trip", today.addDays(-2))});
    EXPECT_TRUE(alone.found);
    ASSERT_EQ(alone.rows.size(), 1u);
    EXPECT_EQ(WhenText(alone.rows[0].Days), "2 days ago:");
    EXPECT_TRUE(alone.belatedMails.empty());
}

// Ages in the scan: the rows, the mail offers, the questions and the mail subjects, with and
// without a year of birth, for today's birthdays and for missed ones.

TEST(BirthdayOffers, RowsAndEntriesCarryTheAgeOnlyWhereItIsKnownAndAtLeastOne)
{
    const std::vector<clsEvent> events = {
        birthday("Mum", BirthdayToday, "mum@example.org", 1956),
        birthday("Dad", BirthdayToday, "dad@example.org", 0),
        birthday("Baby", BirthdayToday, "baby@example.org", 2027), // born today: no age
        // A birthday still ahead: the age it turns on that date.
        birthday("Leap", Date::fromYmd(2027, 3, 6), "", 1999),
    };
    const std::vector<MissedEvent> missed = {
        TestMissed("Ann", BirthdayToday.addDays(-2), "ann@example.org", 2000),
        TestMissed("Bob", BirthdayToday.addDays(-1), "bob@example.org"),
    };
    const ScanResult result = ComputeScan(events, BirthdayToday, missed);
    std::vector<std::string> shown;
    for (const ScanRow &row : result.rows)
        shown.push_back(WhenText(row.Days) + " " + row.Description);
    EXPECT_EQ(shown,
              (std::vector<std::string>{"2 days ago: Ann (27)", "Yesterday: Bob", "Today: Mum (71)",
                                        "Today: Dad", "Today: Baby", "In 2 days: Leap (28)"}));
    EXPECT_EQ(result.birthdayMails, (std::vector<MailOffer>{{"Mum", "mum@example.org", 71},
                                                            {"Dad", "dad@example.org", {}},
                                                            {"Baby", "baby@example.org", {}}}));
    EXPECT_EQ(result.belatedMails, (std::vector<MailOffer>{{"Ann", "ann@example.org", 27},
                                                           {"Bob", "bob@example.org", {}}}));
}

TEST(ScanComputation, AnniversariesCountTheirYearsInTheWordsOfTheWindow)
{
    const auto yearly = [](const char *name, const char *type, Date on, int16_t first) {
        return clsEvent{"ID0", name, on, type, 3, "", first};
    };
    const std::vector<clsEvent> events = {
        yearly("Wedding", "Yearly", BirthdayToday, 2002),
        yearly("Club", "Every 2th year", BirthdayToday.addDays(1), 2026),
        yearly("Thanks", "Yearly on the first Thursday", BirthdayToday, 2027), // first: no count
        yearly("Fair", "Yearly", BirthdayToday.addDays(2), 0),
        birthday("Mum", BirthdayToday.addDays(3), "", 1956),
    };
    const ScanResult result = ComputeScan(
        events, BirthdayToday, {TestMissed("Pact", BirthdayToday.addDays(-1), "", 2017, "Yearly")});
    // A language with other forms for one and for more, and its own order.
    const Words german([](std::string_view english, int count) -> std::string {
        return english.find("%n year") == std::string_view::npos ? std::string(english)
               : count == 1                                      ? "%n Jahr: %1"
                                                                 : "%n Jahre: %1";
    });
    std::vector<std::string> shown, translated;
    for (const ScanRow &row : result.rows) {
        shown.push_back(ScanRowText(row));
        translated.push_back(ShownDescription(row, german));
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{
                  "Yesterday: 2027-03-03 Pact (10 years)", "Today: 2027-03-04 Wedding (25 years)",
                  "Today: 2027-03-04 Thanks", "Tomorrow: 2027-03-05 Club (1 year)",
                  "In 2 days: 2027-03-06 Fair", "In 3 days: 2027-03-07 Mum (71)"}));
    EXPECT_EQ(translated, (std::vector<std::string>{"10 Jahre: Pact", "25 Jahre: Wedding", "Thanks",
                                                    "1 Jahr: Club", "Fair", "Mum (71)"}));
    EXPECT_TRUE(result.birthdayMails.empty());
}

TEST(BirthdayOffers, QuestionsAndSubjects)
{
    struct Case
    {
        MailOffer offer;
        OfferKind kind;
        const char *question; // its first line; the second asks whether to write
        const char *subject;
    };
    using enum OfferKind;
    const Case cases[] = {
        {{"Mum", "m@x.org", 71}, Today, "Birthday: 'Mum' turns 71", "Happy 71st birthday!"},
        {{"Mum", "m@x.org", {}}, Today, "Birthday: 'Mum'", "Happy birthday!"},
        {{"Ann", "a@x.org", 12},
         Belated,
         "Belated birthday: 'Ann' turned 12",
         "Happy belated 12th birthday!"},
        {{"Bob", "b@x.org", {}}, Belated, "Belated birthday: 'Bob'", "Happy belated birthday!"},
        {{"O'Hara", "o@x.org", 2}, Today, "Birthday: 'O'Hara' turns 2", "Happy 2nd birthday!"}};
    for (const Case &c : cases) {
        EXPECT_EQ(BirthdayQuestion(c.offer, c.kind),
                  std::string(c.question) + "\r\nDo you want to e-mail this person?");
        EXPECT_EQ(BirthdayMailSubject(c.offer, c.kind), c.subject) << c.subject;
    }
}

TEST(DueNotification, CountsTheRowsLeadsWithTodaysBirthdaysAndStopsAtEight)
{
    // A birthday missed yesterday keeps its place; today's leads. Exactly eight rows say no more.
    std::vector<clsEvent> events;
    for (int i = 0; i < 7; ++i)
        events.push_back(event("ID" + std::to_string(i), i, 10));
    events.push_back(clsEvent{"ID7", "Ann", Today, "Birthday", 3, "", 1990});
    const std::vector<MissedEvent> missed = {TestMissed("Bob", Today.addDays(-1))};
    const DueNotification full = DueNotificationOf(ComputeScan(events, Today, missed).rows);
    EXPECT_EQ(full.summary, "Moonrill: 8 upcoming events, 1 missed");
    EXPECT_TRUE(full.body.starts_with("Today: 2023-12-30 Ann (33)\nYesterday: 2023-12-29 Bob\n"));
    EXPECT_TRUE(full.body.ends_with("\nand 1 more")) << full.body;
    events.resize(1);
    EXPECT_EQ(DueNotificationOf(ComputeScan(events, Today).rows).summary,
              "Moonrill: 1 upcoming event");
    EXPECT_EQ(DueNotificationOf(ComputeScan(events, Today).rows).body,
              "Today: 2023-12-30 Event ID0");
    // Only missed: no upcoming event is counted.
    EXPECT_EQ(DueNotificationOf(ComputeScan({}, Today, missed).rows).summary,
              "Moonrill: 1 missed event");
}

TEST(ScanComputation, ADaysTimedEventsFollowItsDayEventsByTimeWithTheirTimeInTheRow)
{
    // Added in this order: timed and day events of today and tomorrow mixed.
    std::vector<clsEvent> events;
    for (const auto &[name, ahead, time] :
         std::vector<std::tuple<std::string, int, std::string>>{{"Lunch", 0, "12:00"},
                                                                {"Dentist", 0, "09:05"},
                                                                {"Fair", 0, ""},
                                                                {"Train", 1, "07:00"},
                                                                {"Bins", 1, ""},
                                                                {"Call", 0, "09:05"}}) {
        clsEvent event{"ID", name, BirthdayToday.addDays(ahead), "Once", 3, ""};
        event.Options.Time = time;
        events.push_back(event);
    }
    std::vector<std::string> shown;
    for (const ScanRow &row : ComputeScan(events, BirthdayToday).rows)
        shown.push_back(ScanRowText(row));
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Today: 2027-03-04 Fair", "Today: 2027-03-04 09:05 Dentist",
                         "Today: 2027-03-04 09:05 Call", "Today: 2027-03-04 12:00 Lunch",
                         "Tomorrow: 2027-03-05 Bins", "Tomorrow: 2027-03-05 07:00 Train"}));
}
