#include "ContentStamp.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

TEST(ContentStamp, TheSameBytesGiveTheSameStampHoweverTheyAreCut)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string content(1000, '\0');
    for (char &c : content)
        c = static_cast<char>(byte(random));
    const ContentStamp whole = StampOf(content);
    EXPECT_EQ(whole.size, 1000u);
    std::uniform_int_distribution<size_t> cut(0, 20);
    for (int round = 0; round < 200; ++round) {
        ContentHasher hasher;
        std::string_view rest = content;
        while (!rest.empty()) {
            const size_t n = std::min(cut(random), rest.size());
            hasher.Add(rest.substr(0, n));
            rest.remove_prefix(n);
        }
        ASSERT_EQ(hasher.Stamp(), whole) << round;
    }
}

TEST(ContentStamp, AnyChangeChangesTheStamp)
{
    const std::string base = "$$Mine$$2999-01-01$$Once$$3$$\r\n\r\n";
    const ContentStamp stamp = StampOf(base);
    for (size_t at = 0; at < base.size(); ++at) {
        for (const int flip : {1, 0x20, 0x80}) {
            std::string changed = base;
            changed[at] = static_cast<char>(changed[at] ^ flip);
            EXPECT_NE(StampOf(changed), stamp) << at;
        }
    }
    EXPECT_NE(StampOf(base + '\0'), stamp);
    EXPECT_NE(StampOf(""), StampOf(std::string(1, '\0')));
    EXPECT_NE(StampOf("ab"), StampOf("ba"));
}
