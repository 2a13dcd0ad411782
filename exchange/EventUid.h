// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An event's UID before any calendar gave it one: plain code of its own, so that the list's
// sync edits name events without the calendar library.

#include "clsEvent.h"

#include <string>

/// The UID of an event never exported: "moonrill-" and a hash of its description, type, e-mail and
/// year of birth, then "-" and a count for each event before it in the list that has the same ones
/// (so twins get UIDs of their own). The date is left out: it moves on as the event comes round.
[[nodiscard]] std::string EventUid(const clsEvent &event, int twinsBefore);

/// What twins share: the description, type, e-mail and year of birth, as one text.
[[nodiscard]] std::string EventIdentity(const clsEvent &event);
