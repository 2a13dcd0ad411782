// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationIdentity.h"

#include "Artwork.h"

#include <QApplication>

void SetApplicationIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Moonrill"));
    QApplication::setDesktopFileName(QStringLiteral("moonrill"));
    QApplication::setWindowIcon(MoonrillIcon());
}
