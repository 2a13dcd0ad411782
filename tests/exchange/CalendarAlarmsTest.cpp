// SPDX-License-Identifier: GPL-3.0-or-later
// What a phone sets, kept through the list: a time of day in its zone or floating, an end or a
// length as written, and every alarm (hours, several, from the end, at a fixed time), read,
// written and merged back into the server's object word for word.

#include "CalendarExport.h"
#include "CalendarImport.h"
#include "Reminders.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const Date Today = Date::fromYmd(2027, 3, 10);

std::string object(const std::string &lines)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\n"
           "UID:phone-1\r\nDTSTAMP:20270101T000000Z\r\nSUMMARY:Team call\r\n" +
           lines + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

std::string alarm(const std::string &trigger, const std::string &more = "")
{
    return "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\n" + more + "TRIGGER" + trigger +
           "\r\nEND:VALARM\r\n";
}

bool has(const std::string &text, const std::string &lines)
{
    return text.find("\r\n" + lines + "\r\n") != std::string::npos;
}

size_t count(const std::string &text, const std::string &line)
{
    size_t n = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        ++n;
    return n;
}

clsEvent teamCall()
{
    clsEvent call{{}, "Team call", Date::fromYmd(2027, 3, 15), "Weekly", 0, "", 0, {}};
    call.Options.Time = "09:30";
    call.Options.Zone = "Europe/Berlin";
    call.Options.Duration = "PT45M";
    SetReminders(call, {{.offset = -30}});
    return call;
}

std::string merge(const std::string &server, const clsEvent &e)
{
    return MergeIntoObject(server, CalendarObjects({e}, "-//x//EN", 0)[0].text, Today);
}

} // namespace

TEST(CalendarAlarms, ATimedEventIsWrittenAtItsTimeInItsZone)
{
    const std::string text = CalendarText({teamCall()}, "-//x//EN", 0);
    // The zone's definition, named as the event names it, before the event.
    EXPECT_LT(text.find("BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"), text.find("BEGIN:VEVENT"))
        << text;
    EXPECT_TRUE(has(text, "TZOFFSETTO:+0100")) << text;
    for (const char *line :
         {"DTSTART;TZID=Europe/Berlin:20270315T093000", "DURATION:PT45M", "RRULE:FREQ=WEEKLY",
          "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Team "
          "call\r\nTRIGGER:-PT30M\r\nEND:VALARM"})
        EXPECT_TRUE(has(text, line)) << line << "\n" << text;
    EXPECT_EQ(count(text, "BEGIN:VTIMEZONE"), 1u);

    // Floating, in UTC, with an end; several reminders, one from the end; no zone to define.
    clsEvent flight{{}, "Flight", Date::fromYmd(2027, 4, 2), "Once", 0, "", 0, {}};
    flight.Options.Time = "23:30";
    flight.Options.Zone = "UTC";
    flight.Options.End = "PT2H";
    SetReminders(flight, {{.offset = -180}, {.offset = -15, .fromEnd = true}});
    clsEvent standup{{}, "Standup", Date::fromYmd(2027, 3, 11), "Once", 2, "", 0, {}};
    standup.Options.Time = "08:00";
    const std::string two = CalendarText({flight, standup}, "-//x//EN", 0);
    for (const char *line :
         {"DTSTART:20270402T233000Z", "DTEND:20270403T013000Z", "TRIGGER:-PT3H",
          "TRIGGER;RELATED=END:-PT15M", "DTSTART:20270311T080000", "TRIGGER:-P2D"})
        EXPECT_TRUE(has(two, line)) << line << "\n" << two;
    EXPECT_EQ(two.find("VTIMEZONE"), std::string::npos) << two;

    // Each comes back as written, whatever the user's zone.
    const LocalZone tokyo("Asia/Tokyo");
    for (const clsEvent &e : {teamCall(), flight, standup}) {
        const std::string own = CalendarObjects({e}, "-//x//EN", 0)[0].text;
        const ObjectReading reading = ReadCalendarObject(own, Today);
        ASSERT_TRUE(reading.event) << reading.whyNot << own;
        clsEvent expected = e;
        expected.Options.Uid = reading.event->Options.Uid;
        EXPECT_EQ(*reading.event, expected) << own;
    }
}

