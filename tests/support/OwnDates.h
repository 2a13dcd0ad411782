// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Occurrence.h"
#include "clsEvent.h"

#include <optional>
#include <set>

/// The dates Moonrill gives an event from `from` up to `to`, stepping from its stored date (an
/// unknown type keeps its date, which may have passed).
inline std::set<Date> OwnDates(const clsEvent &event, Date from, Date to)
{
    std::set<Date> dates;
    const int day = IntendedDay(event.StartingOn, event.Options.Day);
    for (std::optional<Date> d = event.StartingOn; d && *d <= to;) {
        if (*d >= from)
            dates.insert(*d);
        const std::optional<Date> next = NextOccurrence(*d, event.Occurs, d->addDays(1), day);
        if (!next || *next <= *d || event.Occurs == "Once")
            break;
        d = next;
    }
    return dates;
}
