// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncPlan.h"

#include <cstddef>
#include <string>
#include <string_view>

// The bounds a calendar's text is held to before libical reads it. Libical frees its components
// recursively and unfolds a long line in time that grows with the square of its length: a
// server's object or a file of a few megabytes, nested deep or one line long, would crash or
// stall whatever reads it. Real calendars stay far inside these bounds; a text outside them is
// refused, in one pass that costs time in proportion to its length.

/// The deepest nesting of components (BEGIN inside BEGIN) read: a calendar holds an event, an
/// event an alarm, a time zone its rules; four levels deep at most.
inline constexpr size_t MostNesting = 20;
/// The longest line read after unfolding: a description of a few pages is some ten kilobytes;
/// an attachment that travels inside the object (base64 on one line) may be larger.
inline constexpr size_t MostLineBytes = 1024 * 1024;

/// What the bounds say of a calendar's text.
struct CalendarTextCheck
{
    /// Why libical may not read it (English, marked for translation); none where it may.
    const char *whyNot = nullptr;
    /// The first SUMMARY, else the first UID of what was read before the trouble: for reports.
    std::string name;
    /// The first UID of what was read before the trouble.
    std::string uid;
};

/// Checks `text` against the bounds: its nesting, its lines after unfolding, NUL characters.
[[nodiscard]] CalendarTextCheck CheckCalendarText(std::string_view text);

/// Leaves out of `plan` the events it adds past `room`, the list's room for more events: each is
/// named in its `unheld` and agreed as an object the list cannot hold, so that the rest are
/// taken and what the list holds goes on syncing.
void FitToRoom(SyncPlan &plan, size_t room);
