// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;
class QString;

/// The language the desktop asks for, as a two-letter code ("de"), or empty where the program's
/// own English words show (English, "C", "POSIX").
[[nodiscard]] QString DesktopLanguage();

/// Loads the translations for the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as
/// the locale gives them): Moonrill's own, from the "translations" folder among the program's
/// assets, and Qt's own (file, print and message-box buttons) from Qt's folder. English, "C"
/// and "POSIX" load none, and a language without a translation keeps the English texts.
void LoadTranslations(QCoreApplication &application);
