// SPDX-License-Identifier: GPL-3.0-or-later
// Backups of the event file: made whole before any older one moves, never two of the same
// content, nothing a finished rotation would keep ever lost, and the file left alone when no
// backup could be made. Also: a version another program wrote is kept before a save replaces it.

#include "EventFile.h"

#include "ContentStamp.h"
#include "EventState.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

const Date Today = Date::fromYmd(2023, 4, 15);
const std::string Damaged = "$$A$$2023-05-01$$Once$$3$$\r\n$$Bad$$soon$$Once$$3$$\r\n";

/// The backup names present, "-" for a free place: "bak bak.1 -".
std::string ages(const TempFolder &folder)
{
    std::string text;
    for (int age = 0; age < BackupCount; ++age) {
        const std::string name = BackupPath("events.mrl", age);
        text += (age > 0 ? " " : "") + (folder.exists(name) ? folder.read(name) : "-");
    }
    return text;
}

/// Runs `body` in a child process and returns its exit status (-1 for a signal).
int inChild(const std::function<int()> &body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(Backups, RotationFillsGapsAndNeverRepeatsAContent)
{
    struct Case
    {
        const char *name;
        std::vector<const char *> before; // contents of bak, bak.1, bak.2; nullptr: free
        const char *kept;                 // the content being kept
        const char *after;
    };
    const std::vector<Case> cases = {
        {"first backup", {nullptr, nullptr, nullptr}, "N", "N - -"},
        {"second", {"A", nullptr, nullptr}, "N", "N A -"},
        {"full: the oldest drops", {"A", "B", "C"}, "N", "N A B"},
        // What an interrupted rotation leaves: a free place is filled, nothing behind it moves.
        {"newest place free", {nullptr, "A", "B"}, "N", "N A B"},
        {"middle place free", {"A", nullptr, "B"}, "N", "N A B"},
        // A second start on the same file, after a run that kept it but was killed before it
        // replaced the file: the backup is there already.
        {"already kept", {"N", "A", "B"}, "N", "N A B"},
    };
    for (const Case &test : cases) {
        TempFolder folder;
        for (int age = 0; age < BackupCount; ++age) {
            if (test.before[static_cast<size_t>(age)] != nullptr)
                folder.write(BackupPath("events.mrl", age), test.before[static_cast<size_t>(age)]);
        }
        folder.write("events.mrl", test.kept);
        KeepBackup(folder.file("events.mrl"), test.kept);
        EXPECT_EQ(ages(folder), test.after) << test.name;
        EXPECT_EQ(folder.read("events.mrl"), test.kept) << test.name;
    }
}

TEST(Backups, ALinkUnderABackupsNameIsReplacedNotFollowed)
{
    TempFolder folder;
    folder.write("target", "precious");
    ASSERT_EQ(::symlink(folder.file("target").c_str(), folder.file("events.mrl.bak").c_str()), 0);
    folder.write("events.mrl", "N");
    KeepBackup(folder.file("events.mrl"), "N");
    EXPECT_EQ(folder.read("target"), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.file("events.mrl.bak")));
    EXPECT_EQ(folder.read("events.mrl.bak"), "N");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("events.mrl.bak.1")));
}

