// SPDX-License-Identifier: GPL-3.0-or-later
// The event editor's controls: where each stands, and how the e-mail section, the year of birth
// and the weekday choice are laid out. Sizes are in pixels at 96 dots per inch (the design's
// twips divided by 15); frmAddEventFit.cpp gives texts and controls that the font, style or
// language in use makes larger the room they need.

#include "frmAddEvent.h"

#include "Accessibility.h"
#include "Animation.h"
#include "CalendarDays.h"
#include "EventTypes.h"
#include "ReminderControls.h"
#include "ShownType.h"
#include "Text.h"
#include "TextWidth.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>

#include <algorithm>

namespace {

/// A number box with its up-down buttons, which takes typed digits as the year boxes do.
QSpinBox *spinner(QWidget *parent, const char *name, const char *boxName, int minimum)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->findChild<QLineEdit *>()->setObjectName(QString::fromLatin1(boxName));
    box->setRange(minimum, 99);
    box->setSingleStep(1);
    return box;
}

} // namespace

void frmAddEvent::createControls()
{
    lblDescription = new QLabel(tr("Description:"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setGeometry(8, 8, 90, 16);

    txtDescription = new QLineEdit(this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    txtDescription->setGeometry(8, 30, 281, 22);
    txtDescription->setToolTip(tr("This where you write the name off the current event"));

    lblStartingOn = new QLabel(tr("Starting on:"), this);
    lblStartingOn->setObjectName(QStringLiteral("lblStartingOn"));
    lblStartingOn->setGeometry(8, 78, 90, 17);

    calSetDate = new QCalendarWidget(this);
    calSetDate->setObjectName(QStringLiteral("calSetDate"));
    calSetDate->setGeometry(8, 96, 180, 166);
    calSetDate->setToolTip(tr("Set the date of the event"));
    calSetDate->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calSetDate->setGridVisible(false);
    QFont small = calSetDate->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    calSetDate->setFont(small);
    fitWeekdayNames();

    lblOccurs = new QLabel(tr("Type:"), this);
    lblOccurs->setObjectName(QStringLiteral("lblOccurs"));
    lblOccurs->setGeometry(200, 78, 60, 16);

    comOccurs = new QComboBox(this);
    comOccurs->setObjectName(QStringLiteral("comOccurs"));
    comOccurs->setGeometry(200, 96, 89, 24);
    comOccurs->setToolTip(tr("Sets the type of event"));
    for (const std::string_view type : BaseTypes)
        comOccurs->addItem(ShownType(type), FromBytes(type));
    connect(comOccurs, &QComboBox::currentIndexChanged, this, [this] {
        m_heldType.reset();
        applyTypeRules();
    });

    lblPeriod = new QLabel(tr("Notice period:"), this);
    lblPeriod->setObjectName(QStringLiteral("lblPeriod"));
    lblPeriod->setGeometry(200, 150, 100, 17);

    UpDown1 = spinner(this, "UpDown1", "txtPeriod", 0);
    UpDown1->setGeometry(200, 168, 56, 24);
    UpDown1->setValue(3);
    UpDown1->setToolTip(tr("Sets how many days ahead of the event you should be reminded"));
    connect(UpDown1, &QSpinBox::valueChanged, this, [this] {
        m_heldPeriod.reset();
        m_periodTouched = true;
        fraReminders->PeriodChanged();
    });
    fraReminders = new ReminderControls(this);

    cmdOk = new QPushButton(tr("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setGeometry(304, 16, 73, 25);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(304, 48, 73, 25);
    // Neither button is the default: Enter moves on through the fields instead.
    for (QPushButton *button : {cmdOk, cmdCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(cmdOk, &QPushButton::clicked, this, &frmAddEvent::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAddEvent::reject);

    lblInterval = new QLabel(tr("Interval:"), this);
    lblInterval->setObjectName(QStringLiteral("lblInterval"));
    lblInterval->setGeometry(200, 214, 60, 16);

    UpDown2 = spinner(this, "UpDown2", "txtInterval", 1);
    UpDown2->setGeometry(200, 232, 56, 24);
    UpDown2->setValue(1);
    connect(UpDown2, &QSpinBox::valueChanged, this, [this] {
        m_heldInterval.reset();
        // A changed interval composes the type anew, also for a stored type text.
        m_heldType.reset();
    });

    m_clipView = new QLabel(this);
    m_clipView->setObjectName(QStringLiteral("anmAdd"));
    m_clipView->setGeometry(pixels(4800), pixels(2280), pixels(735), pixels(855));
    anmAdd = new Animation(m_clipView);

    m_separator = new QFrame(this);
    m_separator->setObjectName(QStringLiteral("Line1"));
    m_separator->setFrameShape(QFrame::HLine);
    m_separator->setFrameShadow(QFrame::Sunken);
    m_separator->setGeometry(8, pixels(4080), 360, 3);

    for (QWidget *w : std::initializer_list<QWidget *>{txtDescription, calSetDate, comOccurs})
        w->installEventFilter(this);
    // The calendar's day grid is the child that has the focus.
    if (auto *grid = calSetDate->findChild<QAbstractItemView *>())
        grid->installEventFilter(this);
}

void frmAddEvent::createEmailSection()
{
    fraEmail = new QGroupBox(tr("E-mail this person on the birthday?"), this);
    fraEmail->setObjectName(QStringLiteral("fraEmail"));
    fraEmail->setGeometry(8, pixels(4320) - 4, 185, 56);
    optYes = new QRadioButton(tr("Yes"), fraEmail);
    optYes->setObjectName(QStringLiteral("optYes"));
    optYes->setGeometry(16, 26, 60, 20);
    optNo = new QRadioButton(tr("No"), fraEmail);
    optNo->setObjectName(QStringLiteral("optNo"));
    optNo->setGeometry(96, 26, 60, 20);
    optNo->setChecked(true);
    connect(optYes, &QRadioButton::toggled, this, &frmAddEvent::applyEmailChoice);

    lblEmail = new QLabel(tr("E-mail:"), this);
    lblEmail->setObjectName(QStringLiteral("lblEmail"));
    lblEmail->setGeometry(200, pixels(4320), 60, 16);
    txtEmail = new QLineEdit(this);
    txtEmail->setObjectName(QStringLiteral("txtEmail"));
    txtEmail->setGeometry(200, pixels(4560), 169, 22);
    fitEmailQuestion();

    NameAfterLabel(lblDescription, txtDescription);
    NameAfterLabel(lblStartingOn, calSetDate);
    // The keyboard works in the calendar's grid of days, which a screen reader would read as a
    // bare table of numbers: it gets the calendar's name, and the chosen date in words; each
    // day moved to reads as its date.
    ReadDaysAsDates(calSetDate);
    if (auto *days =
            calSetDate->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"))) {
        days->setAccessibleName(calSetDate->accessibleName());
        const auto describe = [this, days] {
            days->setAccessibleDescription(
                QLocale().toString(calSetDate->selectedDate(), QLocale::LongFormat));
        };
        describe();
        connect(calSetDate, &QCalendarWidget::selectionChanged, days, describe);
    }
    NameAfterLabel(lblOccurs, comOccurs);
    NameAfterLabel(lblPeriod, UpDown1);
    NameAfterLabel(lblInterval, UpDown2);
    NameAfterLabel(lblEmail, txtEmail);
}

void frmAddEvent::createBirthYear()
{
    // A Birthday has no interval, so the year of birth takes the interval's place.
    lblBirthYear = new QLabel(tr("Year of birth:"), this);
    lblBirthYear->setObjectName(QStringLiteral("lblBirthYear"));
    lblBirthYear->setGeometry(200, 214, 100, 16);
    txtBirthYear = new QSpinBox(this);
    txtBirthYear->setObjectName(QStringLiteral("txtBirthYear"));
    txtBirthYear->setGeometry(200, 232, 80, 24);
    txtBirthYear->setRange(0, QDate::currentDate().year());
    txtBirthYear->setSpecialValueText(tr("unknown"));
    txtBirthYear->setValue(0);
    txtBirthYear->setToolTip(tr("The year the person was born, to show their age"));
    NameAfterLabel(lblBirthYear, txtBirthYear);
    // A date of birth picked in the calendar gives its year: the date itself moves on to the
    // next birthday when the event is added.
    connect(calSetDate, &QCalendarWidget::selectionChanged, this, [this] {
        const int year = calSetDate->selectedDate().year();
        if (year < QDate::currentDate().year())
            txtBirthYear->setValue(year);
    });
}

void frmAddEvent::createRepeatOn()
{
    // Right under the type it qualifies, in the gap the design leaves above the notice period:
    // the date's day of the month, or its weekday ("second Tuesday").
    comRepeatOn = new QComboBox(this);
    comRepeatOn->setObjectName(QStringLiteral("comRepeatOn"));
    comRepeatOn->setGeometry(200, 124, 177, 24);
    comRepeatOn->setToolTip(tr("Sets whether the event keeps its day of the month or its weekday"));
    comRepeatOn->setAccessibleName(tr("Falls on"));
    SayChoice(comRepeatOn);
    comRepeatOn->hide();
    connect(comRepeatOn, &QComboBox::activated, this, [this] {
        const int week = comRepeatOn->currentData().toInt();
        m_repeatOn = week == 0          ? RepeatOn::Day
                     : week == LastWeek ? RepeatOn::LastWeek
                                        : RepeatOn::Week;
        m_heldType.reset();
    });

    // A yearly event's first year, beside its interval: the years it counts.
    lblFirstYear = new QLabel(tr("First year:"), this);
    lblFirstYear->setObjectName(QStringLiteral("lblFirstYear"));
    lblFirstYear->setGeometry(265, 214, 100, 16);
    txtFirstYear = new QSpinBox(this);
    txtFirstYear->setObjectName(QStringLiteral("txtFirstYear"));
    txtFirstYear->setGeometry(265, 232, 80, 24);
    txtFirstYear->setRange(0, QDate::currentDate().year());
    txtFirstYear->setSpecialValueText(tr("unknown"));
    // Typed rather than stepped: a year is far from "unknown", and the buttons of some styles
    // would leave the box no room beside the interval.
    txtFirstYear->setButtonSymbols(QAbstractSpinBox::NoButtons);
    txtFirstYear->setValue(0);
    txtFirstYear->setToolTip(tr("The year it was first, to count the years"));
    NameAfterLabel(lblFirstYear, txtFirstYear);
    // A date picked in the calendar gives the choices of the day. It gives no first year: a
    // yearly event counts its years only where the user asks for it.
    connect(calSetDate, &QCalendarWidget::selectionChanged, this, [this] {
        if (chosenWeekday())
            m_heldType.reset(); // the weekday is the date's: a new date names another
        fillRepeatOn();
    });
}

void frmAddEvent::orderTabs()
{
    // The keyboard goes the way the eye reads: down the left column, down the right one, the
    // e-mail section where it shows, the time and reminders, and OK and Cancel last.
    QList<QWidget *> order = {txtDescription, calSetDate, comOccurs,    comRepeatOn,
                              UpDown1,        UpDown2,    txtBirthYear, txtFirstYear,
                              optYes,         optNo,      txtEmail};
    order << fraReminders->TabOrder() << cmdOk << cmdCancel;
    for (auto it = order.begin(); it + 1 != order.end(); ++it)
        setTabOrder(*it, *(it + 1));
}

QString frmAddEvent::weekdayChoice(WeekdayRule rule) const
{
    // Short, right under the type they qualify: "Monthly", "second Tuesday".
    static const char *const texts[] = {
        QT_TR_NOOP("first %1"),  QT_TR_NOOP("second %1"), QT_TR_NOOP("third %1"),
        QT_TR_NOOP("fourth %1"), QT_TR_NOOP("last %1"),
    };
    const QString weekday = QCoreApplication::translate(
        "EventTypes", std::string(WeekdayNames[size_t(rule.weekday - 1)]).c_str());
    return tr(texts[rule.week == LastWeek ? 4 : rule.week - 1]).arg(weekday);
}

void frmAddEvent::fillRepeatOn()
{
    // The same words for a yearly event: its month is the calendar's, beside the choice.
    const QString type = comOccurs->currentData().toString();
    const bool shown = type == FromBytes(YearlyType) || type == FromBytes(MonthlyType);
    comRepeatOn->setVisible(shown);
    if (!shown)
        return;
    const QDate date = calSetDate->selectedDate();
    const WeekdayRulesOn rules =
        WeekdayRulesOf(Date::fromYmd(date.year(), date.month(), date.day()));
    const QSignalBlocker quiet(comRepeatOn);
    comRepeatOn->clear();
    comRepeatOn->addItem(tr("day %1").arg(date.day()), 0);
    for (const std::optional<WeekdayRule> &rule : {rules.numbered, rules.last}) {
        if (rule)
            comRepeatOn->addItem(weekdayChoice(*rule), rule->week);
    }
    // The choice made stands where the date offers it; a weekday stays a weekday where the date
    // offers only the other week (the 29th has no fourth, the 10th no last).
    const int wanted = m_repeatOn == RepeatOn::Day ? 0
                       : m_repeatOn == RepeatOn::LastWeek
                           ? LastWeek
                           : rules.numbered.value_or(WeekdayRule{}).week;
    const int index = comRepeatOn->findData(wanted);
    comRepeatOn->setCurrentIndex(index >= 0 ? index : m_repeatOn == RepeatOn::Day ? 0 : 1);
}
