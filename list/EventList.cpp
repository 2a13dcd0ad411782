// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventList.h"

#include "AtomicFile.h"
#include "Backups.h"
#include "Conversions.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Recovery.h"
#include "Reminders.h"

using Change = EventListObserver::Change;

class EventList::Telling
{
public:
    Telling(const EventList &list, Change change, size_t row = 0) : m_list(list), m_change(change)
    {
        m_list.changing(m_change, row);
    }
    ~Telling() { m_list.changed(m_change); }
    Telling(const Telling &) = delete;
    Telling &operator=(const Telling &) = delete;

private:
    const EventList &m_list;
    Change m_change;
};

void EventList::changing(Change change, size_t row) const
{
    if (m_observer != nullptr)
        m_observer->changing(change, row);
}

void EventList::changed(Change change) const
{
    if (m_observer != nullptr)
        m_observer->changed(change);
}

EventRef EventList::RefOfRow(size_t row) const
{
    if (row >= m_state.RowCount())
        return {};
    return {m_state.RecordOfRow(row).Id, m_life};
}

int EventList::indexOf(const EventRef &ref) const
{
    if (ref.empty() || ref.life != m_life)
        return -1;
    return m_state.FindEvent(ref.key);
}

const clsEvent *EventList::Find(const EventRef &ref) const
{
    const int index = indexOf(ref);
    return index < 0 ? nullptr : &m_state.Events()[static_cast<size_t>(index)];
}

std::optional<size_t> EventList::RowOf(const EventRef &ref) const
{
    if (indexOf(ref) < 0)
        return std::nullopt;
    return m_state.RowOf(ref.key);
}

EventRef EventList::Add(WrittenEvent written, Date today)
{
    // Checked before the observer hears of a row that would then not come.
    if (!m_state.CanInsert())
        throw MoonrillError::overflow();
    const size_t at = m_state.InsertPosition(DayDifference(today, written.event.StartingOn),
                                             DayOrderMinute(written.event));
    {
        const Telling telling(*this, Change::Insert, at);
        (void)m_state.Insert(std::move(written), today);
    }
    return {m_state.Events().back().Id, m_life};
}

EventRef EventList::AddAll(std::vector<WrittenEvent> events, Date today)
{
    if (events.empty())
        return {};
    if (events.size() > m_state.Room())
        throw MoonrillError::overflow();
    {
        const Telling telling(*this, Change::Reset);
        const EventState::BulkInsert bulk(m_state, events.size());
        for (WrittenEvent &event : events)
            (void)m_state.Insert(std::move(event), today);
    }
    return {m_state.Events().back().Id, m_life};
}

EventRef EventList::Replace(const EventRef &ref, WrittenEvent written, Date today)
{
    const int index = indexOf(ref);
    if (index < 0)
        throw MoonrillError(MoonrillError::KeyNotUnique, "Element not found");
    if (m_state.NextId() >= EventState::Limit)
        throw MoonrillError::overflow();
    {
        const Telling telling(*this, Change::Reorder);
        (void)m_state.Replace(index, std::move(written), today);
    }
    return {m_state.Events()[static_cast<size_t>(index)].Id, m_life};
}

clsEvent EventList::Remove(const EventRef &ref)
{
    const int index = indexOf(ref);
    const std::optional<size_t> row = RowOf(ref);
    if (index < 0 || !row)
        throw MoonrillError(MoonrillError::KeyNotUnique, "Element not found");
    clsEvent removed = m_state.Events()[static_cast<size_t>(index)];
    const Telling telling(*this, Change::Remove, *row);
    (void)m_state.Remove(index);
    return removed;
}

void EventList::Clear()
{
    const Telling telling(*this, Change::Reset);
    m_state.Clear();
    ++m_life; // the keys start again: no reference taken before may find an event now
}

bool EventList::TakeServerEdits(const std::vector<SyncEdit> &edits, Date today)
{
    if (!RoomFor(m_state, edits))
        return false;
    if (edits.empty())
        return true;
    // Each edit gives the events it touches new keys, so the references commands hold to them
    // find nothing afterwards; every other event keeps its key.
    const Telling telling(*this, Change::Reset);
    return ApplySyncEdits(m_state, edits, today);
}

LoadResult EventList::Load(Date today, std::optional<Date> lastSeen)
{
    const Telling telling(*this, Change::Reset);
    ++m_life;
    return ::LoadEvents(m_state, m_path, today, lastSeen);
}

void EventList::Restore(EventState restored, std::optional<ContentStamp> madeOver)
{
    if (madeOver)
        restored.SetDiskStamp(*madeOver);
    else if (m_state.DiskStamp())
        restored.SetDiskStamp(*m_state.DiskStamp());
    restored.SetBackupBeforeSave(m_state.BackupBeforeSave());
    restored.SetUnloadedFromLine(m_state.UnloadedFromLine());
    const Telling telling(*this, Change::Reset);
    ++m_life;
    m_state = std::move(restored);
}

SaveOutcome EventList::Save(const SaveRoads &roads)
{
    // A synced list, and one kept as a calendar file, keeps its events' UIDs, so that the
    // server's objects and the file's entries stay its own. The rows do not change.
    if (roads.keepUids || !roads.calendarFile.empty())
        m_state.KeepUids(roads.uids(m_state.Events()));
    SaveOutcome outcome = SaveEvents(m_state, m_path);
    if (!roads.calendarFile.empty())
        WriteFileAtomically(
            roads.calendarFile, roads.calendarText(m_state.Events()),
            WriteRules{.followLinks = true, .modeFrom = {}, .noun = "a calendar file"});
    return outcome;
}

void EventList::KeepUnsaved()
{
    m_state.SetSaved(false);
    WriteRecovery(m_state, m_path);
}

FileTaking TakeIntoFile(const std::string &path, const std::vector<SyncEdit> &edits,
                        const std::vector<clsEvent> &planned, const SaveRoads &roads, Date today,
                        std::optional<ContentStamp> *saved)
{
    EventList file(path);
    const LoadResult loaded = file.Load(today);
    if (!loaded.success || loaded.ignored > 0 || !SameEvents(file.Events(), planned))
        return FileTaking::FileMoved;
    if (!RoomFor(file.State(), edits))
        return FileTaking::NoRoom;
    KeepBackup(path, ReadWholeFile(path, {.noun = "the event file"}).value_or(""));
    if (!file.TakeServerEdits(edits, today))
        return FileTaking::NoRoom;
    (void)file.Save(roads);
    if (saved != nullptr)
        *saved = file.State().DiskStamp();
    return FileTaking::Taken;
}
