// SPDX-License-Identifier: GPL-3.0-or-later
// sync.conf: whatever the settings dialog holds reads back exactly, a file written by hand reads
// as its author meant, the file is the user's alone, and a FIFO in its place never blocks. The
// lock of one sync at a time: held once, and never taken through a link.

#include "SyncConfig.h"

#include "FileLock.h"
#include "MoonrillError.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <tuple>

namespace {

const SyncConfig Awkward{
    .calendarUrl = "http://127.0.0.1:5232/cal;1/a,b/",
    .addressBookUrl = "https://dav.example/M\xC3\xBCller/#x=1?a=\"b\"",
    .user = "CORP\\ann;x, Doe, Ann # = 'q' \"q\"",
    .calendarFile = "/home/ann/My Calendars/M\xC3\xBCller \\ ; # = b.ics",
};

} // namespace

TEST(SyncConfig, EveryValueReadsBackAsWritten)
{
    const std::string text = SyncConfigText(Awkward);
    EXPECT_EQ(text, "[sync]\ncalendar_url=http://127.0.0.1:5232/cal;1/a,b/\n"
                    "addressbook_url=https://dav.example/M\xC3\xBCller/#x=1?a=\"b\"\n"
                    "user=CORP\\ann;x, Doe, Ann # = 'q' \"q\"\n"
                    "calendar_file=/home/ann/My Calendars/M\xC3\xBCller \\ ; # = b.ics\n");
    EXPECT_EQ(ParseSyncConfig(text), Awkward);
    EXPECT_EQ(SyncConfigText({}),
              "[sync]\ncalendar_url=\naddressbook_url=\nuser=\ncalendar_file=\n");
}

TEST(SyncConfig, FilesWrittenByHand)
{
    const std::pair<const char *, SyncConfig> cases[] = {
        {"[sync]\r\ncalendar_url = http://h/c/ \r\nuser\t=\tann\r\n",
         {.calendarUrl = "http://h/c/", .addressBookUrl = "", .user = "ann", .calendarFile = ""}},
        {"user=outside\n[General]\ncalendar_url=http://no/\nuser=no\n"
         "[sync]\n; calendar_url=http://commented/\n# user=commented\nno equals here\n"
         "USER=capitals\ncolour=red\ncalendar_file=/a.ics\n\n"
         "[other]\naddressbook_url=no\n[sync]\nuser=back=again\n",
         {.calendarUrl = "", .addressBookUrl = "", .user = "back=again", .calendarFile = "/a.ics"}},
        {"  [sync]  \n  addressbook_url=https://h/b/\nuser=first\nuser=last", // no final line end
         {.calendarUrl = "", .addressBookUrl = "https://h/b/", .user = "last", .calendarFile = ""}},
        {"[General]\ncalendar_url=http://no/\n", {}},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(ParseSyncConfig(text), expected) << text;
}

TEST(SyncConfig, ValuesThatWouldNotReadBackAreRefused)
{
    const TempFolder folder;
    const ScopedEnv config("XDG_CONFIG_HOME", folder.path());
    const std::string path = folder.file("moonrill/sync.conf");
    const char *const line = ": it holds a line break or another control character";
    const char *const blank = ": it begins or ends with a blank";
    using Field = std::string SyncConfig::*;
    const std::tuple<Field, const char *, const char *, const char *> cases[] = {
        {&SyncConfig::calendarUrl, "http://h/\nuser=eve", "calendar_url", line},
        {&SyncConfig::user, "ann\r", "user", line},
        {&SyncConfig::user, " ann", "user", blank},
        {&SyncConfig::calendarFile, "/a.ics ", "calendar_file", blank},
    };
    for (const auto &[member, value, name, reason] : cases) {
        SyncConfig values;
        values.*member = value;
        const std::string said = std::string(name) + " cannot be kept in " + path + reason;
        try {
            (void)SyncConfigText(values);
            ADD_FAILURE() << said;
        } catch (const MoonrillError &error) {
            EXPECT_EQ(std::string(error.what()), said);
        }
        EXPECT_THROW(WriteSyncConfig(values), MoonrillError) << said;
        EXPECT_FALSE(folder.exists("moonrill/sync.conf")) << said;
    }
}

TEST(SyncConfig, TheFileIsPrivateAndAFifoInItsPlaceNeverBlocks)
{
    const TempFolder folder;
    const ScopedEnv config("XDG_CONFIG_HOME", folder.path());
    const std::string path = folder.file("moonrill/sync.conf");
    EXPECT_FALSE(SyncIsSet());
    const mode_t oldMask = ::umask(0);
    WriteSyncConfig(Awkward);
    ::umask(oldMask);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0600u);
    EXPECT_EQ(StatOf(folder.file("moonrill")).st_mode & 07777, 0700u);
    std::string trouble = "untouched";
    EXPECT_EQ(ReadSyncConfig(&trouble), Awkward);
    EXPECT_EQ(trouble, "untouched");
    EXPECT_TRUE(SyncIsSet());

    ASSERT_EQ(::unlink(path.c_str()), 0);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    ::alarm(20); // a read that waits for a writer ends the run instead of hanging it
    EXPECT_EQ(ReadSyncConfig(&trouble), SyncConfig{});
    EXPECT_EQ(trouble, path + " is a FIFO, not a settings file");
    EXPECT_FALSE(SyncIsSet());
    EXPECT_THROW(WriteSyncConfig(Awkward), MoonrillError);
    ::alarm(0);
    EXPECT_TRUE(S_ISFIFO(StatOf(path).st_mode));
}

TEST(FileLock, HeldByOneAtATimeAndNeverThroughALink)
{
    const TempFolder folder;
    const std::string path = folder.file("sync.lock");
    {
        const mode_t oldMask = ::umask(0);
        const FileLock first(path);
        ::umask(oldMask);
        EXPECT_TRUE(first.Held());
        EXPECT_EQ(StatOf(path).st_mode & 07777, 0600u);
        EXPECT_FALSE(FileLock(path).Held());
        EXPECT_EQ(FileLock(path).Trouble(), ""); // only another holder: nothing else wrong
        EXPECT_TRUE(first.Held());
    }
    EXPECT_TRUE(FileLock(path).Held());

    folder.write("target", "keep");
    for (const char *target : {"target", "missing"}) {
        ASSERT_EQ(::symlink(target, folder.file("link").c_str()), 0);
        EXPECT_FALSE(FileLock(folder.file("link")).Held()) << target;
        EXPECT_EQ(FileLock(folder.file("link")).Trouble(),
                  folder.file("link") + " is a symbolic link, not a lock file");
        ASSERT_EQ(::unlink(folder.file("link").c_str()), 0);
    }
    EXPECT_EQ(folder.read("target"), "keep");
    EXPECT_FALSE(folder.exists("missing"));
    ASSERT_EQ(::mkdir(folder.file("dir.lock").c_str(), 0700), 0);
    EXPECT_EQ(FileLock(folder.file("dir.lock")).Trouble(),
              folder.file("dir.lock") + " is a folder, not a lock file");
}
