// The update check against a misbehaving server on loopback: pages and archives that never
// end, archives larger than any update, links under the archive's name, a disk that refuses
// the file. Memory must stay flat and every road must end in a message, never in a crash.

#include "MainWindowTestSupport.h"

#include "FileSizeLimit.h"
#include "MoonrillError.h"
#include "UpdateTestSupport.h"
#include "frmLiveUpdate.h"
#include "modGetInternetFile.h"

#include <QDir>
#include <QFileDialog>
#include <QTcpServer>

#include <sys/resource.h>

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

class DownloadLimitsTest : public UpdateServerFixture
{
    Q_OBJECT

private:
    std::unique_ptr<ModalScript<QFileDialog>> saveHere()
    {
        return std::make_unique<ModalScript<QFileDialog>>(
            std::vector<std::function<void(QFileDialog &)>>{[this](QFileDialog &dialog) {
                dialog.selectFile(target->filePath(u"update.zip"_s));
                static_cast<QDialog &>(dialog).accept();
            }});
    }
    void offerVersion(const char *version, LoopbackHttpServer::Route archive)
    {
        server->routes[u"/updates/mrversion.html"_s] = {200, version};
        const QString name =
            u"/updates/Moonrill%1.zip"_s.arg(QString::fromLatin1(version).remove(QLatin1Char('.')));
        server->routes[name] = std::move(archive);
    }

private slots:
    void init() { startServer(); }
    void cleanup() { stopServer(); }

    void anEndlessVersionPageFails()
    {
        server->routes[u"/updates/mrversion.html"_s] = {200, "2.0.0\n<html>",
                                                        LoopbackHttpServer::Mode::Endless};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        const long before = peakMegabytes();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers.texts(), QStringList(UpdateFailed));
        QVERIFY(dialog.isVisible());
        QVERIFY(button(dialog)->isEnabled());
        QVERIFY2(peakMegabytes() - before < 32, qPrintable(QString::number(peakMegabytes())));
    }

    void anEndlessArchiveIsRefusedWithFlatMemory()
    {
        // No length is announced: the body is taken up to the largest update there can be.
        offerVersion("2.0.0", {200, QByteArray(1024, 'z'), LoopbackHttpServer::Mode::Endless});
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveHere();
        const long before = peakMegabytes();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_VERIFY(script->done());
        QTRY_COMPARE_WITH_TIMEOUT(answers.texts(), QStringList(UpdateFailed), 60000);
        const long grown = peakMegabytes() - before;
        qInfo("peak memory grew by %ld MB while %lld MB arrived", grown,
              server->streamed / (1024 * 1024));
        QVERIFY(server->streamed > MaxArchiveBytes);
        QVERIFY2(grown < 64, qPrintable(QString::number(grown)));
        // The partial file is gone.
        QVERIFY(QDir(target->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void anAnnouncedHugeArchiveIsRefusedAtOnce()
    {
        offerVersion("2.0.0", {200, QByteArray(1024, 'z'), LoopbackHttpServer::Mode::Endless,
                               MaxArchiveBytes + 1});
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveHere();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers.texts(), QStringList(UpdateFailed));
        QVERIFY2(clock.elapsed() < 5000, "the whole body was read first");
        QVERIFY(QDir(target->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void aLinkUnderTheArchivesNameIsReplacedNotFollowed()
    {
        const QByteArray archive(5000, 'a');
        offerVersion("2.0.0", {200, archive});
        QTemporaryDir elsewhere;
        const QString precious = elsewhere.filePath(u"precious"_s);
        {
            QFile file(precious);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        const QString name = target->filePath(u"Moonrill200.zip"_s);
        QVERIFY(QFile::link(precious, name));
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveHere();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_VERIFY(!dialog.isVisible());
        QVERIFY(answers.shown.empty());
        QVERIFY(!QFileInfo(name).isSymLink());
        QFile saved(name);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), archive);
        QFile kept(precious);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), "keep me"_ba);
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
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveHere();
        {
            const FileSizeLimit limit(100000);
            QTest::mouseClick(button(dialog), Qt::LeftButton);
            QTRY_COMPARE(answers.shown.size(), size_t{1});
        }
        QVERIFY2(answers.texts()[0].startsWith(u"Your action caused an error: Cannot write "_s),
                 qPrintable(answers.texts()[0]));
        QVERIFY(answers.texts()[0].contains(u"File too large"_s));
        QVERIFY(QDir(target->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

QTEST_MAIN(DownloadLimitsTest)
#include "DownloadLimitsTest.moc"
