// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventTypes.h"

#include "Conversions.h"

std::string_view IntervalUnit(std::string_view baseType)
{
    if (baseType == WeeklyType)
        return "week";
    if (baseType == MonthlyType)
        return "month";
    if (baseType == YearlyType)
        return "year";
    return {};
}

std::string ComposeType(std::string_view baseType, int interval)
{
    const std::string_view unit = IntervalUnit(baseType);
    if (unit.empty() || interval == 1)
        return std::string(baseType);
    return "Every " + IntToText(interval) + "th " + std::string(unit);
}

std::string_view BaseTypeOf(std::string_view occurs)
{
    // The last letter tells the unit, as the occurrence rules read it: "week", "month", "year".
    if (occurs.ends_with('k'))
        return WeeklyType;
    if (occurs.ends_with('h'))
        return MonthlyType;
    if (occurs.ends_with('r'))
        return YearlyType;
    return occurs;
}
