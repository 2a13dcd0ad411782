// SPDX-License-Identifier: GPL-3.0-or-later
// The update check's dialog against a real HTTP server on loopback: no update, an update saved
// byte for byte, and every way it fails. The server also misbehaves: pages and archives that never
// end, archives larger than any update, links under the archive's name, a disk that refuses the
// file. Memory must stay flat and every road must end in a message, never in a crash.

#include "frmLiveUpdate.h"
#include "FileSizeLimit.h"
#include "GuiTestSupport.h"
#include "LoopbackHttpServer.h"
#include "MoonrillError.h"
#include "modGetInternetFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString UpdateFailed =
    u"Update failed! Please try again some other time, and make sure you are connected to "
    "Internet."_s;

/// The process's peak resident memory so far, in MB.
long peakMegabytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

class frmLiveUpdateTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LoopbackHttpServer> server;
    std::unique_ptr<QTemporaryDir> target; // where archives are saved
    std::unique_ptr<MessageAnswerer> answers;

    static QPushButton *button(frmLiveUpdate &dialog)
    {
        return dialog.findChild<QPushButton *>(u"Command1"_s);
    }
    static QString label(frmLiveUpdate &dialog)
    {
        return dialog.findChild<QLabel *>(u"Label1"_s)->text();
    }
    /// Offers `version`, and `archive` under the name the program asks for it by.
    void offerVersion(const char *version, LoopbackHttpServer::Route archive)
    {
        server->routes[u"/updates/mrversion.html"_s] = {200, version};
        const QString name =
            u"/updates/Moonrill%1.zip"_s.arg(QString::fromLatin1(version).remove(QLatin1Char('.')));
        server->routes[name] = std::move(archive);
    }
    /// Answers the save dialog with a file `name` in the target folder (nullptr: cancel).
    std::unique_ptr<ModalScript<QFileDialog>> saveAs(const char *name)
    {
        return std::make_unique<ModalScript<QFileDialog>>(
            std::vector<std::function<void(QFileDialog &)>>{[this, name](QFileDialog &dialog) {
                if (name == nullptr) {
                    dialog.reject();
                    return;
                }
                dialog.selectFile(target->filePath(QString::fromLatin1(name)));
                static_cast<QDialog &>(dialog).accept(); // QFileDialog::accept checks the name
            }});
    }
    /// Shows the dialog and presses Begin.
    static void begin(frmLiveUpdate &dialog)
    {
        dialog.show();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
    }
    QByteArray saved(const char *name) const
    {
        return readFile(target->filePath(QString::fromLatin1(name)));
    }

