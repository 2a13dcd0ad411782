// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include <QLabel>
#include <QWidget>

void NameAfterLabel(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    QString name = label->text();
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    // French sets a blank before the colon.
    control->setAccessibleName(name.trimmed());
}

void Announce(QWidget *window, const QString &text)
{
    QWidget *focused = window->focusWidget();
    (focused != nullptr ? focused : window)->setAccessibleDescription(text);
}
