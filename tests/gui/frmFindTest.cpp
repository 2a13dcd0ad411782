// The find dialog over the main window's list: it steps through the matches in list order,
// marks each in bold and selects it, and says when there is none.

#include "MainWindowTestSupport.h"

#include "EventListModel.h"
#include "frmFind.h"

#include <QProgressBar>

using namespace Qt::StringLiterals;

class frmFindTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void cleanup() { finish(); }

    void findStepsThroughTheMatches()
    {
        start("$$one$$" + dateText(0) + "$$Once$$1$$\r\n$$two$$" + dateText(1) +
              "$$Once$$1$$\r\n$$Match A$$" + dateText(2) + "$$Once$$1$$\r\n$$three$$" +
              dateText(3) + "$$Match$$1$$\r\n$$four$$" + dateText(4) +
              "$$Once$$1$$\r\n$$the MATCH b$$" + dateText(5) + "$$Once$$1$$\r\n$$last$$" +
              dateText(6) + "$$Once$$1$$\r\n");
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        ModalScript<frmFind> script({[this](frmFind &find) {
            auto *text = find.findChild<QLineEdit *>(u"txtFind"_s);
            auto *button = find.findChild<QPushButton *>(u"cmdFind"_s);
            auto *progress = find.findChild<QProgressBar *>(u"ProgressBar1"_s);
            auto selected = [this] {
                return window->EventView()->selectionModel()->selectedRows().first().row();
            };
            auto bold = [this](int row) {
                return window->List().index(row, 0).data(Qt::FontRole).value<QFont>().bold();
            };
            QCOMPARE(find.windowTitle(), u"Find Event"_s);
            QCOMPARE(button->text(), u"&Find"_s);
            // An empty text does nothing.
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(answers->shown.empty());
            QTest::keyClicks(text, u"match"_s);
            QTest::keyClick(text, Qt::Key_Return); // the default button
            QCOMPARE(selected(), 2);
            QVERIFY(bold(2));
            QCOMPARE(progress->value(), 3);
            QCOMPARE(progress->maximum(), 7);
            QCOMPARE(button->text(), u"&Find Next"_s);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(selected(), 5); // the type "Match" of row 3 is not searched
            QVERIFY(!bold(2));
            QVERIFY(bold(5));
            QCOMPARE(progress->value(), 6);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answers->texts(), QStringList(u"The whole list has been searched."_s));
            QCOMPARE(answers->shown[0].icon, QMessageBox::Information);
            QVERIFY(!bold(5));
            QCOMPARE(selected(), 0);
            QCOMPARE(progress->value(), 7);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(selected(), 2);
            // Typing starts over at the top and takes the bold away.
            QTest::keyClicks(text, u" a"_s);
            QCOMPARE(button->text(), u"&Find"_s);
            QVERIFY(!bold(2));
            QCOMPARE(selected(), 0);
            QCOMPARE(progress->value(), 0);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(selected(), 2);
            QTest::keyClick(&find, Qt::Key_Escape);
        }});
        action(*window, "mnuEditFind")->trigger();
        QVERIFY(script.done());
        // The match stays selected, no longer bold.
        QCOMPARE(window->EventView()->selectionModel()->selectedRows().first().row(), 2);
        QVERIFY(!window->List().index(2, 0).data(Qt::FontRole).value<QFont>().bold());
    }

    void findWithNoMatchAndAMatchInTheLastRow()
    {
        start("$$a$$" + dateText(0) + "$$Once$$1$$\r\n$$B last$$" + dateText(1) +
              "$$Once$$1$$\r\n");
        ModalScript<frmFind> script({[this](frmFind &find) {
            auto *text = find.findChild<QLineEdit *>(u"txtFind"_s);
            auto *button = find.findChild<QPushButton *>(u"cmdFind"_s);
            QTest::keyClicks(text, u"zzz"_s);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answers->texts().size(), 1);
            text->clear();
            QTest::keyClicks(text, u"LAST"_s);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answers->texts().size(), 1);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answers->texts().size(), 2);
            QTest::mouseClick(find.findChild<QPushButton *>(u"cmdCancel"_s), Qt::LeftButton);
        }});
        window->FindEvent();
        QVERIFY(script.done());
    }
};

QTEST_MAIN(frmFindTest)
#include "frmFindTest.moc"
