// SPDX-License-Identifier: GPL-3.0-or-later
// The event editor sized for the font, style and language in use: the design's sizes stand
// where they are enough, and where a longer text or a larger control needs more, the controls
// grow, the buttons beside them move and the dialog widens with them; and the dialog's outer
// height, collapsed or with the e-mail section.

#include "frmAddEvent.h"

#include "ReminderControls.h"
#include "TextWidth.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

void frmAddEvent::fitWeekdayNames()
{
    // Short day names ("Mon") where the calendar's columns hold them, single letters where not.
    const QFontMetrics metrics(calSetDate->font());
    const int column = calSetDate->width() / 7 - 4;
    bool fits = true;
    for (int day = 1; day <= 7; ++day)
        fits = fits && metrics.horizontalAdvance(
                           calSetDate->locale().dayName(day, QLocale::ShortFormat)) <= column;
    calSetDate->setHorizontalHeaderFormat(fits ? QCalendarWidget::ShortDayNames
                                               : QCalendarWidget::SingleLetterDayNames);
}

void frmAddEvent::fitEmailQuestion()
{
    // The question is the frame's title. Where the font makes it longer than the frame, the
    // frame takes the dialog's width and the address comes into it, on the line of Yes and No,
    // instead of standing beside the title.
    const int titleWidth = QFontMetrics(fraEmail->font()).horizontalAdvance(fraEmail->title()) + 24;
    if (titleWidth <= fraEmail->width())
        return;
    const QRect frame(fraEmail->x(), fraEmail->y(), m_width - 2 * fraEmail->x(),
                      fraEmail->height());
    fraEmail->setGeometry(frame);
    const int labelWidth = QFontMetrics(lblEmail->font()).horizontalAdvance(lblEmail->text()) + 4;
    lblEmail->setGeometry(172, frame.y() + 28, labelWidth, 16);
    const int boxLeft = lblEmail->geometry().right() + 4;
    txtEmail->setGeometry(boxLeft, frame.y() + 25, frame.right() - 8 - boxLeft, 22);
    lblEmail->raise();
    txtEmail->raise();
}

