// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeCommands.h"

#include "AddressBook.h"
#include "AtomicFile.h"
#include "BirthdayImport.h"
#include "CalendarExport.h"
#include "CalendarFileImport.h"
#include "CalendarSync.h"
#include "Conversions.h"
#include "DavRequest.h"
#include "FileRead.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "SyncSettings.h"
#include "Text.h"
#include "UserWords.h"
#include "VCardReader.h"
#include "WindowServices.h"

#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressDialog>

#include <malloc.h>

namespace {

/// An address book larger than this is no address book a person keeps.
constexpr size_t MaxAddressBookBytes = 64u << 20;
/// Nor a calendar: years of a busy calendar's appointments are a few megabytes.
constexpr size_t MaxCalendarBytes = 64u << 20;

/// Gives the memory an import or export freed back to the system when the command ends. An
/// import of 30,000 events passes hundreds of megabytes through the heap (the text, its objects,
/// the plan), and the allocator would keep them for the life of the window.
class FreedMemoryReturned
{
public:
    FreedMemoryReturned() = default;
    ~FreedMemoryReturned() { malloc_trim(0); }
    FreedMemoryReturned(const FreedMemoryReturned &) = delete;
    FreedMemoryReturned &operator=(const FreedMemoryReturned &) = delete;
};

} // namespace

