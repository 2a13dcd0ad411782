// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventOptions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

// Every optional value of an event, said once: its name in the event line, where a calendar
// carries it, whose value a sync keeps, and whether it tells a server's event from the list's.
// The event-line codec, the calendar's writer and reader, the merge into a server's object and
// the sync's comparison go through this table instead of naming each value, so that a new value
// is a member of EventOptions and a row here.

/// How a value is held and written in the event line.
enum class FieldKind : uint8_t
{
    /// The day of the month the event is meant for (two digits), kept only beside a date its
    /// month shortened, and only for the types that step by months.
    DayOfMonth,
    /// A text written as it is; empty is none.
    Text,
};

/// Where a calendar carries the value.
enum class InCalendar : uint8_t
{
    Dates, // said by the dates and the rule (the months' last days)
    Uid,   // the object's UID
    /// A property of its own, `property`, text-valued: RFC 5545's and RFC 7986's by name, or an
    /// X- property.
    Property,
    /// The reminders, each a VALARM of its own.
    Alarms,
};

/// Whose value stands when a change of the list goes into a server's object that has one.
enum class Owner : uint8_t
{
    List,   // the list's replaces the server's
    Server, // the server's stays as it is
};

/// Which comparison of events looks at the value.
enum class Compared : uint8_t
{
    /// Every one: a calendar carries it, so a server's event and the list's differ by it.
    WithServer,
    /// Only the comparison of two lists: a server's event never holds it.
    InListOnly,
};

/// One optional value of an event.
struct OptionalField
{
    std::string_view key; // its name in the event line, with the "=" after it
    FieldKind kind;
    int8_t EventOptions::*day = nullptr;       // FieldKind::DayOfMonth
    std::string EventOptions::*text = nullptr; // FieldKind::Text
    InCalendar calendar;
    std::string_view property{}; // InCalendar::Property: the property's name
    Owner owner;
    Compared compared;
};

/// The optional values, in the order an event line writes them. A new value goes at the end, so
/// that every line written before it stays as it was.
inline constexpr std::array<OptionalField, 7> OptionalFields{{
    {.key = "day=",
     .kind = FieldKind::DayOfMonth,
     .day = &EventOptions::Day,
     .calendar = InCalendar::Dates,
     .owner = Owner::List,
     .compared = Compared::WithServer},
    {.key = "uid=",
     .kind = FieldKind::Text,
     .text = &EventOptions::Uid,
     .calendar = InCalendar::Uid,
     .property = "UID",
     .owner = Owner::Server,
     .compared = Compared::WithServer},
    {.key = "time=",
     .kind = FieldKind::Text,
     .text = &EventOptions::Time,
     .calendar = InCalendar::Dates,
     .owner = Owner::List,
     .compared = Compared::WithServer},
    {.key = "tz=",
     .kind = FieldKind::Text,
     .text = &EventOptions::Zone,
     .calendar = InCalendar::Dates,
     .owner = Owner::List,
     .compared = Compared::WithServer},
    {.key = "end=",
     .kind = FieldKind::Text,
     .text = &EventOptions::End,
     .calendar = InCalendar::Dates,
     .owner = Owner::List,
     .compared = Compared::WithServer},
    {.key = "dur=",
     .kind = FieldKind::Text,
     .text = &EventOptions::Duration,
     .calendar = InCalendar::Dates,
     .owner = Owner::List,
     .compared = Compared::WithServer},
    {.key = "alarms=",
     .kind = FieldKind::Text,
     .text = &EventOptions::Alarms,
     .calendar = InCalendar::Alarms,
     .owner = Owner::List,
     .compared = Compared::WithServer},
}};

// What the codec and the calendar's code rely on: a line's name ends in "=" and begins no other
// (a field is found by the name it begins with), each row points at the member its kind holds,
// and a calendar's property holds a text. X-MOONRILL- properties are the list's whole: the
// merge takes them all from the list.
static_assert(
    [] {
        for (const OptionalField &field : OptionalFields) {
            if (!field.key.ends_with('=') ||
                (field.kind == FieldKind::DayOfMonth) != (field.day != nullptr) ||
                (field.kind == FieldKind::Text) != (field.text != nullptr) ||
                (field.calendar == InCalendar::Property &&
                 (field.kind != FieldKind::Text || field.property.empty() ||
                  (field.property.starts_with("X-MOONRILL-") && field.owner != Owner::List))))
                return false;
            for (const OptionalField &other : OptionalFields) {
                if (&other != &field && other.key.starts_with(field.key))
                    return false;
            }
        }
        return true;
    }(),
    "a row of OptionalFields the codec or the calendar cannot go by");

/// Calls `each` with the index of every row, in order, as a constant (std::integral_constant):
/// the codec runs over every line of the file, and a row known at compile time costs what code
/// written for that one value would.
template <typename Each> constexpr void ForEachOptionalField(Each &&each)
{
    [&each]<size_t... I>(std::index_sequence<I...>)
    {
        (each(std::integral_constant<size_t, I>{}), ...);
    }
    (std::make_index_sequence<OptionalFields.size()>{});
}

/// Whether `a` and `b` hold the same value of `field`.
[[nodiscard]] inline bool SameField(const OptionalField &field, const EventOptions &a,
                                    const EventOptions &b)
{
    return field.kind == FieldKind::DayOfMonth ? a.*field.day == b.*field.day
                                               : a.*field.text == b.*field.text;
}

/// Whether `options` holds no value of `field`.
[[nodiscard]] inline bool EmptyField(const OptionalField &field, const EventOptions &options)
{
    return field.kind == FieldKind::DayOfMonth ? options.*field.day == 0
                                               : (options.*field.text).empty();
}
