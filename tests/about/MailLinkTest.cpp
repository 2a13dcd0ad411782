// SPDX-License-Identifier: GPL-3.0-or-later
#include "MailLink.h"
#include "SystemName.h"

#include <gtest/gtest.h>

TEST(MailLink, BirthdayLinkEncodesTheAddressOnly)
{
    EXPECT_EQ(BirthdayMailLink("mum@example.org"),
              "mailto:mum@example.org?subject=Happy birthday!");
    EXPECT_EQ(BirthdayMailLink("a+b@x.org"), "mailto:a+b@x.org?subject=Happy birthday!");
    // Characters that would add headers or cut the link stay inside the address.
    EXPECT_EQ(BirthdayMailLink("x@y.z?cc=evil@bad.org&body=hi#frag"),
              "mailto:x@y.z%3Fcc%3Devil@bad.org%26body%3Dhi%23frag?subject=Happy birthday!");
    EXPECT_EQ(BirthdayMailLink("100%@x.org"), "mailto:100%25@x.org?subject=Happy birthday!");
    EXPECT_EQ(BirthdayMailLink(""), "mailto:?subject=Happy birthday!");
}

TEST(MailLink, ContactLinkKeepsWhatTheUserTyped)
{
    struct Case
    {
        const char *type;
        const char *message;
        const char *link;
    };
    const Case cases[] = {
        {"Bug Report", "It crashes\nwhen I print",
         "mailto:me@x.org?subject=Moonrill%20-%20Bug%20Report&body=Moonrill%20version%3A%201.2.0%0A"
         "Windows%20version%3A%20Windows%2098%0A%0A-%3E%20Bug%20Report%3A%0AIt%20crashes%0Awhen%"
         "20I%20print"},
        {"Request", "a & b #c 100%\r\nnext",
         "mailto:me@x.org?subject=Moonrill%20-%20Request&body=Moonrill%20version%3A%201.2.0%0A"
         "Windows%20version%3A%20Windows%2098%0A%0A-%3E%20Request%3A%0Aa%20%26%20b%20%23c%20100%25%"
         "0Anext"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ContactMailLink("me@x.org", c.type, "1.2.0", "Windows 98", c.message), c.link)
            << c.message;
}

// The system's name, which the contact mail carries.

TEST(SystemName, FromOsRelease)
{
    EXPECT_EQ(SystemNameFromOsRelease(
                  "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"),
              "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(SystemNameFromOsRelease("NAME=Fedora\n"), "Fedora");
    EXPECT_EQ(SystemNameFromOsRelease("PRETTY_NAME='Say \\\"hi\\\"'\n"), "Say \"hi\"");
    EXPECT_EQ(SystemNameFromOsRelease(""), "Linux");
    EXPECT_FALSE(OperatingSystemName().empty());
}
