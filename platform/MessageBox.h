// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QMessageBox;
class QWidget;

/// The button sets and icons the program's message boxes use.
enum class MsgStyle
{
    OkCritical,            // errors and refused input
    OkInformation,         // notices
    OkPlain,               // OK without an icon
    YesNoQuestion,         // questions
    YesNoCancelExclamation // the save question on closing
};

enum class MsgAnswer
{
    Ok,
    Yes,
    No,
    Cancel
};

/// The program title, which every box without a title of its own carries.
inline constexpr std::string_view ProgramTitle = "Moonrill";

/// Shows a modal message box and returns the button pressed. The text is shown as plain text
/// (never as markup); CR LF and LF both break lines. An empty title gives "Moonrill".
MsgAnswer ShowMessage(const QString &text, MsgStyle style, QWidget *parent = nullptr,
                      const QString &title = {});
/// Shows a message beside `parent` without stopping the user: the box is not modal, and goes
/// when it is closed. `name` names it, for tests to find it among the parent's children.
void ShowMessageBeside(const QString &text, MsgStyle style, QWidget *parent, const QString &name);
/// The same for text held as bytes (UTF-8).
MsgAnswer ShowMessage(std::string_view text, MsgStyle style, QWidget *parent = nullptr);

/// The common error report (ErrorReportText) with the critical-stop icon.
void ShowErrorReport(std::string_view description, QWidget *parent = nullptr);

/// A message's fixed words (marked for the "Messages" context) in the user's language, as
/// UTF-8, for the plain code to compose the message with.
[[nodiscard]] std::string Translated(std::string_view words);

/// A test answers boxes through this hook: it is handed the box exactly as it would be shown
/// and returns the answer instead of a person. An empty function removes the hook.
using MessageHook = std::function<MsgAnswer(QMessageBox &box)>;
void SetMessageHook(MessageHook hook);
/// Shows `box`, made ready by ShowMessage, and returns the answer: the hook's where one is set.
/// A library with a copy of this code of its own (the window's services) hands its boxes to the
/// window's copy through a hook of its own, so that one hook answers every box.
MsgAnswer AnswerMessage(QMessageBox &box);
