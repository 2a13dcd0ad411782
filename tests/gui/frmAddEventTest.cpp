// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAddEvent.h"

#include "GuiTestSupport.h"
#include "HandedOver.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

QString today()
{
    return QString::fromStdString(DateToText(Date::today()));
}

void clickOk(frmAddEvent &dialog)
{
    QTest::mouseClick(child<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
}

void chooseType(frmAddEvent &dialog, const char *type)
{
    auto *combo = child<QComboBox>(dialog, "comOccurs");
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(type)));
}

} // namespace

class frmAddEventTest : public QObject
{
    Q_OBJECT

private:
    static QString handedOver(const frmAddEvent &dialog)
    {
        return QString::fromStdString(HandedOver(dialog.entered()));
    }

private slots:
    void opensWithTheDefaults()
    {
        MessageAnswerer answers;
        frmAddEvent dialog;
        showAndWait(dialog);
        QCOMPARE(handedOver(dialog), u"-1"_s);
        QCOMPARE(dialog.windowTitle(), u"Add Event"_s);
        QCOMPARE(child<QCalendarWidget>(dialog, "calSetDate")->selectedDate(),
                 QDate::currentDate());
        QCOMPARE(child<QComboBox>(dialog, "comOccurs")->currentText(), u"Once"_s);
        QCOMPARE(child<QLineEdit>(dialog, "txtPeriod")->text(), u"3"_s);
        QVERIFY(!child<QSpinBox>(dialog, "UpDown2")->isVisible());
        QVERIFY(!child<QLineEdit>(dialog, "txtEmail")->isVisible());
        QVERIFY(child<QRadioButton>(dialog, "optNo")->isChecked());
        // Collapsed: the e-mail section lies wholly below the window's bottom edge.
        QVERIFY(child<QGroupBox>(dialog, "fraEmail")->geometry().top() >= dialog.height());
        QVERIFY(!child<QLabel>(dialog, "anmAdd")->pixmap().isNull());
        QVERIFY(answers.shown.empty());
        // The spinners hold 0..99 and 1..99.
        auto *period = child<QSpinBox>(dialog, "UpDown1");
        auto *interval = child<QSpinBox>(dialog, "UpDown2");
        QCOMPARE(std::pair(period->minimum(), period->maximum()), std::pair(0, 99));
        QCOMPARE(std::pair(interval->minimum(), interval->maximum()), std::pair(1, 99));
    }

    void intervalSurvivesATypeChange()
    {
        // (What each type and interval write is the type vocabulary's test; the file the main
        // window saves after an add shows the editor hands it over.)
        frmAddEvent dialog;
        dialog.show();
        auto *interval = child<QSpinBox>(dialog, "UpDown2");
        chooseType(dialog, "Weekly");
        QVERIFY(interval->isVisible());
        interval->setValue(4);
        chooseType(dialog, "Daily");
        QVERIFY(!interval->isVisible());
        chooseType(dialog, "Monthly");
        QCOMPARE(child<QLineEdit>(dialog, "txtInterval")->text(), u"4"_s);
    }

    void birthdayExpandsAndOtherTypesEmptyTheAddress()
    {
        MessageAnswerer answers;
        frmAddEvent dialog;
        showAndWait(dialog);
        const int collapsed = dialog.height();
        chooseType(dialog, "Birthday");
        QVERIFY(dialog.height() > collapsed);
        child<QRadioButton>(dialog, "optYes")->setChecked(true);
        auto *email = child<QLineEdit>(dialog, "txtEmail");
        QVERIFY(email->isVisible());
        QVERIFY(email->geometry().bottom() < dialog.height());
        QTest::keyClicks(email, u"ann@example.org"_s);
        chooseType(dialog, "Once");
        QCOMPARE(dialog.height(), collapsed);
        QCOMPARE(email->text(), QString());
        // "Yes" is still chosen, so the empty address is refused, and the dialog stays open with
        // the address box in focus.
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Ann"_s);
        chooseType(dialog, "Birthday");
        clickOk(dialog);
        QCOMPARE(answers.texts(), QStringList(u"Please enter a valid e-mail address!"_s));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(answers.shown[0].title, u"Moonrill"_s);
        QVERIFY(dialog.isVisible());
        QCOMPARE(QApplication::focusWidget(), email);
        QCOMPARE(handedOver(dialog), u"-1"_s);
        QTest::keyClicks(email, u"ann@example.org"_s);
        clickOk(dialog);
        QCOMPARE(handedOver(dialog), u"$$Ann$$"_s + today() + u"$$Birthday$$3$$ann@example.org"_s);
    }

