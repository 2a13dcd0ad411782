// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon as PNG files at the sizes of the hicolor icon theme, from the same
// drawing the windows use. Usage: makeicons FOLDER (writes FOLDER/NxN/apps/moonrill.png).

#include "Artwork.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: makeicons FOLDER\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(apps) ||
            !DrawMoonrillIcon(size).save(apps + QStringLiteral("/moonrill.png"), "PNG")) {
            std::fprintf(stderr, "makeicons: cannot write %s\n", qPrintable(apps));
            return 1;
        }
    }
    return 0;
}
