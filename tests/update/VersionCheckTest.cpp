// SPDX-License-Identifier: GPL-3.0-or-later
#include "VersionCheck.h"

#include <gtest/gtest.h>

TEST(VersionCheck, OnlyDottedDecimalsAreVersions)
{
    using V = std::vector<int>;
    EXPECT_EQ(ParseVersion("1.3.0"), (V{1, 3, 0}));
    EXPECT_EQ(ParseVersion(" 2.0 "), (V{2, 0}));
    EXPECT_EQ(ParseVersion("1.10.0"), (V{1, 10, 0}));
    EXPECT_EQ(ParseVersion("7"), (V{7}));
    for (const char *bad : {"", "<html>", "1..2", ".1", "1.", "1.2a", "v1.2", "1,2",
                            "1.2.3.4.5.6.7.8.9", "1234567.0"})
        EXPECT_EQ(ParseVersion(bad), std::nullopt) << bad;
    EXPECT_EQ(FirstLine("1.3.0\r\n<html>"), "1.3.0");
    EXPECT_EQ(FirstLine("1.3.0"), "1.3.0");
    EXPECT_EQ(FirstLine("\n1.3.0"), "");
}

TEST(VersionCheck, ComparedPartByPart)
{
    EXPECT_GT(CompareVersions({1, 10, 0}, {1, 9, 0}), 0);
    EXPECT_LT(CompareVersions({1, 2, 0}, {1, 3, 0}), 0);
    EXPECT_EQ(CompareVersions({1, 2, 0}, {1, 2, 0}), 0);
    EXPECT_EQ(CompareVersions({1, 2}, {1, 2, 0}), 0);
    EXPECT_GT(CompareVersions({2}, {1, 9, 9}), 0);
}