    void yearOfBirthTakesTheIntervalsPlaceAndComesFromTheCalendar()
    {
        MessageAnswerer answers;
        frmAddEvent dialog;
        showAndWait(dialog);
        auto *year = child<QSpinBox>(dialog, "txtBirthYear");
        QVERIFY(!year->isVisible());
        chooseType(dialog, "Birthday");
        QVERIFY(year->isVisible());
        QCOMPARE(year->text(), u"unknown"_s);
        // A date of birth picked in an earlier year gives the year; this year's date does not.
        auto *calendar = child<QCalendarWidget>(dialog, "calSetDate");
        calendar->setSelectedDate(QDate(1956, 3, 4));
        QCOMPARE(year->value(), 1956);
        calendar->setSelectedDate(QDate(2001, 5, 6));
        year->setValue(2010);
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Kid"_s);
        clickOk(dialog);
        QCOMPARE(answers.texts(), QStringList(u"The year of birth cannot lie after the date!"_s));
        QCOMPARE(handedOver(dialog), u"-1"_s);
        calendar->setSelectedDate(QDate::currentDate());
        year->setValue(1956);
        clickOk(dialog);
        QCOMPARE(handedOver(dialog), u"$$Kid$$"_s + today() + u"$$Birthday$$3$$$$1956"_s);

        // "unknown" writes none, and another type never hands a year over.
        for (const char *type : {"Birthday", "Yearly"}) {
            frmAddEvent other;
            QTest::keyClicks(child<QLineEdit>(other, "txtDescription"), u"Wed"_s);
            child<QCalendarWidget>(other, "calSetDate")->setSelectedDate(QDate(2001, 5, 6));
            chooseType(other, "Birthday");
            child<QSpinBox>(other, "txtBirthYear")->setValue(strcmp(type, "Birthday") ? 1990 : 0);
            chooseType(other, type);
            clickOk(other);
            QCOMPARE(handedOver(other),
                     u"$$Wed$$2001-05-06$$"_s + QLatin1String(type) + u"$$3$$"_s);
        }
    }

    void enterMovesOnAndPressesOnlyAFocusedButton()
    {
        MessageAnswerer answers;
        frmAddEvent dialog;
        showAndWait(dialog);
        auto *description = child<QLineEdit>(dialog, "txtDescription");
        description->setFocus();
        QTest::keyClick(description, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(QApplication::focusWidget() != description);
        QVERIFY(answers.shown.empty());
        // OK with an empty description: the refusal shows it was pressed, and the description
        // takes the focus.
        auto *ok = child<QPushButton>(dialog, "cmdOk");
        auto *cancel = child<QPushButton>(dialog, "cmdCancel");
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        QCOMPARE(answers.texts(), QStringList(u"Description missing!"_s));
        QCOMPARE(QApplication::focusWidget(), description);
        QTest::keyClicks(description, u"Dentist"_s);
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!dialog.isVisible());
        QVERIFY(handedOver(dialog).startsWith(u"$$Dentist$$"_s));
        // Neither button became the default on the way.
        QVERIFY(!ok->isDefault() && !cancel->isDefault());
    }

