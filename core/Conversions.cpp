// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conversions.h"

#include "MoonrillError.h"

#include <charconv>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitsValue(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

void AppendDateText(std::string &out, Date date)
{
    const Date::Ymd d = date.ymd();
    char text[10];
    int year = d.year;
    for (int i = 3; i >= 0; --i) {
        text[i] = static_cast<char>('0' + year % 10);
        year /= 10;
    }
    text[4] = '-';
    text[5] = static_cast<char>('0' + d.month / 10);
    text[6] = static_cast<char>('0' + d.month % 10);
    text[7] = '-';
    text[8] = static_cast<char>('0' + d.day / 10);
    text[9] = static_cast<char>('0' + d.day % 10);
    out.append(text, sizeof text);
}

std::string DateToText(Date date)
{
    std::string text;
    AppendDateText(text, date);
    return text;
}

Date TextToDate(std::string_view text)
{
    // Every line of the file passes here at each logon, nearly always as the writer wrote it:
    // ten characters, no blanks, so the blanks are looked for only where the length is off.
    const std::string_view t = text.size() == 10 ? text : trimmed(text);
    if (t.size() != 10 || t[4] != '-' || t[7] != '-')
        throw MoonrillError::typeMismatch();
    const auto digit = [&t](size_t at) { return static_cast<unsigned>(t[at] - '0'); };
    const unsigned y0 = digit(0), y1 = digit(1), y2 = digit(2), y3 = digit(3);
    const unsigned m0 = digit(5), m1 = digit(6), d0 = digit(8), d1 = digit(9);
    if (y0 > 9 || y1 > 9 || y2 > 9 || y3 > 9 || m0 > 9 || m1 > 9 || d0 > 9 || d1 > 9)
        throw MoonrillError::typeMismatch();
    const auto year = static_cast<int>(y0 * 1000 + y1 * 100 + y2 * 10 + y3);
    const auto month = static_cast<int>(m0 * 10 + m1);
    const auto day = static_cast<int>(d0 * 10 + d1);
    if (year < 1 || !Date::isValid(year, month, day))
        throw MoonrillError::typeMismatch();
    return Date::fromYmd(year, month, day);
}

int16_t TextToInt16(std::string_view text)
{
    // The common notice period, one or two digits as written, read without the general walk.
    if (!text.empty() && text.size() <= 2 && isDigit(text[0]) && isDigit(text.back()))
        return static_cast<int16_t>(digitsValue(text));
    std::string_view t = trimmed(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty())
        throw MoonrillError::typeMismatch();
    for (const char c : t) {
        if (!isDigit(c))
            throw MoonrillError::typeMismatch();
    }
    while (t.size() > 1 && t.front() == '0')
        t.remove_prefix(1);
    if (t.size() > 5)
        throw MoonrillError::overflow();
    const int magnitude = digitsValue(t);
    const int value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        throw MoonrillError::overflow();
    return static_cast<int16_t>(value);
}

void AppendIntText(std::string &out, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string IntToText(long long value)
{
    std::string text;
    AppendIntText(text, value);
    return text;
}

std::string PaddedDayCount(int32_t days)
{
    std::string text = IntToText(days);
    if (text.size() < 5)
        text.insert(0, 5 - text.size(), ' ');
    return text;
}
