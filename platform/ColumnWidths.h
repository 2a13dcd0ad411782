// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QFont;
class QTreeView;

// Columns wide enough for every text the program can put in them: measured with the font in use,
// so that no date, count or type is cut, whatever font and scale the desktop has.

/// `pattern` with each digit replaced by the widest digit of `font`: the widest number of that
/// shape ("0000-00-00" for a date).
[[nodiscard]] QString WithWidestDigits(const QFont &font, QString pattern);

/// The width column `column` of `view` needs to show each of `texts` in `font` (bold where the
/// list makes rows bold) and its own header text, uncut.
[[nodiscard]] int ColumnWidthFor(const QTreeView *view, int column, const QFont &font,
                                 const QStringList &texts);

/// Sets the columns of `view`: each but `stretch` as wide as its texts need (`texts[column]`),
/// and `stretch` whatever remains of `total`, at least `minimum` (the user's own texts, which may
/// be of any length, go there). The columns always fit the viewport beside a vertical scroll bar:
/// where the texts need more, `stretch` gives up width first, down to its caption, then
/// `yielding` (when not -1); a cell cut short shows its whole text as tooltip (FullTextTips).
void FitColumns(QTreeView *view, const std::vector<QStringList> &texts, int stretch, int total,
                int minimum, int yielding = -1);
