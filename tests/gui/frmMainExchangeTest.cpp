// SPDX-License-Identifier: GPL-3.0-or-later
// Importing birthdays from an address book and exporting the calendar, through the main window.

#include "MainWindowTestSupport.h"
#include "RadicaleServer.h"
#include "TestEvents.h"

#include "CalendarSync.h"
#include "EventListModel.h"
#include "SyncConfig.h"
#include "SyncSettings.h"
#include "frmSync.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString contacts()
{
    return QStringLiteral(MOONRILL_TEST_DATA "/contacts.vcf");
}

/// A server that misbehaves on purpose (tests/e2e/hostile_server.py) in `mode`, on a free
/// loopback port, logging each request with the Authorization it carried.
class HostileServer
{
public:
    explicit HostileServer(const QString &mode)
    {
        m_server.start(u"/usr/bin/python3"_s,
                       {QStringLiteral(MOONRILL_HOSTILE_SERVER), mode, m_folder.filePath(u"port"_s),
                        m_folder.filePath(u"log"_s)});
        for (int i = 0; i < 50 && !QFile::exists(m_folder.filePath(u"port"_s)); ++i)
            QTest::qWait(100);
        m_port = readFile(m_folder.filePath(u"port"_s)).trimmed().toUShort();
    }
    ~HostileServer()
    {
        m_server.kill();
        m_server.waitForFinished();
    }
    [[nodiscard]] QUrl url() const { return QUrl(u"http://127.0.0.1:%1/book/"_s.arg(m_port)); }
    [[nodiscard]] QByteArray log() const { return readFile(m_folder.filePath(u"log"_s)); }
    [[nodiscard]] bool running() const { return m_port != 0; }

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    quint16 m_port = 0;
};

} // namespace

class frmMainExchangeTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void cleanup() { finish(); }

    void importAddsEachNewBirthdayOnceAndSaysWhatItDid()
    {
        start("$$Dentist$$" + dateText(3) + "$$Once$$3$$\r\n");
        ModalScript<QFileDialog> dialog({[](QFileDialog &d) { d.reject(); }});
        action(*window, "mnuFileImportBirthdays")->trigger();
        QVERIFY(dialog.done());
        QVERIFY(answers->shown.empty());

        window->ImportBirthdaysFrom(contacts());
        QCOMPARE(answers->texts(), QStringList(u"Birthdays imported: 9\nAlready in the list: 1\n"
                                               "Contacts without a birthday: 2"_s));
        QCOMPARE(answers->shown[0].icon, QMessageBox::Information);
        QCOMPARE(window->List().rowCount(), 10);
        QVERIFY(!window->State().Saved());
        const int maja = rowOf(*window, "Maja Lindqvist");
        QCOMPARE(window->State().RecordOfRow(size_t(maja)).BirthYear, int16_t(1955));
        QCOMPARE(window->State().RecordOfRow(size_t(maja)).Email,
                 std::string("maja@lindqvist.example"));

        // The same book again adds nothing.
        answers->shown.clear();
        window->ImportBirthdaysFrom(contacts());
        QCOMPARE(answers->texts(), QStringList(u"Birthdays imported: 0\nAlready in the list: 10\n"
                                               "Contacts without a birthday: 2"_s));
        QCOMPARE(window->List().rowCount(), 10);
    }

    void aFileThatIsNoAddressBookAndAFullListAddNothing()
    {
        start("");
        const QString other = home->home.filePath(u"notes.vcf"_s);
        writeFile(other, "Name,Birthday\nAnn,1956-03-04\n");
        window->ImportBirthdaysFrom(other);
        QCOMPARE(answers->texts(),
                 QStringList(other + u" is not an address book: it holds no contact."_s));
        QCOMPARE(answers->shown[0].icon, QMessageBox::Critical);
        QVERIFY(window->State().Saved());

        for (int i = 0; i < EventState::Limit - 5; ++i)
            (void)window->Events().Add(TestEvent("E" + std::to_string(i), Date::today(), "Once", 0),
                                       Date::today());
        answers->shown.clear();
        window->ImportBirthdaysFrom(contacts());
        QCOMPARE(answers->texts(),
                 QStringList(u"The address book holds 9 new birthdays, but the list "
                             "has room for 5 more events.\nNothing was imported."_s));
        QCOMPARE(int(window->State().EventCount()), EventState::Limit - 5);
    }

    void aCalendarFileAddsWhatTheListCanHoldOnceAllOrNothing()
    {
        start("");
        ModalScript<QFileDialog> dialog({[](QFileDialog &d) { d.reject(); }});
        action(*window, "mnuFileImportCalendar")->trigger();
        QVERIFY(dialog.done());
        QCOMPARE(action(*window, "mnuFileImportCalendar")->text(), u"Import &Calendar..."_s);
        const QByteArray year = QByteArray::number(QDate::currentDate().year() + 1);
        const QString file = home->home.filePath(u"other.ics"_s);
        writeFile(file, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n"
                        "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Club\r\nDTSTART;VALUE=DATE:" +
                            year +
                            "0105\r\nRRULE:FREQ=MONTHLY;BYDAY=1TU\r\nEND:VEVENT\r\n"
                            "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Yoga\r\nDTSTART;VALUE=DATE:" +
                            year +
                            "0105\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\nEND:VEVENT\r\n"
                            "END:VCALENDAR\r\n");
        window->ImportCalendarFrom(file);
        QCOMPARE(answers->texts(),
                 QStringList(u"Events imported: 1\nAlready in the list: 0\nOne-time events "
                             "already over: 0\nLeft out, the list cannot hold them (1): Yoga (a "
                             "rule with an end)"_s));
        QCOMPARE(window->List().rowCount(), 1);
        QVERIFY(!window->State().Saved());
        QVERIFY(window->State().Events()[0].Occurs.starts_with("Monthly on the first "));
        answers->shown.clear();
        window->ImportCalendarFrom(file);
        QVERIFY(answers->texts().value(0).startsWith(
            u"Events imported: 0\nAlready in the list: 1\n"_s));
        QCOMPARE(window->List().rowCount(), 1);

        const QString notes = home->home.filePath(u"notes.ics"_s);
        writeFile(notes, "Dentist on Tuesday\n");
        answers->shown.clear();
        window->ImportCalendarFrom(notes);
        QCOMPARE(answers->texts(),
                 QStringList(notes + u" is not a calendar: it holds no event."_s));
        for (int i = 1; i < EventState::Limit; ++i)
            (void)window->Events().Add(TestEvent("E" + std::to_string(i), Date::today(), "Once", 0),
                                       Date::today());
        writeFile(file, "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Fair\r\n"
                        "DTSTART;VALUE=DATE:" +
                            year + "0105\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        answers->shown.clear();
        window->ImportCalendarFrom(file);
        QCOMPARE(answers->texts(),
                 QStringList(u"The calendar holds 1 new events, but the list has room for 0 more "
                             "events.\nNothing was imported."_s));
        QCOMPARE(int(window->State().EventCount()), EventState::Limit);
    }

    void exportWritesEveryEventAndSaysSo()
    {
        start("$$Dentist$$" + dateText(3) + "$$Once$$3$$\r\n$$Mum$$" + dateText(5) +
              "$$Birthday$$2$$mum@example.org$$1956\r\n");
        ModalScript<QFileDialog> dialog({[](QFileDialog &d) { d.reject(); }});
        action(*window, "mnuFileExportCalendar")->trigger();
        QVERIFY(dialog.done());

        const QString path = home->home.filePath(u"moonrill.ics"_s);
        window->ExportCalendarTo(path);
        QCOMPARE(answers->texts(),
                 QStringList(u"The calendar was written to "_s + path + u": 2 events."_s));
        // The saved list keeps the UIDs at once, for the next export to repeat.
        const QByteArray saved = readFile(home->home.filePath(u"events.mrl"_s));
        QCOMPARE(saved.count("$$uid=moonrill-"), 2);
        QVERIFY(saved.contains("$$Once$$3$$$$$$uid=moonrill-"));
        QVERIFY(window->State().Saved());
        window->Events().Add(TestEvent("Far", Date::fromYmd(3001, 1, 1), "Once", 3), Date::today());
        answers->shown.clear();
        window->ExportCalendarTo(path);
        QCOMPARE(answers->texts().value(0).section(u'\n', 1),
                 u"1 event dated after the year 3000 was left out: calendar programs cannot read "
                 "such dates."_s);
        // (What a calendar makes of the file is read back with libical in CalendarExportTest.)
        const QByteArray text = readFile(path);
        QCOMPARE(text.count("BEGIN:VEVENT"), 2);
        QVERIFY(text.contains("SUMMARY:Mum"));
        QVERIFY(text.contains("DESCRIPTION:Year of birth: 1956"));
        QVERIFY(window->State().Saved());
    }

    void anExportKeptUpToDateIsRewrittenAtEverySave()
    {
        start("$$Dentist$$" + dateText(3) + "$$Once$$3$$\r\n");
        const QString path = home->home.filePath(u"kept.ics"_s);
        for (const bool keepIt : {true, false}) {
            ModalScript<QFileDialog> dialog({[&](QFileDialog &d) {
                auto *keep = d.findChild<QCheckBox *>(u"chkKeepUpToDate"_s);
                QCOMPARE(keep->isChecked(), !keepIt); // as the last export left it
                keep->setChecked(keepIt);
                d.setOption(
                    QFileDialog::DontConfirmOverwrite); // the second export replaces the first
                d.selectFile(path);
                static_cast<QDialog &>(d).accept();
            }});
            action(*window, "mnuFileExportCalendar")->trigger();
            QVERIFY(dialog.done());
            window->Events().Add(
                TestEvent(keepIt ? "Dentist again" : "Not kept", Date::today(), "Once", 3),
                Date::today());
            window->SaveEvents();
            QCOMPARE(readFile(path).contains("SUMMARY:Dentist again"), true);
            QCOMPARE(readFile(path).contains("SUMMARY:Not kept"), false);
        }
    }

    void birthdaysComeFromTheAddressBookOnTheServer()
    {
        Radicale server;
        if (!server.running())
            QSKIP("Radicale (python3 -m radicale) could not start here");
        const QUrl book = server.url(u"contacts/"_s);
        QCOMPARE(server.send("MKCOL", book,
                             "<?xml version=\"1.0\"?><mkcol xmlns=\"DAV:\" xmlns:C=\""
                             "urn:ietf:params:xml:ns:carddav\"><set><prop><resourcetype>"
                             "<collection/><C:addressbook/></resourcetype></prop></set></mkcol>"),
                 201);
        for (const char *card :
             {"UID:1\r\nN:;Ann;;;\r\nFN:Ann\r\nBDAY:1990-03-04", "UID:2\r\nN:;Bob;;;\r\nFN:Bob",
              "UID:3\r\nN:;;;;\r\nFN:\r\nORG:Acme Inc.\r\nBDAY:--0229"})
            QCOMPARE(server.send("PUT", server.url(u"contacts/%1.vcf"_s.arg(card[4])),
                                 QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\n") + card +
                                     "\r\nEND:VCARD\r\n"),
                     201);
        start("");
        writeFile(home->config.filePath(u"moonrill/sync.conf"_s),
                  "[sync]\naddressbook_url=" + book.toString().toUtf8() + "\nuser=ann\n");
        const ScopedEnv passwordFile = privatePassword(home->config);
        for (int round = 0; round < 2; ++round) {
            answers->answers = {MsgAnswer::Yes};
            window->ImportBirthdays();
            QCOMPARE(answers->texts().value(0), u"Import the birthdays of the address book at "_s +
                                                    book.toString() +
                                                    u"?\nNo picks a file instead."_s);
            // A second import adds nothing twice.
            QCOMPARE(answers->texts().value(1),
                     round == 0 ? u"Birthdays imported: 2\nAlready in the list: 0\n"
                                  "Contacts without a birthday: 1"_s
                                : u"Birthdays imported: 0\nAlready in the list: 2\n"
                                  "Contacts without a birthday: 1"_s);
            answers->shown.clear();
        }
        QCOMPARE(column(*window, 0).size(), 2);
        QVERIFY(column(*window, 0).contains(u"Acme Inc."_s));
        // Renamed on the card, Ann's birthday is updated in place: the card's UID is kept.
        QCOMPARE(server.send("PUT", server.url(u"contacts/1.vcf"_s),
                             "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:1\r\nN:;Ann;;;\r\n"
                             "FN:Ann Smith\r\nBDAY:1990-03-04\r\nEND:VCARD\r\n"),
                 201);
        answers->answers = {MsgAnswer::Yes};
        window->ImportBirthdays();
        QCOMPARE(answers->texts().value(1), u"Birthdays imported: 0\nAlready in the list: 2\n"
                                            "Contacts without a birthday: 1"_s);
        QCOMPARE(column(*window, 0).size(), 2);
        QVERIFY(column(*window, 0).contains(u"Ann Smith"_s));
        QVERIFY(!column(*window, 0).contains(u"Ann"_s));
    }

    void theListTakesWhatThePhonePutAndAsksBeforeEmptying()
    {
        Radicale server;
        if (!server.running())
            QSKIP("Radicale (python3 -m radicale) could not start here");
        const QUrl calendar = server.url(u"shared/"_s);
        QCOMPARE(server.send("MKCALENDAR", calendar, {}), 201);
        const QByteArray date = QDate::currentDate().addDays(5).toString(u"yyyyMMdd"_s).toUtf8();
        for (const char *name : {"Dentist", "Club", "Tax"})
            QCOMPARE(server.send("PUT", server.url(u"shared/%1.ics"_s.arg(QLatin1String(name))),
                                 "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n"
                                 "BEGIN:VEVENT\r\nUID:" +
                                     QByteArray(name) +
                                     "\r\nDTSTAMP:20261201T100000Z\r\n"
                                     "DTSTART:" +
                                     date + "T093000\r\nSUMMARY:" + name +
                                     "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"),
                     201);
        start("");
        writeFile(home->config.filePath(u"moonrill/sync.conf"_s),
                  "[sync]\ncalendar_url=" + calendar.toString().toUtf8() + "\nuser=ann\n");
        const ScopedEnv passwordFile = privatePassword(home->config);
        QVERIFY(window->SaveEvents());
        // The phone's events come into the list and the file, and are said once by name.
        QTRY_COMPARE_WITH_TIMEOUT(column(*window, 0).size(), 3, 20000);
        QVERIFY(readFile(home->home.filePath(u"events.mrl"_s)).contains("$$Club$$"));
        QTRY_VERIFY(window->findChild<QMessageBox *>(u"syncNews"_s) != nullptr);
        QCOMPARE(window->findChild<QMessageBox *>(u"syncNews"_s)->text(),
                 u"Taken from the calendar server (3): Club, Dentist, Tax"_s);
        // The calendar emptied on the phone: the window asks, and No puts the events back.
        for (const char *name : {"Dentist", "Club", "Tax"})
            QCOMPARE(
                server.send("DELETE", server.url(u"shared/%1.ics"_s.arg(QLatin1String(name))), {}),
                200);
        answers->answers = {MsgAnswer::No};
        QVERIFY(window->SaveEvents());
        QTRY_COMPARE_WITH_TIMEOUT(answers->texts().size(), 1, 20000);
        QVERIFY(answers->texts().value(0).startsWith(
            u"The calendar on the server is empty now, but the list still holds its 3 events."_s));
        QTRY_COMPARE_WITH_TIMEOUT(server.send("GET", server.url(u"shared/Tax.ics"_s), {}), 200,
                                  20000);
        QCOMPARE(column(*window, 0).size(), 3);
    }

    void aPullWhileChangesWaitGoesToTheFileAndKeepsTheChanges()
    {
        Radicale server;
        if (!server.running())
            QSKIP("Radicale (python3 -m radicale) could not start here");
        const QUrl calendar = server.url(u"shared/"_s);
        QCOMPARE(server.send("MKCALENDAR", calendar, {}), 201);
        start("$$Rent$$" + dateText(9) + "$$Monthly$$3$$\r\n$$Tax$$" + dateText(20) +
              "$$Yearly$$3$$\r\n");
        writeFile(home->config.filePath(u"moonrill/sync.conf"_s),
                  "[sync]\ncalendar_url=" + calendar.toString().toUtf8() + "\nuser=ann\n");
        const ScopedEnv passwordFile = privatePassword(home->config);
        QVERIFY(window->SaveEvents());
        const QString events = home->home.filePath(u"events.mrl"_s);
        // The phone renames Tax, once the list is on the server.
        const QByteArray uid = QByteArray::fromStdString(window->State().Events()[1].Options.Uid);
        QVERIFY(!uid.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(
            server.send("GET", server.url(u"shared/%1.ics"_s.arg(QString::fromLatin1(uid))), {}),
            200, 20000);
        QTest::qWait(200);
        QCOMPARE(server.send("PUT", server.url(u"shared/%1.ics"_s.arg(QString::fromLatin1(uid))),
                             "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT"
                             "\r\nUID:" +
                                 uid + "\r\nDTSTAMP:20261201T100000Z\r\nDTSTART;VALUE=DATE:" +
                                 QDate::currentDate().addDays(20).toString(u"yyyyMMdd"_s).toUtf8() +
                                 "\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Tax\\, phone\r\nEND:VEVENT\r\n"
                                 "END:VCALENDAR\r\n"),
                 201);
        // A save starts a sync; before it comes back, the user renames Tax too and does not
        // save. The file takes the phone's version, the window keeps the user's beside it, not
        // saved yet and in the recovery copy.
        QVERIFY(window->SaveEvents());
        clsEvent mine = window->State().Events()[1];
        mine.Description = "Tax, mine";
        window->Events().Replace(window->Events().RefOf(window->State().Events()[1]), Written(mine),
                                 Date::today());
        window->Events().SetSaved(false);
        QTRY_VERIFY_WITH_TIMEOUT(column(*window, 0).contains(u"Tax, phone"_s), 20000);
        QVERIFY(column(*window, 0).contains(u"Tax, mine"_s));
        QVERIFY(!window->State().Saved());
        QVERIFY(readFile(events).contains("$$Tax, phone$$"));
        QVERIFY(!readFile(events).contains("Tax, mine"));
        QVERIFY(readFile(events + u".recovery"_s).contains("Tax, mine"));
        QTRY_VERIFY(window->findChild<QMessageBox *>(u"syncNews"_s) != nullptr);
        QVERIFY(window->findChild<QMessageBox *>(u"syncNews"_s)->text().contains(u"Tax, mine"_s));
    }

    void anAddressBookServerThatMisbehavesCostsNoContactAndNoPassword()
    {
        HostileServer other(u"ok"_s);
        HostileServer redirect(u"redirect:"_s + other.url().toString());
        HostileServer bomb(u"entities"_s);
        HostileServer odd(u"carddav-odd"_s);
        if (!other.running() || !redirect.running() || !bomb.running() || !odd.running())
            QSKIP("the test server (python3) could not start here");
        start("");
        const ScopedEnv passwordFile = privatePassword(home->config);
        const auto import = [this](const HostileServer &server) {
            writeFile(home->config.filePath(u"moonrill/sync.conf"_s),
                      "[sync]\naddressbook_url=" + server.url().toString().toUtf8() +
                          "\nuser=ann\n");
            answers->shown.clear();
            answers->answers = {MsgAnswer::Yes};
            window->ImportBirthdays();
            return answers->texts().value(1);
        };
        // Sent on to another port: not followed, and the password never reaches it.
        QCOMPARE(import(redirect),
                 u"The address book could not be read: the server sent the request on to "_s +
                     other.url().toString() +
                     u"; Moonrill sends the password only to the address set (http://127.0.0.1:"_s +
                     QString::number(redirect.url().port()) + u"), so it was not followed"_s);
        QCOMPARE(other.log(), QByteArray());
        // Entities are never expanded.
        QCOMPARE(import(bomb), u"The address book could not be read: the server's answer is no "
                               "address book it can read"_s);
        // A card of another shape in the middle: the ones after it are read all the same.
        QCOMPARE(import(odd), u"Birthdays imported: 2\nAlready in the list: 0\n"
                              "Contacts without a birthday: 0"_s);
        QVERIFY(column(*window, 0).contains(u"Carl Third"_s));
    }

    void theTestButtonTellsACalendarFromAnAccountAndOffersItsCalendars()
    {
        Radicale server;
        if (!server.running())
            QSKIP("Radicale (python3 -m radicale) could not start here");
        QCOMPARE(server.send("MKCALENDAR", server.url(u"family/"_s),
                             "<?xml version=\"1.0\"?><C:mkcalendar xmlns:D=\"DAV:\" "
                             "xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><D:set><D:prop>"
                             "<D:displayname>Family</D:displayname></D:prop></D:set>"
                             "</C:mkcalendar>"),
                 201);
        start("");
        CalendarSync publishing;
        frmSync dialog(publishing, window.get());
        auto *calendar = dialog.findChild<QLineEdit *>(u"txtCalendar"_s);
        auto *calendars = dialog.findChild<QComboBox *>(u"cboCalendars"_s);
        auto *status = dialog.findChild<QLabel *>(u"lblStatus"_s);
        auto *test = dialog.findChild<QPushButton *>(u"cmdTest"_s);
        dialog.findChild<QLineEdit *>(u"txtUser"_s)->setText(u"ann"_s);
        dialog.findChild<QLineEdit *>(u"txtPassword"_s)->setText(u"secret"_s);
        // The account's own address: no calendar, but the one it holds is offered by name.
        calendar->setText(server.url(QString()).toString());
        test->click();
        QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 10000);
        QCOMPARE(status->text(), u"This address is an account, not a calendar. Choose one of "
                                 "its calendars (1) in the list above."_s);
        QVERIFY(calendars->isVisibleTo(&dialog));
        QCOMPARE(calendars->count(), 2);
        QCOMPARE(calendars->itemText(1), u"Family"_s);
        calendars->setCurrentIndex(1);
        emit calendars->activated(1);
        QCOMPARE(calendar->text(), server.url(u"family/"_s).toString());
        QCOMPARE(status->text(), u"Calendar chosen: Family. OK syncs the list with it; Test asks "
                                 "it first."_s);
        test->click();
        QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 10000);
        QCOMPARE(status->text(), u"A calendar is there (Family): its events can be synced."_s);
        QVERIFY(!calendars->isVisibleTo(&dialog));
        // A wrong password is said, not taken for a calendar.
        dialog.findChild<QLineEdit *>(u"txtPassword"_s)->setText(u"wrong"_s);
        test->click();
        QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 10000);
        QCOMPARE(status->text(), u"The server did not accept the user name and password"_s);
        // An address with nothing there is said as what the server answered.
        dialog.findChild<QLineEdit *>(u"txtPassword"_s)->setText(u"secret"_s);
        calendar->setText(server.url(u"nothing/here/"_s).toString());
        test->click();
        QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 10000);
        QCOMPARE(status->text(), u"Nothing there: the server answered 404 Not Found"_s);
        // Where nothing is, a calendar can be made, and then Test finds it by its name.
        auto *make = dialog.findChild<QPushButton *>(u"cmdMake"_s);
        QVERIFY(make->isVisibleTo(&dialog));
        calendar->setText(server.url(u"work/"_s).toString());
        make->click();
        QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 10000);
        QCOMPARE(status->text(), u"A calendar was made (work): its events can be synced."_s);
        QVERIFY(!make->isVisibleTo(&dialog));
        test->click();
        QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 10000);
        QCOMPARE(status->text(), u"A calendar is there (work): its events can be synced."_s);
        // What OK keeps reads back as typed, on the window's road and on the logon scan's.
        const QString odd = u"http://127.0.0.1:5232/cal;1/a,b/"_s;
        calendar->setText(odd);
        dialog.findChild<QLineEdit *>(u"txtUser"_s)
            ->setText(u"CORP\\ann, Doe;x #1 = M\u00fcller"_s);
        dialog.findChild<QLineEdit *>(u"txtPassword"_s)->clear();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const SyncConfig kept = ReadSyncConfig();
        QCOMPARE(QString::fromStdString(kept.calendarUrl), odd);
        QCOMPARE(QString::fromStdString(kept.user), u"CORP\\ann, Doe;x #1 = M\u00fcller"_s);
        QCOMPARE(SyncSettings::Read().calendar, QUrl(odd));
        QVERIFY(SyncIsSet());
    }

    void theSyncDialogKeepsThePasswordFromReadersAndOkHasAKeyOfItsOwn()
    {
        start("");
        CalendarSync publishing;
        frmSync dialog(publishing, window.get());
        showAndWait(dialog);
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // A screen reader gets a bullet for each character typed, and no text it could spell:
        // the bus sends what is typed into a field only through its text interface.
        auto *password = dialog.findChild<QLineEdit *>(u"txtPassword"_s);
        password->setFocus();
        QTest::keyClicks(password, u"s3cret"_s);
        QTest::keyClick(password, Qt::Key_Backspace);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(password);
        QCOMPARE(face->text(QAccessible::Name), u"Password:"_s);
        QCOMPARE(face->text(QAccessible::Value), QString(5, QChar(0x2022)));
        QVERIFY(face->state().passwordEdit);
        QCOMPARE(face->textInterface(), nullptr);
        for (const QAccessible::Text kind :
             {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
            QVERIFY(!face->text(kind).contains(u"s3cr"_s));
        // Alt+O is OK's, wherever the keyboard is; the field it is in takes no "o".
        password->clear();
        auto *book = dialog.findChild<QLineEdit *>(u"txtAddressBook"_s);
        book->setFocus();
        QTest::keyClick(book, Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(book->text(), QString());
    }

    void whatAKilledExportLeftIsClearedByTheNextExportOrStart()
    {
        start("$$Dentist$$" + dateText(3) + "$$Once$$3$$\r\n");
        // The temporary file of an export whose process is gone, beside another calendar file,
        // and one of another program's that is no calendar.
        const pid_t gone = ::fork();
        if (gone == 0)
            ::_exit(0);
        ::waitpid(gone, nullptr, 0);
        const QString stale = home->home.filePath(u"old.ics.tmp-%1-0"_s.arg(gone));
        const QString other = home->home.filePath(u"notes.txt.tmp-%1-0"_s.arg(gone));
        writeFile(stale, QByteArray(1000, 'x'));
        writeFile(other, "kept");
        window->ExportCalendarTo(home->home.filePath(u"moonrill.ics"_s));
        QVERIFY(!QFile::exists(stale));
        QVERIFY(QFile::exists(other));
        // The next start looks beside the last calendar exported.
        writeFile(stale, QByteArray(1000, 'x'));
        window->Events().SetSaved(true);
        window.reset();
        frmMain next;
        QVERIFY(next.StartUp());
        QVERIFY(!QFile::exists(stale));
        next.close();
    }
};

QTEST_MAIN(frmMainExchangeTest)
#include "frmMainExchangeTest.moc"
