// SPDX-License-Identifier: GPL-3.0-or-later
// A server's calendar objects read back as events: Moonrill's own objects give back the very
// event written, a phone's objects the event the editor would make of them, and what the list
// cannot follow is refused with its reason. A change goes back into the server's object without
// losing what the list does not model.

#include "CalendarImport.h"
#include "CalendarExport.h"

#include "Occurrence.h"
#include "Reminders.h"
#include "ScopedEnv.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const Date Today = Date::fromYmd(2027, 3, 10);

Date on(int year, int month, int day)
{
    return Date::fromYmd(year, month, day);
}

clsEvent event(const char *occurs, Date date, int16_t period = 3, int8_t day = 0)
{
    return clsEvent{.Id = {},
                    .Description = std::string(occurs) + " event",
                    .StartingOn = date,
                    .Occurs = occurs,
                    .Period = period,
                    .Email = {},
                    .BirthYear = 0,
                    .Options = {.Day = day, .Uid = {}, .Unknown = {}}};
}

/// A calendar object around the lines of one VEVENT (and what follows it).
std::string object(const std::string &lines, const std::string &uid = "phone-1")
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\n"
           "DTSTAMP:20270101T000000Z\r\nUID:" +
           uid + "\r\n" + lines + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

const std::string Berlin = "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\n"
                           "DTSTART:19701025T030000\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
                           "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
                           "END:VTIMEZONE\r\n";

std::string phoneBirthday()
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n" + Berlin +
           "BEGIN:VEVENT\r\nUID:phone-1\r\nDTSTAMP:20200101T000000Z\r\n"
           "DTSTART;TZID=Europe/Berlin:20200304T090000\r\n"
           "DTEND;TZID=Europe/Berlin:20200304T100000\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Anna\r\n"
           "LOCATION:Home\r\nDESCRIPTION:Bring cake\r\nCATEGORIES:Family\r\nX-PHONE-COLOR:red\r\n"
           "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n"
           "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

/// `e` as the sync merges it into the server's object `server`.
std::string mergeEvent(const std::string &server, const clsEvent &e)
{
    return MergeIntoObject(server, CalendarObjects({e}, "-//x//EN", 0)[0].text, Today);
}

} // namespace

TEST(CalendarImport, EveryEventTheListHoldsComesBackFromItsObject)
{
    clsEvent birthday = event("Birthday", on(2027, 5, 4));
    birthday.BirthYear = 1956;
    birthday.Email = "mum@example.org";
    clsEvent leapBirthday = event("Birthday", on(2029, 2, 28), 3, 29);
    leapBirthday.BirthYear = 2000;
    clsEvent wedding = event("Yearly on the second Saturday", on(2027, 6, 12));
    wedding.BirthYear = 2002;
    const std::vector<clsEvent> events = {
        event("Once", on(2027, 4, 1)),
        event("Once", on(2026, 1, 5), -1),
        event("Daily", Today, 0),
        event("Weekly", on(2027, 3, 12)),
        event("Every 3th week", on(2027, 3, 30), 400),
        event("Monthly", on(2027, 3, 15)),
        event("Monthly", on(2027, 3, 29)),
        event("Monthly", on(2027, 3, 30)),
        event("Monthly", on(2027, 3, 31)),
        event("Monthly", on(2027, 4, 30), 3, 31),
        event("Every 2th month", on(2027, 4, 30), 0, 31),
        event("Yearly", on(2027, 6, 1)),
        event("Every 2th year", on(2028, 1, 31)),
        event("Every 12th month", on(2027, 7, 7)),
        event("Yearly", on(2028, 2, 29)),
        event("Yearly", on(2029, 2, 28), 3, 29),
        event("Monthly on the second Tuesday", on(2027, 4, 13)),
        event("Every 3th month on the last Friday", on(2027, 3, 26)),
        event("Yearly on the fourth Thursday", on(2027, 11, 25)),
        event("Every 12th month on the first Monday", on(2027, 4, 5)),
        birthday,
        leapBirthday,
        wedding};
    for (clsEvent e : events) {
        std::vector<std::string> uids;
        const std::vector<CalendarObject> objects = CalendarObjects({e}, "-//x//EN", 0, &uids);
        e.Options.Uid = uids[0];
        clsEvent expected = e;
        expected.Period = std::max<int16_t>(e.Period, 0); // without an alarm: reminded on its day
        const ObjectReading reading = ReadCalendarObject(objects[0].text, Today);
        EXPECT_EQ(reading.event, expected) << objects[0].text << reading.whyNot;
        EXPECT_EQ(reading.february, objects[0].uid.ends_with("-february")) << e.Description;
        // The fields for another copy are there only where the calendar's cannot say it, and
        // leave the rest of the object as the file has it.
        std::string plain = objects[0].text;
        int fields = 0;
        for (size_t at; (at = plain.find("X-MOONRILL-")) != std::string::npos; ++fields)
            plain.erase(at, plain.find('\n', at) + 1 - at);
        EXPECT_EQ(fields, (e.Occurs == "Birthday" || e.Occurs.starts_with("Every 12th month")) +
                              !e.Email.empty())
            << objects[0].text;
        if (objects.size() == 1) {
            EXPECT_EQ(plain, CalendarText({e}, "-//x//EN", 0));
        }
    }
}

