// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipboardText.h"

#include "Conversions.h"
#include "EventState.h"
#include "Reminders.h"

std::string EventClipboardText(const clsEvent &event)
{
    return event.Description + " " + DateAndTimeText(event) + " " + event.Occurs;
}

std::string AllEventsClipboardText(const EventState &state)
{
    std::string text;
    for (size_t i = 0; i < state.RowCount(); ++i) {
        const EventRow row = state.Row(i);
        text += row.Text + " " + row.Date + (row.Time.empty() ? "" : " " + row.Time) + " " +
                row.When + " " + row.Type + "\r\n";
    }
    return text;
}
