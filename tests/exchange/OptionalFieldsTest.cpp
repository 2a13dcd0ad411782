// SPDX-License-Identifier: GPL-3.0-or-later
// Every optional value of the table goes through the event line and through a server's object
// and comes back as it was: the codec and the calendar's writer and reader go by the table, so a
// row added to it is tested here without a test of its own.

#include "CalendarExport.h"
#include "CalendarImport.h"
#include "CalendarOptions.h"
#include "CalendarRules.h"
#include "EventFields.h"
#include "EventLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const Date Today = Date::fromYmd(2026, 4, 1);

/// The value a test gives `field`: the 31st beside 30 April, else a text naming the field.
std::string valueText(const OptionalField &field)
{
    return field.kind == FieldKind::DayOfMonth
               ? "31"
               : "value-of-" + std::string(field.key.substr(0, field.key.size() - 1));
}

/// A Monthly event of 30 April, holding `field`'s test value where `field` is given.
clsEvent holding(const OptionalField *field)
{
    clsEvent event{.Id = {},
                   .Description = "Rent",
                   .StartingOn = Date::fromYmd(2026, 4, 30),
                   .Occurs = "Monthly",
                   .Period = 2,
                   .Email = {},
                   .BirthYear = 0,
                   .Options = {}};
    if (field == nullptr)
        return event;
    if (field->kind == FieldKind::DayOfMonth)
        event.Options.*field->day = 31;
    else
        event.Options.*field->text = valueText(*field);
    return event;
}

TEST(OptionalFields, EachGoesThroughTheEventLineAsItWas)
{
    const std::string plain = FormatEventLine(holding(nullptr));
    for (const OptionalField &field : OptionalFields) {
        SCOPED_TRACE(std::string(field.key));
        const clsEvent event = holding(&field);
        // After the e-mail field: the empty year of birth, then the value by its name.
        const std::string line = FormatEventLine(event);
        EXPECT_EQ(line, plain + "$$$$" + std::string(field.key) + valueText(field));
        const std::optional<EventLineRead> read = ReadEventLine(line);
        ASSERT_TRUE(read);
        EXPECT_TRUE(read->canonical);
        EXPECT_EQ(read->event.Options, event.Options);
        EXPECT_FALSE(read->event.Options.empty());
        EXPECT_EQ(FormatEventLine(read->event), line);
    }
}

TEST(OptionalFields, AllTogetherGoInTheTablesOrderBeforeValuesOfLaterVersions)
{
    clsEvent event = holding(nullptr);
    std::string tail = "$$";
    for (const OptionalField &field : OptionalFields) {
        const clsEvent one = holding(&field);
        if (field.kind == FieldKind::DayOfMonth)
            event.Options.*field.day = one.Options.*field.day;
        else
            event.Options.*field.text = one.Options.*field.text;
        tail += "$$" + std::string(field.key) + valueText(field);
    }
    event.Options.Unknown = "later=1";
    const std::string line = FormatEventLine(event);
    EXPECT_EQ(line, FormatEventLine(holding(nullptr)) + tail + "$$later=1");
    const std::optional<EventLineRead> read = ReadEventLine(line);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->event.Options, event.Options);
}

/// The rows that hold a calendar's texts (the time, its zone, its length, the reminders): the
/// event's values for the row, as a test sets them, and the lines the object says them by.
struct CalendarTexts
{
    EventOptions options;
    std::string said;
};
std::optional<CalendarTexts> calendarTexts(const OptionalField &field)
{
    const std::string_view key = field.key;
    if (key == "time=")
        return CalendarTexts{{.Time = "09:30"}, "DTSTART:20260430T093000"};
    if (key == "tz=")
        return CalendarTexts{{.Time = "09:30", .Zone = "Europe/Berlin"},
                             "DTSTART;TZID=Europe/Berlin:20260430T093000"};
    if (key == "end=")
        return CalendarTexts{{.Time = "23:30", .End = "PT1H15M"}, "DTEND:20260501T004500"};
    if (key == "dur=")
        return CalendarTexts{{.Time = "09:30", .Duration = "P1DT2H"}, "DURATION:P1DT2H"};
    if (key == "alarms=")
        return CalendarTexts{{.Alarms = "-P6DT15H,PT9H,-PT15M@end"},
                             "TRIGGER:-P6DT15H\r\nEND:VALARM\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                             "DESCRIPTION:Rent\r\nTRIGGER:PT9H\r\nEND:VALARM\r\nBEGIN:VALARM\r\n"
                             "ACTION:DISPLAY\r\nDESCRIPTION:Rent\r\nTRIGGER;RELATED=END:-PT15M"};
    return std::nullopt;
}

