#include "MailLink.h"

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

TEST(MailLink, PercentEncodeKeepsOnlyUnreservedAndAskedFor)
{
    EXPECT_EQ(PercentEncode("a b&c=d#e%f"), "a%20b%26c%3Dd%23e%25f");
    EXPECT_EQ(PercentEncode("caf\xc3\xa9"), "caf%C3%A9");
    EXPECT_EQ(PercentEncode("x/y", "/"), "x/y");
    EXPECT_EQ(PercentEncode("A-Z_a.z~0"), "A-Z_a.z~0");
}
