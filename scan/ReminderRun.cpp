// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderRun.h"

#include "Conversions.h"
#include "FileLock.h"
#include "Paths.h"
#include "ReminderTimer.h"

#include <chrono>
#include <ctime>
#include <memory>
#include <thread>

namespace {

/// Snoozes of a notification: minutes, or "tomorrow" for the same minute a day later.
constexpr std::string_view Tomorrow = "tomorrow";

/// The state file's lock, held while a run reads, changes and writes it, so that a Snooze pressed
/// while a timer's run takes what came is kept and no reminder is shown by two runs. Every holder
/// is done within moments: a run waits for it up to two seconds, and then leaves its work.
std::unique_ptr<FileLock> lockState(const std::string &folder)
{
    const std::string path = JoinPath(folder, std::string(ReminderStateFileName) + ".lock");
    for (int tries = 0; tries < 100; ++tries) {
        auto lock = std::make_unique<FileLock>(path);
        if (lock->Held())
            return lock;
        if (!lock->Trouble().empty())
            return nullptr;
        lock.reset();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

void setTimer(const ReminderState &state)
{
    std::vector<std::string> moments;
    for (const LocalMoment &moment : MomentsToCome(state))
        moments.push_back(DateToText(moment.day) + ' ' + TimeOfDayText(moment.minute));
    (void)SetReminderMoments(moments);
}

} // namespace

LocalMoment LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {Date::fromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
            local.tm_hour * 60 + local.tm_min};
}

void RenewReminders(const std::string &folder, LocalMoment now, const std::vector<clsEvent> &events)
{
    ReminderState state = ReadReminderState(folder);
    const LocalMoment until{now.day.addDays(MomentDaysAhead), now.minute};
    std::vector<MomentReminder> fresh;
    for (const clsEvent &event : events) {
        if (HasOwnMoments(event))
            AddMomentReminders(event, now, until, fresh);
    }
    // A list without reminders at moments of their own keeps no file for them.
    if (fresh.empty() && state == ReminderState{})
        return;
    const std::unique_ptr<FileLock> lock = lockState(folder);
    if (!lock)
        return;
    state = ReadReminderState(folder);
    const ReminderState old = state;
    RenewComingReminders(state, now, std::move(fresh));
    // A first run starts the count here: what came before it was never promised.
    if (!state.handled)
        state.handled = now;
    if (state != old && !WriteReminderState(folder, state))
        return;
    // Read again at each run, which costs one small read: a timer set up anew gets its moments.
    setTimer(state);
}

std::vector<MomentReminder> TakeDueRemindersIn(const std::string &folder, LocalMoment now)
{
    ReminderState state = ReadReminderState(folder);
    const ReminderState old = state;
    std::vector<MomentReminder> due = TakeDueReminders(state, now);
    // Where nothing came, the moment handled need not move: nothing before it is left to
    // show, so a logon with nothing due writes nothing.
    if (state.coming == old.coming && state.snoozed == old.snoozed)
        return due;
    // Taken again under the lock, from the state as it is now.
    const std::unique_ptr<FileLock> lock = lockState(folder);
    if (!lock)
        return {};
    state = ReadReminderState(folder);
    due = TakeDueReminders(state, now);
    if (!WriteReminderState(folder, state))
        return {};
    setTimer(state);
    return due;
}

std::vector<ReminderButton> ReminderButtons(const MomentReminder &reminder, const Words &words)
{
    const std::string key = OccurrenceKey(reminder);
    const std::string snooze(SnoozeAction);
    return {{snooze, "10 " + key, words(QT_TRANSLATE_NOOP("Messages", "In 10 minutes"))},
            {snooze, "60 " + key, words(QT_TRANSLATE_NOOP("Messages", "In an hour"))},
            {snooze, std::string(Tomorrow) + ' ' + key,
             words(QT_TRANSLATE_NOOP("Messages", "Tomorrow"))},
            {std::string(DoneAction), key, words(QT_TRANSLATE_NOOP("Messages", "Done"))}};
}

bool ApplyReminderAction(const std::string &folder, std::string_view action,
                         std::string_view parameter, LocalMoment now)
{
    const std::unique_ptr<FileLock> lock = lockState(folder);
    if (!lock)
        return false;
    ReminderState state = ReadReminderState(folder);
    bool applied = false;
    if (action == DoneAction) {
        applied = FinishOccurrence(state, parameter);
    } else if (action == SnoozeAction) {
        const size_t blank = parameter.find(' ');
        if (blank == std::string_view::npos)
            return false;
        const std::string_view length = parameter.substr(0, blank);
        const std::string_view key = parameter.substr(blank + 1);
        if (length == Tomorrow)
            applied = SnoozeOccurrence(state, key, {now.day.addDays(1), now.minute});
        else if (length == "10" || length == "60")
            applied = SnoozeOccurrence(state, key, MomentAfter(now, length == "10" ? 10 : 60));
    }
    if (!applied || !WriteReminderState(folder, state))
        return false;
    setTimer(state);
    return true;
}

std::string ReminderNoticeText(const MomentReminder &reminder, LocalMoment now, const Words &words)
{
    const std::string &what = reminder.description;
    const Date day = reminder.occurrence;
    if (reminder.start) {
        const std::string time = TimeOfDayText(*reminder.start);
        const int64_t left = MinutesBetween(now, {day, *reminder.start});
        if (left > 0 && left < 60) {
            const int minutes = static_cast<int>(left);
            return Compose(
                minutes == 1 ? words(QT_TRANSLATE_N_NOOP("Messages", "In %n minute: %1"), minutes)
                             : words(QT_TRANSLATE_N_NOOP("Messages", "In %n minutes: %1"), minutes),
                {what});
        }
        if (day == now.day)
            return time + ' ' + what;
        if (day == now.day.addDays(1))
            return Compose(words(QT_TRANSLATE_NOOP("Messages", "Tomorrow %1: %2")), {time, what});
        return DateToText(day) + ' ' + time + ": " + what;
    }
    if (day == now.day)
        return Compose(words(QT_TRANSLATE_NOOP("Messages", "Today: %1")), {what});
    if (day == now.day.addDays(1))
        return Compose(words(QT_TRANSLATE_NOOP("Messages", "Tomorrow: %1")), {what});
    return DateToText(day) + ": " + what;
}
