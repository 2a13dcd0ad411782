// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the dates Moonrill gives each event of a list, and each event's alarm, for scripts that
// compare them with what a calendar program or server shows.
// Usage: moonrill_dates EVENTS FROM TO FOLDER (FROM is today, FROM and TO are YYYY-MM-DD). Writes
// FOLDER/moonrill.tsv ("YYYY-MM-DD<TAB>description" a date) and FOLDER/alarms.tsv
// ("description<TAB>days before", for each event that has an alarm).

#include "Conversions.h"
#include "EventFile.h"
#include "EventState.h"
#include "OwnDates.h"

#include <fstream>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::cerr << "usage: moonrill_dates EVENTS FROM TO FOLDER\n";
        return 2;
    }
    const Date from = TextToDate(argv[2]), to = TextToDate(argv[3]);
    EventState state;
    if (!LoadEvents(state, argv[1], from).success) {
        std::cerr << "moonrill_dates: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string folder = argv[4];
    std::ofstream dates(folder + "/moonrill.tsv"), alarms(folder + "/alarms.tsv");
    for (const clsEvent &event : state.Events()) {
        for (const Date date : OwnDates(event, from, to))
            dates << DateToText(date) << '\t' << event.Description << '\n';
        if (event.Period >= 0)
            alarms << event.Description << '\t' << event.Period << '\n';
    }
    return dates && alarms ? 0 : 1;
}
