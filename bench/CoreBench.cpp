// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventFiles.h"

#include "AtomicFile.h"
#include "EventFile.h"
#include "EventLine.h"
#include "EventState.h"
#include "FileRead.h"
#include "LogonScan.h"
#include "Occurrence.h"
#include "ScanComputation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string benchFolder()
{
    std::string pattern = std::filesystem::temp_directory_path() / "moonrill-bench-XXXXXX";
    return ::mkdtemp(pattern.data());
}

/// The start-up road: load (with every date moved forward), then save at once.
void LoadAdvanceSave(benchmark::State &bench)
{
    const Date today = Date::today();
    const std::string folder = benchFolder();
    const std::string path = folder + "/events.mrl";
    const std::string content = MixedEventFile(static_cast<int>(bench.range(0)), today);
    for (auto _ : bench) {
        bench.PauseTiming();
        WriteFileAtomically(path, content);
        bench.ResumeTiming();
        EventState state;
        const LoadResult result = LoadEvents(state, path, today);
        if (!result.success)
            bench.SkipWithError("load failed");
        SaveEvents(state, path);
        benchmark::DoNotOptimize(state.RowCount());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(LoadAdvanceSave)->Arg(1000)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

/// What the logon scan's screens would show is dropped: nothing in the file is due anyway.
class NoScreens final : public LogonScreens
{
public:
    bool ShowMessageBox(const std::string &, Icon) override { return true; }
    bool ShowDueEvents(ScanResult &scan) override
    {
        scan.birthdayMails.clear();
        return true;
    }
};

/// The logon scan's own pass: read, move, write and scan. With `moving`, every run starts from
/// the dates as first written; otherwise from the file the last run left (the usual logon).
void LogonScanPass(benchmark::State &bench, bool moving)
{
    const Date today = Date::today();
    const std::string folder = benchFolder();
    const std::string path = folder + "/events.mrl";
    const std::string content = MixedEventFile(EventState::Limit, today);
    WriteFileAtomically(path, content);
    NoScreens screens;
    for (auto _ : bench) {
        if (moving) {
            bench.PauseTiming();
            WriteFileAtomically(path, content);
            bench.ResumeTiming();
        }
        benchmark::DoNotOptimize(RunLogonScan(folder, today, screens));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK_CAPTURE(LogonScanPass, Moving32767, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LogonScanPass, Usual32767, false)->Unit(benchmark::kMillisecond);

void NextOccurrenceOfType(benchmark::State &bench, const char *type, int yearsBack)
{
    const Date today = Date::today();
    const Date date = today.addDays(-365 * yearsBack - 17);
    for (auto _ : bench)
        benchmark::DoNotOptimize(NextOccurrence(date, type, today));
}
BENCHMARK_CAPTURE(NextOccurrenceOfType, DailyYesterday, "Daily", 0);
BENCHMARK_CAPTURE(NextOccurrenceOfType, Daily1900, "Daily", 126);
BENCHMARK_CAPTURE(NextOccurrenceOfType, MonthlyCentury, "Monthly", 100);
BENCHMARK_CAPTURE(NextOccurrenceOfType, BirthdayCentury, "Birthday", 100);
BENCHMARK_CAPTURE(NextOccurrenceOfType, Every3thWeekCentury, "Every 3th week", 100);
BENCHMARK_CAPTURE(NextOccurrenceOfType, Every10thMonthCentury, "Every 10th month", 100);

/// Reading the largest event file whole into memory, as every load does.
void ReadLargestFile(benchmark::State &bench)
{
    const std::string folder = benchFolder();
    const std::string path = folder + "/events.mrl";
    WriteFileAtomically(path, MixedEventFile(EventState::Limit, Date::today()));
    for (auto _ : bench)
        benchmark::DoNotOptimize(ReadWholeFile(path));
    bench.SetBytesProcessed(int64_t(bench.iterations()) *
                            int64_t(std::filesystem::file_size(path)));
    std::filesystem::remove_all(folder);
}
BENCHMARK(ReadLargestFile)->Unit(benchmark::kMicrosecond);

/// The logon scan over a full list of which one event in nine is due.
void ScanFullList(benchmark::State &bench)
{
    const Date today = Date::today();
    const std::string folder = benchFolder();
    const std::string path = folder + "/events.mrl";
    WriteFileAtomically(path, MixedEventFile(EventState::Limit, today));
    EventState state;
    (void)LoadEvents(state, path, today);
    for (auto _ : bench)
        benchmark::DoNotOptimize(ComputeScan(state.Events(), today));
    std::filesystem::remove_all(folder);
}
BENCHMARK(ScanFullList)->Unit(benchmark::kMillisecond);

/// Each line read and written again where every line has optional values (the day beside a
/// shortened date, a calendar UID, now and then a value of a later version), as a list once
/// synced with a calendar has: the codec's walk of the table of those values.
void LineCodecWithOptions(benchmark::State &bench)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 32767; ++i) {
        std::string line = "$$Event " + std::to_string(i) +
                           "$$2027-04-30$$Monthly$$3$$someone@example.org$$$$day=31$$uid=moonrill-"
                           "0123456789abcdef-" +
                           std::to_string(i);
        if (i % 3 == 0)
            line += "$$later=1";
        lines.push_back(std::move(line));
    }
    EventLineRead read;
    std::string out;
    for (auto _ : bench) {
        size_t written = 0;
        for (const std::string &line : lines) {
            if (!ReadEventLine(line, read) || !read.canonical) {
                bench.SkipWithError("a line did not read back");
                return;
            }
            out.clear();
            AppendEventLine(out, read.event);
            written += out.size();
        }
        benchmark::DoNotOptimize(written);
    }
}
BENCHMARK(LineCodecWithOptions)->Unit(benchmark::kMillisecond);

/// The start of the next field after `p` in [p, end): just past the next "$$" (the floor
/// program's own walk, bench/floor_scan.c).
const char *floorNextField(const char *p, const char *end)
{
    for (; p + 1 < end; ++p)
        if (p[0] == '$' && p[1] == '$')
            return p + 2;
    return nullptr;
}

/// The logon scan's field split over the whole of `content`: the fields found.
[[gnu::noinline]] size_t splitAll(std::string_view content)
{
    size_t fields = 0;
    for (size_t start = 0; start < content.size();) {
        const size_t end = std::min(content.find('\n', start), content.size());
        fields += SplitLeadingFields(content.substr(start, end - start)).count;
        start = end + 1;
    }
    return fields;
}

/// The floor program's walk to the fields it reads of each line: the lines it found them in.
[[gnu::noinline]] size_t floorSplitAll(std::string_view content)
{
    size_t lines = 0;
    const char *const last = content.data() + content.size();
    for (const char *line = content.data(); line < last;) {
        const char *eol =
            static_cast<const char *>(std::memchr(line, '\n', static_cast<size_t>(last - line)));
        eol = eol == nullptr ? last : eol;
        // Fields: "", description, date, type, period.
        const char *date = floorNextField(line, eol);
        date = date != nullptr ? floorNextField(date, eol) : nullptr;
        const char *type = date != nullptr ? floorNextField(date, eol) : nullptr;
        lines += type != nullptr && floorNextField(type, eol) != nullptr ? 1 : 0;
        line = eol + 1;
    }
    return lines;
}

/// The field split over the largest file, beside the floor program's walk to the same lines'
/// fields. Their instructions a pass: "valgrind --tool=callgrind --toggle-collect=splitAll*"
/// (or floorSplitAll*) with "--benchmark_filter=Split --benchmark_min_time=0", one pass each.
void SplitFields(benchmark::State &bench, size_t (*split)(std::string_view))
{
    const std::string content = MixedEventFile(32767, Date::today());
    for (auto _ : bench)
        benchmark::DoNotOptimize(split(content));
}
BENCHMARK_CAPTURE(SplitFields, Moonrill, splitAll)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SplitFields, Floor, floorSplitAll)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
