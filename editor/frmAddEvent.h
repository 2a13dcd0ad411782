// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifndef Q_MOC_RUN
#include "EventLine.h"
#include "EventTypes.h"
#endif

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class Animation;
class QCalendarWidget;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class Date;
class ReminderControls;

/// The event editor: description, date, type (with an interval for the week, month and year
/// types, and for the month and year types the choice between the date's day of the month and
/// its weekday), notice period and, for birthdays, an e-mail address and the year of birth (for
/// yearly events the year they were first); in a column beside them an optional time of day and
/// further reminders. It checks the input; after exec(), entered() holds
/// the event, or none when the dialog was left without OK.
class frmAddEvent final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAddEvent)

public:
    /// The outer heights of the dialog, in twips: without and with the e-mail section.
    static constexpr int CollapsedHeight = 4400;
    static constexpr int ExpandedHeight = 5550;
    /// The height the edit command opens a birthday at; the design gives the command its own
    /// number, 50 twips short of the editor's expanded height, and both are kept as designed.
    static constexpr int EditBirthdayHeight = 5500;

    explicit frmAddEvent(QWidget *parent = nullptr);
    ~frmAddEvent() override;

    /// The event entered; none before OK took it, or when the dialog was left without OK.
    [[nodiscard]] const std::optional<WrittenEvent> &entered() const { return m_entered; }

    /// The dialog's outer height (title bar included), in twips (15 to a pixel).
    void SetOuterHeight(int twips);
    int HelpContextID = 0;

    // Preparing the dialog from a stored event. A value the controls cannot show (a period
    // or interval outside 0..99 / 1..99, a type text that is none of the six) is kept as it
    // was and handed back unchanged unless the user changes that control.
    void SetDescription(const std::string &text);
    void SetDate(Date date);
    void SetOccurs(const std::string &baseType);
    /// Shows a stored type text: its base type and interval; the text itself is handed back
    /// as it was unless the user changes the type or the interval.
    void SetStoredOccurs(const std::string &occurs);
    void SetPeriod(int period);
    void SetInterval(int interval);
    void SetEmail(const std::string &address);
    /// A Birthday's year of birth, or a yearly event's first year; 0 shows "unknown".
    void SetBirthYear(int year);
    /// Prepares the dialog from a stored event, as the setters above do, at the outer height
    /// editing it opens at. The optional values it does not show go back with the event entered:
    /// the day meant beside a shortened date only while the date stays.
    void SetEvent(const clsEvent &event);

    /// What the month and year types fall on: the date's day of the month, its week of the month
    /// (the first to the fourth) or the month's last week, each on the date's weekday.
    enum class RepeatOn
    {
        Day,
        Week,
        LastWeek,
    };

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Pixels at 96 dots per inch from the design's twips.
    static constexpr int pixels(int twips) { return twips / 15; }
    void createControls();
    void createEmailSection();
    void createBirthYear();
    void createRepeatOn();
    void orderTabs();
    /// Shows the e-mail section where the dialog's height holds it, and hides it, out of the
    /// keyboard's reach too, where the height cuts it off.
    void showEmailSection();
    void fillRepeatOn();
    [[nodiscard]] QString weekdayChoice(WeekdayRule rule) const;
    /// The weekday the month and year types fall on as comRepeatOn chooses it; none for the day
    /// of the month, and for the other types.
    [[nodiscard]] std::optional<WeekdayRule> chosenWeekday() const;
    void fitWeekdayNames();
    void fitEmailQuestion();
    void fitToStyle();
    /// Puts the time and reminders in a column of their own beside the others.
    void placeReminders();
    /// Gives the event taken the time and reminders shown, where the user changed them.
    void takeReminders(WrittenEvent &event) const;
    void applyTypeRules();
    void applyEmailChoice();
    void cmdOk_Click();
    [[nodiscard]] std::string composeType() const;
    void stopAnimation();
    /// Shows the optional text `value` in `box`: SetEvent fills the box, OK reads it back. The box
    /// takes no "$" and no control character, which the event line cannot keep.
    void addOptionBox(std::string EventOptions::*value, QLineEdit *box);

    std::optional<WrittenEvent> m_entered;
    std::optional<clsEvent> m_stored; // the event SetEvent gave: its optional values go back
    struct OptionBox
    {
        std::string EventOptions::*value;
        QLineEdit *box;
    };
    std::vector<OptionBox> m_optionBoxes;    // the optional values the dialog shows
    std::optional<std::string> m_heldType;   // a stored type the list cannot show
    std::optional<std::string> m_heldPeriod; // a stored period the spinner cannot show
    std::optional<int> m_heldInterval;       // a stored interval the spinner cannot show
    RepeatOn m_repeatOn = RepeatOn::Day;     // the user's choice in comRepeatOn
    int m_outerHeight = CollapsedHeight;
    int m_width = 5835 / 15; // the design's width in pixels, or more where the style needs it
    int m_appliedFrame = 0;  // the frame height the last SetOuterHeight allowed for
    bool m_opened = false;
    bool m_periodTouched = false; // the notice period was changed since the dialog was prepared

    QLabel *lblDescription = nullptr;
    QLineEdit *txtDescription = nullptr;
    QLabel *lblStartingOn = nullptr;
    QCalendarWidget *calSetDate = nullptr;
    QLabel *lblOccurs = nullptr;
    QComboBox *comOccurs = nullptr;
    QLabel *lblPeriod = nullptr;
    QSpinBox *UpDown1 = nullptr; // shows txtPeriod
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *lblInterval = nullptr;
    QSpinBox *UpDown2 = nullptr; // shows txtInterval
    QLabel *lblBirthYear = nullptr;
    QSpinBox *txtBirthYear = nullptr; // its lowest value reads "unknown"
    QComboBox *comRepeatOn = nullptr; // Monthly and Yearly: the day of the month or a weekday
    QLabel *lblFirstYear = nullptr;
    QSpinBox *txtFirstYear = nullptr; // a yearly event's first year; its lowest reads "unknown"
    QLabel *m_clipView = nullptr;
    Animation *anmAdd = nullptr;
    QFrame *m_separator = nullptr;
    QGroupBox *fraEmail = nullptr;
    QRadioButton *optYes = nullptr;
    QRadioButton *optNo = nullptr;
    QLabel *lblEmail = nullptr;
    QLineEdit *txtEmail = nullptr;
    ReminderControls *fraReminders = nullptr; // the time of day and the further reminders
};
