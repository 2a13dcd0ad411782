// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmWhatsUp.h"
#include "TestEvents.h"

// moc cannot parse the C++20 library headers under these.
#ifndef Q_MOC_RUN
#include "Conversions.h"
#include "LogonScan.h"
#include "MutedText.h"
#include "ScanComputation.h"
#include "WhatsUpScreens.h"
#endif

#include "GuiTestSupport.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const Date Today = Date::today();

clsEvent makeEvent(const char *id, const char *description, int daysAhead, const char *email = "")
{
    return clsEvent{id, description, Today.addDays(daysAhead), "Birthday", 5, email};
}

QByteArray dateText(int daysAhead)
{
    return QByteArray::fromStdString(DateToText(Today.addDays(daysAhead)));
}

/// Whether a row's text is set apart from the list's text and still reads on its background.
bool mutedAndReadable(const QTreeWidget &list, const QTreeWidgetItem &row)
{
    const QColor shown = row.foreground(2).color();
    return shown != list.palette().color(QPalette::Text) &&
           ContrastRatio(shown, list.palette().color(QPalette::Base)) >= 4.5;
}

} // namespace

class frmWhatsUpTest : public QObject
{
    Q_OBJECT

private:
    std::vector<ScanRow> rows;
    std::vector<MailOffer> mails;

    /// Shows the window and waits until its opening steps have run.
    static void open(frmWhatsUp &window)
    {
        showAndWait(window);
        QTest::qWait(50);
    }

private slots:
    void init()
    {
        qunsetenv("MOONRILL_ASSET_DIR");
        // Bob was born 71 years before this year's date: his row, question and mail say so.
        clsEvent bob = makeEvent("ID3", "Bob", 0, "bob+x@example.org?cc=e@v.il");
        bob.BirthYear = int16_t(Today.year() - 71);
        const ScanResult result = ComputeScan(
            {makeEvent("ID0", "In ten", 3), makeEvent("ID1", "Ann's day", 0, "ann@example.org"),
             makeEvent("ID2", "Tomorrow", 1), bob, makeEvent("ID4", "Plain today", 0)},
            Today);
        rows = result.rows;
        mails = result.birthdayMails;
    }

