// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownType.h"

#include "EventTypes.h"
#include "Occurrence.h"
#include "Text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

/// A type by weekday in the user's language: the type of its steps as it shows, then its week
/// and weekday ("Monthly on the second Tuesday").
QString shownWeekdayType(const WeekdayTypeParts &parts)
{
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("EventTypes", "%1 on the first %2"),
        QT_TRANSLATE_NOOP("EventTypes", "%1 on the second %2"),
        QT_TRANSLATE_NOOP("EventTypes", "%1 on the third %2"),
        QT_TRANSLATE_NOOP("EventTypes", "%1 on the fourth %2"),
        QT_TRANSLATE_NOOP("EventTypes", "%1 on the last %2"),
    };
    const int week = parts.rule.week == LastWeek ? 4 : parts.rule.week - 1;
    const std::string weekday(WeekdayNames[size_t(parts.rule.weekday - 1)]);
    return QCoreApplication::translate("EventTypes", texts[week])
        .arg(ShownType(parts.steps), QCoreApplication::translate("EventTypes", weekday.c_str()));
}

} // namespace

QString ShownType(std::string_view occurs)
{
    if (const std::optional<WeekdayTypeParts> parts = WeekdayTypeOf(occurs)) {
        // Only what the editor composes: the steps of a month or a year type it offers.
        const std::string_view base = BaseTypeOf(occurs);
        if ((base == MonthlyType || base == YearlyType) &&
            ComposeWeekdayType(base, IntervalOf(occurs).value_or(1), parts->rule) == occurs)
            return shownWeekdayType(*parts);
    }
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
