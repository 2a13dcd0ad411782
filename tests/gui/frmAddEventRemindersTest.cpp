// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAddEvent.h"

#include "GuiTestSupport.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

using namespace Qt::StringLiterals;

namespace {

void click(frmAddEvent &dialog, const char *button)
{
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

QString lineOf(const frmAddEvent &dialog)
{
    return dialog.entered() ? QString::fromStdString(FormatEventLine(dialog.entered()->event))
                            : u"-1"_s;
}

clsEvent dentist(std::string time, std::string alarms, int16_t period)
{
    return {.Id = "ID3",
            .Description = "Dentist",
            .StartingOn = Date::fromYmd(2027, 3, 4),
            .Occurs = "Once",
            .Period = period,
            .Email = {},
            .BirthYear = 0,
            .Options = {.Uid = "u1", .Time = std::move(time), .Alarms = std::move(alarms)}};
}

} // namespace

class frmAddEventRemindersTest : public QObject
{
    Q_OBJECT

private slots:
    // Times show as the user's locale writes them: here "14:30".
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void aTimeAndTwoRemindersAreTakenWithTheNoticePeriodOfTheEarliest()
    {
        frmAddEvent dialog;
        dialog.SetEvent(dentist({}, {}, 3));
        showAndWait(dialog);
        // The keyboard's way: Space on "At a time", the time typed, then two reminders.
        auto *atTime = child<QCheckBox>(dialog, "chkTime");
        atTime->setFocus();
        QTest::keyClick(atTime, Qt::Key_Space);
        child<QTimeEdit>(dialog, "tmeTime")->setTime(QTime(14, 30));
        child<QSpinBox>(dialog, "UpDown1")->setValue(1);
        auto *list = child<QListWidget>(dialog, "lstOthers");
        child<QSpinBox>(dialog, "spnDays")->setValue(0);
        child<QSpinBox>(dialog, "spnHours")->setValue(0);
        child<QSpinBox>(dialog, "spnMinutes")->setValue(30);
        click(dialog, "cmdAdd");
        child<QSpinBox>(dialog, "spnDays")->setValue(7);
        child<QSpinBox>(dialog, "spnMinutes")->setValue(0);
        click(dialog, "cmdAdd");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), u"30 minutes before"_s);
        QCOMPARE(list->item(1)->text(), u"7 days before"_s);
        click(dialog, "cmdOk");
        const clsEvent &event = dialog.entered().value().event;
        QCOMPARE(event.Options.Time, "14:30");
        QCOMPARE(event.Options.Alarms, "-P1D,-PT30M,-P7D");
        QCOMPARE(event.Period, 7);
        QCOMPARE(dialog.entered()->periodText, "7");

        // A removed reminder leaves the notice period's alone: no reminders of its own.
        list->setCurrentRow(1);
        click(dialog, "cmdRemove");
        list->setCurrentRow(0);
        click(dialog, "cmdRemove");
        QCOMPARE(list->count(), 0);
        click(dialog, "cmdOk");
        QCOMPARE(lineOf(dialog), u"$$Dentist$$2027-03-04$$Once$$1$$$$$$uid=u1$$time=14:30"_s);
    }

    void aDayEventsRemindersComeAtTheHourSet()
    {
        frmAddEvent dialog;
        dialog.SetEvent(dentist({}, {}, 2));
        child<QTimeEdit>(dialog, "tmeRemindAt")->setTime(QTime(8, 0));
        child<QSpinBox>(dialog, "spnDays")->setValue(10);
        child<QTimeEdit>(dialog, "tmeAt")->setTime(QTime(18, 15));
        click(dialog, "cmdAdd");
        QCOMPARE(child<QListWidget>(dialog, "lstOthers")->item(0)->text(),
                 u"10 days before at 18:15"_s);
        click(dialog, "cmdOk");
        QCOMPARE(lineOf(dialog),
                 u"$$Dentist$$2027-03-04$$Once$$10$$$$$$uid=u1$$alarms=-P1DT16H,-P9DT5H45M"_s);
    }

    void eventsEditedWithoutTouchingTheirRemindersStayByteForByte()
    {
        // A calendar's event with a zone, a length and reminders none of which is the notice
        // period's own, and an old day event.
        clsEvent call = dentist("09:30", "-PT15M,-PT5M@end", 0);
        call.Options.Zone = "Europe/Berlin";
        call.Options.Duration = "PT45M";
        for (const clsEvent &stored : {call, dentist({}, {}, 3), dentist({}, "-P6DT15H,PT9H", 7)}) {
            frmAddEvent dialog;
            dialog.SetEvent(stored);
            click(dialog, "cmdOk");
            QVERIFY(dialog.entered());
            QCOMPARE(FormatEventLine(dialog.entered()->event), FormatEventLine(stored));
        }
        // The calendar's reminders show in the list; the notice period's one on its day at 09:00
        // is the notice period's, the other stays in the list.
        frmAddEvent dialog;
        dialog.SetEvent(call);
        auto *list = child<QListWidget>(dialog, "lstOthers");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), u"5 minutes before its end"_s);
        dialog.SetEvent(dentist({}, "-P6DT15H,PT9H", 7));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), u"On the day at 09:00"_s);
        // A new notice period moves the notice period's reminder and keeps the other.
        child<QSpinBox>(dialog, "UpDown1")->setValue(5);
        click(dialog, "cmdOk");
        QCOMPARE(lineOf(dialog),
                 u"$$Dentist$$2027-03-04$$Once$$5$$$$$$uid=u1$$alarms=-P4DT15H,PT9H"_s);
    }
};

QTEST_MAIN(frmAddEventRemindersTest)
#include "frmAddEventRemindersTest.moc"
