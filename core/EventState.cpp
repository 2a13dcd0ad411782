// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventState.h"

#include "Conversions.h"
#include "MoonrillError.h"
#include "Reminders.h"

#include <algorithm>

namespace {

/// Makes room for one more element ahead of time (growing geometrically), so that the later
/// push_back or insert cannot fail part-way through an insertion.
template <typename T> void roomForOne(std::vector<T> &items)
{
    if (items.size() == items.capacity())
        items.reserve(std::max<size_t>(16, items.capacity() * 2));
}

} // namespace

std::string EventState::takeNextKey()
{
    if (m_nextId >= Limit)
        throw MoonrillError::overflow();
    return "ID" + IntToText(m_nextId++);
}

EventRow EventState::Row(size_t position) const
{
    const RowSlot &slot = m_rows.at(position);
    const clsEvent &event = m_events[slot.event];
    return EventRow{event.Id,
                    event.Description,
                    DateToText(event.StartingOn),
                    PaddedDayCount(slot.whenDays),
                    event.Occurs,
                    slot.noticePeriod,
                    slot.whenDays,
                    slot.minute >= 0 ? TimeOfDayText(slot.minute) : std::string()};
}

const clsEvent &EventState::RecordOfRow(size_t position) const
{
    return m_events[m_rows.at(position).event];
}

size_t EventState::InsertPosition(int32_t whenDays, int minute) const
{
    // After the rows of equal day count and time, as a sorted list view places a new row.
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(),
                                     RowSlot{0, whenDays, std::string(), minute}, sooner);
    return static_cast<size_t>(at - m_rows.begin());
}

size_t EventState::placeRow(RowSlot row)
{
    if (m_bulk) {
        m_rows.push_back(std::move(row));
        return m_rows.size() - 1;
    }
    const size_t pos = InsertPosition(row.whenDays, row.minute);
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(pos), std::move(row));
    return pos;
}

void EventState::mergeNewRows(size_t first)
{
    // Both steps keep equal day counts in the order they had: the new rows in insertion order,
    // after the rows there were.
    const auto middle = m_rows.begin() + static_cast<std::ptrdiff_t>(first);
    std::stable_sort(middle, m_rows.end(), sooner);
    std::inplace_merge(m_rows.begin(), middle, m_rows.end(), sooner);
}

size_t EventState::Insert(WrittenEvent written, Date today)
{
    // Check both limits before anything changes, so a refused insert leaves no trace.
    if (!CanInsert())
        throw MoonrillError::overflow();
    roomForOne(m_events);
    roomForOne(m_rows);

    RowSlot row{static_cast<uint32_t>(m_events.size()),
                DayDifference(today, written.event.StartingOn), std::move(written.periodText),
                DayOrderMinute(written.event)};
    written.event.Id = takeNextKey();
    m_events.push_back(std::move(written.event));
    return placeRow(std::move(row));
}

EventState::Moved EventState::Replace(int index, WrittenEvent written, Date today)
{
    clsEvent &event = m_events.at(static_cast<size_t>(index));
    const std::optional<size_t> from = rowOfEvent(static_cast<size_t>(index));
    if (!from)
        throw MoonrillError(MoonrillError::KeyNotUnique, "Element not found");
    written.event.Id = takeNextKey();

    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(*from));
    RowSlot row{static_cast<uint32_t>(index), DayDifference(today, written.event.StartingOn),
                std::move(written.periodText), DayOrderMinute(written.event)};
    event = std::move(written.event);
    return Moved{*from, placeRow(std::move(row))};
}

bool EventState::KeepUids(const std::vector<std::string> &uids)
{
    bool kept = false;
    for (size_t i = 0; i < m_events.size() && i < uids.size(); ++i) {
        std::string &uid = m_events[i].Options.Uid;
        if (uid.empty() && !uids[i].empty()) {
            uid = uids[i];
            kept = true;
        }
    }
    return kept;
}

size_t EventState::Remove(int index)
{
    const auto removed = static_cast<size_t>(index);
    if (removed >= m_events.size())
        throw MoonrillError(MoonrillError::KeyNotUnique, "Element not found");
    const std::optional<size_t> row = rowOfEvent(removed);
    if (!row)
        throw MoonrillError(MoonrillError::KeyNotUnique, "Element not found");
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(*row));
    m_events.erase(m_events.begin() + index);
    // The records after the removed one moved down a place; so do their rows' references.
    for (RowSlot &slot : m_rows) {
        if (slot.event > removed)
            --slot.event;
    }
    return *row;
}

void EventState::Clear()
{
    if (m_rows.empty())
        return;
    m_rows.clear();
    m_events.clear();
    m_nextId = 0;
    m_saved = false;
}

int EventState::FindEvent(std::string_view key) const
{
    for (size_t i = 0; i < m_events.size(); ++i) {
        if (m_events[i].Id == key)
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<size_t> EventState::rowOfEvent(size_t index) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].event == index)
            return i;
    }
    return std::nullopt;
}

std::optional<size_t> EventState::RowOf(std::string_view key) const
{
    const int index = FindEvent(key);
    if (index < 0)
        return std::nullopt;
    return rowOfEvent(static_cast<size_t>(index));
}

EventState::BulkInsert::BulkInsert(EventState &state, size_t expected) : m_state(state)
{
    m_state.m_bulk = true;
    m_state.m_rowsBeforeBulk = m_state.m_rows.size();
    const size_t room = std::min<size_t>(expected, Limit);
    m_state.m_events.reserve(m_state.m_events.size() + room);
    m_state.m_rows.reserve(m_state.m_rows.size() + room);
}

EventState::BulkInsert::~BulkInsert()
{
    m_state.m_bulk = false;
    m_state.mergeNewRows(m_state.m_rowsBeforeBulk);
}
