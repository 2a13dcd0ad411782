// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include <optional>
#include <string>
#include <string_view>

// The birthday mail offers of the scan window: what each offer holds, the question asked for it
// and the subject of the mail it opens.

/// One offer of a birthday mail: a birthday due today (or missed) whose event has an address.
struct MailOffer
{
    std::string name;
    std::string address;
    std::optional<int> age; // the age turned on the day, when the year of birth is known

    friend bool operator==(const MailOffer &, const MailOffer &) = default;
};

/// Whether the birthday is today's or one missed while no run of the program saw it.
enum class OfferKind
{
    Today,
    Belated,
};

/// "Birthday: 'Mum'" (or "Belated birthday: 'Mum'"), then " turns 71" (" turned 71") when the age
/// is known, a line break and "Do you want to e-mail this person?"; in other `words` where a
/// window translated them.
[[nodiscard]] std::string BirthdayQuestion(const MailOffer &offer, OfferKind kind,
                                           const Words &words = AsIs);

/// "Happy birthday!" or "Happy belated birthday!", with the ordinal of the age before "birthday"
/// when it is known: "Happy 71st birthday!", "Happy belated 71st birthday!". In other `words`,
/// with that language's ordinals ("71.", "71e" and "1er", "71.º").
[[nodiscard]] std::string BirthdayMailSubject(const MailOffer &offer, OfferKind kind,
                                              const Words &words = AsIs);
