// SPDX-License-Identifier: GPL-3.0-or-later
#include "LastSeen.h"

#include "AtomicFile.h"
#include "Conversions.h"
#include "FileRead.h"
#include "MoonrillError.h"

namespace {

std::string pathIn(const std::string &folder)
{
    std::string path = folder;
    if (path.empty() || path.back() != '/')
        path += '/';
    return path + std::string(LastSeenFileName);
}

} // namespace

std::optional<Date> ReadLastSeen(const std::string &folder)
{
    try {
        const std::optional<std::string> text =
            ReadWholeFile(pathIn(folder), ReadRules{.noun = "a day", .maxBytes = 64});
        if (!text)
            return std::nullopt;
        std::string_view day = *text;
        while (!day.empty() && (day.back() == '\n' || day.back() == '\r'))
            day.remove_suffix(1);
        return TextToDate(day);
    } catch (const MoonrillError &) {
        return std::nullopt;
    }
}

bool WriteLastSeen(const std::string &folder, Date day)
{
    try {
        WriteFileAtomically(pathIn(folder), DateToText(day) + "\r\n",
                            WriteRules{.followLinks = false, .modeFrom = {}, .noun = "a day"});
        return true;
    } catch (const MoonrillError &) {
        return false;
    }
}
