// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

/// The toolbar images, 1 to 10 in toolbar order (add, edit, delete, copy, undo, find, save,
/// print, scan, help): our own drawings at 100% and 200% scale, never the desktop theme's, which
/// would have to be looked up at every start.
[[nodiscard]] QIcon ToolbarImage(int image);

/// The chevrons of the button that shows what does not fit in a menu bar or a toolbar laid out
/// along `orientation`.
[[nodiscard]] QIcon MoreImage(Qt::Orientation orientation);

/// The window icon: a crescent moon over a bell, drawn at the usual sizes.
[[nodiscard]] QIcon MoonrillIcon();
/// The same drawing at `size` x `size` pixels (needs no running desktop).
[[nodiscard]] QImage DrawMoonrillIcon(int size);
