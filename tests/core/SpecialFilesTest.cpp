// SPDX-License-Identifier: GPL-3.0-or-later
// What may stand where the event file should be: only a regular file, or a link to one, is read
// or replaced. Everything else is refused with a report that names the path, without blocking,
// creating or replacing anything; and a file the user may not write is never replaced. A private
// file (settings, what a server said) replaces a link rather than writing through it.

#include "EventFile.h"

#include "AtomicFile.h"
#include "EventState.h"
#include "OtherUser.h"
#include "Recovery.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>

namespace {

const Date Today = Date::fromYmd(2023, 4, 15);
const std::string Line = "$$A$$2023-05-01$$Once$$3$$\r\n\r\n";

} // namespace

TEST(SpecialFiles, NothingButARegularFileIsReadOrReplaced)
{
    struct Case
    {
        const char *name;
        std::function<bool(const TempFolder &)> make; // makes events.mrl; false: cannot here
        std::string said;                             // what the report says after the path
    };
    const std::vector<Case> cases = {
        {"folder",
         [](const TempFolder &f) { return ::mkdir(f.file("events.mrl").c_str(), 0700) == 0; },
         " is a folder, not an event file"},
        {"FIFO",
         [](const TempFolder &f) { return ::mkfifo(f.file("events.mrl").c_str(), 0600) == 0; },
         " is a FIFO, not an event file"},
        {"link to a device",
         [](const TempFolder &f) {
             return ::symlink("/dev/zero", f.file("events.mrl").c_str()) == 0;
         },
         " is a character device, not an event file"},
        {"link to a folder",
         [](const TempFolder &f) {
             return ::mkdir(f.file("elsewhere").c_str(), 0700) == 0 &&
                    ::symlink("elsewhere", f.file("events.mrl").c_str()) == 0;
         },
         " is a folder, not an event file"},
        {"socket",
         [](const TempFolder &f) {
             // Left bound for the rest of the test: the socket file stays while it is held.
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             f.file("events.mrl").copy(address.sun_path, sizeof address.sun_path - 1);
             return ::bind(::socket(AF_UNIX, SOCK_STREAM, 0),
                           reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
         },
         " is a socket, not an event file"},
        // Larger than any list: neither read (it is sparse, so only a read would fill memory)
        // nor copied into a backup.
        {"500 MB file",
         [](const TempFolder &f) {
             f.write("events.mrl", Line);
             return ::truncate(f.file("events.mrl").c_str(), 500L << 20) == 0;
         },
         " is too large for an event file (more than 64 MB)"},
    };
    // A FIFO opened for reading would wait for a writer for ever: the alarm ends a run that hangs.
    ::alarm(20);
    for (const Case &test : cases) {
        TempFolder folder;
        ASSERT_TRUE(test.make(folder)) << test.name;
        const std::string path = folder.file("events.mrl");
        const std::vector<std::string> before = folder.names();

        EventState state;
        const LoadResult result = LoadEvents(state, path, Today);
        EXPECT_EQ(state.Events().size(), 0U) << test.name;
        EXPECT_FALSE(result.success) << test.name;
        ASSERT_TRUE(result.error.has_value()) << test.name;
        EXPECT_EQ(std::string(result.error->what()), path + test.said) << test.name;
        EXPECT_EQ(folder.names(), before) << test.name;

        // A save refuses the same way and leaves the thing as it was.
        try {
            SaveEvents(state, path);
            ADD_FAILURE() << test.name << ": the save replaced it";
        } catch (const MoonrillError &error) {
            EXPECT_EQ(std::string(error.what()), path + test.said) << test.name;
        }
        EXPECT_EQ(folder.names(), before) << test.name;
    }
    ::alarm(0);
}

TEST(SpecialFiles, AFileTheUserMayNotWriteIsNotReplaced)
{
    // Renaming over a file needs only the folder's permission: the folder is open to all here,
    // and the file read-only (owned by root where the tests run as root).
    TempFolder folder;
    const std::string path = folder.file("events.mrl");
    const std::string original = "$$A$$2023-03-01$$Monthly$$3$$\r\n\r\n";
    folder.write("events.mrl", original);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);

    const bool refused = AsUnprivilegedUser([&path] {
        EventState state;
        const LoadResult result = LoadEvents(state, path, Today);
        if (!result.success || state.Events().size() != 1)
            return false;      // loading still works
        state.SetSaved(false); // as after an edit
        try {
            SaveEvents(state, path);
            return false;
        } catch (const MoonrillError &error) {
            return std::string(error.what()) == "Cannot write " + path + ": Permission denied" &&
                   !state.Saved();
        }
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(folder.read("events.mrl"), original);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"events.mrl"});
}

