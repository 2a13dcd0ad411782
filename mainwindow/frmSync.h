// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpFile.h"

#include <QDialog>

#include <functional>

class CalendarProbe;
class CalendarSync;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QUrl;
struct ProbeResult;

/// "Calendar Sync": where the events are synced and the birthdays read, the user name and
/// the password, with a Test button that says whether the address is a calendar that takes
/// events, and for an account's address offers the calendars found there by name. OK keeps the
/// addresses and the user in sync.conf and the password in the desktop's keyring (or, where no
/// keyring runs and the user agrees, for this run only). Where Test finds nothing at the address,
/// it offers to make a calendar there.
class frmSync final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSync)

public:
    frmSync(CalendarSync &sync, QWidget *owner);
    ~frmSync() override;

    static constexpr int HelpContextID = HelpCalendarSync;

    void accept() override;

private:
    void cmdTest_Click();
    void cmdMake_Click();
    /// Calls `ask` with the password typed, else the one the keyring keeps for the user and
    /// the calendar's address, once it answers.
    void withPassword(const QUrl &url, std::function<void(const QByteArray &authorization)> ask);
    void tested(const ProbeResult &result);
    void growToFit();
    /// What Test says of an address it could not use.
    [[nodiscard]] static QString troubleText(const ProbeResult &result);

    CalendarSync &m_sync;
    CalendarProbe *m_probe = nullptr;
    QComboBox *cboCalendars = nullptr;
    QLineEdit *txtCalendar = nullptr;
    QLineEdit *txtAddressBook = nullptr;
    QLineEdit *txtUser = nullptr;
    QLineEdit *txtPassword = nullptr;
    QPushButton *cmdTest = nullptr;
    QPushButton *cmdMake = nullptr; // offered where Test found nothing at the address
    bool m_making = false;
    QLabel *lblStatus = nullptr;
};
