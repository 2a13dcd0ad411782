#include "HelpFile.h"

#include "FileRead.h"
#include "Paths.h"

#include <gtest/gtest.h>

#include <set>

TEST(HelpFile, TopicsAndTheirText)
{
    const std::vector<HelpTopic> topics = ParseHelpFile(
        "# comment\n\n== 1 Contents\r\nline one\r\n\r\nline two\n\n== 12 Update\ntext\n"
        "== x not a topic\n==  7\n");
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].number, 1);
    EXPECT_EQ(topics[0].title, "Contents");
    EXPECT_EQ(topics[0].text, "line one\n\nline two");
    EXPECT_EQ(topics[1].number, 12);
    EXPECT_EQ(topics[1].text, "text\n== x not a topic\n==  7");
    EXPECT_TRUE(ParseHelpFile("").empty());
    EXPECT_TRUE(ParseHelpFile("no topics at all\n").empty());
}

TEST(HelpFile, OurHelpFileHasEveryWindowsTopic)
{
    const std::optional<std::string> content =
        ReadWholeFile(JoinPath(ExecutableFolder(), "Moonrill.hlp"));
    ASSERT_TRUE(content.has_value());
    std::set<int> numbers;
    for (const HelpTopic &topic : ParseHelpFile(*content)) {
        EXPECT_FALSE(topic.text.empty()) << topic.number;
        numbers.insert(topic.number);
    }
    for (int needed : {1, 2, 3, 4, 6, 7, 10, 12})
        EXPECT_EQ(numbers.count(needed), 1u) << needed;
}
