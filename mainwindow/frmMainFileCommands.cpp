// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's event file commands (load, save), the recovery copy of a list not saved, and
// the scan of what falls due.

#include "frmMain.h"

#include "EventFile.h"
#include "EventListModel.h"
#include "LastSeen.h"
#include "MessageBox.h"
#include "Recovery.h"
#include "ReminderRun.h"
#include "ScanComputation.h"
#include "SyncConfig.h"
#include "Text.h"
#include "frmWhatsUp.h"

bool frmMain::LoadEvents()
{
    LoadResult result;
    // The list view is told once, when the whole file has been read.
    m_lastSeen = ReadLastSeen(m_folder);
    result = m_list.Load(Date::today(), m_lastSeen);
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
        ShowMessage(std::string_view(IgnoredLinesMessage(result, Translated)), MsgStyle::OkCritical,
                    this);
    return MayReplaceFile(result);
}

bool frmMain::SaveEvents()
{
    // Only a save of changes replaces the recovery copy; the start-up's save of the moved dates
    // leaves it for the start-up to offer.
    const bool savesChanges = !m_list.Saved();
    try {
        // Only a list synced or kept as a calendar file needs the services: the settings are
        // read plainly first, so that a save without either loads no calendar library.
        const SyncConfig config = ReadSyncConfig();
        const bool otherRoads = !config.calendarUrl.empty() || !config.calendarFile.empty();
        const SaveOutcome outcome = m_list.Save(otherRoads ? m_services().Roads() : SaveRoads());
        // The reminders at moments of their own come from the list as saved.
        RenewReminders(m_folder, LocalNow(), m_list.Events());
        // The copy goes only where the list saved is the list held: nothing above waits in
        // the event loop, so no change can come between.
        if (savesChanges && m_list.Saved())
            RemoveRecovery(m_list.Path());
        if (otherRoads)
            m_services().SyncSaved();
        if (!outcome.changedFileKeptAs.empty())
            ShowMessage(std::string_view(ChangedFileMessage(outcome.changedFileKeptAs, Translated)),
                        MsgStyle::OkInformation, this);
        if (!outcome.partialFileKeptAs.empty())
            ShowMessage(std::string_view(PartialFileMessage(outcome.partialFileKeptAs,
                                                            outcome.unloadedFromLine, Translated)),
                        MsgStyle::OkInformation, this);
        return true;
    } catch (const MoonrillError &error) {
        ReportError(error);
        return false;
    }
}

void frmMain::listChanged()
{
    try {
        m_list.KeepUnsaved();
    } catch (const MoonrillError &error) {
        // The change itself is made; a copy that cannot be kept is said once, not at every
        // change.
        if (!m_recoveryFailed)
            ReportError(error);
        m_recoveryFailed = true;
    }
}

void frmMain::offerRecovery(const std::optional<ContentStamp> &found)
{
    std::optional<Recovered> recovered = ReadRecovery(m_list.Path(), Date::today());
    if (!recovered)
        return;
    // A copy that gives the list as loaded holds nothing that is not saved.
    if (EventListText(recovered->list) == EventListText(m_list.State())) {
        RemoveRecovery(m_list.Path());
        return;
    }
    if (ShowMessage(std::string_view(QT_TRANSLATE_NOOP(
                        "Messages", "Moonrill was closed before your changes were saved.\r\n"
                                    "Do you want to restore them?")),
                    MsgStyle::YesNoQuestion, this) == MsgAnswer::Yes) {
        // The restored list is not saved: the file's stamp and what its load left out stay, so
        // the save keeps whatever it has to keep. Where another program changed the file after
        // the copy was made, the restored list keeps the stamp of the file it was made over:
        // the save then keeps the other program's version as a backup and says so, as it does
        // for any file changed behind the window's back.
        const bool otherFile = recovered->madeOver && found && *recovered->madeOver != *found;
        m_list.Restore(std::move(recovered->list),
                       otherFile ? recovered->madeOver : std::optional<ContentStamp>());
        SelectRow(0);
        return;
    }
    try {
        KeepBackup(m_list.Path(), recovered->content);
        RemoveRecovery(m_list.Path());
        ShowMessage(tr("The changes that were not saved are kept as %1.")
                        .arg(FromBytes(BackupPath(m_list.Path()))),
                    MsgStyle::OkInformation, this);
    } catch (const MoonrillError &error) {
        ReportError(error);
    }
}

void frmMain::ScanEvents()
{
    // Offers of an earlier scan never carry over, also when this one fails part-way.
    BirthdayMails.clear();
    try {
        // What the start-up caught up stays in every scan of this run.
        ScanResult result = ComputeScan(m_list.Events(), Date::today(), m_missed);
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
