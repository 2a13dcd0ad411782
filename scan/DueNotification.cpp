// SPDX-License-Identifier: GPL-3.0-or-later
#include "DueNotification.h"

#include "Conversions.h"
#include "TextScreens.h"

#include <algorithm>

DueNotification DueNotificationOf(const std::vector<ScanRow> &rows)
{
    DueNotification notification;
    notification.summary = "Moonrill: " + IntToText(static_cast<long long>(rows.size())) +
                           (rows.size() == 1 ? " upcoming event" : " upcoming events");
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
        notification.body += ScanRowText(*order[i]);
    }
    if (order.size() > MaxNotifiedRows)
        notification.body +=
            "\nand " + IntToText(static_cast<long long>(order.size() - MaxNotifiedRows)) + " more";
    return notification;
}
