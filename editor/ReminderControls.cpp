// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderControls.h"

#include "Accessibility.h"
#include "Text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTime>
#include <QTimeEdit>

#include <algorithm>

namespace {

QTime timeOf(int minute)
{
    return {minute / 60, minute % 60};
}

int minuteOf(const QTime &time)
{
    return time.hour() * 60 + time.minute();
}

/// The user's own short time format ("14:30", "2:30 PM"), without the seconds some locales give
/// it: a reminder has none.
QString timeFormat()
{
    return QLocale().timeFormat(QLocale::ShortFormat).remove(QStringLiteral(":ss"));
}

QTimeEdit *timeBox(QWidget *parent, const char *name, int minute)
{
    auto *box = new QTimeEdit(timeOf(minute), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDisplayFormat(timeFormat());
    return box;
}

QSpinBox *numberBox(QWidget *parent, const char *name, int most)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, most);
    return box;
}

QLabel *label(QWidget *parent, const QString &text, const char *name)
{
    auto *shown = new QLabel(text, parent);
    shown->setObjectName(QString::fromLatin1(name));
    return shown;
}

} // namespace

ReminderControls::ReminderControls(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraReminders"));
    chkTime = new QCheckBox(tr("At a &time:"), this);
    chkTime->setObjectName(QStringLiteral("chkTime"));
    chkTime->setToolTip(tr("Gives the event a time of day; without one it lasts the whole day"));
    tmeTime = timeBox(this, "tmeTime", 12 * 60);
    tmeTime->setAccessibleName(tr("Time of day"));
    lblRemindAt = label(this, tr("Reminder at:"), "lblRemindAt");
    tmeRemindAt = timeBox(this, "tmeRemindAt", DefaultReminderMinute);
    tmeRemindAt->setToolTip(tr("The hour of the notice period's reminder"));
    lblOthers = label(this, tr("More reminders:"), "lblOthers");
    lstOthers = new QListWidget(this);
    lstOthers->setObjectName(QStringLiteral("lstOthers"));
    lblDays = label(this, tr("Days before:"), "lblDays");
    spnDays = numberBox(this, "spnDays", 99);
    lblAt = label(this, tr("At:"), "lblAt");
    tmeAt = timeBox(this, "tmeAt", DefaultReminderMinute);
    lblHours = label(this, tr("Hours:"), "lblHours");
    spnHours = numberBox(this, "spnHours", 23);
    lblMinutes = label(this, tr("Minutes:"), "lblMinutes");
    spnMinutes = numberBox(this, "spnMinutes", 59);
    cmdAdd = new QPushButton(tr("A&dd"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setToolTip(tr("Adds a reminder the days (and hours) before the event given above"));
    cmdRemove = new QPushButton(tr("Re&move"), this);
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    cmdRemove->setToolTip(tr("Removes the reminder chosen in the list"));
    for (QPushButton *button : {cmdAdd, cmdRemove})
        button->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    grid->addWidget(chkTime, 0, 0, 1, 2);
    grid->addWidget(tmeTime, 0, 2, 1, 2);
    grid->addWidget(lblRemindAt, 1, 0, 1, 2);
    grid->addWidget(tmeRemindAt, 1, 2, 1, 2);
    grid->addWidget(lblOthers, 2, 0, 1, 4);
    grid->addWidget(lstOthers, 3, 0, 1, 4);
    grid->addWidget(lblDays, 4, 0, 1, 2);
    grid->addWidget(spnDays, 4, 2, 1, 2);
    grid->addWidget(lblAt, 5, 0, 1, 2);
    grid->addWidget(tmeAt, 5, 2, 1, 2);
    grid->addWidget(lblHours, 5, 0);
    grid->addWidget(spnHours, 5, 1);
    grid->addWidget(lblMinutes, 5, 2);
    grid->addWidget(spnMinutes, 5, 3);
    grid->addWidget(cmdAdd, 6, 0, 1, 2);
    grid->addWidget(cmdRemove, 6, 2, 1, 2);
    grid->setRowStretch(3, 1);

    NameAfterLabel(lblRemindAt, tmeRemindAt);
    NameAfterLabel(lblOthers, lstOthers);
    NameAfterLabel(lblDays, spnDays);
    NameAfterLabel(lblAt, tmeAt);
    NameAfterLabel(lblHours, spnHours);
    NameAfterLabel(lblMinutes, spnMinutes);

    connect(chkTime, &QCheckBox::toggled, this, [this](bool checked) {
        // The reminders stay on the days they came, at the hour a day event or a timed one has.
        m_choice.others = MovedReminders(
            m_choice.others, checked ? std::nullopt : std::optional<int>(minuteOf(tmeTime->time())),
            checked);
        touch();
        applyTimed();
    });
    for (QTimeEdit *box : {tmeTime, tmeRemindAt})
        connect(box, &QTimeEdit::timeChanged, this, &ReminderControls::touch);
    connect(cmdAdd, &QPushButton::clicked, this, &ReminderControls::add);
    connect(cmdRemove, &QPushButton::clicked, this, &ReminderControls::remove);
    applyTimed();
}

ReminderControls::~ReminderControls() = default;

void ReminderControls::SetEvent(const clsEvent &event)
{
    const std::optional<int> time = EventTime(event);
    m_choice = SplitReminders(event);
    {
        const QSignalBlocker quiet(chkTime);
        chkTime->setChecked(time.has_value());
    }
    tmeTime->setTime(timeOf(time.value_or(12 * 60)));
    tmeRemindAt->setTime(timeOf(m_choice.remindAt));
    applyTimed();
    m_touched = false;
}

bool ReminderControls::timed() const
{
    return chkTime->isChecked();
}

std::string ReminderControls::TimeText() const
{
    return timed() ? TimeOfDayText(minuteOf(tmeTime->time())) : std::string();
}

std::vector<Reminder> ReminderControls::Reminders(int period) const
{
    ReminderChoice choice = m_choice;
    choice.remindAt = minuteOf(tmeRemindAt->time());
    return JoinReminders(choice, period, timed());
}

void ReminderControls::PeriodChanged()
{
    m_choice.periodReminder = true;
}

QList<QWidget *> ReminderControls::TabOrder() const
{
    return {chkTime, tmeTime,  tmeRemindAt, lstOthers, spnDays,
            tmeAt,   spnHours, spnMinutes,  cmdAdd,    cmdRemove};
}

void ReminderControls::touch()
{
    m_touched = true;
}

void ReminderControls::applyTimed()
{
    // A timed event's reminders count hours and minutes before its time; a day event's come at
    // an hour of their day.
    const bool on = timed();
    tmeTime->setEnabled(on);
    for (QWidget *dayOnly : std::initializer_list<QWidget *>{lblRemindAt, tmeRemindAt})
        dayOnly->setEnabled(!on);
    for (QWidget *dayOnly : std::initializer_list<QWidget *>{lblAt, tmeAt})
        dayOnly->setVisible(!on);
    for (QWidget *timedOnly :
         std::initializer_list<QWidget *>{lblHours, spnHours, lblMinutes, spnMinutes})
        timedOnly->setVisible(on);
    fillList();
}

void ReminderControls::fillList()
{
    const int current = lstOthers->currentRow();
    lstOthers->clear();
    for (const Reminder &reminder : m_choice.others)
        lstOthers->addItem(describe(reminder));
    if (lstOthers->count() > 0)
        lstOthers->setCurrentRow(std::clamp(current, 0, lstOthers->count() - 1));
    cmdRemove->setEnabled(lstOthers->count() > 0);
}

void ReminderControls::add()
{
    const int minutes =
        timed() ? spnHours->value() * 60 + spnMinutes->value() : minuteOf(tmeAt->time());
    const Reminder reminder = ReminderBefore(spnDays->value(), minutes, timed());
    const auto known = std::find(m_choice.others.begin(), m_choice.others.end(), reminder);
    const auto at = known != m_choice.others.end() ? known - m_choice.others.begin()
                                                   : std::ssize(m_choice.others);
    if (known == m_choice.others.end())
        m_choice.others.push_back(reminder);
    touch();
    fillList();
    lstOthers->setCurrentRow(int(at));
    Announce(window(), tr("Added: %1").arg(describe(reminder)));
}

void ReminderControls::remove()
{
    const int row = lstOthers->currentRow();
    if (row < 0 || row >= std::ssize(m_choice.others))
        return;
    m_choice.others.erase(m_choice.others.begin() + row);
    touch();
    fillList();
    // With the last one gone, the keyboard goes back to the days of a new one.
    if (m_choice.others.empty())
        spnDays->setFocus();
}

QString ReminderControls::describe(const Reminder &reminder) const
{
    const bool dayWise = !timed() && !reminder.fromEnd;
    const ReminderParts parts = PartsOf(reminder, !dayWise);
    if (dayWise) {
        const QString at = QLocale().toString(timeOf(parts.minutes), timeFormat());
        const int days = std::abs(parts.days);
        if (days == 0)
            return tr("On the day at %1").arg(at);
        // English says one day and two days; each text carries every form a language needs.
        if (parts.days > 0)
            return (days == 1 ? tr("%n day before at %1", nullptr, days)
                              : tr("%n days before at %1", nullptr, days))
                .arg(at);
        return (days == 1 ? tr("%n day after at %1", nullptr, days)
                          : tr("%n days after at %1", nullptr, days))
            .arg(at);
    }
    // Hours and minutes before the time (or the end), or after it.
    const int32_t length = std::abs(reminder.offset);
    QStringList words;
    if (const int days = length / MinutesPerDay)
        words << (days == 1 ? tr("%n day", nullptr, days) : tr("%n days", nullptr, days));
    if (const int hours = length % MinutesPerDay / 60)
        words << (hours == 1 ? tr("%n hour", nullptr, hours) : tr("%n hours", nullptr, hours));
    if (const int minutes = length % 60)
        words << (minutes == 1 ? tr("%n minute", nullptr, minutes)
                               : tr("%n minutes", nullptr, minutes));
    if (words.isEmpty())
        return reminder.fromEnd ? tr("At its end") : tr("At its time");
    const QString span = words.join(QLatin1Char(' '));
    if (reminder.fromEnd)
        return reminder.offset < 0 ? tr("%1 before its end").arg(span)
                                   : tr("%1 after its end").arg(span);
    return reminder.offset < 0 ? tr("%1 before").arg(span) : tr("%1 after").arg(span);
}
