// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A small reader of address books in vCard form (2.1, 3.0 and 4.0, as desktop address books,
// mail programs and phones export them). It reads only what a birthday reminder needs: the
// name, the e-mail addresses and the birthday.

/// A birthday as a vCard gives it; year 0 when the card leaves the year out.
struct VCardBirthday
{
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const VCardBirthday &, const VCardBirthday &) = default;
};

/// One contact: texts in UTF-8.
struct VCardContact
{
    std::string name; // FN; or the parts of N; or, for no person, the organisation (ORG)
    std::vector<std::string> emails; // the preferred first, then in the card's order
    std::optional<VCardBirthday> birthday;
    std::string uid; // the card's own identity (UID), which stays when the contact is renamed

    friend bool operator==(const VCardContact &, const VCardContact &) = default;
};

/// What a file held: whether it is an address book at all (it has a card), and its contacts.
struct VCardBook
{
    bool isAddressBook = false;
    bool cancelled = false; // the progress callback asked to stop
    std::vector<VCardContact> contacts;
};

/// A contact's name is cut to this many bytes (at a character's end): a name longer than a
/// list row can show is no name.
inline constexpr size_t MaxNameBytes = 256;

/// Told from time to time how many of the text's bytes are read; returns false to stop.
using VCardProgress = std::function<bool(size_t read, size_t total)>;

/// Reads every card of `text`: folded lines, groups ("item1.EMAIL"), parameters, the
/// quoted-printable encoding and character sets of 2.1, and the birthday forms 19560304,
/// 1956-03-04, --0304, --03-04 and 1956-03-04T00:00:00Z. A text birthday is no birthday.
/// Keywords are compared in ASCII capitals, whatever the locale. The time taken grows with the
/// text's length alone; only the first 64 KB of a content line (a photo, say) are read.
[[nodiscard]] VCardBook ReadVCards(std::string_view text, const VCardProgress &progress = {});