    void theKeyboardGoesOnlyWhereTheEyeSeesInTheOrderItReads()
    {
        MessageAnswerer answers;
        // Each type shows its own controls: Tab from the description goes through those on
        // screen, down the columns, and reaches OK and Cancel last.
        const QList<std::pair<const char *, QStringList>> chains = {
            {"Once", {u"calSetDate"_s, u"comOccurs"_s, u"UpDown1"_s}},
            {"Yearly",
             {u"calSetDate"_s, u"comOccurs"_s, u"comRepeatOn"_s, u"UpDown1"_s, u"UpDown2"_s,
              u"txtFirstYear"_s}},
            {"Birthday",
             {u"calSetDate"_s, u"comOccurs"_s, u"UpDown1"_s, u"txtBirthYear"_s, u"optYes"_s}},
        };
        for (const auto &[type, expected] : chains) {
            frmAddEvent dialog;
            showAndWait(dialog);
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            chooseType(dialog, type);
            auto *description = child<QLineEdit>(dialog, "txtDescription");
            description->setFocus();
            QStringList reached;
            for (QWidget *at = description; reached.size() < 20;) {
                QTest::keyClick(at, Qt::Key_Tab);
                at = QApplication::focusWidget();
                QVERIFY(at != nullptr);
                if (at == description)
                    break;
                // A control reached is on screen, wholly inside the window.
                QVERIFY2(at->isVisible(), qPrintable(at->objectName()));
                const QRect inWindow(at->mapTo(&dialog, QPoint(0, 0)), at->size());
                QVERIFY2(dialog.rect().contains(inWindow), qPrintable(at->objectName()));
                QWidget *named = at;
                while (named->objectName().isEmpty() || named->objectName().startsWith(u"qt_"_s))
                    named = named->parentWidget();
                if (reached.isEmpty() || reached.last() != named->objectName())
                    reached << named->objectName();
            }
            // The time and reminders of a day event: the time box waits for "At a time", and
            // Remove for a reminder to remove.
            const QStringList reminders = {u"chkTime"_s, u"tmeRemindAt"_s, u"lstOthers"_s,
                                           u"spnDays"_s, u"tmeAt"_s,       u"cmdAdd"_s};
            QCOMPARE(reached, expected + reminders + QStringList({u"cmdOk"_s, u"cmdCancel"_s}));
        }
        // With "Yes" hidden, OK never asks for an address nobody can see.
        frmAddEvent dialog;
        showAndWait(dialog);
        chooseType(dialog, "Birthday");
        child<QRadioButton>(dialog, "optYes")->setChecked(true);
        chooseType(dialog, "Once");
        QVERIFY(!child<QRadioButton>(dialog, "optYes")->isVisible());
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Ann"_s);
        clickOk(dialog);
        QVERIFY(answers.shown.empty());
        QCOMPARE(handedOver(dialog), u"$$Ann$$"_s + today() + u"$$Once$$3$$"_s);
    }

