// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Marks a fixed text of the plain code that the windows show: the translation tools gather it
// under its context, and the windows look it up in the user's language when they show it. Here,
// without the toolkit, it is the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

/// How a message's fixed words reach the user: as they are (English), or in the language a window
/// looks them up in.
using Words = std::function<std::string(std::string_view)>;
[[nodiscard]] inline std::string AsIs(std::string_view words)
{
    return std::string(words);
}

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
