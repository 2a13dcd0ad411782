// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QWidget;

/// Ties an input control to the label that names it: the label's mnemonic moves the focus to it,
/// and a screen reader reads the label's words as the control's name ("Notice period:" gives
/// "Notice period").
void NameAfterLabel(QLabel *label, QWidget *control);
