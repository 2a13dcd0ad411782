#include "ScanComputation.h"

#include "Conversions.h"

#include <algorithm>

namespace {

std::string labelFor(int32_t days)
{
    if (days == 0)
        return "Today:";
    if (days == 1)
        return "Tomorrow:";
    return "In " + IntToText(days) + " days:";
}

} // namespace

ScanResult ComputeScan(const std::vector<clsEvent> &events, Date today)
{
    ScanResult result;
    struct Due
    {
        int32_t days;
        const clsEvent *event;
    };
    std::vector<Due> due;
    for (const clsEvent &event : events) {
        const int32_t days = DayDifference(today, event.StartingOn);
        if (days < 0 || days > event.Period)
            continue;
        due.push_back({days, &event});
        if (days == 0 && !event.Email.empty())
            result.birthdayMails.push_back(event.Description + "$$" + event.Email);
    }
    result.found = !due.empty();
    std::stable_sort(due.begin(), due.end(),
                     [](const Due &a, const Due &b) { return a.days < b.days; });
    result.rows.reserve(due.size());
    for (const Due &d : due) {
        result.rows.push_back(ScanRow{d.event->Id, labelFor(d.days),
                                      DateToText(d.event->StartingOn), d.event->Description,
                                      PaddedDayCount(d.days)});
    }
    return result;
}