TEST(CalendarAlarms, EveryAlarmIsReadAsAReminder)
{
    const std::string call = "DTSTART;TZID=Europe/Berlin:20270301T093000\r\nRRULE:FREQ=WEEKLY\r\n"
                             "DTEND;TZID=Europe/Berlin:20270301T101500\r\n";
    struct Case
    {
        std::string lines;
        const char *alarms;
        int period;
    };
    const std::vector<Case> cases = {
        {call + alarm(":-PT30M") + alarm(":-P1D"), "-PT30M,-P1D", 1},
        {call + alarm(";RELATED=END:-PT5M"), "-PT5M@end", 0},
        // At a fixed time: before the start of the occurrence it comes for (08:30 UTC is 09:30
        // in Berlin, winter time), a week on or at the first.
        {call + alarm(";VALUE=DATE-TIME:20270308T080000Z"), "-PT30M", 0},
        {call + alarm(";VALUE=DATE-TIME:20270228T083000Z"), "", 1},
        // A day event's hour: the morning before (its notice period's own), on the day at an
        // hour of its own, and its days at midnight.
        {"DTSTART;VALUE=DATE:20270320\r\n" + alarm(":-PT15H"), "", 1},
        {"DTSTART;VALUE=DATE:20270320\r\n" + alarm(":PT7H"), "PT7H", 0},
        {"DTSTART;VALUE=DATE:20270320\r\n" + alarm(":PT9H"), "", 0},
        {"DTSTART;VALUE=DATE:20270320\r\n" + alarm(":-P2DT15H"), "", 3},
        {"DTSTART;VALUE=DATE:20270320\r\n" + alarm(":-P3D"), "", 3},
        {"DTSTART;VALUE=DATE:20270320\r\n" + alarm(":-P3D") + alarm(":-P1D"), "-P3D,-P1D", 3},
    };
    for (const Case &c : cases) {
        const ObjectReading reading = ReadCalendarObject(object(c.lines), Today);
        ASSERT_TRUE(reading.event) << c.lines << reading.whyNot;
        EXPECT_EQ(reading.event->Options.Alarms, c.alarms) << c.lines;
        EXPECT_EQ(reading.event->Period, c.period) << c.lines;
    }
    const ObjectReading first = ReadCalendarObject(object(cases[0].lines), Today);
    EXPECT_EQ(first.event->Options.Time, "09:30");
    EXPECT_EQ(first.event->Options.End, "PT45M");
    EXPECT_EQ(first.event->StartingOn, Date::fromYmd(2027, 3, 15));
}

