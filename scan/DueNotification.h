// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScanComputation.h"

#include <string>
#include <vector>

/// What a desktop notification of a scan says: a summary that counts the rows, and the rows as
/// the text output prints them, birthdays today first, at most MaxNotifiedRows of them and then
/// how many more there are. Plain text, one row a line, in `words` (the user's language where a
/// notification is shown; English as written otherwise).
struct DueNotification
{
    std::string summary;
    std::string body;
};

/// How many rows a notification lists; a longer list says "and N more".
inline constexpr size_t MaxNotifiedRows = 8;

[[nodiscard]] DueNotification DueNotificationOf(const std::vector<ScanRow> &rows,
                                                const Words &words = AsIs);
