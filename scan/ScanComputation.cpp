#include "ScanComputation.h"

#include "Conversions.h"

#include <algorithm>

namespace {

std::string labelFor(int32_t days)
{
    if (days == -1)
        return "Yesterday:";
    if (days < 0)
        return IntToText(-days) + " days ago:";
    if (days == 0)
        return "Today:";
    if (days == 1)
        return "Tomorrow:";
    return "In " + IntToText(days) + " days:";
}

} // namespace

void ScanCollector::AddDue(std::string id, std::string_view description, Date startingOn,
                           std::string_view email)
{
    const int32_t days = DayDifference(m_today, startingOn);
    if (days == 0 && !email.empty())
        m_mails.push_back(std::string(description) + "$$" + std::string(email));
    m_due.push_back({days, std::move(id), std::string(description), startingOn});
}

void ScanCollector::AddMissed(const MissedEvent &event)
{
    if (!event.Email.empty())
        m_belatedMails.push_back(event.Description + "$$" + event.Email);
    m_due.push_back({DayDifference(m_today, event.On), std::string(), event.Description, event.On});
}

ScanResult ScanCollector::Finish()
{
    ScanResult result;
    result.found = !m_due.empty();
    std::stable_sort(m_due.begin(), m_due.end(),
                     [](const Due &a, const Due &b) { return a.days < b.days; });
    result.rows.reserve(m_due.size());
    for (Due &d : m_due) {
        result.rows.push_back(ScanRow{std::move(d.id), labelFor(d.days), DateToText(d.date),
                                      std::move(d.description), PaddedDayCount(d.days),
                                      d.days < 0});
    }
    result.birthdayMails = std::move(m_mails);
    result.belatedMails = std::move(m_belatedMails);
    m_due.clear();
    return result;
}

ScanResult ComputeScan(const std::vector<clsEvent> &events, Date today,
                       const std::vector<MissedEvent> &missed)
{
    ScanCollector collector(today);
    for (const MissedEvent &event : missed)
        collector.AddMissed(event);
    for (const clsEvent &event : events) {
        if (collector.IsDue(event.StartingOn, event.Period))
            collector.AddDue(event.Id, event.Description, event.StartingOn, event.Email);
    }
    return collector.Finish();
}