TEST(CalendarAlarms, AChangeKeepsTheServersAlarmsWhereTheRemindersStay)
{
    // The phone's weekly call: its own alarms with their UIDs, sound and properties.
    const std::string server = object(
        "DTSTART;TZID=Europe/Berlin:20270301T093000\r\nDTEND;TZID=Europe/Berlin:20270301T101500\r\n"
        "RRULE:FREQ=WEEKLY\r\nTRANSP:OPAQUE\r\n"
        "BEGIN:VALARM\r\nUID:a-1\r\nACTION:AUDIO\r\nATTACH:Chord\r\nTRIGGER:-PT30M\r\n"
        "X-APPLE-DEFAULT-ALARM:TRUE\r\nEND:VALARM\r\n"
        "BEGIN:VALARM\r\nUID:a-2\r\nACTION:DISPLAY\r\nDESCRIPTION:Call\r\n"
        "TRIGGER;VALUE=DATE-TIME:20270228T083000Z\r\nEND:VALARM\r\n");
    const clsEvent read = *ReadCalendarObject(server, Today).event;
    ASSERT_EQ(read.Options.Alarms, "-PT30M,-P1D");
    const auto alarms = [](const std::string &text) {
        return text.substr(text.find("BEGIN:VALARM"),
                           text.rfind("END:VALARM\r\n") + 12 - text.find("BEGIN:VALARM"));
    };
    const std::string serverAlarms = alarms(server);

    // Renamed: every alarm stays as the phone wrote it, at its time, in its zone.
    clsEvent renamed = read;
    renamed.Description = "Team sync";
    const std::string text = merge(server, renamed);
    EXPECT_EQ(alarms(text), serverAlarms) << text;
    for (const char *line : {"SUMMARY:Team sync", "DTSTART;TZID=Europe/Berlin:20270301T093000",
                             "DTEND;TZID=Europe/Berlin:20270301T101500", "TRANSP:OPAQUE"})
        EXPECT_TRUE(has(text, line)) << line << "\n" << text;
    EXPECT_EQ(ReadCalendarObject(text, Today).event, renamed);

    // A lead changed: only that alarm's TRIGGER.
    clsEvent earlier = read;
    SetReminders(earlier, {{.offset = -10}, {.offset = -1440}});
    const std::string changed = merge(server, earlier);
    EXPECT_TRUE(has(changed, "BEGIN:VALARM\r\nUID:a-1\r\nACTION:AUDIO\r\nATTACH:Chord\r\n"
                             "X-APPLE-DEFAULT-ALARM:TRUE\r\nTRIGGER:-PT10M\r\nEND:VALARM"))
        << changed;
    EXPECT_TRUE(has(changed, "TRIGGER;VALUE=DATE-TIME:20270228T083000Z")) << changed;
    EXPECT_EQ(ReadCalendarObject(changed, Today).event, earlier);

    // One added comes as an alarm of its own; one removed goes.
    clsEvent more = read;
    SetReminders(more, {{.offset = -30}, {.offset = -1440}, {.offset = 5, .fromEnd = true}});
    const std::string added = merge(server, more);
    EXPECT_EQ(count(added, "BEGIN:VALARM"), 3u);
    EXPECT_TRUE(has(added, "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Team call\r\n"
                           "TRIGGER;RELATED=END:PT5M\r\nEND:VALARM"))
        << added;
    EXPECT_EQ(alarms(added).find(serverAlarms), 0u) << added;
    clsEvent fewer = read;
    SetReminders(fewer, {{.offset = -1440}});
    const std::string removed = merge(server, fewer);
    EXPECT_EQ(count(removed, "BEGIN:VALARM"), 1u);
    EXPECT_TRUE(has(removed, "UID:a-2")) << removed;
    EXPECT_EQ(ReadCalendarObject(removed, Today).event, fewer);

    // A new time in the list: the phone's first date stays, at the new time, its end with it.
    clsEvent later = read;
    later.Options.Time = "10:00";
    const std::string moved = merge(server, later);
    for (const char *line : {"DTSTART;TZID=Europe/Berlin:20270301T100000",
                             "DTEND;TZID=Europe/Berlin:20270301T104500", "SEQUENCE:1"})
        EXPECT_TRUE(has(moved, line)) << line << "\n" << moved;
    // The alarm set for a fixed time stays the lead it was, a day before.
    std::string leads = serverAlarms;
    leads.replace(leads.find("TRIGGER;VALUE=DATE-TIME:20270228T083000Z"), 40, "TRIGGER:-P1D");
    EXPECT_EQ(alarms(moved), leads);
    EXPECT_EQ(ReadCalendarObject(moved, Today).event, later);
}

