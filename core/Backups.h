// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

/// How many backups of the event file are kept: "events.mrl.bak" (the newest), then
/// "events.mrl.bak.1" and "events.mrl.bak.2".
inline constexpr int BackupCount = 3;

/// The backup of `path` of the given age, beside it: 0 gives "events.mrl.bak" (the newest),
/// 1 "events.mrl.bak.1", and so on.
[[nodiscard]] std::string BackupPath(const std::string &path, int age = 0);

/// Keeps `content`, the file at `path` as it is now, as its newest backup, with the file's
/// permission bits. The new backup is written whole and flushed to disk before any older one
/// moves; the older ones then move back one age, only as far as needed to free the newest place
/// (a place left empty by an interrupted run is filled, and nothing behind it is dropped), and
/// the new one is renamed in last. When the newest backup holds `content` already, nothing
/// changes, so no two ages ever hold the same content. Throws a MoonrillError naming the reason;
/// every older backup is then where it was.
void KeepBackup(const std::string &path, std::string_view content);

/// Removes what writers of the file at `path`, its backups or its recovery copy left when their
/// process was killed part-way.
void RemoveStaleTemporariesOf(const std::string &path);
