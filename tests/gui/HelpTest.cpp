#include "MainWindowTestSupport.h"

#include "HelpViewer.h"
#include "ScanComputation.h"
#include "frmFind.h"
#include "frmWhatsUp.h"

#include <QTextBrowser>

using namespace Qt::StringLiterals;

class HelpTest : public MainWindowFixture
{
    Q_OBJECT

private:
    static HelpViewer *viewerOf(QWidget &owner)
    {
        return owner.findChild<HelpViewer *>(QString(), Qt::FindDirectChildrenOnly);
    }

private slots:
    void init() { qunsetenv("MOONRILL_ASSET_DIR"); }
    void cleanup() { finish(); }

    void f1InEachWindowOpensItsTopicInOneViewer()
    {
        start("$$Dentist$$" + dateText(0) + "$$Once$$3$$\r\n");
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        // The main window's F1 is its Help entry: the contents, wholly on the screen's free area.
        action(*window, "mnuHelpHelp")->trigger();
        const QPointer<HelpViewer> viewer = viewerOf(*window);
        QVERIFY(viewer);
        QCOMPARE(viewer->CurrentTopic(), 1);
        auto *text = viewer->findChild<QTextBrowser *>();
        QVERIFY(text->toPlainText().startsWith(u"Welcome to Moonrill"_s));
        QVERIFY(viewer->screen()->availableGeometry().contains(viewer->frameGeometry()));
        // It lays its text out to its width: the topic is a document, not fixed lines.
        QCOMPARE(text->lineWrapMode(), QTextEdit::WidgetWidth);

        std::optional<EventFields> line;
        for (int topic : {3, 4}) {
            frmAddEvent editor(line, window.get());
            editor.HelpContextID = topic;
            showAndWait(editor);
            QTest::keyClick(&editor, Qt::Key_F1);
            // The same viewer, held by the editor while it is open, so the editor does not
            // block it.
            QCOMPARE(viewerOf(editor), viewer.data());
            QCOMPARE(viewer->CurrentTopic(), topic);
        }
        // Closing the editor leaves the viewer open, back with the main window.
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->parentWidget(), static_cast<QWidget *>(window.get()));
        {
            frmFind find(
                window->List(), [this](int row) { window->SelectRow(row); }, window.get());
            showAndWait(find);
            QTest::keyClick(&find, Qt::Key_F1);
            QCOMPARE(viewer->CurrentTopic(), 6);
        }
        {
            std::vector<MailOffer> mails;
            frmWhatsUp scan(ComputeScan(window->State().Events(), Date::today()).rows, mails,
                            window.get());
            showAndWait(scan);
            QTest::keyClick(&scan, Qt::Key_F1);
            QCOMPARE(viewer->CurrentTopic(), 7);
            scan.accept();
        }
        QCOMPARE(window->findChildren<HelpViewer *>().size(), 1);
        // It goes with the main window.
        window->close();
        QVERIFY(!viewer || !viewer->isVisible());
    }

    void aMissingHelpFileIsSaid()
    {
        QTemporaryDir empty;
        qputenv("MOONRILL_ASSET_DIR", empty.path().toUtf8());
        MessageAnswerer answers;
        QWidget owner;
        QVERIFY(ShowHelpTopic(&owner, 2) == nullptr);
        QCOMPARE(
            answers.texts(),
            QStringList(u"The help file "_s + empty.path() +
                        u"/Moonrill.hlp cannot be found or read. Please reinstall the program."_s));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Critical);
        QVERIFY(!viewerOf(owner));
        qunsetenv("MOONRILL_ASSET_DIR");
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
