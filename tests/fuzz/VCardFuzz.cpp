// SPDX-License-Identifier: GPL-3.0-or-later
// The address-book reader and the import built on it: whatever the bytes, reading never fails
// in an unplanned way, every birthday read is a real day, and every event planned is one the
// event file writes and reads back unchanged.

#include "BirthdayImport.h"
#include "EventLine.h"
#include "FuzzSupport.h"
#include "TextEncoding.h"
#include "VCardReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Date today = Date::fromYmd(2026, 12, 7);
    const VCardBook book = ReadVCards(bytesOf(data, size));
    FUZZ_CHECK(book.isAddressBook || book.contacts.empty());
    for (const VCardContact &contact : book.contacts) {
        FUZZ_CHECK(IsUtf8(contact.name));
        if (contact.birthday) {
            const VCardBirthday &b = *contact.birthday;
            FUZZ_CHECK(Date::isValid(b.year > 0 ? b.year : 2000, b.month, b.day));
        }
    }
    const BirthdayImport import = PlanBirthdayImport(book.contacts, {}, today);
    FUZZ_CHECK(import.events.size() + size_t(import.alreadyInList) +
                   size_t(import.withoutBirthday) ==
               book.contacts.size());
    for (const WrittenEvent &written : import.events) {
        const clsEvent &event = written.event;
        FUZZ_CHECK(event.Description.find("$$") == std::string::npos);
        FUZZ_CHECK(!event.Description.ends_with('$'));
        FUZZ_CHECK(event.Email.find('$') == std::string::npos);
        FUZZ_CHECK(event.StartingOn >= today);
        const std::optional<EventLineRead> back = ReadEventLine(FormatEventLine(event));
        FUZZ_CHECK(back && back->event.Description == event.Description &&
                   back->event.StartingOn == event.StartingOn && back->event.Email == event.Email &&
                   back->event.BirthYear == event.BirthYear &&
                   back->event.Options.Uid == event.Options.Uid);
    }
    return 0;
}
