// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Text kept as bytes is UTF-8. Older files and address books may hold 8-bit text of another
// character set; these turn such bytes into UTF-8 without losing any.

/// Whether `bytes` are well-formed UTF-8 (no overlong forms, no surrogates, nothing past
/// U+10FFFF).
[[nodiscard]] bool IsUtf8(std::string_view bytes);

/// Latin-1 bytes as UTF-8: each byte is the character of that number.
[[nodiscard]] std::string Latin1ToUtf8(std::string_view bytes);

/// Bytes in the character set `charset` (as a MIME name such as "ISO-8859-1" or "windows-1252")
/// as UTF-8. With no character set named, or one that cannot be converted from, bytes that are
/// UTF-8 stay as they are and others are read as Latin-1.
[[nodiscard]] std::string ToUtf8(std::string_view bytes, std::string_view charset = {});

/// `text` with every control character (a pasted line break among them, which would split a
/// line of a file) turned into a blank.
[[nodiscard]] std::string WithoutControlCharacters(std::string text);

/// `text` cut to at most `bytes` bytes, never inside a UTF-8 character.
[[nodiscard]] std::string CutUtf8(std::string text, size_t bytes);

/// `c` in capitals when it is an ASCII letter, otherwise as it is. Keywords of files and
/// protocols ("BEGIN", "bday", "quoted-printable") are folded this way and never by the user's
/// locale, under which (in Turkish, say) "i" has another capital.
[[nodiscard]] constexpr char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
