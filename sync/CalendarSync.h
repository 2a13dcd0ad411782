// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SyncJob.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// moc cannot parse the C++20 standard headers the event model uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "clsEvent.h"
#endif

/// The main window's sync with the calendar set in sync.conf: after every save and at the
/// start, in the background of the event loop. It says nothing in message boxes: what the last
/// sync did is its Status(), what the list took is news() for the window to say once, and a
/// failure is kept for the next start to say once.
/// The longest one sync of the window may take, however its server answers.
inline constexpr std::chrono::minutes WindowSyncLimit{3};

class CalendarSync : public QObject
{
    Q_OBJECT

public:
    /// What it says is said in `words`: the user's language where a window holds it.
    explicit CalendarSync(Words words = AsIs);
    /// Where what the server gave goes: the window's list.
    void SetApply(ApplyTaken apply) { m_apply = std::move(apply); }
    /// Syncs `events`, the list as saved to `eventFile`, where a calendar is set, a side
    /// emptied dealt with as `emptied` says. While a sync is under way, the list is kept and
    /// synced again once it ends.
    void Sync(const std::vector<clsEvent> &events, const std::string &eventFile,
              EmptiedSide emptied = EmptiedSide::Ask);
    /// What the last sync did, or why it could not; empty before any.
    [[nodiscard]] const QString &Status() const { return m_status; }
    /// Whether the last sync failed, in part or whole.
    [[nodiscard]] bool Failed() const { return m_failed; }
    /// A password the user gave for this run only (no keyring took it).
    void SetSessionPassword(const QString &password) { m_sessionPassword = password; }
    [[nodiscard]] bool HasSessionPassword() const { return m_sessionPassword.has_value(); }
    /// The password to use: the one for this run, or ReadSyncPassword's.
    [[nodiscard]] std::optional<QString> Password(const QString &user, const QUrl &url,
                                                  QString &trouble) const;

signals:
    void statusChanged(const QString &status);
    /// What the list took, kept twice or could not hold, by name.
    void news(const QString &news);
    /// One side lost all or nearly all of the events it held: `serverEmptied` or `listEmptied`
    /// of them, `left` of them still there.
    /// Nothing was done either way; the window asks, and syncs again as the user says.
    void emptied(qulonglong serverEmptied, qulonglong listEmptied, qulonglong left);

private:
    void finished(const SyncOutcome &outcome);
    void setStatus(const std::vector<Message> &status, bool failure);

    Words m_words;
    SyncJob m_job;
    std::optional<std::vector<clsEvent>> m_next;
    std::string m_nextFile;
    EmptiedSide m_nextEmptied = EmptiedSide::Ask;
    ApplyTaken m_apply;
    QString m_status;
    std::optional<QString> m_sessionPassword;
    bool m_failureKept = false;
    bool m_failed = false;
};

/// What the last run's syncing could not do, said once: the messages (an earlier version's
/// record is its text, verbatim), and the record removed.
[[nodiscard]] std::vector<Message> TakeSyncFailure();
/// Keeps `failure` for the next start to say in the user's language (private to the user);
/// throws a MoonrillError where it cannot.
void KeepSyncFailure(const std::vector<Message> &failure);
