// SPDX-License-Identifier: GPL-3.0-or-later
// Address books as programs and phones export them: each shape read into names, addresses and
// birthdays.

#include "VCardReader.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

namespace {

VCardContact only(std::string_view text)
{
    const VCardBook book = ReadVCards(text);
    EXPECT_TRUE(book.isAddressBook);
    EXPECT_EQ(book.contacts.size(), 1u) << text;
    return book.contacts.empty() ? VCardContact{} : book.contacts.front();
}

} // namespace

TEST(VCardReader, RealWorldShapes)
{
    struct Case
    {
        const char *what;
        std::string card;
        VCardContact expected;
    };
    const Case cases[] = {
        {"3.0 with groups, several addresses, the preferred one not first",
         "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;Ann;;;\r\nFN:Ann Smith\r\n"
         "item1.EMAIL;TYPE=INTERNET:ann@work.example\r\n"
         "item2.EMAIL;TYPE=INTERNET,pref:ann@home.example\r\nitem2.X-ABLabel:home\r\n"
         "BDAY:1956-03-04\r\nEND:VCARD\r\n",
         {"Ann Smith", {"ann@home.example", "ann@work.example"}, VCardBirthday{1956, 3, 4}, {}}},
        {"2.1 quoted-printable in Latin-1 with a soft break, a bare PREF",
         "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=\n"
         "=FCrgen\nEMAIL;INTERNET:j@one.example\nEMAIL;INTERNET;PREF:j@two.example\n"
         "BDAY:19700101\nEND:VCARD\n",
         {"J\xC3\xBCrgen M\xC3\xBCller",
          {"j@two.example", "j@one.example"},
          VCardBirthday{1970, 1, 1},
          {}}},
        {"4.0, PREF numbers, a folded name, a date without year",
         "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob\r\n  the Builder\r\n"
         "EMAIL;PREF=2:b2@x.example\r\nEMAIL;PREF=1:b1@x.example\r\nBDAY:--0229\r\nEND:VCARD\r\n",
         {"Bob the Builder", {"b1@x.example", "b2@x.example"}, VCardBirthday{0, 2, 29}, {}}},
        {"a date and time, escapes in the name",
         "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Smith\\, Jr.\\; the 2nd\r\n"
         "BDAY:1999-12-31T00:00:00Z\r\nEND:VCARD\r\n",
         {"Smith, Jr.; the 2nd", {}, VCardBirthday{1999, 12, 31}, {}}},
        {"an impossible date",
         "BEGIN:VCARD\r\nFN:Odd\r\nBDAY:2001-02-29\r\nEND:VCARD\r\n",
         {"Odd", {}, std::nullopt, {}}},
        {"a year the address book marks as left out",
         "BEGIN:VCARD\r\nFN:Dee\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-05-06\r\nEND:VCARD\r\n",
         {"Dee", {}, VCardBirthday{0, 5, 6}, {}}},
        {"no person's name, an organisation",
         "BEGIN:VCARD\r\nORG:Acme Inc.;Sales\r\nBDAY:19900102\r\nEND:VCARD\r\n",
         {"Acme Inc.", {}, VCardBirthday{1990, 1, 2}, {}}},
        {"no birthday, only N",
         "BEGIN:VCARD\r\nN:Doe;John;Q.;Dr.;PhD\r\nEND:VCARD\r\n",
         {"Dr. John Q. Doe PhD", {}, std::nullopt, {}}},
        {"a card inside a card (2.1's AGENT) does not count",
         "BEGIN:VCARD\r\nFN:Boss\r\nAGENT:\r\nBEGIN:VCARD\r\nFN:Agent\r\nBDAY:19000101\r\n"
         "END:VCARD\r\nBDAY:19600606\r\nEND:VCARD\r\n",
         {"Boss", {}, VCardBirthday{1960, 6, 6}, {}}},
        {"a UID, folded, kept as the card gives it",
         "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:4fbe8971-0bc3-\r\n "
         "424c@x\r\nFN:Uma\r\nEND:VCARD\r\n",
         {"Uma", {}, std::nullopt, "urn:uuid:4fbe8971-0bc3-424c@x"}},
        {"UTF-8 with a byte-order mark, a name not in UTF-8 without a charset",
         "\xEF\xBB\xBF"
         "BEGIN:VCARD\r\nFN:Caf\xE9\r\nEND:VCARD\r\n",
         {"Caf\xC3\xA9", {}, std::nullopt, {}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(only(c.card), c.expected) << c.what;
}

TEST(VCardReader, SeveralCardsAndFilesThatAreNone)
{
    const VCardBook book = ReadVCards("BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\n"
                                      "BDAY:2000-01-02\nEND:VCARD\nBEGIN:VCARD\nFN:Cut off\n");
    ASSERT_EQ(book.contacts.size(), 2u);
    EXPECT_EQ(book.contacts[1].name, "B");
    EXPECT_FALSE(ReadVCards("").isAddressBook);
    EXPECT_FALSE(ReadVCards("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n").isAddressBook);
    EXPECT_FALSE(ReadVCards("Name,Birthday\nAnn,1956-03-04\n").isAddressBook);
}

TEST(VCardReader, KeywordsInLowerCaseWhateverTheLocale)
{
    // Under a Turkish locale the locale's capital of "i" is not "I"; keywords fold in ASCII.
    const std::string card = "begin:vcard\nfn;encoding=quoted-printable:Ay=C5=9Fe =\nY=C4=B1lmaz\n"
                             "email;type=internet:ayse@example.org\nbday:1990-05-06\nend:vcard\n";
    const VCardContact expected{"Ay\xC5\x9F"
                                "e Y\xC4\xB1lmaz",
                                {"ayse@example.org"},
                                VCardBirthday{1990, 5, 6},
                                {}};
    EXPECT_EQ(only(card), expected);
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "tr_TR.UTF-8") == nullptr) {
        ADD_FAILURE() << "no tr_TR.UTF-8 locale here (./test.sh makes one)";
        return;
    }
    EXPECT_EQ(only(card), expected);
    std::setlocale(LC_ALL, before.c_str());
}

TEST(VCardReader, LongChainsAndHugeValuesAreReadInOnePassAndCapped)
{
    // 100,000 soft breaks in one value, a 10 MB name and a photo line: each is read once, the
    // name cut at a character's end, the photo passed over. (The time is measured in bench/.)
    std::string card = "BEGIN:VCARD\r\nNOTE;ENCODING=QUOTED-PRINTABLE:";
    for (int i = 0; i < 100000; ++i)
        card += "ab=\r\n";
    card += "end\r\nPHOTO;ENCODING=b:" + std::string(1 << 20, 'A') +
            "\r\nFN:" + std::string(10 << 20, 'x') + "\xC3\xA9\r\nEMAIL:" + std::string(300, 'a') +
            "@example.org\r\nEMAIL:z@example.org\r\nBDAY:2000-01-02\r\nEND:VCARD\r\n";
    std::vector<size_t> told;
    const VCardBook book = ReadVCards(card, [&told](size_t read, size_t total) {
        told.push_back(read);
        return read <= total;
    });
    ASSERT_EQ(book.contacts.size(), 1U);
    EXPECT_EQ(book.contacts[0].name, std::string(MaxNameBytes, 'x'));
    EXPECT_EQ(book.contacts[0].emails, std::vector<std::string>{"z@example.org"});
    EXPECT_FALSE(told.empty());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    // A progress that says stop stops the read.
    const VCardBook stopped = ReadVCards(card, [](size_t, size_t) { return false; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.contacts.empty());
}

TEST(TextEncoding, Utf8IsKeptAndOtherBytesAreRead)
{
    EXPECT_TRUE(IsUtf8("Caf\xC3\xA9"));
    for (const char *bad : {"Caf\xE9", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"})
        EXPECT_FALSE(IsUtf8(bad)) << bad;
    EXPECT_EQ(ToUtf8("Caf\xE9 Ren\xE9"), "Caf\xC3\xA9 Ren\xC3\xA9");
    EXPECT_EQ(ToUtf8("\x80", "windows-1252"), "\xE2\x82\xAC");
    EXPECT_EQ(ToUtf8("\xE9", "no-such-charset"), "\xC3\xA9");
}
