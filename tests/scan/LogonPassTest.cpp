// SPDX-License-Identifier: GPL-3.0-or-later
// The logon scan reads and writes the event file in its own single pass; whatever the file
// holds, it must leave the very bytes the main window's load and save leave, and scan the same
// (the loader's fuzz target holds it to this on any bytes, and its seeds pin the shapes that
// matter). Here: what it says, where it stops, and what it leaves alone.

#include "LogonScan.h"

#include "Conversions.h"
#include "EventFile.h"
#include "EventState.h"
#include "OtherUser.h"
#include "ScanComputation.h"
#include "ScopedEnv.h"
#include "SingleInstance.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

/// Keeps what the scan would show, in place of the windows.
class RecordingScreens final : public LogonScreens
{
public:
    bool ShowMessageBox(const std::string &text, Icon) override
    {
        messages.push_back(text);
        return true;
    }
    bool ShowDueEvents(ScanResult &scan) override
    {
        shown = scan;
        scan.birthdayMails.clear();
        return true;
    }
    std::vector<std::string> messages;
    ScanResult shown;
};

const Date Today = Date::today();

std::string dateIn(int days)
{
    return DateToText(Today.addDays(days));
}

struct LogonRoad
{
    explicit LogonRoad(const std::string &content)
    {
        folder.write("events.mrl", content);
        completed = RunLogonScan(folder.path(), Today, screens);
    }
    TempFolder folder;
    RecordingScreens screens;
    bool completed = false;
};

} // namespace

TEST(LogonScan, SaysWhatTheMainWindowSays)
{
    const LogonRoad damaged("$$Bad$$soon$$Once$$3$$\r\n$$Four$$2999-01-01$$Once\r\n");
    const std::string path = damaged.folder.file("events.mrl");
    LoadResult expected;
    expected.ignored = 2;
    expected.backupPath = path + ".bak";
    EXPECT_EQ(damaged.screens.messages, std::vector<std::string>{IgnoredLinesMessage(expected)});
    EXPECT_TRUE(damaged.completed);

    const LogonRoad overflow("$$Big$$2999-01-01$$Once$$40000$$\r\n");
    EXPECT_EQ(overflow.screens.messages,
              std::vector<std::string>{
                  "Your action caused an error: Overflow in line 1 of the event file\r\n\r\nGo "
                  "to About for support"});
    EXPECT_EQ(overflow.folder.read("events.mrl"), "$$Big$$2999-01-01$$Once$$40000$$\r\n");
    EXPECT_FALSE(overflow.completed);

    // A link to a folder that is not there: the file cannot be created.
    TempFolder folder;
    ASSERT_EQ(
        ::symlink(folder.file("no/such/events.mrl").c_str(), folder.file("events.mrl").c_str()), 0);
    RecordingScreens screens;
    EXPECT_FALSE(RunLogonScan(folder.path(), Today, screens));
    EXPECT_EQ(screens.messages, std::vector<std::string>{"A serious error occured!\r\nIf this "
                                                         "continues, please reinstall the "
                                                         "program!\r\nCannot create " +
                                                         folder.file("no/such/events.mrl") +
                                                         ": No such file or directory"});
}

TEST(LogonScan, StopsAtTheLimitOfTheIdCounter)
{
    std::string content;
    for (int i = 0; i <= EventState::Limit; ++i)
        content += "$$E" + std::to_string(i) + "$$2999-01-01$$Once$$0$$\r\n";
    const LogonRoad logon(content);
    EXPECT_EQ(logon.screens.messages,
              std::vector<std::string>{
                  "Your action caused an error: Overflow in line 32768 of the event file\r\n\r\nGo "
                  "to About for support"});
    EXPECT_EQ(logon.folder.read("events.mrl"), content);
}

TEST(LogonScan, LeavesAnUnchangedFileAlone)
{
    TempFolder folder;
    const std::string content = "$$Kept$$" + dateIn(20) + "$$Once$$3$$\r\n\r\n";
    folder.write("events.mrl", content);
    const ino_t before = StatOf(folder.file("events.mrl")).st_ino;
    RecordingScreens screens;
    EXPECT_TRUE(RunLogonScan(folder.path(), Today, screens));
    EXPECT_EQ(StatOf(folder.file("events.mrl")).st_ino, before);
    EXPECT_EQ(folder.read("events.mrl"), content);
    EXPECT_TRUE(screens.messages.empty());
}

