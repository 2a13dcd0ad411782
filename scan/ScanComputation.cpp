// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanComputation.h"

#include "BirthYear.h"
#include "Conversions.h"
#include "EventTypes.h"

#include <algorithm>

namespace {

/// The offer of a mail to `email`, with the age turned `on` that day when the year is known.
MailOffer mailOffer(std::string_view description, std::string_view email, Date on, int birthYear)
{
    return MailOffer{.name = std::string(description),
                     .address = std::string(email),
                     .age = ShownAge(on, birthYear)};
}

/// What the scan shows as an event's description: with the age when the year is known.
std::string shownDescription(std::string_view description, Date on, int birthYear)
{
    const std::optional<int> age = ShownAge(on, birthYear);
    return age ? WithAge(description, *age) : std::string(description);
}

} // namespace

void ScanCollector::AddDue(std::string id, const clsEvent &event)
{
    const Date on = event.StartingOn;
    const int32_t days = DayDifference(m_today, on);
    if (days == 0 && !event.Email.empty())
        m_mails.push_back(mailOffer(event.Description, event.Email, on, event.BirthYear));
    m_due.push_back({days, std::move(id), shownDescription(event.Description, on, event.BirthYear),
                     on, event.Occurs == BirthdayType});
}

void ScanCollector::AddMissed(const MissedEvent &missed)
{
    const clsEvent &event = missed.event;
    if (!event.Email.empty())
        m_belatedMails.push_back(
            mailOffer(event.Description, event.Email, missed.on, event.BirthYear));
    m_due.push_back({DayDifference(m_today, missed.on), std::string(),
                     shownDescription(event.Description, missed.on, event.BirthYear), missed.on});
}

std::string WhenText(int32_t days, const Words &words)
{
    if (days == -1)
        return words(QT_TRANSLATE_NOOP("Messages", "Yesterday:"));
    if (days < 0)
        return words(QT_TRANSLATE_N_NOOP("Messages", "%n days ago:"), -days);
    if (days == 0)
        return words(QT_TRANSLATE_NOOP("Messages", "Today:"));
    if (days == 1)
        return words(QT_TRANSLATE_NOOP("Messages", "Tomorrow:"));
    return words(QT_TRANSLATE_N_NOOP("Messages", "In %n days:"), days);
}

ScanResult ScanCollector::Finish()
{
    ScanResult result;
    result.found = !m_due.empty();
    std::stable_sort(m_due.begin(), m_due.end(),
                     [](const Due &a, const Due &b) { return a.days < b.days; });
    result.rows.reserve(m_due.size());
    for (Due &d : m_due) {
        result.rows.push_back(ScanRow{.Key = std::move(d.id),
                                      .Days = d.days,
                                      .Date = DateToText(d.date),
                                      .Description = std::move(d.description),
                                      .SortKey = PaddedDayCount(d.days),
                                      .Missed = d.days < 0,
                                      .Birthday = d.birthday});
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
            collector.AddDue(event.Id, event);
    }
    return collector.Finish();
}
