// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

/// A type text as the windows show it, in the user's language: the base types, the interval
/// types Moonrill composes ("Every 3th week") and the month and year types by weekday ("Every
/// 3th month on the last Friday"). Any other text, and every text in English, shows as it is
/// stored.
[[nodiscard]] QString ShownType(std::string_view occurs);
