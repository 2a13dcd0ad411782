// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorMessages.h"

std::string ErrorReportText(std::string_view description)
{
    return "Your action caused an error: " + std::string(description) +
           "\r\n\r\nGo to About for support";
}

std::string SeriousErrorReport(std::string_view reason)
{
    std::string text(SeriousErrorText);
    text += "\r\n";
    text += reason;
    return text;
}
