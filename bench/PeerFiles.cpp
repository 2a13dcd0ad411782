// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the same events twice, as Moonrill's event file and as a Remind file, for timing the
// logon scan against "remind -q". Usage: peer_files FOLDER [COUNT]
// Four kinds in turn (once, birthday, monthly, every third week), each with three days' notice
// and none of them due today, so both programs go through every event and show nothing.

#include "Conversions.h"
#include "Date.h"
#include "Occurrence.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr int Notice = 3;
constexpr const char *Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string remindDate(Date date, bool withYear)
{
    const Date::Ymd d = date.ymd();
    std::string text = std::to_string(d.day) + " " + Months[d.month - 1];
    return withYear ? text + " " + std::to_string(d.year) : text;
}

/// Whether an event of this type from this date falls due within its notice from today.
bool dueSoon(Date date, const char *type, Date today)
{
    const auto next = NextOccurrence(date, type, today);
    return next && DayDifference(today, *next) <= Notice;
}

/// Moves `date` a day at a time until the event is not due: none of the events may be due.
Date notDue(Date date, const char *type, Date today)
{
    while (dueSoon(date, type, today))
        date = date.addDays(1);
    return date;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::cerr << "usage: peer_files FOLDER [COUNT]\n";
        return 2;
    }
    const std::string folder = argv[1];
    const int count = argc > 2 ? std::atoi(argv[2]) : 30000;
    const Date today = Date::today();
    std::ofstream moonrill(folder + "/events.mrl", std::ios::binary);
    std::ofstream remind(folder + "/reminders.rem", std::ios::binary);
    for (int i = 0; i < count; ++i) {
        const std::string name = "Event " + std::to_string(i);
        std::string type;
        std::string rem;
        Date date;
        switch (i % 4) {
        case 0:
            type = "Once";
            date = notDue(today.addDays(10 + i % 300), "Once", today);
            rem = remindDate(date, true);
            break;
        case 1:
            // A date of birth some decades back.
            type = "Birthday";
            date = notDue(today.addDays(10 + i % 300).addMonths(-12 * (20 + i % 60)), "Birthday",
                          today);
            rem = remindDate(date, false);
            break;
        case 2: {
            // Kept to days 1-28 so that every month has the day.
            type = "Monthly";
            const Date::Ymd now = today.ymd();
            date = notDue(Date::fromYmd(now.year - 1 - i % 5, 1 + i % 12, 1 + i % 28), "Monthly",
                          today);
            while (date.ymd().day > 28)
                date = notDue(date.addDays(4), "Monthly", today);
            rem = std::to_string(date.ymd().day);
            break;
        }
        default:
            type = "Every 3th week";
            date = notDue(today.addDays(-21 * (1 + i % 50) - i % 21), "Every 3th week", today);
            rem = remindDate(date, true) + " *21";
            break;
        }
        moonrill << "$$" << name << "$$" << DateToText(date) << "$$" << type << "$$" << Notice
                 << "$$\r\n";
        remind << "REM " << rem << " +" << Notice << " MSG " << name << "\n";
    }
    moonrill << "\r\n";
    return moonrill && remind ? 0 : 1;
}
