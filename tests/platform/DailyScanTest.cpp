// SPDX-License-Identifier: GPL-3.0-or-later
// The daily scan's systemd user units: how they quote paths, that systemd itself accepts them,
// what On and Off ask of the user's service manager (a stand-in systemctl records it), and how
// the units of the names before the application id move.

#include "DailyScan.h"

#include "Paths.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#ifndef MOONRILL_FAKE_BIN
#error "MOONRILL_FAKE_BIN names the folder of the stand-in systemctl"
#endif

namespace {

/// A configuration folder of the test's own, with the stand-in systemctl first on the path.
struct UnitHome
{
    TempFolder folder;
    ScopedEnv config{"XDG_CONFIG_HOME", folder.path()};
    ScopedEnv path{"PATH", std::string(MOONRILL_FAKE_BIN) + ":" + std::getenv("PATH")};
};

const std::string Timer = std::string(AppId) + "-scan.timer";
const std::string Service = std::string(AppId) + "-scan.service";

} // namespace

TEST(DailyScan, TheServiceQuotesItsPathsAsSystemdReadsThem)
{
    // Paths with blanks, quotes, and the characters systemd expands, as systemd reads them: "$"
    // is a variable in a command line alone.
    EXPECT_EQ(DailyScanServiceText("/opt/my \"apps\"/100%$x\\moonrill", "/home/a b/50%$\"\\"),
              "[Unit]\n"
              "Description=Moonrill: show what falls due today\n"
              "ConditionFileIsExecutable=/opt/my \"apps\"/100%%$x\\moonrill\n"
              "\n"
              "[Service]\n"
              "Type=oneshot\n"
              "Environment=MOONRILL_DAILY=1\n"
              "Environment=\"MOONRILL_HOME=/home/a b/50%%$\\\"\\\\\"\n"
              "ExecStart=\"/opt/my \\\"apps\\\"/100%%$$x\\\\moonrill\" whatsup\n");
}

TEST(DailyScan, SystemdAcceptsTheUnits)
{
    if (std::system("command -v systemd-analyze >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "systemd-analyze is not installed here, so the units are not verified";
    const UnitHome home;
    const TempFolder &folder = home.folder;
    // The program must exist for systemd to accept the service: this test's own.
    InstallDailyScan(JoinPath(ExecutableFolder(), "platform_tests"), folder.path());
    const std::string units = folder.file("systemd/user/");
    const std::string command = "systemd-analyze verify --man=no '" + units + Service + "' '" +
                                units + Timer + "' >" + folder.file("verify.log") + " 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << folder.read("verify.log");
}

TEST(DailyScan, OnAndOffAskTheServiceManager)
{
    const UnitHome home;
    const TempFolder &folder = home.folder;
    const ScopedEnv log("MOONRILL_SYSTEMCTL_LOG", folder.file("systemctl.log"));
    EXPECT_EQ(UserUnitFolder(), folder.file("systemd/user"));

    InstallDailyScan("/usr/bin/moonrill", "/data");
    EXPECT_EQ(folder.read("systemd/user/" + Timer), DailyScanTimerText());
    EXPECT_EQ(folder.read("systemd/user/" + Service),
              DailyScanServiceText("/usr/bin/moonrill", "/data"));
    EXPECT_EQ(folder.read("systemctl.log"),
              "--user daemon-reload\n--user enable --now " + Timer + "\n");

    RemoveDailyScan();
    EXPECT_FALSE(folder.exists("systemd/user/" + Timer));
    EXPECT_FALSE(folder.exists("systemd/user/" + Service));
    EXPECT_EQ(folder.read("systemctl.log"), "--user daemon-reload\n--user enable --now " + Timer +
                                                "\n--user disable --now " + Timer +
                                                "\n--user daemon-reload\n");
}

TEST(DailyScan, OldUnitsMoveToTheAppIdsNamesAndADisabledTimerStaysOff)
{
    // (The window's start-up test moves an enabled one.)
    const UnitHome home;
    const TempFolder &folder = home.folder;
    const ScopedEnv log("MOONRILL_SYSTEMCTL_LOG", folder.file("systemctl.log"));
    std::filesystem::create_directories(folder.file("systemd/user"));
    folder.write("systemd/user/moonrill-scan.timer", "edited timer\n");
    folder.write("systemd/user/moonrill-scan.service", "edited service\n");
    MoveDailyScanToAppId();
    MoveDailyScanToAppId(); // a second start finds nothing to move
    EXPECT_EQ(folder.read("systemd/user/" + Timer), "edited timer\n");
    EXPECT_EQ(folder.read("systemd/user/" + Service), "edited service\n");
    EXPECT_FALSE(folder.exists("systemd/user/moonrill-scan.timer"));
    EXPECT_FALSE(folder.exists("systemd/user/moonrill-scan.service"));
    EXPECT_EQ(folder.read("systemctl.log"), "--user daemon-reload\n--user disable --now "
                                            "moonrill-scan.timer\n--user daemon-reload\n");
}
