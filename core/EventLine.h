#pragma once

#include "clsEvent.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one text form of an event, used by the event file, the editor's hand-over and the undo
// buffer: "$$" + description + "$$" + date + "$$" + type + "$$" + period + "$$" + e-mail. This
// file is its one codec: the only place that cuts a line into fields, reads the fields into a
// record's values, and writes a record as a line.

/// What ends every line of the event file.
inline constexpr std::string_view EventLineEnd = "\r\n";

/// The first six fields of a line and how many fields it has (counting no further than six):
/// the line is cut at every "$$", left to right, as written; "$$a$$b" gives "", "a", "b".
struct LeadingFields
{
    std::array<std::string_view, 6> field;
    size_t count = 0;
};
[[nodiscard]] LeadingFields SplitLeadingFields(std::string_view line);

/// What a good event line holds: views into the line, and the date and period read.
struct EventLineFields
{
    std::string_view Description;
    std::string_view DateText; // the date as written
    Date StartingOn;
    std::string_view Occurs;
    std::string_view PeriodText; // as written
    int16_t Period = 0;
    std::string_view Email;
};

/// What an event is made of once its line has been read: the record's values, plus the notice
/// period exactly as it was written (shown as is in the list).
struct EventFields
{
    std::string Description;
    Date StartingOn;
    std::string Occurs;
    int16_t Period = 0;
    std::string PeriodText;
    std::string Email;
};

/// The values of a line read, as a record takes them, with the date `startingOn` (the next
/// occurrence, or the date as read).
[[nodiscard]] EventFields OwnedFields(const EventLineFields &line, Date startingOn);

/// Reads a line, checking in this order: the period converts to a 16-bit integer, the e-mail
/// field exists, the date converts. No value for a line that fails a check (a damaged line);
/// a period that is a number outside the 16-bit range is no damage but an error, and is thrown
/// (a MoonrillError, Overflow). Fields after the sixth are ignored.
[[nodiscard]] std::optional<EventLineFields> ReadEventLine(std::string_view line);

/// The same for a line the program made itself (the editor's hand-over, the undo buffer), where
/// a damaged line is an error: throws a MoonrillError, TypeMismatch or Overflow.
[[nodiscard]] EventLineFields ReadOwnEventLine(std::string_view line);

/// Appends the event line of a record to `out`, without a line end.
void AppendEventLine(std::string &out, const clsEvent &event);
/// The same from the record's parts.
void AppendEventLine(std::string &out, std::string_view description, Date startingOn,
                     std::string_view occurs, int16_t period, std::string_view email);
/// The same with the date as text.
void AppendEventLine(std::string &out, std::string_view description, std::string_view dateText,
                     std::string_view occurs, int16_t period, std::string_view email);
/// The same with the period as text, as the editor hands it over (a period it keeps as read).
void AppendEventLine(std::string &out, std::string_view description, Date startingOn,
                     std::string_view occurs, std::string_view periodText, std::string_view email);

/// The event line of a record, without a line end.
[[nodiscard]] std::string FormatEventLine(const clsEvent &event);
