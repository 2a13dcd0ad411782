#include "AtomicFile.h"

#include "MoonrillError.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

/// Removes the temporary files of `target` that a process left when it was killed part-way
/// through a save: those whose process no longer runs. A running writer's file stays.
void removeStaleTemporaries(const std::string &target)
{
    const std::string folder = folderOf(target);
    const size_t slash = target.rfind('/');
    const std::string prefix = (slash == std::string::npos ? target : target.substr(slash + 1)) +
                               std::string(TemporaryMark);
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix))
            continue;
        const std::string_view rest = name.substr(prefix.size());
        pid_t pid = 0;
        const auto parsed = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
        const char *end = rest.data() + rest.size();
        if (parsed.ec != std::errc() || parsed.ptr == end || *parsed.ptr != '-' || pid <= 0)
            continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlink((folder + "/" + std::string(name)).c_str());
    }
}

/// A fresh file beside the target whose name no other save of this or another process uses.
std::string createTemporary(const std::string &target, int &fd)
{
    removeStaleTemporaries(target);
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target + std::string(TemporaryMark) + std::to_string(::getpid()) + "-" +
                           std::to_string(counter++);
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

MappedFile::MappedFile(const std::string &path)
{
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT)
            return;
        fail("Cannot open", path, errno);
    }
    m_exists = true;
    struct stat info
    {
    };
    if (::fstat(file.get(), &info) != 0)
        fail("Cannot read", path, errno);
    if (info.st_size == 0)
        return;
    m_size = static_cast<size_t>(info.st_size);
    void *data = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.get(), 0);
    if (data == MAP_FAILED)
        fail("Cannot read", path, errno);
    m_data = static_cast<const char *>(data);
}

MappedFile::MappedFile(MappedFile &&other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_exists(other.m_exists)
{
}

MappedFile::~MappedFile()
{
    if (m_data != nullptr)
        ::munmap(const_cast<char *>(m_data), m_size);
}

AtomicFileWriter::AtomicFileWriter(const std::string &path)
    : m_target(ResolveLinks(path)), m_temporary(createTemporary(m_target, m_fd))
{
    struct stat old
    {
    };
    if (::stat(m_target.c_str(), &old) == 0)
        ::fchmod(m_fd, old.st_mode & 07777);
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

void AtomicFileWriter::Commit()
{
    if (::fsync(m_fd) != 0)
        fail("Cannot write", m_target, errno);
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0)
        fail("Cannot write", m_target, errno);
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        fail("Cannot replace", m_target, errno);
    m_temporary.clear();
    // The rename is durable only once the folder itself is on disk.
    const FileDescriptor folder(
        ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

void WriteFileAtomically(const std::string &path, const std::string &content)
{
    AtomicFileWriter writer(path);
    writer.Write(content);
    writer.Commit();
}
