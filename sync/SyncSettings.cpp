// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncSettings.h"

#include "AtomicFile.h"
#include "BusCheck.h"
#include "CalendarExport.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "SyncConfig.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const QString KeyringService = QStringLiteral("moonrill");

/// The keyring's name for the password: the user and the server.
QString keyOf(const QString &user, const QUrl &url)
{
    return user + QLatin1Char('@') + url.host();
}

/// What a keyring job that answered says: empty when it succeeded.
Message troubleOf(const QKeychain::Job &job)
{
    if (job.error() == QKeychain::NoError)
        return {};
    if (job.error() == QKeychain::NoBackendAvailable)
        return QT_TRANSLATE_NOOP("Messages", "No keyring service runs on this desktop");
    if (job.error() == QKeychain::EntryNotFound)
        return {QT_TRANSLATE_NOOP("Messages", "the keyring holds none for %1"),
                {job.key().toStdString()}};
    // The keyring's own words name objects on the bus, which tell a user nothing to do.
    if (job.error() == QKeychain::AccessDenied)
        return QT_TRANSLATE_NOOP("Messages", "the keyring is locked or refused");
    return QT_TRANSLATE_NOOP("Messages",
                             "the keyring is locked or has no collection to keep it in");
}

using KeyringAnswer = std::function<void(const QKeychain::Job *answered, const Message &trouble)>;

/// Starts `job` (the keyring answers over the session bus) and calls `done` once, in `context`'s
/// thread and only while `context` lives: with the job when it answers, or with none when it
/// has not within the bus's deadline. A keyring that owns its name and never answers so costs
/// seconds, not the run. The job itself outlives a deadline missed, because the keyring library
/// still holds it; it goes when it ends, or with the application.
void runKeyringJob(QKeychain::Job *job, QObject *context, KeyringAnswer done)
{
    job->setParent(QCoreApplication::instance());
    job->setAutoDelete(true);
    const auto settled = std::make_shared<bool>(false);
    const auto answer = std::make_shared<KeyringAnswer>(std::move(done));
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [settled, answer](QKeychain::Job *job) {
                         if (!std::exchange(*settled, true))
                             (*answer)(job, troubleOf(*job));
                     });
    QTimer::singleShot(BusDeadline, context, [settled, answer] {
        if (!std::exchange(*settled, true))
            (*answer)(nullptr, {QT_TRANSLATE_NOOP("Messages", "The keyring did not answer within "
                                                              "%1 seconds"),
                                {std::to_string(BusDeadline.count() / 1000)}});
    });
    job->start();
}

/// Runs `job` to its end, or to the deadline, in a local event loop; why it failed, empty when
/// it succeeded, and `read` the text it read.
Message finish(QKeychain::Job *job, QString *read = nullptr)
{
    QEventLoop loop;
    Message trouble;
    bool answered = false;
    runKeyringJob(job, &loop, [&](const QKeychain::Job *job, const Message &said) {
        trouble = said;
        if (job != nullptr && read != nullptr)
            *read = static_cast<const QKeychain::ReadPasswordJob *>(job)->textData();
        answered = true;
        loop.quit();
    });
    if (!answered)
        loop.exec();
    return trouble;
}

/// The password from the file MOONRILL_SYNC_PASSWORD_FILE names, where it is set.
std::optional<std::optional<QString>> passwordFromFile(Message &trouble)
{
    const char *path = std::getenv("MOONRILL_SYNC_PASSWORD_FILE");
    if (path == nullptr)
        return std::nullopt;
    struct stat info
    {
    };
    if (::stat(path, &info) != 0) {
        trouble = {QT_TRANSLATE_NOOP("Messages", "%1 cannot be read"), {path}};
        return std::optional<QString>();
    }
    // Only a regular file is opened: a FIFO would wait for a writer, a device never end.
    if (!S_ISREG(info.st_mode)) {
        trouble = Message::Verbatim(NotAFileText(path, info.st_mode, "a password file"));
        return std::optional<QString>();
    }
    if (info.st_uid != ::getuid() || (info.st_mode & 077) != 0) {
        trouble = {QT_TRANSLATE_NOOP("Messages", "%1 may be read by others: keep the password "
                                                 "in a file only you can read (chmod 600)"),
                   {path}};
        return std::optional<QString>();
    }
    try {
        const std::string text =
            ReadWholeFile(path, {.noun = "a password file", .maxBytes = 4096}).value_or("");
        return std::optional<QString>(
            QString::fromStdString(text.substr(0, text.find_first_of("\r\n"))));
    } catch (const MoonrillError &error) {
        // Swapped for something else since the look, or unreadable: said, never thrown into a
        // save that has already written the list.
        trouble = Message::Verbatim(error.what());
        return std::optional<QString>();
    }
}

} // namespace

SaveRoads SyncSettings::Roads() const
{
    return {.keepUids = !calendar.isEmpty(),
            .calendarFile = calendarFile.toStdString(),
            .uids = [](const std::vector<clsEvent> &events) { return CalendarUids(events); },
            .calendarText =
                [](const std::vector<clsEvent> &events) {
                    return CalendarText(events, MoonrillProductId(), std::time(nullptr));
                }};
}

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

std::optional<QString> ReadSyncPassword(const QString &user, const QUrl &url, Message &trouble)
{
    if (std::optional<std::optional<QString>> fromFile = passwordFromFile(trouble))
        return *fromFile;
    auto *job = new QKeychain::ReadPasswordJob(KeyringService);
    job->setKey(keyOf(user, url));
    QString password;
    trouble = finish(job, &password);
    if (!trouble.empty())
        return std::nullopt;
    return password;
}

void ReadSyncPasswordLater(const QString &user, const QUrl &url, QObject *context,
                           std::function<void(std::optional<QString>, const Message &)> done)
{
    Message trouble;
    if (std::optional<std::optional<QString>> fromFile = passwordFromFile(trouble)) {
        done(*fromFile, trouble);
        return;
    }
    auto *job = new QKeychain::ReadPasswordJob(KeyringService);
    job->setKey(keyOf(user, url));
    runKeyringJob(
        job, context, [done = std::move(done)](const QKeychain::Job *job, const Message &trouble) {
            if (job == nullptr || !trouble.empty())
                done(std::nullopt, trouble);
            else
                done(static_cast<const QKeychain::ReadPasswordJob *>(job)->textData(), {});
        });
}

bool StoreSyncPassword(const QString &user, const QUrl &url, const QString &password,
                       Message &trouble)
{
    auto *job = new QKeychain::WritePasswordJob(KeyringService);
    job->setKey(keyOf(user, url));
    job->setTextData(password);
    trouble = finish(job);
    return trouble.empty();
}
