// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanComputation.h"

#include "BirthYear.h"
#include "Conversions.h"
#include "EventTypes.h"
#include "Reminders.h"

#include <algorithm>

namespace {

/// The year of birth of a Birthday: an anniversary's first year gives no age.
int birthYearOf(const clsEvent &event)
{
    return event.Occurs == BirthdayType ? event.BirthYear : 0;
}

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
        m_mails.push_back(mailOffer(event.Description, event.Email, on, birthYearOf(event)));
    m_due.push_back(
        {days, std::move(id), shownDescription(event.Description, on, birthYearOf(event)), on,
         event.Occurs == BirthdayType, AnniversaryYears(event, on), DayOrderMinute(event)});
}

void ScanCollector::AddMissed(const MissedEvent &missed)
{
    const clsEvent &event = missed.event;
    if (!event.Email.empty())
        m_belatedMails.push_back(
            mailOffer(event.Description, event.Email, missed.on, birthYearOf(event)));
    m_due.push_back({DayDifference(m_today, missed.on), std::string(),
                     shownDescription(event.Description, missed.on, birthYearOf(event)), missed.on,
                     false, AnniversaryYears(event, missed.on), DayOrderMinute(event)});
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

int AnniversaryYears(const clsEvent &event, Date on)
{
    return event.Occurs == BirthdayType ? 0 : ShownAge(on, event.BirthYear).value_or(0);
}

std::string WithYears(std::string_view description, int years, const Words &words)
{
    // English says one year and two years; each text carries every form a language needs.
    return Compose(years == 1 ? words(QT_TRANSLATE_N_NOOP("Messages", "%1 (%n year)"), years)
                              : words(QT_TRANSLATE_N_NOOP("Messages", "%1 (%n years)"), years),
                   {std::string(description)});
}

std::string TurnsOnText(Date on, int birthYear, const Words &words)
{
    // The age is the count: a language may say "year" or "years" after it.
    return Compose(words(QT_TRANSLATE_N_NOOP("Messages", "Turns %n on %1"), AgeOn(on, birthYear)),
                   {DateToText(on)});
}

std::string DateAndTime(const ScanRow &row)
{
    return row.Time.empty() ? row.Date : row.Date + ' ' + row.Time;
}

std::string ShownDescription(const ScanRow &row, const Words &words)
{
    return row.Years > 0 ? WithYears(row.Description, row.Years, words) : row.Description;
}

ScanResult ScanCollector::Finish()
{
    ScanResult result;
    result.found = !m_due.empty();
    std::stable_sort(m_due.begin(), m_due.end(), [](const Due &a, const Due &b) {
        return a.days != b.days ? a.days < b.days : a.minute < b.minute;
    });
    result.rows.reserve(m_due.size());
    for (Due &d : m_due) {
        result.rows.push_back(
            ScanRow{.Key = std::move(d.id),
                    .Days = d.days,
                    .Date = DateToText(d.date),
                    .Description = std::move(d.description),
                    .Years = d.years,
                    .SortKey = PaddedDayCount(d.days),
                    .Missed = d.days < 0,
                    .Birthday = d.birthday,
                    .Time = d.minute >= 0 ? TimeOfDayText(d.minute) : std::string()});
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