private slots:
    void init()
    {
        server = std::make_unique<LoopbackHttpServer>();
        target = std::make_unique<QTemporaryDir>();
        answers = std::make_unique<MessageAnswerer>();
        qputenv("MOONRILL_UPDATE_URL", server->folder().toUtf8());
        InternetTransfer::SetTransferTimeout(60000);
    }
    void cleanup()
    {
        qunsetenv("MOONRILL_UPDATE_URL");
        answers.reset();
        server.reset();
    }

    void anUpdateIsDownloadedByteForByte_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::newRow("no file yet") << QByteArray();
        QTest::newRow("larger old file") << QByteArray(5000, 'o');
        QTest::newRow("smaller old file") << "old"_ba;
    }
    void anUpdateIsDownloadedByteForByte()
    {
        QFETCH(QByteArray, existing);
        QByteArray archive;
        for (int i = 0; i < 3000; ++i)
            archive += char(i * 7);
        if (!existing.isEmpty())
            writeFile(target->filePath(u"Moonrill1100.zip"_s), existing);
        offerVersion("1.10.0", {200, archive});
        frmLiveUpdate dialog;
        auto script = saveAs("another name.zip");
        begin(dialog);
        QTRY_VERIFY(script->done());
        QTRY_VERIFY(!dialog.isVisible()); // closes without a message
        QCOMPARE(label(dialog), u"There is an update available: Version 1.10.0"_s);
        QVERIFY(answers->shown.empty());
        QCOMPARE(saved("Moonrill1100.zip"), archive);
        QVERIFY(!QFile::exists(target->filePath(u"another name.zip"_s)));
        QCOMPARE(QDir(target->path()).entryList(QDir::Files), QStringList(u"Moonrill1100.zip"_s));
    }

    // Every way a check ends that saves nothing: what it says, and whether the dialog stays.
    void everyRoadThatSavesNothing_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("mode");        // how the server sends the page
        QTest::addColumn<QString>("save");    // the name chosen in the save dialog; "-": cancelled
        QTest::addColumn<QString>("message"); // none: "There is no update available."
        QTest::addColumn<bool>("stays");
        const QString aborted = u"Update aborted"_s;
        QTest::newRow("same") << 200 << "1.0.0\r\n<html>..."_ba << 0 << QString() << QString()
                              << true;
        QTest::newRow("older") << 200 << "0.9.12\n"_ba << 0 << QString() << QString() << true;
        QTest::newRow("404") << 404 << "1.5.0"_ba << 0 << QString() << UpdateFailed << true;
        QTest::newRow("html error page")
            << 200 << "<html><body>Oops</body></html>"_ba << 0 << QString() << UpdateFailed << true;
        QTest::newRow("empty page")
            << 200 << QByteArray() << 0 << QString() << UpdateFailed << true;
        QTest::newRow("endless page")
            << 200 << "2.0.0\n<html>"_ba << int(LoopbackHttpServer::Mode::Endless) << QString()
            << UpdateFailed << true;
        QTest::newRow("no archive")
            << 200 << "2.0"_ba << 0 << u"Moonrill20.zip"_s << UpdateFailed << true;
        QTest::newRow("save cancelled") << 200 << "1.3.0"_ba << 0 << u"-"_s << aborted << false;
        QTest::newRow("silent server")
            << 200 << QByteArray() << int(LoopbackHttpServer::Mode::Silent) << QString()
            << u"Operation timed out. Please try again later"_s << false;
    }
    void everyRoadThatSavesNothing()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, page);
        QFETCH(int, mode);
        const bool silent = mode == int(LoopbackHttpServer::Mode::Silent);
        QFETCH(QString, save);
        QFETCH(QString, message);
        QFETCH(bool, stays);
        if (silent)
            InternetTransfer::SetTransferTimeout(300);
        server->routes[u"/updates/mrversion.html"_s] = {status, page,
                                                        LoopbackHttpServer::Mode(mode)};
        QWidget owner; // the main window
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        frmLiveUpdate dialog(&owner);
        QCOMPARE(label(dialog), u"Click Begin to Check For Update"_s);
        const QByteArray name = save.toLatin1();
        auto script =
            save.isEmpty() ? nullptr : saveAs(save == u"-"_s ? nullptr : name.constData());
        const long before = peakMegabytes();
        begin(dialog);
        if (message.isEmpty()) {
            QTRY_COMPARE(label(dialog), u"There is no update available."_s);
            QVERIFY(answers->shown.empty());
            QCOMPARE(server->requested, QStringList(u"/updates/mrversion.html"_s));
        } else {
            QTRY_COMPARE(answers->texts(), QStringList(message));
            QCOMPARE(answers->shown[0].icon, message == u"Update aborted"_s
                                                 ? QMessageBox::Information
                                                 : QMessageBox::Critical);
        }
        if (script)
            QVERIFY(script->done());
        QCOMPARE(dialog.isVisible(), stays);
        if (stays) {
            // The button has the keyboard again: Enter checks once more.
            QVERIFY(button(dialog)->isEnabled());
            QTRY_COMPARE(dialog.focusWidget(), static_cast<QWidget *>(button(dialog)));
            if (save.isEmpty()) {
                const qsizetype asked = server->requested.size();
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
                QTRY_VERIFY(server->requested.size() > asked);
                QTRY_VERIFY(button(dialog)->isEnabled()); // that check ended too
            }
        } else {
            QTRY_COMPARE(QApplication::activeWindow(), &owner); // the keyboard goes back
        }
        QVERIFY2(peakMegabytes() - before < 32, qPrintable(QString::number(peakMegabytes())));
        QVERIFY(QDir(target->path()).entryList(QDir::Files).isEmpty());
    }

    void closingDuringTheDownloadAbortsOnce()
    {
        offerVersion("1.3.0", {200, QByteArray(1000, 'z'), LoopbackHttpServer::Mode::PartBody});
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveAs("Moonrill130.zip");
        // Once the download runs, the user closes the window.
        QTimer closer;
        connect(&closer, &QTimer::timeout, &dialog, [&] {
            if (server->requested.size() == 2 &&
                dialog.findChild<QLabel *>(u"Panel1"_s)->text().contains(u"Getting"_s))
                dialog.close();
        });
        closer.start(20);
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers->texts(), QStringList(u"Update aborted"_s));
        QVERIFY(!dialog.isVisible());
        QVERIFY(QDir(target->path()).entryList(QDir::Files).isEmpty());
    }

    void anArchiveLargerThanAnyUpdateIsRefused_data()
    {
        QTest::addColumn<qint64>("announced");
        // Without a length the body is taken up to the largest update there can be, in flat
        // memory; an announced length over it is refused at once.
        QTest::newRow("endless") << qint64(-1);
        QTest::newRow("announced") << qint64(MaxArchiveBytes + 1);
    }
    void anArchiveLargerThanAnyUpdateIsRefused()
    {
        QFETCH(qint64, announced);
        offerVersion("2.0.0",
                     {200, QByteArray(1024, 'z'), LoopbackHttpServer::Mode::Endless, announced});
        frmLiveUpdate dialog;
        auto script = saveAs("update.zip");
        const long before = peakMegabytes();
        QElapsedTimer clock;
        clock.start();
        begin(dialog);
        QTRY_VERIFY(script->done());
        QTRY_COMPARE_WITH_TIMEOUT(answers->texts(), QStringList(UpdateFailed), 60000);
        const long grown = peakMegabytes() - before;
        qInfo("peak memory grew by %ld MB while %lld MB arrived", grown,
              server->streamed / (1024 * 1024));
        QVERIFY2(grown < 64, qPrintable(QString::number(grown)));
        if (announced < 0)
            QVERIFY(server->streamed > MaxArchiveBytes);
        else
            QVERIFY2(clock.elapsed() < 5000, "the whole body was read first");
        // The partial file is gone.
        QVERIFY(QDir(target->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void aLinkUnderTheArchivesNameIsReplacedNotFollowed()
    {
        const QByteArray archive(5000, 'a');
        offerVersion("2.0.0", {200, archive});
        QTemporaryDir elsewhere;
        const QString precious = elsewhere.filePath(u"precious"_s);
        writeFile(precious, "keep me");
        const QString name = target->filePath(u"Moonrill200.zip"_s);
        QVERIFY(QFile::link(precious, name));
        frmLiveUpdate dialog;
        auto script = saveAs("update.zip");
        begin(dialog);
        QTRY_VERIFY(!dialog.isVisible());
        QVERIFY(answers->shown.empty());
        QVERIFY(!QFileInfo(name).isSymLink());
        QCOMPARE(readFile(name), archive);
        QCOMPARE(readFile(precious), "keep me"_ba);
    }

    void networkFailuresHaveANumberOfTheirOwn()
    {
        // Nothing listens on this port: the toolkit's "connection refused" (its code 1) must
        // not be taken for one of our numbers.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        InternetTransfer transfer;
        std::optional<MoonrillError> told;
        transfer.Start(
            u"http://127.0.0.1:%1/x"_s.arg(port), 100, [](std::string_view) {},
            [&told](const std::optional<MoonrillError> &failure) {
                told = failure.value_or(MoonrillError(MoonrillError::Internal, "no error"));
            });
        QTRY_VERIFY(told.has_value());
        {
            const MoonrillError &error = *told;
            QCOMPARE(error.number(), MoonrillError::NetworkFailure);
            QVERIFY2(QByteArray(error.what()).contains("refused"), error.what());
        }
    }

    void aDiskThatRefusesTheArchiveIsReported()
    {
        // The write fails part-way; the dialog reports it and the program goes on.
        offerVersion("2.0.0", {200, QByteArray(1 << 20, 'a')});
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveAs("update.zip");
        {
            const FileSizeLimit limit(100000);
            QTest::mouseClick(button(dialog), Qt::LeftButton);
            QTRY_COMPARE(answers->shown.size(), size_t{1});
        }
        QVERIFY2(answers->texts()[0].startsWith(u"Your action caused an error: Cannot write "_s),
                 qPrintable(answers->texts()[0]));
        QVERIFY(answers->texts()[0].contains(u"File too large"_s));
        QVERIFY(QDir(target->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

QTEST_MAIN(frmLiveUpdateTest)
#include "frmLiveUpdateTest.moc"
