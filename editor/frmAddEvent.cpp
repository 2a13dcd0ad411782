// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAddEvent.h"

#include "Accessibility.h"
#include "Animation.h"
#include "ButtonKeys.h"
#include "Conversions.h"
#include "EventEntry.h"
#include "EventTypes.h"
#include "HelpViewer.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Occurrence.h"
#include "Paths.h"
#include "ReminderControls.h"
#include "ShownType.h"
#include "Text.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTimer>

frmAddEvent::frmAddEvent(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAddEvent"));
    setWindowTitle(tr("Add Event"));
    setModal(true);
    createControls();
    createEmailSection();
    createBirthYear();
    createRepeatOn();
    orderTabs();
    fitToStyle();
    placeReminders();
    AddHelpKey(this, [this] { return HelpContextID; });
    PressFocusedButtonOnEnter(this);
    // Opening: today, "Once" (collapsed, no interval), "No" e-mail.
    calSetDate->setSelectedDate(QDate::currentDate());
    comOccurs->setCurrentIndex(0);
    applyTypeRules();
    applyEmailChoice();
    SetOuterHeight(CollapsedHeight);
}

frmAddEvent::~frmAddEvent() = default;

void frmAddEvent::applyTypeRules()
{
    const std::string type = ToBytes(comOccurs->currentData().toString());
    const bool interval = !IntervalUnit(type).empty();
    const bool birthday = type == BirthdayType;
    const bool yearly = type == YearlyType;
    if (!birthday)
        txtEmail->clear();
    lblInterval->setVisible(interval);
    UpDown2->setVisible(interval);
    lblBirthYear->setVisible(birthday);
    txtBirthYear->setVisible(birthday);
    lblFirstYear->setVisible(yearly);
    txtFirstYear->setVisible(yearly);
    fillRepeatOn();
    if (interval) {
        UpDown2->setToolTip(tr("Set's the interval. For instance 1 is %1 and 3 is %2")
                                .arg(ShownType(type), ShownType(ComposeType(type, 3))));
    }
    SetOuterHeight(birthday ? ExpandedHeight : CollapsedHeight);
}

void frmAddEvent::applyEmailChoice()
{
    const bool yes = optYes->isChecked();
    if (!yes)
        txtEmail->clear();
    showEmailSection();
}

void frmAddEvent::SetDescription(const std::string &text)
{
    txtDescription->setText(FromBytes(text));
}

void frmAddEvent::SetDate(Date date)
{
    const Date::Ymd d = date.ymd();
    calSetDate->setSelectedDate(QDate(d.year, d.month, d.day));
}

void frmAddEvent::SetOccurs(const std::string &baseType)
{
    const int index = comOccurs->findData(FromBytes(baseType));
    comOccurs->setCurrentIndex(index >= 0 ? index : 0);
    if (index < 0)
        m_heldType = baseType;
}

void frmAddEvent::SetStoredOccurs(const std::string &occurs)
{
    const std::optional<WeekdayTypeParts> weekday = WeekdayTypeOf(occurs);
    m_repeatOn = !weekday                         ? RepeatOn::Day
                 : weekday->rule.week == LastWeek ? RepeatOn::LastWeek
                                                  : RepeatOn::Week;
    SetOccurs(std::string(BaseTypeOf(occurs)));
    SetInterval(IntervalOf(occurs).value_or(1));
    fillRepeatOn();
    m_heldInterval.reset();
    m_heldType = occurs;
}

void frmAddEvent::SetPeriod(int period)
{
    UpDown1->setValue(std::clamp(period, 0, 99));
    if (period < 0 || period > 99)
        m_heldPeriod = IntToText(period);
}

void frmAddEvent::SetInterval(int interval)
{
    UpDown2->setValue(std::clamp(interval, 1, 99));
    if (interval < 1 || interval > 99)
        m_heldInterval = interval;
}

void frmAddEvent::SetEmail(const std::string &address)
{
    if (address.empty()) {
        optNo->setChecked(true);
        return;
    }
    optYes->setChecked(true);
    txtEmail->setText(FromBytes(address));
}

void frmAddEvent::SetBirthYear(int year)
{
    txtBirthYear->setValue(year);
    txtFirstYear->setValue(year);
}

void frmAddEvent::SetEvent(const clsEvent &event)
{
    SetDescription(event.Description);
    SetDate(event.StartingOn);
    SetStoredOccurs(event.Occurs);
    SetPeriod(event.Period);
    SetOuterHeight(event.Occurs == BirthdayType ? EditBirthdayHeight : CollapsedHeight);
    SetEmail(event.Email);
    SetBirthYear(event.BirthYear);
    fraReminders->SetEvent(event);
    m_periodTouched = false;
    for (const OptionBox &shown : m_optionBoxes)
        shown.box->setText(FromBytes(event.Options.*shown.value));
    m_stored = event;
}

