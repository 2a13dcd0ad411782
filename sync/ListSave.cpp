// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListSave.h"

#include "AtomicFile.h"
#include "CalendarExport.h"

#include <ctime>

SaveOutcome SaveList(EventState &state, const std::string &eventFile, const SyncSettings &settings)
{
    const bool publishes = !settings.calendar.isEmpty();
    if (publishes || !settings.calendarFile.isEmpty())
        state.KeepUids(CalendarUids(state.Events()));
    SaveOutcome outcome = SaveEvents(state, eventFile);
    if (!settings.calendarFile.isEmpty())
        WriteFileAtomically(
            settings.calendarFile.toStdString(),
            CalendarText(state.Events(), MoonrillProductId(), std::time(nullptr)),
            WriteRules{.followLinks = true, .modeFrom = {}, .noun = "a calendar file"});
    return outcome;
}
