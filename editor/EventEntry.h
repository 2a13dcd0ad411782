// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"
#include "EventLine.h"
#include "TextEncoding.h" // WithoutControlCharacters, the rule for safe texts

#include <optional>

#include <string>
#include <string_view>

// The event editor's rules, without its widgets: what OK checks (in its order, with its
// messages and the field that gets the focus), how the description is made safe, and how the
// type text is composed. The dialog only reads its controls into an EventEntry, calls
// CheckEventEntry and shows what it returns.

/// What the editor's controls hold when OK is pressed: the event as typed, with its notice
/// period as the text handed over (its Period is made from that text), and whether "Yes" is
/// chosen in the e-mail section.
struct EventEntry
{
    WrittenEvent typed;
    bool sendsMail = false;
};

/// The control a refusal puts the focus on.
enum class EntryField
{
    None,
    Description,
    Email,
    BirthYear,
};

/// What OK makes of an entry.
struct EntryVerdict
{
    /// The message of a refusal (critical icon); empty when the entry is taken.
    std::string message;
    EntryField focus = EntryField::None;
    /// The texts as they are to stand in their boxes, refused or not: control characters
    /// blanked, and a blank after a description's trailing "$" (so no "$$" forms at the
    /// field's end in the event line).
    std::string description;
    std::string email;
    /// The event handed over when the entry is taken; none when it is refused.
    std::optional<WrittenEvent> event;
};

/// Takes the entry's optional values as they are: the editor shows none of them.
[[nodiscard]] EntryVerdict CheckEventEntry(const EventEntry &entry);

/// The optional values an edit of `stored` dated `entered` keeps: all of them, but the day meant
/// beside a shortened date, which stays only while the date does.
[[nodiscard]] EventOptions KeptOptions(const clsEvent &stored, Date entered);
