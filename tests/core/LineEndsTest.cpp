// Files written by other editors and systems end their lines with CR LF, LF or a lone CR. Each
// must read as the same events; no event may ever be merged into another.

#include "EventFile.h"

#include "EventState.h"
#include "Rows.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

const Date Today = Date::fromYmd(2023, 4, 15);

struct Case
{
    const char *name;
    std::string content;
    std::vector<std::string> shown;
    int ignored;
};

std::vector<std::string> descriptions(const EventState &state)
{
    std::vector<std::string> texts;
    for (const clsEvent &event : state.Events())
        texts.push_back(event.Description);
    return texts;
}

} // namespace

TEST(LineEnds, EveryLineEndReadsAsOne)
{
    const std::string a = "$$A$$2023-05-01$$Once$$3$$a@x.org";
    const std::string b = "$$B$$2023-05-02$$Once$$3$$";
    const std::string c = "$$C$$2023-05-03$$Monthly$$3$$c@x.org";
    const std::vector<Case> cases = {
        {"CR LF", a + "\r\n" + b + "\r\n" + c + "\r\n\r\n", {"A", "B", "C"}, 0},
        {"LF", a + "\n" + b + "\n" + c + "\n\n", {"A", "B", "C"}, 0},
        {"CR", a + "\r" + b + "\r" + c + "\r\r", {"A", "B", "C"}, 0},
        {"CR without the closing empty line", a + "\r" + b + "\r" + c + "\r", {"A", "B", "C"}, 0},
        {"CR, last line open", a + "\r" + b + "\r" + c, {"A", "B", "C"}, 0},
        {"mixed", a + "\r" + b + "\n" + c + "\r\n\r\n", {"A", "B", "C"}, 0},
        {"LF CR is two line ends", a + "\n\r" + b + "\r\n", {"A"}, 1},
        {"CR CR LF ends at the empty line", a + "\r\r\n" + b + "\r\n", {"A"}, 1},
        {"mixed, empty line as CR", a + "\n\r" + b + "\r" + c + "\r", {"A"}, 2},
        // A CR inside a line cuts it: both halves are damaged, never one event with the
        // other's text in its address.
        {"CR inside a line", "$$A$$2023-05-01$$On\rce$$3$$\r\n" + b + "\r\n", {"B"}, 2},
    };
    for (const Case &test : cases) {
        TempFolder folder;
        folder.write("events.mrl", test.content);
        EventState state;
        const LoadResult result = LoadEvents(state, folder.file("events.mrl"), Today);
        EXPECT_TRUE(result.success) << test.name;
        EXPECT_EQ(descriptions(state), test.shown) << test.name;
        EXPECT_EQ(result.ignored, test.ignored) << test.name;
        for (const clsEvent &event : state.Events())
            EXPECT_EQ(event.Email.find_first_of("\r\n"), std::string::npos) << test.name;
        // A lossy load keeps the file as read before anything else.
        if (test.ignored > 0)
            EXPECT_EQ(folder.read("events.mrl.bak"), test.content) << test.name;
        else
            EXPECT_FALSE(folder.exists("events.mrl.bak")) << test.name;
    }
}

TEST(LineEnds, ALargeCrOnlyFileReadsInOnePass)
{
    // 30,000 lines with CR alone: a reader that looked for LF afresh for each line would read
    // the whole file for every line (about 40 GB here) and never finish.
    std::string content;
    for (int i = 0; i < 30000; ++i)
        content += "$$Event " + std::to_string(i) + " with a longer text$$2023-05-01$$Once$$3$$\r";
    TempFolder folder;
    folder.write("events.mrl", content);
    EventState state;
    const LoadResult result = LoadEvents(state, folder.file("events.mrl"), Today);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(state.Events().size(), 30000u);
    EXPECT_EQ(state.Events().back().Description, "Event 29999 with a longer text");
}
