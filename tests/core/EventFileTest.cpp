#include "EventFile.h"

#include "Conversions.h"
#include "EventLine.h"
#include "EventState.h"
#include "Rows.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

/// The whole content a save writes for `state`, built plainly: every record's line and CR LF,
/// then the closing empty line.
std::string EventFileContent(const EventState &state)
{
    std::string content;
    for (const clsEvent &event : state.Events())
        content += FormatEventLine(event) + "\r\n";
    return content + "\r\n";
}

const Date Today = Date::fromYmd(2023, 4, 15);
const std::string Name(EventFileName);

class EventFileTest : public ::testing::Test
{
protected:
    LoadResult load(const std::string &content)
    {
        folder.write(Name, content);
        return LoadEvents(state, path(), Today);
    }
    [[nodiscard]] std::string path() const { return folder.file(Name); }
    [[nodiscard]] std::string saved()
    {
        SaveEvents(state, path());
        return folder.read(Name);
    }
    [[nodiscard]] std::vector<std::string> descriptionsShown() const
    {
        std::vector<std::string> texts;
        for (const EventRow &row : AllRows(state))
            texts.push_back(row.Text);
        return texts;
    }

    TempFolder folder;
    EventState state;
};

} // namespace

TEST_F(EventFileTest, MissingFileIsCreatedWithOneEmptyLine)
{
    const LoadResult result = LoadEvents(state, path(), Today);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.ignored, 0);
    EXPECT_TRUE((state.RowCount() == 0));
    EXPECT_EQ(folder.read(Name), "\r\n");
}

