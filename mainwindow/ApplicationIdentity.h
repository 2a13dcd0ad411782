// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Names the running application and gives it the program's icon, once, so that every window
/// and message box (the logon scan's too) carries it.
void SetApplicationIdentity();