void frmAddEvent::addOptionBox(std::string EventOptions::*value, QLineEdit *box)
{
    box->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^$\\x00-\\x1f\\x7f]*")), box));
    m_optionBoxes.push_back({value, box});
}

std::optional<WeekdayRule> frmAddEvent::chosenWeekday() const
{
    if (comRepeatOn->isHidden() || comRepeatOn->currentIndex() < 0)
        return std::nullopt;
    const int week = comRepeatOn->currentData().toInt();
    if (week == 0)
        return std::nullopt;
    const QDate date = calSetDate->selectedDate();
    return WeekdayRule{.week = week, .weekday = date.dayOfWeek()};
}

std::string frmAddEvent::composeType() const
{
    if (m_heldType)
        return *m_heldType;
    const std::string base = ToBytes(comOccurs->currentData().toString());
    const int interval = m_heldInterval.value_or(UpDown2->value());
    if (const std::optional<WeekdayRule> weekday = chosenWeekday())
        return ComposeWeekdayType(base, interval, *weekday);
    return ComposeType(base, interval);
}

void frmAddEvent::cmdOk_Click()
{
    try {
        const QDate date = calSetDate->selectedDate();
        // A Birthday's year of birth and a yearly event's first year have boxes of their own.
        QSpinBox *year = comOccurs->currentData().toString() == FromBytes(YearlyType)
                             ? txtFirstYear
                             : txtBirthYear;
        const Date entered = Date::fromYmd(date.year(), date.month(), date.day());
        EventOptions options = m_stored ? KeptOptions(*m_stored, entered) : EventOptions{};
        for (const OptionBox &shown : m_optionBoxes)
            options.*shown.value = ToBytes(shown.box->text());
        const EntryVerdict verdict = CheckEventEntry(
            EventEntry{.typed = {.event = {.Id = {},
                                           .Description = ToBytes(txtDescription->text()),
                                           .StartingOn = entered,
                                           .Occurs = composeType(),
                                           .Period = 0,
                                           .Email = ToBytes(txtEmail->text()),
                                           .BirthYear = static_cast<int16_t>(year->value()),
                                           .Options = std::move(options)},
                                 .periodText = m_heldPeriod.value_or(IntToText(UpDown1->value()))},
                       .sendsMail = optYes->isChecked() && !fraEmail->isHidden()});
        txtDescription->setText(FromBytes(verdict.description));
        txtEmail->setText(FromBytes(verdict.email));
        if (!verdict.message.empty()) {
            ShowMessage(std::string_view(verdict.message), MsgStyle::OkCritical, this);
            QWidget *focus = verdict.focus == EntryField::Email ? txtEmail
                             : verdict.focus == EntryField::BirthYear
                                 ? year
                                 : static_cast<QWidget *>(txtDescription);
            focus->setFocus();
            return;
        }
        m_entered = verdict.event;
        takeReminders(*m_entered);
        stopAnimation();
        QDialog::accept();
    } catch (const std::exception &error) {
        ShowErrorReport(error.what(), this);
    }
}

void frmAddEvent::takeReminders(WrittenEvent &written) const
{
    // Untouched, an event keeps its time and reminders as they were, and a new one has none but
    // its notice period's. A notice period changed beside reminders of its own sets them anew.
    const bool ownReminders = m_stored && !m_stored->Options.Alarms.empty();
    if (!fraReminders->Touched() && !(m_periodTouched && ownReminders))
        return;
    clsEvent &event = written.event;
    event.Options.Time = fraReminders->TimeText();
    // A calendar's zone tells where its time was meant: without a time it tells nothing.
    if (event.Options.Time.empty())
        event.Options.Zone.clear();
    SetReminders(event, fraReminders->Reminders(UpDown1->value()));
    written.periodText = IntToText(event.Period);
}

void frmAddEvent::reject()
{
    m_entered.reset();
    stopAnimation();
    QDialog::reject();
}

void frmAddEvent::closeEvent(QCloseEvent *event)
{
    m_entered.reset();
    stopAnimation();
    QDialog::closeEvent(event);
}

void frmAddEvent::stopAnimation()
{
    anmAdd->Close();
}

void frmAddEvent::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    // The frame is known now: give the window the outer height it was asked for.
    SetOuterHeight(m_outerHeight);
    QTimer::singleShot(0, this, [this] {
        if (anmAdd->OpenClip("writeexclamation.avi", this))
            anmAdd->Play(-1);
    });
}

bool frmAddEvent::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    // A window manager reports the frame only after the window is shown, by the time it
    // activates it: the outer height is made right again once the frame is known.
    const QEvent::Type type = event->type();
    const bool mayKnowFrame = type == QEvent::Move || type == QEvent::Resize ||
                              type == QEvent::WindowActivate || type == QEvent::ActivationChange;
    if (mayKnowFrame && isVisible() &&
        frameGeometry().height() - geometry().height() != m_appliedFrame)
        SetOuterHeight(m_outerHeight);
    return handled;
}

bool frmAddEvent::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the description, the calendar or the type list moves on, as Tab does.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
