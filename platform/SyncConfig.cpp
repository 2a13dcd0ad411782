// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncConfig.h"

#include "FileRead.h"
#include "MoonrillError.h"
#include "Paths.h"

std::string SyncConfigPath()
{
    return JoinPath(ConfigFolder(), "moonrill/sync.conf");
}

bool SyncIsSet()
{
    try {
        const std::string text =
            ReadWholeFile(SyncConfigPath(), {.noun = "a settings file", .maxBytes = 65536})
                .value_or("");
        const size_t at = text.find("calendar_url=");
        return at != std::string::npos && (at == 0 || text[at - 1] == '\n') &&
               at + 13 < text.size() && text[at + 13] != '\n' && text[at + 13] != '\r';
    } catch (const MoonrillError &) {
        return false;
    }
}
