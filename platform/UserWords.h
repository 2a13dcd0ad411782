// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Translatable.h"

/// The plain code's fixed words ("Messages") in the user's language, as LoadTranslations loaded
/// it; counted words take the form their count needs. English, C and POSIX keep them as written.
/// Needs QtCore alone, so the notification library uses it as the windows do.
[[nodiscard]] Words UserWords();
