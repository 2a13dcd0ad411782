// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

/// Why no window can be shown, found without starting the toolkit, so that a run with nothing to
/// show it on never loads the windows at all: no display is named, or the X server or Wayland
/// compositor named does not answer. No value where windows can be tried: a display answers,
/// or QT_QPA_PLATFORM names a platform that needs none (offscreen, vnc, ...), which the toolkit
/// then judges itself.
[[nodiscard]] std::optional<std::string> DisplayTrouble();
