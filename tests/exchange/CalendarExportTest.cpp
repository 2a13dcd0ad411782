// SPDX-License-Identifier: GPL-3.0-or-later
// The exported calendar read back by calendar programs: libical (the library of GNOME's and
// Evolution's calendars) here, python-dateutil, khal and calcurse through a script. The dates
// they show are the dates Moonrill's own rules give, for every type, and the UIDs stay the same
// from one export to the next.

#include "CalendarExport.h"

#include "Conversions.h"
#include "EventFile.h"
#include "EventState.h"
#include "Occurrence.h"
#include "OwnDates.h"
#include "TempFolder.h"

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace {

Date dateOf(time_t time)
{
    struct tm parts
    {
    };
    gmtime_r(&time, &parts);
    return Date::fromYmd(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
}

icaltimetype calendarDay(Date date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.year(), time.month = date.month(), time.day = date.day();
    return time;
}

struct Expanded
{
    std::map<std::string, std::set<Date>> datesByUid; // "-february" events counted with their own
    std::vector<std::string> uids;
};

/// What libical expands of `text` from `from` up to `to`.
Expanded expand(const std::string &text, Date from = Date::fromYmd(2027, 1, 1),
                Date to = Date::fromYmd(2027, 1, 1))
{
    Expanded result;
    std::unique_ptr<icalcomponent, void (*)(icalcomponent *)> calendar(
        icalparser_parse_string(text.c_str()), icalcomponent_free);
    EXPECT_NE(calendar, nullptr);
    if (!calendar)
        return result;
    for (icalcomponent *event =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event != nullptr;
         event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        std::string uid = icalcomponent_get_uid(event);
        result.uids.push_back(uid);
        if (uid.ends_with("-february"))
            uid.resize(uid.size() - 9);
        icalcomponent_foreach_recurrence(
            event, calendarDay(from), calendarDay(to.addDays(1)),
            [](icalcomponent *, icaltime_span *span, void *data) {
                static_cast<std::set<Date> *>(data)->insert(dateOf(span->start));
            },
            &result.datesByUid[uid]);
    }
    return result;
}

} // namespace

TEST(CalendarExport, CalendarProgramsShowTheDatesMoonrillGives)
{
    // Every type on the month's last days and on 29 February, as a load on 1 February finds
    // them in a file: many on a February day short of the day they are meant for.
    const Date today = Date::fromYmd(2027, 2, 1);
    std::string file;
    for (const char *type :
         {"Once", "Daily", "Weekly", "Monthly", "Yearly", "Birthday", "Every 2th week",
          "Every 2th month", "Every 3th month", "Every 5th month", "Every 12th month",
          "Every 2th year", "odd type", "Monthly on the second Tuesday",
          "Every 3th month on the last Friday", "Monthly on the last Thursday",
          "Yearly on the fourth Thursday", "Every 2th year on the last Sunday"}) {
        std::vector<Date> entered = {Date::fromYmd(2024, 2, 29), Date::fromYmd(2026, 11, 29),
                                     Date::fromYmd(2026, 11, 30), Date::fromYmd(2028, 2, 29),
                                     Date::fromYmd(2027, 3, 15)};
        for (int d = 26; d <= 31; ++d)
            entered.push_back(Date::fromYmd(2026, 12, d));
        for (const Date date : entered) {
            AppendEventLine(file, clsEvent{.Id = {},
                                           .Description = std::string(type) + " from " +
                                                          DateToText(date) + ", a; b\\",
                                           .StartingOn = date,
                                           .Occurs = type,
                                           .Period = 3,
                                           .Email = {},
                                           .BirthYear = 0,
                                           .Options = {}});
            file += "\r\n";
        }
    }
    TempFolder folder;
    folder.write("events.mrl", file);
    EventState state;
    ASSERT_TRUE(LoadEvents(state, folder.file("events.mrl"), today).success);
    const Date last = today.addMonths(36).addDays(-1);
    std::vector<std::string> uids;
    const std::string text =
        CalendarText(state.Events(), "-//Moonrill//Test//EN", 1'800'000'000, nullptr, &uids);
    const Expanded calendar = expand(text, today, last);
    std::string dates;
    for (size_t i = 0; i < uids.size(); ++i) {
        const clsEvent &event = state.Events()[i];
        const std::set<Date> own = OwnDates(event, today, last);
        EXPECT_EQ(calendar.datesByUid.at(uids[i]), own) << event.Description;
        for (const Date date : own)
            dates += DateToText(date) + "\t" + event.Description + "\n";
    }
    // The same list exported later gives the same UIDs.
    EXPECT_EQ(expand(CalendarText(state.Events(), "-//x//EN", 1'900'000'000)).uids, calendar.uids);

    folder.write("moonrill.tsv", dates);
    folder.write("moonrill.ics", text);
    const std::string command = "/usr/bin/python3 " SOURCE_DIR
                                "/tests/exchange/calendar_clients.py " +
                                folder.path() + " " + DateToText(today) + " " + DateToText(last);
    const int status = WEXITSTATUS(std::system(command.c_str()));
    if (status == 77)
        GTEST_SKIP() << "No calendar program is installed (khal, calcurse, python3-dateutil)";
    EXPECT_EQ(status, 0) << "the dates compared: " << folder.read("clients.md");
    if (const char *keep = std::getenv("MOONRILL_CLIENTS_TABLE"))
        std::filesystem::copy_file(folder.file("clients.md"), keep,
                                   std::filesystem::copy_options::overwrite_existing);
}

TEST(CalendarExport, OneEventWritten)
{
    // What libical does not expand: the text, the year of birth and the alarm.
    const clsEvent mum{"ID0", "Mum", Date::fromYmd(2027, 3, 4), "Birthday", 3, "mum@example.org",
                       1956,  {}};
    const std::string text = CalendarText({mum}, "-//Moonrill//Test//EN", 1'800'000'000);
    for (const char *line : {"PRODID:-//Moonrill//Test//EN", "SUMMARY:Mum",
                             "DESCRIPTION:Year of birth: 1956", "ACTION:DISPLAY"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    // A day event's reminder comes at 09:00: three days ahead, and on the day itself.
    EXPECT_NE(text.find("BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Mum\r\n"
                        "TRIGGER:-P2DT15H\r\nEND:VALARM\r\n"),
              std::string::npos)
        << text;
    clsEvent onTheDay = mum;
    onTheDay.Period = 0;
    EXPECT_NE(CalendarText({onTheDay}, "-//x//EN", 0).find("\r\nTRIGGER:PT9H\r\n"),
              std::string::npos);
    const clsEvent wedding{"", "Wedding", Date::fromYmd(2027, 6, 14), "Yearly", 3, "", 2000};
    EXPECT_NE(CalendarText({wedding}, "-//x//EN", 0).find("DESCRIPTION:First year: 2000\r\n"),
              std::string::npos);
    // A weekday of the month as calendars write it.
    const std::tuple<int, const char *, const char *> weekdays[] = {
        {9, "Monthly on the second Tuesday", "RRULE:FREQ=MONTHLY;BYDAY=2TU\r\n"},
        {26, "Every 3th month on the last Friday", "RRULE:FREQ=MONTHLY;INTERVAL=3;BYDAY=-1FR\r\n"},
        {25, "Yearly on the fourth Thursday", "RRULE:FREQ=YEARLY;BYDAY=4TH;BYMONTH=3\r\n"}};
    for (const auto &[day, occurs, rule] : weekdays) {
        const clsEvent e{"", "e", Date::fromYmd(2027, 3, day), occurs, 3, ""};
        const std::string written = CalendarText({e}, "-//x//EN", 0);
        EXPECT_NE(written.find(rule), std::string::npos) << rule << "\n" << written;
    }
    // Twins get UIDs of their own; a negative notice period no alarm.
    clsEvent quiet = mum;
    quiet.Period = -1;
    EXPECT_NE(EventUid(mum, 0), EventUid(mum, 1));
    // The UID the list keeps from an export stays the event's through an edit and the deletion
    // of its twin.
    std::vector<std::string> uids;
    (void)CalendarText({mum, mum}, "-//x//EN", 0, nullptr, &uids);
    EXPECT_EQ(uids, (std::vector<std::string>{EventUid(mum, 0), EventUid(mum, 1)}));
    clsEvent edited = mum;
    edited.Description = "Mother";
    edited.BirthYear = 1957;
    edited.Options.Uid = uids[1];
    EXPECT_NE(CalendarText({edited}, "-//x//EN", 0).find("UID:" + uids[1] + "\r\n"),
              std::string::npos);
    EXPECT_EQ(CalendarText({quiet}, "-//x//EN", 0).find("VALARM"), std::string::npos);

    // Past the year libical writes: an event dated later is left out and counted, and the file
    // stays readable.
    int leftOut = 0;
    const std::string late =
        CalendarText({clsEvent{"", "Far", Date::fromYmd(3001, 5, 6), "Once", 3, ""},
                      clsEvent{"", "Edge", Date::fromYmd(3000, 12, 31), "Monthly", 3, ""}},
                     "-//x//EN", 0, &leftOut);
    EXPECT_EQ(leftOut, 1);
    EXPECT_EQ(expand(late).uids.size(), 1u) << late;
    EXPECT_EQ(late.find("00000000"), std::string::npos) << late;
}
