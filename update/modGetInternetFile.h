#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>

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

    /// Fetches `url` and returns its body. Throws a MoonrillError: 35761 when no byte arrives
    /// for the transfer time-out, 32755 when cancelled, 404/500-like HTTP statuses and network
    /// failures with their own numbers (HTTP statuses as 10000 + the status).
    QByteArray Fetch(const QString &url);
    void Cancel();

    /// The time without any byte arriving after which a fetch fails (60 s; tests shorten it).
    static void SetTransferTimeout(int milliseconds);

    static constexpr int TimedOut = 35761;
    static constexpr int HttpStatusBase = 10000;
    /// Whether an error number stands for an HTTP error status.
    [[nodiscard]] static constexpr bool IsHttpStatus(int number)
    {
        return number > HttpStatusBase && number < HttpStatusBase + 1000;
    }

private:
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
};

/// Fetches `url` and saves its body in `folder` under the name after the address's last "/".
/// The body goes to a temporary file beside the target, renamed into place only when complete,
/// so a failed or cancelled download leaves no partial file. Returns false when a transfer is
/// still running; throws as InternetTransfer::Fetch and when the file cannot be written.
bool GetInternetFile(InternetTransfer &transfer, const QString &url, const QString &folder);
