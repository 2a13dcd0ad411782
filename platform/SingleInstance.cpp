// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "ContentStamp.h"
#include "Paths.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// $XDG_RUNTIME_DIR when it is an absolute path to a folder of this user's that no one else may
/// enter; empty otherwise.
std::string trustedRuntimeFolder()
{
    const char *value = std::getenv("XDG_RUNTIME_DIR");
    if (value == nullptr || value[0] != '/')
        return {};
    struct stat info
    {
    };
    if (::stat(value, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() ||
        (info.st_mode & 077) != 0)
        return {};
    return value;
}

/// The data folder as one name, the same however the folder is written (links, "//", "..").
std::string canonical(const std::string &folder)
{
    char resolved[PATH_MAX];
    if (::realpath(folder.c_str(), resolved) != nullptr)
        return resolved;
    return folder;
}

/// Opens the lock file at `path`, creating it when missing. A lock works on a file opened for
/// reading too: one left by someone else, or made read-only, still tells whether an instance
/// runs.
int openLock(const std::string &path)
{
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
        const int refused = errno;
        fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT)
            errno = refused; // there is none, and none may be made: the first refusal says why
    }
    return fd;
}

} // namespace

std::vector<std::string> SingleInstance::LockPaths(const std::string &folder)
{
    std::vector<std::string> paths = {JoinPath(folder, ".moonrill.lock")};
    if (const std::string runtime = trustedRuntimeFolder(); !runtime.empty()) {
        // A hash keeps the name short and free of "/" for any folder; one lock per data folder.
        char name[40];
        std::snprintf(name, sizeof name, "moonrill-%016llx.lock",
                      static_cast<unsigned long long>(StampOf(canonical(folder)).hash));
        paths.push_back(JoinPath(runtime, name));
    }
    return paths;
}

SingleInstance::SingleInstance(const std::string &folder)
{
    std::string failure;
    for (const std::string &path : LockPaths(folder)) {
        const int fd = openLock(path);
        if (fd < 0) {
            failure = "cannot open " + path + ": " + std::strerror(errno);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fds.push_back(fd);
            continue;
        }
        const int error = errno;
        struct stat info
        {
        };
        const bool ours = ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid();
        ::close(fd);
        if (error == EWOULDBLOCK && ours) {
            m_status = Status::AnotherRuns;
            return;
        }
        if (error == EWOULDBLOCK) {
            // Not a copy of ours for certain: ending quietly could let anyone stop the scan.
            m_status = Status::Unknown;
            m_message = "Moonrill cannot tell whether it is already running: " + path +
                        " is locked by another user";
            return;
        }
        failure = "cannot lock " + path + ": " + std::strerror(error);
    }
    // Without a lock nothing keeps two copies from rewriting one file: better not to run.
    if (m_fds.empty()) {
        m_status = Status::Unknown;
        m_message = "Moonrill cannot tell whether it is already running: " + failure;
    }
}

SingleInstance::~SingleInstance()
{
    for (const int fd : m_fds)
        ::close(fd);
}
