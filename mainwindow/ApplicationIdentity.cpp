// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationIdentity.h"

#include "AppId.h"
#include "Artwork.h"
#include "Text.h"

#include <QApplication>

void SetApplicationIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Moonrill"));
    // Wayland's app id, by which the desktop finds the launcher and its icon.
    QApplication::setDesktopFileName(FromBytes(AppId));
    QApplication::setWindowIcon(MoonrillIcon());
}
