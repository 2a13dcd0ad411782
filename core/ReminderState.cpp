// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderState.h"

#include "AtomicFile.h"
#include "Conversions.h"
#include "FileRead.h"
#include "MoonrillError.h"

#include <algorithm>

namespace {

/// A file of thousands of reminders is still small; anything larger is not ours.
constexpr size_t MostBytes = 4 * 1024 * 1024;
/// Shown and done occurrences are forgotten this many days after their day.
constexpr int KeptDays = 2;

std::string pathIn(const std::string &folder)
{
    std::string path = folder;
    if (path.empty() || path.back() != '/')
        path += '/';
    return path + std::string(ReminderStateFileName);
}

/// Splits `line` at its first `count - 1` tabs; the last field keeps any tab after them.
std::vector<std::string_view> fields(std::string_view line, size_t count)
{
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            break;
        parts.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    parts.push_back(line);
    return parts;
}

void appendMoment(std::string &out, LocalMoment moment)
{
    out += DateToText(moment.day) + '\t' + TimeOfDayText(moment.minute);
}

void appendReminder(std::string &out, std::string_view kind, const MomentReminder &reminder)
{
    out += kind;
    out += '\t';
    appendMoment(out, reminder.moment);
    out += '\t' + DateToText(reminder.occurrence) + '\t' +
           (reminder.start ? TimeOfDayText(*reminder.start) : "-") + '\t' + reminder.identity +
           '\t' + reminder.description + '\n';
}

LocalMoment readMoment(std::string_view day, std::string_view time)
{
    const std::optional<int> minute = ParseTimeOfDay(time);
    if (!minute)
        throw MoonrillError(MoonrillError::TypeMismatch, "not a time of day");
    return {TextToDate(day), *minute};
}

MomentReminder readReminder(const std::vector<std::string_view> &parts)
{
    MomentReminder reminder{.moment = readMoment(parts[1], parts[2]),
                            .occurrence = TextToDate(parts[3]),
                            .start = std::nullopt,
                            .identity = std::string(parts[5]),
                            .description = std::string(parts[6])};
    if (parts[4] != "-") {
        reminder.start = ParseTimeOfDay(parts[4]);
        if (!reminder.start)
            throw MoonrillError(MoonrillError::TypeMismatch, "not a time of day");
    }
    return reminder;
}

bool isDone(const ReminderState &state, const MomentReminder &reminder)
{
    return std::find(state.done.begin(), state.done.end(),
                     DoneOccurrence{reminder.identity, reminder.occurrence}) != state.done.end();
}

bool byMoment(const MomentReminder &a, const MomentReminder &b)
{
    return a.moment < b.moment;
}

} // namespace

std::string ReminderStateText(const ReminderState &state)
{
    std::string text;
    if (state.handled) {
        text += "handled\t";
        appendMoment(text, *state.handled);
        text += '\n';
    }
    for (const MomentReminder &reminder : state.coming)
        appendReminder(text, "coming", reminder);
    for (const MomentReminder &reminder : state.shown)
        appendReminder(text, "shown", reminder);
    for (const MomentReminder &reminder : state.snoozed)
        appendReminder(text, "snoozed", reminder);
    for (const DoneOccurrence &done : state.done)
        text += "done\t" + DateToText(done.occurrence) + '\t' + done.identity + '\n';
    return text;
}

ReminderState ReadReminderStateText(std::string_view text)
{
    ReminderState state;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::vector<std::string_view> parts = fields(line, 7);
        try {
            if (parts[0] == "handled" && parts.size() >= 3) {
                state.handled = readMoment(parts[1], parts[2]);
            } else if (parts[0] == "done" && parts.size() >= 3) {
                const std::vector<std::string_view> done = fields(line, 3);
                state.done.push_back({std::string(done[2]), TextToDate(done[1])});
            } else if (parts.size() == 7) {
                if (parts[0] == "coming")
                    state.coming.push_back(readReminder(parts));
                else if (parts[0] == "shown")
                    state.shown.push_back(readReminder(parts));
                else if (parts[0] == "snoozed")
                    state.snoozed.push_back(readReminder(parts));
            }
        } catch (const MoonrillError &) {
            // A damaged line costs its reminder, never the others.
        }
    }
    return state;
}

ReminderState ReadReminderState(const std::string &folder)
{
    try {
        const std::optional<std::string> text =
            ReadWholeFile(pathIn(folder), ReadRules{.noun = "reminders", .maxBytes = MostBytes});
        return text ? ReadReminderStateText(*text) : ReminderState{};
    } catch (const MoonrillError &) {
        return {};
    }
}