    void rowsOrderAndEmphasis()
    {
        MessageAnswerer answers;
        LinkCatcher links;
        frmWhatsUp window(rows, mails);
        open(window);
        auto *list = window.findChild<QTreeWidget *>(u"lstWhatsUp"_s);
        QCOMPARE(list->columnCount(), 3);
        // The rows as the scan gives them (its own tests hold what they say), today's emphasised.
        QCOMPARE(list->topLevelItemCount(), 5);
        for (int i = 0; i < 5; ++i) {
            QTreeWidgetItem *item = list->topLevelItem(i);
            QCOMPARE(item->text(0) + item->text(1) + item->text(2),
                     QString::fromStdString(WhenText(rows[size_t(i)].Days) + rows[size_t(i)].Date +
                                            rows[size_t(i)].Description));
            QCOMPARE(item->font(2).bold(), i < 3);
            QCOMPARE(item->foreground(0).color() == QColor(255, 0, 0), i < 3);
        }
        QCOMPARE(list->topLevelItem(1)->text(2), u"Bob (71)"_s);
        // A reader starts on the first row, with nothing selected, and hears with OK what is due.
        QCOMPARE(list->currentIndex().row(), 0);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(window.findChild<QPushButton *>(u"cmdOk"_s)->accessibleDescription(),
                 u"Upcoming: Today: Ann's day; Today: Bob (71); Today: Plain today; Tomorrow: "
                 "Tomorrow; In 3 days: In ten"_s);

        // The bells' background is transparent, so they sit on any theme's window colour.
        const QImage bell = window.findChild<QLabel *>(u"Animation1"_s)->pixmap().toImage();
        QVERIFY(!bell.isNull());
        QCOMPARE(qAlpha(bell.pixel(0, 0)), 0);
        int drawn = 0;
        for (int y = 0; y < bell.height(); ++y)
            for (int x = 0; x < bell.width(); ++x)
                drawn += qAlpha(bell.pixel(x, y)) == 255 ? 1 : 0;
        QVERIFY2(drawn > bell.width() * bell.height() / 10, "the bell itself is drawn");

        // Header clicks change nothing.
        QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {},
                          QPoint(list->header()->sectionPosition(2) + 5, 5));
        QCOMPARE(list->topLevelItem(4)->text(0), u"In 3 days:"_s);
        window.accept();
    }

    void birthdayOffersAnsweredYesAndNo()
    {
        MessageAnswerer answers;
        answers.answers = {MsgAnswer::No, MsgAnswer::Yes};
        LinkCatcher links;
        frmWhatsUp window(rows, mails);
        open(window);
        QCOMPARE(answers.texts(),
                 QStringList({u"Birthday: 'Ann's day'\nDo you want to e-mail this person?"_s,
                              u"Birthday: 'Bob' turns 71\nDo you want to e-mail this person?"_s}));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Question);
        QCOMPARE(answers.shown[0].title, u"Moonrill"_s);
        QCOMPARE(answers.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(links.opened.size(), 1);
        const QUrl mail = links.opened[0];
        QCOMPARE(mail.scheme(), u"mailto"_s);
        // The address stays one address: its "?" and "=" do not become headers.
        QCOMPARE(mail.path(), u"bob+x@example.org?cc=e@v.il"_s);
        QCOMPARE(mail.query(QUrl::FullyDecoded), u"subject=Happy 71st birthday!"_s);
        QCOMPARE(mail.toString(QUrl::FullyEncoded),
                 u"mailto:bob+x@example.org%3Fcc%3De@v.il?subject=Happy%2071st%20birthday!"_s);

        // Activating the window again does not repeat the opening steps.
        window.hide();
        window.show();
        QTest::qWait(50);
        QCOMPARE(answers.shown.size(), size_t(2));

        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(mails.empty());
    }

    void aMailNoProgramCanOpenIsSaidWithItsAddressOnTheClipboard()
    {
        MessageAnswerer answers;
        answers.answers = {MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Ok};
        LinkCatcher links(/*noMail=*/true);
        frmWhatsUp window(rows, mails);
        open(window);
        QVERIFY(links.opened.isEmpty());
        QCOMPARE(answers.texts().value(2),
                 u"No e-mail program could open a mail to bob+x@example.org?cc=e@v.il.\n"
                 u"The address is on the clipboard, to write to it another way."_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"bob+x@example.org?cc=e@v.il"_s);
        window.accept();
    }

    void missedRowsAreSetApartAndReadOnLightAndDarkPalettes()
    {
        const ScanResult scan = ComputeScan({}, Today, {TestMissed("Trip", Today.addDays(-2))});
        const QPalette before = QApplication::palette();
        for (const auto &[text, base] :
             {std::pair{Qt::black, Qt::white}, std::pair{Qt::white, Qt::black}}) {
            QPalette palette = before;
            palette.setColor(QPalette::Text, text);
            palette.setColor(QPalette::Base, base);
            QApplication::setPalette(palette);
            std::vector<MailOffer> none;
            frmWhatsUp window(scan.rows, none);
            auto *list = window.findChild<QTreeWidget *>(u"lstWhatsUp"_s);
            QVERIFY(mutedAndReadable(*list, *list->topLevelItem(0)));
        }
        QApplication::setPalette(before);
    }

    void todayAndMissedRowsStandApartInEveryStyleAndPalette()
    {
        const ScanResult scan = ComputeScan({makeEvent("ID0", "Dentist", 0)}, Today,
                                            {TestMissed("Trip", Today.addDays(-2))});
        const QString before = QApplication::style()->name();
        for (const QString &style : {u"Fusion"_s, u"Adwaita"_s, u"Adwaita-Dark"_s}) {
            if (!QStyleFactory::keys().contains(style, Qt::CaseInsensitive))
                continue; // adwaita-qt6 gives the two Adwaita styles
            QApplication::setStyle(QStyleFactory::create(style));
            std::vector<MailOffer> none;
            MessageAnswerer answers;
            frmWhatsUp window(scan.rows, none);
            open(window);
            auto *list = window.findChild<QTreeWidget *>(u"lstWhatsUp"_s);
            const QTreeWidgetItem *missed = list->topLevelItem(0);
            const QTreeWidgetItem *today = list->topLevelItem(1);
            QCOMPARE(today->text(2), u"Dentist"_s);
            const QPalette palette = list->palette();
            const QColor red = today->foreground(2).color();
            // On a light palette the red is the designed one; on a dark one, one that reads.
            if (palette.color(QPalette::Base).lightness() > 128)
                QCOMPARE(red, QColor(255, 0, 0));
            else
                QVERIFY2(ContrastRatio(red, palette.color(QPalette::Base)) >= 4.5,
                         qPrintable(style));
            // A missed row differs from a normal one with the window in front and behind.
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                QVERIFY2(ContrastRatio(missed->foreground(2).color(),
                                       palette.color(group, QPalette::Text)) >= 1.5,
                         qPrintable(style + u": "_s + missed->foreground(2).color().name() +
                                    u" beside "_s + palette.color(group, QPalette::Text).name()));
            window.accept();
        }
        QApplication::setStyle(QStyleFactory::create(before));
    }

    void missingClipKeepsTheListAsTheScanLeftIt()
    {
        QTemporaryDir empty;
        const ScopedEnv assets("MOONRILL_ASSET_DIR", empty.path().toStdString());
        MessageAnswerer answers;
        LinkCatcher links;
        frmWhatsUp window(rows, mails);
        open(window);
        QCOMPARE(answers.texts(),
                 QStringList(u"Animation missing. Please reinstall the program"_s));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Critical);
        auto *list = window.findChild<QTreeWidget *>(u"lstWhatsUp"_s);
        QCOMPARE(list->columnCount(), 4);
        QCOMPARE(list->headerItem()->text(3), QString());
        QCOMPARE(list->topLevelItem(4)->text(3), u"    3"_s);
        QVERIFY(!list->topLevelItem(0)->font(0).bold());
        QVERIFY(links.opened.isEmpty());
        window.accept();
    }
    void theLogonScanShowsMissedEventsOnceGreyedAndGoesOnAfterAFailedLoad()
    {
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(u"events.mrl"_s);
        writeFile(home.home.filePath(u".moonrill-last-seen"_s), dateText(-4) + "\r\n");
        writeFile(events, "$$Mum$$" + dateText(-3) + "$$Birthday$$3$$mum@example.org\r\n$$Soon$$" +
                              dateText(1) + "$$Once$$3$$\r\n");
        // The logon scan through the real screens: the scan window and message boxes.
        const auto run = [&home] {
            WhatsUpScreens screens;
            (void)RunLogonScan(home.home.path().toStdString(), Today, screens);
        };
        QStringList seen;
        bool greyed = false;
        const auto look = [&](frmWhatsUp &window) {
            auto *list = window.findChild<QTreeWidget *>(u"lstWhatsUp"_s);
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                seen << list->topLevelItem(row)->text(0) + list->topLevelItem(row)->text(1) +
                            list->topLevelItem(row)->text(2);
            const QTreeWidgetItem *first = list->topLevelItem(0);
            greyed = mutedAndReadable(*list, *first) && !first->font(2).bold();
            QTest::mouseClick(window.findChild<QPushButton *>(u"cmdOk"_s), Qt::LeftButton);
        };
        ModalScript<frmWhatsUp> script({look});
        run();
        QVERIFY(script.done());
        const QString soon = u"Tomorrow:"_s + QString::fromLatin1(dateText(1)) + u"Soon"_s;
        QCOMPARE(seen, QStringList({u"3 days ago:"_s + QString::fromLatin1(dateText(-3)) + u"Mum"_s,
                                    soon}));
        QVERIFY(greyed);
        QCOMPARE(answers.texts(),
                 QStringList(u"Belated birthday: 'Mum'\nDo you want to e-mail this person?"_s));
        QCOMPARE(readFile(home.home.filePath(u".moonrill-last-seen"_s)), dateText(0) + "\r\n");

        // The day is seen: the next run shows only what is due, even after a load that failed.
        const QByteArray failing =
            "$$Soon$$" + dateText(1) + "$$Once$$3$$\r\n$$Big$$2999-01-01$$Once$$99999$$\r\n";
        writeFile(events, failing);
        seen.clear();
        answers.shown.clear();
        ModalScript<frmWhatsUp> again({look});
        run();
        QVERIFY(again.done());
        QCOMPARE(seen, QStringList(soon));
        QCOMPARE(answers.texts(), QStringList(u"Your action caused an error: Overflow in line 2 of "
                                              "the event file\n\nGo to About for support"_s));
        QCOMPARE(readFile(events), failing);
    }
};

QTEST_MAIN(frmWhatsUpTest)
#include "frmWhatsUpTest.moc"
