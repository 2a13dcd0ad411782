#include "DailyScan.h"

#include "AtomicFile.h"
#include "MoonrillError.h"
#include "Paths.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

/// One word of an ExecStart= line, quoted as systemd reads it: "%" starts a specifier and "$" a
/// variable, so both are doubled; a quote or a backslash is escaped.
std::string unitWord(std::string_view text)
{
    std::string word = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            word += '\\';
        if (c == '%' || c == '$')
            word += c;
        word += c;
    }
    return word + '"';
}

/// Runs "systemctl --user" with `arguments`, quietly, and waits for it up to ten seconds; what
/// it answers does not matter (the operations are silent).
void systemctl(std::vector<std::string> arguments)
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

} // namespace

std::string UserUnitFolder()
{
    return JoinPath(ConfigFolder(), "systemd/user");
}

std::string DailyScanServiceText(std::string_view program, std::string_view dataFolder)
{
    std::string text = "[Unit]\n"
                       "Description=Moonrill: show what falls due today\n"
                       "\n"
                       "[Service]\n"
                       "Type=oneshot\n"
                       "Environment=MOONRILL_DAILY=1\n";
    if (!dataFolder.empty())
        text += "Environment=" + unitWord("MOONRILL_HOME=" + std::string(dataFolder)) + "\n";
    text += "ExecStart=" + unitWord(program) + " whatsup\n";
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

void InstallDailyScan(std::string_view program, std::string_view dataFolder)
{
    const std::string folder = UserUnitFolder();
    if (!MakeFolders(folder))
        return;
    try {
        WriteFileAtomically(JoinPath(folder, DailyScanService),
                            DailyScanServiceText(program, dataFolder));
        WriteFileAtomically(JoinPath(folder, DailyScanTimer), DailyScanTimerText());
    } catch (const MoonrillError &) {
        return;
    }
    systemctl({"daemon-reload"});
    systemctl({"enable", "--now", std::string(DailyScanTimer)});
}

void RemoveDailyScan()
{
    systemctl({"disable", "--now", std::string(DailyScanTimer)});
    const std::string folder = UserUnitFolder();
    ::unlink(JoinPath(folder, DailyScanTimer).c_str());
    ::unlink(JoinPath(folder, DailyScanService).c_str());
    systemctl({"daemon-reload"});
}
