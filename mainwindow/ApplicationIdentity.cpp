// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationIdentity.h"

#include "AppId.h"
#include "Artwork.h"
#include "ChevronStyle.h"
#include "Text.h"

#include <QApplication>
#include <QTimer>

void SetApplicationIdentity()
{
    QApplication::setStyle(new ChevronStyle);
    QApplication::setApplicationName(QStringLiteral("Moonrill"));
    // Wayland's app id, by which the desktop finds the launcher and its icon.
    QApplication::setDesktopFileName(FromBytes(AppId));
    // The icon is drawn at each of its sizes for the window manager, so it is given once the
    // first window is up: a window shown before the event loop runs maps without waiting for it.
    QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(MoonrillIcon()); });
}
