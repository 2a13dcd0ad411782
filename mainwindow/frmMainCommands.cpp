// SPDX-License-Identifier: GPL-3.0-or-later
// The event commands of the main window, and the guards they share.

#include "frmMain.h"

#include "ClipboardText.h"
#include "Desktop.h"
#include "EventListModel.h"
#include "FileRead.h"
#include "HelpViewer.h"
#include "Maker.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "WindowServices.h"
#include "clsHlink.h"
#include "frmAbout.h"
#include "frmBug.h"
#include "frmFind.h"

#include <QItemSelectionModel>
#include <QTreeView>

int frmMain::FindSelectedEvent()
{
    const QModelIndexList selected = lstEvent->selectionModel()->selectedRows();
    SelItem =
        selected.isEmpty() ? QPersistentModelIndex() : QPersistentModelIndex(selected.first());
    if (m_list.State().EventCount() == 0)
        return -1;
    if (!SelItem.isValid())
        throw MoonrillError(MoonrillError::NoSelection,
                            "Object variable or With block variable not set");
    return m_list.State().IndexOfRow(size_t(SelItem.row()));
}

void frmMain::FindEvent()
{
    if (m_model->rowCount() == 0) {
        ShowMessage(std::string_view(QT_TRANSLATE_NOOP("Messages", "No events available!")),
                    MsgStyle::OkCritical, this);
        return;
    }
    {
        frmFind find(
            *m_model, [this](int row) { SelectRow(row); }, this);
        find.exec();
    }
    // The search went on in the list: the keyboard goes on there too.
    lstEvent->setFocus(Qt::OtherFocusReason);
}

void frmMain::VisitWebsite()
{
    try {
        clsHlink link(this);
        link.URL(std::string(HomePage));
        link.OpenURL();
    } catch (const std::exception &error) {
        ReportError(error);
    }
}

void frmMain::withServices(void (WindowServices::*command)())
{
    WindowServices *services = nullptr;
    try {
        services = &m_services();
    } catch (const MoonrillError &error) {
        ReportError(error);
        return;
    }
    (services->*command)();
}

MsgAnswer frmMain::AnswerMessage(QMessageBox &box)
{
    return ::AnswerMessage(box);
}

void frmMain::PrintEvents()
{
    withServices(&WindowServices::PrintEvents);
}

void frmMain::CheckForUpdate()
{
    withServices(&WindowServices::CheckForUpdate);
}

void frmMain::ImportBirthdays()
{
    withServices(&WindowServices::ImportBirthdays);
}

void frmMain::ImportCalendar()
{
    withServices(&WindowServices::ImportCalendar);
}

void frmMain::ExportCalendar()
{
    withServices(&WindowServices::ExportCalendar);
}

void frmMain::CalendarSyncSettings()
{
    withServices(&WindowServices::CalendarSyncSettings);
    // A question asked as the dialog closed ("for this run only?") leaves no window active:
    // the keyboard comes back to the list.
    activateWindow();
    lstEvent->setFocus();
}

void frmMain::ImportBirthdaysFrom(const QString &path)
{
    try {
        m_services().ImportBirthdaysFrom(path);
    } catch (const MoonrillError &error) {
        ReportError(error);
    }
}

void frmMain::ImportCalendarFrom(const QString &path)
{
    try {
        m_services().ImportCalendarFrom(path);
    } catch (const MoonrillError &error) {
        ReportError(error);
    }
}

void frmMain::ExportCalendarTo(const QString &path)
{
    try {
        m_services().ExportCalendarTo(path);
    } catch (const MoonrillError &error) {
        ReportError(error);
    }
}

void frmMain::ClearKilledExports()
{
    try {
        if (const std::optional<std::string> last =
                ReadWholeFile(LastExportRecord(), {.noun = "a path", .maxBytes = 4096}))
            ClearKilledExportsOf(*last);
    } catch (const MoonrillError &) {
        // Nothing to clear that can be found.
    }
}
void frmMain::ExpressContact()
{
    frmBug form(this);
    form.exec();
}
void frmMain::AboutMoonrill()
{
    frmAbout about(this);
    about.exec();
}
void frmMain::ShowHelp()
{
    try {
        ShowHelpTopic(this, HelpContents);
    } catch (const std::exception &error) {
        ReportError(error);
    }
}

void frmMain::CopyEvent()
{
    try {
        if (const std::optional<EventRef> ref = selectedEventOrRefuse())
            SetClipboardText(EventClipboardText(*m_list.Find(*ref)));
    } catch (const std::exception &error) {
        ReportError(error);
    }
}

void frmMain::CopyAllEvents()
{
    try {
        if (m_model->rowCount() == 0) {
            ShowMessage(std::string_view(QT_TRANSLATE_NOOP("Messages", "No events available!")),
                        MsgStyle::OkCritical, this);
            return;
        }
        SetClipboardText(AllEventsClipboardText(m_list.State()));
    } catch (const std::exception &error) {
        ReportError(error);
    }
}
