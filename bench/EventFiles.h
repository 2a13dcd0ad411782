// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Date.h"

#include <string>

/// The content of an event file with `count` events of mixed types, dated up to a hundred
/// years before `today`, none of them over (so every line loads).
[[nodiscard]] std::string MixedEventFile(int count, Date today);
