// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

/// A small real HTTP server on 127.0.0.1 for the update tests: each path answers with a status
/// and a body, or stalls (sends nothing, or only part of the body), or streams its body over and
/// over without end (with or without a Content-Length that announces a larger one).
class LoopbackHttpServer : public QObject
{
public:
    enum class Mode
    {
        Answer,
        Silent,
        PartBody,
        Endless,
    };
    struct Route
    {
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Answer;
        qint64 announced = -1; // Endless: the Content-Length sent, or none
    };

    LoopbackHttpServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            }
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    [[nodiscard]] QString folder() const
    {
        return QStringLiteral("http://127.0.0.1:%1/updates/").arg(m_server.serverPort());
    }
    QMap<QString, Route> routes;
    QStringList requested;
    qint64 streamed = 0; // body bytes written by endless routes

private:
    void serve(QTcpSocket *socket)
    {
        QByteArray &buffer = m_pending[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> first = buffer.left(buffer.indexOf("\r\n")).split(' ');
        buffer.clear();
        const QString path = first.size() > 1 ? QString::fromLatin1(first[1]) : QString();
        requested << path;
        const Route route = routes.value(path, Route{404, "<html>Not found</html>", Mode::Answer});
        if (route.mode == Mode::Silent)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) +
                          " X\r\nContent-Type: application/octet-stream\r\n";
        if (route.mode == Mode::Endless) {
            if (route.announced >= 0)
                head += "Content-Length: " + QByteArray::number(route.announced) + "\r\n";
            socket->write(head + "\r\n");
            // More is written only as the client takes it, so the server's memory stays flat.
            const QByteArray piece = route.body.repeated(64);
            const auto more = [this, socket, piece] {
                while (socket->bytesToWrite() < 4 * piece.size())
                    streamed += socket->write(piece);
            };
            connect(socket, &QTcpSocket::bytesWritten, this, more);
            more();
            return;
        }
        if (route.mode == Mode::PartBody) {
            socket->write(head + "Content-Length: " + QByteArray::number(route.body.size() * 10) +
                          "\r\n\r\n" + route.body);
            return;
        }
        socket->write(head + "Content-Length: " + QByteArray::number(route.body.size()) +
                      "\r\nConnection: close\r\n\r\n" + route.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QMap<QTcpSocket *, QByteArray> m_pending;
};
