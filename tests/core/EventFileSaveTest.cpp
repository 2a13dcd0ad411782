// Saving the event file: what a failed save leaves, and what stays alone. (That a saved file loads
// back whole and saves the same bytes is a property the loader's fuzz target holds.)

#include "EventFileFixture.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST_F(EventFileTest, SaveReplacesTheFileALinkPointsTo)
{
    folder.write("real.mrl", "$$A$$2023-05-01$$Once$$3$$\r\n");
    ::chmod(folder.file("real.mrl").c_str(), 0640);
    ASSERT_EQ(::symlink("real.mrl", path().c_str()), 0);
    ASSERT_TRUE(LoadEvents(state, path(), Today).success);
    state.Insert({"B", Today, "Once", 1, "1", ""}, Today);
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

TEST_F(EventFileTest, ASaveRemovesWhatKilledSavesLeftAndNothingElse)
{
    // A process that no longer runs (a child that has ended) left one; this process has one of
    // its own open; another file merely looks alike.
    const pid_t child = EndedProcessId();
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
