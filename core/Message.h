// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// Something the program has to tell the user, kept as what happened rather than as a sentence:
/// the English words (marked in the "Messages" context), the values they name, and the messages
/// they quote. It becomes a sentence only where it is shown, in the words of whoever shows it, so
/// that a failure written down by a run without a translation reads in the user's language when
/// a window later says it.
struct Message
{
    Message() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): words alone are a message
    Message(std::string key, std::vector<std::string> args = {}, std::vector<Message> parts = {},
            int count = -1)
        : key(std::move(key)), args(std::move(args)), parts(std::move(parts)), count(count)
    {
    }
    // NOLINTNEXTLINE(google-explicit-constructor): so are marked words
    Message(const char *key) : Message(std::string(key)) {}

    /// The English words, %1 to %9 standing for the arguments and then the parts; empty for no
    /// message.
    std::string key;
    /// Values as they are: a name, a count, a server's own error text.
    std::vector<std::string> args;
    /// Messages quoted in the words, each said in the same words; they follow the arguments.
    std::vector<Message> parts;
    /// The count for words that count ("%n"), -1 for others.
    int count = -1;

    /// A text that is no key: said as it is in every language (an error report made in English
    /// by the plain code, or a text a window composed itself). Empty for an empty text.
    [[nodiscard]] static Message Verbatim(std::string text);

    [[nodiscard]] bool empty() const { return key.empty(); }
    /// The sentence in `words`.
    [[nodiscard]] std::string Said(const Words &words = AsIs) const;

    bool operator==(const Message &) const = default;
};

/// `messages` in `words`, a line each, every line plain and of bounded length.
[[nodiscard]] std::string SaidLines(const std::vector<Message> &messages, const Words &words);

/// `messages` as the lines of a small private file: a first line that names the form, then a line
/// for each key, count and argument, a part's lines marked as such. Every value is made one plain
/// line (control characters become spaces).
[[nodiscard]] std::string MessagesText(const std::vector<Message> &messages);
/// The messages `text` holds, as MessagesText wrote them; a text in no such form (an earlier
/// version kept the sentence itself) is one verbatim message of it. Whatever the text holds, the
/// messages are few, short and plain: a line at most of a few hundred characters each, without
/// control characters, never more than a screenful.
[[nodiscard]] std::vector<Message> ReadMessages(std::string_view text);
