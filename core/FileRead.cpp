// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileRead.h"

#include "FileDescriptor.h"
#include "MoonrillError.h"

#include <cerrno>
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

[[noreturn]] void tooLarge(const std::string &path, const ReadRules &rules)
{
    constexpr size_t mega = size_t{1024} * 1024;
    const std::string limit = rules.maxBytes >= mega && rules.maxBytes % mega == 0
                                  ? std::to_string(rules.maxBytes / mega) + " MB"
                                  : std::to_string(rules.maxBytes) + " bytes";
    throw MoonrillError(MoonrillError::FileAccess, path + " is too large for " +
                                                       std::string(rules.noun) + " (more than " +
                                                       limit + ")");
}

std::string_view kindOf(unsigned mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    return "no regular file";
}

} // namespace

std::string NotAFileText(const std::string &path, unsigned mode, std::string_view noun)
{
    if (S_ISREG(mode))
        return {};
    return path + " is " + std::string(kindOf(mode)) + ", not " + std::string(noun);
}

FileBytes::FileBytes(std::string_view text)
    : m_data(std::make_unique_for_overwrite<char[]>(text.size())), m_size(text.size())
{
    std::memcpy(m_data.get(), text.data(), text.size());
}

std::optional<std::string> ReadWholeFile(const std::string &path, const ReadRules &rules)
{
    std::optional<FileBytes> bytes = ReadWholeFileBytes(path, rules);
    if (!bytes)
        return std::nullopt;
    return std::string(bytes->view());
}

std::optional<FileBytes> ReadWholeFileBytes(const std::string &path, const ReadRules &rules)
{
    // A look first, so that a socket (which cannot be opened at all) is named as such.
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        fail("Cannot open", path, errno);
    }
    if (const std::string refusal = NotAFileText(path, info.st_mode, rules.noun); !refusal.empty())
        throw MoonrillError(MoonrillError::FileAccess, refusal);

    // The thing may have been swapped since the look: opening without waiting never hangs on
    // a FIFO, and the kind is checked again on what was actually opened.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        fail("Cannot open", path, errno);
    }
    if (::fstat(file.get(), &info) != 0)
        fail("Cannot read", path, errno);
    if (const std::string refusal = NotAFileText(path, info.st_mode, rules.noun); !refusal.empty())
        throw MoonrillError(MoonrillError::FileAccess, refusal);
    const auto expected = static_cast<size_t>(info.st_size);
    if (expected > rules.maxBytes)
        tooLarge(path, rules);

    // Read straight into a buffer of the file's size, and on past it in case the file grew
    // meanwhile, but never past the limit. The read fills what it returns, so nothing is
    // zeroed.
    size_t room = expected + 1;
    auto content = std::make_unique_for_overwrite<char[]>(room);
    size_t filled = 0;
    for (;;) {
        if (filled == room) {
            if (filled > rules.maxBytes)
                tooLarge(path, rules);
            room = room * 2 + 65536;
            auto larger = std::make_unique_for_overwrite<char[]>(room);
            std::memcpy(larger.get(), content.get(), filled);
            content = std::move(larger);
        }
        const ssize_t n = ::read(file.get(), content.get() + filled, room - filled);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("Cannot read", path, errno);
        }
        if (n == 0)
            break;
        filled += static_cast<size_t>(n);
    }
    if (filled > rules.maxBytes)
        tooLarge(path, rules);
    return FileBytes(std::move(content), filled);
}
