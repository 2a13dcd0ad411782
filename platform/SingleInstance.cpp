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

std::string runtimeFolder()
{
    const char *value = std::getenv("XDG_RUNTIME_DIR");
    if (value == nullptr || value[0] != '/')
        return {};
    struct stat info
    {
    };
    if (::stat(value, &info) != 0 || !S_ISDIR(info.st_mode))
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

} // namespace

std::string SingleInstance::LockPath(const std::string &folder)
{
    const std::string runtime = runtimeFolder();
    if (runtime.empty())
        return JoinPath(folder, ".moonrill.lock");
    // A hash keeps the name short and free of "/" for any folder; one lock per data folder.
    char name[40];
    std::snprintf(name, sizeof name, "moonrill-%016llx.lock",
                  static_cast<unsigned long long>(StampOf(canonical(folder)).hash));
    return JoinPath(runtime, name);
}

SingleInstance::SingleInstance(const std::string &folder)
{
    const std::string path = LockPath(folder);
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0600);
    // A lock works on a file opened for reading too: one left by someone else, or made
    // read-only, still tells whether an instance runs.
    if (m_fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
        const int refused = errno;
        m_fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (m_fd < 0 && errno == ENOENT)
            errno = refused; // there is none, and none may be made: the first refusal says why
    }
    const char *reason = nullptr;
    if (m_fd < 0) {
        reason = "cannot open";
    } else if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            m_status = Status::AnotherRuns;
            return;
        }
        reason = "cannot lock";
    } else {
        return;
    }
    // Without a lock nothing keeps two copies from rewriting one file: better not to run.
    m_status = Status::Unknown;
    m_message = "Moonrill cannot tell whether it is already running: " + std::string(reason) + " " +
                path + ": " + std::strerror(errno);
}

SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