TEST(OptionalFields, EachGoesThroughAServersObjectAsItWas)
{
    for (const OptionalField &field : OptionalFields) {
        SCOPED_TRACE(std::string(field.key));
        const bool calendarText =
            field.calendar == InCalendar::Alarms ||
            (field.calendar == InCalendar::Dates && field.kind == FieldKind::Text);
        clsEvent event = holding(&field);
        // Where the calendar says it: the month's last day, the UID, a property of its own, or
        // the dates' and the alarms' own lines.
        std::string said = field.calendar == InCalendar::Dates ? "RRULE:FREQ=MONTHLY;BYMONTHDAY=-1"
                           : field.calendar == InCalendar::Uid
                               ? "UID:" + valueText(field)
                               : std::string(field.property) + ":" + valueText(field);
        if (calendarText) {
            const std::optional<CalendarTexts> texts = calendarTexts(field);
            ASSERT_TRUE(texts) << "a row of calendar texts without a value to send through";
            event.Options = texts->options;
            said = texts->said;
        }
        std::vector<std::string> uids;
        const std::vector<CalendarObject> objects =
            CalendarObjects({event}, MoonrillProductId(), 0, &uids);
        ASSERT_FALSE(objects.empty()); // the 30th has February's last day in a second one
        const std::string &text = objects[0].text;
        EXPECT_NE(text.find("\r\n" + said + "\r\n"), std::string::npos) << text;
        const ObjectReading reading = ReadCalendarObject(text, Today);
        ASSERT_TRUE(reading.event) << reading.whyNot;
        EXPECT_TRUE(SameField(field, reading.event->Options, event.Options)) << text;
        if (field.calendar != InCalendar::Uid) {
            EXPECT_EQ(reading.event->Options.Uid, uids[0]);
        }
        // Through a change of the list merged into the server's object, and out again as read.
        clsEvent renamed = *reading.event;
        renamed.Description = "Rent paid";
        const std::string merged = MergeIntoObject(
            text, CalendarObjects({renamed}, MoonrillProductId(), 0)[0].text, Today);
        const ObjectReading again = ReadCalendarObject(merged, Today);
        ASSERT_TRUE(again.event) << again.whyNot;
        EXPECT_EQ(*again.event, renamed) << merged;
    }
}

TEST(CalendarOptions, PropertiesAreMadeAndReadByName)
{
    const Component vevent(icalcomponent_new(ICAL_VEVENT_COMPONENT));
    icalcomponent_add_property(vevent.get(), NewTextProperty("COLOR", "dark red, or brown"));
    icalcomponent_add_property(vevent.get(), NewTextProperty("X-SHADE", "pale"));
    EXPECT_EQ(NewTextProperty("NO-SUCH-NAME", "x"), nullptr);
    EXPECT_EQ(TextOf(vevent.get()),
              "BEGIN:VEVENT\r\nCOLOR:dark red\\, or brown\r\nX-SHADE:pale\r\nEND:VEVENT\r\n");
    EXPECT_EQ(PropertyText(vevent.get(), "color"), "dark red, or brown");
    EXPECT_EQ(PropertyText(vevent.get(), "x-shade"), "pale");
    EXPECT_EQ(PropertyText(vevent.get(), "X-OTHER"), std::nullopt);
    EXPECT_EQ(PropertyText(vevent.get(), "LOCATION"), std::nullopt);
}

} // namespace
