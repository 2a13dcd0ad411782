#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// The whole content of a file, or no value when it does not exist. Throws a MoonrillError
/// naming the file and the reason for any other failure.
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string &path);

/// A file's content mapped read-only while it is read, so that nothing is copied. The program
/// replaces its files by renaming new ones over them, which leaves a mapping of the old file
/// intact.
class MappedFile
{
public:
    /// Maps the file at `path`; exists() is false when there is none. Throws a MoonrillError
    /// naming the file and the reason for any other failure.
    explicit MappedFile(const std::string &path);
    ~MappedFile();
    MappedFile(MappedFile &&other) noexcept;
    MappedFile &operator=(MappedFile &&) = delete;
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    [[nodiscard]] bool exists() const { return m_exists; }
    [[nodiscard]] std::string_view text() const { return {m_data, m_size}; }

private:
    const char *m_data = nullptr;
    size_t m_size = 0;
    bool m_exists = false;
};

/// Writes a file's new content piece by piece into a temporary file beside it; Commit puts it in
/// place as WriteFileAtomically does. Until then the old file is untouched, and a writer that is
/// never committed removes its temporary file.
class AtomicFileWriter
{
public:
    /// Creates the temporary file. Throws a MoonrillError naming the file and the reason.
    explicit AtomicFileWriter(const std::string &path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    void Write(std::string_view content);
    /// Flushes the content to disk and renames it over the target, then flushes the folder.
    void Commit();

private:
    std::string m_target;
    int m_fd = -1; // before m_temporary, whose making opens it
    std::string m_temporary;
};

/// Replaces the file at `path` with `content` so that a crash or a full disk at any moment
/// leaves either the old file or the complete new one: the content goes to a temporary file in
/// the same folder, is flushed to disk and renamed over the target, and the folder is flushed.
/// When `path` is a symbolic link, the file it points to is replaced and the link kept; an
/// existing file keeps its permission bits. Throws a MoonrillError naming the file and the reason;
/// the old file is then untouched and no temporary file is left behind.
void WriteFileAtomically(const std::string &path, const std::string &content);

/// Follows symbolic links from `path` to the file they finally name (which need not exist).
[[nodiscard]] std::string ResolveLinks(const std::string &path);
