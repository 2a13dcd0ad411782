#include "modGetInternetFile.h"

#include "AtomicFile.h"
#include "MoonrillError.h"
#include "Paths.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <exception>

namespace {

/// How much of a body is read at a time.
constexpr qint64 PieceSize = qint64{64} * 1024;

int &transferTimeout()
{
    static int milliseconds = 60000;
    return milliseconds;
}

} // namespace

InternetTransfer::InternetTransfer(QObject *parent) : QObject(parent) {}

InternetTransfer::~InternetTransfer()
{
    Cancel();
}

void InternetTransfer::SetTransferTimeout(int milliseconds)
{
    transferTimeout() = milliseconds;
}

void InternetTransfer::Fetch(const QString &url, qint64 maxBytes, const Sink &sink)
{
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(transferTimeout());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_network.get(request);
    // Qt holds no more than this much of the body unread; the rest waits in the network.
    reply->setReadBufferSize(PieceSize);
    m_reply = reply;

    // Nothing may throw through the toolkit's event loop: what goes wrong while the body
    // arrives is kept, the transfer stopped, and the failure raised once the loop has ended.
    std::exception_ptr failure;
    bool tooLarge = false;
    qint64 received = 0;
    const auto stop = [&](bool large) {
        tooLarge = tooLarge || large;
        reply->abort();
    };
    const auto errorStatus = [reply] {
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400;
    };
    const auto drain = [&] {
        try {
            while (!failure && !tooLarge && reply->bytesAvailable() > 0) {
                const QByteArray piece = reply->read(PieceSize);
                received += piece.size();
                if (received > maxBytes)
                    return stop(true);
                // An error page is not the body asked for: it is read and dropped.
                if (!errorStatus())
                    sink(std::string_view(piece.constData(), size_t(piece.size())));
            }
        } catch (...) {
            failure = std::current_exception();
            stop(false);
        }
    };
    QEventLoop wait;
    connect(reply, &QNetworkReply::metaDataChanged, &wait, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes && !errorStatus())
            stop(true);
    });
    connect(reply, &QNetworkReply::readyRead, &wait, drain);
    connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    if (!reply->isFinished())
        wait.exec();
    drain();
    m_reply.clear();
    reply->deleteLater();

    if (failure)
        std::rethrow_exception(failure);
    if (tooLarge)
        throw MoonrillError(MoonrillError::TooLarge,
                            "The answer is larger than " + std::to_string(maxBytes) + " bytes");
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::OperationCanceledError) {
        // A transfer time-out shows as a cancel by Qt; a cancel of ours has set no time-out.
        if (reply->property("cancelledByUs").toBool())
            throw MoonrillError(MoonrillError::Cancelled, "Cancelled");
        throw MoonrillError(MoonrillError::TimedOut, "Operation timed out");
    }
    if (error == QNetworkReply::TimeoutError)
        throw MoonrillError(MoonrillError::TimedOut, "Operation timed out");
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        throw MoonrillError::httpStatus(status);
    // The toolkit's own codes are another number space (its SSL failure is 6, our overflow):
    // they never become numbers of ours; the description says what happened.
    if (error != QNetworkReply::NoError)
        throw MoonrillError(MoonrillError::NetworkFailure, reply->errorString().toStdString());
}

QByteArray InternetTransfer::Fetch(const QString &url, qint64 maxBytes)
{
    QByteArray body;
    Fetch(url, maxBytes,
          [&body](std::string_view piece) { body.append(piece.data(), qsizetype(piece.size())); });
    return body;
}

void InternetTransfer::Cancel()
{
    if (m_reply) {
        m_reply->setProperty("cancelledByUs", true);
        m_reply->abort();
    }
}

bool GetInternetFile(InternetTransfer &transfer, const QString &url, const QString &folder)
{
    if (transfer.StillExecuting())
        return false;
    const QString name = url.mid(url.lastIndexOf(QLatin1Char('/')) + 1);
    AtomicFileWriter file(JoinPath(folder.toStdString(), name.toStdString()),
                          WriteRules{.followLinks = false, .modeFrom = {}, .noun = "a file"});
    transfer.Fetch(url, MaxArchiveBytes, [&file](std::string_view piece) { file.Write(piece); });
    file.Commit();
    return true;
}
