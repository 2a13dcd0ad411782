// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// An uncompressed AVI clip, decoded: every frame top-down as 0xAARRGGBB pixels.
struct AviClip
{
    int width = 0;
    int height = 0;
    int microsecondsPerFrame = 0;
    std::vector<std::vector<uint32_t>> frames;
};

/// Limits that keep a lying file from making us allocate or read without end.
inline constexpr int AviMaxDimension = 4096;
inline constexpr int AviMaxFrames = 10000;
inline constexpr size_t AviMaxPixels = size_t{64} << 20; // over all frames
/// A clip file larger than this is refused unread.
inline constexpr size_t AviMaxFileBytes = size_t{32} << 20;

/// Decodes a RIFF AVI file with one video stream of uncompressed frames (8-bit palettised, 24-
/// or 32-bit). Throws a MoonrillError for anything else, for truncated files and for sizes,
/// counts or dimensions that do not add up; never reads outside `bytes`.
[[nodiscard]] AviClip ReadAviClip(std::string_view bytes);

/// Reads and decodes the clip at `path`; a missing file is error 53, "File not found". Anything
/// but a regular file, and a file over AviMaxFileBytes, is refused without being read.
[[nodiscard]] AviClip LoadAviClip(const std::string &path);
