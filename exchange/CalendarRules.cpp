// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarRules.h"

#include "EventTypes.h"

std::string TextOf(icalcomponent *component)
{
    const OwnedText text(icalcomponent_as_ical_string_r(component));
    return text ? std::string(text.get()) : std::string();
}

namespace {

/// The entries of one of a rule's BY lists, up to its end mark.
template <size_t N> size_t countOf(const short (&list)[N])
{
    size_t count = 0;
    while (count < N && list[count] != ICAL_RECURRENCE_ARRAY_MAX)
        ++count;
    return count;
}

bool namesAWeek(int week)
{
    return week == LastWeek || (week >= 1 && week <= 4);
}

} // namespace

std::optional<WeekdayRule> NamedWeekdayOf(const icalrecurrencetype &rule)
{
    if ((rule.freq != ICAL_MONTHLY_RECURRENCE && rule.freq != ICAL_YEARLY_RECURRENCE) ||
        countOf(rule.by_day) != 1)
        return std::nullopt;
    const short day = rule.by_day[0];
    const int position = icalrecurrencetype_day_position(day);
    const size_t positions = countOf(rule.by_set_pos);
    int week = position;
    if (position == 0 && positions == 1)
        week = rule.by_set_pos[0];
    else if (positions != 0)
        return std::nullopt;
    const int weekday = static_cast<int>(icalrecurrencetype_day_day_of_week(day));
    if (!namesAWeek(week) || weekday < ICAL_SUNDAY_WEEKDAY || weekday > ICAL_SATURDAY_WEEKDAY)
        return std::nullopt;
    // The calendar's weeks begin on Sunday (1), ours on Monday.
    return WeekdayRule{.week = week, .weekday = (weekday + 5) % 7 + 1};
}

void SetNamedWeekday(icalrecurrencetype &rule, WeekdayRule weekday)
{
    // Libical keeps a week and a weekday in one number whose make-up its versions do not agree
    // on; its own reading of the calendar's words makes it.
    static constexpr const char *codes[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
    const std::string text =
        "FREQ=MONTHLY;BYDAY=" + std::to_string(weekday.week) + codes[weekday.weekday - 1];
    rule.by_day[0] = icalrecurrencetype_from_string(text.c_str()).by_day[0];
    rule.by_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
}

Recurrence RecurrenceOfRule(const icalrecurrencetype &rule)
{
    using Unit = Recurrence::Unit;
    const int interval = rule.interval;
    const std::optional<WeekdayRule> weekday = NamedWeekdayOf(rule);
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE:
        return {Unit::Days, interval};
    case ICAL_WEEKLY_RECURRENCE:
        return {Unit::Days, 7 * interval};
    case ICAL_MONTHLY_RECURRENCE:
        if (weekday)
            return {Unit::Weekdays, interval, *weekday};
        return {Unit::Months, interval};
    case ICAL_YEARLY_RECURRENCE:
        if (weekday)
            return {Unit::Weekdays, 12 * interval, *weekday};
        return {Unit::Months, 12 * interval};
    default:
        return {};
    }
}

std::string RuleType(const Recurrence &recurrence)
{
    switch (recurrence.unit) {
    case Recurrence::Unit::Once:
        return std::string(OnceType);
    case Recurrence::Unit::Days:
        if (recurrence.step == 1)
            return std::string(DailyType);
        if (recurrence.step % 7 == 0)
            return ComposeType(WeeklyType, recurrence.step / 7);
        return {};
    case Recurrence::Unit::Months:
        if (recurrence.step % 12 == 0)
            return ComposeType(YearlyType, recurrence.step / 12);
        return ComposeType(MonthlyType, recurrence.step);
    case Recurrence::Unit::Weekdays:
        if (recurrence.step % 12 == 0)
            return ComposeWeekdayType(YearlyType, recurrence.step / 12, recurrence.rule);
        return ComposeWeekdayType(MonthlyType, recurrence.step, recurrence.rule);
    case Recurrence::Unit::None:
        break;
    }
    return {};
}
