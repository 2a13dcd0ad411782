#pragma once

#include <optional>
#include <string>

/// The whole content of a file, or no value when it does not exist. Throws a MoonrillError
/// naming the file and the reason for any other failure.
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string &path);

/// Replaces the file at `path` with `content` so that a crash or a full disk at any moment
/// leaves either the old file or the complete new one: the content goes to a temporary file in
/// the same folder, is flushed to disk and renamed over the target, and the folder is flushed.
/// When `path` is a symbolic link, the file it points to is replaced and the link kept; an
/// existing file keeps its permission bits. Throws a MoonrillError naming the file and the reason;
/// the old file is then untouched and no temporary file is left behind.
void WriteFileAtomically(const std::string &path, const std::string &content);

/// Follows symbolic links from `path` to the file they finally name (which need not exist).
[[nodiscard]] std::string ResolveLinks(const std::string &path);
