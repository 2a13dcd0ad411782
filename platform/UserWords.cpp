// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserWords.h"

#include <QByteArray>
#include <QCoreApplication>

Words UserWords()
{
    return Words([](std::string_view english, int count) {
        const QByteArray source(english.data(), qsizetype(english.size()));
        return QCoreApplication::translate("Messages", source.constData(), nullptr, count)
            .toStdString();
    });
}
