// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

/// A fingerprint of a file's content: its length and a 64-bit hash. Two contents with equal
/// stamps are taken to be equal; the program uses it to notice that another program changed its
/// event file since this run last read or wrote it.
struct ContentStamp
{
    uint64_t size = 0;
    uint64_t hash = 0;

    friend bool operator==(const ContentStamp &, const ContentStamp &) = default;
};

/// Builds a stamp from content given in pieces of any size: the same bytes give the same stamp
/// however they are cut.
class ContentHasher
{
public:
    void Add(std::string_view bytes);
    [[nodiscard]] ContentStamp Stamp() const;

private:
    void addWord(uint64_t word);

    uint64_t m_state = 0x9E3779B97F4A7C15ULL;
    uint64_t m_size = 0;
    unsigned char m_tail[8] = {};
    unsigned m_tailSize = 0;
};

/// The stamp of a whole content.
[[nodiscard]] ContentStamp StampOf(std::string_view content);
