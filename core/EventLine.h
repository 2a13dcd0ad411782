#pragma once

#include "clsEvent.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The one text form of an event, used by the event file, the editor's hand-over and the undo
// buffer: "$$" + description + "$$" + date + "$$" + type + "$$" + period + "$$" + e-mail.

/// Splits at every "$$", left to right, as written; "$$a$$b" gives "", "a", "b".
[[nodiscard]] std::vector<std::string_view> SplitEventLine(std::string_view line);

/// The first six fields of a line and how many fields it has (counting no further than six),
/// split as SplitEventLine does but without allocating.
struct LeadingFields
{
    std::array<std::string_view, 6> field;
    size_t count = 0;
};
[[nodiscard]] LeadingFields SplitLeadingFields(std::string_view line);

/// The event line of a record, without a line end.
[[nodiscard]] std::string FormatEventLine(const clsEvent &event);

/// Appends the event line of a record to `out`, without a line end.
void AppendEventLine(std::string &out, const clsEvent &event);
/// The same from the record's parts.
void AppendEventLine(std::string &out, std::string_view description, Date startingOn,
                     std::string_view occurs, int16_t period, std::string_view email);
/// The same with the date as text.
void AppendEventLine(std::string &out, std::string_view description, std::string_view dateText,
                     std::string_view occurs, int16_t period, std::string_view email);
