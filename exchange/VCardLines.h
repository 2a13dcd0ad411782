// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The lines of a vCard file as its readers take them: folded lines joined, quoted-printable
// soft breaks undone, in one pass however the file is shaped.

/// A content line longer than this is none a birthday needs (a photo, say): only its start is
/// kept, so that it is never held whole.
inline constexpr size_t MaxLineBytes = size_t{64} * 1024;

/// Reads the logical lines of a text one by one, in one pass: a line that begins with a blank or
/// a tab goes on the line before it, and so does the line after a quoted-printable value's soft
/// break ("=" at its end). Whether a line is quoted-printable is decided once, from its head.
class LineUnfolder
{
public:
    explicit LineUnfolder(std::string_view text);

    /// The next logical line (only its first MaxLineBytes); no value at the end of the text.
    std::optional<std::string_view> next();

    /// How far the reading has come, in bytes.
    [[nodiscard]] size_t position() const { return m_at; }

private:
    std::string_view physical();
    void append(std::string_view segment);

    std::string_view m_text;
    size_t m_at = 0;
    std::string m_line;
    std::string m_head; // the head read so far, in capitals, until its ":"
    bool m_headEnded = false;
    bool m_quoted = false;
    bool m_quotedPrintable = false;
    bool m_softBreak = false;
};
