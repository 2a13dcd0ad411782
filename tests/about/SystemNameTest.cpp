#include "SystemName.h"

#include <gtest/gtest.h>

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
