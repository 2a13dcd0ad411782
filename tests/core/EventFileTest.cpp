// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventFileFixture.h"
#include "TestEvents.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST_F(EventFileTest, MissingEmptyAndBlankFilesLoadNothing)
{
    const LoadResult result = LoadEvents(state, path(), Today);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(folder.read(Name), "\r\n");
    for (const char *content : {"", "\r\n", "\n", "\r\n\r\n"}) {
        const LoadResult result = load(content);
        EXPECT_TRUE(result.success);
        EXPECT_EQ(result.ignored, 0);
        EXPECT_TRUE((state.RowCount() == 0));
        EXPECT_EQ(saved(), "\r\n");
        EXPECT_FALSE(folder.exists(Name + ".bak"));
    }
    EXPECT_THROW((void)LoadEvents(state, folder.file("no/such/folder/events.mrl"), Today),
                 MoonrillError);
}

TEST_F(EventFileTest, DamagedLinesAreCountedAndTheOriginalKept)
{
    const std::string original = "$$A$$2023-05-01$$Once$$3$$\r\n"
                                 "$$B$$2023-05-02$$Once$$3\r\n" // only four separators
                                 "$$C$$2023-05-03$$Once$$3$$\r\n"
                                 "$$D$$soon$$Once$$3$$\r\n"
                                 "$$E$$2023-05-04$$Once$$3$$\r\n"
                                 "\r\n";
    const LoadResult result = load(original);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.ignored, 2);
    EXPECT_EQ(descriptionsShown(), (std::vector<std::string>{"A", "C", "E"}));
    EXPECT_EQ(IgnoredLinesMessage(result),
              "Eventlist was corrupt. \r\n2 lines in the event-file has been ignored.\r\n"
              "The original file is kept as " +
                  path() + ".bak.");
    EXPECT_EQ(saved(), "$$A$$2023-05-01$$Once$$3$$\r\n$$C$$2023-05-03$$Once$$3$$\r\n"
                       "$$E$$2023-05-04$$Once$$3$$\r\n\r\n");
    EXPECT_EQ(folder.read(Name + ".bak"), original);

    // The backup is kept once: the next save does not overwrite it with the cleaned file.
    folder.write(Name + ".bak", "older");
    (void)saved();
    EXPECT_EQ(folder.read(Name + ".bak"), "older");
}

TEST_F(EventFileTest, RowValuesAsLoaded)
{
    ASSERT_TRUE(load("$$Today$$2023-04-15$$Once$$ 3$$\r\n"
                     "$$Year$$2024-04-14$$Once$$0$$\r\n"
                     "$$Monthly$$2023-03-20$$Monthly$$-1$$m@x.org\r\n\r\n")
                    .success);
    ASSERT_EQ(state.RowCount(), 3u);
    EXPECT_EQ(state.Row(0), (EventRow{"ID0", "Today", "2023-04-15", "    0", "Once", " 3", 0}));
    EXPECT_EQ(state.Row(1),
              (EventRow{"ID2", "Monthly", "2023-04-20", "    5", "Monthly", "-1", 5}));
    EXPECT_EQ(state.Row(2), (EventRow{"ID1", "Year", "2024-04-14", "  365", "Once", "0", 365}));
    EXPECT_EQ(state.Events()[0].Period, 3);
    EXPECT_EQ(state.Events()[2].Email, "m@x.org");
    EXPECT_EQ(state.Events()[2].StartingOn, Date::fromYmd(2023, 4, 20));
    // The save writes insertion order with the moved date and the period as a number.
    EXPECT_EQ(saved(), "$$Today$$2023-04-15$$Once$$3$$\r\n$$Year$$2024-04-14$$Once$$0$$\r\n"
                       "$$Monthly$$2023-04-20$$Monthly$$-1$$m@x.org\r\n\r\n");
    EXPECT_FALSE(folder.exists(Name + ".bak"));
}

