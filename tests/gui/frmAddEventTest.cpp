#include "frmAddEvent.h"

#include "Conversions.h"
#include "GuiTestSupport.h"
#include "HandedOver.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace {

template <typename T> T *child(QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no control %s", name);
    return found;
}

QString today()
{
    return QString::fromStdString(DateToText(Date::today()));
}

} // namespace

class frmAddEventTest : public QObject
{
    Q_OBJECT

private:
    std::optional<EventFields> entered;

    void clickOk(frmAddEvent &dialog)
    {
        QTest::mouseClick(child<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
    }
    void chooseType(frmAddEvent &dialog, const char *type)
    {
        auto *combo = child<QComboBox>(dialog, "comOccurs");
        combo->setCurrentIndex(combo->findText(QString::fromLatin1(type)));
    }

private slots:
    void init() { entered = EventFields{}; }

    void opensWithTheDefaults()
    {
        MessageAnswerer answers;
        frmAddEvent dialog(entered);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(HandedOver(entered), std::string("-1"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Event"));
        QCOMPARE(child<QCalendarWidget>(dialog, "calSetDate")->selectedDate(),
                 QDate::currentDate());
        auto *combo = child<QComboBox>(dialog, "comOccurs");
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, QStringList({QStringLiteral("Once"), QStringLiteral("Daily"),
                                     QStringLiteral("Weekly"), QStringLiteral("Monthly"),
                                     QStringLiteral("Birthday"), QStringLiteral("Yearly")}));
        QCOMPARE(combo->currentText(), QStringLiteral("Once"));
        QCOMPARE(child<QLineEdit>(dialog, "txtPeriod")->text(), QStringLiteral("3"));
        QVERIFY(child<QLineEdit>(dialog, "txtPeriod")->isReadOnly());
        QVERIFY(!child<QSpinBox>(dialog, "UpDown2")->isVisible());
        QVERIFY(!child<QLineEdit>(dialog, "txtEmail")->isVisible());
        QVERIFY(child<QRadioButton>(dialog, "optNo")->isChecked());
        // Collapsed: the e-mail section lies wholly below the window's bottom edge.
        QVERIFY(child<QGroupBox>(dialog, "fraEmail")->geometry().top() >= dialog.height());
        QVERIFY(child<QLabel>(dialog, "anmAdd")->pixmap().isNull() == false ||
                !answers.shown.empty());
        QVERIFY(answers.shown.empty());
        QVERIFY(!child<QPushButton>(dialog, "cmdOk")->isDefault());
        QVERIFY(!child<QPushButton>(dialog, "cmdOk")->autoDefault());
    }

    void spinnerRanges()
    {
        frmAddEvent dialog(entered);
        auto *period = child<QSpinBox>(dialog, "UpDown1");
        auto *interval = child<QSpinBox>(dialog, "UpDown2");
        QCOMPARE(period->minimum(), 0);
        QCOMPARE(period->maximum(), 99);
        QCOMPARE(interval->minimum(), 1);
        QCOMPARE(interval->maximum(), 99);
        period->setValue(0);
        period->stepDown();
        QCOMPARE(period->value(), 0);
        interval->setValue(99);
        interval->stepUp();
        QCOMPARE(interval->value(), 99);
        // Typing into the box does nothing.
        QTest::keyClicks(child<QLineEdit>(dialog, "txtPeriod"), QStringLiteral("7"));
        QCOMPARE(period->value(), 0);
    }

    // The messages and their order are the editor rule's (EventEntryTest); here, what the
    // dialog does with a refusal: the box, the focus, the dialog staying open.
    void refusals_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("empty") << QString() << false << QString()
                               << QStringLiteral("Description missing!")
                               << QStringLiteral("txtDescription");
        QTest::newRow("yes without address")
            << QStringLiteral("Ann") << true << QString()
            << QStringLiteral("Please enter a valid e-mail address!") << QStringLiteral("txtEmail");
    }

    void refusals()
    {
        QFETCH(QString, description);
        QFETCH(bool, yes);
        QFETCH(QString, email);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        MessageAnswerer answers;
        frmAddEvent dialog(entered);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(20);
        answers.shown.clear(); // a missing clip would have spoken already
        chooseType(dialog, "Birthday");
        if (yes)
            child<QRadioButton>(dialog, "optYes")->setChecked(true);
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), description);
        QTest::keyClicks(child<QLineEdit>(dialog, "txtEmail"), email);
        clickOk(dialog);
        QCOMPARE(answers.texts(), QStringList(message));
        QCOMPARE(answers.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(answers.shown[0].title, QStringLiteral("Moonrill"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(HandedOver(entered), std::string("-1"));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void composition_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("text");
        QTest::newRow("weekly 1") << QStringLiteral("Weekly") << 1 << QStringLiteral("Weekly");
        QTest::newRow("weekly 3") << QStringLiteral("Weekly") << 3
                                  << QStringLiteral("Every 3th week");
        QTest::newRow("yearly 21")
            << QStringLiteral("Yearly") << 21 << QStringLiteral("Every 21th year");
        QTest::newRow("daily ignores it")
            << QStringLiteral("Daily") << 5 << QStringLiteral("Daily");
        QTest::newRow("birthday") << QStringLiteral("Birthday") << 5 << QStringLiteral("Birthday");
    }

    void composition()
    {
        QFETCH(QString, type);
        QFETCH(int, interval);
        QFETCH(QString, text);
        MessageAnswerer answers;
        frmAddEvent dialog(entered);
        child<QSpinBox>(dialog, "UpDown2")->setValue(interval);
        chooseType(dialog, type.toLatin1().constData());
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), QStringLiteral("Bins"));
        child<QSpinBox>(dialog, "UpDown1")->setValue(7);
        clickOk(dialog);
        QCOMPARE(QString::fromStdString(HandedOver(entered)), QStringLiteral("$$Bins$$") + today() +
                                                                  QStringLiteral("$$") + text +
                                                                  QStringLiteral("$$7$$"));
    }

