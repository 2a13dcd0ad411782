#include "AtomicFile.h"

#include "MoonrillError.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const std::string &action, const std::string &path, int error)
{
    throw MoonrillError(MoonrillError::FileAccess,
                        action + " " + path + ": " + std::strerror(error));
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

/// Owns a file descriptor for the span of one operation.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    [[nodiscard]] int get() const { return m_fd; }
    /// Closes now and reports the error of the close itself (a delayed write error).
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

void writeAll(int fd, const std::string &content, const std::string &path)
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

/// A fresh file beside the target whose name no other save of this or another process uses.
std::string createTemporary(const std::string &target, int &fd)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name =
            target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return name;
        if (errno != EEXIST)
            fail("Cannot create", name, errno);
    }
    fail("Cannot create a temporary file beside", target, EEXIST);
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string &path)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        fail("Cannot open", path, errno);
    }
    // Read straight into a buffer of the file's size; keep reading past it in case the file
    // grew meanwhile.
    struct stat info
    {
    };
    size_t expected = 0;
    if (::fstat(file.get(), &info) == 0 && info.st_size > 0)
        expected = static_cast<size_t>(info.st_size);
    std::string content(expected + 1, '\0');
    size_t filled = 0;
    for (;;) {
        if (filled == content.size())
            content.resize(content.size() * 2 + 65536);
        const ssize_t n = ::read(file.get(), content.data() + filled, content.size() - filled);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("Cannot read", path, errno);
        }
        if (n == 0)
            break;
        filled += static_cast<size_t>(n);
    }
    content.resize(filled);
    return content;
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
        current = target.starts_with('/') ? target : folderOf(current) + "/" + target;
    }
    return current;
}

void WriteFileAtomically(const std::string &path, const std::string &content)
{
    const std::string target = ResolveLinks(path);
    int fd = -1;
    const std::string temporary = createTemporary(target, fd);
    FileDescriptor file(fd);
    try {
        struct stat old
        {
        };
        if (::stat(target.c_str(), &old) == 0)
            ::fchmod(file.get(), old.st_mode & 07777);
        writeAll(file.get(), content, target);
        if (::fsync(file.get()) != 0)
            fail("Cannot write", target, errno);
        if (file.close() != 0)
            fail("Cannot write", target, errno);
        if (::rename(temporary.c_str(), target.c_str()) != 0)
            fail("Cannot replace", target, errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    // The rename is durable only once the folder itself is on disk.
    FileDescriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}
