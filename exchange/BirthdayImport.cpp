// SPDX-License-Identifier: GPL-3.0-or-later
#include "BirthdayImport.h"

#include "BirthYear.h"
#include "Conversions.h"
#include "Occurrence.h"
#include "TextEncoding.h"

#include "ContentStamp.h"

#include <cstdio>
#include <unordered_map>
#include <unordered_set>

namespace {

/// What makes two birthdays the same: the description and the month and day.
std::string sameKey(std::string_view description, Date date)
{
    const Date::Ymd ymd = date.ymd();
    std::string key(description);
    key += '\n';
    key += IntToText(ymd.month * 100 + ymd.day);
    return key;
}

/// An address the editor would take: it has "@" and "." and no "$" or control character.
bool usableAddress(std::string_view address)
{
    return address.find('@') != std::string_view::npos &&
           address.find('.') != std::string_view::npos &&
           address.find('$') == std::string_view::npos &&
           WithoutControlCharacters(std::string(address)) == address;
}

/// The date the birthday is first entered with: the date of birth when the year is known,
/// otherwise the birthday in the latest year up to today's that has that day (29 February
/// comes from a leap year). Moving it on to the next birthday then follows the usual rule.
Date enteredDate(const VCardBirthday &birthday, int birthYear, Date today)
{
    int year = birthYear > 0 ? birthYear : today.year();
    while (!Date::isValid(year, birthday.month, birthday.day))
        --year;
    return Date::fromYmd(year, birthday.month, birthday.day);
}

} // namespace

std::string CardEventUid(std::string_view cardUid)
{
    if (cardUid.empty())
        return {};
    const bool safe =
        cardUid.size() <= 200 &&
        cardUid.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                  "0123456789-_.:@+") == std::string_view::npos;
    if (safe)
        return "card-" + std::string(cardUid);
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(StampOf(cardUid).hash));
    return "card-" + std::string(hash);
}

std::string SafeDescription(std::string name)
{
    name = WithoutControlCharacters(std::move(name));
    for (size_t at = name.find("$$"); at != std::string::npos; at = name.find("$$", at + 2))
        name.insert(at + 1, 1, ' ');
    if (name.ends_with('$'))
        name += ' ';
    return name;
}

BirthdayImport PlanBirthdayImport(const std::vector<VCardContact> &contacts,
                                  const std::vector<clsEvent> &existing, Date today)
{
    BirthdayImport import;
    std::unordered_set<std::string> listed;
    listed.reserve(existing.size() + contacts.size());
    std::unordered_map<std::string_view, size_t> byUid;
    std::unordered_set<std::string> added;
    for (size_t i = 0; i < existing.size(); ++i) {
        listed.insert(sameKey(existing[i].Description, existing[i].StartingOn));
        if (!existing[i].Options.Uid.empty())
            byUid.emplace(existing[i].Options.Uid, i);
    }

    for (const VCardContact &contact : contacts) {
        if (!contact.birthday) {
            ++import.withoutBirthday;
            continue;
        }
        const VCardBirthday &birthday = *contact.birthday;
        const int birthYear = birthday.year <= today.year() ? birthday.year : 0;
        const Date entered = enteredDate(birthday, birthYear, today);
        const Date next = NextOccurrence(entered, BirthdayType, today).value_or(entered);

        std::string name = contact.name;
        if (name.empty() && !contact.emails.empty())
            name = contact.emails.front();
        if (name.empty())
            name = "Birthday";
        std::string description = SafeDescription(std::move(name));
        std::string email;
        for (const std::string &address : contact.emails) {
            if (usableAddress(address)) {
                email = address;
                break;
            }
        }
        EventOptions options;
        options.Day = DayKeptBeside(next, BirthdayType, birthday.day);
        options.Uid = CardEventUid(contact.uid);
        if (const auto known = byUid.find(options.Uid);
            !options.Uid.empty() && known != byUid.end()) {
            ++import.alreadyInList;
            clsEvent event = existing[known->second];
            if (event.Description == description && event.StartingOn == next &&
                (email.empty() || event.Email == email) && event.BirthYear == birthYear)
                continue;
            event.Description = std::move(description);
            event.StartingOn = next;
            if (!email.empty())
                event.Email = std::move(email);
            event.BirthYear = static_cast<int16_t>(birthYear);
            event.Options.Day = options.Day;
            import.updates.push_back({known->second, Written(std::move(event))});
            continue;
        }
        // A card twice in one book (or two with one UID) adds one event.
        if (!listed.insert(sameKey(description, next)).second ||
            (!options.Uid.empty() && !added.insert(options.Uid).second)) {
            ++import.alreadyInList;
            continue;
        }
        import.events.push_back(WrittenEvent{.event = {.Id = {},
                                                       .Description = std::move(description),
                                                       .StartingOn = next,
                                                       .Occurs = std::string(BirthdayType),
                                                       .Period = 3,
                                                       .Email = std::move(email),
                                                       .BirthYear = static_cast<int16_t>(birthYear),
                                                       .Options = std::move(options)},
                                             .periodText = "3"});
    }
    return import;
}

std::string ImportSummary(const BirthdayImport &import, std::string_view words)
{
    return Compose(words, {IntToText(static_cast<long long>(import.events.size())),
                           IntToText(import.alreadyInList), IntToText(import.withoutBirthday)});
}
