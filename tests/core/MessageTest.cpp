// SPDX-License-Identifier: GPL-3.0-or-later
// A message is kept as what happened and said only when shown: the file holds its key, count,
// arguments and quoted parts a line each, reads back as it was, and is said in any words.

#include "Message.h"

#include <gtest/gtest.h>

TEST(Message, IsKeptALineAValueAndSaidInTheWordsItIsShownIn)
{
    const Message notSent("%n not sent, sent at the next sync: %1", {}, {}, 2);
    Message kept = notSent;
    kept.parts = {{"the server answered %1 %2", {"503", "Busy\r\nnow\t\\n"}}};
    const std::vector<Message> messages = {Message::Verbatim("moonrill: refused"), kept};
    const std::string text = MessagesText(messages);
    EXPECT_EQ(text, "moonrill messages 1\n"
                    "key %1\n"
                    "arg moonrill: refused\n"
                    "key %n not sent, sent at the next sync: %1\n"
                    "count 2\n"
                    "part key the server answered %1 %2\n"
                    "part arg 503\n"
                    "part arg Busy  now \\n\n");
    std::vector<Message> read = ReadMessages(text);
    ASSERT_EQ(read.size(), 2U);
    EXPECT_EQ(read[0], messages[0]);
    EXPECT_EQ(read[1].parts.at(0).args.at(1), "Busy  now \\n");
    EXPECT_EQ(SaidLines(read, AsIs),
              "moonrill: refused\n2 not sent, sent at the next sync: the server answered 503 "
              "Busy  now \\n");
    // Words of another language place the values where they say.
    const Words shouted([](std::string_view english, int) {
        return english == "the server answered %1 %2" ? std::string("%2 (%1)!")
                                                      : std::string(english);
    });
    EXPECT_EQ(read[1].Said(shouted), "2 not sent, sent at the next sync: Busy  now \\n (503)!");
    // An earlier version's text is shown as it is, a message a line; nothing is nothing.
    EXPECT_EQ(SaidLines(ReadMessages("moonrill: a\r\nmoonrill: b\n"), AsIs),
              "moonrill: a\nmoonrill: b");
    EXPECT_TRUE(ReadMessages("").empty());
    EXPECT_TRUE(Message::Verbatim("").empty());
}
