// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownType.h"

#include "EventTypes.h"
#include "Text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

QString ShownType(std::string_view occurs)
{
    if (std::find(BaseTypes.begin(), BaseTypes.end(), occurs) != BaseTypes.end())
        return QCoreApplication::translate("EventTypes", std::string(occurs).c_str());
    const QString text = FromBytes(occurs);
    static const QRegularExpression composed(QStringLiteral("^Every (\\d+)th (week|month|year)$"));
    const QRegularExpressionMatch match = composed.match(text);
    if (!match.hasMatch())
        return text;
    const QString count = match.captured(1), unit = match.captured(2);
    if (unit == QLatin1String("week"))
        return QCoreApplication::translate("EventTypes", "Every %1th week").arg(count);
    if (unit == QLatin1String("month"))
        return QCoreApplication::translate("EventTypes", "Every %1th month").arg(count);
    return QCoreApplication::translate("EventTypes", "Every %1th year").arg(count);
}
