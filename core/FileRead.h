// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Reading the program's own files: the event file, its backups, the clips, the help file. Each is
// a plain file; anything else found under such a name (a folder, a FIFO, a device, a socket) is
// refused before a byte is read, and nothing is ever opened in a way that can block.

/// How a file of ours is read: what it is called in a refusal ("an event file" gives "… is a
/// folder, not an event file") and how many bytes it may hold at the most.
struct ReadRules
{
    std::string_view noun = "a regular file";
    size_t maxBytes = std::numeric_limits<size_t>::max();
};

/// A file's bytes as read. Its buffer is taken uninitialised and filled by the read alone: the
/// logon scan reads a large event file at every start, and zeroing the buffer first cost it a
/// twentieth of its work. Read it as a `std::string_view`, which stays valid while it lives.
class FileBytes
{
public:
    FileBytes() = default;
    FileBytes(std::unique_ptr<char[]> data, size_t size) : m_data(std::move(data)), m_size(size) {}
    /// A copy of `text`.
    explicit FileBytes(std::string_view text);

    [[nodiscard]] std::string_view view() const { return {m_data.get(), m_size}; }
    operator std::string_view() const { return view(); } // NOLINT(google-explicit-constructor)

private:
    std::unique_ptr<char[]> m_data;
    size_t m_size = 0;
};

/// The whole content of the file at `path` as `ReadWholeFile` reads it, in a buffer that was not
/// zeroed first.
[[nodiscard]] std::optional<FileBytes> ReadWholeFileBytes(const std::string &path,
                                                          const ReadRules &rules = {});

/// The whole content of the file at `path` (symbolic links followed), or no value when nothing
/// is there (also a link that leads nowhere). Throws a MoonrillError naming the path and the
/// reason for anything else: a path that names no regular file, a file over `rules.maxBytes`,
/// a file that cannot be opened or read.
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string &path,
                                                       const ReadRules &rules = {});

/// The refusal for a path that names something other than a regular file, such as
/// "/home/me/events.mrl is a folder, not an event file"; empty for a regular file. `mode` is
/// the st_mode of the thing found.
[[nodiscard]] std::string NotAFileText(const std::string &path, unsigned mode,
                                       std::string_view noun);
