// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

/// The running program's version: major, minor and revision as plain decimal numbers ("1.0.0").
[[nodiscard]] std::string ProgramVersionText();
