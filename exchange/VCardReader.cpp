// SPDX-License-Identifier: GPL-3.0-or-later
#include "VCardReader.h"

#include "Date.h"
#include "TextEncoding.h"
#include "VCardLines.h"

#include <algorithm>
#include <functional>

namespace {

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = AsciiUpper(c);
    return result;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && upper(a) == upper(b);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

/// Where `c` first stands outside double quotes, from `from` on.
size_t findUnquoted(std::string_view text, char c, size_t from = 0)
{
    bool quoted = false;
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == c && !quoted)
            return i;
    }
    return std::string_view::npos;
}

/// One parameter: "TYPE=home,pref" gives TYPE and its values; a bare "PREF" (2.1) gives an
/// empty name and the value PREF.
struct Parameter
{
    std::string name;
    std::vector<std::string> values;
};

/// One content line: its name without group, its parameters and its raw value.
struct ContentLine
{
    std::string name;
    std::vector<Parameter> parameters;
    std::string_view value;

    [[nodiscard]] bool has(std::string_view parameter, std::string_view value) const
    {
        for (const Parameter &p : parameters) {
            if (!p.name.empty() && !equalNoCase(p.name, parameter))
                continue;
            for (const std::string &v : p.values) {
                if (equalNoCase(v, value))
                    return true;
            }
        }
        return false;
    }
    [[nodiscard]] std::string valueOf(std::string_view parameter) const
    {
        for (const Parameter &p : parameters) {
            if (equalNoCase(p.name, parameter) && !p.values.empty())
                return p.values.front();
        }
        return {};
    }
};

