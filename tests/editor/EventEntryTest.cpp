// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventEntry.h"
#include "HandedOver.h"

#include <gtest/gtest.h>

namespace {

const Date Day = Date::fromYmd(2026, 12, 24);

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
        {{"Dentist", "", false, Day, "Once", "3"}, "", None, "$$Dentist$$2026-12-24$$Once$$3$$"},
        {{"", "a$b", true, Day, "Once", "3"}, "Description missing!", Description, ""},
        {{"\n", "", false, Day, "Once", "3"}, "", None, "$$ $$2026-12-24$$Once$$3$$", " "},
        {{"A$$B", "x$y", true, Day, "Once", "3"},
         "Event cannot contain: $$\r\nPlease retype event descripton!",
         Description,
         ""},
        // A trailing $ gets a blank, then the address is refused.
        {{"Cost 5$", "x$y", true, Day, "Once", "3"}, noEmail, Email, "", "Cost 5$ "},
        {{"Cost 5$", "", false, Day, "Yearly", "0"},
         "",
         None,
         "$$Cost 5$ $$2026-12-24$$Yearly$$0$$",
         "Cost 5$ "},
        // A $ in an address nobody mails.
        {{"Mum", "a$b", false, Day, "Birthday", "3"}, noEmail, Email, ""},
        {{"Mum", "mum.example.org", true, Day, "Birthday", "3"}, invalid, Email, ""},
        {{"Mum", "mum@example", true, Day, "Birthday", "3"}, invalid, Email, ""},
        {{"Mum", "not an address", false, Day, "Birthday", "3"},
         "",
         None,
         "$$Mum$$2026-12-24$$Birthday$$3$$not an address"},
        // Control characters blanked.
        {{"A\tB\x7f", "m@x.org\r\n", true, Day, "Birthday", "-1"},
         "",
         None,
         "$$A B $$2026-12-24$$Birthday$$-1$$m@x.org  ",
         "A B ",
         "m@x.org  "},
        // A period held as read.
        {{"Held", "", false, Day, "Every 100th month", " 300"},
         "",
         None,
         "$$Held$$2026-12-24$$Every 100th month$$ 300$$"},
        {{"Café René", "", false, Day, "Once", "1"},
         "",
         None,
         "$$Café René$$2026-12-24$$Once$$1$$"},
    };
    for (const Case &c : cases) {
        const EntryVerdict verdict = CheckEventEntry(c.entry);
        const std::string name = c.entry.description + "/" + c.entry.email;
        EXPECT_EQ(verdict.message, c.message) << name;
        EXPECT_EQ(verdict.focus, c.focus) << name;
        EXPECT_EQ(verdict.description, c.description ? c.description : c.entry.description) << name;
        EXPECT_EQ(verdict.email, c.email ? c.email : c.entry.email) << name;
        EXPECT_EQ(verdict.event ? HandedOver(verdict.event) : "", c.line) << name;
    }
}
