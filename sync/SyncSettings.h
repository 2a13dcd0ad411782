// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

/// Where the events are published and the birthdays read: $XDG_CONFIG_HOME/moonrill/sync.conf,
/// an INI file with [sync] calendar_url, addressbook_url and user, and calendar_file, the
/// exported calendar file kept up to date at every save. The password is never in it.
struct SyncSettings
{
    QUrl calendar;
    QUrl addressBook;
    QString user;
    QString calendarFile;

    [[nodiscard]] static SyncSettings Read();
    /// Writes the file atomically; throws a MoonrillError naming it when it cannot.
    void Write() const;
};

/// The password for `user` at `url`: from the file MOONRILL_SYNC_PASSWORD_FILE names where that
/// is set (refused unless only the user may read it), otherwise from the desktop's keyring.
/// No value, with `trouble` saying why, where there is none.
[[nodiscard]] std::optional<QString> ReadSyncPassword(const QString &user, const QUrl &url,
                                                      QString &trouble);
/// Keeps the password in the desktop's keyring; false, with `trouble` saying why, where no
/// keyring takes it.
[[nodiscard]] bool StoreSyncPassword(const QString &user, const QUrl &url, const QString &password,
                                     QString &trouble);
