// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

/// An item delegate that shows a cell's whole text as its tooltip when the column is too narrow
/// for it and the cell shows it cut short ("…"). The model's own tooltip, where it has one,
/// follows on the next line. Cells that show their text whole keep the model's tooltip alone.
/// Its rows are tall enough for the dots and accents above capitals ("Ö", "É") and the tails
/// below the line ("g", "j"), which many fonts draw beyond the ascent and descent they declare.
class FullTextTips final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const override;
};
