// The lock that keeps two copies of the program from rewriting one event file: where it lives,
// that it holds whoever owns its file, and that no lock at all means the program does not run.

#include "SingleInstance.h"

#include "OtherUser.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// Points $XDG_RUNTIME_DIR at `value` (unset for nullptr) for one test.
class RuntimeFolder
{
public:
    explicit RuntimeFolder(const char *value)
    {
        if (const char *old = std::getenv("XDG_RUNTIME_DIR"))
            m_old = old;
        if (value != nullptr)
            ::setenv("XDG_RUNTIME_DIR", value, 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }
    ~RuntimeFolder()
    {
        if (m_old.empty())
            ::unsetenv("XDG_RUNTIME_DIR");
        else
            ::setenv("XDG_RUNTIME_DIR", m_old.c_str(), 1);
    }
    RuntimeFolder(const RuntimeFolder &) = delete;
    RuntimeFolder &operator=(const RuntimeFolder &) = delete;

private:
    std::string m_old;
};

bool sameStatus(const SingleInstance &a, SingleInstance::Status b)
{
    return a.status() == b;
}

/// Whether, as a user without special rights, a first instance on `folder` gets the lock and a
/// second one finds it taken.
bool locksAsAUser(const TempFolder &folder)
{
    return AsUnprivilegedUser([&folder] {
        const SingleInstance first(folder.path());
        const SingleInstance second(folder.path());
        return sameStatus(first, SingleInstance::Status::Only) &&
               sameStatus(second, SingleInstance::Status::AnotherRuns);
    });
}

} // namespace

TEST(SingleInstance, OneLockPerFolderReleasedWithItsOwner)
{
    TempFolder runtime;
    const RuntimeFolder env(runtime.path().c_str());
    TempFolder folder;
    TempFolder other;
    {
        const SingleInstance first(folder.path());
        EXPECT_TRUE(first.isOnlyInstance());
        const SingleInstance second(folder.path());
        EXPECT_EQ(second.status(), SingleInstance::Status::AnotherRuns);
        // The same folder written another way is the same folder.
        const SingleInstance alias(folder.path() + "//./");
        EXPECT_EQ(alias.status(), SingleInstance::Status::AnotherRuns);
        const SingleInstance elsewhere(other.path());
        EXPECT_TRUE(elsewhere.isOnlyInstance());
    }
    const SingleInstance again(folder.path());
    EXPECT_TRUE(again.isOnlyInstance());
}

TEST(SingleInstance, TheLockLivesInTheRuntimeFolderAndElseInTheDataFolder)
{
    TempFolder runtime;
    TempFolder folder;
    {
        const RuntimeFolder env(runtime.path().c_str());
        const std::string lock = SingleInstance::LockPath(folder.path());
        EXPECT_EQ(lock.rfind(runtime.path() + "/moonrill-", 0), 0u) << lock;
        EXPECT_TRUE(lock.ends_with(".lock")) << lock;
        const SingleInstance instance(folder.path());
        EXPECT_TRUE(runtime.exists(lock.substr(runtime.path().size() + 1)));
        EXPECT_FALSE(folder.exists(".moonrill.lock"));
    }
    for (const char *none : {static_cast<const char *>(nullptr), "", "relative", "/no/such/dir"}) {
        const RuntimeFolder env(none);
        EXPECT_EQ(SingleInstance::LockPath(folder.path()), folder.file(".moonrill.lock"));
    }
}

TEST(SingleInstance, AReadOnlyDataFolderStillGetsALock)
{
    // The old lock in the data folder needed write access there; the runtime folder is the
    // user's own.
    TempFolder runtime;
    TempFolder folder;
    ASSERT_EQ(::chmod(runtime.path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    const RuntimeFolder env(runtime.path().c_str());
    EXPECT_TRUE(locksAsAUser(folder));
}

TEST(SingleInstance, ALockFileOfSomeoneElseStillLocks)
{
    TempFolder runtime;
    TempFolder folder;
    const RuntimeFolder env(runtime.path().c_str());
    const std::string lock = SingleInstance::LockPath(folder.path());
    // Made by root (or read-only for us), readable by all.
    {
        const int fd = ::open(lock.c_str(), O_CREAT | O_WRONLY, 0444);
        ASSERT_GE(fd, 0);
        ::close(fd);
        ASSERT_EQ(::chmod(lock.c_str(), 0444), 0);
    }
    ASSERT_EQ(::chmod(runtime.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    EXPECT_TRUE(locksAsAUser(folder));
}

TEST(SingleInstance, NoLockAtAllMeansDoNotRun)
{
    // A runtime folder the user cannot write, and no lock file in it yet.
    TempFolder runtime;
    TempFolder folder;
    ASSERT_EQ(::chmod(runtime.path().c_str(), 0555), 0);
    const RuntimeFolder env(runtime.path().c_str());
    const std::string lock = SingleInstance::LockPath(folder.path());
    EXPECT_TRUE(AsUnprivilegedUser([&folder, &lock] {
        const SingleInstance instance(folder.path());
        return sameStatus(instance, SingleInstance::Status::Unknown) &&
               instance.message() == "Moonrill cannot tell whether it is already running: "
                                     "cannot open " +
                                         lock + ": Permission denied";
    }));
}
