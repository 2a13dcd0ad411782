// The main window's event file commands (load, save) and the scan of what falls due.

#include "frmMain.h"

#include "EventFile.h"
#include "EventListModel.h"
#include "LastSeen.h"
#include "MessageBox.h"
#include "ScanComputation.h"
#include "frmWhatsUp.h"

bool frmMain::LoadEvents()
{
    LoadResult result;
    {
        // The list view is told once, when the whole file has been read.
        const ListReset reset(*m_model);
        m_lastSeen = ReadLastSeen(m_folder);
        result = ::LoadEvents(m_state, m_eventFile, Date::today(), m_lastSeen);
    }
    SelectRow(0);
    m_missed = std::move(result.missed);
    m_loaded = !result.error;
    if (result.error) {
        ReportError(*result.error);
        return false;
    }
    // The file as read is kept as a backup before this message, which says where (or that it
    // could not be, and the file is then left as it is).
    if (result.ignored > 0)
        ShowMessage(std::string_view(IgnoredLinesMessage(result)), MsgStyle::OkCritical, this);
    return MayReplaceFile(result);
}

bool frmMain::SaveEvents()
{
    try {
        const SaveOutcome outcome = ::SaveEvents(m_state, m_eventFile);
        if (!outcome.changedFileKeptAs.empty())
            ShowMessage(std::string_view(ChangedFileMessage(outcome.changedFileKeptAs)),
                        MsgStyle::OkInformation, this);
        return true;
    } catch (const MoonrillError &error) {
        ReportError(error);
        return false;
    }
}

void frmMain::ScanEvents()
{
    // Offers of an earlier scan never carry over, also when this one fails part-way.
    BirthdayMails.clear();
    try {
        // What the start-up caught up stays in every scan of this run.
        ScanResult result = ComputeScan(m_state.Events(), Date::today(), m_missed);
        if (!result.found)
            return;
        BirthdayMails = std::move(result.birthdayMails);
        frmWhatsUp window(result.rows, BirthdayMails, isVisible() ? this : nullptr,
                          std::move(result.belatedMails));
        window.exec();
    } catch (const std::exception &error) {
        ReportError(error);
    }
}
