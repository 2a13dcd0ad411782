// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

/// How an atomic write treats what is already at its path.
struct WriteRules
{
    /// Follow a symbolic link at the path and replace the file it leads to (the event file,
    /// which a user may keep elsewhere); otherwise whatever is at the path is replaced as a new
    /// file, and a link there is replaced itself, never followed or written through (a download).
    bool followLinks = true;
    /// The file whose permission bits and owner the new one takes (a backup takes those of the
    /// file it copies); when empty, those of the file it replaces.
    std::string modeFrom;
    /// What the file is called when something other than a regular file is in its place.
    std::string_view noun = "a regular file";
    /// Only the user may read and write the new file (mode 0600), whatever the old one allowed:
    /// a file that holds what the user keeps to themselves, or what a server said of it.
    bool privateFile = false;
};

/// Writes a file's new content piece by piece into a temporary file beside it; Commit puts it in
/// place as WriteFileAtomically does. Until then the old file is untouched, and a writer that is
/// never committed removes its temporary file.
class AtomicFileWriter
{
public:
    /// Creates the temporary file, with the permission bits the new file is to have from the
    /// start. Refuses (throws a MoonrillError naming the path) a path where a folder, a FIFO, a
    /// device or a socket stands, without opening it; when links are followed, also a link that
    /// leads to one, and an existing file this process may not write, exactly as the file system
    /// would refuse writing it in place.
    explicit AtomicFileWriter(const std::string &path, const WriteRules &rules = {});
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    void Write(std::string_view content);
    /// Flushes the content to disk and closes the temporary file; the target is not touched yet.
    void Flush();
    /// Renames the flushed temporary file over the target, then flushes the folder.
    void Publish();
    /// Flush, then Publish.
    void Commit();

private:
    std::string m_target;
    int m_fd = -1; // before m_temporary, whose making opens it
    std::string m_temporary;
};

/// Replaces the file at `path` with `content` so that a crash or a full disk at any moment
/// leaves either the old file or the complete new one: the content goes to a temporary file in
/// the same folder, is flushed to disk and renamed over the target, and the folder is flushed.
/// An existing file keeps its permission bits, and its owner where the process may keep it. Throws
/// a MoonrillError naming the file and the reason; the old file is then untouched and no temporary
/// file is left behind.
void WriteFileAtomically(const std::string &path, std::string_view content,
                         const WriteRules &rules = {});

/// Removes the temporary files beside `targets` (files of one folder) that writers left when
/// their process was killed part-way through; those of a process that still runs stay. The
/// folder is read once. Failures are ignored.
void RemoveStaleTemporaries(const std::vector<std::string> &targets);

/// Removes the temporary files in `folder` that killed writers of any file whose name ends in
/// `ending` (".ics") left behind.
void RemoveStaleTemporariesEndingIn(const std::string &folder, std::string_view ending);

/// The folder of `path`: "." for a bare name, "/" for a file in the root.
[[nodiscard]] std::string FolderOf(const std::string &path);

/// Follows symbolic links from `path` to the file they finally name (which need not exist).
[[nodiscard]] std::string ResolveLinks(const std::string &path);