TEST(CalendarImport, PhonesObjectsBecomeTheEventsTheEditorMakes)
{
    const LocalZone utc("UTC");
    struct Case
    {
        std::string lines;
        const char *occurs;
        Date date;
        int period;
        int8_t day = 0;
    };
    const std::string alarm = "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT36H\r\nEND:VALARM\r\n";
    const std::vector<Case> cases = {
        {"DTSTART;VALUE=DATE:20270320\r\nSUMMARY:s\r\n" + alarm, "Once", on(2027, 3, 20), 2},
        {"DTSTART:20270320T090000\r\nSUMMARY:s\r\n" + alarm, "Once", on(2027, 3, 20), 2},
        {"DTSTART:20270320T230000Z\r\nSUMMARY:s\r\nBEGIN:VALARM\r\nTRIGGER:-PT15M\r\n"
         "END:VALARM\r\n",
         "Once", on(2027, 3, 20), 0},
        {"DTSTART;VALUE=DATE:20270320\r\nSUMMARY:s\r\nBEGIN:VALARM\r\nTRIGGER:-PT15M\r\n"
         "END:VALARM\r\nBEGIN:VALARM\r\nTRIGGER:-PT20M\r\nEND:VALARM\r\n",
         "Once", on(2027, 3, 20), 1},
        {"DTSTART;VALUE=DATE:20270301\r\nRRULE:FREQ=WEEKLY;BYDAY=MO\r\nSUMMARY:s\r\n", "Weekly",
         on(2027, 3, 15), 0},
        {"DTSTART;VALUE=DATE:20270301\r\nRRULE:FREQ=DAILY;INTERVAL=14\r\nSUMMARY:s\r\n",
         "Every 2th week", on(2027, 3, 15), 0},
        {"DTSTART;VALUE=DATE:20261031\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=-1;INTERVAL=3\r\n"
         "SUMMARY:s\r\n",
         "Every 3th month", on(2027, 4, 30), 0, 31},
        // A weekday of the month as Google, Thunderbird and Evolution write it, and as Outlook
        // does (a position among the month's weekdays).
        {"DTSTART;VALUE=DATE:20250114\r\nRRULE:FREQ=MONTHLY;BYDAY=2TU\r\nSUMMARY:s\r\n",
         "Monthly on the second Tuesday", on(2027, 4, 13), 0},
        {"DTSTART:20250131T090000\r\nRRULE:FREQ=MONTHLY;INTERVAL=3;BYDAY=FR;BYSETPOS=-1\r\n"
         "SUMMARY:s\r\n",
         "Every 3th month on the last Friday", on(2027, 4, 30), 0},
        {"DTSTART;VALUE=DATE:20241128\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\r\nSUMMARY:s\r\n",
         "Yearly on the fourth Thursday", on(2027, 11, 25), 0},
        {"DTSTART;VALUE=DATE:20250330\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\r\nSUMMARY:s\r\n",
         "Yearly on the last Sunday", on(2027, 3, 28), 0},
        // A rule changed elsewhere outweighs the type another copy left; a bad address is none.
        {"DTSTART;VALUE=DATE:20270301\r\nRRULE:FREQ=WEEKLY\r\nX-MOONRILL-OCCURS:Birthday\r\n"
         "X-MOONRILL-EMAIL:a$b@c.de\r\nSUMMARY:s\r\n",
         "Weekly", on(2027, 3, 15), 0},
    };
    for (const Case &c : cases) {
        const ObjectReading reading = ReadCalendarObject(object(c.lines), Today);
        ASSERT_TRUE(reading.event) << c.lines << reading.whyNot;
        EXPECT_EQ(reading.event->Occurs, c.occurs) << c.lines;
        EXPECT_EQ(reading.event->StartingOn, c.date) << c.lines;
        EXPECT_EQ(reading.event->Period, c.period) << c.lines;
        EXPECT_EQ(reading.event->Options.Day, c.day) << c.lines;
        EXPECT_EQ(reading.event->Email, "") << c.lines;
        EXPECT_EQ(reading.event->Options.Uid, "phone-1");
    }
    // A phone's birthday with its zone, place, categories and alarm; a name with a line break
    // and a "$" at its end made safe.
    const ObjectReading anna = ReadCalendarObject(phoneBirthday(), Today);
    ASSERT_TRUE(anna.event) << anna.whyNot;
    EXPECT_EQ(anna.event->StartingOn, on(2028, 3, 4));
    EXPECT_EQ(anna.event->Period, 0);
    const ObjectReading safe =
        ReadCalendarObject(object("DTSTART;VALUE=DATE:20270320\r\nSUMMARY:a\\nb $\r\n"), Today);
    EXPECT_EQ(safe.name, "a b $");
    EXPECT_EQ(safe.event->Description, "a b $ ");
}

