// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Where the program's files live. Plain code on purpose: the logon scan finds its event file
// before (and often without) any toolkit object.

/// The folder that holds events.mrl: $MOONRILL_HOME when it is set (a relative one taken from
/// the working folder), otherwise $XDG_DATA_HOME/moonrill (default ~/.local/share/moonrill).
/// Created when missing.
[[nodiscard]] std::string ProgramFolder();

/// The user's configuration folder: $XDG_CONFIG_HOME when absolute, otherwise ~/.config.
[[nodiscard]] std::string ConfigFolder();

/// `folder` and `name` joined by exactly one "/", whatever the folder ends with.
[[nodiscard]] std::string JoinPath(std::string_view folder, std::string_view name);

/// The folder of the running executable, without a trailing "/" (but "/" itself for the root).
[[nodiscard]] std::string ExecutableFolder();

/// A read-only asset (a clip such as "anim/bell.avi", the help file): beside the executable
/// when it is there, otherwise in ../share/moonrill from the executable's folder, otherwise in
/// the share folder of the prefix it was built for; only in $MOONRILL_ASSET_DIR when that names
/// an absolute folder.
[[nodiscard]] std::string AssetPath(std::string_view relative);

/// Creates `folder` and its parents when missing, private to the user (0700: they hold the
/// user's events and settings); returns false when that fails.
bool MakeFolders(const std::string &folder);