bool WriteReminderState(const std::string &folder, const ReminderState &state)
{
    try {
        WriteFileAtomically(pathIn(folder), ReminderStateText(state),
                            WriteRules{.followLinks = false, .modeFrom = {}, .noun = "reminders"});
        return true;
    } catch (const MoonrillError &) {
        return false;
    }
}

std::vector<MomentReminder> TakeDueReminders(ReminderState &state, LocalMoment now)
{
    std::vector<MomentReminder> due;
    const auto take = [&](std::vector<MomentReminder> &from) {
        std::erase_if(from, [&](const MomentReminder &reminder) {
            if (reminder.moment > now)
                return false;
            if (state.handled && reminder.moment > *state.handled && !isDone(state, reminder))
                due.push_back(reminder);
            return true;
        });
    };
    take(state.coming);
    take(state.snoozed);
    std::stable_sort(due.begin(), due.end(), byMoment);
    // A shown reminder stands for its occurrence: the latest one is what a Snooze shows again.
    for (const MomentReminder &reminder : due) {
        std::erase_if(state.shown, [&](const MomentReminder &old) {
            return old.identity == reminder.identity && old.occurrence == reminder.occurrence;
        });
        state.shown.push_back(reminder);
    }
    if (!state.handled || *state.handled < now)
        state.handled = now;
    return due;
}

void RenewComingReminders(ReminderState &state, LocalMoment now, std::vector<MomentReminder> fresh)
{
    std::erase_if(state.coming,
                  [&](const MomentReminder &reminder) { return reminder.moment > now; });
    std::erase_if(fresh, [&](const MomentReminder &reminder) {
        return reminder.moment <= now || isDone(state, reminder);
    });
    state.coming.insert(state.coming.end(), fresh.begin(), fresh.end());
    std::stable_sort(state.coming.begin(), state.coming.end(), byMoment);
    const Date forgotten = now.day.addDays(-KeptDays);
    std::erase_if(state.shown, [&](const MomentReminder &reminder) {
        return reminder.occurrence < forgotten && reminder.moment.day < forgotten;
    });
    std::erase_if(state.done,
                  [&](const DoneOccurrence &done) { return done.occurrence < forgotten; });
}

std::string OccurrenceKey(const MomentReminder &reminder)
{
    return DateToText(reminder.occurrence) + ' ' + reminder.identity;
}

bool SnoozeOccurrence(ReminderState &state, std::string_view key, LocalMoment until)
{
    const auto shown =
        std::find_if(state.shown.rbegin(), state.shown.rend(),
                     [&](const MomentReminder &r) { return OccurrenceKey(r) == key; });
    if (shown == state.shown.rend())
        return false;
    // A second Snooze of one notification moves it; it never comes twice.
    std::erase_if(state.snoozed, [&](const MomentReminder &r) { return OccurrenceKey(r) == key; });
    MomentReminder again = *shown;
    again.moment = until;
    state.snoozed.push_back(std::move(again));
    std::stable_sort(state.snoozed.begin(), state.snoozed.end(), byMoment);
    return true;
}

bool FinishOccurrence(ReminderState &state, std::string_view key)
{
    const auto named = [&](const MomentReminder &r) { return OccurrenceKey(r) == key; };
    const auto found = std::find_if(state.shown.begin(), state.shown.end(), named);
    const auto coming = std::find_if(state.coming.begin(), state.coming.end(), named);
    const MomentReminder *reminder = found != state.shown.end()     ? &*found
                                     : coming != state.coming.end() ? &*coming
                                                                    : nullptr;
    if (reminder == nullptr)
        return false;
    const DoneOccurrence done{reminder->identity, reminder->occurrence};
    if (!isDone(state, *reminder))
        state.done.push_back(done);
    std::erase_if(state.snoozed, named);
    std::erase_if(state.coming, named);
    return true;
}

std::vector<LocalMoment> MomentsToCome(const ReminderState &state)
{
    std::vector<LocalMoment> moments;
    for (const std::vector<MomentReminder> *list : {&state.coming, &state.snoozed})
        for (const MomentReminder &reminder : *list)
            moments.push_back(reminder.moment);
    std::sort(moments.begin(), moments.end());
    moments.erase(std::unique(moments.begin(), moments.end()), moments.end());
    return moments;
}