TEST(CalendarImport, WhatTheListCannotFollowIsRefusedWithItsReason)
{
    const std::string date = "DTSTART;VALUE=DATE:20270301\r\nSUMMARY:s\r\n";
    const std::vector<std::pair<std::string, const char *>> cases = {
        {"SUMMARY:s\r\n", "no date"},
        {"DTSTART;VALUE=DATE:20270301\r\n", "no title"},
        {date + "RRULE:FREQ=MONTHLY;BYDAY=5MO\r\n",
         "a weekday of the month other than the first to the fourth or the last"},
        {date + "RRULE:FREQ=MONTHLY;BYDAY=-2FR\r\n",
         "a weekday of the month other than the first to the fourth or the last"},
        {date + "RRULE:FREQ=MONTHLY;BYDAY=MO\r\n", "a rule by weekday"},
        {date + "RRULE:FREQ=YEARLY;BYDAY=1MO\r\n", "a weekday of the year, not of a month"},
        {date + "RRULE:FREQ=MONTHLY;BYDAY=2MO\r\n", "a start off its rule"},
        {date + "RRULE:FREQ=YEARLY;BYMONTH=4;BYDAY=1MO\r\n", "a start off its rule"},
        {date + "RRULE:FREQ=YEARLY;BYMONTH=3,9;BYDAY=1MO\r\n", "a rule by month"},
        {date + "RRULE:FREQ=MONTHLY;BYMONTH=3;BYDAY=1MO\r\n", "a rule by month"},
        {date + "RRULE:FREQ=MONTHLY;BYMONTHDAY=1;BYDAY=1MO\r\n", "a rule by day of the month"},
        {date + "RRULE:FREQ=WEEKLY;BYDAY=MO,WE\r\n", "a weekly rule on several weekdays"},
        {date + "RRULE:FREQ=WEEKLY;COUNT=5\r\n", "a rule with an end"},
        {date + "RRULE:FREQ=WEEKLY;UNTIL=20280101\r\n", "a rule with an end"},
        {date + "RRULE:FREQ=MONTHLY;BYMONTHDAY=1,15\r\n", "a rule by day of the month"},
        {date + "RRULE:FREQ=MONTHLY;BYMONTHDAY=15\r\n", "a start off its rule"},
        {date + "RRULE:FREQ=YEARLY;BYMONTH=3,9\r\n", "a rule by month"},
        {date + "RRULE:FREQ=YEARLY;BYMONTHDAY=1\r\n", "a rule by day of the month"},
        {date + "RRULE:FREQ=YEARLY;BYMONTHDAY=31,-1;BYSETPOS=1\r\n", "a rule by month"},
        {date + "RRULE:FREQ=MONTHLY;BYSETPOS=-1;BYDAY=MO,TU\r\n", "a rule by position"},
        {date + "RRULE:FREQ=MONTHLY;BYSETPOS=1;BYDAY=1MO\r\n", "a rule by position"},
        {date + "RRULE:FREQ=YEARLY;BYYEARDAY=60\r\n", "a rule by week or day of the year"},
        {date + "RRULE:FREQ=HOURLY\r\n", "a rule by time of day"},
        {date + "RRULE:FREQ=DAILY;INTERVAL=3\r\n", "a rule of days other than whole weeks"},
        {date + "RRULE:FREQ=YEARLY;INTERVAL=100\r\n", "an interval the list cannot keep"},
        {date + "RRULE:FREQ=WEEKLY;BYDAY=XX\r\n", "a rule the list cannot read"},
        {date + "RRULE:FREQ=YEARLY\r\nRRULE:FREQ=MONTHLY\r\n", "several rules"},
        {date + "RRULE:FREQ=WEEKLY\r\nEXDATE;VALUE=DATE:20270308\r\n", "exceptions to its rule"},
        {date + "RDATE;VALUE=DATE:20270308\r\n", "extra dates"},
        {date + "RRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:phone-1\r\n"
                "RECURRENCE-ID;VALUE=DATE:20270308\r\nDTSTART;VALUE=DATE:20270309\r\n",
         "exceptions to its rule"},
        {date + "BEGIN:VALARM\r\nTRIGGER:-P1D\r\nEND:VALARM\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                "END:VALARM\r\n",
         "a reminder the list cannot read"},
        {date + "BEGIN:VALARM\r\nTRIGGER:-P40000D\r\nEND:VALARM\r\n", "a reminder too long before"},
    };
    for (const auto &[lines, why] : cases) {
        const ObjectReading reading = ReadCalendarObject(object(lines), Today);
        EXPECT_FALSE(reading.event) << lines;
        EXPECT_EQ(reading.whyNot, why) << lines;
    }
    for (const char *uid : {"a/b", "a$b", "a\\nb"})
        EXPECT_EQ(ReadCalendarObject(object(date, uid), Today).whyNot,
                  "a UID the list cannot keep");
    // A task or a journal entry is named; an object of nothing the list knows is not.
    for (const char *kind : {"VTODO", "VJOURNAL", "VFREEBUSY"}) {
        const std::string text = "BEGIN:VCALENDAR\r\nBEGIN:" + std::string(kind) +
                                 "\r\nUID:t\r\nSUMMARY:Milk\r\nEND:" + kind +
                                 "\r\nEND:VCALENDAR\r\n";
        const ObjectReading task = ReadCalendarObject(text, Today);
        const bool named = std::string_view(kind) != "VFREEBUSY";
        EXPECT_EQ(task.uid, named ? "t" : "") << kind;
        EXPECT_EQ(task.name, named ? "Milk" : "") << kind;
        EXPECT_EQ(task.whyNot, named ? "a task or journal, not an event" : "no event") << kind;
    }
}

