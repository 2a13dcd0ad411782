// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextWidth.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

namespace {

/// The text as shown: an access key's "&" is not drawn, "&&" is one "&".
int shownWidth(const QFontMetrics &metrics, QString text)
{
    static const QRegularExpression marker(QStringLiteral("&(.)"));
    return metrics.horizontalAdvance(text.replace(marker, QStringLiteral("\\1")));
}

} // namespace

int TextWidth(const QLabel &label)
{
    return shownWidth(label.fontMetrics(), label.text()) + 2 * label.margin() + 1;
}

int TextWidth(const QPushButton &button)
{
    return shownWidth(button.fontMetrics(), button.text()) +
           2 * button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) + 2;
}
