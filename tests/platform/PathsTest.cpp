// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paths.h"

#include "ScopedEnv.h"
#include "TempFolder.h"

#include <filesystem>

#include <gtest/gtest.h>

TEST(Paths, JoinWithExactlyOneSlash)
{
    EXPECT_EQ(JoinPath("/home/u/data", "events.mrl"), "/home/u/data/events.mrl");
    EXPECT_EQ(JoinPath("/home/u/data/", "events.mrl"), "/home/u/data/events.mrl");
    EXPECT_EQ(JoinPath("/", "events.mrl"), "/events.mrl");
    EXPECT_EQ(JoinPath("/", "moonrill whatsup"), "/moonrill whatsup");
    EXPECT_EQ(JoinPath("/a//", "/anim/bell.avi"), "/a/anim/bell.avi");
}

TEST(Paths, ProgramFolderFromTheEnvironment)
{
    TempFolder folder;
    {
        const ScopedEnv home("MOONRILL_HOME", folder.file("home"));
        EXPECT_EQ(ProgramFolder(), folder.file("home"));
        EXPECT_TRUE(folder.exists("home"));
    }
    // A relative one is taken from the working folder, never the real data folder; an empty
    // one is not set.
    const ScopedEnv data("XDG_DATA_HOME", folder.file("data"));
    {
        const std::filesystem::path was = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
        const ScopedEnv home("MOONRILL_HOME", std::string("relative/path"));
        const std::string made = ProgramFolder();
        std::filesystem::current_path(was);
        EXPECT_EQ(made, folder.file("relative/path"));
        EXPECT_TRUE(folder.exists("relative/path"));
    }
    {
        const ScopedEnv home("MOONRILL_HOME", std::string());
        EXPECT_EQ(ProgramFolder(), folder.file("data/moonrill"));
    }
    const ScopedEnv home("MOONRILL_HOME", std::nullopt);
    const ScopedEnv relative("XDG_DATA_HOME", std::string("not/absolute"));
    const ScopedEnv user("HOME", folder.path());
    EXPECT_EQ(ProgramFolder(), folder.file(".local/share/moonrill"));
}

TEST(Paths, FoldersTheProgramMakesArePrivate)
{
    // The data folder holds the user's events: no other user may list or read it, whatever the
    // umask says.
    TempFolder folder;
    const mode_t oldMask = ::umask(0);
    const bool made = MakeFolders(folder.file("a/b"));
    ::umask(oldMask);
    ASSERT_TRUE(made);
    for (const char *name : {"a", "a/b"})
        EXPECT_EQ(StatOf(folder.file(name)).st_mode & 0777, 0700u) << name;
}
