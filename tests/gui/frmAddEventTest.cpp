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

using namespace Qt::StringLiterals;

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
        QCOMPARE(dialog.windowTitle(), u"Add Event"_s);
        QCOMPARE(child<QCalendarWidget>(dialog, "calSetDate")->selectedDate(),
                 QDate::currentDate());
        auto *combo = child<QComboBox>(dialog, "comOccurs");
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, QStringList({u"Once"_s, u"Daily"_s, u"Weekly"_s, u"Monthly"_s,
                                     u"Birthday"_s, u"Yearly"_s}));
        QCOMPARE(combo->currentText(), u"Once"_s);
        QCOMPARE(child<QLineEdit>(dialog, "txtPeriod")->text(), u"3"_s);
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
        QTest::keyClicks(child<QLineEdit>(dialog, "txtPeriod"), u"7"_s);
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
        QTest::newRow("empty") << QString() << false << QString() << u"Description missing!"_s
                               << u"txtDescription"_s;
        QTest::newRow("yes without address")
            << u"Ann"_s << true << QString() << u"Please enter a valid e-mail address!"_s
            << u"txtEmail"_s;
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
        QCOMPARE(answers.shown[0].title, u"Moonrill"_s);
        QVERIFY(dialog.isVisible());
        QCOMPARE(HandedOver(entered), std::string("-1"));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void composition_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("text");
        QTest::newRow("weekly 1") << u"Weekly"_s << 1 << u"Weekly"_s;
        QTest::newRow("weekly 3") << u"Weekly"_s << 3 << u"Every 3th week"_s;
        QTest::newRow("yearly 21") << u"Yearly"_s << 21 << u"Every 21th year"_s;
        QTest::newRow("daily ignores it") << u"Daily"_s << 5 << u"Daily"_s;
        QTest::newRow("birthday") << u"Birthday"_s << 5 << u"Birthday"_s;
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
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Bins"_s);
        child<QSpinBox>(dialog, "UpDown1")->setValue(7);
        clickOk(dialog);
        QCOMPARE(QString::fromStdString(HandedOver(entered)),
                 u"$$Bins$$"_s + today() + u"$$"_s + text + u"$$7$$"_s);
    }

    void intervalSurvivesATypeChange()
    {
        frmAddEvent dialog(entered);
        dialog.show();
        chooseType(dialog, "Weekly");
        QVERIFY(child<QSpinBox>(dialog, "UpDown2")->isVisible());
        QCOMPARE(child<QSpinBox>(dialog, "UpDown2")->toolTip(),
                 u"Set's the interval. For instance 1 is Weekly and 3 is Every 3th week"_s);
        child<QSpinBox>(dialog, "UpDown2")->setValue(4);
        chooseType(dialog, "Daily");
        QVERIFY(!child<QSpinBox>(dialog, "UpDown2")->isVisible());
        chooseType(dialog, "Weekly");
        QCOMPARE(child<QLineEdit>(dialog, "txtInterval")->text(), u"4"_s);
        chooseType(dialog, "Monthly");
        QCOMPARE(child<QSpinBox>(dialog, "UpDown2")->toolTip(),
                 u"Set's the interval. For instance 1 is Monthly and 3 is Every 3th month"_s);
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
        QTest::keyClicks(child<QLineEdit>(dialog, "txtEmail"), u"ann@example.org"_s);
        chooseType(dialog, "Once");
        QCOMPARE(dialog.height(), collapsed);
        QCOMPARE(child<QLineEdit>(dialog, "txtEmail")->text(), QString());
        // "Yes" is still chosen, so the empty address is refused.
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Ann"_s);
        answers.shown.clear();
        clickOk(dialog);
        QCOMPARE(answers.texts(), QStringList(u"Please enter a valid e-mail address!"_s));
        chooseType(dialog, "Birthday");
        QTest::keyClicks(child<QLineEdit>(dialog, "txtEmail"), u"ann@example.org"_s);
        clickOk(dialog);
        QCOMPARE(QString::fromStdString(HandedOver(entered)),
                 u"$$Ann$$"_s + today() + u"$$Birthday$$3$$ann@example.org"_s);
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
        QCOMPARE(year->text(), u"unknown"_s);
        QCOMPARE(child<QLabel>(dialog, "lblBirthYear")->text(), u"Year of birth:"_s);
        // A date of birth picked in an earlier year gives the year; this year's date does not.
        auto *calendar = child<QCalendarWidget>(dialog, "calSetDate");
        calendar->setSelectedDate(QDate(1956, 3, 4));
        QCOMPARE(year->value(), 1956);
        calendar->setSelectedDate(QDate::currentDate());
        QCOMPARE(year->value(), 1956);
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Mum"_s);
        clickOk(dialog);
        QCOMPARE(QString::fromStdString(HandedOver(entered)),
                 u"$$Mum$$"_s + today() + u"$$Birthday$$3$$$$1956"_s);
    }

    void yearOfBirthAfterTheDateIsRefusedAndUnknownWritesNone()
    {
        MessageAnswerer answers;
        frmAddEvent dialog(entered);
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Kid"_s);
        chooseType(dialog, "Birthday");
        child<QCalendarWidget>(dialog, "calSetDate")->setSelectedDate(QDate(2001, 5, 6));
        auto *year = child<QSpinBox>(dialog, "txtBirthYear");
        year->setValue(2010);
        clickOk(dialog);
        QCOMPARE(answers.texts(), QStringList(u"The year of birth cannot lie after the date!"_s));
        QCOMPARE(HandedOver(entered), std::string("-1"));
        year->setValue(0);
        clickOk(dialog);
        QCOMPARE(HandedOver(entered), std::string("$$Kid$$2001-05-06$$Birthday$$3$$"));
        // Another type never hands a year over.
        frmAddEvent yearly(entered);
        QTest::keyClicks(child<QLineEdit>(yearly, "txtDescription"), u"Wedding"_s);
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
        QTest::keyClicks(description, u"Dentist"_s);
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
        QCOMPARE(answers.texts(), QStringList(u"Description missing!"_s));
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Dentist"_s);
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
        QTest::keyClicks(child<QLineEdit>(dialog, "txtDescription"), u"Nothing"_s);
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
                 u"$$Odd$$"_s + today() + u"$$weekly$$150$$"_s);

        frmAddEvent changed(entered);
        changed.SetDescription("Odd");
        changed.SetOccurs("Weekly");
        changed.SetInterval(150);
        changed.SetPeriod(150);
        child<QSpinBox>(changed, "UpDown1")->setValue(5);
        clickOk(changed);
        QCOMPARE(QString::fromStdString(HandedOver(entered)),
                 u"$$Odd$$"_s + today() + u"$$Every 150th week$$5$$"_s);
    }
};

QTEST_MAIN(frmAddEventTest)
#include "frmAddEventTest.moc"