TEST(CalendarAlarms, ADayEventsReminderKeepsItsHourThroughTheServer)
{
    // A phone's day event reminded at 09:00 the day before.
    const std::string server =
        object("DTSTART;VALUE=DATE:20270320\r\nDTEND;VALUE=DATE:20270321\r\n" +
               alarm(":-PT15H", "UID:b-1\r\n"));
    const clsEvent read = *ReadCalendarObject(server, Today).event;
    EXPECT_EQ(read.Options.Alarms, "");
    EXPECT_EQ(read.Period, 1);
    EXPECT_TRUE(read.Options.End.empty());
    clsEvent renamed = read;
    renamed.Description = "Fair";
    const std::string text = merge(server, renamed);
    EXPECT_TRUE(has(text, "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\nUID:b-1\r\n"
                          "TRIGGER:-PT15H\r\nEND:VALARM"))
        << text;
    EXPECT_TRUE(has(text, "DTEND;VALUE=DATE:20270321")) << text;
    // The list's own day event: its days at 09:00, on the server as in a file.
    clsEvent own{{}, "Fair", Date::fromYmd(2027, 3, 20), "Once", 3, "", 0, {}};
    EXPECT_TRUE(has(CalendarObjects({own}, "-//x//EN", 0)[0].text, "TRIGGER:-P2DT15H"));
    EXPECT_TRUE(has(merge(server, own), "TRIGGER:-P2DT15H"));

    // An earlier version's alarm at midnight stays while it is the one reminder; beside a new
    // one it becomes the hour the list reads it as.
    const std::string old =
        object("DTSTART;VALUE=DATE:20270320\r\n" + alarm(":-P3D", "UID:c-1\r\n"));
    clsEvent twice = *ReadCalendarObject(old, Today).event;
    EXPECT_EQ(twice.Period, 3);
    EXPECT_TRUE(has(merge(old, twice), "TRIGGER:-P3D"));
    SetReminders(twice, {DefaultReminder(3, false), {.offset = -15}});
    const std::string both = merge(old, twice);
    EXPECT_TRUE(has(both, "UID:c-1\r\nTRIGGER:-P2DT15H")) << both;
    EXPECT_EQ(ReadCalendarObject(both, Today).event, twice) << both;
}

TEST(CalendarAlarms, AnotherProgramReadsTheTimesAndAlarmsAsMeant)
{
    // python-icalendar reads the whole file, the zone by its TZID: 09:30 in Berlin in March is
    // 08:30 in UTC; and the length and the alarms' leads as written.
    clsEvent call = teamCall();
    SetReminders(call, {{.offset = -30}, {.offset = -5, .fromEnd = true}});
    TempFolder folder;
    folder.write("own.ics", CalendarText({call}, "-//x//EN", 0));
    folder.write("read.py",
                 "import sys, datetime\n"
                 "try:\n"
                 "    import icalendar\n"
                 "except ImportError:\n"
                 "    sys.exit(77)\n"
                 "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
                 "e = [e for e in cal.walk('VEVENT')][0]\n"
                 "start = e.decoded('DTSTART')\n"
                 "utc = datetime.timezone.utc\n"
                 "out = [start.astimezone(utc).strftime('%H:%M'), str(start.date()),\n"
                 "       str(e.decoded('DURATION'))]\n"
                 "out += [str(a.decoded('TRIGGER')) + ' ' + str(a['TRIGGER'].params.get('RELATED', "
                 "'START'))\n"
                 "        for a in e.walk('VALARM')]\n"
                 "open(sys.argv[2], 'w').write('\\n'.join(out))\n");
    const int status = WEXITSTATUS(
        std::system(("/usr/bin/python3 " + folder.file("read.py") + " " + folder.file("own.ics") +
                     " " + folder.file("out") + " 2>" + folder.file("err"))
                        .c_str()));
    if (status == 77)
        GTEST_SKIP() << "python3-icalendar is not installed";
    ASSERT_EQ(status, 0) << folder.read("err");
    EXPECT_EQ(folder.read("out"),
              "08:30\n2027-03-15\n0:45:00\n-1 day, 23:30:00 START\n-1 day, 23:55:00 END");
}
