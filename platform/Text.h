// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextEncoding.h"

#include <QString>

#include <string>
#include <string_view>

/// Text held as bytes (UTF-8, as the event file and the core keep it) as a QString. Bytes that
/// are not UTF-8 come from an older 8-bit file and are shown as Latin-1, the code page such files
/// were written in, instead of as replacement characters; the bytes themselves stay as they are.
[[nodiscard]] inline QString FromBytes(std::string_view text)
{
    QString shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (shown.contains(QChar::ReplacementCharacter) && !IsUtf8(text))
        shown = QString::fromLatin1(text.data(), qsizetype(text.size()));
    return shown;
}

/// A QString as the bytes the core keeps (UTF-8).
[[nodiscard]] inline std::string ToBytes(const QString &text)
{
    return text.toStdString();
}

/// A tooltip that shows `text` exactly as it is: a tooltip guesses whether its text is markup,
/// and a user's "<b>" or "&" must never be taken for it.
[[nodiscard]] inline QString PlainToolTip(const QString &text)
{
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}
