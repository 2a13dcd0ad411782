// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullTextTips.h"

#include "Text.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

bool FullTextTips::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                             const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    // The room the style gives the text in this cell, as it paints it.
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget *widget = cell.widget != nullptr ? cell.widget : view;
    const QRect room = widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    const QString text = cell.text;
    // The style keeps a few pixels of margin inside that room.
    const int margin =
        widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, widget) + 1;
    if (text.isEmpty() || cell.fontMetrics.horizontalAdvance(text) <= room.width() - 2 * margin)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString own = index.data(Qt::ToolTipRole).toString();
    QString tip = PlainToolTip(text);
    if (!own.isEmpty())
        tip += Qt::mightBeRichText(own) ? own : PlainToolTip(own);
    QToolTip::showText(event->globalPos(), tip, view->viewport(), option.rect);
    return true;
}
