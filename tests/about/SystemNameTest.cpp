#include "SystemName.h"
#include "Version.h"

#include <gtest/gtest.h>

TEST(SystemName, WindowsNamesByVersionRecord)
{
    struct Case
    {
        int platform, major, minor;
        const char *name;
    };
    const Case cases[] = {
        {1, 4, 0, "Windows 95"},   {1, 4, 10, "Windows 98"}, {1, 4, 90, "Windows ME"},
        {1, 4, 3, "Windows 32"},   {2, 4, 0, "Windows NT"},  {2, 3, 51, "Windows NT"},
        {2, 5, 0, "Windows 2000"}, {2, 5, 1, "Windows XP"},  {2, 5, 2, "Windows 32"},
        {2, 6, 1, "Windows 32"},   {0, 0, 0, "Windows 32"},  {3, 5, 1, "Windows 32"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(WindowsVersionName(c.platform, c.major, c.minor), c.name);
}

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

TEST(Version, PlainDecimalNumbers)
{
    EXPECT_EQ(ProgramVersionText(), "1.0.0");
}
