// SPDX-License-Identifier: GPL-3.0-or-later
#include "DueNotification.h"

#include "Conversions.h"
#include "TextScreens.h"

#include <algorithm>

DueNotification DueNotificationOf(const std::vector<ScanRow> &rows, const Words &words)
{
    DueNotification notification;
    // English says one event and two events; each text carries every form a language needs.
    // What fell due unseen is counted apart: it is no longer upcoming.
    const int missed = static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const ScanRow &row) { return row.Missed; }));
    const int count = static_cast<int>(rows.size()) - missed;
    notification.summary =
        count == 1 ? words(QT_TRANSLATE_N_NOOP("Messages", "Moonrill: %n upcoming event"), count)
                   : words(QT_TRANSLATE_N_NOOP("Messages", "Moonrill: %n upcoming events"), count);
    if (missed > 0 && count == 0)
        notification.summary =
            missed == 1
                ? words(QT_TRANSLATE_N_NOOP("Messages", "Moonrill: %n missed event"), missed)
                : words(QT_TRANSLATE_N_NOOP("Messages", "Moonrill: %n missed events"), missed);
    else if (missed > 0)
        notification.summary += words(QT_TRANSLATE_N_NOOP("Messages", ", %n missed"), missed);
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
