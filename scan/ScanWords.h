// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

// The scan's words in the user's language, for the scan window and the daily notification: the
// plain code composes them in English, and these read them back into the translations.

/// A row's label ("Today:", "Tomorrow:", "Yesterday:", "In 3 days:", "3 days ago:").
[[nodiscard]] QString WhenWords(std::string_view when);

/// A notification's summary ("Moonrill: 12 upcoming events") and its body (the rows, one a line,
/// each beginning with its label, and "and 4 more"), translated in place.
void TranslateNotification(QString &summary, QString &body);
