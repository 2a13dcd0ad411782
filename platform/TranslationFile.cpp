// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationFile.h"

#include "FileRead.h"
#include "Paths.h"
#include "TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <exception>

namespace {

/// What every compiled translation file begins with.
constexpr std::array<unsigned char, 16> Magic = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                                 0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
/// The file's blocks this reader needs; the others (the lookup hashes, the contexts, the
/// language's name) are passed over.
constexpr unsigned char MessagesBlock = 0x69;
constexpr unsigned char PluralRulesBlock = 0x88;

/// The parts of one message.
enum MessageTag : unsigned char
{
    End = 1,
    Translation = 3,
    Obsolete = 5,
    SourceText = 6,
    Context = 7,
    Comment = 8,
};
/// A translation that is no text at all.
constexpr uint32_t NoText = 0xffffffff;

/// The plural rules' code: a comparison of the count (or its last digit or two, or its leading
/// group of three) with one or two operands, negated or not, joined by "and" and "or"; each
/// rule after the first begins a form of its own.
constexpr unsigned char OperatorMask = 0x07;
constexpr unsigned char Equal = 1, Less = 2, LessOrEqual = 3, Between = 4;
constexpr unsigned char Not = 0x08, Mod10 = 0x10, Mod100 = 0x20, Lead1000 = 0x40;
constexpr unsigned char And = 0xfd, Or = 0xfe, NextRule = 0xff;

/// Reads big-endian numbers and counted strings, never past the end.
class Reader
{
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
    [[nodiscard]] bool atEnd() const { return m_at >= m_bytes.size(); }
    std::optional<uint8_t> byte()
    {
        if (atEnd())
            return std::nullopt;
        return uint8_t(m_bytes[m_at++]);
    }
    std::optional<uint32_t> number()
    {
        if (m_bytes.size() - m_at < 4)
            return std::nullopt;
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | uint8_t(m_bytes[m_at++]);
        return value;
    }
    std::optional<std::string_view> bytes(uint32_t length)
    {
        if (m_bytes.size() - m_at < length)
            return std::nullopt;
        const std::string_view taken = m_bytes.substr(m_at, length);
        m_at += length;
        return taken;
    }

private:
    std::string_view m_bytes;
    size_t m_at = 0;
};

std::string keyOf(std::string_view context, std::string_view source)
{
    std::string key(context);
    key += '\0';
    key += source;
    return key;
}

/// The messages of a messages block into `messages`; false where the block is damaged.
bool readMessages(std::string_view block,
                  std::unordered_map<std::string, std::vector<std::string>> &messages)
{
    Reader reader(block);
    std::vector<std::string> forms;
    std::string_view source, context, comment;
    while (!reader.atEnd()) {
        const std::optional<uint8_t> tag = reader.byte();
        if (*tag == End) {
            // A text with a disambiguation is never what a plain lookup asks for.
            if (comment.empty() && !forms.empty())
                messages.insert_or_assign(keyOf(context, source), std::move(forms));
            forms.clear();
            source = context = comment = {};
            continue;
        }
        const std::optional<uint32_t> length = reader.number();
        if (!length)
            return false;
        if (*tag == Obsolete)
            continue;
        if (*tag == Translation && *length == NoText) {
            forms.emplace_back();
            continue;
        }
        const std::optional<std::string_view> text = reader.bytes(*length);
        if (!text)
            return false;
        switch (*tag) {
        case Translation:
            forms.emplace_back(*text);
            break;
        case SourceText:
            source = *text;
            break;
        case Context:
            context = *text;
            break;
        case Comment:
            comment = *text;
            break;
        default:
            return false;
        }
    }
    return true;
}

/// The language part of a locale's name ("de" of "de_DE.UTF-8").
std::string_view languageOf(std::string_view name)
{
    return name.substr(0, name.find_first_of("_-.@"));
}

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

/// The locale messages are shown in: LC_ALL before LC_MESSAGES before LANG.
std::string messagesLocale()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (std::string value = environment(name); !value.empty())
            return value;
    return {};
}

