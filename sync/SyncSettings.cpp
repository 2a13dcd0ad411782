// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncSettings.h"

#include "AtomicFile.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "SyncConfig.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString KeyringService = QStringLiteral("moonrill");
constexpr int KeyringSeconds = 3;

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
    bool answered = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&loop, &answered] {
        answered = true;
        loop.quit();
    });
    // A keyring that owns its name on the bus and never answers costs seconds, not the run.
    QTimer::singleShot(KeyringSeconds * 1000, &loop, &QEventLoop::quit);
    job.start();
    if (!answered)
        loop.exec();
    if (!answered)
        return QCoreApplication::translate("SyncSettings",
                                           "The keyring did not answer within %1 seconds")
            .arg(KeyringSeconds);
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

SyncSettings SyncSettings::Read(std::string *trouble)
{
    const SyncConfig config = ReadSyncConfig(trouble);
    const auto text = [](const std::string &value) { return QString::fromStdString(value); };
    return SyncSettings{QUrl(text(config.calendarUrl)), QUrl(text(config.addressBookUrl)),
                        text(config.user), text(config.calendarFile)};
}

void SyncSettings::Write() const
{
    WriteSyncConfig(SyncConfig{.calendarUrl = calendar.toString().toStdString(),
                               .addressBookUrl = addressBook.toString().toStdString(),
                               .user = user.toStdString(),
                               .calendarFile = calendarFile.toStdString()});
}

std::optional<QString> ReadSyncPassword(const QString &user, const QUrl &url, QString &trouble)
{
    if (const char *path = std::getenv("MOONRILL_SYNC_PASSWORD_FILE")) {
        struct stat info
        {
        };
        if (::stat(path, &info) != 0) {
            trouble = QCoreApplication::translate("SyncSettings", "%1 cannot be read")
                          .arg(QString::fromLocal8Bit(path));
            return std::nullopt;
        }
        // Only a regular file is opened: a FIFO would wait for a writer, a device never end.
        if (!S_ISREG(info.st_mode)) {
            trouble = QString::fromStdString(NotAFileText(path, info.st_mode, "a password file"));
            return std::nullopt;
        }
        if (info.st_uid != ::getuid() || (info.st_mode & 077) != 0) {
            trouble = QCoreApplication::translate("SyncSettings",
                                                  "%1 may be read by others: keep the password "
                                                  "in a file only you can read (chmod 600)")
                          .arg(QString::fromLocal8Bit(path));
            return std::nullopt;
        }
        try {
            const std::string text =
                ReadWholeFile(path, {.noun = "a password file", .maxBytes = 4096}).value_or("");
            return QString::fromStdString(text.substr(0, text.find_first_of("\r\n")));
        } catch (const MoonrillError &error) {
            // Swapped for something else since the look, or unreadable: said, never thrown
            // into a save that has already written the list.
            trouble = QString::fromStdString(error.what());
            return std::nullopt;
        }
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
