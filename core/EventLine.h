// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventOptions.h"
#include "clsEvent.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one text form of an event, used by the event file, the editor's hand-over and the undo
// buffer: "$$" + description + "$$" + date + "$$" + type + "$$" + period + "$$" + e-mail, and for
// a Birthday whose year of birth is known "$$" + that year (readers that stop after the e-mail
// field still read such a line), then any optional values (EventOptions.h), after an empty year
// field where there is no year. This file is its one codec: the only place that cuts a line into
// fields, reads the fields into a record's values, and writes a record as a line.

/// What ends every line of the event file.
inline constexpr std::string_view EventLineEnd = "\r\n";

/// The first seven fields of a line and how many fields it has (counting no further than seven),
/// and what follows the seventh and its "$$": the line is cut at every "$$", left to right, as
/// written; "$$a$$b" gives "", "a", "b".
struct LeadingFields
{
    std::array<std::string_view, 7> field;
    size_t count = 0;
    std::string_view rest;
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
    int16_t BirthYear = 0; // a Birthday's year of birth (ReadBirthYear); 0 when none
    EventOptions Options{};
    /// Whether the line is byte for byte what the writer makes of these values (no blanks or
    /// "+" around numbers, no field the writer drops), so that it can be kept as it is.
    bool Canonical = false;
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
    int16_t BirthYear = 0;
    EventOptions Options{};
};

/// The values of a record, its notice period written as a save writes it.
[[nodiscard]] EventFields FieldsOf(const clsEvent &event);

/// The values of a line read, as a record takes them, with the date `startingOn` (the next
/// occurrence, or the date as read).
[[nodiscard]] EventFields OwnedFields(const EventLineFields &line, Date startingOn);

/// Reads a line, checking in this order: the period converts to a 16-bit integer, the e-mail
/// field exists, the date converts. No value for a line that fails a check (a damaged line);
/// a period that is a number outside the 16-bit range is no damage but an error, and is thrown
/// (a MoonrillError, Overflow). A seventh field is read as a year of birth where ReadBirthYear
/// takes it and ignored otherwise; the fields after it are the optional values.
[[nodiscard]] std::optional<EventLineFields> ReadEventLine(std::string_view line);

/// Appends the event line of a record to `out`, without a line end.
void AppendEventLine(std::string &out, const clsEvent &event);
/// The same from the record's parts; a year of birth of 0 writes no seventh field unless
/// optional values follow it.
void AppendEventLine(std::string &out, std::string_view description, Date startingOn,
                     std::string_view occurs, int16_t period, std::string_view email,
                     int birthYear = 0, const EventOptions &options = {});
/// The same with the date as text, for an event without optional values.
void AppendEventLine(std::string &out, std::string_view description, std::string_view dateText,
                     std::string_view occurs, int16_t period, std::string_view email,
                     int birthYear = 0);

/// The event line of a record, without a line end.
[[nodiscard]] std::string FormatEventLine(const clsEvent &event);
