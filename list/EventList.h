// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventFile.h"
#include "EventState.h"
#include "SaveRoads.h"
#include "SyncPlan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// One event as a command holds it while a dialog is open: the key its row had, in the life of
/// the list it was taken from. A change of the event (from the user or from the server) gives
/// it a new key, and a load or a Clear starts a new life, so an outdated reference finds
/// nothing rather than another event.
struct EventRef
{
    std::string key;
    uint64_t life = 0;

    [[nodiscard]] bool empty() const { return key.empty(); }
    friend bool operator==(const EventRef &, const EventRef &) = default;
};

/// Hears of every change of the list's rows, before and after it, so that a view over the list
/// never disagrees with it.
class EventListObserver
{
public:
    enum class Change
    {
        Insert,  // one row, at `row`
        Remove,  // one row, at `row`
        Reorder, // rows changed and moved, none came or went
        Reset,   // anything: the rows are to be read anew
    };
    virtual ~EventListObserver() = default;
    virtual void changing(Change change, size_t row) = 0;
    virtual void changed(Change change) = 0;
};

/// The list document: the one owner of the events of an event file. It loads and saves them
/// (with the UIDs a synced list keeps and the calendar file kept beside), keeps the recovery
/// copy of changes not saved, and is the only way the list changes: the user's commands, the
/// server's changes, the imports and the load's moved dates all go through it, and its
/// observer hears of each. Commands name events by EventRef, never by a row held across a
/// dialog, so a change that arrives meanwhile cannot redirect them.
class EventList
{
public:
    explicit EventList(std::string path = {}) : m_path(std::move(path)) {}

    [[nodiscard]] const std::string &Path() const { return m_path; }
    void SetPath(std::string path) { m_path = std::move(path); }
    [[nodiscard]] const EventState &State() const { return m_state; }
    [[nodiscard]] const std::vector<clsEvent> &Events() const { return m_state.Events(); }
    [[nodiscard]] size_t Room() const { return m_state.Room(); }
    [[nodiscard]] bool Saved() const { return m_state.Saved(); }
    void SetSaved(bool saved) { m_state.SetSaved(saved); }
    /// The one observer, or none; it must outlive the list or be taken away first.
    void SetObserver(EventListObserver *observer) { m_observer = observer; }

    /// The event shown by the row at `row`; an empty reference where there is none.
    [[nodiscard]] EventRef RefOfRow(size_t row) const;
    /// The reference to `event`, one of the list's own.
    [[nodiscard]] EventRef RefOf(const clsEvent &event) const { return {event.Id, m_life}; }
    /// The event `ref` names, as it stands; none where it changed or left since.
    [[nodiscard]] const clsEvent *Find(const EventRef &ref) const;
    [[nodiscard]] std::optional<size_t> RowOf(const EventRef &ref) const;

    /// Adds an event under a new key; throws an overflow before anything changes.
    EventRef Add(WrittenEvent written, Date today);
    /// Adds every event in one pass (an import): all, or none when they do not fit (an
    /// overflow is thrown). The last one's reference; empty where there was none.
    EventRef AddAll(std::vector<WrittenEvent> events, Date today);
    /// Gives the event `ref` names new values under a new key; throws where it is not there
    /// or no key is left.
    EventRef Replace(const EventRef &ref, WrittenEvent written, Date today);
    /// Removes the event `ref` names and gives it back; throws where it is not there.
    clsEvent Remove(const EventRef &ref);
    /// Removes every event.
    void Clear();
    /// Makes a sync's edits, by the UIDs they name; false, with nothing changed, where the
    /// list has no room for what they add.
    bool TakeServerEdits(const std::vector<SyncEdit> &edits, Date today);
    /// Gives each event without a UID the one in `uids` at its index; whether any took one.
    bool KeepUids(const std::vector<std::string> &uids) { return m_state.KeepUids(uids); }

    /// Reads the file anew, dates moved to `today`; what was held before is gone.
    LoadResult Load(Date today, std::optional<Date> lastSeen = std::nullopt);
    /// Takes the list of a recovery copy in place of the one held, keeping what the file's
    /// load found (its stamp where `madeOver` is none, what it left out).
    void Restore(EventState restored, std::optional<ContentStamp> madeOver);
    /// Saves to the file and the roads beside it; throws a MoonrillError where one cannot be
    /// written.
    SaveOutcome Save(const SaveRoads &roads);
    /// The event file was written by another road (a sync taking the server's changes): a
    /// save compares the file with `stamp` from now on.
    void FileWritten(ContentStamp stamp) { m_state.SetDiskStamp(stamp); }
    /// Marks the list not saved and keeps it in the recovery copy; throws a MoonrillError
    /// where the copy cannot be written (the list is not saved all the same).
    void KeepUnsaved();

private:
    [[nodiscard]] int indexOf(const EventRef &ref) const;
    void changing(EventListObserver::Change change, size_t row = 0) const;
    void changed(EventListObserver::Change change) const;
    /// Tells the observer of a change as a whole, however it ends.
    class Telling;

    std::string m_path;
    EventState m_state;
    uint64_t m_life = 1;
    EventListObserver *m_observer = nullptr;
};

/// What came of taking a sync's edits into the event file.
enum class FileTaking
{
    Taken,     // the file holds them
    FileMoved, // the file is no longer the list the sync was made from: nothing was taken
    NoRoom,    // the list has no room for what the server holds: nothing was taken
};

/// The one road by which the server's changes reach an event file, for every sync: the file is
/// read again, and only where it still holds `planned` (the list the sync was made from) is it
/// kept a backup generation (so that what the server removed can be had back), and are `edits`
/// made and saved. `saved` gets the stamp of what was written. Throws a MoonrillError where the
/// file cannot be written.
FileTaking TakeIntoFile(const std::string &path, const std::vector<SyncEdit> &edits,
                        const std::vector<clsEvent> &planned, const SaveRoads &roads, Date today,
                        std::optional<ContentStamp> *saved = nullptr);
