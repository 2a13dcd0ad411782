// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventState.h"

#include <vector>

/// Every row of the list in display order.
inline std::vector<EventRow> AllRows(const EventState &state)
{
    std::vector<EventRow> rows;
    for (size_t i = 0; i < state.RowCount(); ++i)
        rows.push_back(state.Row(i));
    return rows;
}
