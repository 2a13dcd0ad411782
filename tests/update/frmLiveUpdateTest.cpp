#include "MainWindowTestSupport.h"

#include "UpdateTestSupport.h"
#include "frmLiveUpdate.h"
#include "modGetInternetFile.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>

class frmLiveUpdateTest : public UpdateServerFixture
{
    Q_OBJECT

private:
    static QString label(frmLiveUpdate &dialog)
    {
        return dialog.findChild<QLabel *>(QStringLiteral("Label1"))->text();
    }
    /// Answers the save dialog with a file `name` in the target folder (nullptr: cancel).
    std::unique_ptr<ModalScript<QFileDialog>> saveAs(const char *name)
    {
        return std::make_unique<ModalScript<QFileDialog>>(
            std::vector<std::function<void(QFileDialog &)>>{[this, name](QFileDialog &dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("Save update"));
                QCOMPARE(dialog.nameFilters(), QStringList(QStringLiteral("Zip files (*.zip)")));
                if (name == nullptr) {
                    dialog.reject();
                    return;
                }
                dialog.selectFile(target->filePath(QString::fromLatin1(name)));
                static_cast<QDialog &>(dialog).accept(); // QFileDialog::accept checks the name
            }});
    }
    QByteArray saved(const char *name) const
    {
        QFile file(target->filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void init() { startServer(); }
    void cleanup() { stopServer(); }

    void noUpdate_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("same") << QByteArray("1.0.0\r\n<html>...");
        QTest::newRow("older") << QByteArray("0.9.12\n");
        QTest::newRow("shorter and equal") << QByteArray("1.0");
    }
    void noUpdate()
    {
        QFETCH(QByteArray, page);
        server->routes[QStringLiteral("/updates/mrversion.html")] = {200, page};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Check For Update"));
        QCOMPARE(label(dialog), QStringLiteral("Click Begin to Check For Update"));
        dialog.show();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(label(dialog), QStringLiteral("There is no update available."));
        QVERIFY(button(dialog)->isEnabled());
        QVERIFY(answers.shown.empty());
        QCOMPARE(server->requested, QStringList(QStringLiteral("/updates/mrversion.html")));
    }

    void anUpdateIsDownloadedByteForByte_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::newRow("no file yet") << QByteArray();
        QTest::newRow("larger old file") << QByteArray(5000, 'o');
        QTest::newRow("smaller old file") << QByteArray("old");
    }
    void anUpdateIsDownloadedByteForByte()
    {
        QFETCH(QByteArray, existing);
        QByteArray archive;
        for (int i = 0; i < 3000; ++i)
            archive += char(i * 7);
        if (!existing.isEmpty()) {
            QFile old(target->filePath(QStringLiteral("Moonrill1100.zip")));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(existing);
        }
        server->routes[QStringLiteral("/updates/mrversion.html")] = {200, "1.10.0\n"};
        server->routes[QStringLiteral("/updates/Moonrill1100.zip")] = {200, archive};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveAs("another name.zip");
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_VERIFY(script->done());
        QTRY_VERIFY(!dialog.isVisible()); // closes without a message
        QCOMPARE(label(dialog), QStringLiteral("There is an update available: Version 1.10.0"));
        QVERIFY(answers.shown.empty());
        QCOMPARE(saved("Moonrill1100.zip"), archive);
        QVERIFY(!QFile::exists(target->filePath(QStringLiteral("another name.zip"))));
        QCOMPARE(QDir(target->path()).entryList(QDir::Files),
                 QStringList(QStringLiteral("Moonrill1100.zip")));
    }

    void failuresSayTheUpdateFailed_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("404") << 404 << QByteArray("1.5.0");
        QTest::newRow("500") << 500 << QByteArray("1.5.0");
        QTest::newRow("html error page") << 200 << QByteArray("<html><body>Oops</body></html>");
        QTest::newRow("empty page") << 200 << QByteArray();
    }
    void failuresSayTheUpdateFailed()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, page);
        server->routes[QStringLiteral("/updates/mrversion.html")] = {status, page};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers.texts(),
                     QStringList(QStringLiteral("Update failed! Please try again some other time, "
                                                "and make sure you are connected to Internet.")));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Critical);
        QVERIFY(button(dialog)->isEnabled());
        QVERIFY(dialog.isVisible());
    }

    void aMissingArchiveIsNotSaved()
    {
        server->routes[QStringLiteral("/updates/mrversion.html")] = {200, "2.0"};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveAs("Moonrill20.zip");
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_VERIFY(!answers.shown.empty());
        QCOMPARE(server->requested.last(), QStringLiteral("/updates/Moonrill20.zip"));
        QCOMPARE(answers.texts().last(),
                 QStringLiteral("Update failed! Please try again some other time, and make sure "
                                "you are connected to Internet."));
        QVERIFY(QDir(target->path()).entryList(QDir::Files).isEmpty());
    }

    void cancellingTheSaveDialogAborts()
    {
        server->routes[QStringLiteral("/updates/mrversion.html")] = {200, "1.3.0"};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveAs(nullptr);
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers.texts(), QStringList(QStringLiteral("Update aborted")));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Information);
        QVERIFY(!dialog.isVisible());
    }

    void aSilentServerTimesOut()
    {
        InternetTransfer::SetTransferTimeout(300);
        server->routes[QStringLiteral("/updates/mrversion.html")] = {
            200, {}, LoopbackHttpServer::Mode::Silent};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers.texts(),
                     QStringList(QStringLiteral("Operation timed out. Please try again later")));
        QVERIFY(!dialog.isVisible());
    }

    void closingDuringTheDownloadAbortsOnce()
    {
        server->routes[QStringLiteral("/updates/mrversion.html")] = {200, "1.3.0"};
        server->routes[QStringLiteral("/updates/Moonrill130.zip")] = {
            200, QByteArray(1000, 'z'), LoopbackHttpServer::Mode::PartBody};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveAs("Moonrill130.zip");
        // Once the download runs, the user closes the window.
        QTimer closer;
        connect(&closer, &QTimer::timeout, &dialog, [&] {
            if (server->requested.size() == 2 &&
                dialog.findChild<QLabel *>(QStringLiteral("Panel1"))
                    ->text()
                    .contains(QStringLiteral("Getting")))
                dialog.close();
        });
        closer.start(20);
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers.texts(), QStringList(QStringLiteral("Update aborted")));
        QVERIFY(!dialog.isVisible());
        QVERIFY(QDir(target->path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(frmLiveUpdateTest)
#include "frmLiveUpdateTest.moc"
