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

// The one text form of an event, used by the event file: "$$" + description + "$$" + date + "$$" +
// type + "$$" + period + "$$" + e-mail, and for a Birthday whose year of birth is known "$$" + that
// year (readers that stop after the e-mail field still read such a line), then any optional values
// (EventOptions.h), after an empty year field where there is no year. This file is its one codec:
// the only place that cuts a line into fields, reads the fields into a record's values, and writes
// a record as a line.

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

/// An event with its notice period as it was written (in the file, or in the editor), which the
/// list shows as it is.
struct WrittenEvent
{
    clsEvent event;
    std::string periodText;
};

/// The event with its notice period written as a save writes it.
[[nodiscard]] WrittenEvent Written(clsEvent event);

/// A good event line as read: the event (no Id yet: the list gives it one), and the two fields
/// kept as they were written, views into the line.
struct EventLineRead
{
    clsEvent event;
    std::string_view dateText;
    std::string_view periodText;
    /// Whether the line is byte for byte what the writer makes of these values (no blanks or
    /// "+" around numbers, no field the writer drops), so that it can be kept as it is.
    bool canonical = false;
    /// The description, type and e-mail fields, views into the line.
    std::string_view descriptionText;
    std::string_view occursText;
    std::string_view emailText;
    /// Whether the event holds those texts: a read that leaves them (ReadEventLine's
    /// `withTexts`) copies them only where TakeEventTexts asks.
    bool textsTaken = false;
};

/// Reads `line` into `read`, checking in this order: the period converts to a 16-bit integer,
/// the e-mail field exists, the date converts. False for a line that fails a check (a damaged
/// line); a period that is a number outside the 16-bit range is no damage but an error, and is
/// thrown (a MoonrillError, Overflow). A seventh field is read as a year of birth where
/// ReadBirthYear takes it and ignored otherwise; the fields after it are the optional values.
/// The texts go into `read`'s own strings, so that one EventLineRead read into line after line
/// makes no allocation once its strings are long enough.
/// Without `withTexts` the event's description, type and e-mail are left as they were until
/// TakeEventTexts: a logon scan looks at most lines only for their dates.
[[nodiscard]] bool ReadEventLine(std::string_view line, EventLineRead &read, bool withTexts = true);
/// Copies the description, type and e-mail of the line `read` holds into its event, unless they
/// are there already. The line must still be readable.
void TakeEventTexts(EventLineRead &read);
/// The same into a new EventLineRead; no value for a damaged line.
[[nodiscard]] std::optional<EventLineRead> ReadEventLine(std::string_view line);

/// Appends the event line of a record to `out`, without a line end; a year of birth of 0 writes
/// no seventh field unless optional values follow it.
void AppendEventLine(std::string &out, const clsEvent &event);

/// The event line of a record, without a line end.
[[nodiscard]] std::string FormatEventLine(const clsEvent &event);