void frmAddEvent::fitToStyle()
{
    // A style decides how much room a list's arrow and a spinner's buttons take. The design's
    // sizes stand where they are enough; where the style in use needs more, the controls grow,
    // and the buttons beside them move right, the dialog widening with them.
    QSize type = comOccurs->size();
    for (int i = 0; i < comOccurs->count(); ++i) {
        QStyleOptionComboBox option;
        option.initFrom(comOccurs);
        option.currentText = comOccurs->itemText(i);
        const QSize text(comOccurs->fontMetrics().horizontalAdvance(option.currentText),
                         comOccurs->fontMetrics().height());
        type = type.expandedTo(
            style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, comOccurs));
    }
    comOccurs->resize(type);
    for (QLineEdit *text : {txtDescription, txtEmail})
        text->resize(text->width(), std::max(text->height(), text->sizeHint().height()));
    int right = comOccurs->geometry().right();
    // A caption longer in the user's language than the design's ("Année de naissance :") gets
    // its room the same way.
    for (QLabel *label : {lblPeriod, lblInterval, lblBirthYear}) {
        label->resize(std::max(label->width(), TextWidth(*label)), label->height());
        right = std::max(right, label->geometry().right());
    }
    for (QSpinBox *box : {UpDown1, UpDown2, txtBirthYear}) {
        box->resize(box->size().expandedTo(box->sizeHint()));
        right = std::max(right, box->geometry().right());
    }
    // Taller controls close the gaps of their column, which must still end above the line.
    const int grown = comOccurs->height() - 24 + UpDown1->height() - 24 +
                      std::max(UpDown2->height(), txtBirthYear->height()) - 24;
    if (grown > 0) {
        const int room = m_separator->y() - 2 - (232 + 24); // below the design's last control
        const int gap = std::max(4, (30 + 22 + room - grown) / 2);
        int y = comOccurs->geometry().bottom() + 1 + gap;
        lblPeriod->move(lblPeriod->x(), y);
        UpDown1->move(UpDown1->x(), y + 18);
        y = UpDown1->geometry().bottom() + 1 + gap;
        for (QLabel *label : {lblInterval, lblBirthYear})
            label->move(label->x(), y);
        for (QSpinBox *box : {UpDown2, txtBirthYear})
            box->move(box->x(), y + 18);
    }
    const int shift = std::max(0, right + 15 - cmdOk->x());
    // The buttons keep the design's width unless their words need more.
    int wider = 0;
    for (QPushButton *button : {cmdOk, cmdCancel})
        wider = std::max(wider, TextWidth(*button) - button->width());
    for (QPushButton *button : {cmdOk, cmdCancel})
        button->setGeometry(button->x() + shift, button->y(), button->width() + wider,
                            button->height());
    m_width += shift + wider;
    if (shift > 0)
        fitEmailQuestion();
    // The first year beside the interval, with the room it needs: where a style's wide boxes
    // leave too little before the dialog's edge, the buttons and the edge move right.
    const int firstYearLeft =
        std::max(UpDown2->geometry().right(), lblInterval->x() + TextWidth(*lblInterval)) + 9;
    lblFirstYear->setGeometry(firstYearLeft, lblInterval->y(),
                              std::max(lblFirstYear->width(), TextWidth(*lblFirstYear)),
                              lblFirstYear->height());
    txtFirstYear->setGeometry(firstYearLeft, UpDown2->y(),
                              std::max(txtFirstYear->width(), txtFirstYear->sizeHint().width()),
                              UpDown2->height());
    const int yearRoom =
        std::max(0, std::max(txtFirstYear->geometry().right(), lblFirstYear->geometry().right()) +
                        9 - m_width);
    for (QPushButton *button : {cmdOk, cmdCancel})
        button->move(button->x() + yearRoom, button->y());
    m_width += yearRoom;
    if (yearRoom > 0)
        fitEmailQuestion();
    // The choice of the day in the gap under the type, as high as the type's list, as wide as
    // the buttons' column reaches. Where a style's tall lists leave no such gap, it stands
    // beside the type, below the buttons, and the dialog widens for it where it must.
    const int under = comOccurs->geometry().bottom() + 4;
    if (under + comOccurs->height() + 2 <= lblPeriod->y()) {
        comRepeatOn->setGeometry(comOccurs->x(), under,
                                 cmdCancel->geometry().right() + 1 - comOccurs->x(),
                                 comOccurs->height());
        return;
    }
    QStringList samples = {tr("day %1").arg(28)};
    for (const int week : {1, 2, 3, 4, LastWeek}) {
        for (int weekday = 1; weekday <= 7; ++weekday)
            samples << weekdayChoice({week, weekday});
    }
    int needed = 0;
    for (const QString &sample : samples) {
        QStyleOptionComboBox option;
        option.initFrom(comRepeatOn);
        option.currentText = sample;
        const QSize text(comRepeatOn->fontMetrics().horizontalAdvance(sample),
                         comRepeatOn->fontMetrics().height());
        needed = std::max(
            needed,
            style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, comRepeatOn).width());
    }
    const int left = comOccurs->geometry().right() + 7;
    comRepeatOn->setGeometry(left, comOccurs->y(), needed, comOccurs->height());
    m_width = std::max(m_width, comRepeatOn->geometry().right() + 9);
    fitEmailQuestion();
}

void frmAddEvent::placeReminders()
{
    // Right of the buttons, down to the line above the e-mail section, as wide as its texts
    // need in the font and language in use.
    const int left = m_width;
    const int width = std::max(220, fraReminders->sizeHint().width());
    fraReminders->setGeometry(left, 8, width, m_separator->y() - 16);
    m_width = left + width + 9;
}

void frmAddEvent::SetOuterHeight(int twips)
{
    m_outerHeight = twips;
    const int frame = isVisible() ? frameGeometry().height() - geometry().height() : 0;
    m_appliedFrame = frame;
    int client = pixels(twips) - frame;
    // Collapsed, nothing of the e-mail section may show, whatever the window frame is.
    if (twips <= CollapsedHeight)
        client = std::min(client, pixels(4080) - 2);
    setFixedSize(m_width, client);
    showEmailSection();
}

void frmAddEvent::showEmailSection()
{
    // Collapsed, the section lies below the window's edge: a control there that kept the keyboard
    // would take keys and the focus out of sight.
    const bool shown = m_outerHeight > CollapsedHeight;
    fraEmail->setVisible(shown);
    const bool address = shown && optYes->isChecked();
    lblEmail->setVisible(address);
    txtEmail->setVisible(address);
}
