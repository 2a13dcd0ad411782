// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncConfig.h"

#include "AtomicFile.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Paths.h"

#include <array>
#include <utility>

namespace {

/// The names in the file and the members they fill, in the order they are written.
constexpr std::array<std::pair<std::string_view, std::string SyncConfig::*>, 4> Names{{
    {"calendar_url", &SyncConfig::calendarUrl},
    {"addressbook_url", &SyncConfig::addressBookUrl},
    {"user", &SyncConfig::user},
    {"calendar_file", &SyncConfig::calendarFile},
}};

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::string SyncConfigPath()
{
    return JoinPath(ConfigFolder(), "moonrill/sync.conf");
}

SyncConfig ParseSyncConfig(std::string_view text)
{
    SyncConfig config;
    bool inSync = false;
    // An editor may have saved the file with a byte-order mark.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        line = trimmed(line);
        if (line.starts_with('[')) {
            inSync = line == "[sync]";
            continue;
        }
        const size_t equals = line.find('=');
        if (!inSync || equals == std::string_view::npos || line.starts_with(';') ||
            line.starts_with('#'))
            continue;
        const std::string_view name = trimmed(line.substr(0, equals));
        for (const auto &[known, member] : Names) {
            if (name == known)
                config.*member = std::string(trimmed(line.substr(equals + 1)));
        }
    }
    return config;
}

std::string SyncConfigText(const SyncConfig &config)
{
    std::string text = "[sync]\n";
    for (const auto &[name, member] : Names) {
        const std::string &value = config.*member;
        for (const char c : value) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                throw MoonrillError(MoonrillError::FileAccess,
                                    std::string(name) + " cannot be kept in " + SyncConfigPath() +
                                        ": it holds a line break or another control character");
        }
        if (trimmed(value).size() != value.size())
            throw MoonrillError(MoonrillError::FileAccess,
                                std::string(name) + " cannot be kept in " + SyncConfigPath() +
                                    ": it begins or ends with a blank");
        text += std::string(name) + "=" + value + "\n";
    }
    return text;
}

SyncConfig ReadSyncConfig(std::string *trouble)
{
    try {
        return ParseSyncConfig(
            ReadWholeFile(SyncConfigPath(), {.noun = "a settings file", .maxBytes = 65536})
                .value_or(""));
    } catch (const MoonrillError &error) {
        if (trouble != nullptr)
            *trouble = error.what();
        return {};
    }
}

void WriteSyncConfig(const SyncConfig &config)
{
    const std::string text = SyncConfigText(config);
    MakeFolders(FolderOf(SyncConfigPath()));
    WriteFileAtomically(
        SyncConfigPath(), text,
        {.followLinks = false, .modeFrom = {}, .noun = "a settings file", .privateFile = true});
}

bool SyncIsSet()
{
    return !ReadSyncConfig().calendarUrl.empty();
}
