// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"

#include <optional>
#include <string>
#include <string_view>

// The last day a run of the program saw: the day of its last completed start (the file loaded,
// then the scan or the main window shown). A start compares it with the stored dates to catch up
// what fell due while no run saw it.

/// The file beside events.mrl that holds it, as a date the event file would write.
inline constexpr std::string_view LastSeenFileName = ".moonrill-last-seen";

/// The day kept in `folder`; no value when the file is missing or cannot be read as a date.
[[nodiscard]] std::optional<Date> ReadLastSeen(const std::string &folder);

/// Keeps `day` in `folder`, atomically; returns false when it cannot (the next start then
/// catches up from the day kept before, which is the safe side).
bool WriteLastSeen(const std::string &folder, Date day);
