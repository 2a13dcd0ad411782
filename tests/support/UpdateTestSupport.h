#pragma once

// What the update dialog's tests share: a real HTTP server on loopback that the dialog reads
// its pages from, and a folder to save archives in.

#include "LoopbackHttpServer.h"
#include "frmLiveUpdate.h"
#include "modGetInternetFile.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

/// A test class derives from it and calls startServer() in its init slot and stopServer() in
/// its cleanup slot.
class UpdateServerFixture : public QObject
{
protected:
    std::unique_ptr<LoopbackHttpServer> server;
    std::unique_ptr<QTemporaryDir> target;

    void startServer()
    {
        server = std::make_unique<LoopbackHttpServer>();
        target = std::make_unique<QTemporaryDir>();
        qputenv("MOONRILL_UPDATE_URL", server->folder().toUtf8());
        InternetTransfer::SetTransferTimeout(60000);
    }
    void stopServer()
    {
        qunsetenv("MOONRILL_UPDATE_URL");
        server.reset();
    }
    static QPushButton *button(frmLiveUpdate &dialog)
    {
        return dialog.findChild<QPushButton *>(QStringLiteral("Command1"));
    }
};
