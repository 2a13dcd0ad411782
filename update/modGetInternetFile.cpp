#include "modGetInternetFile.h"

#include "AtomicFile.h"
#include "MoonrillError.h"
#include "Paths.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

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

QByteArray InternetTransfer::Fetch(const QString &url)
{
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(transferTimeout());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_network.get(request);
    m_reply = reply;
    QEventLoop wait;
    connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    wait.exec();
    m_reply.clear();
    reply->deleteLater();

    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::OperationCanceledError) {
        // A transfer time-out shows as a cancel by Qt; a cancel of ours has set no time-out.
        if (reply->property("cancelledByUs").toBool())
            throw MoonrillError(MoonrillError::Cancelled, "Cancelled");
        throw MoonrillError(TimedOut, "Operation timed out");
    }
    if (error == QNetworkReply::TimeoutError)
        throw MoonrillError(TimedOut, "Operation timed out");
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        throw MoonrillError(HttpStatusBase + status, "HTTP status " + std::to_string(status));
    if (error != QNetworkReply::NoError)
        throw MoonrillError(int(error), reply->errorString().toStdString());
    return reply->readAll();
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
    const QByteArray body = transfer.Fetch(url);
    const QString name = url.mid(url.lastIndexOf(QLatin1Char('/')) + 1);
    WriteFileAtomically(JoinPath(folder.toStdString(), name.toStdString()), body.toStdString());
    return true;
}
