#pragma once

#include "clsEvent.h"

#include <string>
#include <string_view>
#include <vector>

// The one text form of an event, used by the event file, the editor's hand-over and the undo
// buffer: "$$" + description + "$$" + date + "$$" + type + "$$" + period + "$$" + e-mail.

/// Splits at every "$$", left to right, as written; "$$a$$b" gives "", "a", "b".
[[nodiscard]] std::vector<std::string_view> SplitEventLine(std::string_view line);

/// The event line of a record, without a line end.
[[nodiscard]] std::string FormatEventLine(const clsEvent &event);

/// Appends the event line of a record to `out`, without a line end.
void AppendEventLine(std::string &out, const clsEvent &event);
