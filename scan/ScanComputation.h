// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BirthdayOffers.h"
#include "Conversions.h"
#include "EventFile.h"
#include "clsEvent.h"

#include <string>
#include <string_view>
#include <vector>

/// One row of the scan list.
struct ScanRow
{
    std::string Key;         // the record's Id ("" for a missed event)
    int32_t Days = 0;        // from today to the date: negative for a missed event (WhenText)
    std::string Date;        // the date as date text
    std::string Description; // the event, with the age in brackets where a year of birth is known
    int Years = 0;           // an anniversary's count of years, where its first year is known
    std::string SortKey;     // the day count padded to five characters (the temporary column)
    bool Missed = false;     // an event that fell due while no run of the program saw it
    bool Birthday = false;   // a Birthday event's row
    std::string Time{};      // the time of day, "14:30"; empty for a day event

    friend bool operator==(const ScanRow &, const ScanRow &) = default;
};

/// A row's label for `days` from today: "Today:", "Tomorrow:", "In N days:"; "Yesterday:",
/// "N days ago:"; in other `words` where they are looked up.
[[nodiscard]] std::string WhenText(int32_t days, const Words &words = AsIs);

/// A description with an anniversary's count of years after it, "Wedding (25 years)", in other
/// `words` where they are looked up.
[[nodiscard]] std::string WithYears(std::string_view description, int years,
                                    const Words &words = AsIs);

/// What the list tells of a birthday with an age to show (ShownAge): "Turns 71 on 2027-03-02", in
/// other `words` where they are looked up.
[[nodiscard]] std::string TurnsOnText(Date on, int birthYear, const Words &words = AsIs);

/// A row's date with its time after a blank where it has one: "2027-03-04 14:30".
[[nodiscard]] std::string DateAndTime(const ScanRow &row);

/// A row's event as it is shown: its description, WithYears where it counts years.
[[nodiscard]] std::string ShownDescription(const ScanRow &row, const Words &words = AsIs);

/// The years an anniversary counts on its date `on`; 0 for a Birthday (whose year gives its age)
/// and where no first year is known.
[[nodiscard]] int AnniversaryYears(const clsEvent &event, Date on);

/// What one scan found.
struct ScanResult
{
    bool found = false;
    /// Soonest first; within a day the day events, then the timed ones by their time; rows of
    /// equal day and time in record order.
    std::vector<ScanRow> rows;
    /// An offer for each event due today that has an address, in record order.
    std::vector<MailOffer> birthdayMails;
    /// The same for each missed event that has an address, in record order: the belated offers.
    std::vector<MailOffer> belatedMails;
};

/// The events due on `today`: those whose date lies between today and the end of their notice
/// period, both ends included (a period of 3 lists an event on the three days before its date
/// and on the date itself). Events already past, and negative periods, are never due.
/// Events missed while no run saw them (`missed`) come first, as rows of their own, oldest first.
[[nodiscard]] ScanResult ComputeScan(const std::vector<clsEvent> &events, Date today,
                                     const std::vector<MissedEvent> &missed = {});

/// Gathers the due events one at a time, in record order, for a scan that does not hold the
/// records; ComputeScan is the same over a whole list.
class ScanCollector
{
public:
    explicit ScanCollector(Date today) : m_today(today) {}

    /// Whether an event of this date and notice period is due.
    [[nodiscard]] bool IsDue(Date startingOn, int16_t period) const
    {
        const int32_t days = DayDifference(m_today, startingOn);
        return days >= 0 && days <= period;
    }
    /// Adds an event that IsDue says is due, under the row key `id`.
    void AddDue(std::string id, const clsEvent &event);
    /// Adds an event that fell due before today while no run saw it.
    void AddMissed(const MissedEvent &missed);
    /// The rows, soonest first and within a day by time (equal ones in the order added), and the
    /// mail offers.
    [[nodiscard]] ScanResult Finish();

private:
    struct Due
    {
        int32_t days;
        std::string id;
        std::string description;
        Date date;
        bool birthday = false;
        int years = 0;
        int minute = -1; // DayOrderMinute: within a day, day events first, then by time
    };
    Date m_today;
    std::vector<Due> m_due;
    std::vector<MailOffer> m_mails;
    std::vector<MailOffer> m_belatedMails;
};
