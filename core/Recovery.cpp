// SPDX-License-Identifier: GPL-3.0-or-later
#include "Recovery.h"

#include "AtomicFile.h"
#include "EventFile.h"
#include "FileRead.h"

#include <cinttypes>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

std::string RecoveryPath(const std::string &path)
{
    return path + ".recovery";
}

namespace {

std::string basePath(const std::string &path)
{
    return RecoveryPath(path) + ".base";
}

/// The stamp kept beside a copy: "<size> <hash>" in decimal; none where it is missing or not
/// of that form.
std::optional<ContentStamp> readBase(const std::string &path)
{
    try {
        const std::optional<std::string> text =
            ReadWholeFile(basePath(path), {.noun = "a recovery stamp", .maxBytes = 64});
        ContentStamp stamp;
        char end = 0;
        if (text &&
            std::sscanf(text->c_str(), "%" SCNu64 " %" SCNu64 "%c", &stamp.size, &stamp.hash,
                        &end) == 3 &&
            end == '\n')
            return stamp;
    } catch (const MoonrillError &) {
    }
    return std::nullopt;
}

} // namespace

void WriteRecovery(const EventState &state, const std::string &path)
{
    // The stamp goes first, so that a copy never stands beside the stamp of an older file. It
    // stays the same from one change to the next, and is written only when it moved.
    std::optional<MoonrillError> stampTrouble;
    if (const std::optional<ContentStamp> &stamp = state.DiskStamp()) {
        try {
            if (readBase(path) != stamp)
                WriteFileAtomically(
                    basePath(path),
                    std::to_string(stamp->size) + ' ' + std::to_string(stamp->hash) + '\n',
                    WriteRules{.followLinks = false, .modeFrom = path, .noun = "a recovery stamp"});
        } catch (const MoonrillError &error) {
            // The copy matters more than its stamp: it is still written, and a stamp of an
            // older file that stayed (a full disk) goes, so the copy is restored as one without.
            stampTrouble = error;
            struct stat status {};
            if (::lstat(basePath(path).c_str(), &status) == 0 && S_ISREG(status.st_mode))
                ::unlink(basePath(path).c_str());
        }
    } else {
        ::unlink(basePath(path).c_str());
    }
    // A copy of its own beside the file: a link under its name is replaced, never followed.
    WriteFileAtomically(RecoveryPath(path), EventListText(state),
                        WriteRules{.followLinks = false, .modeFrom = path, .noun = EventFileNoun});
    if (stampTrouble)
        throw MoonrillError(*stampTrouble);
}

void RemoveRecovery(const std::string &path)
{
    ::unlink(RecoveryPath(path).c_str());
    ::unlink(basePath(path).c_str());
}

std::optional<Recovered> ReadRecovery(const std::string &path, Date today)
{
    std::optional<std::string> content;
    try {
        content = ReadWholeFile(RecoveryPath(path), EventFileRules);
    } catch (const MoonrillError &) {
        return std::nullopt;
    }
    if (!content)
        return std::nullopt;
    Recovered recovered{std::move(*content), {}, readBase(path)};
    LoadResult result;
    ReadEventsInto(recovered.list, recovered.content, today, result);
    if (result.error)
        return std::nullopt;
    recovered.list.SetSaved(false);
    return recovered;
}
