// SPDX-License-Identifier: GPL-3.0-or-later
// The list on a calendar server that another client changes while the user's editor is open or
// the delete question waits: every command keeps to the event it named.

#include "MainWindowTestSupport.h"
#include "RadicaleServer.h"

#include "MessageBox.h"

#include <QDate>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

QByteArray phoneEvent(const QByteArray &uid, const QByteArray &summary, int daysAhead)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
           "\r\nDTSTAMP:20261201T100000Z\r\nDTSTART;VALUE=DATE:" +
           QDate::currentDate().addDays(daysAhead).toString(u"yyyyMMdd"_s).toUtf8() +
           "\r\nSUMMARY:" + summary + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

} // namespace

class frmMainSharedListTest : public MainWindowFixture
{
    Q_OBJECT

    std::unique_ptr<Radicale> server;
    std::optional<ScopedEnv> password;
    QUrl calendar;

    /// The window on `content`, synced once with an empty calendar, every event on the server.
    bool startShared(const QByteArray &content)
    {
        server = std::make_unique<Radicale>();
        if (!server->running())
            return false;
        calendar = server->url(u"shared/"_s);
        [&] { QCOMPARE(server->send("MKCALENDAR", calendar, {}) / 100, 2); }();
        start(content);
        const QString secret = home->config.filePath(u"password"_s);
        writeFile(secret, "secret\n");
        QFile(secret).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        password.emplace("MOONRILL_SYNC_PASSWORD_FILE", secret.toStdString());
        writeFile(home->config.filePath(u"moonrill/sync.conf"_s),
                  "[sync]\ncalendar_url=" + calendar.toString().toUtf8() + "\nuser=ann\n");
        [&] { QVERIFY(window->SaveEvents()); }();
        for (const clsEvent &event : window->State().Events())
            [&] {
                QTRY_COMPARE_WITH_TIMEOUT(server->send("GET", objectUrl(event), {}), 200, 20000);
            }();
        QTest::qWait(300); // the sync writes its state after the last object
        return true;
    }
    QUrl objectUrl(const clsEvent &event) const
    {
        return server->url(u"shared/%1.ics"_s.arg(QString::fromStdString(event.Options.Uid)));
    }
    QByteArray uidOf(const char *description) const
    {
        for (const clsEvent &event : window->State().Events())
            if (event.Description == description)
                return QByteArray::fromStdString(event.Options.Uid);
        return {};
    }
    bool shows(const QString &description) { return column(*window, 0).contains(description); }
    /// The phone puts an event under `uid` (a new one, or its version of ours).
    bool phonePuts(const QByteArray &uid, const QByteArray &summary, int daysAhead)
    {
        const QUrl object = server->url(u"shared/%1.ics"_s.arg(QString::fromLatin1(uid)));
        return server->send("PUT", object, phoneEvent(uid, summary, daysAhead)) / 100 == 2;
    }
    /// Every question is answered Yes once `awaited` shows in the list (the sync took it), and
    /// kept in `asked`.
    void yesOnceShown(const QString &awaited)
    {
        SetMessageHook([this, awaited](QMessageBox &box) {
            asked << box.text();
            (void)QTest::qWaitFor([this, &awaited] { return shows(awaited); }, 20000);
            return MsgAnswer::Yes;
        });
    }
    QStringList asked;

private slots:
    void cleanup()
    {
        SetMessageHook({});
        asked.clear();
        finish();
        password.reset();
        server.reset();
    }

