// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Message.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include "SaveRoads.h"

#include <functional>
#include <optional>
#include <string>

/// Where the events are synced and the birthdays read (sync.conf, read and written through
/// ReadSyncConfig and WriteSyncConfig), as the network layer takes them.
struct SyncSettings
{
    QUrl calendar;
    QUrl addressBook;
    QString user;
    QString calendarFile;

    /// Where a save sends the list besides its file: UIDs kept while a calendar is synced, and
    /// the calendar file kept up to date.
    [[nodiscard]] SaveRoads Roads() const;

    /// The settings kept; none, with `trouble` where given saying why, where the file cannot
    /// be read.
    [[nodiscard]] static SyncSettings Read(std::string *trouble = nullptr);
    /// Writes the file atomically, private to the user; throws a MoonrillError naming it when
    /// it cannot (or when a value could not be read back as it is).
    void Write() const;
};

/// The password for `user` at `url`: from the file MOONRILL_SYNC_PASSWORD_FILE names where that
/// is set (refused unless only the user may read it), otherwise from the desktop's keyring.
/// No value, with `trouble` saying why, where there is none.
[[nodiscard]] std::optional<QString> ReadSyncPassword(const QString &user, const QUrl &url,
                                                      Message &trouble);
/// ReadSyncPassword without waiting: `done` is called once, in `context`'s thread while it
/// lives, with the password or none and why; within seconds also where the keyring is mute.
void ReadSyncPasswordLater(const QString &user, const QUrl &url, QObject *context,
                           std::function<void(std::optional<QString>, const Message &)> done);
/// Keeps the password in the desktop's keyring; false, with `trouble` saying why, where no
/// keyring takes it.
[[nodiscard]] bool StoreSyncPassword(const QString &user, const QUrl &url, const QString &password,
                                     Message &trouble);
