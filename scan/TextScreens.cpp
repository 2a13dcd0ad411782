// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextScreens.h"

#include "ScanComputation.h"

#include <ostream>

std::string ScanRowText(const ScanRow &row, const Words &words)
{
    return WhenText(row.Days, words) + " " + DateAndTime(row) + " " + ShownDescription(row, words);
}

bool TextScreens::ShowMessageBox(const std::string &text, Icon)
{
    // A message box's line breaks are CR LF; a terminal wants LF alone.
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        line += text[i];
    }
    m_errors << "moonrill: " << line << '\n' << std::flush;
    return false;
}

bool TextScreens::ShowDueEvents(ScanResult &scan)
{
    for (const ScanRow &row : scan.rows)
        m_out << ScanRowText(row) << '\n';
    m_out << std::flush;
    scan.birthdayMails.clear();
    return false;
}
