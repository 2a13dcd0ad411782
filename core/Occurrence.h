#pragma once

#include "Date.h"

#include <optional>
#include <string_view>

/// The first date on which an event of type `occurs`, dated `date`, falls that is not before
/// `today`; no value for a one-time event that is over.
///
/// The results equal those of advancing one step at a time from `date` (each step added to the
/// previous result, so a day lost to a short month stays lost), but the cost does not grow with
/// how far `date` lies in the past. Unrecognised type texts, and interval types whose interval
/// is not a whole number from 1 to 99, leave the date unchanged.
[[nodiscard]] std::optional<Date> NextOccurrence(Date date, std::string_view occurs, Date today);

/// The interval of an "Every N..." type text: the digits after "Every " up to "th";
/// no value when the text does not carry an interval from 1 to 99.
[[nodiscard]] std::optional<int> IntervalOf(std::string_view occurs);
