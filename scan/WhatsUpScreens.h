// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LogonScan.h"

#include <memory>

class QApplication;

/// The logon scan's messages and scan window, shown with the desktop's widgets. It works over
/// the application object that exists, or over the one it is given to own (the program's
/// windows library starts the desktop this way for the plain program's logon scan).
class WhatsUpScreens final : public LogonScreens
{
public:
    WhatsUpScreens();
    explicit WhatsUpScreens(std::unique_ptr<QApplication> application);
    ~WhatsUpScreens() override;

    bool ShowMessageBox(const std::string &text, Icon icon) override;
    [[nodiscard]] std::string Translated(std::string_view words) override;
    bool ShowDueEvents(ScanResult &scan) override;

private:
    std::unique_ptr<QApplication> m_application;
};
