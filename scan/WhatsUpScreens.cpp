#include "WhatsUpScreens.h"

#include "MessageBox.h"
#include "ScanComputation.h"
#include "frmWhatsUp.h"

#include <QApplication>

WhatsUpScreens::WhatsUpScreens() = default;

WhatsUpScreens::WhatsUpScreens(std::unique_ptr<QApplication> application)
    : m_application(std::move(application))
{
}

WhatsUpScreens::~WhatsUpScreens() = default;

void WhatsUpScreens::ShowCriticalMessage(const std::string &text)
{
    ShowMessage(std::string_view(text), MsgStyle::OkCritical);
}

bool WhatsUpScreens::ShowDueEvents(ScanResult &scan)
{
    frmWhatsUp window(scan.rows, scan.birthdayMails, nullptr, scan.belatedMails);
    window.exec();
    return true;
}
