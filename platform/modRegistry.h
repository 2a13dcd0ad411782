#pragma once

#include <string>
#include <string_view>

// The three registry operations the program uses, over the freedesktop autostart convention:
// the value "Moonrill" of the machine's Run key is the desktop entry "moonrill.desktop" in
// $XDG_CONFIG_HOME/autostart (by default ~/.config/autostart), whose Exec line holds the value's
// data. Other keys and values have no store here: writing them does nothing, reading gives "".
// As with the registry, failures are silent.

enum class RegRoot
{
    LocalMachine,
    CurrentUser
};

inline constexpr std::string_view RunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view RunValue = "Moonrill";

/// Writes the value; for the Run value, a fresh desktop entry (the folder created when missing,
/// any switch that turned the entry off cleared).
void SetRegString(RegRoot root, std::string_view key, std::string_view value,
                  std::string_view data);

/// Deletes the value; returns 0 on success or the system's error number.
long DeleteRegValue(RegRoot root, std::string_view key, std::string_view value);

/// The value's data exactly as it was set; "" when there is none, when the entry cannot be read
/// or is not a desktop entry, or when it has been switched off (Hidden=true,
/// X-GNOME-Autostart-enabled=false).
[[nodiscard]] std::string GetRegString(RegRoot root, std::string_view key, std::string_view value);

/// The path of the autostart entry that stands for the Run value.
[[nodiscard]] std::string AutostartEntryPath();

// The desktop-entry text itself, apart from the file, so that it can be tested on its own.

/// A complete desktop entry whose Exec line starts `data` ("program argument...").
[[nodiscard]] std::string AutostartEntryText(std::string_view data);
/// The data an entry's Exec line holds, or "" as GetRegString says.
[[nodiscard]] std::string DataOfAutostartEntry(std::string_view entry);
