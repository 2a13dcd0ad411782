// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The scan at logon, through the freedesktop autostart convention: the desktop entry named after
// the application id ("<AppId>.desktop") in $XDG_CONFIG_HOME/autostart (by default
// ~/.config/autostart), whose Exec line holds the command. Switching fails silently: the menu
// shows what the user asked for, and the next start shows what was found.

/// The command the autostart entry runs ("program whatsup"); "" when there is none, when it
/// cannot be read or is no desktop entry, or when it has been switched off (Hidden=true,
/// X-GNOME-Autostart-enabled=false).
[[nodiscard]] std::string AutostartCommand();

/// Writes a fresh entry that runs `command` (the folder created when missing, any switch that
/// turned the entry off cleared).
void SwitchAutostartOn(std::string_view command);

/// Removes the entry; returns 0 on success or the system's error number.
int SwitchAutostartOff();

/// The path of the autostart entry.
[[nodiscard]] std::string AutostartEntryPath();

/// Moves an entry an earlier version wrote as "moonrill.desktop" to the application id's name,
/// byte for byte, so that one switched off stays off. Silent, like switching.
void MoveAutostartEntryToAppId();

// The desktop-entry text itself, apart from the file, so that it can be tested on its own.

/// A complete desktop entry whose Exec line runs `command` ("program argument...").
[[nodiscard]] std::string AutostartEntryText(std::string_view command);
/// The command an entry's Exec line holds, or "" as AutostartCommand says.
[[nodiscard]] std::string CommandOfAutostartEntry(std::string_view entry);
