// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class EventState;
struct clsEvent;

/// The text of one event: description, date (with its time where it has one) and type, one
/// blank between, no line end.
[[nodiscard]] std::string EventClipboardText(const clsEvent &event);

/// Every row in display order: description, date (and time), the padded day count and type, one
/// blank between, each line closed by CR LF.
[[nodiscard]] std::string AllEventsClipboardText(const EventState &state);
