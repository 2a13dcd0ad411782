// SPDX-License-Identifier: GPL-3.0-or-later
// The bounds a calendar's text is held to before libical reads it: nesting, a line after
// unfolding and NUL, checked in one pass, and what every road that reads a calendar makes of a
// text beyond them (a server's object, a file imported).

#include "CalendarBounds.h"

#include "CalendarFileImport.h"
#include "CalendarImport.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

const Date Today = Date::fromYmd(2027, 3, 10);

std::string object(const std::string &inner)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:u1\r\nSUMMARY:Dentist\r\n"
           "DTSTART;VALUE=DATE:20270401\r\n" +
           inner + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

std::string nested(size_t levels)
{
    std::string text;
    for (size_t i = 0; i < levels; ++i)
        text += "BEGIN:X-A\r\n";
    for (size_t i = 0; i < levels; ++i)
        text += "END:X-A\r\n";
    return text;
}

/// A DESCRIPTION of `bytes` after unfolding, folded every 74 bytes as calendars write it.
std::string description(size_t bytes)
{
    std::string line = "DESCRIPTION:";
    for (size_t done = 0; done < bytes;) {
        const size_t piece = std::min<size_t>(74, bytes - done);
        line += std::string(piece, 'a') + "\r\n ";
        done += piece;
    }
    line.resize(line.size() - 1);
    return line;
}

TEST(CalendarBounds, TextsWithinAndBeyond)
{
    const size_t deepest = MostNesting - 2; // the calendar and the event are two levels
    const struct
    {
        std::string text;
        const char *whyNot;
    } cases[] = {
        {object(nested(deepest)), nullptr},
        {object(nested(deepest + 1)), "components nested deeper than calendars nest them"},
        // Sibling components do not add up: only depth counts.
        {object(nested(deepest) + nested(deepest)), nullptr},
        // Folded or not, and with LF only: the line as libical unfolds it.
        {object(description(MostLineBytes - 12)), nullptr},
        {object(description(MostLineBytes - 11)), "a line longer than calendars write"},
        {object("DESCRIPTION:" + std::string(MostLineBytes, 'a') + "\n"),
         "a line longer than calendars write"},
        {object(std::string("DESCRIPTION:a\0b\r\n", 17)), "a NUL character"},
        // A folded BEGIN is a BEGIN.
        {object("BEG\r\n IN:X-A\r\n" + nested(deepest)),
         "components nested deeper than calendars nest them"},
    };
    for (const auto &c : cases) {
        const CalendarTextCheck check = CheckCalendarText(c.text);
        EXPECT_STREQ(check.whyNot, c.whyNot) << c.text.size();
        EXPECT_EQ(check.name, "Dentist");
        EXPECT_EQ(check.uid, "u1");
    }
}

TEST(CalendarBounds, RoadsRefuseAndName)
{
    // 400,000 levels overflow libical's recursive free; refused before it reads them.
    const std::string deep = object(nested(400000));
    const ObjectReading reading = ReadCalendarObject(deep, Today);
    EXPECT_FALSE(reading.event);
    EXPECT_EQ(reading.name, "Dentist");
    EXPECT_EQ(reading.whyNot, "components nested deeper than calendars nest them");

    // 60 MB on one line: refused in a time that grows with its length, not its square.
    const auto start = std::chrono::steady_clock::now();
    const CalendarFileImport import = PlanCalendarImport(
        object("DESCRIPTION:" + std::string(60'000'000, 'a') + "\r\n"), {}, Today);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(import.events.empty());
    EXPECT_EQ(import.leftOut,
              (std::vector<LeftOutEvent>{{"Dentist", "a line longer than calendars write"}}));

    // Within the bounds, the event is read as ever.
    EXPECT_EQ(ReadCalendarObject(object(description(100000)), Today).event->Description, "Dentist");
}

} // namespace