Parameter readParameter(std::string_view text)
{
    Parameter parameter;
    const size_t equals = findUnquoted(text, '=');
    std::string_view values = text;
    if (equals != std::string_view::npos) {
        parameter.name = upper(trimmed(text.substr(0, equals)));
        values = text.substr(equals + 1);
    }
    size_t start = 0;
    for (;;) {
        const size_t comma = findUnquoted(values, ',', start);
        std::string_view one = trimmed(values.substr(start, comma - start));
        if (one.size() >= 2 && one.front() == '"' && one.back() == '"')
            one = one.substr(1, one.size() - 2);
        parameter.values.emplace_back(one);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return parameter;
}

std::optional<ContentLine> readContentLine(std::string_view line)
{
    const size_t colon = findUnquoted(line, ':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view head = line.substr(0, colon);
    ContentLine result;
    result.value = line.substr(colon + 1);
    size_t semicolon = findUnquoted(head, ';');
    std::string_view name = head.substr(0, semicolon);
    if (const size_t dot = name.rfind('.'); dot != std::string_view::npos)
        name = name.substr(dot + 1); // "item1.EMAIL": the group does not matter here
    result.name = upper(trimmed(name));
    while (semicolon != std::string_view::npos) {
        const size_t next = findUnquoted(head, ';', semicolon + 1);
        const std::string_view text = head.substr(semicolon + 1, next - semicolon - 1);
        if (!trimmed(text).empty())
            result.parameters.push_back(readParameter(text));
        semicolon = next;
    }
    return result;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string quotedPrintable(std::string_view text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            result += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

/// The value's bytes as UTF-8 text: decoded from quoted-printable where the line says so, and
/// converted from the character set it names (or from Latin-1 when the bytes are no UTF-8).
std::string decodedValue(const ContentLine &line)
{
    const bool qp = line.has("ENCODING", "QUOTED-PRINTABLE");
    std::string bytes = qp ? quotedPrintable(line.value) : std::string(line.value);
    return ToUtf8(bytes, line.valueOf("CHARSET"));
}

/// Splits a structured value at its unescaped ";" and undoes the escapes of each part.
std::vector<std::string> textParts(std::string_view value)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            parts.back() += (next == 'n' || next == 'N') ? '\n' : next;
        } else if (c == ';') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

std::string joinedName(const std::vector<std::string> &n)
{
    // N is family; given; additional; prefixes; suffixes. People are named given name first.
    std::string name;
    for (const size_t i : {size_t{3}, size_t{1}, size_t{2}, size_t{0}, size_t{4}}) {
        if (i >= n.size())
            continue;
        const std::string_view part = trimmed(n[i]);
        if (part.empty())
            continue;
        if (!name.empty())
            name += ' ';
        name += part;
    }
    return name;
}

bool allDigits(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

std::optional<VCardBirthday> readBirthday(const ContentLine &line)
{
    if (line.has("VALUE", "text"))
        return std::nullopt;
    std::string value(trimmed(line.value));
    if (const size_t t = value.find_first_of("Tt"); t != std::string::npos)
        value.erase(t); // a time of day, as some programs add, does not matter
    VCardBirthday birthday;
    std::string digits;
    if (value.starts_with("--")) {
        for (const char c : value.substr(2))
            if (c != '-')
                digits += c;
        if (digits.size() != 4 || !allDigits(digits))
            return std::nullopt;
        birthday.month = number(digits.substr(0, 2));
        birthday.day = number(digits.substr(2, 2));
    } else {
        for (const char c : value)
            if (c != '-')
                digits += c;
        const bool dashes = value.size() == 10 && value[4] == '-' && value[7] == '-';
        if (digits.size() != 8 || !allDigits(digits) || (value.size() != 8 && !dashes))
            return std::nullopt;
        birthday.year = number(digits.substr(0, 4));
        birthday.month = number(digits.substr(4, 2));
        birthday.day = number(digits.substr(6, 2));
        // Address books that cannot leave the year out write a year they name as omitted.
        const std::string omitted = line.valueOf("X-APPLE-OMIT-YEAR");
        if (birthday.year == 0 || (!omitted.empty() && allDigits(omitted) &&
                                   number(omitted.substr(0, 5)) == birthday.year))
            birthday.year = 0;
    }
    // A day that no year has is no birthday; 29 February is one when the year is left out.
    const int year = birthday.year > 0 ? birthday.year : 2000;
    if (!Date::isValid(year, birthday.month, birthday.day))
        return std::nullopt;
    return birthday;
}

/// How strongly a card prefers an address: TYPE=pref and a bare PREF first, then PREF=1..100
/// (4.0, lower first), then the rest.
int preference(const ContentLine &line)
{
    if (line.has("TYPE", "pref") || line.has("", "PREF"))
        return 0;
    const std::string pref = line.valueOf("PREF");
    if (allDigits(pref) && pref.size() <= 3)
        return number(pref);
    return 1000;
}

} // namespace

VCardBook ReadVCards(std::string_view text, const VCardProgress &progress)
{
    VCardBook book;
    int depth = 0;
    VCardContact contact;
    std::string nName;
    std::string organisation; // a name for a card that gives no person's name
    std::vector<std::pair<int, std::string>> emails;
    LineUnfolder unfolder(text);
    constexpr size_t ReportEvery = size_t{1} << 20;
    size_t nextReport = ReportEvery;
    while (const std::optional<std::string_view> logical = unfolder.next()) {
        if (progress && unfolder.position() >= nextReport) {
            nextReport = unfolder.position() + ReportEvery;
            if (!progress(unfolder.position(), text.size())) {
                book.cancelled = true;
                return book;
            }
        }
        const std::optional<ContentLine> line = readContentLine(*logical);
        if (!line)
            continue;
        if (line->name == "BEGIN" && equalNoCase(trimmed(line->value), "VCARD")) {
            if (depth++ == 0) {
                contact = {};
                nName.clear();
                organisation.clear();
                emails.clear();
            }
            book.isAddressBook = true;
            continue;
        }
        if (line->name == "END" && equalNoCase(trimmed(line->value), "VCARD")) {
            if (depth > 0 && --depth == 0) {
                if (contact.name.empty())
                    contact.name = nName.empty() ? organisation : nName;
                std::stable_sort(emails.begin(), emails.end(),
                                 [](const auto &a, const auto &b) { return a.first < b.first; });
                for (auto &[rank, address] : emails)
                    contact.emails.push_back(std::move(address));
                book.contacts.push_back(std::move(contact));
                contact = {};
            }
            continue;
        }
        if (depth != 1) // outside a card, or in a card inside a card (2.1's AGENT)
            continue;
        if (line->name == "FN") {
            const std::vector<std::string> parts = textParts(decodedValue(*line));
            contact.name = std::string(trimmed(parts.front()));
            for (size_t i = 1; i < parts.size(); ++i) // an unescaped ";" in a name is the name's
                contact.name += ";" + parts[i];
            contact.name = CutUtf8(std::move(contact.name), MaxNameBytes);
        } else if (line->name == "N") {
            nName = CutUtf8(joinedName(textParts(decodedValue(*line))), MaxNameBytes);
        } else if (line->name == "ORG") {
            // Organisation name; organisational units follow after ";".
            organisation =
                CutUtf8(std::string(trimmed(textParts(decodedValue(*line)).front())), MaxNameBytes);
        } else if (line->name == "EMAIL") {
            std::string address(trimmed(decodedValue(*line)));
            // No address is longer (RFC 5321); a longer one is none.
            if (!address.empty() && address.size() <= 254)
                emails.emplace_back(preference(*line), std::move(address));
        } else if (line->name == "UID") {
            contact.uid = CutUtf8(std::string(trimmed(decodedValue(*line))), MaxNameBytes);
        } else if (line->name == "BDAY" && !contact.birthday) {
            contact.birthday = readBirthday(*line);
        }
    }
    return book;
}
