// SPDX-License-Identifier: GPL-3.0-or-later
// The dates of a server's object as the list holds them: a time of day on its own date, in its own
// zone, and a day some months lack only where the list's type gives the calendar's very dates.

#include "CalendarImport.h"

#include "Conversions.h"
#include "OwnDates.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

const Date Today = Date::fromYmd(2027, 3, 10);

Date on(int year, int month, int day)
{
    return Date::fromYmd(year, month, day);
}

/// A calendar object around the lines of one VEVENT.
std::string object(const std::string &lines, const std::string &uid = "phone-1")
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\n"
           "DTSTAMP:20270101T000000Z\r\nUID:" +
           uid + "\r\n" + lines + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

} // namespace

TEST(CalendarDates, ATimeKeepsItsDateAndZoneWhereverTheUserIs)
{
    struct Case
    {
        std::string text;
        const char *occurs;
        Date date;
        const char *time;
        const char *zone;
        int period = 0;
        const char *alarms = "";
    };
    const std::string newYork = "DTSTART;TZID=America/New_York:20270610T200000\r\nSUMMARY:s\r\n";
    const std::string lateUtc = "DTSTART:20270320T233000Z\r\nSUMMARY:s\r\n";
    // A zone the object defines itself, under a name libical does not know: Berlin's winter.
    const std::string office = "BEGIN:VTIMEZONE\r\nTZID:Office\r\nBEGIN:STANDARD\r\n"
                               "DTSTART:19700101T000000\r\nTZOFFSETFROM:+0100\r\n"
                               "TZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    const std::string inOffice = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + office +
                                 "BEGIN:VEVENT\r\nUID:phone-1\r\nSUMMARY:s\r\n"
                                 "DTSTART;TZID=Office:20270321T003000\r\nEND:VEVENT\r\n"
                                 "END:VCALENDAR\r\n";
    const std::vector<Case> cases = {
        // An hour before 23:30 is the same day; 23:30 in UTC stays the 20th, in UTC.
        {object(lateUtc + "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT1H\r\nEND:VALARM\r\n"),
         "Once", on(2027, 3, 20), "23:30", "UTC", 0, "-PT1H"},
        {object(newYork), "Once", on(2027, 6, 10), "20:00", "America/New_York"},
        {inOffice, "Once", on(2027, 3, 21), "00:30", "Office"},
        // Half an hour before 00:30 is the evening before: a notice period of a day.
        {object("DTSTART:20270320T001500\r\nSUMMARY:s\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                "TRIGGER:-PT30M\r\nEND:VALARM\r\n"),
         "Once", on(2027, 3, 20), "00:15", "", 1, "-PT30M"},
        // A series keeps the days of its zone: Thursday evenings in New York, the second Tuesday.
        {object(newYork + "RRULE:FREQ=WEEKLY\r\n"), "Weekly", on(2027, 6, 10), "20:00",
         "America/New_York"},
        {object("DTSTART;TZID=America/New_York:20250114T200000\r\nRRULE:FREQ=MONTHLY;BYDAY=2TU\r\n"
                "SUMMARY:s\r\n"),
         "Monthly on the second Tuesday", on(2027, 4, 13), "20:00", "America/New_York"},
        {object("DTSTART:20270107T233000Z\r\nRRULE:FREQ=WEEKLY\r\nSUMMARY:s\r\n"), "Weekly",
         on(2027, 3, 11), "23:30", "UTC"},
    };
    for (const char *userZone : {"Europe/Berlin", "America/New_York", "Asia/Tokyo"}) {
        const LocalZone zone(userZone);
        for (const Case &c : cases) {
            const ObjectReading reading = ReadCalendarObject(c.text, Today);
            ASSERT_TRUE(reading.event) << userZone << c.text << reading.whyNot;
            EXPECT_EQ(reading.event->Occurs, c.occurs) << c.text;
            EXPECT_EQ(reading.event->StartingOn, c.date) << userZone << c.text;
            EXPECT_EQ(reading.event->Options.Time, c.time) << c.text;
            EXPECT_EQ(reading.event->Options.Zone, c.zone) << c.text;
            EXPECT_EQ(reading.event->Period, c.period) << c.text;
            EXPECT_EQ(reading.event->Options.Alarms, c.alarms) << c.text;
        }
    }
}

TEST(CalendarDates, TheDaysSomeMonthsLackAreHeldExactlyOrNamed)
{
    // A calendar skips a month without the day; the list holds an object only where its type
    // gives the same dates, as python-dateutil and khal expand them.
    const std::vector<std::pair<const char *, bool>> cases = {
        {"20270131\r\nRRULE:FREQ=MONTHLY", false},
        {"20270130\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=30", false},
        {"20270129\r\nRRULE:FREQ=MONTHLY;INTERVAL=5", false},
        {"20280229\r\nRRULE:FREQ=YEARLY", false},
        {"20200229\r\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29", false},
        {"20270131\r\nRRULE:FREQ=MONTHLY;INTERVAL=6", true},
        {"20270130\r\nRRULE:FREQ=MONTHLY;INTERVAL=2", true},
        {"20270331\r\nRRULE:FREQ=YEARLY", true},
        {"20270131\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=-1", true},
        {"20270131\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=31,-1;BYSETPOS=1", true},
        {"20270430\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=-1,31;BYSETPOS=1", true},
        {"20270130\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=30,-1;BYSETPOS=1", true},
        {"20270228\r\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29,-1;BYSETPOS=1", true},
    };
    const Date last = Today.addMonths(48);
    std::string calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n", own;
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string name = "case " + std::to_string(i);
        const std::string lines =
            "DTSTART;VALUE=DATE:" + std::string(cases[i].first) + "\r\nSUMMARY:" + name + "\r\n";
        const ObjectReading reading = ReadCalendarObject(object(lines, name), Today);
        EXPECT_EQ(reading.event.has_value(), cases[i].second) << lines << reading.whyNot;
        if (!reading.event) {
            EXPECT_EQ(reading.whyNot, "a day some months lack") << lines;
            continue;
        }
        calendar += "BEGIN:VEVENT\r\nUID:" + name + "\r\nDTSTAMP:20270101T000000Z\r\n" + lines +
                    "END:VEVENT\r\n";
        for (const Date date : OwnDates(*reading.event, Today, last))
            own += DateToText(date) + "\t" + name + "\n";
    }
    TempFolder folder;
    folder.write("moonrill.ics", calendar + "END:VCALENDAR\r\n");
    folder.write("moonrill.tsv", own);
    folder.write("compare.py",
                 "import sys\nsys.path.insert(0, '" SOURCE_DIR "/tests/exchange')\n"
                 "import calendar_clients as c\n"
                 "folder, first, last = sys.argv[1], c.day(sys.argv[2]), c.day(sys.argv[3])\n"
                 "own = {(c.day(w), s) for w, s in (l.split('\\t') for l in "
                 "open(folder + '/moonrill.tsv').read().splitlines())}\n"
                 "ics = folder + '/moonrill.ics'\n"
                 "shown = {'python-dateutil': c.dateutil_dates([open(ics, 'rb').read()], first, "
                 "last), 'khal': c.khal_dates(ics, first, last, folder)}\n"
                 "for name, dates in shown.items():\n"
                 "    if dates is not None and dates != own:\n"
                 "        print(name, sorted(dates ^ own)[:5])\n"
                 "        sys.exit(1)\n"
                 "sys.exit(77 if all(d is None for d in shown.values()) else 0)\n");
    const int status =
        WEXITSTATUS(std::system(("/usr/bin/python3 " + folder.file("compare.py") + " " +
                                 folder.path() + " " + DateToText(Today) + " " + DateToText(last))
                                    .c_str()));
    if (status == 77)
        GTEST_SKIP() << "Neither python3-dateutil nor khal is installed";
    EXPECT_EQ(status, 0);
}
