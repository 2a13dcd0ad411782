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
        const char *name;
        EventEntry entry;
        const char *message;
        EntryField focus;
        const char *description; // as it then stands in its box
        const char *email;
        const char *line;
    };
    const Case cases[] = {
        {"taken",
         {"Dentist", "", false, Day, "Once", "3"},
         "",
         EntryField::None,
         "Dentist",
         "",
         "$$Dentist$$2026-12-24$$Once$$3$$"},
        {"empty",
         {"", "a$b", true, Day, "Once", "3"},
         "Description missing!",
         EntryField::Description,
         "",
         "a$b",
         ""},
        {"only a line break",
         {"\n", "", false, Day, "Once", "3"},
         "",
         EntryField::None,
         " ",
         "",
         "$$ $$2026-12-24$$Once$$3$$"},
        {"separator",
         {"A$$B", "x$y", true, Day, "Once", "3"},
         "Event cannot contain: $$\r\nPlease retype event descripton!",
         EntryField::Description,
         "A$$B",
         "x$y",
         ""},
        {"trailing $ gets a blank, then the address is refused",
         {"Cost 5$", "x$y", true, Day, "Once", "3"},
         "E-mail address cannot contain: $\r\nPlease retype the e-mail address!",
         EntryField::Email,
         "Cost 5$ ",
         "x$y",
         ""},
        {"trailing $ taken",
         {"Cost 5$", "", false, Day, "Yearly", "0"},
         "",
         EntryField::None,
         "Cost 5$ ",
         "",
         "$$Cost 5$ $$2026-12-24$$Yearly$$0$$"},
        {"$ in an address nobody mails",
         {"Mum", "a$b", false, Day, "Birthday", "3"},
         "E-mail address cannot contain: $\r\nPlease retype the e-mail address!",
         EntryField::Email,
         "Mum",
         "a$b",
         ""},
        {"no @",
         {"Mum", "mum.example.org", true, Day, "Birthday", "3"},
         "Please enter a valid e-mail address!",
         EntryField::Email,
         "Mum",
         "mum.example.org",
         ""},
        {"no dot",
         {"Mum", "mum@example", true, Day, "Birthday", "3"},
         "Please enter a valid e-mail address!",
         EntryField::Email,
         "Mum",
         "mum@example",
         ""},
        {"an address kept without mail",
         {"Mum", "not an address", false, Day, "Birthday", "3"},
         "",
         EntryField::None,
         "Mum",
         "not an address",
         "$$Mum$$2026-12-24$$Birthday$$3$$not an address"},
        {"control characters blanked",
         {"A\tB\x7f", "m@x.org\r\n", true, Day, "Birthday", "-1"},
         "",
         EntryField::None,
         "A B ",
         "m@x.org  ",
         "$$A B $$2026-12-24$$Birthday$$-1$$m@x.org  "},
        {"a held period as read",
         {"Held", "", false, Day, "Every 100th month", " 300"},
         "",
         EntryField::None,
         "Held",
         "",
         "$$Held$$2026-12-24$$Every 100th month$$ 300$$"},
        {"UTF-8 kept",
         {"Café René", "", false, Day, "Once", "1"},
         "",
         EntryField::None,
         "Café René",
         "",
         "$$Café René$$2026-12-24$$Once$$1$$"},
    };
    for (const Case &c : cases) {
        const EntryVerdict verdict = CheckEventEntry(c.entry);
        EXPECT_EQ(verdict.message, c.message) << c.name;
        EXPECT_EQ(verdict.focus, c.focus) << c.name;
        EXPECT_EQ(verdict.description, c.description) << c.name;
        EXPECT_EQ(verdict.email, c.email) << c.name;
        EXPECT_EQ(verdict.event ? HandedOver(verdict.event) : "", c.line) << c.name;
    }
}
