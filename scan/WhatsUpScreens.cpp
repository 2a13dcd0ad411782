#include "WhatsUpScreens.h"

#include "MessageBox.h"
#include "frmWhatsUp.h"

void WhatsUpScreens::ShowCriticalMessage(const std::string &text)
{
    ShowMessage(std::string_view(text), MsgStyle::OkCritical);
}

bool WhatsUpScreens::ShowDueEvents(const std::vector<ScanRow> &rows,
                                   std::vector<std::string> &birthdayMails)
{
    frmWhatsUp window(rows, birthdayMails);
    window.exec();
    return true;
}
