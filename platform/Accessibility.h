// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;
class QWidget;

/// Ties an input control to the label that names it: the label's mnemonic moves the focus to it,
/// and a screen reader reads the label's words as the control's name ("Notice period:" gives
/// "Notice period").
void NameAfterLabel(QLabel *label, QWidget *control);

/// Tells a screen reader `text` where the user is: as the description of the control of
/// `window` that has the keyboard (or of the window), which a reader presents when it changes.
/// For what a command found or a check answered while the focus stays where it was.
void Announce(QWidget *window, const QString &text);
