// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventList.h"

#include "TempFolder.h"
#include "TestEvents.h"

#include <gtest/gtest.h>

namespace {

const Date Today = Date::fromYmd(2027, 1, 28);

WrittenEvent Synced(const std::string &name, int day)
{
    WrittenEvent written = TestEvent(name, Date::fromYmd(2027, 2, day));
    written.event.Options.Uid = "uid-" + name;
    return written;
}

/// What the observer heard, a word a change.
struct Heard final : EventListObserver
{
    std::vector<std::string> said;
    void changing(Change change, size_t row) override
    {
        static const char *const names[] = {"insert", "remove", "reorder", "reset"};
        said.push_back(names[static_cast<int>(change)] + std::string(" ") + std::to_string(row));
    }
    void changed(Change) override { said.emplace_back("done"); }
};

std::vector<std::string> Names(const EventList &list)
{
    std::vector<std::string> names;
    for (const clsEvent &event : list.Events())
        names.push_back(event.Description);
    return names;
}

} // namespace

TEST(EventList, AReferenceFollowsItsEventAndNeverFindsAnother)
{
    EventList list;
    Heard heard;
    list.SetObserver(&heard);
    const EventRef alpha = list.Add(Synced("Alpha", 1), Today);
    const EventRef bravo = list.Add(Synced("Bravo", 2), Today);
    (void)list.Add(Synced("Charlie", 3), Today);
    EXPECT_EQ(heard.said, (std::vector<std::string>{"insert 0", "done", "insert 1", "done",
                                                    "insert 2", "done"}));

    // The server removes Alpha while the editor holds Bravo: OK lands on Bravo, nothing else
    // goes, and the reference to Alpha finds nothing.
    ASSERT_TRUE(list.TakeServerEdits({{SyncEdit::Kind::Remove, "uid-Alpha", {}, {}}}, Today));
    EXPECT_EQ(list.Find(alpha), nullptr);
    ASSERT_NE(list.Find(bravo), nullptr);
    WrittenEvent edited = Synced("Bravo edited", 2);
    const EventRef now = list.Replace(bravo, std::move(edited), Today);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Bravo edited", "Charlie"}));
    EXPECT_EQ(list.Find(bravo), nullptr) << "an edit gives the event a new key";
    EXPECT_EQ(list.Find(now)->Description, "Bravo edited");
    EXPECT_THROW(list.Remove(bravo), MoonrillError);
    EXPECT_EQ(list.Events().size(), 2U);

    // A new event from the server takes the first row; the question's event is still found.
    const EventRef charlie = list.RefOfRow(1);
    ASSERT_TRUE(
        list.TakeServerEdits({{SyncEdit::Kind::Add, {}, Synced("Aardvark", 1).event, {}}}, Today));
    EXPECT_EQ(list.Remove(charlie).Description, "Charlie");
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Bravo edited", "Aardvark"}));

    // Clear starts the keys again: "ID3" of before is not "ID3" of now.
    const EventRef before = list.RefOf(list.Events().front());
    list.Clear();
    EventRef after;
    for (const char *name : {"Delta", "Echo", "Foxtrot", "Golf"})
        after = list.Add(Synced(name, 4), Today);
    EXPECT_EQ(after.key, before.key);
    EXPECT_EQ(list.Find(before), nullptr);
    EXPECT_EQ(list.Find(after)->Description, "Golf");
}

TEST(EventList, TheServersChangesReachOnlyTheFileTheSyncStartedFrom)
{
    const TempFolder folder;
    const std::string path = folder.file("events.mrl");
    EventList list(path);
    (void)list.Add(Synced("Alpha", 1), Today);
    (void)list.Add(Synced("Bravo", 2), Today);
    (void)list.Save({});
    const std::string before = folder.read("events.mrl");
    const std::vector<clsEvent> planned = list.Events();
    const std::vector<SyncEdit> removeAlpha{{SyncEdit::Kind::Remove, "uid-Alpha", {}, {}}};

    // Another program changed the file since: nothing is taken, the file stays as it is.
    (void)list.Add(Synced("Charlie", 3), Today);
    (void)list.Save({});
    const std::string changed = folder.read("events.mrl");
    EXPECT_EQ(TakeIntoFile(path, removeAlpha, planned, {}, Today), FileTaking::FileMoved);
    EXPECT_EQ(folder.read("events.mrl"), changed);

    // The list it started from takes the edits; the list as it was stays a backup.
    folder.write("events.mrl", before);
    std::optional<ContentStamp> stamp;
    EXPECT_EQ(TakeIntoFile(path, removeAlpha, planned, {}, Today, &stamp), FileTaking::Taken);
    const std::string taken = folder.read("events.mrl");
    EXPECT_EQ(taken.find("Alpha"), std::string::npos);
    EXPECT_NE(taken.find("Bravo$$"), std::string::npos);
    EXPECT_EQ(folder.read("events.mrl.bak"), before);
    ASSERT_TRUE(stamp.has_value());
}
