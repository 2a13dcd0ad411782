// SPDX-License-Identifier: GPL-3.0-or-later
// Catching up what fell due while no run of the program saw it: which occurrence, within which
// window, and that the load itself stays exactly as it was.

#include "EventFile.h"

#include "Conversions.h"
#include "EventState.h"
#include "Occurrence.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

Date ymd(int y, int m, int d)
{
    return Date::fromYmd(y, m, d);
}

std::string text(std::optional<Date> date)
{
    return date ? DateToText(*date) : "none";
}

} // namespace

TEST(CatchUp, TheMostRecentMissedOccurrence)
{
    struct Case
    {
        const char *type;
        Date stored;
        Date lastSeen;
        Date today;
        const char *missed;
        int day = 0; // the day of the month the event is meant for, kept beside a short date
    };
    const Date t = ymd(2026, 12, 7);
    const Case cases[] = {
        // One-time events: the date itself, within the window of 14 days.
        {"Once", t.addDays(-3), t.addDays(-5), t, "2026-12-04"},
        {"Once", t.addDays(-14), t.addDays(-20), t, "2026-11-23"},
        {"Once", t.addDays(-15), t.addDays(-20), t, "none"},
        {"Once", t.addDays(-1), t.addDays(-2), t, "2026-12-06"},
        // Seen already: the last run's day on or after the stored date.
        {"Once", t.addDays(-3), t.addDays(-3), t, "none"},
        {"Once", t.addDays(-3), t.addDays(-1), t, "none"},
        // Not yet due.
        {"Once", t, t.addDays(-5), t, "none"},
        {"Daily", t.addDays(2), t.addDays(-5), t, "none"},
        // As a run leaves it: stored on the last day seen, its later steps still missed.
        {"Daily", t.addDays(-5), t.addDays(-5), t, "2026-12-06"},
        {"Monthly", ymd(2026, 11, 6), ymd(2026, 11, 6), t, "2026-12-06"},
        {"Weekly", t.addDays(-7), t.addDays(-7), t, "none"}, // next is today
        // Recurring: the last step before today.
        {"Daily", t.addDays(-10), t.addDays(-11), t, "2026-12-06"},
        {"Weekly", t.addDays(-10), t.addDays(-20), t, "2026-12-04"},
        {"Every 3th week", t.addDays(-30), t.addDays(-31), t, "2026-11-28"},
        {"Every 2th week", t.addDays(-15), t.addDays(-16), t, "2026-12-06"}, // -15, then -1
        {"Every 4th week", t.addDays(-30), t.addDays(-31), t, "2026-12-05"}, // -30, then -2
        {"Every 5th week", t.addDays(-30), t.addDays(-31), t, "none"},       // next is +5
        // Month ends: 31 January, 28 February; on 1 March that was yesterday. The day meant comes
        // back in the next month that has it.
        {"Monthly", ymd(2026, 1, 31), ymd(2026, 1, 30), ymd(2026, 3, 1), "2026-02-28"},
        {"Monthly", ymd(2024, 1, 31), ymd(2024, 1, 30), ymd(2024, 3, 1), "2024-02-29"},
        {"Every 2th month", ymd(2025, 12, 31), ymd(2025, 12, 1), ymd(2026, 3, 2), "2026-02-28"},
        {"Monthly", ymd(2026, 2, 28), ymd(2026, 3, 20), ymd(2026, 4, 2), "2026-03-31", 31},
        {"Monthly", ymd(2026, 2, 28), ymd(2026, 3, 20), ymd(2026, 4, 2), "2026-03-28"},
        // Leap days and year ends.
        {"Birthday", ymd(2023, 2, 28), ymd(2024, 2, 20), ymd(2024, 3, 5), "2024-02-29", 29},
        {"Birthday", ymd(2024, 2, 29), ymd(2024, 2, 20), ymd(2024, 3, 5), "2024-02-29"},
        {"Birthday", ymd(2025, 2, 28), ymd(2025, 2, 1), ymd(2025, 3, 1), "2025-02-28"},
        {"Yearly", ymd(2025, 12, 30), ymd(2025, 12, 1), ymd(2026, 1, 2), "2025-12-30"},
        {"Yearly", ymd(2024, 12, 30), ymd(2024, 12, 1), ymd(2026, 1, 13), "2025-12-30"},
        {"Yearly", ymd(2024, 12, 30), ymd(2024, 12, 1), ymd(2026, 1, 14), "none"}, // 15 days
        // Types that do not step keep their date, and are caught up on it.
        // By weekday: the last Friday of November was 27 November; Thanksgiving the day before.
        {"Monthly on the last Friday", ymd(2026, 10, 30), ymd(2026, 10, 30), t, "2026-11-27"},
        {"Yearly on the fourth Thursday", ymd(2025, 11, 27), ymd(2025, 11, 27), t, "2026-11-26"},
        {"Monthly on the first Monday", ymd(2026, 11, 2), ymd(2026, 11, 2), t, "none"}, // today
        {"weekly", t.addDays(-4), t.addDays(-9), t, "2026-12-03"},
        {"Every 0th week", t.addDays(-4), t.addDays(-9), t, "2026-12-03"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(text(MissedOccurrence(c.stored, c.type, c.lastSeen, c.today, c.day)), c.missed)
            << c.type << " stored " << DateToText(c.stored) << ", seen " << DateToText(c.lastSeen)
            << ", today " << DateToText(c.today);
}

TEST(CatchUp, TheLoadCatchesUpAndChangesNothingElse)
{
    const Date today = ymd(2026, 12, 7);
    const std::string content = "$$Mum$$2026-12-04$$Birthday$$3$$mum@example.org\r\n"
                                "$$Trip$$2026-12-05$$Once$$0$$\r\n"
                                "$$Quiet$$2026-12-05$$Once$$-1$$\r\n"
                                "$$Seen$$2026-12-03$$Once$$0$$\r\n"
                                "$$Pills$$2026-12-03$$Daily$$0$$\r\n"
                                "$$Later$$2026-12-20$$Once$$3$$\r\n\r\n";
    TempFolder folder;
    EventState plain;
    folder.write("events.mrl", content);
    const LoadResult without = LoadEvents(plain, folder.file("events.mrl"), today);
    EXPECT_TRUE(without.missed.empty()); // no last day seen: nothing is caught up
    SaveEvents(plain, folder.file("events.mrl"));
    const std::string savedPlain = folder.read("events.mrl");

    EventState caught;
    folder.write("events.mrl", content);
    const LoadResult with = LoadEvents(caught, folder.file("events.mrl"), today, ymd(2026, 12, 3));
    // A negative notice period is never caught up, nor a date the last run saw; a daily event
    // stored on that day, as the last run left it, is caught up once, on the day before today.
    using Missed = std::tuple<std::string, Date, std::string>;
    std::vector<Missed> missed;
    for (const MissedEvent &m : with.missed)
        missed.emplace_back(m.event.Description, m.on, m.event.Email);
    EXPECT_EQ(missed, (std::vector<Missed>{
                          {"Mum", ymd(2026, 12, 4), "mum@example.org"},
                          {"Trip", ymd(2026, 12, 5), ""},
                          {"Pills", ymd(2026, 12, 6), ""},
                      }));
    SaveEvents(caught, folder.file("events.mrl"));
    EXPECT_EQ(folder.read("events.mrl"), savedPlain);
    ASSERT_EQ(caught.Events().size(), plain.Events().size());
    for (size_t i = 0; i < caught.Events().size(); ++i)
        EXPECT_EQ(caught.Events()[i].StartingOn, plain.Events()[i].StartingOn);
}