    void listsAndNumberBoxesSayTheirNamesAndValuesAndTakeDigits()
    {
        frmAddEvent dialog;
        showAndWait(dialog);
        // A list keeps its label's name; its value, and the description a reader is told of as it
        // changes, is the choice.
        auto *type = child<QComboBox>(dialog, "comOccurs");
        auto *fallsOn = child<QComboBox>(dialog, "comRepeatOn");
        child<QCalendarWidget>(dialog, "calSetDate")->setSelectedDate(QDate(2030, 5, 14));
        chooseType(dialog, "Monthly");
        fallsOn->setCurrentIndex(1);
        for (const auto &[combo, name, value] :
             {std::tuple(type, u"Type"_s, u"Monthly"_s),
              std::tuple(fallsOn, u"Falls on"_s, u"second Tuesday"_s)}) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(combo);
            QCOMPARE(face->text(QAccessible::Name), name);
            QCOMPARE(face->text(QAccessible::Value), value);
            QCOMPARE(face->text(QAccessible::Description), value);
        }
        // The text field inside each number box has the box's name; each takes typed digits.
        chooseType(dialog, "Birthday");
        for (const auto &[box, name] : {std::pair("UpDown1", u"Notice period"_s),
                                        std::pair("txtBirthYear", u"Year of birth"_s)}) {
            auto *text = child<QSpinBox>(dialog, box)->findChild<QLineEdit *>();
            QCOMPARE(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Name), name);
        }
        chooseType(dialog, "Yearly");
        for (const auto &[box, name] :
             {std::pair("UpDown2", u"Interval"_s), std::pair("txtFirstYear", u"First year"_s)}) {
            auto *text = child<QSpinBox>(dialog, box)->findChild<QLineEdit *>();
            QCOMPARE(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Name), name);
        }
        auto *period = child<QSpinBox>(dialog, "UpDown1");
        period->setFocus();
        period->selectAll();
        QTest::keyClicks(period, u"14"_s);
        QCOMPARE(period->value(), 14);
        auto *interval = child<QSpinBox>(dialog, "UpDown2");
        interval->setFocus();
        interval->selectAll();
        QTest::keyClicks(interval, u"6"_s);
        QCOMPARE(interval->value(), 6);
    }

    void everyWayOutButOkLeavesMinusOne()
    {
        for (int way = 0; way < 4; ++way) {
            frmAddEvent dialog;
            showAndWait(dialog);
            QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Nothing"_s);
            auto *cancel = child<QPushButton>(dialog, "cmdCancel");
            if (way == 0)
                QTest::mouseClick(cancel, Qt::LeftButton);
            else if (way == 1)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else if (way == 2)
                dialog.close();
            else {
                cancel->setFocus();
                QTest::keyClick(cancel, Qt::Key_Return);
            }
            QVERIFY(!dialog.isVisible());
            QCOMPARE(handedOver(dialog), u"-1"_s);
        }
    }

    void valuesTheControlsCannotShowAreKept()
    {
        frmAddEvent dialog;
        dialog.SetDescription("Odd");
        dialog.SetOccurs("weekly");
        dialog.SetPeriod(150);
        clickOk(dialog);
        QCOMPARE(handedOver(dialog), u"$$Odd$$"_s + today() + u"$$weekly$$150$$"_s);

        frmAddEvent changed;
        changed.SetDescription("Odd");
        changed.SetOccurs("Weekly");
        changed.SetInterval(150);
        changed.SetPeriod(150);
        child<QSpinBox>(changed, "UpDown1")->setValue(5);
        clickOk(changed);
        QCOMPARE(handedOver(changed), u"$$Odd$$"_s + today() + u"$$Every 150th week$$5$$"_s);
    }

    void monthAndYearTypesFallOnTheDayOrTheWeekdayOfTheDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("occurs");
        // 25 March 2027 is the fourth and the last Thursday of its month; the 30th a fifth
        // Tuesday, so only the last; the 9th only the second Tuesday.
        const QStringList both = {u"day 25"_s, u"fourth Thursday"_s, u"last Thursday"_s};
        QTest::newRow("day") << QDate(2027, 3, 25) << u"Monthly"_s << 1 << both << 0
                             << u"Monthly"_s;
        QTest::newRow("fourth") << QDate(2027, 3, 25) << u"Monthly"_s << 3 << both << 1
                                << u"Every 3th month on the fourth Thursday"_s;
        QTest::newRow("last") << QDate(2027, 3, 25) << u"Yearly"_s << 1 << both << 2
                              << u"Yearly on the last Thursday"_s;
        QTest::newRow("fifth") << QDate(2027, 3, 30) << u"Yearly"_s << 2
                               << QStringList{u"day 30"_s, u"last Tuesday"_s} << 1
                               << u"Every 2th year on the last Tuesday"_s;
        QTest::newRow("second") << QDate(2027, 3, 9) << u"Monthly"_s << 1
                                << QStringList{u"day 9"_s, u"second Tuesday"_s} << 1
                                << u"Monthly on the second Tuesday"_s;
    }

    void monthAndYearTypesFallOnTheDayOrTheWeekdayOfTheDate()
    {
        QFETCH(QDate, date);
        QFETCH(QString, type);
        QFETCH(int, interval);
        QFETCH(QStringList, offered);
        QFETCH(int, chosen);
        QFETCH(QString, occurs);
        frmAddEvent dialog;
        showAndWait(dialog);
        auto *repeatOn = child<QComboBox>(dialog, "comRepeatOn");
        QVERIFY(!repeatOn->isVisible());
        dialog.SetDescription("Club");
        child<QCalendarWidget>(dialog, "calSetDate")->setSelectedDate(date);
        chooseType(dialog, type.toLatin1().constData());
        child<QSpinBox>(dialog, "UpDown2")->setValue(interval);
        QVERIFY(repeatOn->isVisible());
        QStringList items;
        for (int i = 0; i < repeatOn->count(); ++i)
            items << repeatOn->itemText(i);
        QCOMPARE(items, offered);
        QCOMPARE(repeatOn->currentIndex(), 0);
        repeatOn->setCurrentIndex(chosen);
        emit repeatOn->activated(chosen);
        clickOk(dialog);
        QCOMPARE(handedOver(dialog), u"$$Club$$"_s +
                                         QString::fromStdString(DateToText(Date::fromYmd(
                                             date.year(), date.month(), date.day()))) +
                                         u"$$"_s + occurs + u"$$3$$"_s);
    }

    void theWeekdayFollowsTheDateAndAStoredOneIsKept()
    {
        frmAddEvent dialog;
        dialog.SetDescription("Pay");
        dialog.SetDate(Date::fromYmd(2027, 3, 26));
        dialog.SetStoredOccurs("Every 3th month on the last Friday");
        auto *repeatOn = child<QComboBox>(dialog, "comRepeatOn");
        QCOMPARE(repeatOn->currentText(), u"last Friday"_s);
        auto *calendar = child<QCalendarWidget>(dialog, "calSetDate");
        // A weekday stays a weekday: the 10th has only its second, the 31st only its last.
        calendar->setSelectedDate(QDate(2027, 3, 10));
        QCOMPARE(repeatOn->currentText(), u"second Wednesday"_s);
        calendar->setSelectedDate(QDate(2027, 3, 31));
        QCOMPARE(repeatOn->currentText(), u"last Wednesday"_s);
        clickOk(dialog);
        QCOMPARE(handedOver(dialog),
                 u"$$Pay$$2027-03-31$$Every 3th month on the last Wednesday$$3$$"_s);
        // Not touched, the stored type goes back as it was; Weekly offers no choice of the day.
        frmAddEvent kept;
        kept.SetDescription("Pay");
        kept.SetDate(Date::fromYmd(2027, 3, 26));
        kept.SetStoredOccurs("Every 150th month on the last Friday");
        clickOk(kept);
        QCOMPARE(handedOver(kept),
                 u"$$Pay$$2027-03-26$$Every 150th month on the last Friday$$3$$"_s);
        chooseType(kept, "Weekly");
        QVERIFY(child<QComboBox>(kept, "comRepeatOn")->isHidden());
    }

    void aYearlyEventKeepsItsFirstYearWhereOneIsGiven()
    {
        MessageAnswerer answers;
        frmAddEvent dialog;
        showAndWait(dialog);
        auto *first = child<QSpinBox>(dialog, "txtFirstYear");
        dialog.SetDescription("Wedding");
        dialog.SetDate(Date::fromYmd(2027, 6, 12));
        chooseType(dialog, "Yearly");
        QVERIFY(first->isVisible() && !child<QSpinBox>(dialog, "txtBirthYear")->isVisible());
        QCOMPARE(first->text(), u"unknown"_s);
        first->setValue(2002);
        clickOk(dialog);
        QCOMPARE(handedOver(dialog), u"$$Wedding$$2027-06-12$$Yearly$$3$$$$2002"_s);
        chooseType(dialog, "Monthly");
        QVERIFY(!first->isVisible());
        clickOk(dialog);
        QCOMPARE(handedOver(dialog), u"$$Wedding$$2027-06-12$$Monthly$$3$$"_s);
        QVERIFY(answers.texts().isEmpty());
    }

    void anEditedEventKeepsTheValuesTheDialogDoesNotShow()
    {
        const clsEvent stored{.Id = "ID7",
                              .Description = "Rent",
                              .StartingOn = Date::fromYmd(2027, 4, 30),
                              .Occurs = "Monthly",
                              .Period = 2,
                              .Email = {},
                              .BirthYear = 0,
                              .Options = {.Day = 31, .Uid = "moonrill-1", .Unknown = "later=1"}};
        frmAddEvent dialog;
        dialog.SetEvent(stored);
        clickOk(dialog);
        QVERIFY(dialog.entered());
        QCOMPARE(QString::fromStdString(FormatEventLine(dialog.entered()->event)),
                 u"$$Rent$$2027-04-30$$Monthly$$2$$$$$$day=31$$uid=moonrill-1$$later=1"_s);
        // Another date is meant for its own day.
        child<QCalendarWidget>(dialog, "calSetDate")->setSelectedDate(QDate(2027, 5, 31));
        clickOk(dialog);
        QCOMPARE(QString::fromStdString(FormatEventLine(dialog.entered()->event)),
                 u"$$Rent$$2027-05-31$$Monthly$$2$$$$$$uid=moonrill-1$$later=1"_s);
    }
};

QTEST_MAIN(frmAddEventTest)
#include "frmAddEventTest.moc"