void ExchangeCommands::ImportBirthdays()
{
    const SyncSettings settings = SyncSettings::Read();
    if (!settings.addressBook.isEmpty() &&
        ShowMessage(tr("Import the birthdays of the address book at %1?\r\nNo picks "
                       "a file instead.")
                        .arg(settings.addressBook.toString()),
                    MsgStyle::YesNoQuestion, m_host.Window()) == MsgAnswer::Yes) {
        importBirthdaysFromServer(settings);
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(m_host.Window(), tr("Import Birthdays"), QDir::homePath(),
                                     tr("Address books (*.vcf *.vcard)"));
    if (!path.isEmpty())
        ImportBirthdaysFrom(path);
}

void ExchangeCommands::importBirthdaysFromServer(const SyncSettings &settings)
{
    const FreedMemoryReturned trim;
    QString trouble = UrlTrouble(settings.addressBook, UserWords());
    const std::optional<QString> password =
        trouble.isEmpty() ? m_sync.Password(settings.user, settings.addressBook, trouble)
                          : std::nullopt;
    if (!password) {
        ShowMessage(trouble, MsgStyle::OkCritical, m_host.Window());
        return;
    }
    // The answer comes in the event loop, with a Cancel; the window never waits on the network.
    QNetworkAccessManager network;
    QProgressDialog progress(tr("Reading the address book on the server..."), tr("Cancel"), 0, 0,
                             m_host.Window());
    progress.setWindowTitle(tr("Import Birthdays"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QNetworkReply *reply =
        RequestCards(network, settings.addressBook, BasicAuthorization(settings.user, *password));
    QEventLoop loop;
    bool cancelled = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&progress, &QProgressDialog::canceled, reply, [reply, &cancelled] {
        cancelled = true;
        reply->abort();
    });
    loop.exec();
    progress.reset();
    reply->deleteLater();
    if (cancelled)
        return;
    trouble = StatusOf(*reply) == 207 ? QString() : AnswerTrouble(*reply, UserWords());
    if (trouble.isEmpty() && StatusOf(*reply) != 207)
        trouble = tr("the server answered %1").arg(StatusOf(*reply));
    std::string cards;
    if (trouble.isEmpty() && !CardsOf(reply->readAll(), cards))
        trouble = tr("the server's answer is no address book it can read");
    if (!trouble.isEmpty()) {
        ShowMessage(tr("The address book could not be read: %1").arg(trouble), MsgStyle::OkCritical,
                    m_host.Window());
        return;
    }
    importBirthdaysFromText(cards, ToBytes(Shown(settings.addressBook)));
}

void ExchangeCommands::ImportBirthdaysFrom(const QString &path)
{
    // Declared first, so that it runs when everything the command held is freed.
    const FreedMemoryReturned trim;
    try {
        const std::string file = ToBytes(path);
        const std::optional<std::string> content =
            ReadWholeFile(file, {.noun = "an address book", .maxBytes = MaxAddressBookBytes});
        importBirthdaysFromText(content.value_or(std::string()), file);
    } catch (const std::exception &error) {
        m_host.Report(error);
    }
}

void ExchangeCommands::importBirthdaysFromText(const std::string &content,
                                               const std::string &source)
{
    try {
        // A large book shows its progress and can be stopped; a small one is read before the
        // dialog would show.
        QProgressDialog progress(tr("Reading the address book..."), tr("Cancel"), 0, 1000,
                                 m_host.Window());
        progress.setWindowTitle(tr("Import Birthdays"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        const VCardBook book = ReadVCards(content, [&progress](size_t read, size_t total) {
            progress.setValue(static_cast<int>(read * 1000 / total));
            return !progress.wasCanceled();
        });
        progress.reset();
        if (book.cancelled)
            return;
        if (!book.isAddressBook) {
            ShowMessage(
                tr("%1 is not an address book: it holds no contact.").arg(FromBytes(source)),
                MsgStyle::OkCritical, m_host.Window());
            return;
        }
        BirthdayImport import =
            PlanBirthdayImport(book.contacts, m_host.ListDocument().Events(), Date::today());
        if (!hasRoomFor(import.events.size(),
                        tr("The address book holds %1 new birthdays, but the list has room for %2 "
                           "more events.\r\nNothing was imported.")))
            return;
        const std::string summary = ImportSummary(import, Translated(ImportSummaryWords));
        EventRef last = m_host.ListDocument().AddAll(std::move(import.events), Date::today());
        // A card imported before under another name updates its event, found by the UID.
        for (BirthdayUpdate &update : import.updates) {
            const std::vector<clsEvent> &events = m_host.ListDocument().Events();
            const auto found =
                std::find_if(events.begin(), events.end(), [&update](const clsEvent &event) {
                    return event.Options.Uid == update.written.event.Options.Uid;
                });
            if (found != events.end())
                last = m_host.ListDocument().Replace(m_host.ListDocument().RefOf(*found),
                                                     std::move(update.written), Date::today());
        }
        showImported(last, summary);
    } catch (const std::exception &error) {
        m_host.Report(error);
    }
}

void ExchangeCommands::ImportCalendar()
{
    const QString path =
        QFileDialog::getOpenFileName(m_host.Window(), tr("Import Calendar"), QDir::homePath(),
                                     tr("Calendars (*.ics *.ical *.icalendar *.ifb)"));
    if (!path.isEmpty())
        ImportCalendarFrom(path);
}

void ExchangeCommands::ImportCalendarFrom(const QString &path)
{
    // Declared first, so that it runs when everything the command held is freed.
    const FreedMemoryReturned trim;
    try {
        const std::string file = ToBytes(path);
        const std::optional<std::string> content =
            ReadWholeFile(file, {.noun = "a calendar", .maxBytes = MaxCalendarBytes});
        CalendarFileImport import = PlanCalendarImport(
            content.value_or(std::string()), m_host.ListDocument().Events(), Date::today());
        if (!import.isCalendar) {
            ShowMessage(tr("%1 is not a calendar: it holds no event.").arg(path),
                        MsgStyle::OkCritical, m_host.Window());
            return;
        }
        if (!hasRoomFor(import.events.size(),
                        tr("The calendar holds %1 new events, but the list has room for %2 more "
                           "events.\r\nNothing was imported.")))
            return;
        const std::string summary = CalendarImportSummary(import, UserWords());
        showImported(m_host.ListDocument().AddAll(std::move(import.events), Date::today()),
                     summary);
    } catch (const std::exception &error) {
        m_host.Report(error);
    }
}

void ExchangeCommands::ExportCalendar()
{
    SyncSettings settings = SyncSettings::Read();
    QFileDialog dialog(m_host.Window(), tr("Export Calendar"),
                       settings.calendarFile.isEmpty()
                           ? QDir::home().filePath(QStringLiteral("Moonrill.ics"))
                           : settings.calendarFile,
                       tr("iCalendar files (*.ics)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *keep = new QCheckBox(tr("Keep this file up to date"), &dialog);
    keep->setObjectName(QStringLiteral("chkKeepUpToDate"));
    keep->setToolTip(tr("Rewrite this file at every save, for a calendar program "
                        "that subscribes to it"));
    keep->setChecked(!settings.calendarFile.isEmpty());
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(keep, grid->rowCount(), 0, 1, -1);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().front();
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ics");
    ExportCalendarTo(path);
    const QString kept = keep->isChecked() ? QFileInfo(path).absoluteFilePath() : QString();
    if (kept == settings.calendarFile)
        return;
    settings.calendarFile = kept;
    try {
        settings.Write();
    } catch (const std::exception &error) {
        m_host.Report(error);
    }
}

void ExchangeCommands::ExportCalendarTo(const QString &path)
{
    // Declared first, so that it runs when everything the command held is freed.
    const FreedMemoryReturned trim;
    try {
        const std::string file = ToBytes(path);
        ClearKilledExportsOf(file);
        const std::string productId = MoonrillProductId();
        int leftOut = 0;
        std::vector<std::string> uids;
        WriteFileAtomically(
            file,
            CalendarText(m_host.ListDocument().Events(), productId, std::time(nullptr), &leftOut,
                         &uids),
            WriteRules{.followLinks = true, .modeFrom = {}, .noun = "a calendar file"});
        if (MakeFolders(FolderOf(LastExportRecord())))
            WriteFileAtomically(LastExportRecord(), file);
        // The list keeps the UIDs, so that the next export, after edits and deletions, gives the
        // calendar the same entries again: a saved list is saved with them at once.
        if (m_host.ListDocument().KeepUids(uids)) {
            if (m_host.ListDocument().Saved())
                m_host.SaveList();
            else
                m_host.ListChanged();
        }
        const size_t count = m_host.ListDocument().Events().size() - size_t(leftOut);
        QString message = (count == 1 ? tr("The calendar was written to %1: %2 event.")
                                      : tr("The calendar was written to %1: %2 events."))
                              .arg(FromBytes(file))
                              .arg(count);
        if (leftOut > 0)
            message += (leftOut == 1 ? tr("\r\n%1 event dated after the year %2 was left out: "
                                          "calendar programs cannot read such dates.")
                                     : tr("\r\n%1 events dated after the year %2 were left out: "
                                          "calendar programs cannot read such dates."))
                           .arg(leftOut)
                           .arg(LastCalendarYear);
        ShowMessage(message, MsgStyle::OkInformation, m_host.Window());
    } catch (const std::exception &error) {
        m_host.Report(error);
    }
}

void ExchangeCommands::showImported(const EventRef &last, const std::string &summary)
{
    // The list changed where an import took anything: the last event it took is selected.
    if (!last.empty()) {
        m_host.ListChanged();
        m_host.SelectRow(int(m_host.ListDocument().RowOf(last).value_or(0)));
    }
    ShowMessage(std::string_view(summary), MsgStyle::OkInformation, m_host.Window());
}

bool ExchangeCommands::hasRoomFor(size_t count, const QString &refusal)
{
    // An import is all or nothing: the list takes every event or none.
    const size_t room = m_host.ListDocument().Room();
    if (count <= room)
        return true;
    ShowMessage(refusal.arg(count).arg(room), MsgStyle::OkCritical, m_host.Window());
    return false;
}
