#include "EventLine.h"

#include "MoonrillError.h"

#include <gtest/gtest.h>

#include <string>

TEST(EventLine, SplitsNoFurtherThanSevenFields)
{
    // (The fuzz target holds the splitter to the plain split on any bytes.)
    const LeadingFields split = SplitLeadingFields("$$a$$b$$c$$d$$e$$f$$g");
    EXPECT_EQ(split.count, 7u);
    EXPECT_EQ(split.field[6], "f");
}

TEST(EventLine, ReadsTheValuesInTheStatedOrder)
{
    struct Case
    {
        const char *line;
        const char *outcome; // "good", "damaged" or "overflow"
    };
    const Case cases[] = {
        {"$$Dentist$$2002-01-30$$Once$$3$$", "good"},
        {"$$Dentist$$2002-01-30$$Once$$3$$a@b.c$$seventh", "good"},
        {"$$Dentist$$2002-01-30$$Once$$3", "damaged"},        // no e-mail field
        {"$$Dentist$$2002-01-30$$Once", "damaged"},           // no period
        {"$$Dentist$$soon$$Once$$3$$", "damaged"},            // no date
        {"$$Dentist$$2002-01-30$$Once$$three$$", "damaged"},  // no number
        {"$$Dentist$$2002-01-30$$Once$$40000$$", "overflow"}, // out of range
        {"$$Dentist$$2002-01-30$$Once$$40000", "overflow"},   // the period comes first
        {"$$Dentist$$soon$$Once$$-40000$$", "overflow"},      // before the date too
        {"$$Dentist$$2023-02-30$$Once$$3$$", "damaged"},
        {"$$Dentist$$0000-05-01$$Once$$3$$", "damaged"},
        {"$$Dentist$$ 2023-05-01 $$Once$$ 3$$", "good"},
        {"$$Dentist$$2023-05-01$$Once$$$$", "damaged"}, // empty period
        {"plain text", "damaged"},
    };
    for (const Case &c : cases) {
        std::string outcome;
        try {
            outcome = ReadEventLine(c.line) ? "good" : "damaged";
        } catch (const MoonrillError &error) {
            outcome = error.number() == MoonrillError::Overflow ? "overflow" : "other";
        }
        EXPECT_EQ(outcome, c.outcome) << c.line;
    }
    const EventLineFields read = *ReadEventLine("$$Dentist$$ 2002-01-30 $$Every 3th week$$ 3$$a");
    EXPECT_EQ(read.Description, "Dentist");
    EXPECT_EQ(read.DateText, " 2002-01-30 ");
    EXPECT_EQ(read.StartingOn, Date::fromYmd(2002, 1, 30));
    EXPECT_EQ(read.Occurs, "Every 3th week");
    EXPECT_EQ(read.PeriodText, " 3");
    EXPECT_EQ(read.Period, 3);
    EXPECT_EQ(read.Email, "a");
    // The program's own lines: damage is an error there.
}
