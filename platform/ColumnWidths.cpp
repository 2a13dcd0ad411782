// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColumnWidths.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
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
                int minimum, int yielding)
{
    QFont bold = view->font();
    bold.setBold(true);
    // The columns end inside the viewport beside a vertical scroll bar, which a long list shows: a
    // horizontal scroll bar would take the last columns out of view.
    const int room =
        std::min(total, view->maximumViewportSize().width() -
                            view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                       view->verticalScrollBar()));
    std::vector<int> widths(texts.size());
    int used = 0;
    for (int column = 0; column < int(texts.size()); ++column) {
        if (column == stretch)
            continue;
        widths[size_t(column)] = ColumnWidthFor(view, column, bold, texts[size_t(column)]);
        used += widths[size_t(column)];
    }
    // No column reaches past the viewport. The stretch column's texts are the user's own and
    // say what each row is: it keeps its minimum while the yielding column gives up width, down
    // to its caption, and only then gives up more itself, down to its own. A cell cut short shows
    // its whole text as tooltip.
    int &stretched = widths[size_t(stretch)];
    stretched = room - used;
    if (stretched < minimum) {
        stretched = minimum;
        int over = used + stretched - room;
        if (yielding >= 0 && over > 0) {
            int &yielded = widths[size_t(yielding)];
            const int given = std::min(over, yielded - ColumnWidthFor(view, yielding, bold, {}));
            if (given > 0) {
                yielded -= given;
                over -= given;
            }
        }
        if (over > 0)
            stretched = std::max(stretched - over, ColumnWidthFor(view, stretch, bold, {}));
    }
    for (int column = 0; column < int(widths.size()); ++column)
        view->setColumnWidth(column, widths[size_t(column)]);
}