TEST(Backups, ABackupThatCannotBeWrittenLeavesEverythingAsItWas)
{
    // The file system refuses to write more than a few bytes (as a full disk would); the backup
    // of the damaged file fails, and with it the start-up's right to replace the file.
    TempFolder folder;
    const std::string big = Damaged + std::string(20000, '\n');
    folder.write("events.mrl", big);
    folder.write("events.mrl.bak", "older");
    folder.write("events.mrl.bak.1", "oldest");
    const int status = inChild([&folder] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        EventState state;
        const LoadResult result = LoadEvents(state, folder.file("events.mrl"), Today);
        const std::string expected = "Eventlist was corrupt. \r\n1 line in the event-file has "
                                     "been ignored.\r\nThe original file could not be kept as a "
                                     "backup (Cannot write " +
                                     folder.file("events.mrl.bak") +
                                     ": File too large), so the file was left as it was.";
        if (result.ignored != 1 || !result.backupPath.empty() || MayReplaceFile(result))
            return 2;
        if (IgnoredLinesMessage(result) != expected || !state.BackupBeforeSave())
            return 3;
        // A save now must keep the backup first, fail with it, and leave the file alone.
        try {
            SaveEvents(state, folder.file("events.mrl"));
            return 4;
        } catch (const MoonrillError &) {
        }
        return 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(folder.read("events.mrl"), big);
    EXPECT_EQ(ages(folder), "older oldest -");
    EXPECT_EQ(folder.names(),
              (std::vector<std::string>{"events.mrl", "events.mrl.bak", "events.mrl.bak.1"}));
}

TEST(Backups, AChangeByAnotherProgramIsKeptBeforeASave)
{
    TempFolder folder;
    const std::string path = folder.file("events.mrl");
    folder.write("events.mrl", "$$Mine$$2023-05-01$$Once$$3$$\r\n\r\n");
    EventState state;
    ASSERT_TRUE(LoadEvents(state, path, Today).success);
    EXPECT_TRUE(SaveEvents(state, path).changedFileKeptAs.empty());
    EXPECT_FALSE(folder.exists("events.mrl.bak"));

    // An editor writes its own version in place.
    const std::string theirs = "$$Theirs$$2023-06-01$$Once$$3$$\r\n\r\n";
    folder.write("events.mrl", theirs);
    const SaveOutcome outcome = SaveEvents(state, path);
    EXPECT_EQ(outcome.changedFileKeptAs, path + ".bak");
    EXPECT_EQ(folder.read("events.mrl.bak"), theirs);
    EXPECT_EQ(folder.read("events.mrl"), "$$Mine$$2023-05-01$$Once$$3$$\r\n\r\n");
    EXPECT_EQ(ChangedFileMessage(outcome.changedFileKeptAs),
              "The event file was changed by another program. Its version is kept as " + path +
                  ".bak.");

    // Told once: the next save finds its own file.
    EXPECT_TRUE(SaveEvents(state, path).changedFileKeptAs.empty());
    // A sync tool that renames another copy into place, the same length as ours.
    const std::string synced = "$$Mind$$2023-05-01$$Once$$3$$\r\n\r\n";
    folder.write("other", synced);
    std::filesystem::rename(folder.file("other"), path);
    EXPECT_EQ(SaveEvents(state, path).changedFileKeptAs, path + ".bak");
    EXPECT_EQ(ages(folder), synced + " " + theirs + " -");
}

TEST(Backups, EveryLoadClearsWhatKilledWritersLeft)
{
    TempFolder folder;
    folder.write("events.mrl", "$$A$$2023-05-01$$Once$$3$$\r\n\r\n");
    // Process ids that cannot be running: beyond the kernel's largest.
    folder.write("events.mrl.tmp-2147483646-0", "half");
    folder.write("events.mrl.bak.tmp-2147483646-3", "half");
    folder.write("events.mrl.bak.1.tmp-2147483646-4", "half");
    // One of a process that runs (this one) stays.
    const std::string running = "events.mrl.tmp-" + std::to_string(::getpid()) + "-99";
    folder.write(running, "busy");
    folder.write("events.mrl.tmp-notes", "mine"); // merely looks alike
    EventState state;
    ASSERT_TRUE(LoadEvents(state, folder.file("events.mrl"), Today).success);
    EXPECT_EQ(folder.names(),
              (std::vector<std::string>{"events.mrl", running, "events.mrl.tmp-notes"}));
}

// The stamp that tells a file another program changed from the one last read or written.

TEST(ContentStamp, TheSameBytesGiveTheSameStampHoweverTheyAreCut)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string content(1000, '\0');
    for (char &c : content)
        c = static_cast<char>(byte(random));
    const ContentStamp whole = StampOf(content);
    EXPECT_EQ(whole.size, 1000u);
    std::uniform_int_distribution<size_t> cut(0, 20);
    for (int round = 0; round < 200; ++round) {
        ContentHasher hasher;
        std::string_view rest = content;
        while (!rest.empty()) {
            const size_t n = std::min(cut(random), rest.size());
            hasher.Add(rest.substr(0, n));
            rest.remove_prefix(n);
        }
        ASSERT_EQ(hasher.Stamp(), whole) << round;
    }
}

TEST(ContentStamp, AnyChangeChangesTheStamp)
{
    const std::string base = "$$Mine$$2999-01-01$$Once$$3$$\r\n\r\n";
    const ContentStamp stamp = StampOf(base);
    for (size_t at = 0; at < base.size(); ++at) {
        for (const int flip : {1, 0x20, 0x80}) {
            std::string changed = base;
            changed[at] = static_cast<char>(changed[at] ^ flip);
            EXPECT_NE(StampOf(changed), stamp) << at;
        }
    }
    EXPECT_NE(StampOf(base + '\0'), stamp);
    EXPECT_NE(StampOf(""), StampOf(std::string(1, '\0')));
    EXPECT_NE(StampOf("ab"), StampOf("ba"));
}
