// SPDX-License-Identifier: GPL-3.0-or-later
// The main window itself: its rows, popup, adding through the editor, the limit of the list, and
// help in every window, and the pictures it draws.

#include "frmMain.h"

#include "ApplicationIdentity.h"
#include "Artwork.h"
#include "EventFile.h"
#include "EventListModel.h"
#include "HelpViewer.h"
#include "MainWindowTestSupport.h"
#include "ScanComputation.h"
#include "frmFind.h"
#include "frmWhatsUp.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

// Whether `image` holds a pixel of about `color`.
bool holdsColour(const QImage &image, QColor color)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() == 255 && std::abs(pixel.red() - color.red()) < 8 &&
                std::abs(pixel.green() - color.green()) < 8 &&
                std::abs(pixel.blue() - color.blue()) < 8)
                return true;
        }
    }
    return false;
}

HelpViewer *helpViewerOf(QWidget &owner)
{
    return owner.findChild<HelpViewer *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class frmMainWindowTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void cleanup() { finish(); }

    void rowsByNearnessAndHeaderClicksDoNothing()
    {
        start("$$Year$$" + dateText(365) + "$$Once$$3$$\r\n$$Far$$" + dateText(100000) +
              "$$Once$$3$$\r\n$$Today$$" + dateText(0) + "$$Once$$ 3$$\r\n$$Twelve$$" +
              dateText(12) + "$$Once$$3$$\r\n");
        QCOMPARE(column(*window, 0), QStringList({u"Today"_s, u"Twelve"_s, u"Year"_s, u"Far"_s}));
        QCOMPARE(column(*window, 2),
                 QStringList({u"    0"_s, u"   12"_s, u"  365"_s, u"100000"_s}));
        QCOMPARE(column(*window, 4).first(), u" 3"_s);
        QHeaderView *header = window->EventView()->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionPosition(0) + 5, 5));
        QCOMPARE(column(*window, 0).first(), u"Today"_s);
        // The first row is selected after loading.
        QCOMPARE(window->EventView()->selectionModel()->selectedRows().first().row(), 0);
    }

    void twinsAreFoundByTheirKey()
    {
        start("$$Twin$$" + dateText(3) + "$$Once$$3$$\r\n$$Twin$$" + dateText(3) +
              "$$Once$$3$$\r\n");
        window->SelectRow(1);
        const int index = window->FindSelectedEvent();
        QCOMPARE(QString::fromStdString(window->State().Events()[size_t(index)].Id),
                 window->List().keyOfRow(1));
    }

    void theRightButtonReleasedBringsThePopup()
    {
        start("");
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *popup = window->findChild<QMenu *>(u"mnuRight"_s);
        // The right button released over the empty list brings the popup.
        QTest::mouseRelease(window->EventView()->viewport(), Qt::RightButton, {}, QPoint(100, 300));
        QTRY_VERIFY(popup->isVisible());
        popup->hide();
        QTest::mouseRelease(window->EventView()->viewport(), Qt::LeftButton, {}, QPoint(100, 300));
        QTest::qWait(20);
        QVERIFY(!popup->isVisible());
    }

    void keyboardPopupAndFocusAfterFind()
    {
        start("$$One$$" + dateText(1) + "$$Once$$3$$\r\n$$Two$$" + dateText(2) +
              "$$Once$$3$$\r\n$$Three$$" + dateText(3) + "$$Once$$3$$\r\n");
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *popup = window->findChild<QMenu *>(u"mnuRight"_s);
        QTreeView *list = window->EventView();
        list->setFocus();
        window->SelectRow(2);
        const QRect third = list->visualRect(list->model()->index(2, 0));
        const QPoint rowOnScreen = list->viewport()->mapToGlobal(third.bottomLeft());
        for (const auto &[key, modifiers] :
             {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()},
              std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
            QTest::keyClick(list, key, modifiers);
            QTRY_VERIFY(popup->isVisible());
            QVERIFY2(qAbs(popup->pos().y() - rowOnScreen.y()) <= 2, "the popup opens at the row");
            popup->hide();
        }

        ModalScript<QDialog> find({[](QDialog &d) { d.reject(); }});
        window->findChild<QAction *>(u"mnuEditFind"_s)->trigger();
        QVERIFY(find.done());
        QCOMPARE(window->focusWidget(), static_cast<QWidget *>(list));
    }

    void addingEventsThroughTheEditor()
    {
        start("");
        QVERIFY(window->State().Saved());
        {
            EditorScript script({[](frmAddEvent &e) {
                type(e, "Bins", "Weekly", 3);
                pickDate(e, 4);
                ok(e);
            }});
            window->findChild<QAction *>(u"mnuEventNewEvent"_s)->trigger();
            QVERIFY(script.done());
        }
        {
            EditorScript script({[](frmAddEvent &e) {
                type(e, "Dentist", "Once");
                ok(e);
            }});
            window->findChild<QAction *>(u"addevent"_s)->trigger();
        }
        {
            // A past one-time event is refused and the editor comes back, empty.
            EditorScript script(
                {[](frmAddEvent &e) {
                     type(e, "Yesterday", "Once");
                     pickDate(e, -1);
                     ok(e);
                 },
                 [](frmAddEvent &e) {
                     QCOMPARE(e.findChild<QLineEdit *>(u"txtDescription"_s)->text(), QString());
                     QCOMPARE(e.findChild<QCalendarWidget *>(u"calSetDate"_s)->selectedDate(),
                              QDate::currentDate());
                     cancel(e);
                 }});
            window->findChild<QAction *>(u"mnuRightAddEvent"_s)->trigger();
            QVERIFY(script.done());
            QCOMPARE(answers->texts().last(),
                     u"This event has already happened!\nPlease try again"_s);
        }
        QCOMPARE(column(*window, 0), QStringList({u"Dentist"_s, u"Bins"_s}));
        QCOMPARE(window->State().Events()[1].Id, std::string("ID1"));
        // The new row is selected.
        QCOMPARE(window->EventView()->selectionModel()->selectedRows().first().row(), 0);
        QVERIFY(!window->State().Saved());

        answers->answers = {MsgAnswer::Yes};
        window->close();
        QVERIFY(window->HasEnded());
        QCOMPARE(readFile(home->home.filePath(u"events.mrl"_s)),
                 "$$Bins$$" + dateText(4) + "$$Every 3th week$$3$$\r\n$$Dentist$$" + dateText(0) +
                     "$$Once$$3$$\r\n\r\n");
    }

    void aScreenReaderHearsANewRowOnceWithItsAge()
    {
        start("$$Dentist$$" + dateText(3) + "$$Once$$3$$\r\n");
        const QDate born(QDate::currentDate().year() - 40, 1, 1);
        QVERIFY(addBirthday(*window, "Mum", born));
        QTreeView *view = window->EventView();
        const int row = view->selectionModel()->selectedRows().first().row();
        const clsEvent &mum = window->State().Events()[1];
        QCOMPARE(mum.Description, std::string("Mum"));
        const QString date = QString::fromStdString(DateToText(mum.StartingOn));
        const qint64 days = QDate::currentDate().daysTo(QDate::fromString(date, Qt::ISODate));
        // The keyboard is on the new row's Event cell: the reader hears it, its age and the rest
        // of its row, once.
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view);
        QVERIFY(list != nullptr && list->tableInterface() != nullptr);
        const auto cell = [list, row](int column) {
            QAccessibleInterface *face = list->tableInterface()->cellAt(row, column);
            return face ? QStringList{face->text(QAccessible::Name),
                                      face->text(QAccessible::Description)}
                        : QStringList{u"no cell"_s};
        };
        QCOMPARE(
            cell(EventListModel::EventColumn),
            QStringList({u"Mum"_s, u"Turns %1 on %2, Date: %2, When: %3, Type: Birthday, "
                                   u"Notice period: %4"_s.arg(mum.StartingOn.year() - born.year())
                                       .arg(date)
                                       .arg(days)
                                       .arg(mum.Period)}));
        // The other cells say their own value alone.
        QCOMPARE(cell(EventListModel::DateColumn), QStringList({date, QString()}));
        QCOMPARE(cell(EventListModel::WhenColumn), QStringList({QString::number(days), QString()}));
        QCOMPARE(cell(EventListModel::TypeColumn), QStringList({u"Birthday"_s, QString()}));
        // A row without an age tells its row alone.
        const int other = 1 - row;
        QAccessibleInterface *dentist = list->tableInterface()->cellAt(other, 0);
        QVERIFY(dentist != nullptr);
        QCOMPARE(dentist->text(QAccessible::Name), u"Dentist"_s);
        QCOMPARE(dentist->text(QAccessible::Description),
                 u"Date: %1, When: 3, Type: Once, Notice period: 3"_s.arg(
                     QString::fromLatin1(dateText(3))));
    }

    void anAddOrEditAtTheLimitChangesNothing()
    {
        QByteArray content;
        for (int i = 0; i < 32767; ++i)
            content +=
                "$$E" + QByteArray::number(i) + "$$" + dateText(1 + i % 40) + "$$Once$$3$$\r\n";
        start(content);
        QCOMPARE(window->List().rowCount(), 32767);
        const QString overflow =
            u"Your action caused an error: Overflow\n\nGo to About for support"_s;
        EditorScript add({[](frmAddEvent &e) {
            type(e, "One too many", "Once");
            ok(e);
        }});
        window->AddEvent();
        QCOMPARE(answers->texts().last(), overflow);
        QCOMPARE(window->List().rowCount(), 32767);
        QCOMPARE(window->State().EventCount(), 32767);
        // An edit takes a new id too: the event stays as it was, in its row.
        window->SelectRow(5);
        const QString key = window->List().keyOfRow(5);
        EditorScript edit({[](frmAddEvent &e) { ok(e); }});
        window->EditEvent();
        QCOMPARE(answers->texts().last(), overflow);
        QCOMPARE(window->List().keyOfRow(5), key);
        QVERIFY(window->State().RowOf(key.toStdString()).has_value());
        QVERIFY(window->State().Saved());
    }

    void picturesAreDrawnAtTheSizeShownAndGreyWhereDisabled()
    {
        start("$$Dentist$$" + dateText(3) + "$$Once$$3$$\r\n");
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *toolbar = window->findChild<QToolBar *>(u"Toolbar1"_s);
        QAction *undo = toolbar->findChild<QAction *>(u"undo"_s);
        QAction *add = toolbar->findChild<QAction *>(u"addevent"_s);
        QVERIFY(!undo->isEnabled() && add->isEnabled());
        // The undo arrow is blue while there is something to undo, and grey on a window that
        // has nothing: the button shows the state the way the style shows any other.
        const QColor blue(52, 101, 164);
        QVERIFY(holdsColour(undo->icon().pixmap(QSize(16, 15)).toImage(), blue));
        QVERIFY(!holdsColour(toolbar->widgetForAction(undo)->grab().toImage(), blue));
        QVERIFY(holdsColour(toolbar->widgetForAction(add)->grab().toImage(), QColor(78, 154, 6)));
        // On a screen of twice the density the drawing is made at twice the pixels, not
        // enlarged.
        const QPixmap sharp = add->icon().pixmap(QSize(16, 15), 2.0);
        QCOMPARE(sharp.size(), QSize(32, 30));
        QVERIFY(sharp.toImage() != add->icon()
                                       .pixmap(QSize(16, 15))
                                       .scaled(32, 30)
                                       .toImage()
                                       .convertToFormat(sharp.toImage().format()));

        // The window's icon is the drawing the installed icon files hold, offered at each size
        // a window manager asks for; it comes once the windows are up.
        SetApplicationIdentity();
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        const QIcon icon = QApplication::windowIcon();
        QCOMPARE(icon.availableSizes().size(), 6);
        QCOMPARE(icon.pixmap(QSize(48, 48)).toImage().convertToFormat(QImage::Format_ARGB32),
                 DrawMoonrillIcon(48).convertToFormat(QImage::Format_ARGB32));
        // A menu bar too narrow for its menus shows the rest behind a button of chevrons.
        QMenuBar bar;
        for (const QString &title : {u"First"_s, u"Second"_s, u"Third"_s, u"Fourth"_s})
            bar.addMenu(title);
        bar.resize(90, bar.sizeHint().height());
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        auto *more = bar.findChild<QToolButton *>(u"qt_menubar_ext_button"_s);
        QVERIFY(more && more->isVisible());
        QVERIFY(holdsColour(more->icon().pixmap(QSize(16, 16)).toImage(), QColor(40, 40, 48)));
    }

    void f1InEachWindowOpensItsTopicInOneViewer()
    {
        start("$$Dentist$$" + dateText(0) + "$$Once$$3$$\r\n");
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        // The main window's F1 is its Help entry: the contents, wholly on the screen's free area.
        action(*window, "mnuHelpHelp")->trigger();
        const QPointer<HelpViewer> viewer = helpViewerOf(*window);
        QVERIFY(viewer);
        QCOMPARE(viewer->CurrentTopic(), 1);
        auto *text = viewer->findChild<QTextBrowser *>();
        QVERIFY(text->toPlainText().startsWith(u"Welcome to Moonrill"_s));
        QVERIFY(viewer->screen()->availableGeometry().contains(viewer->frameGeometry()));
        // It lays its text out to its width: the topic is a document, not fixed lines.
        QCOMPARE(text->lineWrapMode(), QTextEdit::WidgetWidth);
        for (int topic : {3, 4}) {
            frmAddEvent editor(window.get());
            editor.HelpContextID = topic;
            showAndWait(editor);
            QTest::keyClick(&editor, Qt::Key_F1);
            // The same viewer, held by the editor while it is open, so the editor does not
            // block it.
            QCOMPARE(helpViewerOf(editor), viewer.data());
            QCOMPARE(viewer->CurrentTopic(), topic);
        }
        // Closing the editor leaves the viewer open, back with the main window.
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->parentWidget(), static_cast<QWidget *>(window.get()));
        frmFind find(
            window->List(), [this](int row) { window->SelectRow(row); }, window.get());
        std::vector<MailOffer> mails;
        frmWhatsUp scan(ComputeScan(window->State().Events(), Date::today()).rows, mails,
                        window.get());
        for (const auto &[other, topic] : {std::pair<QWidget *, int>{&find, 6}, {&scan, 7}}) {
            showAndWait(*other);
            QTest::keyClick(other, Qt::Key_F1);
            QCOMPARE(viewer->CurrentTopic(), topic);
            other->hide();
        }
        QCOMPARE(window->findChildren<HelpViewer *>().size(), 1);
        // The keyboard moves a caret through the text; Escape closes the help.
        viewer->activateWindow();
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Down);
        QVERIFY(text->textCursor().position() > 0);
        QTest::keyClick(text, Qt::Key_Escape);
        QVERIFY(!viewer || !viewer->isVisible());
        window->close();
    }
};

QTEST_MAIN(frmMainWindowTest)
#include "frmMainWindowTest.moc"
