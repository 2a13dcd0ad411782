// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar files from other programs read into the list: the shapes Google Calendar, Outlook,
// Thunderbird and Evolution write (time zones, date-times, floating times, alarms of several
// kinds, a series with exceptions), a file python-icalendar writes, and Moonrill's own export
// (written by libical) read back as the very list exported.

#include "CalendarFileImport.h"

#include "CalendarExport.h"
#include "Conversions.h"
#include "Reminders.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const Date Today = Date::fromYmd(2027, 3, 10);

std::string calendar(const std::string &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

std::string vevent(const std::string &uid, const std::string &summary, const std::string &lines)
{
    return "BEGIN:VEVENT\r\n" + (uid.empty() ? "" : "UID:" + uid + "\r\n") +
           "DTSTAMP:20270101T000000Z\r\nSUMMARY:" + summary + "\r\n" + lines + "END:VEVENT\r\n";
}

std::string alarm(const std::string &action, const std::string &trigger)
{
    return "BEGIN:VALARM\r\nACTION:" + action + "\r\nDESCRIPTION:x\r\nTRIGGER" + trigger +
           "\r\nEND:VALARM\r\n";
}

/// An event as the test reads it: description, date, type, notice period and UID, then its
/// time, zone, end, length and reminders where it has them.
std::string shown(const clsEvent &event)
{
    std::string text = event.Description + " " + DateToText(event.StartingOn) + " " + event.Occurs +
                       " " + IntToText(event.Period) + " " + event.Options.Uid;
    for (const auto &[name, value] :
         {std::pair("time=", &event.Options.Time), std::pair("tz=", &event.Options.Zone),
          std::pair("end=", &event.Options.End), std::pair("dur=", &event.Options.Duration),
          std::pair("alarms=", &event.Options.Alarms)}) {
        if (!value->empty())
            text += " " + std::string(name) + *value;
    }
    return text;
}

std::vector<std::string> shownAll(const CalendarFileImport &import)
{
    std::vector<std::string> all;
    for (const WrittenEvent &written : import.events)
        all.push_back(shown(written.event));
    return all;
}

} // namespace

