// SPDX-License-Identifier: GPL-3.0-or-later
// The daily scan's systemd user units: how they quote paths, that systemd itself accepts them,
// what On and Off ask of the user's service manager (a stand-in systemctl records it), and how
// the units of the names before the application id move.

#include "DailyScan.h"

#include "Paths.h"
#include "ReminderTimer.h"
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
    // The bus's service file goes beside the units, never into the home of whoever tests.
    ScopedEnv data{"XDG_DATA_HOME", folder.file("data")};
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

TEST(DailyScan, TheRemindersTimerComesAtEachMomentAndIsRewrittenOnlyWhenItChanges)
{
    const UnitHome home;
    const TempFolder &folder = home.folder;
    const ScopedEnv log("MOONRILL_SYSTEMCTL_LOG", folder.file("systemctl.log"));
    // Not set up: no timer is made for the moments.
    EXPECT_FALSE(SetReminderMoments({"2027-03-01 14:30"}));
    EXPECT_FALSE(folder.exists("systemd/user/" + ReminderTimer));

    InstallDailyScan("/usr/bin/moonrill", "/data");
    EXPECT_EQ(folder.read("systemd/user/" + ReminderService),
              "[Unit]\n"
              "Description=Moonrill: show the reminders whose moment came\n"
              "ConditionFileIsExecutable=/usr/bin/moonrill\n"
              "\n"
              "[Service]\n"
              "Type=oneshot\n"
              "Environment=MOONRILL_REMINDERS=1\n"
              "Environment=\"MOONRILL_HOME=/data\"\n"
              "ExecStart=\"/usr/bin/moonrill\" whatsup\n");
    // 09:00 is the daily run's, which shows the reminders due before its scan.
    const std::vector<std::string> moments{"2027-02-28 23:40", "2027-03-01 09:00",
                                           "2027-03-01 14:30"};
    EXPECT_TRUE(SetReminderMoments(moments));
    EXPECT_EQ(folder.read("systemd/user/" + ReminderTimer),
              "[Unit]\n"
              "Description=Moonrill: reminders at their moments\n"
              "\n"
              "[Timer]\n"
              "OnCalendar=2027-02-28 23:40:00\n"
              "OnCalendar=2027-03-01 14:30:00\n"
              "Persistent=true\n"
              "\n"
              "[Install]\n"
              "WantedBy=timers.target\n");
    // The same moments again spawn nothing; others restart it; none take it away.
    EXPECT_FALSE(SetReminderMoments(moments));
    EXPECT_TRUE(SetReminderMoments({"2027-03-01 14:30"}));
    EXPECT_TRUE(SetReminderMoments({"2027-03-01 09:00"}));
    EXPECT_FALSE(folder.exists("systemd/user/" + ReminderTimer));
    EXPECT_FALSE(SetReminderMoments({}));
    const std::string reload = "--user daemon-reload\n";
    EXPECT_EQ(folder.read("systemctl.log"),
              reload + "--user enable --now " + Timer + "\n" + reload + "--user enable --now " +
                  ReminderTimer + "\n" + reload + "--user restart " + ReminderTimer + "\n" +
                  "--user disable --now " + ReminderTimer + "\n" + reload);

    // A set-up of an earlier version, without the reminders' service: made from the daily one.
    std::filesystem::remove(folder.file("systemd/user/" + ReminderService));
    EXPECT_TRUE(SetReminderMoments({"2027-03-01 14:30"}));
    EXPECT_EQ(folder.read("systemd/user/" + ReminderService),
              ReminderServiceText("/usr/bin/moonrill", "/data"));
    RemoveDailyScan();
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("systemd/user")));

    std::vector<std::string> many;
    for (int minute = 0; minute < 100; ++minute)
        many.push_back("2027-03-01 1" + std::to_string(minute / 60) + ":" +
                       std::to_string(minute % 60 / 10) + std::to_string(minute % 10));
    // The earliest ones; the other lines are the timer's eight.
    const std::string text = ReminderTimerText(many);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8 + int(MostTimerMoments));
    EXPECT_NE(text.find("OnCalendar=2027-03-01 11:03:00\n"), std::string::npos);
    EXPECT_EQ(text.find("OnCalendar=2027-03-01 11:04:00\n"), std::string::npos);
}

TEST(DailyScan, TheBusStartsTheProgramForANotificationsButton)
{
    EXPECT_EQ(BusServiceText("/opt/a \"b\"/$x`\\moonrill", "/home/a b"),
              "[D-BUS Service]\nName=" + std::string(AppId) +
                  "\nExec=/usr/bin/env \"MOONRILL_HOME=/home/a b\" "
                  "\"/opt/a \\\"b\\\"/\\$x\\`\\\\moonrill\" --bus-activated\n");
    EXPECT_EQ(BusServiceText("/usr/bin/moonrill", ""),
              "[D-BUS Service]\nName=" + std::string(AppId) +
                  "\nExec=\"/usr/bin/moonrill\" --bus-activated\n");
    const UnitHome home;
    const ScopedEnv log("MOONRILL_SYSTEMCTL_LOG", home.folder.file("systemctl.log"));
    InstallDailyScan("/usr/bin/moonrill", "/data");
    const std::string file = "data/dbus-1/services/" + std::string(AppId) + ".service";
    EXPECT_EQ(home.folder.read(file), BusServiceText("/usr/bin/moonrill", "/data"));
    RemoveDailyScan();
    EXPECT_FALSE(home.folder.exists(file));
}

TEST(DailyScan, SystemdAcceptsTheMomentsAndElapsesAtThem)
{
    if (std::system("command -v systemd-analyze >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "systemd-analyze is not installed here, so the moments are not verified";
    const UnitHome home;
    const TempFolder &folder = home.folder;
    InstallDailyScan(JoinPath(ExecutableFolder(), "platform_tests"), folder.path());
    // Moments in the years ahead, whatever the day the test runs on.
    const std::vector<std::string> moments{"2098-02-28 23:40", "2098-03-01 00:10",
                                           "2099-12-31 07:05"};
    ASSERT_TRUE(SetReminderMoments(moments));
    const std::string units = folder.file("systemd/user/");
    const std::string verify = "systemd-analyze verify --man=no '" + units + ReminderService +
                               "' '" + units + ReminderTimer + "' >" + folder.file("verify.log") +
                               " 2>&1";
    const int verified = std::system(verify.c_str());
    EXPECT_TRUE(WIFEXITED(verified) && WEXITSTATUS(verified) == 0) << folder.read("verify.log");

    // Each line's next elapse, as systemd reckons it, is its moment.
    const std::string timer = folder.read("systemd/user/" + ReminderTimer);
    std::string calendar = "systemd-analyze calendar";
    for (size_t at = timer.find("OnCalendar="); at != std::string::npos;
         at = timer.find("OnCalendar=", at + 1))
        calendar += " '" + timer.substr(at + 11, timer.find('\n', at) - at - 11) + "'";
    const int reckoned = std::system((calendar + " >" + folder.file("calendar.log")).c_str());
    ASSERT_TRUE(WIFEXITED(reckoned) && WEXITSTATUS(reckoned) == 0);
    const std::string log = folder.read("calendar.log");
    for (const char *elapse :
         {"Fri 2098-02-28 23:40:00", "Sat 2098-03-01 00:10:00", "Thu 2099-12-31 07:05:00"})
        EXPECT_NE(log.find(std::string("Next elapse: ") + elapse), std::string::npos) << log;
}