TEST_F(EventFileTest, TypesByWeekdayMoveOnTheirRuleAndKeepTheirBytes)
{
    // Today is Saturday 15 April 2023: March's second Tuesday (the 14th) moves to May's (the
    // 9th), since April's (the 11th) has passed; a date of the rule still ahead is kept as read.
    const std::string ahead = "$$Pay$$2023-04-28$$Monthly on the last Friday$$0$$$$$$uid=p-1\r\n"
                              "$$Thanks$$2023-11-23$$Yearly on the fourth Thursday$$5$$\r\n";
    ASSERT_TRUE(load("$$Club$$2023-03-14$$Monthly on the second Tuesday$$3$$\r\n" + ahead +
                     "$$Clocks$$2022-03-27$$Every 2th year on the last Sunday$$1$$\r\n\r\n")
                    .success);
    EXPECT_EQ(saved(), "$$Club$$2023-05-09$$Monthly on the second Tuesday$$3$$\r\n" + ahead +
                           "$$Clocks$$2024-03-31$$Every 2th year on the last Sunday$$1$$\r\n\r\n");
}

TEST_F(EventFileTest, OneTimeEventsThatAreOverLeaveQuietly)
{
    const LoadResult result =
        load("$$Gone$$2023-04-14$$Once$$3$$\r\n$$Kept$$2023-04-16$$Once$$3$$\r\n");
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.ignored, 0);
    EXPECT_EQ(descriptionsShown(), (std::vector<std::string>{"Kept"}));
    EXPECT_EQ(state.Events()[0].Id, "ID0");
    EXPECT_EQ(saved(), "$$Kept$$2023-04-16$$Once$$3$$\r\n\r\n");
    EXPECT_FALSE(folder.exists(Name + ".bak"));
}

TEST_F(EventFileTest, PeriodOutOfRangeStopsTheLoad)
{
    const std::string original = "$$A$$2023-05-01$$Once$$3$$\r\n$$B$$2023-05-01$$Once$$99999$$\r\n"
                                 "$$C$$2023-05-01$$Once$$3$$\r\n";
    const LoadResult result = load(original);
    EXPECT_FALSE(result.success);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->number(), MoonrillError::Overflow);
    EXPECT_EQ(std::string(result.error->what()), "Overflow in line 2 of the event file");
    EXPECT_EQ(descriptionsShown(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(folder.read(Name), original);
    // The first save keeps the file that was only partly read, and says where; the next one
    // has nothing more to say.
    const SaveOutcome first = SaveEvents(state, path());
    EXPECT_EQ(first.partialFileKeptAs, path() + ".bak");
    EXPECT_EQ(PartialFileMessage(first.partialFileKeptAs, first.unloadedFromLine),
              "The list lacks the lines of the event file from line 2 on, which could not be "
              "loaded. The file as it was is kept as " +
                  path() + ".bak.");
    EXPECT_EQ(folder.read(Name), "$$A$$2023-05-01$$Once$$3$$\r\n\r\n");
    EXPECT_EQ(folder.read(Name + ".bak"), original);
    state.SetSaved(false);
    EXPECT_TRUE(SaveEvents(state, path()).partialFileKeptAs.empty());
}

TEST_F(EventFileTest, EmptyLineInTheMiddleEndsReadingAndCountsTheRest)
{
    const std::string original = "$$A$$2023-05-01$$Once$$3$$\r\n\r\n$$B$$2023-05-01$$Once$$3$$\r\n"
                                 "$$C$$2023-05-01$$Once$$3$$\r\n\r\n";
    const LoadResult result = load(original);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.ignored, 2);
    EXPECT_EQ(descriptionsShown(), (std::vector<std::string>{"A"}));
    (void)saved();
    EXPECT_EQ(folder.read(Name + ".bak"), original);
}

TEST_F(EventFileTest, TheEventAfterTheLimitIsAnOverflowAndNothingIsWritten)
{
    std::string content;
    for (int i = 0; i <= EventState::Limit; ++i)
        content += "$$E" + std::to_string(i) + "$$2023-05-01$$Once$$3$$\r\n";
    const LoadResult result = load(content);
    EXPECT_FALSE(result.success);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->number(), MoonrillError::Overflow);
    EXPECT_EQ(state.EventCount(), 32767);
    EXPECT_EQ(state.RowCount(), 32767u);
    EXPECT_EQ(folder.read(Name), content);
}