TEST(CalendarFileImport, TheShapesOtherProgramsWrite)
{
    const LocalZone utc("UTC");
    const std::string berlin =
        "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
        "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
        "END:STANDARD\r\nEND:VTIMEZONE\r\n";
    const std::string file = calendar(
        berlin +
        // Google: a zone, a weekday of the month, a pop-up and an e-mail the same day.
        vevent("club@google.com", "Club",
               "DTSTART;TZID=Europe/Berlin:20250114T190000\r\n"
               "DTEND;TZID=Europe/Berlin:20250114T210000\r\nRRULE:FREQ=MONTHLY;BYDAY=2TU\r\n" +
                   alarm("DISPLAY", ":-PT30M") + alarm("EMAIL", ":-PT10M")) +
        // Outlook: the last Friday as a position, a sound the day before.
        vevent("040000008200E00074C5B7101A82E008", "Pay day",
               "DTSTART;VALUE=DATE:20250131\r\nRRULE:FREQ=MONTHLY;BYDAY=FR;BYSETPOS=-1\r\n"
               "X-MICROSOFT-CDO-BUSYSTATUS:FREE\r\n" +
                   alarm("AUDIO", ";RELATED=START:-P1D")) +
        // Thunderbird: a floating time; Apple's placeholder alarm, which never goes off.
        vevent("tb-1", "Dentist",
               "DTSTART:20270420T093000\r\n" + alarm("NONE", ";VALUE=DATE-TIME:19760401T005545Z")) +
        vevent("evo-1", "Call", "DTSTART:20270320T230000Z\r\n") +
        vevent("", "Fair", "DTSTART;VALUE=DATE:20271001\r\n") +
        vevent("g/2", "Thanksgiving",
               "DTSTART;VALUE=DATE:20241128\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\r\n") +
        // What the list cannot hold: a series with exceptions, a changed occurrence; one that is
        // over; one listed already; a task. A reminder from the end is the list's.
        vevent("yoga", "Yoga",
               "DTSTART;VALUE=DATE:20270301\r\nRRULE:FREQ=WEEKLY\r\n"
               "EXDATE;VALUE=DATE:20270308\r\n") +
        vevent("standup", "Standup", "DTSTART:20270301T090000\r\nRRULE:FREQ=DAILY\r\n") +
        vevent("standup", "Standup",
               "RECURRENCE-ID:20270302T090000\r\nDTSTART:20270302T100000\r\n") +
        vevent("late", "Late",
               "DTSTART;VALUE=DATE:20270401\r\n" + alarm("DISPLAY", ";RELATED=END:-P1D")) +
        vevent("old", "Old trip", "DTSTART;VALUE=DATE:20200101\r\n") +
        vevent("listed", "Listed", "DTSTART;VALUE=DATE:20270501\r\n") +
        "BEGIN:VTODO\r\nUID:t\r\nSUMMARY:Task\r\nEND:VTODO\r\n");
    const std::vector<clsEvent> existing = {
        {"ID0", "Kept", Date::fromYmd(2027, 5, 1), "Once", 3, "", 0, {.Day = 0, .Uid = "listed"}}};
    const CalendarFileImport import = PlanCalendarImport(file, existing, Today);
    ASSERT_TRUE(import.isCalendar);
    const std::vector<std::string> expected = {
        "Club 2027-04-13 Monthly on the second Tuesday 0 club@google.com time=19:00 "
        "tz=Europe/Berlin end=PT2H alarms=-PT30M,-PT10M",
        "Pay day 2027-03-26 Monthly on the last Friday 1 040000008200E00074C5B7101A82E008",
        "Dentist 2027-04-20 Once 0 tb-1 time=09:30",
        "Call 2027-03-20 Once 0 evo-1 time=23:00 tz=UTC",
        "Fair 2027-10-01 Once 0 " + import.events[4].event.Options.Uid,
        "Thanksgiving 2027-11-25 Yearly on the fourth Thursday 0 " +
            import.events[5].event.Options.Uid,
        "Late 2027-04-01 Once 0 late alarms=-P1D@end",
    };
    EXPECT_EQ(shownAll(import), expected);
    for (const size_t i : {4, 5})
        EXPECT_TRUE(import.events[i].event.Options.Uid.starts_with("import-"));
    EXPECT_EQ(import.alreadyInList, 1);
    EXPECT_EQ(import.over, 1);
    EXPECT_EQ(import.leftOut, (std::vector<LeftOutEvent>{{"Yoga", "exceptions to its rule"},
                                                         {"Standup", "exceptions to its rule"}}));
    EXPECT_EQ(CalendarImportSummary(import),
              "Events imported: 7\r\nAlready in the list: 1\r\nOne-time events already over: "
              "1\r\nLeft out, the list cannot hold them (2): Yoga (exceptions to its rule), "
              "Standup (exceptions to its rule)");

    // The same file again adds nothing, whatever UIDs it had; two calendars in one file are read.
    std::vector<clsEvent> after = existing;
    for (const WrittenEvent &written : import.events)
        after.push_back(written.event);
    const CalendarFileImport again = PlanCalendarImport(file, after, Today);
    EXPECT_TRUE(again.events.empty());
    EXPECT_EQ(again.alreadyInList, 8);
    const CalendarFileImport two =
        PlanCalendarImport(calendar(vevent("a", "A", "DTSTART;VALUE=DATE:20270601\r\n")) +
                               calendar(vevent("b", "B", "DTSTART;VALUE=DATE:20270602\r\n")),
                           {}, Today);
    EXPECT_EQ(two.events.size(), 2u);
    EXPECT_FALSE(PlanCalendarImport("Name,Date\nAnn,2027-01-01\n", {}, Today).isCalendar);
}

TEST(CalendarFileImport, ATimeKeepsTheZoneTheFileDefines)
{
    // Evening in a zone named as only this file names it: its date and time as written, whatever
    // the user's zone; the reminders' moments place it where the user is.
    const LocalZone utc("UTC");
    const std::string office = "BEGIN:VTIMEZONE\r\nTZID:Office\r\nBEGIN:STANDARD\r\n"
                               "DTSTART:19700101T000000\r\nTZOFFSETFROM:-0500\r\n"
                               "TZOFFSETTO:-0500\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    const CalendarFileImport import = PlanCalendarImport(
        calendar(office + vevent("late", "Late call",
                                 "DTSTART;TZID=Office:20270610T200000\r\nDURATION:PT90M\r\n")),
        {}, Today);
    EXPECT_EQ(shownAll(import),
              std::vector<std::string>{
                  "Late call 2027-06-10 Once 0 late time=20:00 tz=Office dur=PT1H30M"});
}

