// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A calendar server of Debian's for the windows' tests, and the password they give it.

#include "GuiTestSupport.h"
#include "ScopedEnv.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

/// Radicale, the CalDAV/CardDAV server from Debian, on a free loopback port with a store of its
/// own and the plain user ann:secret, for as long as the object lives.
class Radicale
{
public:
    Radicale()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        m_port = probe.serverPort();
        probe.close();
        writeFile(m_folder.filePath(QStringLiteral("users")), "ann:secret\n");
        m_server.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral("-m"), QStringLiteral("radicale"),
                        QStringLiteral("--config"), QString(), QStringLiteral("--server-hosts"),
                        QStringLiteral("127.0.0.1:%1").arg(m_port), QStringLiteral("--auth-type"),
                        QStringLiteral("htpasswd"), QStringLiteral("--auth-htpasswd-filename"),
                        m_folder.filePath(QStringLiteral("users")),
                        QStringLiteral("--auth-htpasswd-encryption"), QStringLiteral("plain"),
                        QStringLiteral("--storage-filesystem-folder"),
                        m_folder.filePath(QStringLiteral("store"))});
        m_server.waitForStarted(5000);
        for (int i = 0; i < 50 && m_server.state() == QProcess::Running; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if ((m_running = socket.waitForConnected(100)))
                break;
            QTest::qWait(100);
        }
    }
    ~Radicale()
    {
        m_server.kill();
        m_server.waitForFinished();
    }
    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/ann/%2").arg(m_port).arg(path));
    }
    /// Sends one request as ann; its HTTP status.
    int send(const QByteArray &method, const QUrl &url, const QByteArray &body)
    {
        QNetworkRequest request(url);
        request.setRawHeader("Authorization", "Basic " + QByteArray("ann:secret").toBase64());
        QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
        QSignalSpy done(reply, &QNetworkReply::finished);
        done.wait(5000);
        reply->deleteLater();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    QNetworkAccessManager m_network;
    quint16 m_port = 0;
    bool m_running = false;
};

/// ann's password in a private file in `folder`, for the sync to read as long as it lives.
inline ScopedEnv privatePassword(const QTemporaryDir &folder)
{
    const QString password = folder.filePath(QStringLiteral("password"));
    writeFile(password, "secret\n");
    QFile(password).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return ScopedEnv("MOONRILL_SYNC_PASSWORD_FILE", password.toStdString());
}
