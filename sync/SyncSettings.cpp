// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncSettings.h"

#include "AtomicFile.h"
#include "FileRead.h"
#include "Paths.h"
#include "SyncConfig.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QSettings>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString KeyringService = QStringLiteral("moonrill");

/// The keyring's name for the password: the user and the server.
QString keyOf(const QString &user, const QUrl &url)
{
    return user + QLatin1Char('@') + url.host();
}

/// Runs a keyring job to its end in a local event loop (the keyring answers over the session
/// bus); its error text, empty when it succeeded.
QString finish(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() == QKeychain::NoError)
        return {};
    if (job.error() == QKeychain::NoBackendAvailable)
        return QCoreApplication::translate("SyncSettings",
                                           "No keyring service runs on this desktop");
    if (job.error() == QKeychain::EntryNotFound)
        return QCoreApplication::translate("SyncSettings", "the keyring holds none for %1")
            .arg(job.key());
    return QCoreApplication::translate("SyncSettings", "the keyring could not be read (%1)")
        .arg(job.errorString());
}

} // namespace

SyncSettings SyncSettings::Read()
{
    const QSettings file(QString::fromStdString(SyncConfigPath()), QSettings::IniFormat);
    return SyncSettings{QUrl(file.value(QStringLiteral("sync/calendar_url")).toString()),
                        QUrl(file.value(QStringLiteral("sync/addressbook_url")).toString()),
                        file.value(QStringLiteral("sync/user")).toString(),
                        file.value(QStringLiteral("sync/calendar_file")).toString()};
}

void SyncSettings::Write() const
{
    // Written as the INI file it is, by hand: QSettings would write it in place.
    const auto line = [](const char *key, const QString &value) {
        return std::string(key) + "=" + value.toStdString() + "\n";
    };
    const std::string text = "[sync]\n" + line("calendar_url", calendar.toString()) +
                             line("addressbook_url", addressBook.toString()) + line("user", user) +
                             line("calendar_file", calendarFile);
    MakeFolders(FolderOf(SyncConfigPath()));
    WriteFileAtomically(SyncConfigPath(), text);
}

std::optional<QString> ReadSyncPassword(const QString &user, const QUrl &url, QString &trouble)
{
    if (const char *path = std::getenv("MOONRILL_SYNC_PASSWORD_FILE")) {
        struct stat info
        {
        };
        if (::stat(path, &info) != 0) {
            trouble = QStringLiteral("%1 cannot be read").arg(QString::fromLocal8Bit(path));
            return std::nullopt;
        }
        if (info.st_uid != ::getuid() || (info.st_mode & 077) != 0) {
            trouble = QStringLiteral("%1 may be read by others: keep the password in a file only "
                                     "you can read (chmod 600)")
                          .arg(QString::fromLocal8Bit(path));
            return std::nullopt;
        }
        const std::string text =
            ReadWholeFile(path, {.noun = "a password file", .maxBytes = 4096}).value_or("");
        return QString::fromStdString(text.substr(0, text.find_first_of("\r\n")));
    }
    QKeychain::ReadPasswordJob job(KeyringService);
    job.setKey(keyOf(user, url));
    trouble = finish(job);
    if (!trouble.isEmpty())
        return std::nullopt;
    return job.textData();
}

bool StoreSyncPassword(const QString &user, const QUrl &url, const QString &password,
                       QString &trouble)
{
    QKeychain::WritePasswordJob job(KeyringService);
    job.setKey(keyOf(user, url));
    job.setTextData(password);
    trouble = finish(job);
    return trouble.isEmpty();
}
