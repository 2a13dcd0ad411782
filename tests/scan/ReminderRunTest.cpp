// SPDX-License-Identifier: GPL-3.0-or-later
// The runs' side of the reminders at moments of their own: what a notification says, what its
// buttons carry and do to the state file, and what the logon scan gathers.

#include "ReminderRun.h"

#include "Conversions.h"
#include "LogonScan.h"
#include "ScanComputation.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

LocalMoment at(int year, int month, int day, int hour, int minute)
{
    return {Date::fromYmd(year, month, day), hour * 60 + minute};
}

MomentReminder call(std::optional<int> start, Date day = Date::fromYmd(2027, 3, 1))
{
    return {at(2027, 2, 28, 23, 40), day, start, "line:Call$$Once", "Call"};
}

/// Shows nothing, in place of the windows.
class QuietScreens final : public LogonScreens
{
public:
    bool ShowMessageBox(const std::string &, Icon) override { return true; }
    bool ShowDueEvents(ScanResult &) override { return true; }
};

} // namespace

TEST(ReminderRun, WhatTheNotificationSaysAcrossTheMonthsEnd)
{
    EXPECT_EQ(ReminderNoticeText(call(10), at(2027, 2, 28, 23, 40)), "In 30 minutes: Call");
    EXPECT_EQ(ReminderNoticeText(call(10), at(2027, 3, 1, 0, 9)), "In 1 minute: Call");
    EXPECT_EQ(ReminderNoticeText(call(10), at(2027, 3, 1, 0, 10)), "00:10 Call");
    EXPECT_EQ(ReminderNoticeText(call(10), at(2027, 3, 1, 8, 0)), "00:10 Call");
    EXPECT_EQ(ReminderNoticeText(call(870), at(2027, 2, 28, 9, 0)), "Tomorrow 14:30: Call");
    EXPECT_EQ(ReminderNoticeText(call(870), at(2027, 2, 26, 9, 0)), "2027-03-01 14:30: Call");
    EXPECT_EQ(ReminderNoticeText(call(std::nullopt), at(2027, 3, 1, 8, 0)), "Today: Call");
    EXPECT_EQ(ReminderNoticeText(call(std::nullopt), at(2027, 2, 28, 8, 0)), "Tomorrow: Call");
    EXPECT_EQ(ReminderNoticeText(call(std::nullopt), at(2027, 2, 20, 8, 0)), "2027-03-01: Call");
    // A language's words place the parts where it says them.
    const Words german([](std::string_view english) {
        return english == "Tomorrow %1: %2" ? std::string("Morgen %1: %2") : std::string(english);
    });
    EXPECT_EQ(ReminderNoticeText(call(870), at(2027, 2, 28, 9, 0), german), "Morgen 14:30: Call");
}

TEST(ReminderRun, ButtonsSnoozeAndFinishTheOccurrenceTheyNamed)
{
    const std::vector<ReminderButton> buttons = ReminderButtons(call(10));
    ASSERT_EQ(buttons.size(), 4u);
    EXPECT_EQ(buttons[0].parameter, "10 2027-03-01 line:Call$$Once");
    EXPECT_EQ(buttons[1].parameter, "60 2027-03-01 line:Call$$Once");
    EXPECT_EQ(buttons[2].parameter, "tomorrow 2027-03-01 line:Call$$Once");
    EXPECT_EQ(buttons[3].action, "done");
    EXPECT_EQ(buttons[3].parameter, "2027-03-01 line:Call$$Once");
    EXPECT_EQ(buttons[1].label, "In an hour");

    const TempFolder folder;
    const ScopedEnv config("XDG_CONFIG_HOME", folder.file("config"));
    ReminderState state;
    state.handled = at(2027, 2, 28, 23, 55);
    state.shown.push_back(call(10));
    ASSERT_TRUE(WriteReminderState(folder.path(), state));
    // Ten minutes from 23:55 is the next day, past the month's end.
    ASSERT_TRUE(ApplyReminderAction(folder.path(), "snooze", buttons[0].parameter,
                                    at(2027, 2, 28, 23, 55)));
    EXPECT_EQ(MomentsToCome(ReadReminderState(folder.path())),
              std::vector<LocalMoment>{at(2027, 3, 1, 0, 5)});
    ASSERT_TRUE(ApplyReminderAction(folder.path(), "snooze", buttons[2].parameter,
                                    at(2027, 2, 28, 23, 56)));
    EXPECT_EQ(MomentsToCome(ReadReminderState(folder.path())),
              std::vector<LocalMoment>{at(2027, 3, 1, 23, 56)});
    for (const auto &[action, parameter] : std::vector<std::pair<std::string, std::string>>{
             {"snooze", "5 2027-03-01 line:Call$$Once"},
             {"snooze", "10"},
             {"open", "2027-03-01 line:Call$$Once"},
             {"done", "2027-03-02 line:Call$$Once"}})
        EXPECT_FALSE(ApplyReminderAction(folder.path(), action, parameter, at(2027, 3, 1, 0, 0)))
            << action << ' ' << parameter;
    ASSERT_TRUE(
        ApplyReminderAction(folder.path(), "done", buttons[3].parameter, at(2027, 2, 28, 23, 57)));
    const ReminderState done = ReadReminderState(folder.path());
    EXPECT_TRUE(MomentsToCome(done).empty());
    EXPECT_EQ(done.done,
              (std::vector<DoneOccurrence>{{"line:Call$$Once", Date::fromYmd(2027, 3, 1)}}));
}

TEST(ReminderRun, TheLogonScanGathersOnlyEventsWithMomentsOfTheirOwn)
{
    const TempFolder folder;
    const ScopedEnv config("XDG_CONFIG_HOME", folder.file("config"));
    const Date in = Date::today().addDays(1);
    folder.write("events.mrl", "$$Ann$$" + DateToText(in) + "$$Birthday$$3$$$$1990\r\n\r\n");
    QuietScreens screens;
    ASSERT_TRUE(RunLogonScan(folder.path(), Date::today(), screens));
    // A list without them keeps no file for them.
    EXPECT_FALSE(folder.exists(".moonrill-reminders"));

    folder.write("events.mrl", "$$Ann$$" + DateToText(in) + "$$Birthday$$3$$$$1990\r\n$$Call$$" +
                                   DateToText(in) +
                                   "$$Once$$1$$$$$$time=23:59$$alarms=-PT1M,-P1D\r\n\r\n");
    ASSERT_TRUE(RunLogonScan(folder.path(), Date::today(), screens));
    const ReminderState state = ReadReminderState(folder.path());
    // A day ahead of tomorrow's 23:59 is today's, passed or not yet; one minute ahead is to come.
    ASSERT_FALSE(state.coming.empty());
    EXPECT_EQ(state.coming.back().moment, (LocalMoment{in, 23 * 60 + 58}));
    EXPECT_EQ(state.coming.back().description, "Call");
    EXPECT_TRUE(state.handled.has_value());
}
