// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"

#include "FileDescriptor.h"
#include "FileRead.h"
#include "MoonrillError.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

[[noreturn]] void fail(const std::string &action, const std::string &path, int error)
{
    throw MoonrillError(MoonrillError::FileAccess,
                        action + " " + path + ": " + std::strerror(error));
}

void writeAll(int fd, std::string_view content, const std::string &path)
{
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("Cannot write", path, errno);
        }
        done += static_cast<size_t>(n);
    }
}

constexpr std::string_view TemporaryMark = ".tmp-";

/// The owner a new file takes over from the one it replaces or copies.
struct Owner
{
    uid_t uid;
    gid_t gid;
};

/// A fresh file beside the target whose name no other save of this or another process uses,
/// created with `mode`, or with the process's usual bits (those the umask leaves of 0666) when
/// there is none. It has its final bits from the start, so that no other user can ever open a
/// copy of a private file. With `owner` it belongs to that user and group, so that root saving
/// into a user's folder leaves the user's file the user's; a process that may not give a file
/// away keeps it as its own, as a rename would.
std::string createTemporary(const std::string &target, std::optional<mode_t> mode,
                            std::optional<Owner> owner, int &fd)
{
    RemoveStaleTemporaries({target});
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target + std::string(TemporaryMark) + std::to_string(::getpid()) + "-" +
                           std::to_string(counter++);
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode ? 0600 : 0666);
        if (fd >= 0) {
            if (owner && (owner->uid != ::geteuid() || owner->gid != ::getegid()))
                (void)::fchown(fd, owner->uid, owner->gid);
            // The umask does not apply to fchmod, so the bits are exactly the model's (and a
            // change of owner may have cleared some).
            if (mode && ::fchmod(fd, *mode) != 0) {
                const int error = errno;
                ::close(fd);
                ::unlink(name.c_str());
                fail("Cannot create", target, error);
            }
            return name;
        }
        if (errno != EEXIST)
            fail("Cannot create", target, errno);
    }
    fail("Cannot create a temporary file beside", target, EEXIST);
}

/// The target of a write under `rules`, checked as the file system would check writing it in
/// place, and the permission bits the new file is to take.
struct CheckedTarget
{
    std::string path;
    std::optional<mode_t> mode;
    std::optional<Owner> owner;

    void takeFrom(const struct stat &info)
    {
        mode = info.st_mode & 07777;
        owner = Owner{info.st_uid, info.st_gid};
    }
};

CheckedTarget checkTarget(const std::string &path, const WriteRules &rules)
{
    CheckedTarget target{rules.followLinks ? ResolveLinks(path) : path, std::nullopt, std::nullopt};
    struct stat info
    {
    };
    if (rules.followLinks && ::stat(target.path.c_str(), &info) == 0) {
        if (const std::string refusal = NotAFileText(path, info.st_mode, rules.noun);
            !refusal.empty())
            throw MoonrillError(MoonrillError::FileAccess, refusal);
        // Renaming over a file needs only the folder's permission; a file its owner made
        // read-only, or that belongs to someone else, must stay as it is all the same.
        const FileDescriptor probe(
            ::open(target.path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (probe.get() < 0)
            fail("Cannot write", path, errno);
        target.takeFrom(info);
    } else if (!rules.followLinks && ::lstat(target.path.c_str(), &info) == 0) {
        // A link is replaced itself; anything else that is no regular file stays untouched, and
        // is said, rather than renamed over (a FIFO or device) or failing later (a folder).
        if (S_ISREG(info.st_mode))
            target.takeFrom(info);
        else if (!S_ISLNK(info.st_mode))
            throw MoonrillError(MoonrillError::FileAccess,
                                NotAFileText(path, info.st_mode, rules.noun));
    }
    if (!rules.modeFrom.empty()) {
        if (::stat(rules.modeFrom.c_str(), &info) == 0)
            target.takeFrom(info);
    }
    if (rules.privateFile)
        target.mode = 0600;
    return target;
}

} // namespace

namespace {

/// Removes the temporary files in `folder` whose target's name `isTarget` accepts and whose
/// writing process no longer runs.
void removeStale(const std::string &folder, const std::function<bool(std::string_view)> &isTarget)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        const size_t mark = name.rfind(TemporaryMark);
        if (mark == std::string_view::npos || !isTarget(name.substr(0, mark)))
            continue;
        const std::string_view rest = name.substr(mark + TemporaryMark.size());
        pid_t pid = 0;
        const auto parsed = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
        const char *end = rest.data() + rest.size();
        if (parsed.ec != std::errc() || parsed.ptr == end || *parsed.ptr != '-' || pid <= 0)
            continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlink((folder + "/" + std::string(name)).c_str());
    }
}

} // namespace

std::string FolderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void RemoveStaleTemporaries(const std::vector<std::string> &targets)
{
    if (targets.empty())
        return;
    std::vector<std::string> names;
    names.reserve(targets.size());
    for (const std::string &target : targets) {
        const size_t slash = target.rfind('/');
        names.push_back(slash == std::string::npos ? target : target.substr(slash + 1));
    }
    removeStale(FolderOf(targets.front()), [&names](std::string_view target) {
        return std::find(names.begin(), names.end(), target) != names.end();
    });
}

void RemoveStaleTemporariesEndingIn(const std::string &folder, std::string_view ending)
{
    removeStale(folder, [ending](std::string_view target) { return target.ends_with(ending); });
}

std::string ResolveLinks(const std::string &path)
{
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info
        {
        };
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::string target(static_cast<size_t>(PATH_MAX), '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0)
            return current;
        target.resize(static_cast<size_t>(n));
        current = target.starts_with('/') ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

AtomicFileWriter::AtomicFileWriter(const std::string &path, const WriteRules &rules)
{
    CheckedTarget target = checkTarget(path, rules);
    m_target = std::move(target.path);
    m_temporary = createTemporary(m_target, target.mode, target.owner, m_fd);
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

void AtomicFileWriter::Write(std::string_view content)
{
    writeAll(m_fd, content, m_target);
}

void AtomicFileWriter::Flush()
{
    if (::fsync(m_fd) != 0)
        fail("Cannot write", m_target, errno);
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0)
        fail("Cannot write", m_target, errno);
}

void AtomicFileWriter::Commit()
{
    Flush();
    Publish();
}

void AtomicFileWriter::Publish()
{
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        fail("Cannot replace", m_target, errno);
    m_temporary.clear();
    // The rename is durable only once the folder itself is on disk.
    const FileDescriptor folder(
        ::open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

void WriteFileAtomically(const std::string &path, std::string_view content, const WriteRules &rules)
{
    AtomicFileWriter writer(path, rules);
    writer.Write(content);
    writer.Commit();
}
