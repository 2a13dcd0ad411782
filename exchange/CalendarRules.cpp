// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarRules.h"

#include "EventTypes.h"

std::string TextOf(icalcomponent *component)
{
    const OwnedText text(icalcomponent_as_ical_string_r(component));
    return text ? std::string(text.get()) : std::string();
}

Recurrence RecurrenceOfRule(const icalrecurrencetype &rule)
{
    using Unit = Recurrence::Unit;
    const int interval = rule.interval;
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE:
        return {Unit::Days, interval};
    case ICAL_WEEKLY_RECURRENCE:
        return {Unit::Days, 7 * interval};
    case ICAL_MONTHLY_RECURRENCE:
        return {Unit::Months, interval};
    case ICAL_YEARLY_RECURRENCE:
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
    case Recurrence::Unit::None:
        break;
    }
    return {};
}
