// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorMessages.h"

std::string ErrorReportText(std::string_view description, const Words &words)
{
    return Compose(
        words(QT_TRANSLATE_NOOP("Messages",
                                "Your action caused an error: %1\r\n\r\nGo to About for support")),
        {std::string(description)});
}

std::string SeriousErrorReport(std::string_view reason, const Words &words)
{
    std::string text = words(SeriousErrorText);
    text += "\r\n";
    text += reason;
    return text;
}
