#include "frmMain.h"

#include "Conversions.h"
#include "EventFile.h"
#include "FileSizeLimit.h"
#include "GuiTestSupport.h"
#include "Paths.h"
#include "frmWhatsUp.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include <sys/resource.h>

namespace {

QString autostartEntry(const TestHome &home)
{
    return home.config.filePath(QStringLiteral("autostart/moonrill.desktop"));
}

QAction *action(frmMain &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromLatin1(name));
}

} // namespace

class frmMainStartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStartSetsUpTheLogonScan()
    {
        TestHome home;
        MessageAnswerer answers;
        frmMain window;
        QVERIFY(window.StartUp());
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Moonrill"));
        QVERIFY(answers.shown.empty());
        QVERIFY(action(window, "mnuConfigRunOn")->isChecked());
        QVERIFY(!action(window, "mnuConfigRunOff")->isChecked());
        const QByteArray entry = readFile(autostartEntry(home));
        const QByteArray exec =
            "Exec=" + QByteArray::fromStdString(JoinPath(ExecutableFolder(), "moonrill")) +
            " whatsup\n";
        QVERIFY2(entry.contains(exec), entry.constData());
        // The missing event file now exists, holding the closing empty line.
        QCOMPARE(readFile(home.home.filePath(QStringLiteral("events.mrl"))), QByteArray("\r\n"));
        QCOMPARE(window.HelpContextID, 2);

        auto *config = window.findChild<QMenu *>(QStringLiteral("mnuConfig"));
        QCOMPARE(config->title(), QStringLiteral("&Config"));
        QCOMPARE(window.findChild<QMenu *>(QStringLiteral("mnuConfigRun"))->title(),
                 QStringLiteral("&Run Scan Events On Windows Startup"));

        action(window, "mnuConfigRunOff")->trigger();
        QVERIFY(!QFile::exists(autostartEntry(home)));
        QVERIFY(!action(window, "mnuConfigRunOn")->isChecked());
        QVERIFY(action(window, "mnuConfigRunOff")->isChecked());

        action(window, "mnuConfigRunOn")->trigger();
        QVERIFY(QFile::exists(autostartEntry(home)));
        QVERIFY(action(window, "mnuConfigRunOn")->isChecked());
        QVERIFY(!action(window, "mnuConfigRunOff")->isChecked());
        window.close();
    }

    void laterStartsShowTheEntryAsFound()
    {
        TestHome home;
        MessageAnswerer answers;
        {
            frmMain first;
            QVERIFY(first.StartUp());
            action(first, "mnuConfigRunOff")->trigger();
            first.close();
        }
        {
            frmMain second;
            QVERIFY(second.StartUp());
            QVERIFY(!QFile::exists(autostartEntry(home)));
            QVERIFY(second.findChild<QAction *>(QStringLiteral("mnuConfigRunOff"))->isChecked());
            second.close();
        }
        // An entry pointing anywhere counts as on.
        QDir().mkpath(home.config.filePath(QStringLiteral("autostart")));
        writeFile(autostartEntry(home),
                  "[Desktop Entry]\nType=Application\nExec=/somewhere/else\n");
        frmMain third;
        QVERIFY(third.StartUp());
        QVERIFY(action(third, "mnuConfigRunOn")->isChecked());
        third.close();
    }

    void aSecondInstanceEndsSilently()
    {
        TestHome home;
        MessageAnswerer answers;
        frmMain first;
        QVERIFY(first.StartUp());
        frmMain second;
        QVERIFY(!second.StartUp());
        QVERIFY(second.HasEnded());
        QVERIFY(!second.isVisible());
        QVERIFY(answers.shown.empty());
        first.close();
    }

    void damagedLinesAreReportedOnce()
    {
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(QStringLiteral("events.mrl"));
        writeFile(events, "$$Bad$$soon$$Once$$3$$\r\n$$Later$$2999-01-01$$Once$$3$$\r\n");
        frmMain window;
        QVERIFY(window.StartUp());
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral("Eventlist was corrupt. \n1 line in the event-file has "
                                            "been ignored.\nThe original file is kept as ") +
                             events + QStringLiteral(".bak.")));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(readFile(events + QStringLiteral(".bak")),
                 QByteArray("$$Bad$$soon$$Once$$3$$\r\n$$Later$$2999-01-01$$Once$$3$$\r\n"));
        QCOMPARE(readFile(events), QByteArray("$$Later$$2999-01-01$$Once$$3$$\r\n\r\n"));
        window.close();
    }

    void theBackupExistsBeforeTheMessageSaysSo()
    {
        TestHome home;
        const QString events = home.home.filePath(QStringLiteral("events.mrl"));
        writeFile(events, "$$Bad$$soon$$Once$$3$$\r\n$$Later$$2999-01-01$$Once$$3$$\r\n");
        QByteArray keptWhenShown;
        SetMessageHook([&](QMessageBox &) {
            keptWhenShown = readFile(events + QStringLiteral(".bak"));
            return MsgAnswer::Ok;
        });
        frmMain window;
        QVERIFY(window.StartUp());
        SetMessageHook({});
        QCOMPARE(keptWhenShown,
                 QByteArray("$$Bad$$soon$$Once$$3$$\r\n$$Later$$2999-01-01$$Once$$3$$\r\n"));
        window.close();
    }

    void noBackupMeansTheFileStaysAsItIs()
    {
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(QStringLiteral("events.mrl"));
        // Larger than the file system will let this process write (as a full disk would).
        const QByteArray original =
            "$$Bad$$soon$$Once$$3$$\r\n$$Later$$2999-01-01$$Once$$3$$\r\n" + QByteArray(9000, ' ');
        writeFile(events, original);
        frmMain window;
        {
            const FileSizeLimit limit(8192);
            QVERIFY(window.StartUp());
        }
        QCOMPARE(answers.texts().value(0),
                 QStringLiteral("Eventlist was corrupt. \n2 lines in the event-file has been "
                                "ignored.\nThe original file could not be kept as a backup "
                                "(Cannot write ") +
                     events +
                     QStringLiteral(".bak: File too large), so the file was left as it "
                                    "was."));
        QCOMPARE(readFile(events), original);
        QVERIFY(!QFile::exists(events + QStringLiteral(".bak")));
        window.close();
    }

    void aVersionAnotherProgramWroteIsKeptOnSave()
    {
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(QStringLiteral("events.mrl"));
        writeFile(events, "$$Mine$$2999-01-01$$Once$$3$$\r\n\r\n");
        frmMain window;
        QVERIFY(window.StartUp());
        writeFile(events, "$$Theirs$$2999-01-01$$Once$$3$$\r\n\r\n");
        action(window, "mnuFileSave")->trigger();
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral("The event file was changed by another program. Its "
                                            "version is kept as ") +
                             events + QStringLiteral(".bak.")));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Information);
        QCOMPARE(readFile(events + QStringLiteral(".bak")),
                 QByteArray("$$Theirs$$2999-01-01$$Once$$3$$\r\n\r\n"));
        QCOMPARE(readFile(events), QByteArray("$$Mine$$2999-01-01$$Once$$3$$\r\n\r\n"));
        // Once: saving again says nothing.
        action(window, "mnuFileSave")->trigger();
        QCOMPARE(answers.shown.size(), size_t{1});
        window.close();
    }

    void aStartThatCaughtSomethingUpScansFirst()
    {
        TestHome home;
        MessageAnswerer answers;
        writeFile(home.home.filePath(QStringLiteral(".moonrill-last-seen")),
                  QByteArray::fromStdString(DateToText(Date::today().addDays(-4))) + "\r\n");
        const QByteArray missed = QByteArray::fromStdString(DateToText(Date::today().addDays(-3)));
        writeFile(home.home.filePath(QStringLiteral("events.mrl")),
                  "$$Mum$$" + missed + "$$Birthday$$3$$mum@example.org\r\n");
        frmMain window;
        QStringList rows;
        bool mainWindowShown = true;
        ModalScript<frmWhatsUp> script(
            {[&](frmWhatsUp &scan) {
                 mainWindowShown = window.isVisible();
                 auto *list = scan.findChild<QTreeWidget *>(QStringLiteral("lstWhatsUp"));
                 rows << list->topLevelItem(0)->text(0);
                 scan.accept();
             },
             [&](frmWhatsUp &scan) {
                 auto *list = scan.findChild<QTreeWidget *>(QStringLiteral("lstWhatsUp"));
                 rows << list->topLevelItem(0)->text(0);
                 scan.accept();
             }});
        QVERIFY(window.StartUp());
        QVERIFY(!mainWindowShown);
        QVERIFY(window.isVisible());
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral(
                     "Belated birthday: 'Mum'\nDo you want to e-mail this person?")));
        // The main window's scan shows it again for the rest of the run.
        action(window, "mnuWhatsUp")->trigger();
        QVERIFY(script.done());
        QCOMPARE(rows, QStringList({QStringLiteral("3 days ago:"), QStringLiteral("3 days ago:")}));
        QCOMPARE(readFile(home.home.filePath(QStringLiteral(".moonrill-last-seen"))),
                 QByteArray::fromStdString(DateToText(Date::today())) + "\r\n");
        window.close();
    }

    void aPeriodOutOfRangeLeavesTheFileAlone()
    {
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(QStringLiteral("events.mrl"));
        const QByteArray original = "$$A$$2999-01-01$$Once$$99999$$\r\n";
        writeFile(events, original);
        frmMain window;
        QVERIFY(window.StartUp());
        QCOMPARE(
            answers.texts(),
            QStringList(QStringLiteral(
                "Your action caused an error: Overflow in line 1 of the event file\n\nGo to About "
                "for support")));
        QCOMPARE(readFile(events), original);
        window.close();
    }

    void aFileThatCannotBeCreatedIsASeriousError()
    {
        TestHome home;
        MessageAnswerer answers;
        QVERIFY(QFile::link(home.home.filePath(QStringLiteral("no/such/folder/events.mrl")),
                            home.home.filePath(QStringLiteral("events.mrl"))));
        const QString serious =
            QStringLiteral("A serious error occured!\nIf this continues, please reinstall the "
                           "program!\nCannot create ") +
            home.home.filePath(QStringLiteral("no/such/folder/events.mrl")) +
            QStringLiteral(": No such file or directory");
        frmMain window;
        QVERIFY(window.StartUp());
        QVERIFY(window.isVisible());
        QCOMPARE(answers.texts(), QStringList(serious));
        window.close();
    }

    void confirmSaveAnswers()
    {
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(QStringLiteral("events.mrl"));
        frmMain window;
        QVERIFY(window.StartUp());
        window.State().Insert({"New", Date::today(), "Once", 3, "3", ""}, Date::today());
        window.State().SetSaved(false);

        answers.answers = {MsgAnswer::Cancel};
        window.close();
        QVERIFY(window.isVisible());
        QVERIFY(!window.HasEnded());
        QCOMPARE(answers.texts().last(),
                 QStringLiteral("Eventlist is not saved! Do you want to save?"));
        QCOMPARE(answers.shown.back().icon, QMessageBox::Warning);
        QCOMPARE(answers.shown.back().buttons,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

        // A save that fails shows why and keeps the window, so nothing is lost.
        QFile::remove(events);
        QVERIFY(QDir().mkdir(events));
        QVERIFY(QFile(events + QStringLiteral("/keep")).open(QIODevice::WriteOnly));
        answers.answers = {MsgAnswer::Yes};
        window.close();
        QVERIFY(window.isVisible());
        QVERIFY(answers.texts().last().startsWith(QStringLiteral("Your action caused an error: ")));
        QVERIFY(!window.State().Saved());

        QVERIFY(QDir(events).removeRecursively());
        answers.answers = {MsgAnswer::Yes};
        window.close();
        QVERIFY(window.HasEnded());
        QVERIFY(!window.isVisible());
        QVERIFY(readFile(events).startsWith("$$New$$"));
    }

    void noEndsWithoutSaving()
    {
        TestHome home;
        MessageAnswerer answers;
        frmMain window;
        QVERIFY(window.StartUp());
        window.State().SetSaved(false);
        answers.answers = {MsgAnswer::No};
        QVERIFY(!window.ConfirmSave());
        QVERIFY(window.HasEnded());
        QCOMPARE(answers.shown.size(), size_t(1));
    }

    void anUnsavedChangeOutlivesTheSession_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::newRow("restored") << true;
        QTest::newRow("kept as a backup") << false;
    }

    void anUnsavedChangeOutlivesTheSession()
    {
        QFETCH(bool, restore);
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(QStringLiteral("events.mrl"));
        const QString copy = events + QStringLiteral(".recovery");
        const QByteArray original =
            "$$Alpha$$2999-01-01$$Once$$3$$\r\n$$Beta$$2999-02-01$$Once$$3$$\r\n\r\n";
        const QByteArray changed = "$$Beta$$2999-02-01$$Once$$3$$\r\n\r\n";
        writeFile(events, original);
        {
            frmMain window;
            QVERIFY(window.StartUp());
            answers.answers = {MsgAnswer::Yes};
            action(window, "mnuEventDeleteEvent")->trigger();
            QCOMPARE(readFile(copy), changed);
            // The session ends (a signal, a logout): no question, nothing saved.
            window.EndNow();
            QVERIFY(window.HasEnded());
        }
        QCOMPARE(readFile(events), original);

        answers.shown.clear();
        answers.answers = {restore ? MsgAnswer::Yes : MsgAnswer::No};
        frmMain window;
        QVERIFY(window.StartUp());
        QCOMPARE(answers.texts().first(),
                 QStringLiteral("Moonrill was closed before your changes were saved.\nDo you "
                                "want to restore them?"));
        QCOMPARE(answers.shown.front().icon, QMessageBox::Question);
        QCOMPARE(answers.shown.front().buttons, QMessageBox::Yes | QMessageBox::No);
        if (restore) {
            QCOMPARE(window.State().RowCount(), size_t(1));
            QVERIFY(!window.State().Saved());
            QCOMPARE(readFile(events), original);
            action(window, "mnuFileSave")->trigger();
            QCOMPARE(readFile(events), changed);
        } else {
            QCOMPARE(window.State().RowCount(), size_t(2));
            QCOMPARE(answers.texts().last(), QStringLiteral("The changes that were not saved are "
                                                            "kept as ") +
                                                 events + QStringLiteral(".bak."));
            QCOMPARE(readFile(events + QStringLiteral(".bak")), changed);
        }
        QVERIFY(!QFile::exists(copy));
        window.close();
    }

    void aCopyThatHoldsTheFileOrAnsweredNoIsGone()
    {
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(QStringLiteral("events.mrl"));
        const QString copy = events + QStringLiteral(".recovery");
        // A copy that gives the list the file gives holds nothing unsaved: no question.
        writeFile(events, "$$A$$2999-01-01$$Once$$3$$\r\n\r\n");
        writeFile(copy, "$$A$$2999-01-01$$Once$$3$$\n");
        frmMain window;
        QVERIFY(window.StartUp());
        QVERIFY(answers.shown.empty());
        QVERIFY(!QFile::exists(copy));
        // A change keeps a copy; No at the end drops it with the change.
        answers.answers = {MsgAnswer::Yes, MsgAnswer::No};
        action(window, "mnuEventDeleteAllEvents")->trigger();
        QCOMPARE(readFile(copy), QByteArray("\r\n"));
        window.close();
        QVERIFY(window.HasEnded());
        QVERIFY(!QFile::exists(copy));
        QCOMPARE(readFile(events), QByteArray("$$A$$2999-01-01$$Once$$3$$\r\n\r\n"));
    }

    void savedEndsWithoutAQuestion()
    {
        TestHome home;
        MessageAnswerer answers;
        frmMain window;
        QVERIFY(window.StartUp());
        window.close();
        QVERIFY(window.HasEnded());
        QVERIFY(answers.shown.empty());
    }
};

QTEST_MAIN(frmMainStartUpTest)
#include "frmMainStartUpTest.moc"
