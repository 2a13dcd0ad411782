// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BirthYear.h"
#include "Conversions.h"
#include "EventLine.h"

#include <optional>
#include <string>

/// What the editor handed over, as the event line of its values ("-1" for none), so that a test
/// reads like the line the user would find in the file.
inline std::string HandedOver(const std::optional<WrittenEvent> &written)
{
    if (!written)
        return "-1";
    const clsEvent *event = &written->event;
    std::string line = "$$" + event->Description + "$$" + DateToText(event->StartingOn) + "$$" +
                       event->Occurs + "$$" + written->periodText + "$$" + event->Email;
    if (event->BirthYear > 0) {
        line += "$$";
        AppendBirthYearText(line, event->BirthYear);
    }
    return line;
}
