// SPDX-License-Identifier: GPL-3.0-or-later
#include "AviReader.h"
#include "MoonrillError.h"

#include "FileRead.h"
#include "Paths.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string clipBytes(const char *name)
{
    const std::optional<std::string> bytes =
        ReadWholeFile(JoinPath(ExecutableFolder(), std::string("anim/") + name));
    if (!bytes)
        throw std::runtime_error(std::string("clip not built: ") + name);
    return *bytes;
}

void put32(std::string &bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + size_t(i)] = char((value >> (8 * i)) & 0xff);
}

int errorOf(const std::string &bytes)
{
    try {
        (void)ReadAviClip(bytes);
    } catch (const MoonrillError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(AviReader, ReadsEveryClipWeDraw)
{
    struct Clip
    {
        const char *name;
        int width;
        int height;
        size_t frames;
    };
    for (const Clip &c : {Clip{"bell.avi", 32, 32, 8}, Clip{"writeexclamation.avi", 48, 48, 14},
                          Clip{"clock.avi", 32, 32, 12}, Clip{"serverdl.avi", 48, 56, 9},
                          Clip{"update app.avi", 48, 48, 12}}) {
        const AviClip clip = ReadAviClip(clipBytes(c.name));
        EXPECT_EQ(clip.width, c.width) << c.name;
        EXPECT_EQ(clip.height, c.height) << c.name;
        EXPECT_EQ(clip.frames.size(), c.frames) << c.name;
        EXPECT_GT(clip.microsecondsPerFrame, 0);
        // The top-left corner is background white; the frames differ from each other.
        EXPECT_EQ(clip.frames[0][0], 0xffffffffu) << c.name;
        EXPECT_NE(clip.frames[0], clip.frames[1]) << c.name;
    }
}

TEST(AviReader, EveryTruncationIsRefused)
{
    const std::string bytes = clipBytes("bell.avi");
    for (size_t length = 0; length < bytes.size(); length += 7)
        EXPECT_NE(errorOf(bytes.substr(0, length)), 0) << length;
}

TEST(AviReader, LyingHeadersAreRefused)
{
    const std::string good = clipBytes("bell.avi");
    const size_t strf = good.find("strf") + 8;
    const size_t avih = good.find("avih") + 8;
    const size_t movi = good.find("movi") - 8;
    auto with = [&](size_t at, uint32_t value) {
        std::string bytes = good;
        put32(bytes, at, value);
        return bytes;
    };
    EXPECT_NE(errorOf(with(4, 0xfffffff0u)), 0);            // RIFF size beyond the file
    EXPECT_NE(errorOf(with(strf + 4, 5000)), 0);            // width over 4096
    EXPECT_NE(errorOf(with(strf + 8, uint32_t(-5000))), 0); // height over 4096, top-down
    EXPECT_NE(errorOf(with(strf + 4, 0)), 0);               // no width
    EXPECT_NE(errorOf(with(strf + 16, 1)), 0);              // compressed
    EXPECT_NE(errorOf(with(strf + 32, 100000)), 0);         // palette beyond the chunk
    EXPECT_NE(errorOf(with(avih + 16, 0x7fffffff)), 0);     // absurd frame count
    EXPECT_NE(errorOf(with(movi + 4, 0x7ffffff0)), 0);      // movie list beyond its parent
    EXPECT_NE(errorOf(with(strf + 4, 4096)), 0);            // frames too short for the width
    std::string notAvi = good;
    notAvi[8] = 'W';
    EXPECT_NE(errorOf(notAvi), 0);
}

TEST(AviReader, OnlyARegularFileOfSensibleSizeIsRead)
{
    // The clip is read as the event file is (SpecialFilesTest tries every kind of file there);
    // here the clip's own words and limit, and a clip that is not there.
    TempFolder folder;
    ASSERT_EQ(::symlink("/dev/zero", folder.file("zero.avi").c_str()), 0);
    {
        std::ofstream big(folder.file("big.avi"), std::ios::binary);
        big.seekp(std::streamoff(AviMaxFileBytes));
        big.put('x'); // one byte over the limit, the rest a hole
    }
    const std::pair<const char *, std::string> cases[] = {
        {"zero.avi", " is a character device, not a clip"},
        {"big.avi", " is too large for a clip (more than 32 MB)"},
        {"missing.avi", ""}};
    for (const auto &[name, said] : cases) {
        try {
            (void)LoadAviClip(folder.file(name));
            ADD_FAILURE() << name << " was read";
        } catch (const MoonrillError &error) {
            EXPECT_EQ(error.number() == MoonrillError::FileNotFound, said.empty()) << name;
            if (!said.empty()) {
                EXPECT_EQ(error.what(), folder.file(name) + said);
            }
        }
    }
}
