// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventFile.h"
#include "EventLine.h"

#include <string>

/// An event as a test writes it, its notice period written as a save writes it.
inline WrittenEvent TestEvent(std::string description, Date date, std::string occurs = "Once",
                              int16_t period = 3, std::string email = {}, int birthYear = 0)
{
    return Written(clsEvent{.Id = {},
                            .Description = std::move(description),
                            .StartingOn = date,
                            .Occurs = std::move(occurs),
                            .Period = period,
                            .Email = std::move(email),
                            .BirthYear = static_cast<int16_t>(birthYear),
                            .Options = {}});
}

/// An event missed on `on`, as a test writes it: a Birthday where it has a year, unless another
/// type is given.
inline MissedEvent TestMissed(std::string description, Date on, std::string email = {},
                              int birthYear = 0, std::string occurs = {})
{
    if (occurs.empty())
        occurs = birthYear > 0 ? "Birthday" : "Once";
    return MissedEvent{.event = TestEvent(std::move(description), on, std::move(occurs), 0,
                                          std::move(email), birthYear)
                                    .event,
                       .on = on};
}
