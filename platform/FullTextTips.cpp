// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullTextTips.h"

#include "Text.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

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

QSize FullTextTips::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    // A style makes a row as tall as the font's declared height (ascent and descent) and centres
    // the text in it; DejaVu Sans, for one, draws the dots of "Ö" two pixels above its ascent, so
    // such a row cuts them off and "Ömer" reads as "Omer". The row grows by what the tallest
    // capitals and the deepest tails reach beyond the declared height, on both sides, as the text
    // stays centred.
    const QFontMetrics &metrics = cell.fontMetrics;
    const int above = -metrics.tightBoundingRect(QStringLiteral(u"ÖÜÉÂ")).top() - metrics.ascent();
    const int below =
        metrics.tightBoundingRect(QStringLiteral("gjpq")).bottom() + 1 - metrics.descent();
    const int beyond = std::max({0, above, below});
    // One pixel more on each side keeps the glyphs clear of the selection's and focus's frame.
    size.setHeight(std::max(size.height(), metrics.height() + 2 * beyond + 2));
    return size;
}
