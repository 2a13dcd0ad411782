// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Names the running application and gives it the program's icon and style, once, so that every
/// window and message box (the logon scan's too) carries them.
void SetApplicationIdentity();
