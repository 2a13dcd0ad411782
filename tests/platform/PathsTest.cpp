#include "Paths.h"
#include "SingleInstance.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
    ::setenv("MOONRILL_HOME", folder.file("home").c_str(), 1);
    EXPECT_EQ(ProgramFolder(), folder.file("home"));
    EXPECT_TRUE(folder.exists("home"));

    // Relative or empty values are ignored.
    ::setenv("XDG_DATA_HOME", folder.file("data").c_str(), 1);
    for (const char *ignored : {"relative/path", ""}) {
        ::setenv("MOONRILL_HOME", ignored, 1);
        EXPECT_EQ(ProgramFolder(), folder.file("data/moonrill"));
    }
    ::setenv("XDG_DATA_HOME", "not/absolute", 1);
    ::setenv("HOME", folder.path().c_str(), 1);
    EXPECT_EQ(ProgramFolder(), folder.file(".local/share/moonrill"));
    ::unsetenv("MOONRILL_HOME");
    ::unsetenv("XDG_DATA_HOME");
}

TEST(SingleInstance, OneLockPerFolderReleasedWithItsOwner)
{
    TempFolder folder;
    TempFolder other;
    {
        const SingleInstance first(folder.path());
        EXPECT_TRUE(first.isOnlyInstance());
        const SingleInstance second(folder.path());
        EXPECT_FALSE(second.isOnlyInstance());
        const SingleInstance elsewhere(other.path());
        EXPECT_TRUE(elsewhere.isOnlyInstance());
    }
    const SingleInstance again(folder.path());
    EXPECT_TRUE(again.isOnlyInstance());
}
