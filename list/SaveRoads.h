// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clsEvent.h"

#include <functional>
#include <string>
#include <vector>

/// Where a save sends the list besides its own file.
struct SaveRoads
{
    bool keepUids = false;    // a calendar is synced: every event keeps the UID it goes by
    std::string calendarFile; // a calendar file kept up to date; empty for none
    /// Where either road is taken: the UIDs the events go by, and the calendar file's text.
    /// They are the calendar library's, handed in by whoever read the settings, so that a list
    /// saved without these roads never loads that library.
    std::function<std::vector<std::string>(const std::vector<clsEvent> &)> uids;
    std::function<std::string(const std::vector<clsEvent> &)> calendarText;
};
