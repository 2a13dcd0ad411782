// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderEntry.h"

#include <gtest/gtest.h>

namespace {

clsEvent withReminders(std::string time, std::string alarms, int16_t period)
{
    clsEvent event;
    event.StartingOn = Date::fromYmd(2027, 3, 1);
    event.Period = period;
    event.Options.Time = std::move(time);
    event.Options.Alarms = std::move(alarms);
    return event;
}

} // namespace

TEST(ReminderEntry, TheNoticePeriodsReminderIsTakenOutOfTheListAndPutBackFirst)
{
    // A day event: 3 days ahead at 07:30 is the notice period's, at its own hour.
    ReminderChoice day = SplitReminders(withReminders({}, "PT9H,-P2DT16H30M", 3));
    EXPECT_TRUE(day.periodReminder);
    EXPECT_EQ(day.remindAt, 7 * 60 + 30);
    EXPECT_EQ(RemindersText(day.others), "PT9H");
    EXPECT_EQ(RemindersText(JoinReminders(day, 3, false)), "-P2DT16H30M,PT9H");

    // A timed event whose reminders are none at its time on the notice period's day: all stay
    // in the list, and none is added for the notice period.
    const ReminderChoice call = SplitReminders(withReminders("00:20", "-PT30M,-PT5M@end", 1));
    EXPECT_FALSE(call.periodReminder);
    EXPECT_EQ(RemindersText(JoinReminders(call, 1, true)), "-PT30M,-PT5M@end");
    EXPECT_EQ(SplitReminders(withReminders({}, {}, 4)), ReminderChoice{});
}

TEST(ReminderEntry, RemindersKeepTheirDaysWhenTheTimeComesOrGoes)
{
    // 30 minutes before 00:20 is the day before: a day event reminds that day at 09:00.
    EXPECT_EQ(RemindersText(
                  MovedReminders({{.offset = -30}, {.offset = -5, .fromEnd = true}}, 20, false)),
              "-PT15H,-PT5M@end");
    // Two days ahead at 18:00 becomes two days before the time.
    EXPECT_EQ(RemindersText(MovedReminders({{.offset = -2 * 1440 + 18 * 60}}, {}, true)), "-P2D");
    EXPECT_EQ(PartsOf({.offset = -(1440 + 150)}, true).days, 1);
    EXPECT_EQ(PartsOf({.offset = -(1440 + 150)}, true).minutes, 150);
    EXPECT_EQ(PartsOf({.offset = -(2 * 1440 - 600)}, false).days, 2);
    EXPECT_EQ(PartsOf({.offset = -(2 * 1440 - 600)}, false).minutes, 600);
}
