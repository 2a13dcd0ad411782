#include "GuiTestSupport.h"

#include "frmAbout.h"
#include "frmBug.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class frmAboutBugTest : public QObject
{
    Q_OBJECT

private:
    QByteArray m_path;

private slots:
    void initTestCase() { m_path = qgetenv("PATH"); }
    void init() { qunsetenv("MOONRILL_ASSET_DIR"); }
    void cleanup() { qputenv("PATH", m_path); }

    void aboutShowsNameVersionAndLinks()
    {
        MessageAnswerer answers;
        LinkCatcher links;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::qWait(30);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Moonrill"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblTitle"))->text(),
                 QStringLiteral("         Moonrill"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 1.0.0"));
        QVERIFY(!about.findChild<QLabel *>(QStringLiteral("anmAbout"))->pixmap().isNull());
        QVERIFY(answers.shown.empty());

        auto *email = about.findChild<QLabel *>(QStringLiteral("lblEmail"));
        QCOMPARE(email->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::mouseClick(email, Qt::LeftButton);
        QCOMPARE(email->palette().color(QPalette::WindowText), QColor(128, 128, 255));
        QTest::mouseClick(about.findChild<QLabel *>(QStringLiteral("lblUrl")), Qt::LeftButton);
        QCOMPARE(links.opened.size(), 2);
        QCOMPARE(links.opened[0].toString(),
                 QStringLiteral("mailto:support@moonrill.example.org?subject=Moonrill"));
        QCOMPARE(links.opened[1].toString(),
                 QStringLiteral("https://moonrill.example.org/moonrill.html"));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void systemInformation()
    {
        QTemporaryDir bin;
        qputenv("PATH", bin.path().toUtf8());
        MessageAnswerer answers;
        frmAbout about;
        QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")),
                          Qt::LeftButton);
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral("System Information Is Unavailable At This Time")));
        QCOMPARE(answers.shown[0].icon, QMessageBox::NoIcon);

        // A hardware-information tool on the path is started.
        const QString started = bin.filePath(QStringLiteral("started"));
        QFile tool(bin.filePath(QStringLiteral("hardinfo")));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n/usr/bin/touch '" + started.toUtf8() + "'\n");
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")),
                          Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(started));
        QCOMPARE(answers.shown.size(), size_t(1));
    }

    void aMissingClipIsSaidOnce()
    {
        QTemporaryDir empty;
        qputenv("MOONRILL_ASSET_DIR", empty.path().toUtf8());
        MessageAnswerer answers;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::qWait(30);
        about.hide();
        about.show();
        QTest::qWait(30);
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral("Animation missing. Please reinstall the program")));
        frmBug form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(30);
        QCOMPARE(answers.shown.size(), size_t(2));
    }

    void contactFormRefusesAndSends()
    {
        MessageAnswerer answers;
        LinkCatcher links;
        frmBug form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Bug Report"));
        auto *send = form.findChild<QPushButton *>(QStringLiteral("cmdSend"));
        auto *type = form.findChild<QComboBox *>(QStringLiteral("comRequest"));
        auto *text = form.findChild<QPlainTextEdit *>(QStringLiteral("txtBugReport"));
        QCOMPARE(type->currentIndex(), -1);
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral("Please tell me what this is about!")));
        QCOMPARE(QApplication::focusWidget(), type);
        type->setCurrentIndex(1);
        text->setFocus(); // leaving the list names the request
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("lblContact"))->text(),
                 QStringLiteral("Bug Report"));
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(answers.texts().last(), QStringLiteral("Please type in some words...!"));
        QCOMPARE(QApplication::focusWidget(), text);

        QTest::keyClicks(text, QStringLiteral("Fix & #1 at 100%"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("please"));
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(links.opened.size(), 1);
        const QString encoded = links.opened[0].toString(QUrl::FullyEncoded);
        QVERIFY2(encoded.startsWith(QStringLiteral(
                     "mailto:support@moonrill.example.org?subject=Moonrill%20-%20Bug%20Report&body="
                     "Moonrill%20version%3A%201.0.0%0AWindows%20version%3A%20")),
                 qPrintable(encoded));
        QVERIFY2(encoded.endsWith(QStringLiteral(
                     "%0A%0A-%3E%20Bug%20Report%3A%0AFix%20%26%20%231%20at%20100%25%0Aplease")),
                 qPrintable(encoded));
        // The mail program sees exactly what was typed.
        const QUrlQuery query(links.opened[0]);
        QVERIFY(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded)
                    .endsWith(QStringLiteral("Fix & #1 at 100%\nplease")));
        // The form stays, with type and text kept.
        QVERIFY(form.isVisible());
        QCOMPARE(type->currentIndex(), 1);

        // Enter and Escape neither send nor close.
        QTest::keyClick(&form, Qt::Key_Escape);
        QTest::keyClick(send, Qt::Key_Return);
        QVERIFY(form.isVisible());
        QCOMPARE(links.opened.size(), 1);

        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("cmdReset")),
                          Qt::LeftButton);
        QCOMPARE(text->toPlainText(), QString());
        QCOMPARE(type->currentIndex(), 1);
        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("cmdClose")),
                          Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(frmAboutBugTest)
#include "frmAboutBugTest.moc"
