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

TEST(OptionalFields, EachGoesThroughAServersObjectAsItWas)
{
    for (const OptionalField &field : OptionalFields) {
        SCOPED_TRACE(std::string(field.key));
        // The time, its zone, its length and the reminders hold calendar texts, not any text:
        // their own tests send them through a server's object.
        if (field.calendar == InCalendar::Alarms ||
            (field.calendar == InCalendar::Dates && field.kind == FieldKind::Text))
            continue;
        const clsEvent event = holding(&field);
        std::vector<std::string> uids;
        const std::vector<CalendarObject> objects =
            CalendarObjects({event}, MoonrillProductId(), 0, &uids);
        ASSERT_FALSE(objects.empty()); // the 30th has February's last day in a second one
        const std::string &text = objects[0].text;
        // Where the calendar says it: the month's last day, the UID, or a property of its own.
        const std::string said = field.calendar == InCalendar::Dates
                                     ? "RRULE:FREQ=MONTHLY;BYMONTHDAY=-1"
                                 : field.calendar == InCalendar::Uid
                                     ? "UID:" + valueText(field)
                                     : std::string(field.property) + ":" + valueText(field);
        EXPECT_NE(text.find("\r\n" + said + "\r\n"), std::string::npos) << text;
        const ObjectReading reading = ReadCalendarObject(text, Today);
        ASSERT_TRUE(reading.event) << reading.whyNot;
        EXPECT_TRUE(SameField(field, reading.event->Options, event.Options));
        if (field.calendar != InCalendar::Uid) {
            EXPECT_EQ(reading.event->Options.Uid, uids[0]);
        }
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
