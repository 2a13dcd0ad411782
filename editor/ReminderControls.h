// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifndef Q_MOC_RUN
#include "ReminderEntry.h"
#endif

#include <QWidget>

#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTimeEdit;

/// The editor's section for an event's time of day and its reminders beyond the notice period's
/// one: "At a time" and the time; for a day event the hour of the notice period's reminder; and
/// a list of further reminders, each some days (and for a timed event hours and minutes) before
/// it, which the user adds to and removes from.
class ReminderControls final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReminderControls)

public:
    explicit ReminderControls(QWidget *parent);
    ~ReminderControls() override;

    /// Shows the time and reminders of `event`; nothing counts as changed after it.
    void SetEvent(const clsEvent &event);
    /// Whether the user changed anything here since the dialog was prepared.
    [[nodiscard]] bool Touched() const { return m_touched; }
    /// The time of day as the event keeps it ("14:30"); empty for a day event.
    [[nodiscard]] std::string TimeText() const;
    /// The reminders shown, with the notice period's reminder `period` days ahead.
    [[nodiscard]] std::vector<Reminder> Reminders(int period) const;
    /// The notice period was changed: it gives one of the reminders again.
    void PeriodChanged();

    /// The controls in the order the keyboard goes through them.
    [[nodiscard]] QList<QWidget *> TabOrder() const;

private:
    [[nodiscard]] bool timed() const;
    void applyTimed();
    void fillList();
    void add();
    void remove();
    void touch();
    [[nodiscard]] QString describe(const Reminder &reminder) const;

    ReminderChoice m_choice;
    bool m_touched = false;

    QCheckBox *chkTime = nullptr;
    QTimeEdit *tmeTime = nullptr;
    QLabel *lblRemindAt = nullptr;
    QTimeEdit *tmeRemindAt = nullptr;
    QLabel *lblOthers = nullptr;
    QListWidget *lstOthers = nullptr;
    QLabel *lblDays = nullptr;
    QSpinBox *spnDays = nullptr;
    QLabel *lblAt = nullptr;
    QTimeEdit *tmeAt = nullptr;
    QLabel *lblHours = nullptr;
    QSpinBox *spnHours = nullptr;
    QLabel *lblMinutes = nullptr;
    QSpinBox *spnMinutes = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdRemove = nullptr;
};
