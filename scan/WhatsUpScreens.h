#pragma once

#include "LogonScan.h"

/// The logon scan's messages and scan window, shown with the desktop's widgets; the
/// application object must exist.
class WhatsUpScreens final : public LogonScreens
{
public:
    void ShowCriticalMessage(const std::string &text) override;
    bool ShowDueEvents(const std::vector<ScanRow> &rows,
                       std::vector<std::string> &birthdayMails) override;
};
