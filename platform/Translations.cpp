// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include "Paths.h"
#include "Text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

/// Installs the translation file `name` for `locale` from `folder`, where there is one.
void install(QCoreApplication &application, const QLocale &locale, const QString &name,
             const QString &folder)
{
    // The application owns a translator it uses; one without a file is dropped at once.
    auto translator = std::make_unique<QTranslator>(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator.release());
}

} // namespace

QString DesktopLanguage()
{
    const QLocale locale = QLocale::system();
    // The first language the user asked for decides: English (the program's own words) or a
    // locale without a language ("C", "POSIX") keeps every text as it is.
    const QStringList wanted = locale.uiLanguages();
    if (wanted.isEmpty() || wanted.first().startsWith(QLatin1String("en")) ||
        wanted.first() == QLatin1String("C") || locale.language() == QLocale::C)
        return {};
    return wanted.first().section(QLatin1Char('-'), 0, 0);
}

void LoadTranslations(QCoreApplication &application)
{
    if (DesktopLanguage().isEmpty())
        return;
    const QLocale locale = QLocale::system();
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(application, locale, QStringLiteral("moonrill"), FromBytes(AssetPath("translations")));
}
