// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// One of the program's compiled translation files (moonrill_de.qm, as the translation tools
/// write them), read without the toolkit: the notification library speaks the user's language
/// without loading QtCore. It finds what the toolkit's own lookup finds for a text without a
/// disambiguation, counted texts in the form the file's own plural rules pick.
class TranslationFile
{
public:
    /// The file's messages, or no value where `bytes` are not such a file or are cut short.
    [[nodiscard]] static std::optional<TranslationFile> Parse(std::string_view bytes);

    /// The translation of `source` in `context`, in the form `count` needs (-1: not counted);
    /// no value where the file has none.
    [[nodiscard]] std::optional<std::string> Find(std::string_view context, std::string_view source,
                                                  int count = -1) const;

    /// Which of a counted text's forms `count` takes under the file's plural rules.
    [[nodiscard]] size_t FormOf(int count) const;

private:
    /// Each message's translations as the file keeps them (UTF-16, big-endian), one a form, by
    /// its context and source text.
    std::unordered_map<std::string, std::vector<std::string>> m_messages;
    std::string m_pluralRules;
};

/// The program's translation for the language the desktop asks for (LANGUAGE, LC_ALL,
/// LC_MESSAGES, LANG), from the translations among its assets: the first language asked for
/// that it has, as the windows load it. None for English, a locale without a language ("C",
/// "POSIX"), a language it has no translation for, or an unreadable file.
[[nodiscard]] std::shared_ptr<const TranslationFile> DesktopTranslation();

/// The plain code's fixed words (the "Messages" texts) as `file` translates them; English as
/// written where it has none.
[[nodiscard]] Words WordsOf(std::shared_ptr<const TranslationFile> file);
