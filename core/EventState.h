// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContentStamp.h"
#include "EventLine.h"
#include "clsEvent.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The texts of one row of the event list. A row repeats its record's description, date and
/// type; the day count is the one of the day the row was made (nothing refreshes it, so a list
/// left open past midnight keeps the counts of the day it was made); the notice period is kept
/// as it was written in the file or the editor.
struct EventRow
{
    std::string Key;          // equals the Id of its record
    std::string Text;         // "Event": the description
    std::string Date;         // "Date": the next occurrence as date text
    std::string When;         // "When": the day count padded to five characters
    std::string Type;         // "Type": the type text
    std::string NoticePeriod; // "Notice period": as written
    int32_t WhenDays = 0;     // the day count itself, which orders the rows
    std::string Time{};       // the time of day, "14:30", shown after the date; empty: a day event

    friend bool operator==(const EventRow &, const EventRow &) = default;
};

/// The event state of the main window: the records in insertion order, the rows of the list in
/// display order (soonest first), the Id counter and the not-saved flag. Every record has exactly
/// one row whose key is its Id and the reverse; each operation either completes or, when it
/// throws, leaves both sides as they were.
class EventState
{
public:
    /// The largest value either 16-bit counter may reach.
    static constexpr int Limit = 32767;

    [[nodiscard]] const std::vector<clsEvent> &Events() const { return m_events; }
    [[nodiscard]] int16_t EventCount() const { return static_cast<int16_t>(m_events.size()); }
    [[nodiscard]] int16_t NextId() const { return m_nextId; }

    /// The rows of the list in display order: ascending day count, the soonest first, and within a
    /// day the day events first, then the timed ones by their time.
    [[nodiscard]] size_t RowCount() const { return m_rows.size(); }
    [[nodiscard]] EventRow Row(size_t position) const;
    /// The record shown by the row at `position`, and its index in Events.
    [[nodiscard]] const clsEvent &RecordOfRow(size_t position) const;
    [[nodiscard]] int IndexOfRow(size_t position) const
    {
        return static_cast<int>(m_rows.at(position).event);
    }
    /// The day count and the notice text of the row at `position`, without building texts.
    [[nodiscard]] int32_t WhenDaysOfRow(size_t position) const { return m_rows[position].whenDays; }
    [[nodiscard]] const std::string &NoticePeriodOfRow(size_t position) const
    {
        return m_rows[position].noticePeriod;
    }

    [[nodiscard]] bool Saved() const { return m_saved; }
    void SetSaved(bool saved) { m_saved = saved; }

    /// True when the file on disk holds lines the state does not (a load skipped or did not
    /// reach them); the next save keeps a backup of the file first.
    [[nodiscard]] bool BackupBeforeSave() const { return m_backupBeforeSave; }
    void SetBackupBeforeSave(bool keep) { m_backupBeforeSave = keep; }
    /// The line of the file from which a load that stopped part-way read nothing; 0 when the
    /// list holds every line the file had (or it was saved since).
    [[nodiscard]] int UnloadedFromLine() const { return m_unloadedFromLine; }
    void SetUnloadedFromLine(int line) { m_unloadedFromLine = line; }

    /// The stamp of the event file's content as this state last read or wrote it; none before
    /// the first load or save. A save that finds another content on disk keeps that first.
    [[nodiscard]] const std::optional<ContentStamp> &DiskStamp() const { return m_diskStamp; }
    void SetDiskStamp(ContentStamp stamp) { m_diskStamp = stamp; }

    /// Whether one more record may be inserted: both 16-bit counters below their limit.
    [[nodiscard]] bool CanInsert() const { return Room() > 0; }
    /// How many more records may be inserted before a counter reaches its limit.
    [[nodiscard]] size_t Room() const
    {
        const size_t used = std::max(m_events.size(), static_cast<size_t>(m_nextId));
        return used < static_cast<size_t>(Limit) ? static_cast<size_t>(Limit) - used : 0;
    }
    /// Where a row with this day count would be placed (after the rows of equal count); within
    /// a day, a day event (`minute` -1) before the timed ones, and those by their time.
    [[nodiscard]] size_t InsertPosition(int32_t whenDays, int minute = -1) const;

    /// Appends a record and its row under the next Id (whatever Id the event held). Throws an
    /// overflow when a counter would pass its limit, before anything changes. Returns the row's
    /// position in display order.
    size_t Insert(WrittenEvent written, Date today);

    /// Gives record `index` new values and a new Id, and its row a new key and a new place.
    /// Throws an overflow before anything changes when the Id counter is at its limit.
    /// Returns the removed row's old position and the new row's position.
    struct Moved
    {
        size_t from;
        size_t to;
    };
    Moved Replace(int index, WrittenEvent written, Date today);

    /// Gives each record without a calendar UID the one in `uids` at its index (an empty one
    /// gives none). Returns whether any record took one; the rows do not change.
    bool KeepUids(const std::vector<std::string> &uids);

    /// Removes record `index` (the records after it close up) and its row. Returns the row's
    /// old position.
    size_t Remove(int index);

    /// Removes every row and record and resets both counters; a non-empty list becomes not
    /// saved. It cannot fail: it only empties containers.
    void Clear();

    /// Index of the first record whose Id equals `key` (exact comparison), or -1.
    [[nodiscard]] int FindEvent(std::string_view key) const;
    /// Display position of the row with `key`, if any.
    [[nodiscard]] std::optional<size_t> RowOf(std::string_view key) const;

    /// Defers the ordering of rows while many are inserted (a load, an import) and makes room
    /// for `expected` of them at once. When the guard ends, the new rows are put in order once
    /// and merged with the rows there were, exactly where one insert at a time would have put
    /// them: after the rows of equal day count.
    class BulkInsert
    {
    public:
        BulkInsert(EventState &state, size_t expected);
        ~BulkInsert();
        BulkInsert(const BulkInsert &) = delete;
        BulkInsert &operator=(const BulkInsert &) = delete;

    private:
        EventState &m_state;
    };

private:
    /// A row as kept: the index of its record, its day count and its notice text. The other
    /// texts are the record's own and are made when asked for.
    struct RowSlot
    {
        uint32_t event;
        int32_t whenDays;
        std::string noticePeriod;
        int minute = -1; // DayOrderMinute of its record: the order within its day
    };
    /// Whether row `a` goes before row `b`.
    [[nodiscard]] static bool sooner(const RowSlot &a, const RowSlot &b)
    {
        return a.whenDays != b.whenDays ? a.whenDays < b.whenDays : a.minute < b.minute;
    }

    [[nodiscard]] std::string takeNextKey();
    [[nodiscard]] std::optional<size_t> rowOfEvent(size_t index) const;
    size_t placeRow(RowSlot row);
    /// Orders the rows from `first` on and merges them with those before it.
    void mergeNewRows(size_t first);

    std::vector<clsEvent> m_events;
    std::vector<RowSlot> m_rows;
    int16_t m_nextId = 0;
    bool m_saved = true;
    bool m_backupBeforeSave = false;
    int m_unloadedFromLine = 0;
    std::optional<ContentStamp> m_diskStamp;
    bool m_bulk = false;
    size_t m_rowsBeforeBulk = 0;
};