    void anEditKeepsToItsEventWhileTheServerChangesTheList()
    {
        if (!startShared("$$Alpha$$" + dateText(1) + "$$Once$$3$$\r\n$$Bravo$$" + dateText(2) +
                         "$$Once$$3$$\r\n$$Charlie$$" + dateText(3) + "$$Once$$3$$\r\n"))
            QSKIP("Radicale (python3 -m radicale) could not start here");
        const QByteArray alpha = uidOf("Alpha");
        const QByteArray charlie = uidOf("Charlie");

        // The phone removes Alpha; the sync a save starts takes it while Bravo's editor is open.
        QCOMPARE(server->send("DELETE",
                              server->url(u"shared/%1.ics"_s.arg(QString::fromLatin1(alpha))), {}) /
                     100,
                 2);
        QVERIFY(window->SaveEvents());
        selectByText(*window, "Bravo");
        EditorScript editBravo({[this](frmAddEvent &editor) {
            QVERIFY(QTest::qWaitFor([this] { return !shows(u"Alpha"_s); }, 20000));
            auto *text = editor.findChild<QLineEdit *>(u"txtDescription"_s);
            text->clear();
            QTest::keyClicks(text, u"Bravo edited"_s);
            ok(editor);
        }});
        window->EditEvent();
        QVERIFY(editBravo.done());
        QCOMPARE(column(*window, 0), (QStringList{u"Bravo edited"_s, u"Charlie"_s}));

        // The phone renames Charlie while the user edits it: both versions stay, and the user
        // hears of it.
        QVERIFY(phonePuts(charlie, "Charlie\\, phone", 3));
        QVERIFY(window->SaveEvents());
        selectByText(*window, "Charlie");
        answers->shown.clear();
        EditorScript editCharlie({[this](frmAddEvent &editor) {
            QVERIFY(QTest::qWaitFor([this] { return shows(u"Charlie, phone"_s); }, 20000));
            QTest::keyClicks(editor.findChild<QLineEdit *>(u"txtDescription"_s), u", mine"_s);
            ok(editor);
        }});
        window->EditEvent();
        QVERIFY(editCharlie.done());
        QStringList names = column(*window, 0);
        names.sort();
        QCOMPARE(names, (QStringList{u"Bravo edited"_s, u"Charlie, mine"_s, u"Charlie, phone"_s}));
        QCOMPARE(answers->texts(),
                 QStringList(u"'Charlie' was changed on the calendar server while you edited "
                             u"it.\nYour edit is kept as an event of its own."_s));
        // Each goes by a UID of its own once saved, and the saved list holds all three.
        QVERIFY(window->SaveEvents());
        QCOMPARE(uidOf("Charlie, phone"), charlie);
        QVERIFY(!uidOf("Charlie, mine").isEmpty());
        QVERIFY(uidOf("Charlie, mine") != charlie);
        const QByteArray saved = readFile(home->home.filePath(u"events.mrl"_s));
        for (const char *name : {"$$Bravo edited$$", "$$Charlie, mine$$", "$$Charlie, phone$$"})
            QVERIFY2(saved.contains(name), name);
        QVERIFY(!saved.contains("$$Bravo$$"));
    }

    void yesDeletesTheEventTheQuestionNamed()
    {
        if (!startShared("$$Bravo$$" + dateText(2) + "$$Once$$3$$\r\n$$Charlie$$" + dateText(3) +
                         "$$Once$$3$$\r\n"))
            QSKIP("Radicale (python3 -m radicale) could not start here");
        // The phone adds Aardvark, which takes the first row, while the question waits.
        QVERIFY(phonePuts("aardvark", "Aardvark", 1));
        QVERIFY(window->SaveEvents());
        selectByText(*window, "Charlie");
        yesOnceShown(u"Aardvark"_s);
        window->DeleteEvent();
        QCOMPARE(asked, QStringList(u"Do you really want to delete 'Charlie'?"_s));
        QCOMPARE(column(*window, 0), (QStringList{u"Aardvark"_s, u"Bravo"_s}));

        // A question whose event the server changes meanwhile deletes nothing.
        const QByteArray bravo = uidOf("Bravo");
        QVERIFY(phonePuts(bravo, "Bravo\\, phone", 2));
        QVERIFY(window->SaveEvents());
        selectByText(*window, "Bravo");
        asked.clear();
        yesOnceShown(u"Bravo, phone"_s);
        window->DeleteEvent();
        QCOMPARE(asked, (QStringList{u"Do you really want to delete 'Bravo'?"_s,
                                     u"'Bravo' was changed on the calendar server while you were "
                                     u"asked, so it was not deleted."_s}));
        QCOMPARE(column(*window, 0), (QStringList{u"Aardvark"_s, u"Bravo, phone"_s}));
    }
};

QTEST_MAIN(frmMainSharedListTest)
#include "frmMainSharedListTest.moc"