    void intervalSurvivesATypeChange()
    {
        frmAddEvent dialog(entered);
        dialog.show();
        chooseType(dialog, "Weekly");
        QVERIFY(child<QSpinBox>(dialog, "UpDown2")->isVisible());
        QCOMPARE(
            child<QSpinBox>(dialog, "UpDown2")->toolTip(),
            QStringLiteral("Set's the interval. For instance 1 is Weekly and 3 is Every 3th week"));
        child<QSpinBox>(dialog, "UpDown2")->setValue(4);
        chooseType(dialog, "Daily");
        QVERIFY(!child<QSpinBox>(dialog, "UpDown2")->isVisible());
        chooseType(dialog, "Weekly");
        QCOMPARE(child<QLineEdit>(dialog, "txtInterval")->text(), QStringLiteral("4"));
        chooseType(dialog, "Monthly");
        QCOMPARE(child<QSpinBox>(dialog, "UpDown2")->toolTip(),
                 QStringLiteral(
                     "Set's the interval. For instance 1 is Monthly and 3 is Every 3th month"));
    }

    void birthdayExpandsAndOtherTypesEmptyTheAddress()
    {
        MessageAnswerer answers;
        frmAddEvent dialog(entered);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const int collapsed = dialog.height();
        chooseType(dialog, "Birthday");
        QVERIFY(dialog.height() > collapsed);
        child<QRadioButton>(dialog, "optYes")->setChecked(true);
        QVERIFY(child<QLineEdit>(dialog, "txtEmail")->isVisible());
        QVERIFY(child<QLineEdit>(dialog, "txtEmail")->geometry().bottom() < dialog.height());
        QTest::keyClicks(child<QLineEdit>(dialog, "txtEmail"), QStringLiteral("ann@example.org"));
        chooseType(dialog, "Once");
        QCOMPARE(dialog.height(), collapsed);
        QCOMPARE(child<QLineEdit>(dialog, "txtEmail")->text(), QString());
        // "Yes" is still chosen, so the empty address is refused.
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), QStringLiteral("Ann"));
        answers.shown.clear();
        clickOk(dialog);
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral("Please enter a valid e-mail address!")));
        chooseType(dialog, "Birthday");
        QTest::keyClicks(child<QLineEdit>(dialog, "txtEmail"), QStringLiteral("ann@example.org"));
        clickOk(dialog);
        QCOMPARE(QString::fromStdString(HandedOver(entered)),
                 QStringLiteral("$$Ann$$") + today() +
                     QStringLiteral("$$Birthday$$3$$ann@example.org"));
    }

    void yearOfBirthTakesTheIntervalsPlaceAndComesFromTheCalendar()
    {
        MessageAnswerer answers;
        frmAddEvent dialog(entered);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *year = child<QSpinBox>(dialog, "txtBirthYear");
        QVERIFY(!year->isVisible());
        chooseType(dialog, "Birthday");
        QVERIFY(year->isVisible());
        QCOMPARE(year->text(), QStringLiteral("unknown"));
        QCOMPARE(child<QLabel>(dialog, "lblBirthYear")->text(), QStringLiteral("Year of birth:"));
        // A date of birth picked in an earlier year gives the year; this year's date does not.
        auto *calendar = child<QCalendarWidget>(dialog, "calSetDate");
        calendar->setSelectedDate(QDate(1956, 3, 4));
        QCOMPARE(year->value(), 1956);
        calendar->setSelectedDate(QDate::currentDate());
        QCOMPARE(year->value(), 1956);
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), QStringLiteral("Mum"));
        clickOk(dialog);
        QCOMPARE(QString::fromStdString(HandedOver(entered)),
                 QStringLiteral("$$Mum$$") + today() + QStringLiteral("$$Birthday$$3$$$$1956"));
    }

    void yearOfBirthAfterTheDateIsRefusedAndUnknownWritesNone()
    {
        MessageAnswerer answers;
        frmAddEvent dialog(entered);
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), QStringLiteral("Kid"));
        chooseType(dialog, "Birthday");
        child<QCalendarWidget>(dialog, "calSetDate")->setSelectedDate(QDate(2001, 5, 6));
        auto *year = child<QSpinBox>(dialog, "txtBirthYear");
        year->setValue(2010);
        clickOk(dialog);
        QCOMPARE(answers.texts(),
                 QStringList(QStringLiteral("The year of birth cannot lie after the date!")));
        QCOMPARE(HandedOver(entered), std::string("-1"));
        year->setValue(0);
        clickOk(dialog);
        QCOMPARE(HandedOver(entered), std::string("$$Kid$$2001-05-06$$Birthday$$3$$"));
        // Another type never hands a year over.
        frmAddEvent yearly(entered);
        QTest::keyClicks(child<QLineEdit>(yearly, "txtDescription"), QStringLiteral("Wedding"));
        child<QCalendarWidget>(yearly, "calSetDate")->setSelectedDate(QDate(2001, 5, 6));
        chooseType(yearly, "Yearly");
        clickOk(yearly);
        QCOMPARE(HandedOver(entered), std::string("$$Wedding$$2001-05-06$$Yearly$$3$$"));
    }

    void enterMovesOnAndNeverPressesOk()
    {
        frmAddEvent dialog(entered);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *description = child<QLineEdit>(dialog, "txtDescription");
        description->setFocus();
        QTest::keyClicks(description, QStringLiteral("Dentist"));
        QTest::keyClick(description, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(HandedOver(entered), std::string("-1"));
        QVERIFY(QApplication::focusWidget() != description);
    }

    void enterOnAFocusedButtonPressesIt()
    {
        MessageAnswerer answers;
        frmAddEvent dialog(entered);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *ok = child<QPushButton>(dialog, "cmdOk");
        auto *cancel = child<QPushButton>(dialog, "cmdCancel");
        QVERIFY(!ok->isDefault() && !cancel->isDefault());
        // OK with an empty description: the refusal shows it was pressed.
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        QCOMPARE(answers.texts(), QStringList(QStringLiteral("Description missing!")));
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), QStringLiteral("Dentist"));
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(HandedOver(entered).substr(0, 11), std::string("$$Dentist$$"));
        // Neither button became the default on the way.
        QVERIFY(!ok->isDefault() && !cancel->isDefault());

        frmAddEvent again(entered);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        child<QPushButton>(again, "cmdCancel")->setFocus();
        QTest::keyClick(child<QPushButton>(again, "cmdCancel"), Qt::Key_Return);
        QVERIFY(!again.isVisible());
        QCOMPARE(HandedOver(entered), std::string("-1"));
    }

    void everyWayOutButOkLeavesMinusOne_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("cancel") << 0;
        QTest::newRow("escape") << 1;
        QTest::newRow("close box") << 2;
    }

    void everyWayOutButOkLeavesMinusOne()
    {
        QFETCH(int, way);
        frmAddEvent dialog(entered);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), QStringLiteral("Nothing"));
        if (way == 0)
            QTest::mouseClick(child<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(HandedOver(entered), std::string("-1"));
    }

    void valuesTheControlsCannotShowAreKept()
    {
        frmAddEvent dialog(entered);
        dialog.SetDescription("Odd");
        dialog.SetOccurs("weekly");
        dialog.SetPeriod(150);
        clickOk(dialog);
        QCOMPARE(QString::fromStdString(HandedOver(entered)),
                 QStringLiteral("$$Odd$$") + today() + QStringLiteral("$$weekly$$150$$"));

        frmAddEvent changed(entered);
        changed.SetDescription("Odd");
        changed.SetOccurs("Weekly");
        changed.SetInterval(150);
        changed.SetPeriod(150);
        child<QSpinBox>(changed, "UpDown1")->setValue(5);
        clickOk(changed);
        QCOMPARE(QString::fromStdString(HandedOver(entered)),
                 QStringLiteral("$$Odd$$") + today() + QStringLiteral("$$Every 150th week$$5$$"));
    }
};

QTEST_MAIN(frmAddEventTest)
#include "frmAddEventTest.moc"
