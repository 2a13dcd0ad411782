// SPDX-License-Identifier: GPL-3.0-or-later
// Contacts become Birthday events: dates moved to the next birthday, years kept, names made
// safe, addresses chosen, duplicates left out, a card imported before found again by its UID
// after a rename, and the summary word for word.

#include "BirthdayImport.h"

#include "EventLine.h"

#include <gtest/gtest.h>

namespace {

const Date Today = Date::fromYmd(2026, 12, 7);

VCardContact contact(const char *name, std::optional<VCardBirthday> birthday,
                     std::vector<std::string> emails = {})
{
    return VCardContact{name, std::move(emails), birthday, {}};
}

} // namespace

TEST(BirthdayImport, EachContactBecomesItsNextBirthday)
{
    clsEvent mum;
    mum.Description = "Mum";
    mum.StartingOn = Date::fromYmd(2027, 3, 4);
    mum.Occurs = "Birthday";
    const std::vector<VCardContact> contacts = {
        contact("Mum", VCardBirthday{1956, 3, 4}), // listed already
        contact("Ann", VCardBirthday{1956, 3, 4}, {"a$b@x.org", "no-at.org", "ann@x.org"}),
        contact("Leap", VCardBirthday{0, 2, 29}), // no year
        contact("Leap 2000", VCardBirthday{2000, 2, 29}),
        contact("Today", VCardBirthday{1990, 12, 7}, {"t@x.org"}),
        contact("Future", VCardBirthday{2030, 1, 2}), // a year not yet come
        contact("A$$B$", VCardBirthday{0, 1, 1}),
        contact("Line\nbreak", VCardBirthday{0, 1, 1}),
        contact("No birthday", std::nullopt),
        contact("Ann", VCardBirthday{1956, 3, 4}), // twice in the book
        contact("", VCardBirthday{0, 5, 5}, {"nameless@x.org"}),
    };
    const BirthdayImport import = PlanBirthdayImport(contacts, {mum}, Today);
    std::vector<std::string> lines;
    for (const WrittenEvent &written : import.events)
        lines.push_back(FormatEventLine(written.event));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "$$Ann$$2027-03-04$$Birthday$$3$$ann@x.org$$1956",
                         "$$Leap$$2027-02-28$$Birthday$$3$$$$$$day=29",
                         "$$Leap 2000$$2027-02-28$$Birthday$$3$$$$2000$$day=29",
                         "$$Today$$2026-12-07$$Birthday$$3$$t@x.org$$1990",
                         "$$Future$$2027-01-02$$Birthday$$3$$",
                         "$$A$ $B$ $$2027-01-01$$Birthday$$3$$",
                         "$$Line break$$2027-01-01$$Birthday$$3$$",
                         "$$nameless@x.org$$2027-05-05$$Birthday$$3$$nameless@x.org",
                     }));
    EXPECT_EQ(import.alreadyInList, 2);
    EXPECT_EQ(import.withoutBirthday, 1);
    EXPECT_EQ(ImportSummary(import), "Birthdays imported: 8\r\nAlready in the list: 2\r\n"
                                     "Contacts without a birthday: 1");
    // Every line is one the event file reads back as written.
    for (const std::string &line : lines)
        EXPECT_TRUE(ReadEventLine(line).has_value()) << line;
}

TEST(BirthdayImport, DescriptionsAreMadeSafe)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Ann", "Ann"}, {"a$$$b", "a$ $ $b"}, {"x$", "x$ "}, {"tab\there", "tab here"}};
    for (const auto &[name, safe] : cases) {
        EXPECT_EQ(SafeDescription(name), safe) << name;
        EXPECT_EQ(SafeDescription(name).find("$$"), std::string::npos) << name;
    }
}

TEST(BirthdayImport, ACardImportedBeforeIsFoundByItsUid)
{
    const auto card = [](const char *name, const char *uid) {
        return VCardContact{name, {"b@x.org"}, VCardBirthday{1950, 3, 4}, uid};
    };
    clsEvent other;
    other.Description = "Other";
    other.StartingOn = Date::fromYmd(2027, 1, 1);
    other.Occurs = "Birthday";
    clsEvent aunt = other;
    aunt.Description = "Aunt Bertha";
    aunt.StartingOn = Date::fromYmd(2027, 3, 4);
    aunt.Period = 7; // as the user set it
    aunt.Email = "b@x.org";
    aunt.BirthYear = 1950;
    aunt.Options.Uid = CardEventUid("card-1");
    struct Case
    {
        const char *what;
        std::vector<VCardContact> book;
        std::vector<std::string> updates; // "index: line"
        std::vector<std::string> added;
        int alreadyInList;
    };
    const Case cases[] = {
        {"renamed on the card",
         {card("Bertha M\xC3\xBCller", "card-1")},
         {"1: $$Bertha M\xC3\xBCller$$2027-03-04$$Birthday$$7$$b@x.org$$1950$$uid=card-card-1"},
         {},
         1},
        {"unchanged", {card("Aunt Bertha", "card-1")}, {}, {}, 1},
        {"one card twice", {card("Carl", "c"), card("Carl", "c")}, {}, {"Carl"}, 1},
        {"two names with one UID", {card("Carl", "c"), card("Karl", "c")}, {}, {"Carl"}, 1},
    };
    for (const Case &test : cases) {
        const BirthdayImport import = PlanBirthdayImport(test.book, {other, aunt}, Today);
        std::vector<std::string> updates;
        for (const BirthdayUpdate &update : import.updates) {
            updates.push_back(std::to_string(update.index) + ": " +
                              FormatEventLine(update.written.event));
        }
        std::vector<std::string> added;
        for (const WrittenEvent &written : import.events)
            added.push_back(written.event.Description);
        EXPECT_EQ(updates, test.updates) << test.what;
        EXPECT_EQ(added, test.added) << test.what;
        EXPECT_EQ(import.alreadyInList, test.alreadyInList) << test.what;
    }
}

TEST(BirthdayImport, CardUidsBecomeEventUidsSafeInAnyLine)
{
    EXPECT_EQ(CardEventUid("abc-1@x"), "card-abc-1@x");
    EXPECT_EQ(CardEventUid(""), "");
    for (const std::string &uid :
         {std::string("a$$b"), std::string("a b"), std::string(201, 'a')}) {
        const std::string made = CardEventUid(uid);
        EXPECT_EQ(made.size(), 21u) << uid;
        EXPECT_EQ(made.substr(0, 5), "card-") << uid;
        EXPECT_EQ(made.find_first_not_of("0123456789abcdef", 5), std::string::npos) << uid;
        EXPECT_NE(made, CardEventUid(uid + "x")) << uid;
    }
    EXPECT_EQ(CardEventUid("a$$b"), CardEventUid("a$$b"));
}
