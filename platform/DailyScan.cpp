// SPDX-License-Identifier: GPL-3.0-or-later
#include "DailyScan.h"

#include "AtomicFile.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "ReminderTimer.h"
#include "TextEncoding.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// The units' names before the application id named them.
constexpr std::string_view OldTimer = "moonrill-scan.timer";
constexpr std::string_view OldService = "moonrill-scan.service";

/// One quoted word of a unit's line, as systemd reads it: a quote or a backslash is escaped, and
/// "%", which starts a specifier everywhere, is doubled. In a command line "$" starts a variable
/// and is doubled too; in an Environment= assignment it means nothing and stays single.
std::string unitWord(std::string_view text, bool command)
{
    std::string word = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            word += '\\';
        if (c == '%' || (command && c == '$'))
            word += c;
        word += c;
    }
    return word + '"';
}

/// A path as the value of a setting that takes one path as it stands: only specifiers expand.
std::string unitPath(std::string_view path)
{
    std::string value;
    for (const char c : path) {
        if (c == '%')
            value += c;
        value += c;
    }
    return value;
}

} // namespace

void UserSystemctl(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"systemctl", "--user"});
    std::vector<char *> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, "systemctl", &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return; // no systemctl: no user service manager
    // A service manager that does not answer must not hold up the window.
    for (int waited = 0; waited < 1000; ++waited) {
        if (::waitpid(pid, nullptr, WNOHANG) != 0)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

namespace {

void systemctl(std::vector<std::string> arguments)
{
    UserSystemctl(std::move(arguments));
}

} // namespace

std::string UserUnitFolder()
{
    return JoinPath(ConfigFolder(), "systemd/user");
}

std::string UnitPathTrouble(std::string_view path)
{
    if (!IsUtf8(path))
        return std::string(path) + " is not UTF-8 text, which a unit must be";
    for (const char c : path) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return std::string(path) + " holds a control character, which no unit line can";
    }
    return {};
}

std::string DailyScanServiceText(std::string_view program, std::string_view dataFolder)
{
    // Once the program is removed (apt remove), the service does nothing rather than fail.
    std::string text = "[Unit]\n"
                       "Description=Moonrill: show what falls due today\n"
                       "ConditionFileIsExecutable=" +
                       unitPath(program) +
                       "\n"
                       "\n"
                       "[Service]\n"
                       "Type=oneshot\n"
                       "Environment=MOONRILL_DAILY=1\n";
    if (!dataFolder.empty())
        text += "Environment=" + unitWord("MOONRILL_HOME=" + std::string(dataFolder), false) + "\n";
    text += "ExecStart=" + unitWord(program, true) + " whatsup\n";
    return text;
}

std::string DailyScanTimerText()
{
    return "[Unit]\n"
           "Description=Moonrill: the daily scan of what falls due\n"
           "\n"
           "[Timer]\n"
           "OnCalendar=*-*-* 09:00:00\n"
           "Persistent=true\n"
           "\n"
           "[Install]\n"
           "WantedBy=timers.target\n";
}

std::string BusServicePath()
{
    const char *data = std::getenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    const std::string folder = data != nullptr && data[0] == '/' ? std::string(data)
                               : home != nullptr                 ? JoinPath(home, ".local/share")
                                                                 : std::string();
    return JoinPath(folder, "dbus-1/services/" + std::string(AppId) + ".service");
}

std::string BusServiceText(std::string_view program, std::string_view dataFolder)
{
    // The bus reads Exec= as a shell would, without running one: words in double quotes with
    // their quotes, backslashes, dollars and backquotes escaped.
    const auto word = [](std::string_view text) {
        std::string quoted = "\"";
        for (const char c : text) {
            if (c == '"' || c == '\\' || c == '$' || c == '`')
                quoted += '\\';
            quoted += c;
        }
        return quoted + '"';
    };
    std::string exec = "Exec=";
    if (!dataFolder.empty())
        exec += "/usr/bin/env " + word("MOONRILL_HOME=" + std::string(dataFolder)) + ' ';
    return "[D-BUS Service]\nName=" + std::string(AppId) + '\n' + exec + word(program) + ' ' +
           std::string(BusActivationArgument) + '\n';
}

void InstallDailyScan(std::string_view program, std::string_view dataFolder)
{
    // A unit that systemd would read otherwise would scan another folder, or none: better no
    // timer, and a word on why.
    for (const std::string_view path : {program, dataFolder}) {
        if (const std::string trouble = UnitPathTrouble(path); !trouble.empty()) {
            std::cerr << "moonrill: the daily scan is not set up: " << trouble << '\n';
            RemoveDailyScan();
            return;
        }
    }
    const std::string folder = UserUnitFolder();
    if (!MakeFolders(folder))
        return;
    try {
        WriteFileAtomically(JoinPath(folder, DailyScanService),
                            DailyScanServiceText(program, dataFolder));
        WriteFileAtomically(JoinPath(folder, DailyScanTimer), DailyScanTimerText());
        WriteFileAtomically(JoinPath(folder, ReminderService),
                            ReminderServiceText(program, dataFolder));
        const std::string bus = BusServicePath();
        if (MakeFolders(FolderOf(bus)))
            WriteFileAtomically(bus, BusServiceText(program, dataFolder));
    } catch (const MoonrillError &) {
        return;
    }
    systemctl({"daemon-reload"});
    systemctl({"enable", "--now", DailyScanTimer});
}

void MoveDailyScanToAppId()
{
    if (OldTimer == DailyScanTimer)
        return;
    const std::string folder = UserUnitFolder();
    const std::string oldTimer = JoinPath(folder, OldTimer);
    const std::string oldService = JoinPath(folder, OldService);
    // Enabling the timer links it into timers.target.wants (its WantedBy=): the file
    // tells whether it was on, whether or not a service manager runs to ask.
    const std::string oldLink = JoinPath(folder, "timers.target.wants/" + std::string(OldTimer));
    struct stat info
    {
    };
    const bool linked = ::lstat(oldLink.c_str(), &info) == 0;
    std::optional<std::string> timer;
    try {
        const std::optional<std::string> service = ReadWholeFile(oldService);
        timer = ReadWholeFile(oldTimer);
        if (!service && !timer)
            return;
        if (service)
            WriteFileAtomically(JoinPath(folder, DailyScanService), *service);
        if (timer)
            WriteFileAtomically(JoinPath(folder, DailyScanTimer), *timer);
    } catch (const MoonrillError &) {
        return; // the old units stay, and go on working
    }
    systemctl({"daemon-reload"});
    if (linked && timer)
        systemctl({"enable", "--now", DailyScanTimer});
    systemctl({"disable", "--now", std::string(OldTimer)});
    // Where no service manager answered, the link is still there and would point at nothing.
    ::unlink(oldLink.c_str());
    ::unlink(oldTimer.c_str());
    ::unlink(oldService.c_str());
    systemctl({"daemon-reload"});
}

void RemoveDailyScan()
{
    systemctl({"disable", "--now", DailyScanTimer});
    const std::string folder = UserUnitFolder();
    RemoveReminderTimer();
    ::unlink(JoinPath(folder, ReminderService).c_str());
    ::unlink(JoinPath(folder, DailyScanTimer).c_str());
    ::unlink(JoinPath(folder, DailyScanService).c_str());
    ::unlink(BusServicePath().c_str());
    systemctl({"daemon-reload"});
}