TEST(LogonScan, LargeFilesGoToDiskWhole)
{
    // More than one piece of output, with a date that moves only near the end.
    std::string content;
    for (int i = 0; i < 20000; ++i)
        content += "$$Event number " + std::to_string(i) + "$$" + dateIn(30) + "$$Once$$3$$\r\n";
    content += "$$Moved$$" + DateToText(Today.addMonths(-3)) + "$$Monthly$$1$$\r\n";
    const LogonRoad logon(content);
    TempFolder window;
    window.write("events.mrl", content);
    EventState state;
    ASSERT_TRUE(LoadEvents(state, window.file("events.mrl"), Today).success);
    SaveEvents(state, window.file("events.mrl"));
    EXPECT_EQ(logon.folder.read("events.mrl"), window.read("events.mrl"));
}

TEST(LogonScan, DoesNotRunWhenItCannotTellWhetherAnotherCopyRuns)
{
    // A data folder the user cannot write, and a runtime folder that is not the user's: no lock
    // can be had.
    TempFolder runtime;
    TempFolder home;
    const std::string original = "$$Moved$$" + DateToText(Today.addMonths(-2)) + "$$Monthly$$0$$";
    home.write("events.mrl", original);
    ASSERT_EQ(::chmod(runtime.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(home.path().c_str(), 0555), 0);
    const ScopedEnv env("XDG_RUNTIME_DIR", runtime.path());
    const std::string lock = home.file(".moonrill.lock");
    const bool refused = AsUnprivilegedUser([&home, &lock] {
        RecordingScreens screens;
        const bool completed = RunLogonScan(home.path(), Today, screens);
        return !completed && screens.messages.size() == 1 &&
               screens.messages[0] == "Moonrill cannot tell whether it is already running: "
                                      "cannot open " +
                                          lock + ": Permission denied";
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(home.read("events.mrl"), original);
}

TEST(LogonScan, AFileChangedWhileAMessageWaitsIsKeptAndDoesNotKillTheScan)
{
    // Another program empties the file while the damaged-lines message is open. A scan that
    // still had the file mapped would die of SIGBUS in the save that follows; one that saved
    // straight away would lose the other program's version.
    TempFolder folder;
    std::string content;
    for (int i = 0; i < 2000; ++i)
        content += "$$Event " + std::to_string(i) + "$$" + DateToText(Today.addMonths(-1)) +
                   "$$Monthly$$0$$\r\n";
    content += "$$Bad$$soon$$Once$$3$$\r\n";
    folder.write("events.mrl", content);
    class TruncatingScreens final : public LogonScreens
    {
    public:
        explicit TruncatingScreens(std::string path) : m_path(std::move(path)) {}
        bool ShowMessageBox(const std::string &text, Icon icon) override
        {
            said.emplace_back(text, icon);
            if (said.size() == 1) {
                EXPECT_EQ(::truncate(m_path.c_str(), 0), 0);
            }
            return true;
        }
        bool ShowDueEvents(ScanResult &) override { return true; }
        std::vector<std::pair<std::string, Icon>> said;

    private:
        std::string m_path;
    } screens(folder.file("events.mrl"));
    EXPECT_TRUE(RunLogonScan(folder.path(), Today, screens));
    ASSERT_EQ(screens.said.size(), 2U);
    EXPECT_EQ(screens.said[1].first, ChangedFileMessage(folder.file("events.mrl.bak")));
    EXPECT_EQ(screens.said[1].second, LogonScreens::Icon::Information);
    EXPECT_EQ(folder.read("events.mrl.bak"), "");
    EXPECT_EQ(folder.read("events.mrl.bak.1"), content);
    const std::string saved = folder.read("events.mrl");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 2001);
    EXPECT_EQ(saved.find("Bad"), std::string::npos);
    EXPECT_TRUE(saved.ends_with("$$Monthly$$0$$\r\n\r\n"));
}

TEST(LogonScan, EachDueRowHasItsOwnLinesTexts)
{
    // Lines that are not due are passed over without their texts: a due line after them must
    // still show its own description and offer its own address.
    const LogonRoad logon("$$Later$$" + dateIn(20) + "$$Once$$3$$later@example.org\r\n$$Ann$$" +
                          dateIn(0) + "$$Birthday$$0$$ann@example.org\r\n$$Far$$" + dateIn(30) +
                          "$$Weekly$$1$$far@example.org\r\n$$Club$$" + dateIn(2) +
                          "$$Monthly$$3$$\r\n");
    ASSERT_EQ(logon.screens.shown.rows.size(), 2u);
    EXPECT_EQ(logon.screens.shown.rows[0].Description, "Ann");
    EXPECT_EQ(logon.screens.shown.rows[1].Description, "Club");
    ASSERT_EQ(logon.screens.shown.birthdayMails.size(), 1u);
    EXPECT_EQ(logon.screens.shown.birthdayMails[0].address, "ann@example.org");
}
