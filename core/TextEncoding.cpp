// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextEncoding.h"

#include <cerrno>
#include <iconv.h>

bool IsUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        uint32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + size_t(length) > bytes.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + size_t(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += size_t(length);
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 0x80) {
            text += byte;
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

namespace {

/// Converts with iconv; false when the character set is unknown or the bytes do not convert.
bool convert(std::string_view bytes, const std::string &charset, std::string &out)
{
    iconv_t converter = iconv_open("UTF-8", charset.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string input(bytes);
    out.assign(bytes.size() * 4 + 16, '\0');
    char *in = input.data();
    size_t inLeft = input.size();
    char *to = out.data();
    size_t toLeft = out.size();
    const size_t done = iconv(converter, &in, &inLeft, &to, &toLeft);
    iconv_close(converter);
    if (done == static_cast<size_t>(-1) || inLeft != 0)
        return false;
    out.resize(out.size() - toLeft);
    return true;
}

} // namespace

std::string ToUtf8(std::string_view bytes, std::string_view charset)
{
    std::string converted;
    if (!charset.empty() && convert(bytes, std::string(charset), converted) && IsUtf8(converted))
        return converted;
    return IsUtf8(bytes) ? std::string(bytes) : Latin1ToUtf8(bytes);
}

std::string CutUtf8(std::string text, size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
    return text;
}

std::string WithoutControlCharacters(std::string text)
{
    // In UTF-8 the bytes below 0x20 and 0x7F stand for those characters alone.
    for (char &c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    }
    return text;
}
