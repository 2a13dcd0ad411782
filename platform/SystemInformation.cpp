// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemInformation.h"

#include <QProcess>
#include <QStandardPaths>

std::optional<SystemInformationProgram> FindSystemInformationProgram()
{
    // In order of preference: the desktops' own panels, then general tools.
    const struct
    {
        const char *name;
        const char *argument;
    } candidates[] = {
        {"gnome-control-center", "info-overview"},
        {"kinfocenter", nullptr},
        {"xfce4-about", nullptr},
        {"mate-system-monitor", nullptr},
        {"hardinfo2", nullptr},
        {"hardinfo", nullptr},
    };
    for (const auto &c : candidates) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(c.name));
        if (path.isEmpty())
            continue;
        SystemInformationProgram program{path, {}};
        if (c.argument != nullptr)
            program.arguments << QString::fromLatin1(c.argument);
        return program;
    }
    return std::nullopt;
}

bool StartSystemInformation()
{
    const std::optional<SystemInformationProgram> program = FindSystemInformationProgram();
    return program && QProcess::startDetached(program->path, program->arguments);
}
