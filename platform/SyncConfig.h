// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

/// Where the events are synced and the birthdays read, as kept in
/// $XDG_CONFIG_HOME/moonrill/sync.conf: an INI file with a [sync] part of `name=value` lines.
/// It has no escapes: a value is the text after the first "=" up to the line's end, blanks
/// around it left out, so every value the settings dialog can hold reads back exactly as it
/// was written. The password is never in it.
struct SyncConfig
{
    std::string calendarUrl;    // calendar_url
    std::string addressBookUrl; // addressbook_url
    std::string user;           // user
    std::string calendarFile;   // calendar_file: the exported calendar kept up to date

    friend bool operator==(const SyncConfig &, const SyncConfig &) = default;
};

/// The file: $XDG_CONFIG_HOME/moonrill/sync.conf.
[[nodiscard]] std::string SyncConfigPath();

/// The settings a file's text holds: the known names of its [sync] part; other parts, other
/// names, comments (";" or "#" first) and lines without "=" are passed over.
[[nodiscard]] SyncConfig ParseSyncConfig(std::string_view text);
/// The file's text for `config`. Throws a MoonrillError where a value cannot be read back as it
/// is: one with a line break or another control character, or a blank at either end.
[[nodiscard]] std::string SyncConfigText(const SyncConfig &config);

/// The settings in the file; none where there is no file, or where it cannot be read (a FIFO
/// or folder in its place is not opened), with `trouble`, where given, saying why.
[[nodiscard]] SyncConfig ReadSyncConfig(std::string *trouble = nullptr);
/// Writes the file atomically, private to the user; throws a MoonrillError naming it.
void WriteSyncConfig(const SyncConfig &config);

/// Whether a calendar to sync to is set: read without the toolkit, so that a logon with
/// nothing set costs one look at a small file.
[[nodiscard]] bool SyncIsSet();
