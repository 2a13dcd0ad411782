// SPDX-License-Identifier: GPL-3.0-or-later
#include "Version.h"

#include "Conversions.h"

std::string ProgramVersionText()
{
    return IntToText(MOONRILL_VERSION_MAJOR) + "." + IntToText(MOONRILL_VERSION_MINOR) + "." +
           IntToText(MOONRILL_VERSION_PATCH);
}
