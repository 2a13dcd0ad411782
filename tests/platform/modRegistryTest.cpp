// SPDX-License-Identifier: GPL-3.0-or-later
#include "modRegistry.h"

#include "AppId.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string Entry = "autostart/" + std::string(AppId) + ".desktop";

class Autostart : public ::testing::Test
{
protected:
    [[nodiscard]] static std::string get() { return AutostartCommand(); }
    static void set(const std::string &command) { SwitchAutostartOn(command); }

    TempFolder folder;
    ScopedEnv config{"XDG_CONFIG_HOME", folder.path()};
};

} // namespace

TEST_F(Autostart, DataComesBackExactlyAsSet)
{
    // (The fuzz target holds any one-line command to this; here some it may take long to meet,
    // and a tab, which it leaves out.)
    for (const std::string data :
         {"/tmp/a\"b'c\\d$e`f/moonrill whatsup", "/tmp/tab\there/moonrill whatsup",
          "/tmp/  two  blanks /moonrill whatsup", "no argument here"}) {
        set(data);
        EXPECT_EQ(get(), data);
    }
}

TEST_F(Autostart, OnWritesAValidEntryAndCreatesTheFolder)
{
    set("/opt/My Apps/moonrill whatsup");
    const std::string entry = folder.read(Entry);
    EXPECT_EQ(entry.rfind("[Desktop Entry]\nType=Application\n", 0), 0u) << entry;
    EXPECT_NE(entry.find("\nExec=\"/opt/My Apps/moonrill\" whatsup\n"), std::string::npos);
    // "%" is doubled (it would start a field code); a path without reserved characters is not
    // quoted.
    EXPECT_NE(
        AutostartEntryText("/a/100%/moonrill whatsup").find("Exec=/a/100%%/moonrill whatsup\n"),
        std::string::npos);
    EXPECT_NE(AutostartEntryText("/a\\b/moonrill whatsup")
                  .find("Exec=\"/a\\\\\\\\b/moonrill\" whatsup\n"),
              std::string::npos);
}

TEST_F(Autostart, ReadsEmptyWhenMissingSwitchedOffOrNotAnEntry)
{
    EXPECT_EQ(get(), "");
    std::filesystem::create_directories(folder.file("autostart"));
    struct Case
    {
        const char *entry;
        const char *data;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nExec=/x/moonrill whatsup\n", "/x/moonrill whatsup"},
        {"# comment\n\n[Desktop Entry]\nExec = /elsewhere/other\n", "/elsewhere/other"},
        {"[Desktop Entry]\nExec=/x/moonrill whatsup\nHidden=true\n", ""},
        {"[Desktop Entry]\nExec=/x/moonrill whatsup\nX-GNOME-Autostart-enabled=false\n", ""},
        {"[Other Group]\nExec=/x/moonrill whatsup\n", ""},
        {"Exec=/x/moonrill whatsup\n", ""},
        {"[Desktop Entry]\nName=Moonrill\n", ""},
        {"[Desktop Entry]\r\nExec=/x/moonrill whatsup\r\n", "/x/moonrill whatsup"},
        {"[Desktop Entry]\nExec=/x/moonrill whatsup\n[Desktop Action New]\nExec=/y\nHidden=true\n",
         "/x/moonrill whatsup"},
        {"", ""},
        {"\x01\x02garbage", ""},
    };
    for (const Case &c : cases) {
        folder.write(Entry, c.entry);
        EXPECT_EQ(get(), c.data) << c.entry;
    }
    // On clears the switch that turned the entry off.
    folder.write(Entry, "[Desktop Entry]\nExec=/x\nHidden=true\n");
    set("/new/moonrill whatsup");
    EXPECT_EQ(get(), "/new/moonrill whatsup");
}

TEST_F(Autostart, OffRemovesTheEntryAndAFailedWriteIsSilent)
{
    set("/x/moonrill whatsup");
    EXPECT_EQ(SwitchAutostartOff(), 0);
    EXPECT_FALSE(folder.exists(Entry));
    EXPECT_EQ(get(), "");
    EXPECT_NE(SwitchAutostartOff(), 0);
    // A file where the folder should be: the entry cannot be written, and that is no error.
    std::filesystem::remove_all(folder.file("autostart"));
    folder.write("autostart", "a file where the folder should be");
    EXPECT_NO_THROW(set("/x/moonrill whatsup"));
    EXPECT_EQ(get(), "");
}
