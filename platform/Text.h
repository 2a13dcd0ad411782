#pragma once

#include <QString>

#include <string_view>

/// Text held as bytes (UTF-8, as the event file and the core keep it) as a QString.
[[nodiscard]] inline QString FromBytes(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
