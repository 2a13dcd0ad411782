// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"
#include "EventOptions.h"

#include <cstdint>
#include <string>

/// One event in memory: a plain record that stores what it is given and checks nothing.
/// A new record has empty texts, the zero date value, a notice period of 0 and no year of birth.
struct clsEvent
{
    std::string Id;          // "ID" + the counter value at insertion; the key of its list row
    std::string Description; // never contains "$$", never ends with "$" (the editor sees to it)
    Date StartingOn;         // always the next occurrence once loaded or inserted
    std::string Occurs;      // the type text exactly as stored ("Weekly", "Every 3th week", ...)
    int16_t Period = 0;      // notice period in days
    std::string Email;       // empty when none was given; never contains "$"
    int16_t BirthYear = 0;   // a Birthday's year of birth, a yearly event's first; 0: unknown
    EventOptions Options{};  // the day it is meant for, its calendar UID, values kept for others

    friend bool operator==(const clsEvent &, const clsEvent &) = default;
};
