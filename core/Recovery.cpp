// SPDX-License-Identifier: GPL-3.0-or-later
#include "Recovery.h"

#include "AtomicFile.h"
#include "EventFile.h"
#include "FileRead.h"

#include <unistd.h>

std::string RecoveryPath(const std::string &path)
{
    return path + ".recovery";
}

void WriteRecovery(const EventState &state, const std::string &path)
{
    // A copy of its own beside the file: a link under its name is replaced, never followed.
    WriteFileAtomically(RecoveryPath(path), EventListText(state),
                        WriteRules{.followLinks = false, .modeFrom = path, .noun = EventFileNoun});
}

void RemoveRecovery(const std::string &path)
{
    ::unlink(RecoveryPath(path).c_str());
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
    Recovered recovered{std::move(*content), {}};
    LoadResult result;
    ReadEventsInto(recovered.list, recovered.content, today, result);
    if (result.error)
        return std::nullopt;
    recovered.list.SetSaved(false);
    return recovered;
}
