// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColumnWidths.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

QString WithWidestDigits(const QFont &font, QString pattern)
{
    const QFontMetrics metrics(font);
    QChar widest = QLatin1Char('0');
    for (char digit = '0'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    }
    for (QChar &c : pattern) {
        if (c.isDigit())
            c = widest;
    }
    return pattern;
}

int ColumnWidthFor(const QTreeView *view, int column, const QFont &font, const QStringList &texts)
{
    // A cell keeps a margin on each side of its text; a header section its own margins.
    const QStyle *style = view->style();
    const int cellMargin =
        2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const QFontMetrics cell(font);
    int width = 0;
    for (const QString &text : texts)
        width = std::max(width, cell.horizontalAdvance(text) + cellMargin);
    const QHeaderView *header = view->header();
    const QString caption =
        view->model() ? view->model()->headerData(column, Qt::Horizontal).toString() : QString();
    const int headerMargin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    width = std::max(width, QFontMetrics(header->font()).horizontalAdvance(caption) + headerMargin);
    return width + 2; // the grid line and rounding
}

void FitColumns(QTreeView *view, const std::vector<QStringList> &texts, int stretch, int total,
                int minimum)
{
    QFont bold = view->font();
    bold.setBold(true);
    int used = 0;
    for (int column = 0; column < int(texts.size()); ++column) {
        if (column == stretch)
            continue;
        const int width = ColumnWidthFor(view, column, bold, texts[size_t(column)]);
        view->setColumnWidth(column, width);
        used += width;
    }
    view->setColumnWidth(stretch, std::max(minimum, total - used));
}
