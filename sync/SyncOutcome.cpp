// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncOutcome.h"

#include <algorithm>
#include <iterator>

namespace {

/// `names` joined for a sentence, the longest lists cut short: "%1, %2, …" over the names, each
/// said in the words the whole is said in.
Message namesOf(std::vector<Message> names)
{
    constexpr size_t Shown = 10;
    constexpr size_t MostParts = 9; // %1 to %9
    const bool cut = names.size() > Shown;
    names.resize(std::min(names.size(), Shown));
    // The tenth name follows a list of the first nine.
    if (names.size() > MostParts) {
        Message first = namesOf({names.begin(), names.begin() + MostParts});
        names = {std::move(first), std::move(names.back())};
    }
    std::string key;
    for (size_t i = 0; i < names.size(); ++i)
        key += (i == 0 ? "%" : ", %") + std::to_string(i + 1);
    if (cut)
        key += ", …";
    return {key, {}, std::move(names)};
}

std::vector<Message> verbatim(const std::vector<std::string> &names)
{
    std::vector<Message> messages;
    for (const std::string &name : names)
        messages.push_back(Message::Verbatim(name));
    return messages;
}

std::vector<Message> unheldNames(const std::vector<UnheldObject> &unheld)
{
    std::vector<Message> names;
    for (const UnheldObject &object : unheld)
        names.push_back(object.why.empty() ? Message::Verbatim(object.name)
                                           : Message("%1 (%2)", {object.name}, {object.why}));
    return names;
}

Message keptTwiceLine(const std::vector<std::string> &names)
{
    return {QT_TRANSLATE_N_NOOP("Messages", "Changed on both sides, so both versions are in the "
                                            "list and on the server (%n): %1"),
            {},
            {namesOf(verbatim(names))},
            static_cast<int>(names.size())};
}

Message unheldLine(const std::vector<UnheldObject> &unheld)
{
    return {QT_TRANSLATE_N_NOOP("Messages", "Left on the server, the list cannot "
                                            "hold them (%n): %1"),
            {},
            {namesOf(unheldNames(unheld))},
            static_cast<int>(unheld.size())};
}

std::vector<std::string> said(const std::vector<Message> &messages, const Words &words)
{
    std::vector<std::string> lines;
    for (const Message &message : messages)
        lines.push_back(message.Said(words));
    return lines;
}

} // namespace

Message SyncOutcome::SummaryMessage() const
{
    return {QT_TRANSLATE_NOOP("Messages", "Sent: %1 new, %2 changed, %3 removed; "
                                          "taken: %4 new, %5 changed, %6 removed"),
            {std::to_string(report.created), std::to_string(report.changed),
             std::to_string(report.removed), std::to_string(takenNew), std::to_string(takenChanged),
             std::to_string(takenRemoved)}};
}

std::string SyncOutcome::Summary(const Words &words) const
{
    return SummaryMessage().Said(words);
}

std::vector<Message> SyncOutcome::ProblemMessages() const
{
    std::vector<Message> lines;
    if (!trouble.empty())
        lines.push_back(trouble);
    if (deferred)
        lines.emplace_back(QT_TRANSLATE_NOOP("Messages", "What changed on the server is taken "
                                                         "at the next save"));
    if (!keptTwice.empty())
        lines.push_back(keptTwiceLine(keptTwice));
    if (!unheld.empty())
        lines.push_back(unheldLine(unheld));
    const auto counted = [&lines](const char *key, size_t count) {
        lines.emplace_back(key, std::vector<std::string>{}, std::vector<Message>{},
                           static_cast<int>(count));
    };
    if (serverEmptied > 0 && emptiedLeft > 0)
        counted(QT_TRANSLATE_N_NOOP("Messages", "The calendar on the server lost %n of its "
                                                "events since the last sync, nearly all it "
                                                "held: nothing was removed"),
                serverEmptied);
    else if (serverEmptied > 0)
        counted(QT_TRANSLATE_N_NOOP("Messages", "The calendar on the server is empty, but the "
                                                "list still holds its %n events: nothing was "
                                                "removed"),
                serverEmptied);
    if (listEmptied > 0 && emptiedLeft > 0)
        counted(QT_TRANSLATE_N_NOOP("Messages", "The list lost %n of its events since the last "
                                                "sync, nearly all it held: nothing was removed"),
                listEmptied);
    else if (listEmptied > 0)
        counted(QT_TRANSLATE_N_NOOP("Messages", "The list is empty, but the calendar on the "
                                                "server still holds its %n events: nothing was "
                                                "removed"),
                listEmptied);
    if (report.redirected)
        lines.emplace_back(QT_TRANSLATE_NOOP("Messages", "%1; nothing more was sent"),
                           std::vector<std::string>{}, std::vector<Message>{report.firstError});
    if (report.failed > 0 && !report.redirected)
        lines.emplace_back(
            QT_TRANSLATE_N_NOOP("Messages", "%n not sent, sent at the next sync: %1"),
            std::vector<std::string>{}, std::vector<Message>{report.firstError}, report.failed);
    return lines;
}

std::vector<std::string> SyncOutcome::Problems(const Words &words) const
{
    return said(ProblemMessages(), words);
}

std::string SyncOutcome::News(const Words &words) const
{
    std::vector<std::string> lines;
    if (!takenNames.empty())
        lines.push_back(Compose(
            words(QT_TRANSLATE_N_NOOP("Messages", "Taken from the calendar server (%n): %1"),
                  static_cast<int>(takenNames.size())),
            {namesOf(verbatim(takenNames)).Said(words)}));
    if (!keptTwice.empty())
        lines.push_back(keptTwiceLine(keptTwice).Said(words));
    // Objects the list cannot hold are news the first time only.
    std::vector<UnheldObject> found;
    std::copy_if(unheld.begin(), unheld.end(), std::back_inserter(found),
                 [](const UnheldObject &object) { return object.first; });
    if (!found.empty())
        lines.push_back(unheldLine(found).Said(words));
    std::string news;
    for (const std::string &line : lines)
        news += (news.empty() ? "" : "\n") + line;
    return news;
}
