// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

/// The system's own name from an os-release text: PRETTY_NAME, else NAME, else "Linux".
[[nodiscard]] std::string SystemNameFromOsRelease(std::string_view osRelease);

/// This machine's name: /etc/os-release (or /usr/lib/os-release) read as above.
[[nodiscard]] std::string OperatingSystemName();
