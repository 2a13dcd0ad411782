#include "EventLine.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

TEST(EventLine, SplitsAtEverySeparatorLeftToRight)
{
    using Fields = std::vector<std::string_view>;
    EXPECT_EQ(SplitEventLine("$$Dentist$$2002-01-30$$Once$$3$$"),
              (Fields{"", "Dentist", "2002-01-30", "Once", "3", ""}));
    EXPECT_EQ(SplitEventLine("a$$$b"), (Fields{"a", "$b"}));
    EXPECT_EQ(SplitEventLine("$$$$"), (Fields{"", "", ""}));
    EXPECT_EQ(SplitEventLine(""), (Fields{""}));
    EXPECT_EQ(SplitEventLine("no separator"), (Fields{"no separator"}));
}

// The loader's allocation-free split must cut exactly where the plain split does.
TEST(EventLine, LeadingFieldsAreTheFirstSixOfTheSplit)
{
    std::mt19937 random(7);
    const char alphabet[] = {'$', '$', '$', 'a', 'b'};
    for (int round = 0; round < 5000; ++round) {
        std::string line(random() % 30, ' ');
        for (char &c : line)
            c = alphabet[random() % sizeof alphabet];
        const std::vector<std::string_view> all = SplitEventLine(line);
        const LeadingFields leading = SplitLeadingFields(line);
        ASSERT_EQ(leading.count, std::min<size_t>(all.size(), 6)) << line;
        for (size_t i = 0; i < leading.count; ++i)
            ASSERT_EQ(leading.field[i], all[i]) << line << " field " << i;
    }
}

TEST(EventLine, FormatsTheSixFields)
{
    clsEvent event;
    event.Description = "Dentist";
    event.StartingOn = Date::fromYmd(2002, 1, 30);
    event.Occurs = "Once";
    event.Period = 3;
    EXPECT_EQ(FormatEventLine(event), "$$Dentist$$2002-01-30$$Once$$3$$");
    event.Period = -2;
    event.Email = "a@b.c";
    event.Occurs = "Every 3th week";
    EXPECT_EQ(FormatEventLine(event), "$$Dentist$$2002-01-30$$Every 3th week$$-2$$a@b.c");
}

TEST(EventLine, NewRecordIsEmpty)
{
    const clsEvent event;
    EXPECT_EQ(event.Id, "");
    EXPECT_EQ(event.Email, "");
    EXPECT_EQ(event.Period, 0);
    EXPECT_EQ(event.StartingOn, Date::fromYmd(1899, 12, 30));
}
