// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

/// The file that says where the events are published: $XDG_CONFIG_HOME/moonrill/sync.conf.
[[nodiscard]] std::string SyncConfigPath();

/// Whether a calendar to publish to is set (a non-empty calendar_url line in that file): read
/// without the toolkit, so that a logon with nothing set costs one look at a small file.
[[nodiscard]] bool SyncIsSet();
