// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Text that is set apart from the rest and still read: a colour between the text's and its
// background's that keeps the contrast body text needs (4.5:1, as WCAG asks).

/// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
[[nodiscard]] double ContrastRatio(const QColor &a, const QColor &b);

/// The colour between `text` and `background` nearest the background whose contrast against it
/// is still at least 4.5:1; `text` itself when even that has less.
[[nodiscard]] QColor MutedTextColour(const QColor &text, const QColor &background);

/// The red today's rows are marked with: pure red on a light background, as designed; on a dark
/// one (where pure red reads poorly), red lightened towards white until it reads at 4.5:1.
[[nodiscard]] QColor TodayRed(const QColor &background);
