// SPDX-License-Identifier: GPL-3.0-or-later
// The event commands of the main window, and the guards they share.

#include "frmMain.h"

#include "ClipboardText.h"
#include "Desktop.h"
#include "EventListModel.h"
#include "HelpViewer.h"
#include "Maker.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "PrintEvents.h"
#include "clsHlink.h"
#include "frmAbout.h"
#include "frmBug.h"
#include "frmFind.h"
#include "frmLiveUpdate.h"

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

void frmMain::PrintEvents()
{
    ::PrintEvents(m_list.State(), this);
}
void frmMain::CheckForUpdate()
{
    frmLiveUpdate update(this);
    update.exec();
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
