// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventLine.h"
#include "Translatable.h"
#include "VCardReader.h"
#include "clsEvent.h"

#include <string>
#include <vector>

// Which contacts of an address book become Birthday events, and what the user is told.

/// A listed birthday imported before from the same card (by its UID), now with what the card
/// says: its name, birthday, address or year of birth changed since.
struct BirthdayUpdate
{
    size_t index = 0; // of the event in the list
    WrittenEvent written;
};

/// The events to add, in the address book's order, and what was left out.
struct BirthdayImport
{
    std::vector<WrittenEvent> events;
    std::vector<BirthdayUpdate> updates; // counted among those already in the list
    int alreadyInList = 0;   // same description and same month and day as an event listed
    int withoutBirthday = 0; // contacts whose card gives no usable birthday
};

/// Makes a Birthday event of each contact with a birthday that the list (`existing`) does not
/// hold yet: the name made safe as the editor makes a description, the preferred usable e-mail
/// address, the year of birth when the card gives one, notice period 3, and the date moved to
/// the next birthday from `today`. An event remembers its card's UID (as its calendar UID,
/// "card-" and the card's), so that importing the card again after a rename updates that event
/// instead of adding a second one; its type and notice period stay as the user set them.
[[nodiscard]] BirthdayImport PlanBirthdayImport(const std::vector<VCardContact> &contacts,
                                                const std::vector<clsEvent> &existing, Date today);

/// A contact's name as a description: no control characters, "$$" turned into "$ $", a blank
/// after a trailing "$".
[[nodiscard]] std::string SafeDescription(std::string name);

/// The calendar UID of the event imported from the card with UID `cardUid`: "card-" and the
/// card's where that is safe in an event line and a resource name, otherwise "card-" and its
/// hash; empty for a card without a UID.
[[nodiscard]] std::string CardEventUid(std::string_view cardUid);

/// The words of the import's summary: %1 imported, %2 already in the list, %3 without a birthday.
inline constexpr std::string_view ImportSummaryWords = QT_TRANSLATE_NOOP(
    "Messages",
    "Birthdays imported: %1\r\nAlready in the list: %2\r\nContacts without a birthday: %3");

/// "Birthdays imported: N", "Already in the list: M", "Contacts without a birthday: K", one to a
/// line; in other `words` where a window translated them.
[[nodiscard]] std::string ImportSummary(const BirthdayImport &import,
                                        std::string_view words = ImportSummaryWords);
