// SPDX-License-Identifier: GPL-3.0-or-later
// The event-line parser: whatever the bytes, reading never fails in an unplanned way, and every
// event read comes back unchanged from the line the writer makes of it.

#include "EventFile.h"
#include "EventLine.h"
#include "FuzzSupport.h"
#include "Occurrence.h"
#include "ReferenceSplit.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view content = bytesOf(data, size);
    const Date today = Date::fromYmd(2026, 12, 6);

    // The quick split agrees with the plain one on every line.
    const std::vector<std::string_view> all = ReferenceSplit(content);
    const LeadingFields leading = SplitLeadingFields(content);
    FUZZ_CHECK(leading.count == std::min<size_t>(all.size(), 7));
    for (size_t i = 0; i < leading.count; ++i)
        FUZZ_CHECK(leading.field[i] == all[i]);

    LoadResult result;
    ReadEventLines(content, today, result, [today](const EventLineView &view) {
        const clsEvent &event = view.line.event;
        // Texts the writer cannot write unambiguously are never read back as such.
        std::string line;
        AppendEventLine(line, event);
        LoadResult again;
        int seen = 0;
        ReadEventLines(line, today, again, [&](const EventLineView &backView) {
            const clsEvent &back = backView.line.event;
            ++seen;
            FUZZ_CHECK(back.Description == event.Description);
            FUZZ_CHECK(back.StartingOn == event.StartingOn);
            FUZZ_CHECK(back.Occurs == event.Occurs);
            FUZZ_CHECK(back.Period == event.Period);
            FUZZ_CHECK(!backView.moved);
            // A year kept is written as four digits and read back (the moved date is later),
            // unless a CR in the e-mail field ended the line before it, or the e-mail's last
            // "$" runs into the separator after it (a hand-written file may hold one; the
            // editor never writes it), which moves the fields after it.
            if (event.Email.find('\r') == std::string_view::npos && !event.Email.ends_with('$')) {
                FUZZ_CHECK(back.BirthYear == event.BirthYear);
                // So are the day meant, where the date falls short of it, and the UID.
                FUZZ_CHECK(back.Options.Day ==
                           DayKeptBeside(event.StartingOn, event.Occurs, event.Options.Day));
                if (event.Options.Uid.find('$') == std::string::npos)
                    FUZZ_CHECK(back.Options.Uid == event.Options.Uid);
            }
            // A CR ending the line is taken for half of the line end, and a last "$" for half of
            // the separator after it.
            if (!event.Email.ends_with('\r') && !event.Email.ends_with('$'))
                FUZZ_CHECK(back.Email == event.Email);
        });
        // A field holding "$$" splits differently; only those lines may read back otherwise.
        const bool plain =
            event.Description.find('$') == std::string_view::npos &&
            event.Email.find('$') == std::string_view::npos &&
            event.Occurs.find('$') == std::string_view::npos &&
            (event.BirthYear == 0 || event.Email.find('\r') == std::string_view::npos);
        if (plain) {
            FUZZ_CHECK(again.success && again.ignored == 0 && seen == 1);
        }
    });
    FUZZ_CHECK(result.success == !result.error);
    return 0;
}
