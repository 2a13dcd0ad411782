// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QString;
class QWidget;

/// Ties an input control to the label that names it: the label's mnemonic moves the focus to it,
/// and a screen reader reads the label's words as the control's name ("Notice period:" gives
/// "Notice period"). A number box's text field takes the name too, and a list of choices says
/// its choice as SayChoice() makes it.
void NameAfterLabel(QLabel *label, QWidget *control);

/// Has a screen reader say the choice a list shows, and each new one as it changes, while the
/// list's name stays the words of its label: the choice is the list's value and its description.
void SayChoice(QComboBox *combo);

/// Makes `edit` a password field whose text no screen reader gets: the screen shows dots, and the
/// accessibility bus a bullet for each character, with no text to read back and none of the
/// typing, deleting or replacing that would spell the password out.
void HidePassword(QLineEdit *edit);

/// Keeps the steps of `bar` from a screen reader, which would read each one out ("37 percent")
/// over what the window has to say; the bar stays on the screen as it was.
void KeepValueQuiet(QProgressBar *bar);

/// Tells a screen reader `text` where the user is: as the description of the control of
/// `window` that has the keyboard (or of the window), which a reader presents when it changes.
/// For what a command found or a check answered while the focus stays where it was.
void Announce(QWidget *window, const QString &text);
