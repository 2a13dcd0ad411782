// SPDX-License-Identifier: GPL-3.0-or-later
// The reminders at moments of their own: which come when, across days and months, and the
// state a run keeps of them: its file's bytes, never one shown twice, Snooze and Done.

#include "ReminderState.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

clsEvent timedEvent(std::string description, Date day, std::string time, std::string alarms = {},
                    std::string occurs = "Once")
{
    clsEvent event;
    event.Description = std::move(description);
    event.StartingOn = day;
    event.Occurs = std::move(occurs);
    event.Options.Time = std::move(time);
    event.Options.Alarms = std::move(alarms);
    return event;
}

LocalMoment at(int year, int month, int day, int hour, int minute)
{
    return {Date::fromYmd(year, month, day), hour * 60 + minute};
}

std::vector<MomentReminder> gathered(const clsEvent &event, LocalMoment after, LocalMoment until)
{
    std::vector<MomentReminder> out;
    AddMomentReminders(event, after, until, out);
    std::sort(out.begin(), out.end(),
              [](const MomentReminder &a, const MomentReminder &b) { return a.moment < b.moment; });
    return out;
}

/// A call at 00:10 on 1 March 2027, reminded 30 minutes before and at its start, as gathered at
/// noon the day before.
std::vector<MomentReminder> callAtTenPastMidnight()
{
    const clsEvent call = timedEvent("Call", Date::fromYmd(2027, 3, 1), "00:10", "-PT30M,PT0S");
    return gathered(call, at(2027, 2, 28, 12, 0), at(2027, 3, 2, 12, 0));
}

} // namespace

TEST(ReminderMomentsTest, OnlyMomentsInsideTheSpanAcrossTheMonthsEnd)
{
    // 00:10 on 1 March, 30 minutes ahead and at its time: the first falls on 28 February.
    const clsEvent call = timedEvent("Call", Date::fromYmd(2027, 3, 1), "00:10", "-PT30M,PT0S");
    const std::vector<MomentReminder> both =
        gathered(call, at(2027, 2, 28, 12, 0), at(2027, 3, 2, 12, 0));
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].moment, at(2027, 2, 28, 23, 40));
    EXPECT_EQ(both[0].occurrence, Date::fromYmd(2027, 3, 1));
    EXPECT_EQ(both[0].start, 10);
    EXPECT_EQ(both[0].identity, "line:Call$$Once");
    EXPECT_EQ(both[1].moment, at(2027, 3, 1, 0, 10));
    // The span is open at its start and closed at its end.
    EXPECT_EQ(gathered(call, at(2027, 2, 28, 23, 40), at(2027, 3, 1, 0, 10)).size(), 1u);
    EXPECT_TRUE(gathered(call, at(2027, 3, 1, 0, 10), at(2027, 3, 3, 0, 0)).empty());

    // A daily event at 08:00 reminds each morning: later occurrences are gathered too.
    const clsEvent pill = timedEvent("Pill", Date::fromYmd(2027, 1, 30), "08:00", "-PT5M", "Daily");
    const std::vector<MomentReminder> days =
        gathered(pill, at(2027, 1, 30, 9, 0), at(2027, 2, 1, 9, 0));
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].moment, at(2027, 1, 31, 7, 55));
    EXPECT_EQ(days[1].moment, at(2027, 2, 1, 7, 55));
    EXPECT_EQ(days[1].occurrence, Date::fromYmd(2027, 2, 1));

    // The UID is the name that survives an edit of the description.
    clsEvent synced = pill;
    synced.Options.Uid = "abc@example.org";
    EXPECT_EQ(ReminderIdentity(synced), "uid:abc@example.org");
    EXPECT_FALSE(HasOwnMoments(timedEvent("Day", Date::fromYmd(2027, 1, 1), "")));
    EXPECT_TRUE(HasOwnMoments(timedEvent("Day", Date::fromYmd(2027, 1, 1), "", "PT8H")));
}

TEST(ReminderStateTest, FileBytesReadBackAndDamagedLinesCostOnlyThemselves)
{
    ReminderState state;
    state.handled = at(2027, 2, 28, 23, 40);
    state.coming.push_back(
        {at(2027, 3, 1, 0, 10), Date::fromYmd(2027, 3, 1), 10, "uid:a", "Call\tA"});
    state.snoozed.push_back({at(2027, 3, 1, 9, 0), Date::fromYmd(2027, 3, 2), std::nullopt,
                             "line:Ann$$Birthday", "Ann"});
    state.done.push_back({"uid:b", Date::fromYmd(2027, 3, 1)});
    const std::string text = ReminderStateText(state);
    EXPECT_EQ(text, "handled\t2027-02-28\t23:40\n"
                    "coming\t2027-03-01\t00:10\t2027-03-01\t00:10\tuid:a\tCall\tA\n"
                    "snoozed\t2027-03-01\t09:00\t2027-03-02\t-\tline:Ann$$Birthday\tAnn\n"
                    "done\t2027-03-01\tuid:b\n");
    EXPECT_EQ(ReadReminderStateText(text), state);
    const ReminderState damaged = ReadReminderStateText(
        "coming\t2027-02-30\t00:10\t2027-03-01\t00:10\tuid:a\tCall\n" + text + "shown\tx\n");
    EXPECT_EQ(damaged, state);

    const TempFolder folder;
    EXPECT_EQ(ReadReminderState(folder.path()), ReminderState{});
    ASSERT_TRUE(WriteReminderState(folder.path(), state));
    EXPECT_EQ(folder.read(".moonrill-reminders"), text);
    EXPECT_EQ(ReadReminderState(folder.path()), state);
}

