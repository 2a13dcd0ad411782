// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhatsUpScreens.h"

#include "Desktop.h"
#include "MessageBox.h"
#include "ScanComputation.h"
#include "frmWhatsUp.h"

#include <QApplication>
#include <QCoreApplication>

WhatsUpScreens::WhatsUpScreens() = default;

WhatsUpScreens::WhatsUpScreens(std::unique_ptr<QApplication> application)
    : m_application(std::move(application))
{
}

WhatsUpScreens::~WhatsUpScreens() = default;

bool WhatsUpScreens::ShowMessageBox(const std::string &text, Icon icon)
{
    ShowMessage(std::string_view(text),
                icon == Icon::Critical ? MsgStyle::OkCritical : MsgStyle::OkInformation);
    return true;
}

bool WhatsUpScreens::ShowDueEvents(ScanResult &scan)
{
    {
        frmWhatsUp window(scan.rows, scan.birthdayMails, nullptr, scan.belatedMails);
        window.exec();
    }
    // An address left on the clipboard for a mail that could not open stays there for the user
    // to write to, also after the window: the scan ends once it is taken or after a while.
    KeepClipboardWhileHeld(std::chrono::minutes(10));
    return true;
}

std::string WhatsUpScreens::Translated(std::string_view words)
{
    return ::Translated(words);
}
