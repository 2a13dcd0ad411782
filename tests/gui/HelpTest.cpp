#include "MainWindowTestSupport.h"

#include "HelpViewer.h"
#include "ScanComputation.h"
#include "frmFind.h"
#include "frmWhatsUp.h"

#include <QAction>
#include <QPointer>
#include <QTextBrowser>

using namespace Qt::StringLiterals;

class HelpTest : public QObject
{
    Q_OBJECT

private:
    static HelpViewer *viewerOf(QWidget &owner)
    {
        return owner.findChild<HelpViewer *>(QString(), Qt::FindDirectChildrenOnly);
    }

private slots:
    void init() { qunsetenv("MOONRILL_ASSET_DIR"); }

    void f1InEachWindowOpensItsTopic()
    {
        TestHome home;
        MessageAnswerer answers;
        writeEvents(home, "$$Dentist$$" + dateText(0) + "$$Once$$3$$\r\n");
        frmMain window;
        QVERIFY(window.StartUp());
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The main window's F1 is its Help entry: the contents.
        window.findChild<QAction *>(u"mnuHelpHelp"_s)->trigger();
        QVERIFY(viewerOf(window));
        QCOMPARE(viewerOf(window)->CurrentTopic(), 1);
        QVERIFY(viewerOf(window)->findChild<QTextBrowser *>()->toPlainText().startsWith(
            u"Welcome to Moonrill"_s));

        std::optional<EventFields> line;
        for (int topic : {3, 4}) {
            frmAddEvent editor(line, &window);
            editor.HelpContextID = topic;
            editor.show();
            QVERIFY(QTest::qWaitForWindowExposed(&editor));
            QTest::keyClick(&editor, Qt::Key_F1);
            QVERIFY(viewerOf(editor));
            QCOMPARE(viewerOf(editor)->CurrentTopic(), topic);
        }
        {
            frmFind find(
                window.List(), [&](int row) { window.SelectRow(row); }, &window);
            find.show();
            QVERIFY(QTest::qWaitForWindowExposed(&find));
            QTest::keyClick(&find, Qt::Key_F1);
            QCOMPARE(viewerOf(find)->CurrentTopic(), 6);
        }
        {
            std::vector<MailOffer> mails;
            frmWhatsUp scan(ComputeScan(window.State().Events(), Date::today()).rows, mails,
                            &window);
            scan.show();
            QVERIFY(QTest::qWaitForWindowExposed(&scan));
            QTest::keyClick(&scan, Qt::Key_F1);
            QCOMPARE(viewerOf(scan)->CurrentTopic(), 7);
            scan.accept();
        }
        window.close();
    }

    void oneViewerForTheWholeProgram()
    {
        TestHome home;
        MessageAnswerer answers;
        frmMain window;
        QVERIFY(window.StartUp());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QAction *>(u"mnuHelpHelp"_s)->trigger();
        const QPointer<HelpViewer> viewer = viewerOf(window);
        QVERIFY(viewer);
        // Wholly on the screen's free area.
        QVERIFY(viewer->screen()->availableGeometry().contains(viewer->frameGeometry()));
        {
            std::optional<EventFields> line;
            frmAddEvent editor(line, &window);
            editor.HelpContextID = 3;
            editor.show();
            QVERIFY(QTest::qWaitForWindowExposed(&editor));
            QTest::keyClick(&editor, Qt::Key_F1);
            // The same viewer, held by the editor while it is open, so the editor does not
            // block it.
            QCOMPARE(viewerOf(editor), viewer.data());
            QCOMPARE(viewer->CurrentTopic(), 3);
            editor.reject();
        }
        // Closing the editor leaves the viewer open, back with the main window.
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->parentWidget(), static_cast<QWidget *>(&window));
        QCOMPARE(window.findChildren<HelpViewer *>().size(), 1);
        // It lays its text out to its width: the topic is a document, not fixed lines.
        auto *text = viewer->findChild<QTextBrowser *>();
        QCOMPARE(text->lineWrapMode(), QTextEdit::WidgetWidth);
        QVERIFY(!text->toMarkdown().isEmpty());
        // It goes with the main window.
        window.close();
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

    void theViewerGoesWithItsOwner()
    {
        QPointer<HelpViewer> viewer;
        {
            QWidget owner;
            viewer = ShowHelpTopic(&owner, 12);
            QVERIFY(viewer);
            QCOMPARE(viewer->CurrentTopic(), 12);
            // Asking again turns the same viewer to the new topic.
            QCOMPARE(ShowHelpTopic(&owner, 99), viewer.data());
            QCOMPARE(viewer->CurrentTopic(), 1);
        }
        QVERIFY(viewer.isNull());
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