TEST_F(EventFileTest, EmptyAndBlankFilesLoadNothing)
{
    for (const char *content : {"", "\r\n", "\n", "\r\n\r\n"}) {
        const LoadResult result = load(content);
        EXPECT_TRUE(result.success);
        EXPECT_EQ(result.ignored, 0);
        EXPECT_TRUE((state.RowCount() == 0));
        EXPECT_EQ(saved(), "\r\n");
        EXPECT_FALSE(folder.exists(Name + ".bak"));
    }
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

TEST_F(EventFileTest, EachLossyStartKeepsABackupAndTheLastThreeStay)
{
    // Four starts, each finding a differently damaged file.
    for (int start = 1; start <= 4; ++start) {
        state.Clear();
        const std::string original =
            "$$Start " + std::to_string(start) + "$$2023-05-01$$Once$$3$$\r\n$$Bad$$x$$\r\n";
        EXPECT_EQ(load(original).ignored, 1);
        (void)saved();
        EXPECT_EQ(folder.read(Name + ".bak"), original);
    }
    EXPECT_EQ(folder.read(Name + ".bak.1"), "$$Start 3$$2023-05-01$$Once$$3$$\r\n$$Bad$$x$$\r\n");
    EXPECT_EQ(folder.read(Name + ".bak.2"), "$$Start 2$$2023-05-01$$Once$$3$$\r\n$$Bad$$x$$\r\n");
    EXPECT_FALSE(folder.exists(Name + ".bak.3"));
    EXPECT_EQ(BackupPath("/x/events.mrl", 2), "/x/events.mrl.bak.2");
}

TEST_F(EventFileTest, OneDamagedLineSaysLine)
{
    const LoadResult result = load("$$A$$2023-02-30$$Once$$3$$\r\n\r\n");
    EXPECT_EQ(result.ignored, 1);
    EXPECT_EQ(result.backupPath, path() + ".bak");
    LoadResult elsewhere = result;
    elsewhere.backupPath = "/x/events.mrl.bak";
    EXPECT_EQ(IgnoredLinesMessage(elsewhere),
              "Eventlist was corrupt. \r\n1 line in the event-file has been ignored.\r\n"
              "The original file is kept as /x/events.mrl.bak.");
}

TEST_F(EventFileTest, BadFieldsTable)
{
    struct Case
    {
        const char *line;
        bool loaded;
    };
    const Case cases[] = {
        {"$$A$$2023-05-01$$Once$$3$$", true},
        {"$$A$$2023-05-01$$Once$$3$$x@y.z$$extra", true}, // seven fields
        {"$$A$$2023-05-01$$Once$$3", false},              // five fields
        {"$$A$$2023-05-01$$Once", false},                 // four fields
        {"$$A$$2023-05-01$$Once$$three$$", false},
        {"$$A$$2023-02-30$$Once$$3$$", false},
        {"$$A$$ 2023-05-01 $$Once$$ 3$$", true},
        {"$$A$$0000-05-01$$Once$$3$$", false},
        {"$$A$$2023-05-01$$Once$$$$", false}, // empty period
        {"plain text", false},
    };
    for (const Case &c : cases) {
        const LoadResult result = load(std::string(c.line) + "\r\n");
        EXPECT_TRUE(result.success) << c.line;
        EXPECT_EQ(state.RowCount(), c.loaded ? 1u : 0u) << c.line;
        EXPECT_EQ(result.ignored, c.loaded ? 0 : 1) << c.line;
    }
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
    EXPECT_EQ(descriptionsShown(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(folder.read(Name), original);
    // A later save keeps the file that was only partly read.
    EXPECT_EQ(saved(), "$$A$$2023-05-01$$Once$$3$$\r\n\r\n");
    EXPECT_EQ(folder.read(Name + ".bak"), original);
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

TEST_F(EventFileTest, LineEndsAndBytesPassThrough)
{
    using namespace std::string_literals;
    const std::string odd = "NUL\0 and \xff\xfe invalid UTF-8, caf\xc3\xa9, a single $ sign"s;
    const std::string content =
        "$$" + odd + "$$2023-05-01$$Once$$3$$\n$$LF only$$2023-05-02$$Daily$$1$$";
    ASSERT_TRUE(load(content).success);
    ASSERT_EQ(state.Events().size(), 2u);
    EXPECT_EQ(state.Events()[0].Description, odd);
    const std::string expected =
        "$$" + odd + "$$2023-05-01$$Once$$3$$\r\n$$LF only$$2023-05-02$$Daily$$1$$\r\n\r\n";
    EXPECT_EQ(saved(), expected);
}

TEST_F(EventFileTest, AMegabyteLine)
{
    const std::string big(1 << 20, 'x');
    ASSERT_TRUE(load("$$" + big + "$$2023-05-01$$Once$$3$$\r\n").success);
    ASSERT_EQ(state.Events().size(), 1u);
    EXPECT_EQ(state.Events()[0].Description.size(), big.size());
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

TEST_F(EventFileTest, SaveThenLoadGivesTheSameBytesAndRecords)
{
    std::mt19937 random(7);
    const char *types[] = {"Once",           "Daily",    "Weekly",         "Monthly",
                           "Yearly",         "Birthday", "Every 3th week", "Every 12th month",
                           "Every 2th year", "odd type"};
    std::string content;
    for (int i = 0; i < 500; ++i) {
        const Date date = Today.addDays(static_cast<int32_t>(random() % 40000) - 20000);
        content += "$$Event " + std::to_string(i) + " $ x$$" + DateToText(date) + "$$" +
                   types[random() % 10] + "$$" + std::to_string(int(random() % 200) - 100) + "$$" +
                   (i % 3 == 0 ? "p" + std::to_string(i) + "@mail.example" : "") + "\r\n";
    }
    ASSERT_TRUE(load(content).success);
    const std::string first = saved();
    const std::vector<clsEvent> records = state.Events();

    EventState again;
    ASSERT_TRUE(LoadEvents(again, path(), Today).success);
    EXPECT_EQ(again.Events(), records);
    EXPECT_EQ(EventFileContent(again), first);
    EXPECT_TRUE(again.Saved());
}

TEST_F(EventFileTest, LoadingAgainReplacesTheList)
{
    ASSERT_TRUE(load("$$A$$2023-05-01$$Once$$3$$\r\n").success);
    ASSERT_TRUE(load("$$B$$2023-05-01$$Once$$3$$\r\n$$C$$2023-05-01$$Once$$3$$\r\n").success);
    EXPECT_EQ(state.Events()[0].Id, "ID0");
    EXPECT_EQ(descriptionsShown(), (std::vector<std::string>{"B", "C"}));
}

TEST_F(EventFileTest, SaveReplacesTheFileALinkPointsTo)
{
    folder.write("real.mrl", "$$A$$2023-05-01$$Once$$3$$\r\n");
    ::chmod(folder.file("real.mrl").c_str(), 0640);
    ASSERT_EQ(::symlink("real.mrl", path().c_str()), 0);
    ASSERT_TRUE(LoadEvents(state, path(), Today).success);
    state.Insert({"B", Today, "Once", 1, "1", ""}, Today);
    SaveEvents(state, path());

    struct stat link
    {
    };
    ASSERT_EQ(::lstat(path().c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(folder.read("real.mrl"),
              "$$A$$2023-05-01$$Once$$3$$\r\n$$B$$2023-04-15$$Once$$1$$\r\n\r\n");
    struct stat real
    {
    };
    ASSERT_EQ(::stat(folder.file("real.mrl").c_str(), &real), 0);
    EXPECT_EQ(real.st_mode & 07777, 0640u);
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
    int entries = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 2); // events.mrl and the folder

    EXPECT_THROW(SaveEvents(state, folder.file("missing/events.mrl")), MoonrillError);
    EXPECT_FALSE(state.Saved());
}

TEST_F(EventFileTest, ASaveRemovesWhatKilledSavesLeftAndNothingElse)
{
    // A process that no longer runs (a child that has ended) left one; this process has one of
    // its own open; another file merely looks alike.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const std::string stale = Name + ".tmp-" + std::to_string(child) + "-0";
    const std::string running = Name + ".tmp-" + std::to_string(::getpid()) + "-99";
    folder.write(stale, "half a file");
    folder.write(running, "being written");
    folder.write(Name + ".tmp-notes", "mine");
    ASSERT_TRUE(load("$$A$$2023-05-01$$Once$$3$$\r\n").success);
    (void)saved();
    EXPECT_FALSE(folder.exists(stale));
    EXPECT_TRUE(folder.exists(running));
    EXPECT_TRUE(folder.exists(Name + ".tmp-notes"));
}

TEST_F(EventFileTest, ASaveWritesWhatDiffersAndLeavesAnEqualFileAlone)
{
    // Large enough for several pieces; the old file differs at the start, in the middle, at
    // the end, is longer or shorter, or is the same.
    for (int i = 0; i < 12000; ++i)
        state.Insert({"Event " + std::to_string(i), Today, "Once", 3, "3", ""}, Today);
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
        struct stat before
        {
        };
        ASSERT_EQ(::stat(path().c_str(), &before), 0);
        state.SetSaved(false);
        SaveEvents(state, path());
        EXPECT_TRUE(state.Saved());
        EXPECT_EQ(folder.read(Name), content) << old.size();
        struct stat after
        {
        };
        ASSERT_EQ(::stat(path().c_str(), &after), 0);
        // Only the equal file is left in place, not even rewritten.
        EXPECT_EQ(after.st_ino == before.st_ino, old == content) << old.size();
    }
    // A backup to keep forces the write even of equal content.
    state.SetBackupBeforeSave(true);
    SaveEvents(state, path());
    EXPECT_EQ(folder.read(Name + ".bak"), content);
}

TEST_F(EventFileTest, AMissingFileThatCannotBeCreatedThrows)
{
    EXPECT_THROW((void)LoadEvents(state, folder.file("no/such/folder/events.mrl"), Today),
                 MoonrillError);
}

TEST_F(EventFileTest, ArbitraryBytesNeverGiveAFileThatReadsBackDifferently)
{
    std::mt19937 random(42);
    using namespace std::string_literals;
    const std::string alphabet = "$$$$ab\r\n\n0123456789-Once\0\xff"s;
    for (int round = 0; round < 300; ++round) {
        std::string content;
        const int length = static_cast<int>(random() % 300);
        for (int i = 0; i < length; ++i)
            content += alphabet[random() % alphabet.size()];
        if (round % 2 == 0)
            content = "$$x$$2023-05-0" + std::to_string(random() % 9 + 1) + "$$Daily$$" + content;
        EventState first;
        folder.write(Name, content);
        if (!LoadEvents(first, path(), Today).success)
            continue;
        SaveEvents(first, path());
        const std::string written = folder.read(Name);
        EventState second;
        ASSERT_TRUE(LoadEvents(second, path(), Today).success);
        EXPECT_EQ(second.Events(), first.Events());
        EXPECT_EQ(EventFileContent(second), written);
    }
}
