// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

class QWidget;

// Small desktop services: the system beep and handing a link to the user's default program.

/// Sounds the system beep.
void Beep();

/// Hands `link` to the desktop's default program for its scheme. Only http:, https: and
/// mailto: links are handed on; anything else (a local file, a program) is refused with a
/// message and never reaches the desktop. Returns whether the link was handed on.
bool OpenLink(const std::string &link, QWidget *parent = nullptr);

/// Clears the clipboard and puts `text` (bytes, UTF-8) on it as plain text.
void SetClipboardText(const std::string &text);

/// Waits, with no window, while this program still holds what it put on the clipboard: until
/// another program takes the clipboard, or for `limit` at most. What a program put there goes
/// with it where no clipboard manager keeps it, so one about to end would take it along.
void KeepClipboardWhileHeld(std::chrono::milliseconds limit);

/// Whether OpenLink would hand `link` on.
[[nodiscard]] bool IsOpenableLink(const std::string &link);
