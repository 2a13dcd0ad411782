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
    if (const std::optional<WeekdayTypeParts> parts = WeekdayTypeOf(occurs))
        occurs = parts->steps;
    // The last letter tells the unit, as the occurrence rules read it: "week", "month", "year".
    if (occurs.ends_with('k'))
        return WeeklyType;
    if (occurs.ends_with('h'))
        return MonthlyType;
    if (occurs.ends_with('r'))
        return YearlyType;
    return occurs;
}

namespace {

constexpr std::string_view OnThe = " on the ";

bool validRule(WeekdayRule rule)
{
    return (rule.week == LastWeek || (rule.week >= 1 && rule.week <= 4)) && rule.weekday >= 1 &&
           rule.weekday <= 7;
}

} // namespace

std::string ComposeWeekdayType(std::string_view baseType, int interval, WeekdayRule rule)
{
    std::string text = ComposeType(baseType, interval);
    if ((baseType != MonthlyType && baseType != YearlyType) || !validRule(rule))
        return text;
    text += OnThe;
    text += WeekWords[rule.week == LastWeek ? 4 : rule.week - 1];
    text += ' ';
    text += WeekdayNames[rule.weekday - 1];
    return text;
}

std::optional<WeekdayTypeParts> WeekdayTypeOf(std::string_view occurs)
{
    const size_t at = occurs.rfind(OnThe);
    if (at == std::string_view::npos || at == 0)
        return std::nullopt;
    const std::string_view words = occurs.substr(at + OnThe.size());
    const size_t blank = words.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    WeekdayRule rule;
    for (size_t i = 0; i < WeekWords.size(); ++i) {
        if (words.substr(0, blank) == WeekWords[i])
            rule.week = i == 4 ? LastWeek : static_cast<int>(i) + 1;
    }
    for (size_t i = 0; i < WeekdayNames.size(); ++i) {
        if (words.substr(blank + 1) == WeekdayNames[i])
            rule.weekday = static_cast<int>(i) + 1;
    }
    if (!validRule(rule))
        return std::nullopt;
    return WeekdayTypeParts{.steps = occurs.substr(0, at), .rule = rule};
}

WeekdayRulesOn WeekdayRulesOf(Date date)
{
    const Date::Ymd ymd = date.ymd();
    WeekdayRulesOn rules;
    if (ymd.day <= 28)
        rules.numbered = WeekdayRule{.week = (ymd.day - 1) / 7 + 1, .weekday = date.weekday()};
    if (ymd.day + 7 > Date::daysInMonth(ymd.year, ymd.month))
        rules.last = WeekdayRule{.week = LastWeek, .weekday = date.weekday()};
    return rules;
}

Date WeekdayInMonth(int year, int month, WeekdayRule rule)
{
    if (rule.week == LastWeek) {
        const Date last = Date::fromYmd(year, month, Date::daysInMonth(year, month));
        return last.addDays(-((last.weekday() - rule.weekday + 7) % 7));
    }
    const Date first = Date::fromYmd(year, month, 1);
    return first.addDays((rule.weekday - first.weekday() + 7) % 7 + 7 * (rule.week - 1));
}
