// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exchanging events with the user's other programs: birthdays imported from an address book,
// and every event exported to a calendar file. Part of the services library.

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <string>

class CalendarSync;
struct EventRef;
class ServiceHost;
struct SyncSettings;

/// The main window's import and export commands, each as frmMain's command of the same name
/// describes it. Their texts are the main window's.
class ExchangeCommands
{
    Q_DECLARE_TR_FUNCTIONS(frmMain)

public:
    /// Over the window `host`, with the window's sync `sync` (the password given for this run).
    ExchangeCommands(ServiceHost &host, CalendarSync &sync) : m_host(host), m_sync(sync) {}

    void ImportBirthdays();
    void ImportBirthdaysFrom(const QString &path);
    void ImportCalendar();
    void ImportCalendarFrom(const QString &path);
    void ExportCalendar();
    void ExportCalendarTo(const QString &path);

private:
    /// The birthdays of the address book on the server (Import Birthdays with one set).
    void importBirthdaysFromServer(const SyncSettings &settings);
    /// The birthdays of the vCard text `content`, read from `source` (a file, an address).
    void importBirthdaysFromText(const std::string &content, const std::string &source);
    /// Whether the list has room for `count` more events; says `refusal` (%1 the count, %2 the
    /// room) where it has not.
    bool hasRoomFor(size_t count, const QString &refusal);
    /// After an import: the list as changed, the row of `last` selected (none where it is
    /// empty), and the import's summary.
    void showImported(const EventRef &last, const std::string &summary);

    ServiceHost &m_host;
    CalendarSync &m_sync;
};
