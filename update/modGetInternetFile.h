// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MoonrillError.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string_view>

class QNetworkReply;

/// The HTTP transfer: one fetch at a time, running in the event loop while the caller goes on,
/// and cancellable.
class InternetTransfer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InternetTransfer)

public:
    explicit InternetTransfer(QObject *parent = nullptr);
    ~InternetTransfer() override;

    /// True only while a fetch runs.
    [[nodiscard]] bool StillExecuting() const { return !m_reply.isNull(); }

    /// What receives a body piece by piece as it arrives; it may throw, which ends the fetch.
    using Sink = std::function<void(std::string_view piece)>;
    /// What is told once how a fetch ended: no value when the whole body arrived.
    using Done = std::function<void(const std::optional<MoonrillError> &failure)>;

    /// Starts fetching `url` and returns at once. The body goes to `sink` as it arrives, so that
    /// no more than one piece is ever held, whatever the server sends. When the fetch ends,
    /// `done` is told: TimedOut when no byte arrived for the transfer time-out, Cancelled after
    /// Cancel, TooLarge when the body is (or is announced as) longer than `maxBytes`, HttpStatus
    /// + the status for an HTTP error status, NetworkFailure for anything else the network
    /// does, or what `sink` threw. Nothing is told once this object is gone.
    void Start(const QString &url, qint64 maxBytes, Sink sink, Done done);
    void Cancel();

    /// The time without any byte arriving after which a fetch fails (60 s; tests shorten it).
    static void SetTransferTimeout(int milliseconds);

private:
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
};

/// The longest version page read, and the largest update archive taken.
inline constexpr qint64 MaxPageBytes = qint64{64} * 1024;
inline constexpr qint64 MaxArchiveBytes = qint64{256} * 1024 * 1024;

/// Starts fetching `url` into `folder`, under the name after the address's last "/". The body
/// is written to a temporary file beside the target as it arrives, and renamed into place as a
/// new file only when complete: a failed, cancelled or refused (over MaxArchiveBytes) download
/// leaves no partial file, and whatever had the name before (a symbolic link included) is
/// replaced, never written through. `done` is told as by InternetTransfer::Start, and also when
/// the file cannot be written. Throws a MoonrillError when the file cannot be made at all.
void GetInternetFile(InternetTransfer &transfer, const QString &url, const QString &folder,
                     InternetTransfer::Done done);
