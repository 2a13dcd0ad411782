// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpFile.h"

#include "FileRead.h"
#include "Paths.h"

#include <gtest/gtest.h>

#include <set>

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

TEST(HelpFile, OurHelpCoversEveryCommandShortcutAndFile)
{
    const std::optional<std::string> content =
        ReadWholeFile(JoinPath(ExecutableFolder(), "Moonrill.hlp"));
    ASSERT_TRUE(content.has_value());
    const std::vector<HelpTopic> topics = ParseHelpFile(*content);
    ASSERT_FALSE(topics.empty());
    // The contents names every other topic.
    for (size_t i = 1; i < topics.size(); ++i)
        EXPECT_NE(topics.front().text.find(topics[i].title), std::string::npos) << topics[i].title;
    std::string all;
    for (const HelpTopic &topic : topics)
        all += topic.text + "\n";
    // Every shortcut in the table of keys, and every command, file and message to look up.
    for (const char *key : {"F1", "Ctrl+U", "F12", "Ctrl+W", "Ctrl+A", "Ctrl+E", "Del", "Ctrl+D",
                            "Ctrl+Z", "Ctrl+C", "Ctrl+F", "Ctrl+R", "Ctrl+S", "Ctrl+P", "Ctrl+Q"})
        EXPECT_NE(all.find("| " + std::string(key) + " |"), std::string::npos) << key;
    for (const char *needed :
         {"Shift+F10", "Print", "Express Contact", "Visit Website", "Delete Event", "Undo",
          "events.mrl.bak", "~/.local/share/moonrill", "Eventlist was corrupt",
          "Run Scan Events On Windows Startup > On", "does not install", "Import Birthdays",
          "Export Calendar", "when the event kept its place, the first row"})
        EXPECT_NE(all.find(needed), std::string::npos) << needed;
}

TEST(HelpFile, EachTranslationHasEveryTopicOfTheEnglishHelp)
{
    const auto numbers = [](const std::string &file) {
        std::vector<int> found;
        if (const std::optional<std::string> content =
                ReadWholeFile(JoinPath(ExecutableFolder(), file)))
            for (const HelpTopic &topic : ParseHelpFile(*content)) {
                EXPECT_FALSE(topic.text.empty()) << file << " " << topic.number;
                found.push_back(topic.number);
            }
        return found;
    };
    const std::vector<int> english = numbers("Moonrill.hlp");
    ASSERT_FALSE(english.empty());
    for (const char *file : {"Moonrill_de.hlp", "Moonrill_fr.hlp", "Moonrill_es.hlp"})
        EXPECT_EQ(numbers(file), english) << file;
}
