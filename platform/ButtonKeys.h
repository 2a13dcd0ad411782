// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

/// Makes Enter (and the keypad's Enter) press whichever push button of `window` has the focus,
/// as Space does, without making any button the default one: a window whose design has no
/// default button still answers the keyboard the way a user expects. Covers the buttons the
/// window holds when this is called.
void PressFocusedButtonOnEnter(QWidget *window);
