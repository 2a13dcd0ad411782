// SPDX-License-Identifier: GPL-3.0-or-later
#include "DueNotification.h"

#include "Conversions.h"
#include "TextScreens.h"

#include <algorithm>

DueNotification DueNotificationOf(const std::vector<ScanRow> &rows, const Words &words)
{
    DueNotification notification;
    // English says one event and two events; each text carries every form a language needs.
    const int count = static_cast<int>(rows.size());
    notification.summary =
        count == 1 ? words(QT_TRANSLATE_N_NOOP("Messages", "Moonrill: %n upcoming event"), count)
                   : words(QT_TRANSLATE_N_NOOP("Messages", "Moonrill: %n upcoming events"), count);
    // The birthdays of the day lead: they are what a glance at the notification is for.
    std::vector<const ScanRow *> order;
    order.reserve(rows.size());
    for (const ScanRow &row : rows)
        order.push_back(&row);
    std::stable_partition(order.begin(), order.end(), [](const ScanRow *row) {
        return row->Birthday && !row->Missed && row->SortKey == PaddedDayCount(0);
    });
    for (size_t i = 0; i < order.size() && i < MaxNotifiedRows; ++i) {
        if (i > 0)
            notification.body += '\n';
        notification.body += ScanRowText(*order[i], words);
    }
    if (order.size() > MaxNotifiedRows)
        notification.body += '\n' + words(QT_TRANSLATE_N_NOOP("Messages", "and %n more"),
                                          static_cast<int>(order.size() - MaxNotifiedRows));
    return notification;
}
