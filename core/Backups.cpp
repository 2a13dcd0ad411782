// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backups.h"

#include "AtomicFile.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Recovery.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

bool isFree(const std::string &path)
{
    struct stat info
    {
    };
    return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

/// Whether the backup at `path` holds `content`; one that cannot be read does not.
bool holds(const std::string &path, std::string_view content)
{
    try {
        // A backup larger than `content` cannot hold it, and is not read.
        const std::optional<std::string> kept =
            ReadWholeFile(path, ReadRules{.maxBytes = content.size()});
        return kept && *kept == content;
    } catch (const MoonrillError &) {
        return false;
    }
}

} // namespace

std::string BackupPath(const std::string &path, int age)
{
    return age == 0 ? path + ".bak" : path + ".bak." + std::to_string(age);
}

void KeepBackup(const std::string &path, std::string_view content)
{
    const std::string newest = BackupPath(path);
    if (holds(newest, content))
        return;
    // A backup is a file of its own: a link found under its name is replaced, never followed.
    AtomicFileWriter writer(newest, WriteRules{.followLinks = false, .modeFrom = path});
    writer.Write(content);
    writer.Flush();

    // Make room at age 0 by moving the ages before the first free place back by one; with no
    // free place the oldest is the one dropped. Each move is one rename, so whatever stops the
    // process leaves every content under exactly one name.
    int free = BackupCount - 1;
    for (int age = 0; age < BackupCount; ++age) {
        if (isFree(BackupPath(path, age))) {
            free = age;
            break;
        }
    }
    for (int age = free; age > 0; --age) {
        const std::string older = BackupPath(path, age - 1);
        if (::rename(older.c_str(), BackupPath(path, age).c_str()) != 0 && errno != ENOENT)
            throw MoonrillError(MoonrillError::FileAccess,
                                "Cannot keep " + older + ": " + std::strerror(errno));
    }
    writer.Publish();
}

void RemoveStaleTemporariesOf(const std::string &path)
{
    std::vector<std::string> targets = {path, RecoveryPath(path)};
    for (int age = 0; age < BackupCount; ++age)
        targets.push_back(BackupPath(path, age));
    RemoveStaleTemporaries(targets);
}
