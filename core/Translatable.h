// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a fixed text of the plain code that the windows show: the translation tools gather it
// under its context, and the windows look it up in the user's language when they show it. Here,
// without the toolkit, it is the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
