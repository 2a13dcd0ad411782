// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiTestSupport.h"

#include "frmAbout.h"
#include "frmBug.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

class frmAboutBugTest : public QObject
{
    Q_OBJECT

private slots:
    void aboutShowsNameVersionAndLinks()
    {
        MessageAnswerer answers;
        LinkCatcher links;
        frmAbout about;
        showAndWait(about);
        QTest::qWait(30);
        QCOMPARE(about.findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.0.0"_s);
        // The same licence as the package's copyright file and the software centre's entry.
        QCOMPARE(about.findChild<QLabel *>(u"lblNotice"_s)->text(),
                 u"Free software under the GNU GPL, version 3 or later."_s);
        QVERIFY(!about.findChild<QLabel *>(u"anmAbout"_s)->pixmap().isNull());
        QVERIFY(answers.shown.empty());

        auto *email = about.findChild<QLabel *>(u"lblEmail"_s);
        QTest::mouseClick(email, Qt::LeftButton);
        QTest::mouseClick(about.findChild<QLabel *>(u"lblUrl"_s), Qt::LeftButton);
        QCOMPARE(links.opened.size(), 2);
        QCOMPARE(links.opened[0].toString(),
                 u"mailto:support@moonrill.example.org?subject=Moonrill"_s);
        QCOMPARE(links.opened[1].toString(), u"https://moonrill.example.org/moonrill.html"_s);
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void aboutLinksAnswerTheKeyboardAndScreenReaders()
    {
        LinkCatcher links;
        frmAbout about;
        showAndWait(about);
        QCOMPARE(about.focusWidget()->objectName(), u"cmdOK"_s);
        QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
        QCOMPARE(about.focusWidget()->objectName(), u"lblEmail"_s);
        QTest::keyClick(about.focusWidget(), Qt::Key_Return);
        QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
        QCOMPARE(about.focusWidget()->objectName(), u"lblUrl"_s);
        QTest::keyClick(about.focusWidget(), Qt::Key_Space);
        QCOMPARE(links.opened.size(), 2);
        QCOMPARE(links.opened[0].scheme(), u"mailto"_s);
        QCOMPARE(links.opened[1].toString(), u"https://moonrill.example.org/moonrill.html"_s);
        QVERIFY(about.isVisible()); // Enter on a link opens it, and does not press OK

        QAccessibleInterface *link =
            QAccessible::queryAccessibleInterface(about.findChild<QLabel *>(u"lblUrl"_s));
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), u"Moonrill on Web"_s);
        QVERIFY(link->state().focusable);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(links.opened.size(), 3);
    }

    void contactFormRefusesAndSends()
    {
        MessageAnswerer answers;
        LinkCatcher links;
        frmBug form;
        showAndWait(form);
        auto *send = form.findChild<QPushButton *>(u"cmdSend"_s);
        auto *type = form.findChild<QComboBox *>(u"comRequest"_s);
        auto *text = form.findChild<QPlainTextEdit *>(u"txtBugReport"_s);
        QCOMPARE(type->currentIndex(), -1);
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(answers.texts(), QStringList(u"Please tell me what this is about!"_s));
        QCOMPARE(QApplication::focusWidget(), type);
        type->setCurrentIndex(1);
        text->setFocus(); // leaving the list names the request
        QCOMPARE(form.findChild<QLabel *>(u"lblContact"_s)->text(), u"Bug Report"_s);
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(answers.texts().last(), u"Please type in some words...!"_s);
        QCOMPARE(QApplication::focusWidget(), text);

        QTest::keyClicks(text, u"Fix & #1 at 100%"_s);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, u"please"_s);
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(links.opened.size(), 1);
        // The mail program sees exactly what was typed.
        const QUrlQuery query(links.opened[0]);
        QCOMPARE(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded),
                 u"Moonrill - Bug Report"_s);
        QVERIFY(query.queryItemValue(u"body"_s, QUrl::FullyDecoded)
                    .endsWith(u"-> Bug Report:\nFix & #1 at 100%\nplease"_s));
        // The form stays, with type and text kept.
        QVERIFY(form.isVisible());
        QCOMPARE(type->currentIndex(), 1);

        // Enter and Escape neither send nor close; Enter presses the button that has the
        // keyboard, which Tab reaches from the text without typing a tab into it.
        QTest::keyClick(&form, Qt::Key_Escape);
        QTest::keyClick(type, Qt::Key_Return);
        QVERIFY(form.isVisible());
        QCOMPARE(links.opened.size(), 1);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), send);
        QVERIFY(!text->toPlainText().contains(QLatin1Char('\t')));
        QTest::keyClick(send, Qt::Key_Return);
        QCOMPARE(links.opened.size(), 2);
        QVERIFY(form.isVisible());

        QTest::mouseClick(form.findChild<QPushButton *>(u"cmdReset"_s), Qt::LeftButton);
        QCOMPARE(text->toPlainText(), QString());
        QCOMPARE(type->currentIndex(), 1);
        QTest::mouseClick(form.findChild<QPushButton *>(u"cmdClose"_s), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(frmAboutBugTest)
#include "frmAboutBugTest.moc"
