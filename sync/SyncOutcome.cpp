// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncOutcome.h"

#include <algorithm>
#include <iterator>

namespace {

/// `names` joined for a sentence, the longest lists cut short.
std::string namesOf(const std::vector<std::string> &names)
{
    constexpr size_t Shown = 10;
    std::string joined;
    for (size_t i = 0; i < names.size() && i < Shown; ++i)
        joined += (i == 0 ? "" : ", ") + names[i];
    if (names.size() > Shown)
        joined += ", …";
    return joined;
}

std::vector<std::string> unheldNames(const std::vector<UnheldObject> &unheld, const Words &words)
{
    std::vector<std::string> names;
    for (const UnheldObject &object : unheld)
        names.push_back(object.why.empty() ? object.name
                                           : object.name + " (" + words(object.why) + ")");
    return names;
}

std::string keptTwiceLine(const std::vector<std::string> &names, const Words &words)
{
    return Compose(
        words(QT_TRANSLATE_N_NOOP("Messages", "Changed on both sides, so both versions are in the "
                                              "list and on the server (%n): %1"),
              static_cast<int>(names.size())),
        {namesOf(names)});
}

std::string unheldLine(const std::vector<UnheldObject> &unheld, const Words &words)
{
    return Compose(words(QT_TRANSLATE_N_NOOP("Messages", "Left on the server, the list cannot "
                                                         "hold them (%n): %1"),
                         static_cast<int>(unheld.size())),
                   {namesOf(unheldNames(unheld, words))});
}

} // namespace

std::string SyncOutcome::Summary(const Words &words) const
{
    return Compose(words(QT_TRANSLATE_NOOP("Messages", "Sent: %1 new, %2 changed, %3 removed; "
                                                       "taken: %4 new, %5 changed, %6 removed")),
                   {std::to_string(report.created), std::to_string(report.changed),
                    std::to_string(report.removed), std::to_string(takenNew),
                    std::to_string(takenChanged), std::to_string(takenRemoved)});
}

std::vector<std::string> SyncOutcome::Problems(const Words &words) const
{
    std::vector<std::string> lines;
    if (!trouble.isEmpty())
        lines.push_back(trouble.toStdString());
    if (deferred)
        lines.push_back(words(QT_TRANSLATE_NOOP("Messages", "What changed on the server is taken "
                                                            "at the next save")));
    if (!keptTwice.empty())
        lines.push_back(keptTwiceLine(keptTwice, words));
    if (!unheld.empty())
        lines.push_back(unheldLine(unheld, words));
    if (serverEmptied > 0 && emptiedLeft > 0)
        lines.push_back(Compose(
            words(QT_TRANSLATE_N_NOOP("Messages", "The calendar on the server lost %n of its "
                                                  "events since the last sync, nearly all it "
                                                  "held: nothing was removed"),
                  static_cast<int>(serverEmptied)),
            {}));
    else if (serverEmptied > 0)
        lines.push_back(Compose(
            words(QT_TRANSLATE_N_NOOP("Messages", "The calendar on the server is empty, but the "
                                                  "list still holds its %n events: nothing was "
                                                  "removed"),
                  static_cast<int>(serverEmptied)),
            {}));
    if (listEmptied > 0 && emptiedLeft > 0)
        lines.push_back(Compose(
            words(QT_TRANSLATE_N_NOOP("Messages", "The list lost %n of its events since the last "
                                                  "sync, nearly all it held: nothing was removed"),
                  static_cast<int>(listEmptied)),
            {}));
    else if (listEmptied > 0)
        lines.push_back(Compose(
            words(QT_TRANSLATE_N_NOOP("Messages", "The list is empty, but the calendar on the "
                                                  "server still holds its %n events: nothing was "
                                                  "removed"),
                  static_cast<int>(listEmptied)),
            {}));
    if (report.redirected)
        lines.push_back(Compose(words(QT_TRANSLATE_NOOP("Messages", "%1; nothing more was sent")),
                                {report.firstError}));
    if (report.failed > 0 && !report.redirected)
        lines.push_back(
            Compose(words(QT_TRANSLATE_N_NOOP("Messages", "%n not sent, sent at the next sync: %1"),
                          report.failed),
                    {report.firstError}));
    return lines;
}

std::string SyncOutcome::News(const Words &words) const
{
    std::vector<std::string> lines;
    if (!takenNames.empty())
        lines.push_back(Compose(
            words(QT_TRANSLATE_N_NOOP("Messages", "Taken from the calendar server (%n): %1"),
                  static_cast<int>(takenNames.size())),
            {namesOf(takenNames)}));
    if (!keptTwice.empty())
        lines.push_back(keptTwiceLine(keptTwice, words));
    // Objects the list cannot hold are news the first time only.
    std::vector<UnheldObject> found;
    std::copy_if(unheld.begin(), unheld.end(), std::back_inserter(found),
                 [](const UnheldObject &object) { return object.first; });
    if (!found.empty())
        lines.push_back(unheldLine(found, words));
    std::string news;
    for (const std::string &line : lines)
        news += (news.empty() ? "" : "\n") + line;
    return news;
}
