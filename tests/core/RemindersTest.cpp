// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reminders.h"
#include "EventLine.h"

#include <gtest/gtest.h>

namespace {

clsEvent eventOn(Date day, std::string time = {})
{
    clsEvent event;
    event.Description = "Dentist";
    event.StartingOn = day;
    event.Occurs = "Once";
    event.Options.Time = std::move(time);
    return event;
}

TEST(RemindersTest, DurationsReadAndWrittenAsCalendarsWriteThem)
{
    EXPECT_EQ(ParseDuration("-P2DT15H"), -(2 * 1440 + 15 * 60));
    EXPECT_EQ(ParseDuration("PT9H"), 540);
    EXPECT_EQ(ParseDuration("-P1W"), -7 * 1440);
    EXPECT_EQ(ParseDuration("+PT30M"), 30);
    EXPECT_EQ(ParseDuration("-PT0S"), 0);
    EXPECT_EQ(ParseDuration("-PT90S"), -1);
    for (const char *bad : {"", "P", "PT", "-P3", "P3H", "PT3D", "P-3D", "P3DT", "PTH", "3D",
                            "P99999999999D", "P1W2X"})
        EXPECT_FALSE(ParseDuration(bad)) << bad;
    EXPECT_EQ(DurationText(-(2 * 1440 + 15 * 60)), "-P2DT15H");
    EXPECT_EQ(DurationText(540), "PT9H");
    EXPECT_EQ(DurationText(-30), "-PT30M");
    EXPECT_EQ(DurationText(-(1440 + 90)), "-P1DT1H30M");
    EXPECT_EQ(DurationText(0), "PT0S");
    EXPECT_EQ(ParseTimeOfDay("14:30"), 870);
    EXPECT_EQ(ParseTimeOfDay("00:00"), 0);
    for (const char *bad : {"24:00", "9:30", "09:60", "0930", "09:30 ", "ab:cd"})
        EXPECT_FALSE(ParseTimeOfDay(bad)) << bad;
    EXPECT_EQ(TimeOfDayText(870), "14:30");
    EXPECT_EQ(TimeOfDayText(5), "00:05");
}

TEST(RemindersTest, DayEventRemindsAtNineOnTheDaysOfItsNoticePeriod)
{
    clsEvent birthday = eventOn(Date::fromYmd(2027, 3, 2));
    birthday.Period = 3;
    ASSERT_EQ(EventReminders(birthday).size(), 1u);
    EXPECT_EQ(RemindersText(EventReminders(birthday)), "-P2DT15H");
    // Three days ahead of 2 March, across the end of February.
    EXPECT_EQ(ReminderMoment(birthday, EventReminders(birthday)[0], birthday.StartingOn),
              (LocalMoment{Date::fromYmd(2027, 2, 27), 540}));
    birthday.Period = 0;
    EXPECT_EQ(RemindersText(EventReminders(birthday)), "PT9H");
    EXPECT_EQ(NoticeDays(birthday), 0);
}

TEST(RemindersTest, SeveralRemindersSetTheNoticePeriodFromTheEarliest)
{
    clsEvent birthday = eventOn(Date::fromYmd(2027, 1, 5));
    // A week before at 09:00 and on the day at 09:00.
    SetReminders(birthday, {{.offset = -(7 * 1440 - 540)}, {.offset = 540}});
    EXPECT_EQ(birthday.Options.Alarms, "-P6DT15H,PT9H");
    EXPECT_EQ(birthday.Period, 7);
    EXPECT_EQ(ReminderMoment(birthday, EventReminders(birthday)[0], birthday.StartingOn),
              (LocalMoment{Date::fromYmd(2026, 12, 29), 540}));

    // The one reminder the notice period gives keeps no field of its own.
    SetReminders(birthday, {{.offset = -(2 * 1440 - 540)}});
    EXPECT_EQ(birthday.Options.Alarms, "");
    EXPECT_EQ(birthday.Period, 2);
    // The same days at midnight are not the period's own reminder.
    SetReminders(birthday, {{.offset = -2 * 1440}});
    EXPECT_EQ(birthday.Options.Alarms, "-P2D");
    EXPECT_EQ(birthday.Period, 2);

    clsEvent call = eventOn(Date::fromYmd(2027, 3, 1), "00:20");
    call.Options.Duration = "PT1H";
    SetReminders(call, {{.offset = -30}, {.offset = -15, .fromEnd = true}});
    EXPECT_EQ(call.Options.Alarms, "-PT30M,-PT15M@end");
    // 30 minutes before 00:20 is the evening before, across a month's end.
    EXPECT_EQ(call.Period, 1);
    EXPECT_EQ(ReminderMoment(call, EventReminders(call)[0], call.StartingOn),
              (LocalMoment{Date::fromYmd(2027, 2, 28), 1430}));
    EXPECT_EQ(ReminderMoment(call, EventReminders(call)[1], call.StartingOn),
              (LocalMoment{Date::fromYmd(2027, 3, 1), 65}));
}

TEST(RemindersTest, BadRemindersFallBackToTheNoticePeriod)
{
    clsEvent event = eventOn(Date::fromYmd(2027, 3, 4), "25:00");
    event.Period = 1;
    event.Options.Alarms = "-PT30M,soon";
    EXPECT_FALSE(EventTime(event));
    EXPECT_EQ(RemindersText(EventReminders(event)), "-PT15H");
}

TEST(RemindersTest, LineKeepsTimeAndRemindersAndOldLinesStayByteForByte)
{
    const std::string old = "$$Ann$$2027-03-04$$Birthday$$3$$ann@example.org$$1970";
    const std::optional<EventLineRead> read = ReadEventLine(old);
    ASSERT_TRUE(read);
    EXPECT_EQ(FormatEventLine(read->event), old);

    const std::string timed = "$$Team call$$2027-03-01$$Weekly$$1$$$$$$time=09:30$$tz=Europe/"
                              "Berlin$$dur=PT45M$$alarms=-PT30M,-P1D";
    const std::optional<EventLineRead> call = ReadEventLine(timed);
    ASSERT_TRUE(call);
    EXPECT_EQ(call->event.Options.Time, "09:30");
    EXPECT_EQ(call->event.Options.Zone, "Europe/Berlin");
    EXPECT_EQ(EventLength(call->event), 45);
    EXPECT_EQ(NoticeDays(call->event), 1);
    EXPECT_EQ(FormatEventLine(call->event), timed);
    // A version that knows none of these keeps them as it read them: they are fields after
    // the year of birth, like any other it does not know.
}

} // namespace