TEST(CalendarImport, AChangeKeepsWhatTheServersObjectSaysBeyondTheList)
{
    const std::string server = phoneBirthday();
    const clsEvent anna = *ReadCalendarObject(server, Today).event;
    const auto merged = [&server](const clsEvent &e) {
        const std::string text =
            MergeIntoObject(server, CalendarObjects({e}, "-//x//EN", 0)[0].text, Today);
        EXPECT_EQ(ReadCalendarObject(text, Today).event, e) << text;
        return text;
    };
    const auto has = [](const std::string &text, const char *line) {
        return text.find(std::string(line) + "\r\n") != std::string::npos;
    };
    clsEvent renamed = anna;
    renamed.Description = "Anna B.";
    const std::string text = merged(renamed);
    for (const char *line : {"SUMMARY:Anna B.", "LOCATION:Home", "DESCRIPTION:Bring cake",
                             "CATEGORIES:Family", "X-PHONE-COLOR:red", "TRIGGER:-PT15M",
                             "DTSTART;TZID=Europe/Berlin:20200304T090000", "TZID:Europe/Berlin"})
        EXPECT_TRUE(has(text, line)) << line << "\n" << text;

    // A new date moves the start and the end, at their time of day; a new rule replaces the old.
    clsEvent moved = anna;
    moved.StartingOn = on(2028, 3, 5);
    moved.Occurs = "Every 2th year";
    const std::string later = merged(moved);
    for (const char *line :
         {"DTSTART;TZID=Europe/Berlin:20280305T090000", "DTEND;TZID=Europe/Berlin:20280305T100000",
          "RRULE:FREQ=YEARLY;INTERVAL=2", "LOCATION:Home"})
        EXPECT_TRUE(has(later, line)) << line << "\n" << later;

    // A Birthday's year goes before the notes; a new notice period replaces the phone's alarm.
    clsEvent born = anna;
    born.Occurs = "Birthday";
    born.BirthYear = 1990;
    SetReminders(born, {DefaultReminder(3, true)});
    const std::string birthday = merged(born);
    for (const char *line : {"DESCRIPTION:Year of birth: 1990\\nBring cake", "TRIGGER:-P3D",
                             "X-MOONRILL-OCCURS:Birthday"})
        EXPECT_TRUE(has(birthday, line)) << line << "\n" << birthday;
    EXPECT_FALSE(has(birthday, "TRIGGER:-PT15M")) << birthday;

    // A phone's weekday of the month keeps its first date through a change of the title.
    const std::string club =
        object("DTSTART;VALUE=DATE:20250114\r\nRRULE:FREQ=MONTHLY;BYDAY=TU;BYSETPOS=2\r\n"
               "SUMMARY:Club\r\n");
    clsEvent renamedClub = *ReadCalendarObject(club, Today).event;
    renamedClub.Description = "Chess club";
    const std::string clubText =
        MergeIntoObject(club, CalendarObjects({renamedClub}, "-//x//EN", 0)[0].text, Today);
    EXPECT_EQ(ReadCalendarObject(clubText, Today).event, renamedClub) << clubText;
    for (const char *line : {"DTSTART;VALUE=DATE:20250114",
                             "RRULE:FREQ=MONTHLY;BYDAY=TU;BYSETPOS=2", "SUMMARY:Chess club"})
        EXPECT_TRUE(has(clubText, line)) << line << "\n" << clubText;

    const std::string ours = CalendarObjects({anna}, "-//x//EN", 0)[0].text;
    EXPECT_EQ(MergeIntoObject("not a calendar", ours, Today), ours);
}

