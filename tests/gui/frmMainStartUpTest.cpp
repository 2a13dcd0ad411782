// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEvents.h"
#include "frmMain.h"

#include "AppId.h"
#include "EventFile.h"
#include "FileSizeLimit.h"
#include "MainWindowTestSupport.h"
#include "Text.h"
#include "frmWhatsUp.h"

#include <QDir>
#include <QMessageBox>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

QString autostartEntry(const TestHome &home)
{
    return home.config.filePath(u"autostart/"_s + FromBytes(AppId) + u".desktop"_s);
}

} // namespace

class frmMainStartUpTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void cleanup() { finish(); }

    void firstStartSetsUpTheLogonScan()
    {
        TestHome home;
        MessageAnswerer answers;
        {
            frmMain window;
            QVERIFY(window.StartUp());
            QVERIFY(window.isVisible());
            QVERIFY(answers.shown.empty());
            QVERIFY(action(window, "mnuConfigRunOn")->isChecked());
            QVERIFY(!action(window, "mnuConfigRunOff")->isChecked());
            // The missing event file now exists, holding the closing empty line.
            QCOMPARE(readFile(home.home.filePath(u"events.mrl"_s)), "\r\n"_ba);
            QCOMPARE(window.HelpContextID, 2);
            // Said beside the window: the scans are on, and where they go off.
            const auto *told = window.findChild<QMessageBox *>(u"scansSetUp"_s);
            QVERIFY(told != nullptr && told->isVisible() && !told->isModal());
            QCOMPARE(told->text(), u"Moonrill shows what falls due when you log on, and each "
                                   "morning. To switch this off: Config > Run Scan Events On "
                                   "Windows Startup > Off."_s);

            action(window, "mnuConfigRunOff")->trigger();
            QVERIFY(!QFile::exists(autostartEntry(home)));
            QVERIFY(!action(window, "mnuConfigRunOn")->isChecked());
            QVERIFY(action(window, "mnuConfigRunOff")->isChecked());

            // Saved, the window ends without a question.
            window.close();
            QVERIFY(window.HasEnded());
            QVERIFY(answers.shown.empty());
        }
        // Later starts show the entry as they find it: off stays off, and an entry pointing
        // anywhere counts as on.
        for (const bool elsewhere : {false, true}) {
            if (elsewhere) {
                QDir().mkpath(home.config.filePath(u"autostart"_s));
                writeFile(autostartEntry(home), "[Desktop Entry]\nType=Application\nExec=/else\n");
            }
            frmMain later;
            QVERIFY(later.StartUp());
            QCOMPARE(QFile::exists(autostartEntry(home)), elsewhere);
            QCOMPARE(action(later, "mnuConfigRunOn")->isChecked(), elsewhere);
            QCOMPARE(action(later, "mnuConfigRunOff")->isChecked(), !elsewhere);
            later.close();
        }
    }

    void anEarlierVersionsEntryAndTimerMoveToTheAppId()
    {
        // Set up by a version before the application id: the entry switched off by the
        // desktop, the timer enabled (linked by systemctl enable).
        TestHome home;
        const QDir config(home.config.path());
        const QString units = u"systemd/user/"_s, id = FromBytes(AppId);
        const QByteArray off = "[Desktop Entry]\nType=Application\nExec=/x whatsup\nHidden=true\n";
        QVERIFY(config.mkpath(u"moonrill"_s) && config.mkpath(u"autostart"_s) &&
                config.mkpath(units + u"timers.target.wants"_s));
        writeFile(config.filePath(u"moonrill/first-start-done"_s), "set up once\n");
        writeFile(config.filePath(u"autostart/moonrill.desktop"_s), off);
        writeFile(config.filePath(units + u"moonrill-scan.timer"_s), "timer\n");
        writeFile(config.filePath(units + u"moonrill-scan.service"_s), "service\n");
        QVERIFY(QFile::link(u"../moonrill-scan.timer"_s,
                            config.filePath(units + u"timers.target.wants/moonrill-scan.timer"_s)));
        const ScopedEnv log("MOONRILL_SYSTEMCTL_LOG", home.config.filePath(u"log"_s).toStdString());
        frmMain window;
        QVERIFY(window.StartUp());
        QCOMPARE(readFile(autostartEntry(home)), off);
        QVERIFY(action(window, "mnuConfigRunOff")->isChecked());
        QCOMPARE(readFile(config.filePath(units + id + u"-scan.timer"_s)), "timer\n"_ba);
        QCOMPARE(readFile(config.filePath(units + id + u"-scan.service"_s)), "service\n"_ba);
        // The old names are gone, the link that enabled the old timer too.
        const auto names = [&](const QString &folder) {
            return QDir(config.filePath(folder)).entryList(QDir::Files | QDir::System).join(u' ');
        };
        QCOMPARE(names(u"autostart"_s), id + u".desktop"_s);
        QCOMPARE(names(units), id + u"-scan.service "_s + id + u"-scan.timer"_s);
        QCOMPARE(names(units + u"timers.target.wants"_s), QString());
        QCOMPARE(readFile(home.config.filePath(u"log"_s)),
                 "--user daemon-reload\n--user enable --now " + id.toUtf8() + "-scan.timer\n" +
                     "--user disable --now moonrill-scan.timer\n--user daemon-reload\n");
        window.close();
    }

    void aLoadThatLosesLinesKeepsTheFileFirst_data()
    {
        const QByteArray damaged = "$$Bad$$soon$$Once$$3$$\r\n$$Later$$2999-01-01$$Once$$3$$\r\n";
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("message");  // %1 stands for the file's path
        QTest::addColumn<QByteArray>("after"); // empty: left as it was
        QTest::newRow("damaged")
            << damaged << false
            << u"Eventlist was corrupt. \n1 line in the event-file has been ignored.\nThe "
               "original file is kept as %1.bak."_s
            << QByteArray("$$Later$$2999-01-01$$Once$$3$$\r\n\r\n");
        // Larger than the file system will let this process write (as a full disk would).
        QTest::newRow("no backup") << damaged + QByteArray(9000, ' ') << true
                                   << u"Eventlist was corrupt. \n2 lines in the event-file has "
                                      "been ignored.\nThe original file could not be kept as a "
                                      "backup (Cannot write %1.bak: File too large), so the file "
                                      "was left as it was."_s
                                   << QByteArray();
        QTest::newRow("period out of range")
            << QByteArray("$$A$$2999-01-01$$Once$$99999$$\r\n") << false
            << u"Your action caused an error: Overflow in line 1 of the event file\n\nGo to "
               "About for support"_s
            << QByteArray();
    }

    void aLoadThatLosesLinesKeepsTheFileFirst()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, diskFull);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        TestHome home;
        const QString events = home.home.filePath(u"events.mrl"_s);
        writeFile(events, content);
        // The backup the message names exists by the time it is shown.
        QStringList shown;
        QByteArray keptWhenShown;
        bool critical = false;
        SetMessageHook([&](QMessageBox &box) {
            shown << box.text();
            keptWhenShown = readFile(events + u".bak"_s);
            critical = box.icon() == QMessageBox::Critical;
            return MsgAnswer::Ok;
        });
        frmMain window;
        {
            const std::optional<FileSizeLimit> limit =
                diskFull ? std::optional<FileSizeLimit>(std::in_place, 8192) : std::nullopt;
            QVERIFY(window.StartUp());
        }
        SetMessageHook({});
        QCOMPARE(shown, QStringList(message.replace(u"%1"_s, events)));
        QVERIFY(critical);
        QCOMPARE(readFile(events), after.isEmpty() ? content : after);
        QCOMPARE(keptWhenShown, after.isEmpty() ? QByteArray() : content);
        window.close();
    }

    void aVersionAnotherProgramWroteIsKeptOnSave()
    {
        start("$$Mine$$2999-01-01$$Once$$3$$\r\n\r\n");
        const QString events = home->home.filePath(u"events.mrl"_s);
        writeFile(events, "$$Theirs$$2999-01-01$$Once$$3$$\r\n\r\n");
        action(*window, "mnuFileSave")->trigger();
        QCOMPARE(answers->texts(), QStringList(u"The event file was changed by another program. "
                                               "Its version is kept as "_s +
                                               events + u".bak."_s));
        QCOMPARE(answers->shown[0].icon, QMessageBox::Information);
        QCOMPARE(readFile(events + u".bak"_s), "$$Theirs$$2999-01-01$$Once$$3$$\r\n\r\n"_ba);
        QCOMPARE(readFile(events), "$$Mine$$2999-01-01$$Once$$3$$\r\n\r\n"_ba);
        // Once: saving again says nothing.
        action(*window, "mnuFileSave")->trigger();
        QCOMPARE(answers->shown.size(), size_t{1});
    }

    void aStartThatCaughtSomethingUpScansFirst()
    {
        TestHome home;
        MessageAnswerer answers;
        writeFile(home.home.filePath(u".moonrill-last-seen"_s),
                  QByteArray::fromStdString(DateToText(Date::today().addDays(-4))) + "\r\n");
        const QByteArray missed = QByteArray::fromStdString(DateToText(Date::today().addDays(-3)));
        writeFile(home.home.filePath(u"events.mrl"_s),
                  "$$Mum$$" + missed + "$$Birthday$$3$$mum@example.org\r\n");
        frmMain window;
        QStringList rows;
        bool mainWindowShown = false;
        const auto look = [&](frmWhatsUp &scan) {
            mainWindowShown = mainWindowShown || window.isVisible();
            rows << scan.findChild<QTreeWidget *>(u"lstWhatsUp"_s)->topLevelItem(0)->text(0);
            scan.accept();
        };
        ModalScript<frmWhatsUp> script({look, look});
        QVERIFY(window.StartUp());
        QVERIFY(!mainWindowShown); // the scan came first
        QVERIFY(window.isVisible());
        QCOMPARE(answers.texts(),
                 QStringList(u"Belated birthday: 'Mum'\nDo you want to e-mail this person?"_s));
        // The main window's scan shows it again for the rest of the run.
        action(window, "mnuWhatsUp")->trigger();
        QVERIFY(script.done());
        QCOMPARE(rows, QStringList({u"3 days ago:"_s, u"3 days ago:"_s}));
        QCOMPARE(readFile(home.home.filePath(u".moonrill-last-seen"_s)),
                 QByteArray::fromStdString(DateToText(Date::today())) + "\r\n");
        window.close();
    }

    void confirmSaveAnswers()
    {
        start("");
        const QString events = home->home.filePath(u"events.mrl"_s);
        window->Events().Add(TestEvent("New", Date::today(), "Once", 3), Date::today());
        window->Events().SetSaved(false);

        answers->answers = {MsgAnswer::Cancel};
        window->close();
        QVERIFY(window->isVisible());
        QVERIFY(!window->HasEnded());
        QCOMPARE(answers->texts().last(), u"Eventlist is not saved! Do you want to save?"_s);
        QCOMPARE(answers->shown.back().icon, QMessageBox::Warning);
        QCOMPARE(answers->shown.back().buttons,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

        // A save that fails shows why and keeps the window, so nothing is lost.
        QFile::remove(events);
        QVERIFY(QDir().mkdir(events));
        QVERIFY(QFile(events + u"/keep"_s).open(QIODevice::WriteOnly));
        answers->answers = {MsgAnswer::Yes};
        window->close();
        QVERIFY(window->isVisible());
        QVERIFY(answers->texts().last().startsWith(u"Your action caused an error: "_s));
        QVERIFY(!window->State().Saved());

        QVERIFY(QDir(events).removeRecursively());
        answers->answers = {MsgAnswer::Yes};
        window->close();
        QVERIFY(window->HasEnded());
        QVERIFY(!window->isVisible());
        QVERIFY(readFile(events).startsWith("$$New$$"));
    }

    void anUnsavedChangeNotRestoredIsKeptAsABackup()
    {
        // (Restoring it, after a real signal, is tried on the real program in session_end.sh.)
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(u"events.mrl"_s);
        const QByteArray original =
            "$$Alpha$$2999-01-01$$Once$$3$$\r\n$$Beta$$2999-02-01$$Once$$3$$\r\n\r\n";
        const QByteArray changed = "$$Beta$$2999-02-01$$Once$$3$$\r\n\r\n";
        writeFile(events, original);
        {
            frmMain window;
            QVERIFY(window.StartUp());
            answers.answers = {MsgAnswer::Yes};
            action(window, "mnuEventDeleteEvent")->trigger();
            // The session ends (a signal, a logout): no question, nothing saved.
            window.EndNow();
            QVERIFY(window.HasEnded());
        }
        QCOMPARE(readFile(events), original);

        answers.shown.clear();
        answers.answers = {MsgAnswer::No};
        frmMain window;
        QVERIFY(window.StartUp());
        QCOMPARE(answers.texts(), QStringList({u"Moonrill was closed before your changes were "
                                               "saved.\nDo you want to restore them?"_s,
                                               u"The changes that were not saved are kept as "_s +
                                                   events + u".bak."_s}));
        QCOMPARE(answers.shown.front().icon, QMessageBox::Question);
        QCOMPARE(answers.shown.front().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(window.State().RowCount(), size_t(2));
        QCOMPARE(readFile(events + u".bak"_s), changed);
        QVERIFY(!QFile::exists(events + u".recovery"_s));
        window.close();
    }

    void aCopyThatHoldsTheFileOrAnsweredNoIsGone()
    {
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(u"events.mrl"_s);
        const QString copy = events + u".recovery"_s;
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
        QCOMPARE(readFile(copy), "\r\n"_ba);
        window.close();
        QVERIFY(window.HasEnded());
        QVERIFY(!QFile::exists(copy));
        QCOMPARE(readFile(events), "$$A$$2999-01-01$$Once$$3$$\r\n\r\n"_ba);
    }
};

QTEST_MAIN(frmMainStartUpTest)
#include "frmMainStartUpTest.moc"
