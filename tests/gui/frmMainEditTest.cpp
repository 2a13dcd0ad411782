// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's list commands: edit, delete and undo, copy, and find, each through the
// editor and dialogs they open.

#include "MainWindowTestSupport.h"

#include "EventListModel.h"
#include "frmFind.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimeEdit>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

/// Five events: their ids are ID0..ID4 in file order; shown soonest first.
QByteArray fiveEvents()
{
    return "$$Alpha$$" + dateText(30) + "$$Once$$3$$\r\n" +              // ID0
           "$$Bravo$$" + dateText(2) + "$$Every 12th month$$5$$\r\n" +   // ID1
           "$$Charlie$$" + dateText(10) + "$$Birthday$$1$$c@x.org\r\n" + // ID2
           "$$Delta$$" + dateText(0) + "$$weekly$$150$$\r\n" +           // ID3, as edited by hand
           "$$Echo$$" + dateText(365) + "$$Daily$$0$$\r\n";              // ID4
}

QString clipboard()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace

class frmMainEditTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void cleanup() { finish(); }

    void editOpensFromTheRecordAndKeepsWhatWasNotTouched()
    {
        start(fiveEvents());
        QCOMPARE(column(*window, 0),
                 QStringList({u"Delta"_s, u"Bravo"_s, u"Charlie"_s, u"Alpha"_s, u"Echo"_s}));
        selectByText(*window, "Delta");
        EditorScript script({[](frmAddEvent &e) {
            QCOMPARE(e.windowTitle(), u"Edit event"_s);
            QCOMPARE(e.HelpContextID, 4);
            QCOMPARE(e.findChild<QLineEdit *>(u"txtDescription"_s)->text(), u"Delta"_s);
            ok(e);
        }});
        action(*window, "mnuEventEditEvent")->trigger();
        QVERIFY(script.done());
        const clsEvent &delta = window->State().Events()[3];
        QCOMPARE(delta.Id, std::string("ID5"));
        QCOMPARE(delta.Occurs, std::string("weekly"));
        QCOMPARE(delta.Period, int16_t(150));
        QVERIFY(!window->State().Saved());
        // The edited event is not selected: it kept its place as the first, so the second is.
        QCOMPARE(window->EventView()->selectionModel()->selectedRows().first().row(), 1);

        // An interval type opens as its base type, and the row moves to its new place while the
        // record keeps its place in the file.
        selectByText(*window, "Bravo");
        EditorScript bravo({[](frmAddEvent &e) {
            QCOMPARE(e.findChild<QComboBox *>(u"comOccurs"_s)->currentText(), u"Monthly"_s);
            QCOMPARE(e.findChild<QLineEdit *>(u"txtInterval"_s)->text(), u"12"_s);
            QCOMPARE(e.findChild<QLineEdit *>(u"txtPeriod"_s)->text(), u"5"_s);
            pickDate(e, 100);
            ok(e);
        }});
        QTest::mouseDClick(window->EventView()->viewport(), Qt::LeftButton, {},
                           window->EventView()->visualRect(window->List().index(1, 0)).center());
        QVERIFY(bravo.done());
        QCOMPARE(column(*window, 0),
                 QStringList({u"Delta"_s, u"Charlie"_s, u"Alpha"_s, u"Bravo"_s, u"Echo"_s}));
        QCOMPARE(column(*window, 3)[3], u"Every 12th month"_s);
        // The row now at its old place is selected.
        QCOMPARE(window->EventView()->selectionModel()->selectedRows().first().row(), 1);
        QCOMPARE(column(*window, 2)[3], u"  100"_s);
        QCOMPARE(window->State().Events()[1].Description, std::string("Bravo"));

        // A birthday opens expanded, with its address.
        selectByText(*window, "Charlie");
        EditorScript charlie({[](frmAddEvent &e) {
            QVERIFY(e.findChild<QRadioButton *>(u"optYes"_s)->isChecked());
            QCOMPARE(e.findChild<QLineEdit *>(u"txtEmail"_s)->text(), u"c@x.org"_s);
            QVERIFY(e.findChild<QLineEdit *>(u"txtEmail"_s)->isVisibleTo(&e));
            QVERIFY(e.height() > 300);
            cancel(e);
        }});
        action(*window, "editevent")->trigger();
        QVERIFY(charlie.done());
        QCOMPARE(window->State().Events()[2].Id, std::string("ID2"));
    }

    void editToThePastIsRefusedAndReopensFromTheRecord()
    {
        start(fiveEvents());
        selectByText(*window, "Alpha");
        EditorScript script(
            {[](frmAddEvent &e) {
                 pickDate(e, -3);
                 ok(e);
             },
             [](frmAddEvent &e) {
                 QCOMPARE(e.findChild<QCalendarWidget *>(u"calSetDate"_s)->selectedDate(),
                          QDate::currentDate().addDays(30));
                 cancel(e);
             }});
        action(*window, "mnuRightEditEvent")->trigger();
        QVERIFY(script.done());
        QCOMPARE(answers->texts(),
                 QStringList(u"This event has already happened!\nPlease try again"_s));
        QVERIFY(window->State().Saved());
    }

    void deleteAsksAndUndoBringsItBack()
    {
        start(fiveEvents());
        selectByText(*window, "Charlie");
        answers->answers = {MsgAnswer::No};
        action(*window, "mnuEventDeleteEvent")->trigger();
        QCOMPARE(answers->texts().last(), u"Do you really want to delete 'Charlie'?"_s);
        QCOMPARE(answers->shown.back().icon, QMessageBox::Question);
        QCOMPARE(window->List().rowCount(), 5);
        QVERIFY(!action(*window, "mnuEventUndo")->isEnabled());

        answers->answers = {MsgAnswer::Yes};
        action(*window, "deleteevent")->trigger();
        QCOMPARE(window->List().rowCount(), 4);
        QVERIFY(!window->State().Saved());
        QVERIFY(action(*window, "mnuEventUndo")->isEnabled());
        QAction *undo = action(*window, "undo");
        QCOMPARE(shownText(undo->toolTip()), u"Undo deletion of 'Charlie'"_s);
        QAccessibleInterface *said = QAccessible::queryAccessibleInterface(
            window->findChild<QToolBar *>()->widgetForAction(undo));
        QCOMPARE(said->text(QAccessible::Description), u"Undo deletion of 'Charlie'"_s);

        undo->trigger();
        QCOMPARE(window->List().rowCount(), 5);
        const clsEvent &back = window->State().Events().back();
        QCOMPARE(back.Id, std::string("ID5"));
        QCOMPARE(back.Email, std::string("c@x.org"));
        const int row = rowOf(*window, "Charlie");
        QCOMPARE(window->EventView()->selectionModel()->selectedRows().first().row(), row);
        QCOMPARE(column(*window, 2)[row], u"   10"_s);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->toolTip(), u"Undo"_s);

        // An empty buffer leaves everything as it was.
        window->UndoDelete();
        QCOMPARE(window->List().rowCount(), 5);
    }

    void onlyTheLastDeletionComesBackEvenAfterDeleteAll()
    {
        start(fiveEvents());
        answers->answers = {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Yes};
        selectByText(*window, "Alpha");
        window->DeleteEvent();
        selectByText(*window, "Bravo");
        window->DeleteEvent();
        action(*window, "mnuEventDeleteAllEvents")->trigger();
        QCOMPARE(answers->texts().last(), u"Do you really want to delete all events?"_s);
        QCOMPARE(window->List().rowCount(), 3);
        window->DeleteAllEvents();
        QCOMPARE(window->List().rowCount(), 0);
        QVERIFY(action(*window, "mnuEventUndo")->isEnabled());
        window->UndoDelete();
        QCOMPARE(column(*window, 0), QStringList(u"Bravo"_s));
        QCOMPARE(window->State().Events()[0].Id, std::string("ID0"));
        QCOMPARE(window->State().Events()[0].Occurs, std::string("Every 12th month"));
    }

    void commandsWithoutAnEventOrASelectionAreRefused()
    {
        start("");
        for (const char *command : {"mnuEventEditEvent", "mnuEventDeleteEvent", "mnuEventCopy",
                                    "mnuEventCopyAll", "mnuEditFind"}) {
            answers->shown.clear();
            action(*window, command)->trigger();
            QCOMPARE(answers->texts(), QStringList(u"No events available!"_s));
            QCOMPARE(answers->shown[0].icon, QMessageBox::Critical);
        }
        // Delete All still asks on an empty list.
        answers->shown.clear();
        window->DeleteAllEvents();
        QCOMPARE(answers->texts(), QStringList(u"Do you really want to delete all events?"_s));

        finish();
        start(fiveEvents());
        window->EventView()->selectionModel()->clearSelection();
        QGuiApplication::clipboard()->setText(u"before"_s);
        const std::vector<std::function<void()>> commands = {
            [this] { window->CopyEvent(); }, [this] { window->EditEvent(); },
            [this] { window->DeleteEvent(); },
            [this] { action(*window, "mnuRightEditEvent")->trigger(); },
            [this] {
                QTest::mouseDClick(window->EventView()->viewport(), Qt::LeftButton, {},
                                   QPoint(5, window->EventView()->viewport()->height() - 5));
            }};
        for (const auto &command : commands) {
            answers->shown.clear();
            command();
            QCOMPARE(answers->texts(), QStringList(u"Not found!"_s));
        }
        QCOMPARE(window->List().rowCount(), 5);
        QCOMPARE(clipboard(), u"before"_s);
        QVERIFY(window->State().Saved());
    }

    void afterAnEditAnotherRowIsSelected()
    {
        start(fiveEvents());
        selectByText(*window, "Delta"); // row 0; moves to the end
        EditorScript first({[](frmAddEvent &e) {
            pickDate(e, 400);
            ok(e);
        }});
        action(*window, "mnuEventEditEvent")->trigger();
        QVERIFY(first.done());
        const QModelIndexList selected = window->EventView()->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().data().toString(), u"Bravo"_s);
        // The keyboard goes on from there: Ctrl+E edits the selected row, no error.
        EditorScript second({[](frmAddEvent &e) {
            QCOMPARE(e.findChild<QLineEdit *>(u"txtDescription"_s)->text(), u"Bravo"_s);
            cancel(e);
        }});
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->EventView(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(second.done());
        QVERIFY(answers->shown.empty());
    }

    void clipboardTexts()
    {
        start(fiveEvents());
        QGuiApplication::clipboard()->setText(u"before"_s);
        selectByText(*window, "Bravo");
        window->CopyEvent();
        QCOMPARE(clipboard(),
                 u"Bravo "_s + QString::fromLatin1(dateText(2)) + u" Every 12th month"_s);
        action(*window, "mnuEventCopyAll")->trigger();
        const QString d = u" "_s;
        auto line = [&](const char *text, int days, const char *when, const char *type) {
            return QString::fromLatin1(text) + d + QString::fromLatin1(dateText(days)) + d +
                   QString::fromLatin1(when) + d + QString::fromLatin1(type) + u"\r\n"_s;
        };
        QCOMPARE(clipboard(), line("Delta", 0, "    0", "weekly") +
                                  line("Bravo", 2, "    2", "Every 12th month") +
                                  line("Charlie", 10, "   10", "Birthday") +
                                  line("Alpha", 30, "   30", "Once") +
                                  line("Echo", 365, "  365", "Daily"));
    }

    void aYearOfBirthIsAddedAndEditedWithItsEvent()
    {
        start("");
        const QDate born(QDate::currentDate().year() - 40, 1, 1);
        QVERIFY(addBirthday(*window, "Mum", born));
        const clsEvent &mum = window->State().Events()[0];
        QCOMPARE(int(mum.BirthYear), born.year());
        const int age = mum.StartingOn.year() - born.year();
        QVERIFY(age == 40 || age == 41);
        const QModelIndex cell = window->List().index(0, 0);
        QCOMPARE(cell.data().toString(), u"Mum"_s);
        QCOMPARE(
            shownText(cell.data(Qt::ToolTipRole).toString()),
            u"Turns %1 on %2"_s.arg(age).arg(QString::fromStdString(DateToText(mum.StartingOn))));

        // The editor shows the year it keeps; "unknown" takes it away.
        selectByText(*window, "Mum");
        EditorScript forget({[&born](frmAddEvent &e) {
            auto *year = e.findChild<QSpinBox *>(u"txtBirthYear"_s);
            QCOMPARE(year->value(), born.year());
            year->setValue(0);
            ok(e);
        }});
        action(*window, "mnuEventEditEvent")->trigger();
        QVERIFY(forget.done());
        QCOMPARE(int(window->State().Events()[0].BirthYear), 0);
        QVERIFY(!window->List().index(0, 0).data(Qt::ToolTipRole).isValid());
    }

    void aTimedEventShowsItsTimeAndComesAfterItsDaysDayEvents()
    {
        start("$$Lunch$$" + dateText(5) + "$$Once$$3$$$$$$time=12:30\r\n$$Fair$$" + dateText(5) +
              "$$Once$$3$$\r\n");
        const auto cell = [this](int row, int column) { return window->List().index(row, column); };
        QCOMPARE(cell(0, 0).data().toString(), u"Fair"_s);
        const QString day = QString::fromLatin1(dateText(5));
        QCOMPARE(cell(0, EventListModel::DateColumn).data().toString(), day);
        QCOMPARE(cell(1, EventListModel::DateColumn).data().toString(), day + u" 12:30"_s);
        QVERIFY(!cell(0, EventListModel::DateColumn).data(Qt::ToolTipRole).isValid());
        QVERIFY(shownText(cell(1, EventListModel::DateColumn).data(Qt::ToolTipRole).toString())
                    .endsWith(QLocale().toString(QTime(12, 30), QLocale::ShortFormat)));

        // The day event given a later time goes after the other.
        selectByText(*window, "Fair");
        EditorScript later({[](frmAddEvent &e) {
            e.findChild<QCheckBox *>(u"chkTime"_s)->setChecked(true);
            e.findChild<QTimeEdit *>(u"tmeTime"_s)->setTime(QTime(13, 0));
            ok(e);
        }});
        action(*window, "mnuEventEditEvent")->trigger();
        QVERIFY(later.done());
        QCOMPARE(cell(1, 0).data().toString(), u"Fair"_s);
        QCOMPARE(cell(1, EventListModel::DateColumn).data().toString(), day + u" 13:00"_s);
    }

    void anEditKeepsTheDayMeantWhileTheDateStaysAndTheUidAlways()
    {
        int year = QDate::currentDate().year() + 1;
        while (QDate::isLeapYear(year))
            ++year;
        start("$$Rent$$" + QByteArray::number(year) +
              "-02-28$$Monthly$$3$$$$$$day=31$$uid=u-7\r\n");
        for (const bool newDate : {false, true}) {
            selectByText(*window, newDate ? "Rent!" : "Rent");
            EditorScript edit({[newDate](frmAddEvent &e) {
                if (newDate)
                    pickDate(e, 100);
                else
                    QTest::keyClicks(e.findChild<QLineEdit *>(u"txtDescription"_s), u"!"_s);
                ok(e);
            }});
            action(*window, "mnuEventEditEvent")->trigger();
            QVERIFY(edit.done());
            const EventOptions &options = window->State().Events()[0].Options;
            QCOMPARE(int(options.Day), newDate ? 0 : 31);
            QCOMPARE(options.Uid, std::string("u-7"));
        }
    }

    void aUsersTextIsNeverMarkupAndOldBytesShowAsLatin1()
    {
        const QByteArray content = "$$<b>Bold</b> & %1 party$$" + dateText(3) +
                                   "$$Once$$3$$\r\n$$Caf\xE9 Ren\xE9$$" + dateText(4) +
                                   "$$Once$$3$$\r\n";
        start(content);
        QCOMPARE(column(*window, 0), QStringList({u"<b>Bold</b> & %1 party"_s,
                                                  QString::fromUtf8("Caf\xC3\xA9 Ren\xC3\xA9")}));
        // The file keeps its bytes: the start-up save wrote them back as they were.
        QCOMPARE(readFile(home->home.filePath(u"events.mrl"_s)), content + "\r\n");

        selectByText(*window, "<b>Bold</b> & %1 party");
        answers->answers = {MsgAnswer::Yes};
        action(*window, "mnuEventDeleteEvent")->trigger();
        QCOMPARE(answers->texts(),
                 QStringList(u"Do you really want to delete '<b>Bold</b> & %1 party'?"_s));
        QCOMPARE(answers->shown[0].icon, QMessageBox::Question);
        QCOMPARE(shownText(action(*window, "undo")->toolTip()),
                 u"Undo deletion of '<b>Bold</b> & %1 party'"_s);
    }

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

QTEST_MAIN(frmMainEditTest)
#include "frmMainEditTest.moc"
