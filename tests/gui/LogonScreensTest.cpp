// moc cannot parse the C++20 library headers under the plain ones.
#ifndef Q_MOC_RUN
#include "Conversions.h"
#include "LogonScan.h"
#include "WhatsUpScreens.h"
#endif

#include "GuiTestSupport.h"
#include "frmWhatsUp.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

QByteArray dateText(int daysAhead)
{
    return QByteArray::fromStdString(DateToText(Date::today().addDays(daysAhead)));
}

/// The real screens, counting how often the scan turned to them: only then does the program
/// load its windows and start the desktop.
class CountingScreens final : public LogonScreens
{
public:
    bool ShowMessageBox(const std::string &text, Icon icon) override
    {
        ++calls;
        return m_screens.ShowMessageBox(text, icon);
    }
    bool ShowDueEvents(ScanResult &scan) override
    {
        ++calls;
        return m_screens.ShowDueEvents(scan);
    }
    int calls = 0;

private:
    WhatsUpScreens m_screens;
};

/// One run of the logon scan in the test's home; returns how often it showed something.
int runLogonScan(const TestHome &home)
{
    CountingScreens screens;
    (void)RunLogonScan(home.home.path().toStdString(), Date::today(), screens);
    return screens.calls;
}

} // namespace

class LogonScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void dueEventsStartTheDesktopOnceAndShowTheScanWindow()
    {
        TestHome home;
        MessageAnswerer answers;
        writeFile(home.home.filePath(QStringLiteral("events.mrl")),
                  "$$Soon$$" + dateText(2) + "$$Once$$3$$\r\n$$Ann$$" + dateText(0) +
                      "$$Birthday$$0$$ann@example.org\r\n$$Far$$" + dateText(40) +
                      "$$Once$$3$$\r\n");
        QStringList seen;
        ModalScript<frmWhatsUp> script({[&seen](frmWhatsUp &window) {
            auto *list = window.findChild<QTreeWidget *>(QStringLiteral("lstWhatsUp"));
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                seen << list->topLevelItem(row)->text(0) + list->topLevelItem(row)->text(2);
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdOk")),
                              Qt::LeftButton);
        }});
        QCOMPARE(runLogonScan(home), 1);
        QVERIFY(script.done());
        QCOMPARE(seen,
                 QStringList({QStringLiteral("Today:Ann"), QStringLiteral("In 2 days:Soon")}));
        // The birthday offer came from the scan window, answered No.
        QCOMPARE(answers.texts(), QStringList(QStringLiteral(
                                      "Birthday: 'Ann'\nDo you want to e-mail this person?")));
    }

    void missedEventsAreShownOnceGreyedWithABelatedOffer()
    {
        TestHome home;
        MessageAnswerer answers;
        writeFile(home.home.filePath(QStringLiteral(".moonrill-last-seen")), dateText(-4) + "\r\n");
        writeFile(home.home.filePath(QStringLiteral("events.mrl")),
                  "$$Mum$$" + dateText(-3) + "$$Birthday$$3$$mum@example.org\r\n$$Soon$$" +
                      dateText(1) + "$$Once$$3$$\r\n");
        QStringList seen;
        bool greyed = false;
        ModalScript<frmWhatsUp> script({[&](frmWhatsUp &window) {
            auto *list = window.findChild<QTreeWidget *>(QStringLiteral("lstWhatsUp"));
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                seen << list->topLevelItem(row)->text(0) + list->topLevelItem(row)->text(1) +
                            list->topLevelItem(row)->text(2);
            const QTreeWidgetItem *missed = list->topLevelItem(0);
            greyed = missed->foreground(2).color() ==
                         window.palette().color(QPalette::Disabled, QPalette::Text) &&
                     !missed->font(2).bold();
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdOk")),
                              Qt::LeftButton);
        }});
        QCOMPARE(runLogonScan(home), 1);
        QVERIFY(script.done());
        QCOMPARE(seen, QStringList({QStringLiteral("3 days ago:") +
                                        QString::fromLatin1(dateText(-3)) + QStringLiteral("Mum"),
                                    QStringLiteral("Tomorrow:") + QString::fromLatin1(dateText(1)) +
                                        QStringLiteral("Soon")}));
        QVERIFY(greyed);
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral(
                     "Belated birthday: 'Mum'\nDo you want to e-mail this person?")));
        QCOMPARE(answers.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(answers.shown[0].icon, QMessageBox::Question);
        // The day is seen now: the next run shows only what is due.
        QCOMPARE(readFile(home.home.filePath(QStringLiteral(".moonrill-last-seen"))),
                 dateText(0) + "\r\n");
        ModalScript<frmWhatsUp> again({[&](frmWhatsUp &window) {
            auto *list = window.findChild<QTreeWidget *>(QStringLiteral("lstWhatsUp"));
            QCOMPARE(list->topLevelItemCount(), 1);
            window.accept();
        }});
        QCOMPARE(runLogonScan(home), 1);
        QVERIFY(again.done());
        QCOMPARE(answers.shown.size(), size_t{1});
    }

    void aFailedLoadKeepsTheFileAndStillScans()
    {
        TestHome home;
        MessageAnswerer answers;
        const QString events = home.home.filePath(QStringLiteral("events.mrl"));
        const QByteArray original =
            "$$Today$$" + dateText(0) + "$$Once$$0$$\r\n$$A$$2999-01-01$$Once$$99999$$\r\n";
        writeFile(events, original);
        ModalScript<frmWhatsUp> script({[](frmWhatsUp &window) { window.accept(); }});
        QCOMPARE(runLogonScan(home), 2);
        QVERIFY(script.done());
        QCOMPARE(
            answers.texts(),
            QStringList(QStringLiteral(
                "Your action caused an error: Overflow in line 2 of the event file\n\nGo to About "
                "for support")));
        QCOMPARE(readFile(events), original);
    }

    void aFileThatCannotBeCreatedIsASeriousError()
    {
        TestHome home;
        MessageAnswerer answers;
        QVERIFY(QFile::link(home.home.filePath(QStringLiteral("no/such/folder/events.mrl")),
                            home.home.filePath(QStringLiteral("events.mrl"))));
        QCOMPARE(runLogonScan(home), 1);
        // The reason follows on its own line: the file the link leads to, and the system's word.
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral("A serious error occured!\nIf this continues, please "
                                            "reinstall the program!\nCannot create ") +
                             home.home.filePath(QStringLiteral("no/such/folder/events.mrl")) +
                             QStringLiteral(": No such file or directory")));
    }
};

QTEST_MAIN(LogonScreensTest)
#include "LogonScreensTest.moc"
