#pragma once

#include <string>
#include <string_view>

/// The Windows names of the contact mail, by the version record's platform identifier and
/// major and minor version: "Windows 95", "98", "ME", "NT", "2000", "XP", else "Windows 32".
[[nodiscard]] std::string WindowsVersionName(int platform, int major, int minor);

/// The system's own name from an os-release text: PRETTY_NAME, else NAME, else "Linux".
[[nodiscard]] std::string SystemNameFromOsRelease(std::string_view osRelease);

/// This machine's name: /etc/os-release (or /usr/lib/os-release) read as above.
[[nodiscard]] std::string OperatingSystemName();
