// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Marks a fixed text of the plain code that the windows show: the translation tools gather it
// under its context, and the windows look it up in the user's language when they show it. Here,
// without the toolkit, it is the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
// The same for words that count: "%n" stands for the count, and a language picks its form by it.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif

/// How the plain code's fixed words reach the user: as written (English), or in the user's
/// language where a window or the notification library looks them up. Every fixed text the plain
/// code shows is marked in the "Messages" context and goes through one of these.
class Words
{
public:
    /// Looks up `english`; `count` is the count of words that count, -1 for others.
    using Lookup = std::function<std::string(std::string_view english, int count)>;

    /// English, as written.
    Words() = default;
    explicit Words(Lookup lookup) : m_lookup(std::move(lookup)) {}
    /// A lookup that knows no counts: counted words are looked up as they are.
    template <typename OneArgument>
    requires std::is_invocable_r_v<std::string, const OneArgument &, std::string_view>
    Words(OneArgument lookup) // NOLINT(google-explicit-constructor): a lookup is words
        : m_lookup([lookup = std::move(lookup)](std::string_view english, int) {
              return lookup(english);
          })
    {
    }

    /// Fixed words.
    [[nodiscard]] std::string operator()(std::string_view english) const
    {
        return m_lookup ? m_lookup(english, -1) : std::string(english);
    }
    /// Words that count `count`, "%n" replaced by it.
    [[nodiscard]] std::string operator()(std::string_view english, int count) const
    {
        std::string text = m_lookup ? m_lookup(english, count) : std::string(english);
        for (size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at))
            text.replace(at, 2, std::to_string(count));
        return text;
    }

private:
    Lookup m_lookup;
};

/// English, as written.
inline const Words AsIs;

/// `words` with %1 to %9 replaced by the parts, in whatever order the words (English, or a
/// language a window looked them up in) place them.
[[nodiscard]] inline std::string Compose(std::string_view words,
                                         const std::vector<std::string> &parts)
{
    std::string text;
    text.reserve(words.size() + 32);
    for (size_t i = 0; i < words.size(); ++i) {
        const char next = i + 1 < words.size() ? words[i + 1] : '\0';
        if (words[i] == '%' && next >= '1' && next <= '9' && size_t(next - '1') < parts.size()) {
            text += parts[size_t(next - '1')];
            ++i;
        } else {
            text += words[i];
        }
    }
    return text;
}
