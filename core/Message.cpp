// SPDX-License-Identifier: GPL-3.0-or-later
#include "Message.h"

#include "TextEncoding.h"

#include <algorithm>

namespace {

constexpr std::string_view Form = "moonrill messages 1";
/// What a kept file may make of a window: beyond these it is no report a run wrote.
constexpr size_t MaxMessages = 20;
constexpr size_t MaxValues = 9;
constexpr size_t MaxDepth = 5;
constexpr size_t MaxLineBytes = 400;
/// The longest line a message makes, whatever its words and values.
constexpr size_t MaxSaidBytes = 1000;

/// `text` cut to `bytes`, never inside a UTF-8 sequence, marked where it was cut.
std::string bounded(std::string text, size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    return CutUtf8(std::move(text), bytes) + "…";
}

void write(std::string &text, const Message &message, const std::string &mark)
{
    text += mark + "key " + WithoutControlCharacters(message.key) + '\n';
    if (message.count >= 0)
        text += mark + "count " + std::to_string(message.count) + '\n';
    for (const std::string &arg : message.args)
        text += mark + "arg " + WithoutControlCharacters(arg) + '\n';
    for (const Message &part : message.parts)
        write(text, part, mark + "part ");
}

/// Reads a line of MessagesText into `messages`; false where it is of no such file.
bool readLine(std::vector<Message> &messages, std::string_view line)
{
    std::vector<Message> *level = &messages;
    for (size_t depth = 0; line.starts_with("part "); ++depth) {
        if (depth == MaxDepth || level->empty())
            return false;
        line.remove_prefix(5);
        level = &level->back().parts;
    }
    const size_t space = line.find(' ');
    if (space == std::string_view::npos)
        return false;
    const std::string_view field = line.substr(0, space);
    const std::string value =
        bounded(WithoutControlCharacters(std::string(line.substr(space + 1))), MaxLineBytes);
    if (field == "key") {
        if (level->size() == (level == &messages ? MaxMessages : MaxValues) || value.empty())
            return false;
        level->emplace_back(value);
        return true;
    }
    if (level->empty())
        return false;
    Message &message = level->back();
    if (field == "arg" && message.args.size() + message.parts.size() < MaxValues) {
        message.args.push_back(value);
        return true;
    }
    if (field == "count" && !value.empty() && value.size() <= 9 &&
        std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        message.count = std::stoi(value);
        return true;
    }
    return false;
}

/// A text an earlier version kept, as it may be shown: its first lines, each plain and short.
std::vector<Message> plainText(std::string_view text)
{
    std::vector<Message> lines;
    while (!text.empty() && lines.size() < MaxMessages) {
        const size_t end = std::min(text.find_first_of("\r\n"), text.size());
        if (Message line = Message::Verbatim(
                bounded(WithoutControlCharacters(std::string(text.substr(0, end))), MaxLineBytes));
            !line.empty())
            lines.push_back(std::move(line));
        text.remove_prefix(end);
        text.remove_prefix(text.starts_with("\r\n") ? 2 : std::min<size_t>(text.size(), 1));
    }
    return lines;
}

} // namespace

Message Message::Verbatim(std::string text)
{
    if (text.empty())
        return {};
    // "%1" stands for its one argument in every language: no translation knows it as a key.
    return {"%1", {std::move(text)}};
}

std::string Message::Said(const Words &words) const
{
    std::vector<std::string> values = args;
    for (const Message &part : parts)
        values.push_back(part.Said(words));
    return Compose(count >= 0 ? words(key, count) : words(key), values);
}

std::string SaidLines(const std::vector<Message> &messages, const Words &words)
{
    std::string lines;
    for (const Message &message : messages) {
        if (!lines.empty())
            lines += '\n';
        lines += bounded(WithoutControlCharacters(message.Said(words)), MaxSaidBytes);
    }
    return lines;
}

std::string MessagesText(const std::vector<Message> &messages)
{
    std::string text = std::string(Form) + '\n';
    for (const Message &message : messages)
        write(text, message, "");
    return text;
}

std::vector<Message> ReadMessages(std::string_view text)
{
    if (!text.starts_with(std::string(Form) + '\n'))
        return plainText(text);
    text.remove_prefix(Form.size() + 1);
    std::vector<Message> messages;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        // A line this program never writes: what came before it is all that is shown.
        if (!readLine(messages, text.substr(0, end)))
            break;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return messages;
}
