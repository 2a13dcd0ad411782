// SPDX-License-Identifier: GPL-3.0-or-later
// The lock that keeps two copies of the program from rewriting one event file: where it lives,
// and that it holds whoever owns its file. (The real program's second runs, also from another
// runtime folder or against another user's lock, are tried in tests/e2e/logon_road.sh.)

#include "SingleInstance.h"

#include "OtherUser.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>

namespace {

/// Whether, as a user without special rights, a first instance on `folder` gets the lock and a
/// second one finds it taken.
bool locksAsAUser(const TempFolder &folder)
{
    return AsUnprivilegedUser([&folder] {
        const SingleInstance first(folder.path());
        const SingleInstance second(folder.path());
        return first.status() == SingleInstance::Status::Only &&
               second.status() == SingleInstance::Status::AnotherRuns;
    });
}

} // namespace

TEST(SingleInstance, OneLockPerFolderReleasedWithItsOwner)
{
    TempFolder runtime;
    const ScopedEnv env("XDG_RUNTIME_DIR", runtime.path());
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

TEST(SingleInstance, TheDataFolderIsLockedAndATrustedRuntimeFolderToo)
{
    TempFolder runtime;
    TempFolder folder;
    ASSERT_EQ(::chmod(runtime.path().c_str(), 0700), 0);
    {
        const ScopedEnv env("XDG_RUNTIME_DIR", runtime.path());
        const std::vector<std::string> locks = SingleInstance::LockPaths(folder.path());
        ASSERT_EQ(locks.size(), 2U);
        EXPECT_EQ(locks[0], folder.file(".moonrill.lock"));
        EXPECT_EQ(locks[1].rfind(runtime.path() + "/moonrill-", 0), 0U) << locks[1];
        const SingleInstance instance(folder.path());
        EXPECT_TRUE(folder.exists(".moonrill.lock"));
        EXPECT_TRUE(runtime.exists(locks[1].substr(runtime.path().size() + 1)));
    }
    // No runtime folder, a relative one, or one that others may write: the data folder's alone.
    ASSERT_EQ(::chmod(runtime.path().c_str(), 0733), 0);
    for (const std::optional<std::string> &none :
         {std::optional<std::string>(), {""}, {"relative"}, {"/no/such/dir"}, {runtime.path()}}) {
        const ScopedEnv env("XDG_RUNTIME_DIR", none);
        EXPECT_EQ(SingleInstance::LockPaths(folder.path()),
                  std::vector<std::string>{folder.file(".moonrill.lock")});
    }
}

TEST(SingleInstance, AReadOnlyDataFolderIsLockedInTheRuntimeFolder)
{
    TempFolder runtime;
    TempFolder folder;
    ASSERT_EQ(::chmod(runtime.path().c_str(), 0700), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(runtime.path().c_str(), UnprivilegedId, UnprivilegedId), 0);
    }
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    const ScopedEnv env("XDG_RUNTIME_DIR", runtime.path());
    EXPECT_TRUE(locksAsAUser(folder));
}

TEST(SingleInstance, ALockFileOfSomeoneElseThatNoOneHoldsStillLocks)
{
    TempFolder folder;
    const ScopedEnv env("XDG_RUNTIME_DIR", std::nullopt);
    const std::string lock = folder.file(".moonrill.lock");
    // Made by root (or read-only for us), readable by all.
    {
        const int fd = ::open(lock.c_str(), O_CREAT | O_WRONLY, 0444);
        ASSERT_GE(fd, 0);
        ::close(fd);
        ASSERT_EQ(::chmod(lock.c_str(), 0444), 0);
    }
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    EXPECT_TRUE(AsUnprivilegedUser([&folder] {
        // Someone else's file: a second copy of ours is told apart by its owner, so only the
        // first is checked here.
        return SingleInstance(folder.path()).status() == SingleInstance::Status::Only;
    }));
}
