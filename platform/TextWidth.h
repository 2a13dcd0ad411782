// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QPushButton;

// The room a caption needs, in the font and style in use. The windows keep their designed sizes
// where those are enough, and grow only where a language or a style needs more.

/// The width a one-line label needs to show its text whole (an access key's "&" takes none).
[[nodiscard]] int TextWidth(const QLabel &label);
/// The width a push button needs to show its text whole between the style's margins.
[[nodiscard]] int TextWidth(const QPushButton &button);
