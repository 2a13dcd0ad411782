// SPDX-License-Identifier: GPL-3.0-or-later
// Exchanging events: exporting the 30,000-event file as a calendar, reading that calendar back
// with libical, and reading a large address book.

#include "EventFiles.h"

#include "AtomicFile.h"
#include "BirthdayImport.h"
#include "CalendarExport.h"
#include "EventFile.h"
#include "EventState.h"
#include "VCardReader.h"

#include <benchmark/benchmark.h>
#include <libical/ical.h>

#include <cstdlib>
#include <filesystem>

namespace {

std::vector<clsEvent> benchEvents(int count)
{
    const std::string folder = std::filesystem::temp_directory_path() / "moonrill-exchange-bench";
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/events.mrl";
    WriteFileAtomically(path, MixedEventFile(count, Date::today()));
    EventState state;
    (void)LoadEvents(state, path, Date::today());
    std::filesystem::remove_all(folder);
    return state.Events();
}

void ExportCalendar(benchmark::State &bench)
{
    const std::vector<clsEvent> events = benchEvents(30000);
    size_t bytes = 0;
    for (auto _ : bench) {
        const std::string text = CalendarText(events, "-//Moonrill//Bench//EN", 0);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    bench.counters["bytes"] = double(bytes);
}
BENCHMARK(ExportCalendar)->Unit(benchmark::kMillisecond);

void ReadBackCalendar(benchmark::State &bench)
{
    const std::string text = CalendarText(benchEvents(30000), "-//Moonrill//Bench//EN", 0);
    for (auto _ : bench) {
        icalcomponent *calendar = icalparser_parse_string(text.c_str());
        benchmark::DoNotOptimize(icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT));
        icalcomponent_free(calendar);
    }
}
BENCHMARK(ReadBackCalendar)->Unit(benchmark::kMillisecond);

void ImportAddressBook(benchmark::State &bench)
{
    std::string book;
    for (int i = 0; i < 10000; ++i)
        book += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Contact " + std::to_string(i) +
                "\r\nitem1.EMAIL;TYPE=INTERNET,pref:c" + std::to_string(i) +
                "@example.org\r\nBDAY:19" + std::to_string(50 + i % 50) + "-0" +
                std::to_string(1 + i % 9) + "-1" + std::to_string(i % 9) + "\r\nEND:VCARD\r\n";
    for (auto _ : bench) {
        const VCardBook read = ReadVCards(book);
        const BirthdayImport import = PlanBirthdayImport(read.contacts, {}, Date::today());
        benchmark::DoNotOptimize(import.events.size());
    }
}
BENCHMARK(ImportAddressBook)->Unit(benchmark::kMillisecond);

/// A quoted-printable value of 100,000 soft line breaks (1.2 MB): read in one pass.
void ReadSoftBreakChain(benchmark::State &bench)
{
    std::string book = "BEGIN:VCARD\r\nFN:Chain\r\nNOTE;ENCODING=QUOTED-PRINTABLE:";
    for (int i = 0; i < 100000; ++i)
        book += "0123456=\r\n";
    book += "end\r\nBDAY:2000-01-02\r\nEND:VCARD\r\n";
    for (auto _ : bench)
        benchmark::DoNotOptimize(ReadVCards(book).contacts.size());
}
BENCHMARK(ReadSoftBreakChain)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
