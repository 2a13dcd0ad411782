// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContentStamp.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint64_t Multiplier = 0xC2B2AE3D27D4EB4FULL;

uint64_t rotateLeft(uint64_t value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

/// The final avalanche of MurmurHash3, so that every input bit reaches every output bit.
uint64_t finish(uint64_t h)
{
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ULL;
    h ^= h >> 33;
    return h;
}

} // namespace

void ContentHasher::addWord(uint64_t word)
{
    m_state = rotateLeft(m_state ^ (word * Multiplier), 29) * 0x9E3779B185EBCA87ULL;
}

void ContentHasher::Add(std::string_view bytes)
{
    m_size += bytes.size();
    // Eight bytes at a time, carrying what does not fill a word over to the next piece, so the
    // result does not depend on where the pieces were cut.
    if (m_tailSize > 0) {
        const size_t take = std::min(bytes.size(), sizeof m_tail - m_tailSize);
        std::memcpy(m_tail + m_tailSize, bytes.data(), take);
        m_tailSize += static_cast<unsigned>(take);
        bytes.remove_prefix(take);
        if (m_tailSize < sizeof m_tail)
            return;
        uint64_t word = 0;
        std::memcpy(&word, m_tail, sizeof word);
        addWord(word);
        m_tailSize = 0;
    }
    while (bytes.size() >= sizeof(uint64_t)) {
        uint64_t word = 0;
        std::memcpy(&word, bytes.data(), sizeof word);
        addWord(word);
        bytes.remove_prefix(sizeof word);
    }
    m_tailSize = static_cast<unsigned>(bytes.size() % sizeof m_tail);
    std::memcpy(m_tail, bytes.data(), m_tailSize);
}

ContentStamp ContentHasher::Stamp() const
{
    uint64_t last = 0;
    std::memcpy(&last, m_tail, m_tailSize);
    const uint64_t h = rotateLeft(m_state ^ (last * Multiplier), 29) ^ m_size;
    return {m_size, finish(h)};
}

ContentStamp StampOf(std::string_view content)
{
    ContentHasher hasher;
    hasher.Add(content);
    return hasher.Stamp();
}