TEST(ReminderStateTest, EachReminderIsShownOnceAndMissedOnesComeAtTheNextRun)
{
    const std::vector<MomentReminder> fresh = callAtTenPastMidnight();
    ReminderState state;
    state.handled = at(2027, 2, 28, 12, 0);
    RenewComingReminders(state, at(2027, 2, 28, 12, 0), fresh);
    EXPECT_EQ(MomentsToCome(state),
              (std::vector<LocalMoment>{at(2027, 2, 28, 23, 40), at(2027, 3, 1, 0, 10)}));

    // The computer slept through both: the next run shows them, earliest first, and no run
    // after it shows them again.
    const std::vector<MomentReminder> due = TakeDueReminders(state, at(2027, 3, 1, 8, 0));
    ASSERT_EQ(due.size(), 2u);
    EXPECT_EQ(due[0].moment, at(2027, 2, 28, 23, 40));
    EXPECT_EQ(state.handled, at(2027, 3, 1, 8, 0));
    EXPECT_TRUE(TakeDueReminders(state, at(2027, 3, 1, 8, 5)).empty());
    // The one shown last stands for its occurrence.
    ASSERT_EQ(state.shown.size(), 1u);
    EXPECT_EQ(state.shown[0].moment, at(2027, 3, 1, 0, 10));

    // A save after the moment gathers again from now: the occurrence passed never returns.
    RenewComingReminders(state, at(2027, 3, 1, 8, 5), {});
    EXPECT_TRUE(state.coming.empty());

    // A first run promises nothing from before it.
    ReminderState first;
    first.coming = fresh;
    EXPECT_TRUE(TakeDueReminders(first, at(2027, 3, 1, 8, 0)).empty());
    EXPECT_EQ(first.handled, at(2027, 3, 1, 8, 0));
}

TEST(ReminderStateTest, SnoozeShowsAgainOnceAndDoneEndsTheOccurrence)
{
    const std::vector<MomentReminder> fresh = callAtTenPastMidnight();
    ReminderState state;
    state.handled = at(2027, 2, 28, 12, 0);
    RenewComingReminders(state, at(2027, 2, 28, 12, 0), fresh);
    ASSERT_EQ(TakeDueReminders(state, at(2027, 2, 28, 23, 40)).size(), 1u);
    const std::string key = "2027-03-01 line:Call$$Once";
    EXPECT_EQ(OccurrenceKey(state.shown[0]), key);
    EXPECT_FALSE(SnoozeOccurrence(state, "2027-03-02 line:Call$$Once", at(2027, 2, 28, 23, 50)));
    // Pressed twice, it comes once, at the later time.
    ASSERT_TRUE(SnoozeOccurrence(state, key, at(2027, 2, 28, 23, 45)));
    ASSERT_TRUE(SnoozeOccurrence(state, key, at(2027, 2, 28, 23, 50)));
    EXPECT_EQ(MomentsToCome(state),
              (std::vector<LocalMoment>{at(2027, 2, 28, 23, 50), at(2027, 3, 1, 0, 10)}));
    const std::vector<MomentReminder> again = TakeDueReminders(state, at(2027, 2, 28, 23, 55));
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].description, "Call");

    // Done: the reminder at 00:10 does not come, nor one a save gathers again.
    ASSERT_TRUE(FinishOccurrence(state, key));
    EXPECT_TRUE(MomentsToCome(state).empty());
    RenewComingReminders(state, at(2027, 2, 28, 23, 56), fresh);
    EXPECT_TRUE(state.coming.empty());
    EXPECT_TRUE(TakeDueReminders(state, at(2027, 3, 1, 0, 10)).empty());
    // Two days after its day the occurrence is forgotten.
    RenewComingReminders(state, at(2027, 3, 4, 12, 0), {});
    EXPECT_TRUE(state.done.empty());
    EXPECT_TRUE(state.shown.empty());
    EXPECT_FALSE(FinishOccurrence(state, "nothing"));
}
