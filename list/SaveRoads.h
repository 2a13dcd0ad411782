// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

/// Where a save sends the list besides its own file.
struct SaveRoads
{
    bool keepUids = false;    // a calendar is synced: every event keeps the UID it goes by
    std::string calendarFile; // a calendar file kept up to date; empty for none
};
