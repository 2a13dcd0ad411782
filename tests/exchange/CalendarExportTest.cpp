// The exported calendar read back with libical: the dates a calendar expands are the dates
// Moonrill's own rules give, for every type, and the UIDs stay the same from one export to the
// next.

#include "CalendarExport.h"

#include "Conversions.h"
#include "Occurrence.h"

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <set>

namespace {

const Date Today = Date::fromYmd(2026, 12, 7);
const Date Horizon = Today.addMonths(36);

/// The dates Moonrill gives an event from today up to the horizon, stepping from its stored
/// date (an unknown type keeps its date, which may have passed).
std::set<Date> ownDates(const clsEvent &event)
{
    std::set<Date> dates;
    const int day = IntendedDay(event.StartingOn, event.Options.Day);
    for (std::optional<Date> d = event.StartingOn; d && *d <= Horizon;) {
        if (*d >= Today)
            dates.insert(*d);
        const std::optional<Date> next = NextOccurrence(*d, event.Occurs, d->addDays(1), day);
        if (!next || *next <= *d || event.Occurs == "Once")
            break;
        d = next;
    }
    return dates;
}

Date dateOf(time_t time)
{
    struct tm parts
    {
    };
    gmtime_r(&time, &parts);
    return Date::fromYmd(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
}

struct Expanded
{
    std::map<std::string, std::set<Date>> datesByUid; // "-february" events counted with their own
    std::vector<std::string> uids;
};

Expanded expand(const std::string &text)
{
    Expanded result;
    std::unique_ptr<icalcomponent, void (*)(icalcomponent *)> calendar(
        icalparser_parse_string(text.c_str()), icalcomponent_free);
    EXPECT_NE(calendar, nullptr);
    if (!calendar)
        return result;
    icaltimetype from = icaltime_null_date();
    from.year = 2026, from.month = 12, from.day = 7;
    const Date::Ymd end = Horizon.addDays(1).ymd();
    icaltimetype to = icaltime_null_date();
    to.year = end.year, to.month = end.month, to.day = end.day;
    for (icalcomponent *event =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event != nullptr;
         event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        std::string uid = icalcomponent_get_uid(event);
        result.uids.push_back(uid);
        if (uid.ends_with("-february"))
            uid.resize(uid.size() - 9);
        std::set<Date> &dates = result.datesByUid[uid];
        icalcomponent_foreach_recurrence(
            event, from, to,
            [](icalcomponent *, icaltime_span *span, void *data) {
                static_cast<std::set<Date> *>(data)->insert(dateOf(span->start));
            },
            &dates);
    }
    return result;
}

} // namespace

TEST(CalendarExport, ACalendarShowsTheDatesMoonrillGives)
{
    const char *types[] = {"Once",
                           "Daily",
                           "Weekly",
                           "Monthly",
                           "Yearly",
                           "Birthday",
                           "Every 3th week",
                           "Every 2th month",
                           "Every 5th month",
                           "Every 2th year",
                           "Every 12th month",
                           "odd type"};
    std::mt19937 random(11);
    std::vector<clsEvent> events;
    for (int i = 0; i < 600; ++i) {
        clsEvent event;
        event.Description = "Event " + std::to_string(i) + (i % 7 == 0 ? ", with; commas\\" : "");
        event.Occurs = types[i % std::size(types)];
        // Days from the 26th to the month's end come often: they are where the rules differ.
        const int day = i % 3 == 0 ? 1 + int(random() % 28) : 26 + int(random() % 6);
        const int month = 1 + int(random() % 12);
        const int year = 2026 + int(random() % 2);
        const Date stored =
            Date::fromYmd(year, month, std::min(day, Date::daysInMonth(year, month)));
        event.StartingOn = NextOccurrence(stored, event.Occurs, Today).value_or(Today);
        event.Options.Day = DayKeptBeside(event.StartingOn, event.Occurs, day);
        event.Period = int16_t(int(random() % 20) - 2);
        events.push_back(event);
    }
    // 29 February and the 31st, the cases a calendar's own rules get wrong.
    events.push_back(clsEvent{"", "Leap", Date::fromYmd(2028, 2, 29), "Birthday", 3, "", 2000});
    events.push_back(
        clsEvent{"", "Leap monthly", Date::fromYmd(2028, 1, 29), "Monthly", 3, ""});
    events.push_back(
        clsEvent{"", "Long month", Date::fromYmd(2026, 12, 31), "Monthly", 3, ""});

    const std::string text = CalendarText(events, "-//Moonrill//Test//EN", 1'800'000'000);
    const Expanded calendar = expand(text);
    std::map<std::string, int> twins;
    for (const clsEvent &event : events) {
        const std::string uid = EventUid(event, twins[event.Description + event.Occurs]++);
        EXPECT_EQ(calendar.datesByUid.at(uid), ownDates(event))
            << event.Description << " " << event.Occurs << " from " << DateToText(event.StartingOn);
    }
    // The Februaries of the 29th and the 30th were met, and given events of their own.
    EXPECT_GT(std::count_if(calendar.uids.begin(), calendar.uids.end(),
                            [](const std::string &uid) { return uid.ends_with("-february"); }),
              20);
    // The same list exported later gives the same UIDs.
    EXPECT_EQ(expand(CalendarText(events, "-//Moonrill//Test//EN", 1'900'000'000)).uids,
              calendar.uids);
}

TEST(CalendarExport, OneEventWritten)
{
    // What libical does not expand: the text, the year of birth and the alarm.
    const clsEvent mum{"ID0", "Mum", Date::fromYmd(2027, 3, 4), "Birthday", 3, "mum@example.org",
                       1956,  {}};
    const std::string text = CalendarText({mum}, "-//Moonrill//Test//EN", 1'800'000'000);
    for (const char *line : {"PRODID:-//Moonrill//Test//EN", "SUMMARY:Mum",
                             "DESCRIPTION:Year of birth: 1956", "TRIGGER:-P3D", "ACTION:DISPLAY"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
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

    // Past the year libical writes: an event dated later is left out and counted, a later date
    // of one written is left out of it, and the file stays readable.
    int leftOut = 0;
    const std::string late =
        CalendarText({clsEvent{"", "Far", Date::fromYmd(3001, 5, 6), "Once", 3, ""},
                      clsEvent{"", "Edge", Date::fromYmd(3000, 12, 31), "Monthly", 3, ""}},
                     "-//x//EN", 0, &leftOut);
    EXPECT_EQ(leftOut, 1);
    EXPECT_EQ(expand(late).uids.size(), 1u) << late;
    EXPECT_EQ(late.find("00000000"), std::string::npos) << late;
}
