// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventOptions.h"

#include <libical/ical.h>

#include <optional>
#include <string>
#include <string_view>

// The optional values a calendar carries in properties of their own (InCalendar::Property in
// EventFields.h), written, read and merged by the table: the writer, the reader and the merge
// name no value. A property is found by its name: one libical knows (RFC 5545's, RFC 7986's)
// with the value type libical gives it, or an X- property; a name libical does not know and
// that is no X- name is carried by no calendar this version writes.

/// A new property `name` holding the text `value`; none where libical cannot make one of that
/// name or read `value` as its type.
[[nodiscard]] icalproperty *NewTextProperty(std::string_view name, const std::string &value);

/// The text of the first property `name` in `component`, as a calendar writes it without its
/// escapes; none where there is none.
[[nodiscard]] std::optional<std::string> PropertyText(icalcomponent *component,
                                                      std::string_view name);

/// Adds to `vevent` a property for each value of `options` a calendar carries so.
void AddOptionalProperties(icalcomponent *vevent, const EventOptions &options);

/// Reads into `options` the values `vevent`'s properties give: each only where the event line
/// can keep it (no "$", no control character).
void ReadOptionalProperties(icalcomponent *vevent, EventOptions &options);

/// The server's properties of the values the list owns replaced by ours; the server's own stay.
void MergeOptionalProperties(icalcomponent *theirs, icalcomponent *ours);
