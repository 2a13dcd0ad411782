// SPDX-License-Identifier: GPL-3.0-or-later
#include "modGetInternetFile.h"

#include "AtomicFile.h"
#include "MoonrillError.h"
#include "Paths.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <exception>
#include <memory>
#include <vector>

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
    // Nothing is told once this object is gone: the reply's signals go with it.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void InternetTransfer::SetTransferTimeout(int milliseconds)
{
    transferTimeout() = milliseconds;
}

namespace {

/// What a fetch in flight keeps between the reply's signals.
struct Flight
{
    qint64 maxBytes;
    InternetTransfer::Sink sink;
    qint64 received = 0;
    bool tooLarge = false;
    std::vector<char> piece; // read into, again and again
    std::optional<MoonrillError> failure;
};

bool isErrorStatus(const QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400;
}

/// How the reply ended, for a flight that saw no failure of its own.
std::optional<MoonrillError> outcomeOf(const QNetworkReply *reply, const Flight &flight)
{
    if (flight.failure)
        return flight.failure;
    if (flight.tooLarge)
        return MoonrillError(MoonrillError::TooLarge, "The answer is larger than " +
                                                          std::to_string(flight.maxBytes) +
                                                          " bytes");
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::OperationCanceledError) {
        // A transfer time-out shows as a cancel by Qt; a cancel of ours has set no time-out.
        if (reply->property("cancelledByUs").toBool())
            return MoonrillError(MoonrillError::Cancelled, "Cancelled");
        return MoonrillError(MoonrillError::TimedOut, "Operation timed out");
    }
    if (error == QNetworkReply::TimeoutError)
        return MoonrillError(MoonrillError::TimedOut, "Operation timed out");
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        return MoonrillError::httpStatus(status);
    // The toolkit's own codes are another number space (its SSL failure is 6, our overflow):
    // they never become numbers of ours; the description says what happened.
    if (error != QNetworkReply::NoError)
        return MoonrillError(MoonrillError::NetworkFailure, reply->errorString().toStdString());
    return std::nullopt;
}

} // namespace

void InternetTransfer::Start(const QString &url, qint64 maxBytes, Sink sink, Done done)
{
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(transferTimeout());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_network.get(request);
    // Qt holds no more than this much of the body unread; the rest waits in the network.
    reply->setReadBufferSize(PieceSize);
    m_reply = reply;
    auto flight = std::make_shared<Flight>(Flight{
        maxBytes, std::move(sink), 0, false, std::vector<char>(size_t(PieceSize)), std::nullopt});

    // Nothing may throw through the toolkit's event loop: what goes wrong while the body
    // arrives is kept, the transfer stopped, and the failure told when the reply ends.
    const auto drain = [reply, flight] {
        try {
            while (!flight->failure && !flight->tooLarge && reply->bytesAvailable() > 0) {
                const qint64 got = reply->read(flight->piece.data(), PieceSize);
                if (got <= 0)
                    break;
                flight->received += got;
                if (flight->received > flight->maxBytes) {
                    flight->tooLarge = true;
                    reply->abort();
                    return;
                }
                // An error page is not the body asked for: it is read and dropped.
                if (!isErrorStatus(reply))
                    flight->sink(std::string_view(flight->piece.data(), size_t(got)));
            }
        } catch (const MoonrillError &error) {
            flight->failure = error;
            reply->abort();
        } catch (const std::exception &error) {
            flight->failure = MoonrillError(MoonrillError::Internal, error.what());
            reply->abort();
        }
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply, flight] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > flight->maxBytes && !isErrorStatus(reply)) {
            flight->tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, drain);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, flight, drain, done = std::move(done)] {
                drain();
                m_reply.clear();
                reply->deleteLater();
                done(outcomeOf(reply, *flight));
            });
}

void InternetTransfer::Cancel()
{
    if (m_reply) {
        m_reply->setProperty("cancelledByUs", true);
        m_reply->abort();
    }
}

void GetInternetFile(InternetTransfer &transfer, const QString &url, const QString &folder,
                     InternetTransfer::Done done)
{
    const QString name = url.mid(url.lastIndexOf(QLatin1Char('/')) + 1);
    // Shared by the sink and the end; emptied at the end, so that a failed download leaves no
    // temporary file behind at once.
    auto file =
        std::make_shared<std::unique_ptr<AtomicFileWriter>>(std::make_unique<AtomicFileWriter>(
            JoinPath(folder.toStdString(), name.toStdString()),
            WriteRules{.followLinks = false, .modeFrom = {}, .noun = "a file"}));
    transfer.Start(
        url, MaxArchiveBytes,
        [file](std::string_view piece) {
            if (*file)
                (*file)->Write(piece);
        },
        [file, done = std::move(done)](const std::optional<MoonrillError> &failure) {
            std::optional<MoonrillError> outcome = failure;
            if (!outcome) {
                try {
                    (*file)->Commit();
                } catch (const MoonrillError &error) {
                    outcome = error;
                }
            }
            file->reset();
            done(outcome);
        });
}