TEST(SpecialFiles, BackupsAndTemporaryFilesKeepTheFilesPermissions)
{
    TempFolder folder;
    const std::string path = folder.file("events.mrl");
    folder.write("events.mrl", "$$A$$2023-05-01$$Once$$3$$\r\n$$Bad$$x$$\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    const mode_t oldMask = ::umask(0);
    EventState state;
    const LoadResult result = LoadEvents(state, path, Today);
    ASSERT_EQ(result.backupPath, path + ".bak");
    SaveEvents(state, path);
    ::umask(oldMask);
    EXPECT_EQ(StatOf(path + ".bak").st_mode & 07777, 0600u);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0600u);
}

TEST(SpecialFiles, AFileReplacedByRootKeepsItsOwner)
{
    // Root saving into a user's folder (sudo -E) must not take the file and its backups away
    // from the user.
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can save a file that belongs to another user";
    TempFolder folder;
    const std::string path = folder.file("events.mrl");
    folder.write("events.mrl", "$$A$$2023-05-01$$Once$$3$$\r\n$$Bad$$x$$\r\n");
    ASSERT_EQ(::chown(path.c_str(), UnprivilegedId, UnprivilegedId), 0);
    EventState state;
    ASSERT_EQ(LoadEvents(state, path, Today).backupPath, path + ".bak");
    state.SetSaved(false);
    SaveEvents(state, path);
    for (const std::string &name : {path, path + ".bak"}) {
        EXPECT_EQ(StatOf(name).st_uid, UnprivilegedId) << name;
        EXPECT_EQ(StatOf(name).st_gid, UnprivilegedId) << name;
    }
    EXPECT_EQ(folder.read("events.mrl"), "$$A$$2023-05-01$$Once$$3$$\r\n\r\n");
}

TEST(SpecialFiles, APrivateFileReplacesALinkAndRefusesAFifoOrFolder)
{
    // What a server said, or a setting, goes to its own path and only there: a link standing
    // there is replaced, never written through, and the file is the user's alone whatever the
    // old one allowed.
    const WriteRules rules{
        .followLinks = false, .modeFrom = {}, .noun = "a settings file", .privateFile = true};
    TempFolder folder;
    folder.write("elsewhere", "theirs");
    folder.write("open", "old");
    ASSERT_EQ(::chmod(folder.file("open").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("elsewhere", folder.file("linked").c_str()), 0);
    const mode_t oldMask = ::umask(0);
    for (const char *name : {"linked", "open", "new"}) {
        WriteFileAtomically(folder.file(name), "mine", rules);
        EXPECT_EQ(folder.read(name), "mine") << name;
        struct stat info = {};
        ASSERT_EQ(::lstat(folder.file(name).c_str(), &info), 0) << name;
        EXPECT_TRUE(S_ISREG(info.st_mode)) << name;
        EXPECT_EQ(info.st_mode & 07777, 0600u) << name;
    }
    ::umask(oldMask);
    EXPECT_EQ(folder.read("elsewhere"), "theirs");

    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(folder.file("folder").c_str(), 0700), 0);
    const std::vector<std::string> before = folder.names();
    ::alarm(20); // a FIFO opened for writing would wait for a reader
    for (const char *name : {"fifo", "folder"}) {
        const std::string path = folder.file(name);
        try {
            WriteFileAtomically(path, "mine", rules);
            ADD_FAILURE() << name << " was replaced";
        } catch (const MoonrillError &error) {
            EXPECT_EQ(std::string(error.what()),
                      path + (name == std::string("fifo") ? " is a FIFO" : " is a folder") +
                          ", not a settings file");
        }
    }
    ::alarm(0);
    EXPECT_EQ(folder.names(), before);
    EXPECT_TRUE(S_ISFIFO(StatOf(folder.file("fifo")).st_mode));
}

TEST(SpecialFiles, ARecoveryStampThatIsNoFileStillLeavesTheCopy)
{
    // The stamp beside the recovery copy is a FIFO or a folder: that is said, and the copy of the
    // change not saved is written all the same, to be restored as one without a stamp.
    for (const bool fifo : {true, false}) {
        TempFolder folder;
        folder.write("events.mrl", Line);
        const std::string path = folder.file("events.mrl");
        const std::string base = RecoveryPath(path) + ".base";
        ASSERT_EQ(fifo ? ::mkfifo(base.c_str(), 0600) : ::mkdir(base.c_str(), 0700), 0);
        EventState state;
        LoadResult result;
        ReadEventsInto(state, Line, Today, result);
        state.SetDiskStamp(StampOf(Line));
        state.Insert(Written(clsEvent{"", "Unsaved", Today.addDays(3), "Once", 2, ""}), Today);
        try {
            WriteRecovery(state, path);
            ADD_FAILURE() << "the stamp's trouble was not said";
        } catch (const MoonrillError &error) {
            EXPECT_EQ(std::string(error.what()),
                      base + (fifo ? " is a FIFO" : " is a folder") + ", not a recovery stamp");
        }
        const std::optional<Recovered> recovered = ReadRecovery(path, Today);
        ASSERT_TRUE(recovered);
        EXPECT_EQ(recovered->list.Events().size(), 2u);
        EXPECT_FALSE(recovered->madeOver);
    }
}
