// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventState.h"
#include "ClipboardText.h"
#include "MoonrillError.h"
#include "Rows.h"
#include "TestEvents.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

const Date Today = Date::fromYmd(2023, 4, 15);

WrittenEvent fields(const std::string &description, int daysAhead)
{
    return TestEvent(description, Today.addDays(daysAhead), "Once", 3);
}

std::vector<std::string> rowKeys(const EventState &state)
{
    std::vector<std::string> keys;
    for (const EventRow &row : AllRows(state))
        keys.push_back(row.Key);
    return keys;
}

/// Every record has exactly one row with its key and text, and every row has its record.
void expectConsistent(const EventState &state)
{
    ASSERT_EQ(state.RowCount(), state.Events().size());
    std::map<std::string, std::string> rowText;
    for (const EventRow &row : AllRows(state))
        rowText[row.Key] = row.Text;
    ASSERT_EQ(rowText.size(), state.RowCount());
    for (const clsEvent &event : state.Events()) {
        ASSERT_EQ(rowText.count(event.Id), 1u) << event.Id;
        EXPECT_EQ(rowText[event.Id], event.Description);
    }
}

} // namespace

TEST(EventState, IdsComeFromTheCounterAndAreNeverReused)
{
    EventState state;
    for (int i = 0; i < 5; ++i)
        state.Insert(fields("e" + std::to_string(i), i), Today);
    EXPECT_EQ(state.Events()[4].Id, "ID4");

    state.Remove(state.FindEvent("ID3"));
    state.Insert(fields("new", 1), Today);
    EXPECT_EQ(state.Events().back().Id, "ID5");
    EXPECT_EQ(state.FindEvent("ID3"), -1);
    EXPECT_EQ(state.FindEvent("id4"), -1);

    const int edited = state.FindEvent("ID1");
    state.Replace(edited, fields("edited", 2), Today);
    EXPECT_EQ(state.Events()[static_cast<size_t>(edited)].Id, "ID6");
    EXPECT_EQ(state.FindEvent("ID1"), -1);
    expectConsistent(state);

    state.Clear();
    EXPECT_FALSE(state.Saved());
    state.SetSaved(true);
    state.Clear(); // on an empty list: nothing to save
    EXPECT_TRUE(state.Saved());
    state.Insert(fields("after clear", 0), Today);
    EXPECT_EQ(state.Events()[0].Id, "ID0");
}

TEST(EventState, RowsAreOrderedByDayCountNotByText)
{
    EventState state;
    state.Insert(fields("far", 100000), Today);
    state.Insert(fields("year", 365), Today);
    state.Insert(fields("today", 0), Today);
    state.Insert(fields("twelve", 12), Today);
    state.Insert(fields("huge", 99999), Today);
    EXPECT_EQ(rowKeys(state), (std::vector<std::string>{"ID2", "ID3", "ID1", "ID4", "ID0"}));
    EXPECT_EQ(state.Row(0).When, "    0");
    EXPECT_EQ(state.Row(2).When, "  365");

    // Records keep insertion order whatever the rows show.
    EXPECT_EQ(state.Events()[0].Description, "far");

    // An edit that moves the event later moves its row down.
    const auto moved = state.Replace(state.FindEvent("ID2"), fields("today later", 400), Today);
    EXPECT_EQ(moved.from, 0u);
    EXPECT_EQ(state.Row(moved.to).Key, "ID5");
    EXPECT_EQ(rowKeys(state), (std::vector<std::string>{"ID3", "ID1", "ID5", "ID4", "ID0"}));
}

TEST(EventState, ABulkInsertIntoAListPlacesRowsAsOneAtATimeWould)
{
    // A list whose rows of equal day count are not in record order (an edit moved one), then
    // an import: each new row goes after the rows of its day count, old and new.
    const auto build = [](bool bulk) {
        EventState state;
        for (int days : {2, 1, 2})
            state.Insert(fields("old", days), Today);
        state.Replace(0, fields("edited", 2), Today);
        const std::vector<int> imported = {2, 0, 2, 1, 5};
        std::optional<EventState::BulkInsert> guard;
        if (bulk)
            guard.emplace(state, imported.size());
        for (int days : imported)
            state.Insert(fields("new", days), Today);
        guard.reset();
        return rowKeys(state);
    };
    EXPECT_EQ(build(true), build(false));
    EXPECT_EQ(build(true),
              (std::vector<std::string>{"ID5", "ID1", "ID7", "ID2", "ID3", "ID4", "ID6", "ID8"}));
}

TEST(EventState, InsertAtTheLimitThrowsAndChangesNothing)
{
    EventState state;
    {
        EventState::BulkInsert bulk(state, 0);
        for (int i = 0; i < EventState::Limit; ++i)
            state.Insert(fields("e", i % 50), Today);
    }
    EXPECT_EQ(state.EventCount(), 32767);
    EXPECT_EQ(state.NextId(), 32767);
    const std::vector<EventRow> rowsBefore = AllRows(state);
    EXPECT_THROW(state.Insert(fields("one too many", 0), Today), MoonrillError);
    EXPECT_EQ(state.EventCount(), 32767);
    EXPECT_EQ(AllRows(state), rowsBefore);

    // (An edit at the limit is refused in the main window's tests.)
    // After removals the Id counter still refuses: numbers are never reused.
    state.Remove(0);
    EXPECT_THROW(state.Insert(fields("again", 0), Today), MoonrillError);
    expectConsistent(state);
}

TEST(EventState, WithinADayDayEventsComeFirstThenTimedOnesByTimeAndCopyTellsTheTime)
{
    EventState state;
    const auto add = [&state](const std::string &name, int days, std::string time) {
        WrittenEvent written = fields(name, days);
        written.event.Options.Time = std::move(time);
        state.Insert(std::move(written), Today);
    };
    add("Lunch", 1, "12:30");
    add("Dentist", 1, "08:15");
    add("Bins", 1, "");
    add("Train", 0, "23:59");
    add("Call", 1, "08:15");
    EXPECT_EQ(rowKeys(state), (std::vector<std::string>{"ID3", "ID2", "ID1", "ID4", "ID0"}));
    // An edit that takes the time away moves the row before the timed ones of its day.
    state.Replace(0, fields("Lunch", 1), Today);
    EXPECT_EQ(rowKeys(state), (std::vector<std::string>{"ID3", "ID2", "ID5", "ID1", "ID4"}));
    EXPECT_EQ(AllEventsClipboardText(state), "Train 2023-04-15 23:59     0 Once\r\n"
                                             "Bins 2023-04-16     1 Once\r\n"
                                             "Lunch 2023-04-16     1 Once\r\n"
                                             "Dentist 2023-04-16 08:15     1 Once\r\n"
                                             "Call 2023-04-16 08:15     1 Once\r\n");
    EXPECT_EQ(EventClipboardText(state.RecordOfRow(3)), "Dentist 2023-04-16 08:15 Once");
    EXPECT_EQ(EventClipboardText(state.RecordOfRow(1)), "Bins 2023-04-16 Once");
}
