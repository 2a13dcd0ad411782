// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventFile.h"
#include "EventState.h"
#include "SyncSettings.h"

#include <string>

/// What a save does, on every road that saves (the window, `moonrill sync`, the logon scan's
/// publish): a list that is published or kept as a calendar file keeps its events' UIDs, so
/// that the server's objects and the file's entries stay its own; the event file is saved; the
/// calendar file kept up to date is written. Whether the list is then published is
/// `settings.calendar`'s to say. Throws a MoonrillError where the event file or the calendar
/// file cannot be written.
SaveOutcome SaveList(EventState &state, const std::string &eventFile, const SyncSettings &settings);
