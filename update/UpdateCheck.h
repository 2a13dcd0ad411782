// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MoonrillError.h"

#include <QObject>
#include <QString>

#include <string>
#include <string_view>

class InternetTransfer;

/// What the user is told when the version page or the archive is not what was asked for.
inline constexpr std::string_view UpdateFailedText =
    QT_TRANSLATE_NOOP("Messages", "Update failed! Please try again some other time, and make sure "
                                  "you are connected to Internet.");

/// The update check without its window: reads the maker's version page, compares it with the
/// running version and, when asked, downloads the archive it names. It runs in the event loop
/// and tells how each step ended by a signal; a window only reacts.
class UpdateCheck final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateCheck)

public:
    /// `folder` is the maker's folder, ending in "/"; `currentVersion` the running version.
    UpdateCheck(QString folder, std::string currentVersion, QObject *parent = nullptr);
    ~UpdateCheck() override;

    /// Reads the version page; ends in noUpdate, updateAvailable or failed.
    void Check();
    /// Downloads the archive the page named into `targetFolder`; ends in downloaded or failed.
    void Download(const QString &targetFolder);
    /// Stops what runs; no signal follows.
    void Cancel();
    /// Whether a transfer runs.
    [[nodiscard]] bool Running() const;
    /// The archive the page named, once updateAvailable has said so ("Moonrill110.zip").
    [[nodiscard]] QString Archive() const { return QString::fromStdString(m_archive); }

signals:
    void runningChanged(bool running);
    void noUpdate();
    /// `version` is the first line of the page: the newer version.
    void updateAvailable(const QString &version);
    void downloaded();
    /// UpdateFailed (with UpdateFailedText) for a page that is no version, an HTTP error
    /// status or an answer over its limit; the transfer's own errors otherwise.
    void failed(const MoonrillError &error);

private:
    /// Tells how a transfer ended: `onSuccess` when it completed, failed otherwise.
    void finish(const std::optional<MoonrillError> &failure, void (UpdateCheck::*onSuccess)());
    void pageRead();

    QString m_folder;
    std::string m_currentVersion;
    InternetTransfer *m_transfer;
    QByteArray m_page;
    std::string m_archive;
};
