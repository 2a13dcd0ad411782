#include "MainWindowTestSupport.h"

#include "UpdateTestSupport.h"
#include "frmLiveUpdate.h"
#include "modGetInternetFile.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>

using namespace Qt::StringLiterals;

class frmLiveUpdateTest : public UpdateServerFixture
{
    Q_OBJECT

private:
    static QString label(frmLiveUpdate &dialog)
    {
        return dialog.findChild<QLabel *>(u"Label1"_s)->text();
    }
    /// Answers the save dialog with a file `name` in the target folder (nullptr: cancel).
    std::unique_ptr<ModalScript<QFileDialog>> saveAs(const char *name)
    {
        return std::make_unique<ModalScript<QFileDialog>>(
            std::vector<std::function<void(QFileDialog &)>>{[this, name](QFileDialog &dialog) {
                QCOMPARE(dialog.windowTitle(), u"Save update"_s);
                QCOMPARE(dialog.nameFilters(), QStringList(u"Zip files (*.zip)"_s));
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
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>"_ba;
    }

private slots:
    void init() { startServer(); }
    void cleanup() { stopServer(); }

    void noUpdate_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("same") << "1.0.0\r\n<html>..."_ba;
        QTest::newRow("older") << "0.9.12\n"_ba;
        QTest::newRow("shorter and equal") << "1.0"_ba;
    }
    void noUpdate()
    {
        QFETCH(QByteArray, page);
        server->routes[u"/updates/mrversion.html"_s] = {200, page};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        QCOMPARE(dialog.windowTitle(), u"Check For Update"_s);
        QCOMPARE(label(dialog), u"Click Begin to Check For Update"_s);
        dialog.show();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(label(dialog), u"There is no update available."_s);
        QVERIFY(button(dialog)->isEnabled());
        QVERIFY(answers.shown.empty());
        QCOMPARE(server->requested, QStringList(u"/updates/mrversion.html"_s));
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
        if (!existing.isEmpty()) {
            QFile old(target->filePath(u"Moonrill1100.zip"_s));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(existing);
        }
        server->routes[u"/updates/mrversion.html"_s] = {200, "1.10.0\n"};
        server->routes[u"/updates/Moonrill1100.zip"_s] = {200, archive};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveAs("another name.zip");
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_VERIFY(script->done());
        QTRY_VERIFY(!dialog.isVisible()); // closes without a message
        QCOMPARE(label(dialog), u"There is an update available: Version 1.10.0"_s);
        QVERIFY(answers.shown.empty());
        QCOMPARE(saved("Moonrill1100.zip"), archive);
        QVERIFY(!QFile::exists(target->filePath(u"another name.zip"_s)));
        QCOMPARE(QDir(target->path()).entryList(QDir::Files), QStringList(u"Moonrill1100.zip"_s));
    }

    void failuresSayTheUpdateFailed_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("404") << 404 << "1.5.0"_ba;
        QTest::newRow("500") << 500 << "1.5.0"_ba;
        QTest::newRow("html error page") << 200 << "<html><body>Oops</body></html>"_ba;
        QTest::newRow("empty page") << 200 << QByteArray();
    }
    void failuresSayTheUpdateFailed()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, page);
        server->routes[u"/updates/mrversion.html"_s] = {status, page};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers.texts(),
                     QStringList(u"Update failed! Please try again some other time, "
                                 "and make sure you are connected to Internet."_s));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Critical);
        QVERIFY(button(dialog)->isEnabled());
        QVERIFY(dialog.isVisible());
    }

    void aMissingArchiveIsNotSaved()
    {
        server->routes[u"/updates/mrversion.html"_s] = {200, "2.0"};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveAs("Moonrill20.zip");
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_VERIFY(!answers.shown.empty());
        QCOMPARE(server->requested.last(), u"/updates/Moonrill20.zip"_s);
        QCOMPARE(answers.texts().last(),
                 u"Update failed! Please try again some other time, and make sure "
                 "you are connected to Internet."_s);
        QVERIFY(QDir(target->path()).entryList(QDir::Files).isEmpty());
    }

    void cancellingTheSaveDialogAborts()
    {
        server->routes[u"/updates/mrversion.html"_s] = {200, "1.3.0"};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        auto script = saveAs(nullptr);
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers.texts(), QStringList(u"Update aborted"_s));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Information);
        QVERIFY(!dialog.isVisible());
    }

    void aSilentServerTimesOut()
    {
        InternetTransfer::SetTransferTimeout(300);
        server->routes[u"/updates/mrversion.html"_s] = {200, {}, LoopbackHttpServer::Mode::Silent};
        MessageAnswerer answers;
        frmLiveUpdate dialog;
        dialog.show();
        QTest::mouseClick(button(dialog), Qt::LeftButton);
        QTRY_COMPARE(answers.texts(),
                     QStringList(u"Operation timed out. Please try again later"_s));
        QVERIFY(!dialog.isVisible());
    }

    void closingDuringTheDownloadAbortsOnce()
    {
        server->routes[u"/updates/mrversion.html"_s] = {200, "1.3.0"};
        server->routes[u"/updates/Moonrill130.zip"_s] = {200, QByteArray(1000, 'z'),
                                                         LoopbackHttpServer::Mode::PartBody};
        MessageAnswerer answers;
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
        QTRY_COMPARE(answers.texts(), QStringList(u"Update aborted"_s));
        QVERIFY(!dialog.isVisible());
        QVERIFY(QDir(target->path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(frmLiveUpdateTest)
#include "frmLiveUpdateTest.moc"