TEST(CalendarImport, AChangeIsStampedAndLeavesWhatItDoesNotChangeAsWritten)
{
    const std::string server = object(
        "DTSTART;VALUE=DATE:20270320\r\nRRULE:FREQ=YEARLY\r\nSEQUENCE:4\r\n"
        "SUMMARY;LANGUAGE=de:Geburtstag\r\nCATEGORIES:Family,Birth\\,day\r\nCATEGORIES:Work\r\n"
        "BEGIN:VALARM\r\nUID:alarm-1\r\nACTION:AUDIO\r\nATTACH:Chord\r\n"
        "TRIGGER:-PT15M\r\nX-APPLE-DEFAULT-ALARM:TRUE\r\nEND:VALARM\r\nBEGIN:VALARM\r\n"
        "ACTION:NONE\r\nTRIGGER;VALUE=DATE-TIME:19760401T005545Z\r\nEND:VALARM\r\n");
    const clsEvent read = *ReadCalendarObject(server, Today).event;
    const auto merged = [&server](const clsEvent &e) {
        const std::string text =
            MergeIntoObject(server, CalendarObjects({e}, "-//x//EN", 1'800'000'000)[0].text, Today);
        EXPECT_EQ(ReadCalendarObject(text, Today).event, e) << text;
        return text;
    };
    const auto lines = [](const std::string &text, std::vector<const char *> wanted) {
        for (const char *line : wanted)
            EXPECT_NE(text.find(std::string(line) + "\r\n"), std::string::npos) << line << "\n"
                                                                                << text;
    };
    const char *asWritten[] = {"CATEGORIES:Family,Birth\\,day", "CATEGORIES:Work", "ACTION:NONE"};
    // Nothing changed: nothing stamped.
    const std::string same = merged(read);
    EXPECT_EQ(same.find("LAST-MODIFIED"), std::string::npos) << same;
    lines(same, {"DTSTAMP:20270101T000000Z", "SEQUENCE:4"});
    clsEvent renamed = read;
    renamed.Description = "Party";
    const std::string party = merged(renamed);
    lines(party, {"SUMMARY;LANGUAGE=de:Party", "SEQUENCE:4", "DTSTAMP:20270115T080000Z",
                  "LAST-MODIFIED:20270115T080000Z", "TRIGGER:-PT15M"});
    lines(party, {std::begin(asWritten), std::end(asWritten)});
    // A new date is a new version; a new notice period only the phone's alarm's TRIGGER.
    clsEvent moved = read;
    moved.StartingOn = on(2027, 3, 21);
    SetReminders(moved, {DefaultReminder(3, false)});
    const std::string later = merged(moved);
    lines(later, {"SEQUENCE:5", "DTSTART;VALUE=DATE:20270321", "UID:alarm-1", "ACTION:AUDIO",
                  "ATTACH:Chord", "TRIGGER:-P2DT15H", "X-APPLE-DEFAULT-ALARM:TRUE"});
    lines(later, {std::begin(asWritten), std::end(asWritten)});
    EXPECT_EQ(later.find("TRIGGER:-PT15M"), std::string::npos) << later;
}

TEST(CalendarImport, AnEventWithoutAnAlarmIsRemindedOnItsDay)
{
    const std::string fair = object("DTSTART;VALUE=DATE:20270320\r\nSUMMARY:Fair\r\n");
    clsEvent read = *ReadCalendarObject(fair, Today).event;
    EXPECT_EQ(read.Period, 0);
    // The server's object stays without an alarm until the notice period changes.
    read.Description = "Book fair";
    const std::string renamed = mergeEvent(fair, read);
    EXPECT_EQ(renamed.find("VALARM"), std::string::npos) << renamed;
    EXPECT_EQ(ReadCalendarObject(renamed, Today).event, read);
    read.Period = 2;
    const std::string reminded = mergeEvent(fair, read);
    // Added as an alarm every client shows: an action, a text, two days ahead at 09:00.
    EXPECT_NE(reminded.find("BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Book fair\r\n"
                            "TRIGGER:-P1DT15H\r\nEND:VALARM\r\n"),
              std::string::npos)
        << reminded;
    EXPECT_EQ(ReadCalendarObject(reminded, Today).event, read);
}
