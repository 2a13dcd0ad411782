// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;

/// Has a screen reader name the items of `menu` that end in "..." (an item that opens a window)
/// without the dots, which a reader would otherwise say as "dot dot dot". The menu shows them as
/// before.
void NameItemsWithoutDots(QMenu *menu);