TEST_F(EventFileTest, LargeFilesAndLongLinesReadInOnePass)
{
    // 30,000 lines with CR alone: a reader that looked for LF afresh for each line would read
    // the whole file for every line (about 40 GB here) and never finish. (How every kind of line
    // end reads is held by the loader's fuzz target and its seeds.)
    std::string content;
    for (int i = 0; i < 30000; ++i)
        content += "$$Event " + std::to_string(i) + " with a longer text$$2023-05-01$$Once$$3$$\r";
    ASSERT_TRUE(load(content).success);
    EXPECT_EQ(state.Events().size(), 30000u);
    EXPECT_EQ(state.Events().back().Description, "Event 29999 with a longer text");
    // A line of a megabyte is one event, whole.
    ASSERT_TRUE(load("$$" + std::string(1 << 20, 'x') + "$$2023-05-01$$Once$$3$$").success);
    EXPECT_EQ(state.Events()[0].Description.size(), size_t{1} << 20);
}

// Saving: what a failed save leaves, and what stays alone. (That a saved file loads back whole
// and saves the same bytes is a property the loader's fuzz target holds.)

TEST_F(EventFileTest, SaveReplacesTheFileALinkPointsTo)
{
    folder.write("real.mrl", "$$A$$2023-05-01$$Once$$3$$\r\n");
    ::chmod(folder.file("real.mrl").c_str(), 0640);
    ASSERT_EQ(::symlink("real.mrl", path().c_str()), 0);
    ASSERT_TRUE(LoadEvents(state, path(), Today).success);
    state.Insert(TestEvent("B", Today, "Once", 1), Today);
    SaveEvents(state, path());

    struct stat link = {};
    ASSERT_EQ(::lstat(path().c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(folder.read("real.mrl"),
              "$$A$$2023-05-01$$Once$$3$$\r\n$$B$$2023-04-15$$Once$$1$$\r\n\r\n");
    EXPECT_EQ(StatOf(folder.file("real.mrl")).st_mode & 07777, 0640u);
}

TEST_F(EventFileTest, AFailedSaveLeavesTheFileAndTheFlag)
{
    ASSERT_TRUE(load("$$A$$2023-05-01$$Once$$3$$\r\n").success);
    state.SetSaved(false);
    // A folder where the file should be: the rename cannot replace it.
    const std::string blocked = folder.file("blocked");
    std::filesystem::create_directory(blocked);
    folder.write("blocked/keep", "x");
    try {
        SaveEvents(state, blocked);
        FAIL() << "the save should have failed";
    } catch (const MoonrillError &error) {
        EXPECT_NE(std::string(error.what()).find(blocked), std::string::npos) << error.what();
    }
    EXPECT_FALSE(state.Saved());
    EXPECT_EQ(folder.read("blocked/keep"), "x");
    // No temporary file is left behind.
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"blocked", "events.mrl"}));

    EXPECT_THROW(SaveEvents(state, folder.file("missing/events.mrl")), MoonrillError);
    EXPECT_FALSE(state.Saved());
}

TEST_F(EventFileTest, ASaveWritesWhatDiffersAndLeavesAnEqualFileAlone)
{
    // Large enough for several pieces; the old file differs at the start, in the middle, at
    // the end, is longer or shorter, or is the same.
    for (int i = 0; i < 12000; ++i)
        state.Insert(TestEvent("Event " + std::to_string(i), Today, "Once", 3), Today);
    const std::string content = EventFileContent(state);
    std::string changedMiddle = content;
    changedMiddle[content.size() / 2] = '#';
    const std::vector<std::string> olds = {
        "",
        "x" + content.substr(1),
        changedMiddle,
        content.substr(0, content.size() - 1) + "\n",
        content + "$$More$$2023-05-01$$Once$$3$$\r\n",
        content.substr(0, content.size() / 3),
        content,
    };
    for (const std::string &old : olds) {
        folder.write(Name, old);
        const ino_t before = StatOf(path()).st_ino;
        state.SetSaved(false);
        SaveEvents(state, path());
        EXPECT_TRUE(state.Saved());
        EXPECT_EQ(folder.read(Name), content) << old.size();
        // Only the equal file is left in place, not even rewritten.
        EXPECT_EQ(StatOf(path()).st_ino == before, old == content) << old.size();
    }
    // A backup to keep forces the write even of equal content.
    state.SetBackupBeforeSave(true);
    SaveEvents(state, path());
    EXPECT_EQ(folder.read(Name + ".bak"), content);
}
