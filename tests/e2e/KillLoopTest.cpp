// Kills the real program at random moments while its logon scan rewrites a large event file.
// Whenever it dies, the file must be either the old one or the complete new one, and what a
// killed save leaves behind must never pass for the event file; the next start clears it away.

#include "Conversions.h"
#include "Date.h"
#include "EventState.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

/// Every date lies years back, so that the scan moves each one and must write the whole file.
/// None falls on today's day of the month, so nothing is due.
std::string oldFile()
{
    const Date today = Date::today();
    const std::string padding(120, 'x');
    std::string content;
    for (int i = 0; i < EventState::Limit; ++i) {
        int day = 1 + i % 27;
        if (day >= today.day())
            ++day;
        const Date date = Date::fromYmd(today.year() - 30, 1 + i % 12, day);
        content += "$$Event " + std::to_string(i) + " " + padding + "$$" + DateToText(date) + "$$" +
                   (i % 2 ? "Monthly" : "Birthday") + "$$0$$\r\n";
    }
    return content + "\r\n";
}

/// Starts "moonrill whatsup" on `folder`; without a display, so that it cannot show anything.
pid_t startScan(const std::string &folder)
{
    std::vector<std::string> env = {"MOONRILL_HOME=" + folder, "XDG_CONFIG_HOME=" + folder,
                                    "QT_QPA_PLATFORM=nosuchplatform"};
    for (char **e = environ; *e != nullptr; ++e) {
        const std::string_view entry = *e;
        if (!entry.starts_with("MOONRILL_HOME=") && !entry.starts_with("XDG_CONFIG_HOME=") &&
            !entry.starts_with("QT_QPA_PLATFORM="))
            env.emplace_back(entry);
    }
    std::vector<char *> envp;
    envp.reserve(env.size() + 1);
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = MOONRILL_PROGRAM;
    std::string argument = "whatsup";
    char *argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return -1;
    return pid;
}

int waitFor(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

/// The names in `folder` other than the event file and the instance lock.
std::vector<std::string> strayFiles(const TempFolder &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename();
        if (name != "events.mrl" && name != ".moonrill.lock")
            names.push_back(name);
    }
    return names;
}

} // namespace

TEST(KillLoop, TheEventFileIsAlwaysTheOldOrTheWholeNewOne)
{
    TempFolder folder;
    const std::string old = oldFile();

    // One whole run gives the new file and how long a run takes.
    folder.write("events.mrl", old);
    const Clock::time_point start = Clock::now();
    const pid_t first = startScan(folder.path());
    ASSERT_GT(first, 0);
    const int status = waitFor(first);
    const auto runTime = Clock::now() - start;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string fresh = folder.read("events.mrl");
    ASSERT_NE(fresh, old);
    ASSERT_TRUE(strayFiles(folder).empty());

    std::mt19937 random(2026);
    std::uniform_int_distribution<long long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(runTime).count());
    int oldKept = 0;
    int newWhole = 0;
    int killedMidWrite = 0;
    std::vector<pid_t> killed;
    for (int kill = 0; kill < 30; ++kill) {
        folder.write("events.mrl", old);
        const pid_t pid = startScan(folder.path());
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(pid, SIGKILL);
        (void)waitFor(pid);

        const std::string now = folder.read("events.mrl");
        ASSERT_TRUE(now == old || now == fresh)
            << "kill " << kill << " left " << now.size() << " bytes";
        (now == old ? oldKept : newWhole) += 1;
        // Only temporary files of killed processes may be left, under names no load reads (a
        // run killed before it began to write has not yet cleared the earlier ones).
        killed.push_back(pid);
        for (const std::string &name : strayFiles(folder)) {
            const bool ofKilled = std::any_of(killed.begin(), killed.end(), [&name](pid_t k) {
                return name.starts_with("events.mrl.tmp-" + std::to_string(k) + "-");
            });
            ASSERT_TRUE(ofKilled) << name;
            if (name.starts_with("events.mrl.tmp-" + std::to_string(pid) + "-"))
                ++killedMidWrite;
        }
    }
    std::cout << "kills: " << oldKept << " left the old file, " << newWhole << " the new one; "
              << killedMidWrite << " left a temporary file\n";
    // The loop must have hit the rewrite itself, not only its edges.
    EXPECT_GT(killedMidWrite, 0);

    // The next start finishes the job and clears what the killed ones left.
    folder.write("events.mrl", old);
    const pid_t last = startScan(folder.path());
    ASSERT_GT(last, 0);
    ASSERT_EQ(waitFor(last), 0);
    EXPECT_EQ(folder.read("events.mrl"), fresh);
    EXPECT_TRUE(strayFiles(folder).empty());
}
