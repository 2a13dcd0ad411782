// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventEntry.h"
#include "HandedOver.h"

#include <gtest/gtest.h>

namespace {

const Date Day = Date::fromYmd(2026, 12, 24);

/// What the controls hold: the description and address as typed, whether "Yes" is chosen, the
/// date, the type and the period's text, and the year of birth.
EventEntry entry(const char *description, const char *email, bool sendsMail, Date date,
                 const char *type, const char *periodText, int birthYear = 0)
{
    return EventEntry{.typed = {.event = {.Id = {},
                                          .Description = description,
                                          .StartingOn = date,
                                          .Occurs = type,
                                          .Period = 0,
                                          .Email = email,
                                          .BirthYear = static_cast<int16_t>(birthYear),
                                          .Options = {}},
                                .periodText = periodText},
                      .sendsMail = sendsMail};
}

} // namespace

TEST(EventEntry, OkChecksInItsOrder)
{
    struct Case
    {
        EventEntry entry;
        const char *message;
        EntryField focus;
        const char *line;                  // what is handed over; "" for nothing
        const char *description = nullptr; // as it then stands in its box, where it changed
        const char *email = nullptr;
    };
    const char *const noEmail =
        "E-mail address cannot contain: $\r\nPlease retype the e-mail address!";
    const char *const invalid = "Please enter a valid e-mail address!";
    using enum EntryField;
    const Case cases[] = {
        {entry("Dentist", "", false, Day, "Once", "3"), "", None,
         "$$Dentist$$2026-12-24$$Once$$3$$"},
        {entry("", "a$b", true, Day, "Once", "3"), "Description missing!", Description, ""},
        {entry("\n", "", false, Day, "Once", "3"), "", None, "$$ $$2026-12-24$$Once$$3$$", " "},
        {entry("A$$B", "x$y", true, Day, "Once", "3"),
         "Event cannot contain: $$\r\nPlease retype event descripton!", Description, ""},
        // A trailing $ gets a blank, then the address is refused.
        {entry("Cost 5$", "x$y", true, Day, "Once", "3"), noEmail, Email, "", "Cost 5$ "},
        {entry("Cost 5$", "", false, Day, "Yearly", "0"), "", None,
         "$$Cost 5$ $$2026-12-24$$Yearly$$0$$", "Cost 5$ "},
        // A $ in an address nobody mails.
        {entry("Mum", "a$b", false, Day, "Birthday", "3"), noEmail, Email, ""},
        {entry("Mum", "mum.example.org", true, Day, "Birthday", "3"), invalid, Email, ""},
        {entry("Mum", "mum@example", true, Day, "Birthday", "3"), invalid, Email, ""},
        {entry("Mum", "not an address", false, Day, "Birthday", "3"), "", None,
         "$$Mum$$2026-12-24$$Birthday$$3$$not an address"},
        // Control characters blanked.
        {entry("A\tB\x7f", "m@x.org\r\n", true, Day, "Birthday", "-1"), "", None,
         "$$A B $$2026-12-24$$Birthday$$-1$$m@x.org  ", "A B ", "m@x.org  "},
        // A period held as read.
        {entry("Held", "", false, Day, "Every 100th month", " 300"), "", None,
         "$$Held$$2026-12-24$$Every 100th month$$ 300$$"},
        {entry("Café René", "", false, Day, "Once", "1"), "", None,
         "$$Café René$$2026-12-24$$Once$$1$$"},
        // A year of birth, and an anniversary's first year; no other type keeps one.
        {entry("Mum", "", false, Day, "Birthday", "3", 1956), "", None,
         "$$Mum$$2026-12-24$$Birthday$$3$$$$1956"},
        {entry("Mum", "", false, Day, "Birthday", "3", 2027),
         "The year of birth cannot lie after the date!", BirthYear, ""},
        {entry("Wedding", "", false, Day, "Yearly on the fourth Thursday", "3", 2000), "", None,
         "$$Wedding$$2026-12-24$$Yearly on the fourth Thursday$$3$$$$2000"},
        {entry("Wedding", "", false, Day, "Every 5th year", "3", 2027),
         "The first year cannot lie after the date!", BirthYear, ""},
        {entry("Rent", "", false, Day, "Monthly", "3", 2000), "", None,
         "$$Rent$$2026-12-24$$Monthly$$3$$"},
    };
    for (const Case &c : cases) {
        const EntryVerdict verdict = CheckEventEntry(c.entry);
        const std::string name = c.entry.typed.event.Description + "/" + c.entry.typed.event.Email;
        EXPECT_EQ(verdict.message, c.message) << name;
        EXPECT_EQ(verdict.focus, c.focus) << name;
        EXPECT_EQ(verdict.description,
                  c.description ? c.description : c.entry.typed.event.Description)
            << name;
        EXPECT_EQ(verdict.email, c.email ? c.email : c.entry.typed.event.Email) << name;
        EXPECT_EQ(verdict.event ? HandedOver(verdict.event) : "", c.line) << name;
    }
}
