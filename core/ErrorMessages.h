// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

#include <string>
#include <string_view>

/// The common error report: "Your action caused an error: " + the description, two line
/// breaks and "Go to About for support".
[[nodiscard]] std::string ErrorReportText(std::string_view description, const Words &words = AsIs);

/// What the start-up says when one of its steps fails unexpectedly.
inline constexpr std::string_view SeriousErrorText = QT_TRANSLATE_NOOP(
    "Messages", "A serious error occured!\r\nIf this continues, please reinstall the program!");

/// SeriousErrorText and, on the next line, the reason (what failed, and the system's word).
[[nodiscard]] std::string SeriousErrorReport(std::string_view reason, const Words &words = AsIs);
