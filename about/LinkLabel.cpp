// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setColour(QColor(0, 0, 255));
}

LinkLabel::~LinkLabel() = default;

void LinkLabel::setColour(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    setColour(QColor(128, 128, 255));
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
