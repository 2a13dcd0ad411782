#include "frmWhatsUp.h"

#include "Conversions.h"
#include "GuiTestSupport.h"
#include "ScanComputation.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const Date Today = Date::today();

clsEvent makeEvent(const char *id, const char *description, int daysAhead, const char *email = "")
{
    return clsEvent{id, description, Today.addDays(daysAhead), "Birthday", 5, email};
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
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
    }

private slots:
    void init()
    {
        qunsetenv("MOONRILL_ASSET_DIR");
        const ScanResult result = ComputeScan(
            {makeEvent("ID0", "In ten", 3), makeEvent("ID1", "Ann's day", 0, "ann@example.org"),
             makeEvent("ID2", "Tomorrow", 1),
             makeEvent("ID3", "Bob", 0, "bob+x@example.org?cc=e@v.il"),
             makeEvent("ID4", "Plain today", 0)},
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
        QCOMPARE(window.windowTitle(), QStringLiteral("Moonrill - Upcoming Events"));
        auto *list = window.findChild<QTreeWidget *>(QStringLiteral("lstWhatsUp"));
        QVERIFY(list);
        QCOMPARE(list->columnCount(), 3);
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("When"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Date"));
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("Event description"));
        QCOMPARE(list->topLevelItemCount(), 5);
        const QStringList expected = {QStringLiteral("Today:"), QStringLiteral("Today:"),
                                      QStringLiteral("Today:"), QStringLiteral("Tomorrow:"),
                                      QStringLiteral("In 3 days:")};
        for (int i = 0; i < 5; ++i) {
            QTreeWidgetItem *item = list->topLevelItem(i);
            QCOMPARE(item->text(0), expected[i]);
            const bool today = i < 3;
            QCOMPARE(item->font(2).bold(), today);
            QCOMPARE(item->foreground(0).color() == QColor(255, 0, 0), today);
        }
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("Ann's day"));
        QCOMPARE(list->topLevelItem(4)->text(1),
                 QString::fromStdString(DateToText(Today.addDays(3))));

        // The bells' background is transparent, so they sit on any theme's window colour.
        const QImage bell =
            window.findChild<QLabel *>(QStringLiteral("Animation1"))->pixmap().toImage();
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
        QCOMPARE(list->topLevelItem(4)->text(0), QStringLiteral("In 3 days:"));
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
                 QStringList(
                     {QStringLiteral("Birthday: 'Ann's day'\nDo you want to e-mail this person?"),
                      QStringLiteral("Birthday: 'Bob'\nDo you want to e-mail this person?")}));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Question);
        QCOMPARE(answers.shown[0].title, QStringLiteral("Moonrill"));
        QCOMPARE(answers.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(links.opened.size(), 1);
        const QUrl mail = links.opened[0];
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        // The address stays one address: its "?" and "=" do not become headers.
        QCOMPARE(mail.path(), QStringLiteral("bob+x@example.org?cc=e@v.il"));
        QCOMPARE(mail.query(QUrl::FullyDecoded), QStringLiteral("subject=Happy birthday!"));
        QCOMPARE(
            mail.toString(QUrl::FullyEncoded),
            QStringLiteral("mailto:bob+x@example.org%3Fcc%3De@v.il?subject=Happy%20birthday!"));

        // Activating the window again does not repeat the opening steps.
        window.hide();
        window.show();
        QTest::qWait(50);
        QCOMPARE(answers.shown.size(), size_t(2));

        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(mails.empty());
    }

    void bothAnsweredYesOpensTwoMails()
    {
        MessageAnswerer answers;
        answers.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        LinkCatcher links;
        frmWhatsUp window(rows, mails);
        open(window);
        QCOMPARE(links.opened.size(), 2);
        QCOMPARE(links.opened[0].toString(QUrl::FullyEncoded),
                 QStringLiteral("mailto:ann@example.org?subject=Happy%20birthday!"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdOk")), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(mails.empty());
    }

    void agesInTheRowsTheQuestionAndTheSubject()
    {
        // Born 71 years before this year's date: the row, the question and the mail say so.
        clsEvent mum = makeEvent("ID0", "Mum", 0, "mum@example.org");
        mum.BirthYear = int16_t(Today.year() - 71);
        ScanResult result = ComputeScan({mum}, Today);
        MessageAnswerer answers;
        answers.answers = {MsgAnswer::Yes};
        LinkCatcher links;
        frmWhatsUp window(result.rows, result.birthdayMails);
        open(window);
        auto *list = window.findChild<QTreeWidget *>(QStringLiteral("lstWhatsUp"));
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("Mum (71)"));
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral(
                     "Birthday: 'Mum' turns 71\nDo you want to e-mail this person?")));
        QCOMPARE(links.opened.size(), 1);
        QCOMPARE(links.opened[0].query(QUrl::FullyDecoded),
                 QStringLiteral("subject=Happy 71st birthday!"));
        window.accept();
    }

    void missingClipKeepsTheListAsTheScanLeftIt()
    {
        QTemporaryDir empty;
        qputenv("MOONRILL_ASSET_DIR", empty.path().toUtf8());
        MessageAnswerer answers;
        LinkCatcher links;
        frmWhatsUp window(rows, mails);
        open(window);
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral("Animation missing. Please reinstall the program")));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Critical);
        auto *list = window.findChild<QTreeWidget *>(QStringLiteral("lstWhatsUp"));
        QCOMPARE(list->columnCount(), 4);
        QCOMPARE(list->headerItem()->text(3), QString());
        QCOMPARE(list->topLevelItem(4)->text(3), QStringLiteral("    3"));
        QVERIFY(!list->topLevelItem(0)->font(0).bold());
        QVERIFY(links.opened.isEmpty());
        window.accept();
        qunsetenv("MOONRILL_ASSET_DIR");
    }
};

QTEST_MAIN(frmWhatsUpTest)
#include "frmWhatsUpTest.moc"
