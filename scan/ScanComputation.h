#pragma once

#include "clsEvent.h"

#include <string>
#include <vector>

/// One row of the scan list.
struct ScanRow
{
    std::string Key;         // the record's Id
    std::string When;        // "Today:", "Tomorrow:" or "In N days:"
    std::string Date;        // the date as date text
    std::string Description; // the event
    std::string SortKey;     // the day count padded to five characters (the temporary column)

    friend bool operator==(const ScanRow &, const ScanRow &) = default;
};

/// What one scan found.
struct ScanResult
{
    bool found = false;
    std::vector<ScanRow> rows; // soonest first; rows of equal day count in record order
    /// Description + "$$" + e-mail for each event due today that has an address, in record
    /// order.
    std::vector<std::string> birthdayMails;
};

/// The events due on `today`: those whose date lies between today and the end of their notice
/// period, both ends included (a period of 3 lists an event on the three days before its date
/// and on the date itself). Events already past, and negative periods, are never due.
[[nodiscard]] ScanResult ComputeScan(const std::vector<clsEvent> &events, Date today);
