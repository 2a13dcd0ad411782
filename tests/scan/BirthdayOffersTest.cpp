// Ages in the scan: the rows, the mail offers, the questions and the mail subjects, with and
// without a year of birth, for today's birthdays and for missed ones.

#include "BirthdayOffers.h"
#include "ScanComputation.h"

#include <gtest/gtest.h>

namespace {

const Date Today = Date::fromYmd(2027, 3, 4);

clsEvent birthday(const std::string &name, Date on, const std::string &email, int16_t year)
{
    return clsEvent{"ID0", name, on, "Birthday", 3, email, year};
}

} // namespace

TEST(BirthdayOffers, RowsAndEntriesCarryTheAgeOnlyWhereTheYearIsKnown)
{
    const std::vector<clsEvent> events = {
        birthday("Mum", Today, "mum@example.org", 1956),
        birthday("Dad", Today, "dad@example.org", 0),
        // A birthday still ahead: the age it turns on that date.
        birthday("Leap", Date::fromYmd(2027, 3, 6), "", 1999),
    };
    const std::vector<MissedEvent> missed = {
        {"Ann", Today.addDays(-2), "ann@example.org", 2000},
        {"Bob", Today.addDays(-1), "bob@example.org", 0},
    };
    const ScanResult result = ComputeScan(events, Today, missed);
    std::vector<std::string> shown;
    for (const ScanRow &row : result.rows)
        shown.push_back(row.When + " " + row.Description);
    EXPECT_EQ(shown,
              (std::vector<std::string>{"2 days ago: Ann (27)", "Yesterday: Bob", "Today: Mum (71)",
                                        "Today: Dad", "In 2 days: Leap (28)"}));
    EXPECT_EQ(result.birthdayMails, (std::vector<MailOffer>{{"Mum", "mum@example.org", 71},
                                                            {"Dad", "dad@example.org", {}}}));
    EXPECT_EQ(result.belatedMails, (std::vector<MailOffer>{{"Ann", "ann@example.org", 27},
                                                           {"Bob", "bob@example.org", {}}}));
}

TEST(BirthdayOffers, QuestionsAndSubjects)
{
    struct Case
    {
        MailOffer offer;
        OfferKind kind;
        const char *question;
        const char *subject;
    };
    const Case cases[] = {
        {{"Mum", "mum@example.org", 71},
         OfferKind::Today,
         "Birthday: 'Mum' turns 71\r\nDo you want to e-mail this person?",
         "Happy 71st birthday!"},
        {{"Mum", "mum@example.org", {}},
         OfferKind::Today,
         "Birthday: 'Mum'\r\nDo you want to e-mail this person?",
         "Happy birthday!"},
        {{"Ann", "ann@example.org", 12},
         OfferKind::Belated,
         "Belated birthday: 'Ann' turned 12\r\nDo you want to e-mail this person?",
         "Happy belated 12th birthday!"},
        {{"Bob", "bob@example.org", {}},
         OfferKind::Belated,
         "Belated birthday: 'Bob'\r\nDo you want to e-mail this person?",
         "Happy belated birthday!"},
        {{"O'Hara", "o@example.org", 2},
         OfferKind::Today,
         "Birthday: 'O'Hara' turns 2\r\nDo you want to e-mail this person?",
         "Happy 2nd birthday!"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(BirthdayQuestion(c.offer, c.kind), c.question) << c.question;
        EXPECT_EQ(BirthdayMailSubject(c.offer, c.kind), c.subject) << c.subject;
    }
}
