// SPDX-License-Identifier: GPL-3.0-or-later
// The whole loader on arbitrary file content: the main window's load and save and the logon
// scan's own pass leave the same file and the same backup and show the same rows and mail offers,
// and a saved file loads back whole and saves the same. No event is ever lost or merged: every
// good event line before the first empty line (CR LF, LF and a lone CR each end a line) comes
// back as a record, in order, and nothing else does; and a load stops exactly where the plain
// reading meets a notice period out of range. The seeds in corpus/loader pin the shapes that
// matter: every line end, damaged and non-canonical lines, years of birth, periods out of range.

#include "Conversions.h"
#include "EventFile.h"
#include "EventLine.h"
#include "EventState.h"
#include "FuzzSupport.h"
#include "LogonScan.h"
#include "Occurrence.h"
#include "ReferenceSplit.h"
#include "ScanComputation.h"
#include "TempFolder.h"

#include <cstdlib>

namespace {

/// Keeps what the logon scan would show, in place of its windows.
class RecordingScreens final : public LogonScreens
{
public:
    bool ShowMessageBox(const std::string &, Icon) override { return true; }
    bool ShowDueEvents(ScanResult &scan) override
    {
        rows = scan.rows;
        mails = std::move(scan.birthdayMails);
        scan.birthdayMails.clear();
        return true;
    }
    std::vector<ScanRow> rows;
    std::vector<MailOffer> mails;
};

/// A folder of this process for the files, removed when it ends.
const TempFolder &folder()
{
    static const TempFolder theFolder;
    return theFolder;
}

} // namespace

/// The logon scan sets up the timer of the reminders a line gives: here in folders of the
/// fuzzer's own, with no systemctl to find, never in the user's configuration.
extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char *** /*argv*/)
{
    static const TempFolder home;
    setenv("XDG_CONFIG_HOME", home.file("config").c_str(), 1);
    setenv("XDG_DATA_HOME", home.file("data").c_str(), 1);
    setenv("PATH", home.file("no-programs").c_str(), 1);
    return 0;
}

namespace {

/// Empties the folder and writes `content` as the event file: each road starts as a first run.
void startWith(std::string_view content)
{
    for (const std::string &name : folder().names())
        std::filesystem::remove_all(folder().file(name));
    folder().write("events.mrl", std::string(content));
}

std::string backup()
{
    return folder().exists("events.mrl.bak") ? folder().read("events.mrl.bak") : "<none>";
}

/// The lines of `content` up to the first empty one, cut as the rules say, written out plainly.
std::vector<std::string_view> linesBeforeTheEmptyOne(std::string_view content)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = start;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n')
            ++end;
        if (end == start)
            break;
        lines.push_back(content.substr(start, end - start));
        if (end + 1 < content.size() && content[end] == '\r' && content[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

/// Description, type and address of a good event line that stays in the list; none otherwise.
/// Throws for a period out of range, which stops a load.
std::optional<std::string> goodEvent(std::string_view line, Date today)
{
    const std::vector<std::string_view> fields = ReferenceSplit(line);
    if (fields.size() < 5)
        return std::nullopt;
    int16_t period = 0;
    try {
        period = TextToInt16(fields[4]);
    } catch (const MoonrillError &error) {
        if (error.number() == MoonrillError::Overflow)
            throw;
        return std::nullopt;
    }
    (void)period;
    if (fields.size() < 6)
        return std::nullopt;
    Date date;
    try {
        date = TextToDate(fields[2]);
    } catch (const MoonrillError &) {
        return std::nullopt;
    }
    if (!NextOccurrence(date, fields[3], today))
        return std::nullopt;
    return std::string(fields[1]) + "|" + std::string(fields[3]) + "|" + std::string(fields[5]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view content = bytesOf(data, size);
    const Date today = Date::fromYmd(2026, 12, 6);
    const std::string path = folder().file("events.mrl");

    startWith(content);
    EventState state;
    const LoadResult result = LoadEvents(state, path, today);
    std::vector<std::string> expected;
    bool stops = false;
    try {
        for (const std::string_view line : linesBeforeTheEmptyOne(content)) {
            if (std::optional<std::string> event = goodEvent(line, today))
                expected.push_back(std::move(*event));
        }
    } catch (const MoonrillError &) {
        stops = true;
    }
    FUZZ_CHECK(result.success == !stops);
    if (result.success) {
        std::vector<std::string> loaded;
        for (const clsEvent &event : state.Events())
            loaded.push_back(event.Description + "|" + event.Occurs + "|" + event.Email);
        FUZZ_CHECK(loaded == expected);
        SaveEvents(state, path);
    }
    const std::string windowFile = folder().read("events.mrl");
    const std::string windowBackup = backup();
    const ScanResult windowScan = ComputeScan(state.Events(), today);

    startWith(content);
    RecordingScreens screens;
    (void)RunLogonScan(folder().path(), today, screens);
    FUZZ_CHECK(folder().read("events.mrl") == windowFile);
    FUZZ_CHECK(backup() == windowBackup);
    FUZZ_CHECK(screens.rows == windowScan.rows);
    FUZZ_CHECK(screens.mails == windowScan.birthdayMails);

    if (result.success) {
        EventState again;
        const LoadResult reload = LoadEvents(again, path, today);
        FUZZ_CHECK(reload.success && reload.ignored == 0);
        FUZZ_CHECK(again.Events().size() == state.Events().size());
        SaveEvents(again, path);
        FUZZ_CHECK(folder().read("events.mrl") == windowFile);
    }
    return 0;
}