TEST(CalendarFileImport, MoonrillsOwnExportComesBackAsTheListExported)
{
    std::vector<clsEvent> list;
    const auto add = [&list](const char *occurs, Date date, int16_t period, int16_t year = 0,
                             int8_t day = 0) {
        list.push_back(clsEvent{{},
                                std::string(occurs) + " event",
                                date,
                                occurs,
                                period,
                                year > 0 ? "x@example.org" : "",
                                year,
                                {.Day = day}});
    };
    add("Once", Date::fromYmd(2027, 4, 1), 3);
    add("Weekly", Date::fromYmd(2027, 3, 12), 0);
    add("Monthly", Date::fromYmd(2027, 3, 30), 2);
    add("Monthly", Date::fromYmd(2027, 4, 30), 3, 0, 31);
    add("Every 3th month on the last Friday", Date::fromYmd(2027, 3, 26), 5);
    add("Yearly on the second Sunday", Date::fromYmd(2027, 5, 9), -1, 1990);
    add("Birthday", Date::fromYmd(2028, 2, 29), 3, 2000);
    // Times in a zone, in UTC and floating, ends and lengths, several reminders and one from the
    // end; a day event of three days reminded at hours of its own.
    const auto timed = [&list](const char *occurs, Date date, const char *time, const char *zone,
                               std::vector<Reminder> reminders) {
        clsEvent &e = list.emplace_back(
            clsEvent{{}, std::string(occurs) + " at " + time, date, occurs, 0, "", 0, {}});
        e.Options.Time = time;
        e.Options.Zone = zone;
        SetReminders(e, reminders);
        return &e;
    };
    timed("Weekly", Date::fromYmd(2027, 3, 15), "09:30", "Europe/Berlin", {{.offset = -30}})
        ->Options.Duration = "PT45M";
    timed("Once", Date::fromYmd(2027, 4, 2), "23:30", "UTC",
          {{.offset = -180}, {.offset = -1440}, {.offset = -15, .fromEnd = true}})
        ->Options.End = "PT2H";
    timed("Every 2th week", Date::fromYmd(2027, 3, 20), "08:00", "", {DefaultReminder(2, true)});
    clsEvent &fair = list.emplace_back(
        clsEvent{{}, "Fair", Date::fromYmd(2027, 5, 3), "Once", 0, "", 0, {.End = "P3D"}});
    SetReminders(fair, {{.offset = -900}, {.offset = 540}});
    std::vector<std::string> uids;
    const std::string text = CalendarText(list, "-//Moonrill//Test//EN", 0, nullptr, &uids);
    for (size_t i = 0; i < list.size(); ++i)
        list[i].Options.Uid = uids[i];
    const CalendarFileImport import = PlanCalendarImport(text, {}, Today);
    std::vector<clsEvent> read;
    for (const WrittenEvent &written : import.events)
        read.push_back(written.event);
    // The e-mail address is the sync's to carry: a calendar file has none. An event without an
    // alarm is reminded on its day.
    for (clsEvent &event : list) {
        event.Email.clear();
        event.Period = std::max<int16_t>(event.Period, 0);
    }
    EXPECT_EQ(read, list) << text;
    EXPECT_TRUE(import.leftOut.empty());
}

TEST(CalendarFileImport, AFileFromPythonIcalendar)
{
    TempFolder folder;
    const std::string path = folder.file("python.ics");
    const std::string script =
        "import datetime, sys\n"
        "try:\n"
        "    import icalendar, zoneinfo\n"
        "except ImportError:\n"
        "    sys.exit(77)\n"
        "c = icalendar.Calendar(); c.add('prodid', '-//python//EN'); c.add('version', '2.0')\n"
        "e = icalendar.Event(); e.add('uid', 'py-1'); e.add('summary', 'Book club')\n"
        "e.add('dtstart', datetime.datetime(2026, 1, 15, 19, 0, "
        "tzinfo=zoneinfo.ZoneInfo('Europe/Paris')))\n"
        "e.add('rrule', {'freq': 'monthly', 'byday': '3TH'})\n"
        "a = icalendar.Alarm(); a.add('action', 'DISPLAY'); a.add('description', 'x')\n"
        "a.add('trigger', datetime.timedelta(days=-2)); e.add_component(a); c.add_component(e)\n"
        "d = icalendar.Event(); d.add('uid', 'py-2'); d.add('summary', 'Holiday')\n"
        "d.add('dtstart', datetime.date(2027, 8, 2)); c.add_component(d)\n"
        "open(sys.argv[1], 'wb').write(c.to_ical())\n";
    folder.write("make.py", script);
    const int status = WEXITSTATUS(
        std::system(("/usr/bin/python3 " + folder.file("make.py") + " " + path).c_str()));
    if (status == 77)
        GTEST_SKIP() << "python3-icalendar is not installed";
    ASSERT_EQ(status, 0);
    // Python's zones name Paris by its zone's abbreviation, as the file says it.
    const CalendarFileImport import = PlanCalendarImport(folder.read("python.ics"), {}, Today);
    EXPECT_EQ(shownAll(import),
              (std::vector<std::string>{"Book club 2027-03-18 Monthly on the third Thursday 2 py-1 "
                                        "time=19:00 tz=CET",
                                        "Holiday 2027-08-02 Once 0 py-2"}));
}
