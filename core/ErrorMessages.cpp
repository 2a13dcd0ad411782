#include "ErrorMessages.h"

std::string ErrorReportText(std::string_view description)
{
    return "Your action caused an error: " + std::string(description) +
           "\r\n\r\nGo to About for support";
}
