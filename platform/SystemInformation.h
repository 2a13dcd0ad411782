// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// A program that shows what this computer is: the desktop's own "about this system" panel or a
/// hardware-information tool.
struct SystemInformationProgram
{
    QString path;
    QStringList arguments;
};

/// The first such program found on PATH, if any.
[[nodiscard]] std::optional<SystemInformationProgram> FindSystemInformationProgram();

/// Starts it without waiting; false when none is found or it cannot be started.
bool StartSystemInformation();
