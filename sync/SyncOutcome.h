// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarWriter.h"

#include <QMetaType>
#include <QString>

#include <string>
#include <vector>

// moc cannot parse the C++20 standard headers the event model uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "Message.h"
#include "SyncPlan.h"
#endif

/// How a sync ended.
struct SyncOutcome
{
    WriteReport report; // what was sent
    int takenNew = 0;
    int takenChanged = 0;
    int takenRemoved = 0;
    std::vector<std::string> takenNames; // the events the list took, added, changed or removed
    std::vector<std::string> keptTwice;  // events changed on both sides: both versions kept
    std::vector<UnheldObject> unheld;    // objects the list cannot hold
    size_t serverEmptied = 0;            // removals held back for the user's word
    size_t listEmptied = 0;
    size_t emptiedLeft = 0; // what the emptied side still holds: none, or a few
    int requests = 0;
    /// What the server changed waits for the list's next save (which syncs again): the list
    /// changed while the sync ran.
    bool deferred = false;
    /// Why the sync could not be made (no password, the state file unreadable, another sync
    /// of the list under way, the server not answering); empty when it was.
    Message trouble;

    /// Whether both sides hold the same events.
    [[nodiscard]] bool complete() const
    {
        return trouble.empty() && !deferred && report.complete() && unheld.empty() &&
               serverEmptied == 0 && listEmptied == 0;
    }
    /// "Sent: N new, M changed, K removed; taken: …".
    [[nodiscard]] Message SummaryMessage() const;
    /// The same, in `words`.
    [[nodiscard]] std::string Summary(const Words &words = AsIs) const;
    /// What the list took, kept twice or could not hold, by name, for the window to say once;
    /// empty when there is nothing of that.
    [[nodiscard]] std::string News(const Words &words = AsIs) const;
    /// What kept it from being complete, and what the user must hear of (versions kept twice).
    [[nodiscard]] std::vector<Message> ProblemMessages() const;
    /// The same, a line each, in `words`.
    [[nodiscard]] std::vector<std::string> Problems(const Words &words = AsIs) const;
};
Q_DECLARE_METATYPE(SyncOutcome)
