#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string_view>

class QNetworkReply;

/// The HTTP transfer: one fetch at a time, waited for while the window goes on processing its
/// events (timers tick, the user can close it), and cancellable.
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

    /// Fetches `url` and hands its body to `sink` as it arrives, so that no more than one piece
    /// is ever held, whatever the server sends. Throws a MoonrillError: TimedOut when no byte
    /// arrives for the transfer time-out, Cancelled when cancelled, TooLarge when the body is (or
    /// is announced as) longer than `maxBytes`, HttpStatus + the status for an HTTP error
    /// status, NetworkFailure for anything else the network does; and whatever `sink` threw.
    void Fetch(const QString &url, qint64 maxBytes, const Sink &sink);
    /// The same, collecting the body in memory: for short pages only.
    QByteArray Fetch(const QString &url, qint64 maxBytes);
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

/// Fetches `url` and saves its body in `folder` under the name after the address's last "/".
/// The body is written to a temporary file beside the target as it arrives, and renamed into
/// place as a new file only when complete: a failed, cancelled or refused (over
/// MaxArchiveBytes) download leaves no partial file, and whatever had the name before (a
/// symbolic link included) is replaced, never written through. Returns false when a transfer is
/// still running; throws as InternetTransfer::Fetch and when the file cannot be written.
bool GetInternetFile(InternetTransfer &transfer, const QString &url, const QString &folder);