/// The languages the desktop asks for, the first wanted most; none where it wants English or no
/// language at all.
std::vector<std::string> wantedLanguages()
{
    const std::string locale = messagesLocale();
    // A locale without a language ("C", "POSIX", "C.UTF-8") shows the program's own words,
    // whatever LANGUAGE lists, as the C library's own messages do.
    if (locale.empty() || locale == "POSIX" || languageOf(locale) == "C")
        return {};
    std::vector<std::string> wanted;
    const std::string list = environment("LANGUAGE");
    for (size_t at = 0; at <= list.size() && !list.empty();) {
        const size_t end = std::min(list.find(':', at), list.size());
        if (end > at)
            wanted.emplace_back(languageOf(std::string_view(list).substr(at, end - at)));
        at = end + 1;
    }
    wanted.emplace_back(languageOf(locale));
    return wanted;
}

} // namespace

std::optional<TranslationFile> TranslationFile::Parse(std::string_view bytes)
{
    if (bytes.size() < Magic.size() ||
        bytes.substr(0, Magic.size()) !=
            std::string_view(reinterpret_cast<const char *>(Magic.data()), Magic.size()))
        return std::nullopt;
    TranslationFile file;
    Reader reader(bytes.substr(Magic.size()));
    while (!reader.atEnd()) {
        const std::optional<uint8_t> tag = reader.byte();
        const std::optional<uint32_t> length = reader.number();
        const std::optional<std::string_view> block = length ? reader.bytes(*length) : std::nullopt;
        if (!block)
            return std::nullopt;
        if (*tag == MessagesBlock && !readMessages(*block, file.m_messages))
            return std::nullopt;
        if (*tag == PluralRulesBlock)
            file.m_pluralRules = std::string(*block);
    }
    return file;
}

std::optional<std::string> TranslationFile::Find(std::string_view context, std::string_view source,
                                                 int count) const
{
    const auto found = m_messages.find(keyOf(context, source));
    if (found == m_messages.end())
        return std::nullopt;
    const size_t form = count < 0 ? 0 : FormOf(count);
    if (form >= found->second.size() || found->second[form].empty())
        return std::nullopt;
    // Made UTF-8 only when asked for: a run looks up a few of the file's many texts.
    return ToUtf8(found->second[form], "UTF-16BE");
}

size_t TranslationFile::FormOf(int count) const
{
    const std::string_view rules = m_pluralRules;
    size_t form = 0;
    size_t at = 0;
    const auto next = [&]() -> int { return at < rules.size() ? uint8_t(rules[at++]) : -1; };
    while (at < rules.size()) {
        bool anyOf = false;
        for (;;) {
            bool allOf = true;
            for (;;) {
                const int code = next();
                int left = count;
                if ((code & Mod10) != 0)
                    left %= 10;
                else if ((code & Mod100) != 0)
                    left %= 100;
                else if ((code & Lead1000) != 0)
                    while (left >= 1000)
                        left /= 1000;
                const int right = next();
                bool holds = false;
                switch (code & OperatorMask) {
                case Equal:
                    holds = left == right;
                    break;
                case Less:
                    holds = left < right;
                    break;
                case LessOrEqual:
                    holds = left <= right;
                    break;
                case Between:
                    holds = left >= right && left <= next();
                    break;
                default:
                    return form;
                }
                allOf = allOf && ((code & Not) != 0 ? !holds : holds);
                if (at >= rules.size() || uint8_t(rules[at]) != And)
                    break;
                ++at;
            }
            anyOf = anyOf || allOf;
            if (at >= rules.size() || uint8_t(rules[at]) != Or)
                break;
            ++at;
        }
        if (anyOf)
            return form;
        ++form;
        if (at < rules.size() && uint8_t(rules[at]) == NextRule)
            ++at;
    }
    return form;
}

std::shared_ptr<const TranslationFile> DesktopTranslation()
{
    const std::string folder = AssetPath("translations");
    for (const std::string &language : wantedLanguages()) {
        if (language == "en")
            return nullptr;
        try {
            const std::optional<std::string> bytes = ReadWholeFile(
                JoinPath(folder, "moonrill_" + language + ".qm"), {.maxBytes = 4 << 20});
            if (!bytes)
                continue;
            if (std::optional<TranslationFile> file = TranslationFile::Parse(*bytes))
                return std::make_shared<const TranslationFile>(std::move(*file));
        } catch (const std::exception &) {
            // Unreadable: English rather than no notification.
        }
        return nullptr;
    }
    return nullptr;
}

Words WordsOf(std::shared_ptr<const TranslationFile> file)
{
    if (!file)
        return {};
    return Words([file = std::move(file)](std::string_view english, int count) {
        return file->Find("Messages", english, count).value_or(std::string(english));
    });
}
