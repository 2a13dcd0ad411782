// SPDX-License-Identifier: GPL-3.0-or-later
#include "AviReader.h"

#include "FileRead.h"
#include "MoonrillError.h"

#include <optional>

namespace {

[[noreturn]] void invalid(const std::string &why)
{
    throw MoonrillError(MoonrillError::InvalidFormat, "Invalid file format (" + why + ")");
}

uint32_t u32(std::string_view b, size_t at)
{
    if (at + 4 > b.size())
        invalid("truncated");
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

uint16_t u16(std::string_view b, size_t at)
{
    if (at + 2 > b.size())
        invalid("truncated");
    return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}

int32_t i32(std::string_view b, size_t at)
{
    return static_cast<int32_t>(u32(b, at));
}

/// One chunk: its four-character code and its body, already checked to lie inside the parent.
struct Chunk
{
    std::string_view id;
    std::string_view body;
};

/// Walks the chunks of one RIFF list body in order.
class ChunkWalker
{
public:
    explicit ChunkWalker(std::string_view body) : m_rest(body) {}

    std::optional<Chunk> next()
    {
        if (m_rest.size() < 8)
            return std::nullopt;
        const std::string_view id = m_rest.substr(0, 4);
        const uint32_t size = u32(m_rest, 4);
        if (size > m_rest.size() - 8)
            invalid("chunk larger than its list");
        const Chunk chunk{id, m_rest.substr(8, size)};
        const size_t advance = 8 + size + (size & 1);
        m_rest = advance >= m_rest.size() ? std::string_view{} : m_rest.substr(advance);
        return chunk;
    }

private:
    std::string_view m_rest;
};

struct Format
{
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::vector<uint32_t> palette;
};

Format readFormat(std::string_view strf)
{
    if (strf.size() < 40)
        invalid("short format");
    const uint32_t headerSize = u32(strf, 0);
    if (headerSize < 40 || headerSize > strf.size())
        invalid("bad format size");
    Format f;
    const int32_t width = i32(strf, 4);
    const int32_t height = i32(strf, 8);
    f.bitCount = u16(strf, 14);
    const uint32_t compression = u32(strf, 16);
    const uint32_t colorsUsed = u32(strf, 32);
    if (compression != 0)
        invalid("compressed frames");
    if (f.bitCount != 8 && f.bitCount != 24 && f.bitCount != 32)
        invalid("unsupported bit depth");
    if (width <= 0 || width > AviMaxDimension || height == 0 || height < -AviMaxDimension ||
        height > AviMaxDimension)
        invalid("bad dimensions");
    f.width = width;
    f.topDown = height < 0;
    f.height = height < 0 ? -height : height;
    if (f.bitCount == 8) {
        const uint32_t colors = colorsUsed == 0 ? 256 : colorsUsed;
        if (colors > 256 || headerSize + size_t{colors} * 4 > strf.size())
            invalid("bad palette");
        for (uint32_t i = 0; i < colors; ++i) {
            const size_t at = headerSize + size_t{i} * 4;
            f.palette.push_back(0xff000000u | uint32_t(uint8_t(strf[at + 2])) << 16 |
                                uint32_t(uint8_t(strf[at + 1])) << 8 | uint8_t(strf[at]));
        }
    }
    return f;
}

std::vector<uint32_t> decodeFrame(std::string_view data, const Format &f)
{
    const size_t bytesPerPixel = size_t(f.bitCount) / 8;
    const size_t stride = (size_t(f.width) * bytesPerPixel + 3) & ~size_t{3};
    if (data.size() < stride * size_t(f.height))
        invalid("short frame");
    std::vector<uint32_t> pixels(size_t(f.width) * size_t(f.height));
    for (int y = 0; y < f.height; ++y) {
        const int sourceRow = f.topDown ? y : f.height - 1 - y;
        const std::string_view row = data.substr(size_t(sourceRow) * stride, stride);
        uint32_t *out = pixels.data() + size_t(y) * size_t(f.width);
        for (int x = 0; x < f.width; ++x) {
            const size_t at = size_t(x) * bytesPerPixel;
            if (f.bitCount == 8) {
                const auto index = uint8_t(row[at]);
                if (index >= f.palette.size())
                    invalid("colour outside the palette");
                out[x] = f.palette[index];
            } else {
                out[x] = 0xff000000u | uint32_t(uint8_t(row[at + 2])) << 16 |
                         uint32_t(uint8_t(row[at + 1])) << 8 | uint8_t(row[at]);
            }
        }
    }
    return pixels;
}

} // namespace

AviClip ReadAviClip(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "AVI ")
        invalid("not an AVI file");
    const uint32_t riffSize = u32(bytes, 4);
    if (riffSize < 4 || riffSize > bytes.size() - 8)
        invalid("truncated");
    ChunkWalker top(bytes.substr(12, riffSize - 4));

    AviClip clip;
    std::optional<Format> format;
    uint32_t declaredFrames = 0;
    bool sawMovie = false;
    while (const std::optional<Chunk> chunk = top.next()) {
        if (chunk->id != "LIST" || chunk->body.size() < 4)
            continue;
        const std::string_view kind = chunk->body.substr(0, 4);
        ChunkWalker inner(chunk->body.substr(4));
        if (kind == "hdrl") {
            while (const std::optional<Chunk> h = inner.next()) {
                if (h->id == "avih") {
                    if (h->body.size() < 40)
                        invalid("short main header");
                    clip.microsecondsPerFrame = static_cast<int>(u32(h->body, 0) & 0x7fffffff);
                    declaredFrames = u32(h->body, 16);
                    if (declaredFrames > AviMaxFrames)
                        invalid("too many frames");
                } else if (h->id == "LIST" && h->body.size() >= 4 &&
                           h->body.substr(0, 4) == "strl" && !format) {
                    ChunkWalker stream(h->body.substr(4));
                    bool video = false;
                    while (const std::optional<Chunk> s = stream.next()) {
                        if (s->id == "strh" && s->body.size() >= 4)
                            video = s->body.substr(0, 4) == "vids";
                        else if (s->id == "strf" && video)
                            format = readFormat(s->body);
                    }
                }
            }
        } else if (kind == "movi") {
            if (!format)
                invalid("frames before the format");
            sawMovie = true;
            while (const std::optional<Chunk> frame = inner.next()) {
                if (frame->id.size() != 4 || frame->id.substr(0, 2) != "00" ||
                    (frame->id.substr(2) != "db" && frame->id.substr(2) != "dc"))
                    continue;
                if (clip.frames.size() >= AviMaxFrames ||
                    (clip.frames.size() + 1) * size_t(format->width) * size_t(format->height) >
                        AviMaxPixels)
                    invalid("too many frames");
                clip.frames.push_back(decodeFrame(frame->body, *format));
            }
        }
    }
    if (!format || !sawMovie || clip.frames.empty())
        invalid("no frames");
    clip.width = format->width;
    clip.height = format->height;
    return clip;
}

AviClip LoadAviClip(const std::string &path)
{
    // A FIFO or a device under a clip's name must never hang a window or fill the memory.
    const std::optional<std::string> bytes =
        ReadWholeFile(path, ReadRules{.noun = "a clip", .maxBytes = AviMaxFileBytes});
    if (!bytes)
        throw MoonrillError(MoonrillError::FileNotFound, "File not found");
    return ReadAviClip(*bytes);
}
