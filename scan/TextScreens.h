// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LogonScan.h"
#include "ScanComputation.h"

#include <iosfwd>

/// One scan row as a line of text: the label, the date text and the description, separated by
/// single blanks ("Today: 2026-12-06 Dentist", with the time after the date where the event has
/// one: "Today: 2027-03-04 14:30 Dentist"); the label in other `words` where they are looked up.
[[nodiscard]] std::string ScanRowText(const ScanRow &row, const Words &words = AsIs);

/// The logon scan's screens where no window can be shown (no display, or no windows library):
/// the due rows go to `out`, one line each in the scan's order, and the messages to `errors`.
/// A terminal or an ssh session gets what is due this way.
class TextScreens final : public LogonScreens
{
public:
    TextScreens(std::ostream &out, std::ostream &errors) : m_out(out), m_errors(errors) {}

    /// Prints the message and returns false: no window was shown.
    bool ShowMessageBox(const std::string &text, Icon icon) override;
    /// Prints the rows and returns false: no window was shown. The mail offers are dropped.
    bool ShowDueEvents(ScanResult &scan) override;

private:
    std::ostream &m_out;
    std::ostream &m_errors;
};
