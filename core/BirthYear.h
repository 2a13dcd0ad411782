// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"
#include "EventTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A Birthday may carry the year the person was born, as the seventh field of its event line, and
// an anniversary (an event that comes round on its day every year or every few years) the year
// it was first, in the same field. These are the rules for that year and for the ages, counts of
// years and ordinals made from it.

/// Whether an event of type `occurs` may keep a year in its seventh field: a Birthday (its year
/// of birth), and the types that step by whole years, Yearly, "Every N year" and Yearly by weekday
/// among them (the year it was first).
[[nodiscard]] bool KeepsFirstYear(std::string_view occurs);

/// The year a seventh field gives an event of type `occurs` dated `date`: only a type that
/// KeepsFirstYear keeps one, and only when the field is exactly four digits naming a year from 1
/// up to the year of the date. Anything else is no year at all.
[[nodiscard]] std::optional<int16_t> ReadBirthYear(std::string_view field, std::string_view occurs,
                                                   Date date);

/// Appends a year of birth as it is written: four digits, zeros in front.
void AppendBirthYearText(std::string &out, int year);

/// How old a person born in `birthYear` turns on their birthday `on`.
[[nodiscard]] inline int AgeOn(Date on, int birthYear)
{
    return on.year() - birthYear;
}

/// The age to show for a birthday `on` that day, or the count of years of an anniversary: none
/// when the year is unknown, nor on the day of birth or the first day itself (nobody turns 0).
[[nodiscard]] inline std::optional<int> ShownAge(Date on, int birthYear)
{
    if (birthYear <= 0 || AgeOn(on, birthYear) < 1)
        return std::nullopt;
    return AgeOn(on, birthYear);
}

/// The English ordinal of a number: 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st, 101st, 111th.
[[nodiscard]] std::string EnglishOrdinal(int number);

/// A description with the age in brackets after it: "Mum (71)".
[[nodiscard]] std::string WithAge(std::string_view description, int age);
