// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSync.h"

#include "Accessibility.h"

#include "CalendarProbe.h"
#include "CalendarSync.h"
#include "DavRequest.h"
#include "HelpViewer.h"
#include "MessageBox.h"
#include "SyncSettings.h"
#include "UserWords.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

frmSync::frmSync(CalendarSync &sync, QWidget *owner)
    : QDialog(owner), m_sync(sync), m_probe(new CalendarProbe(this))
{
    setWindowTitle(tr("Calendar Sync"));
    AddHelpKey(this, [] { return HelpContextID; });
    const SyncSettings settings = SyncSettings::Read();
    auto *form = new QFormLayout(this);
    const auto field = [this, form](const char *name, const char *label, const QString &text) {
        auto *edit = new QLineEdit(text, this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMinimumWidth(360);
        edit->setCursorPosition(0); // a long address shows where it begins
        form->addRow(tr(label), edit);
        return edit;
    };
    txtCalendar = field("txtCalendar", QT_TR_NOOP("&Calendar URL:"), settings.calendar.toString());
    cboCalendars = new QComboBox(this);
    cboCalendars->setObjectName(QStringLiteral("cboCalendars"));
    cboCalendars->setAccessibleName(tr("Calendars found"));
    SayChoice(cboCalendars);
    cboCalendars->hide();
    form->addRow(cboCalendars);
    txtAddressBook =
        field("txtAddressBook", QT_TR_NOOP("&Address book URL:"), settings.addressBook.toString());
    txtUser = field("txtUser", QT_TR_NOOP("&User name:"), settings.user);
    txtPassword = field("txtPassword", QT_TR_NOOP("&Password:"), QString());
    HidePassword(txtPassword);
    txtPassword->setPlaceholderText(tr("as kept in the keyring"));
    // What the field says is what holds the password: the keyring is asked, without waiting.
    if (m_sync.HasSessionPassword()) {
        txtPassword->setPlaceholderText(tr("as given for this run"));
    } else if (!settings.calendar.isEmpty()) {
        ReadSyncPasswordLater(settings.user, settings.calendar, this,
                              [this](const std::optional<QString> &password, const Message &) {
                                  if (!password)
                                      txtPassword->setPlaceholderText(
                                          tr("none kept: type it to use it"));
                              });
    }
    lblStatus = new QLabel(m_sync.Status(), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblStatus->setTextFormat(Qt::PlainText);
    form->addRow(lblStatus);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Alt+O presses OK, rather than typing an "o" into the field that has the keyboard.
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    cmdTest = buttons->addButton(tr("&Test"), QDialogButtonBox::ActionRole);
    cmdTest->setObjectName(QStringLiteral("cmdTest"));
    cmdMake = buttons->addButton(tr("&Make Calendar"), QDialogButtonBox::ActionRole);
    cmdMake->setObjectName(QStringLiteral("cmdMake"));
    cmdMake->hide();
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmSync::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmSync::reject);
    connect(cmdTest, &QPushButton::clicked, this, &frmSync::cmdTest_Click);
    connect(cmdMake, &QPushButton::clicked, this, &frmSync::cmdMake_Click);
    connect(txtCalendar, &QLineEdit::textEdited, cmdMake, &QWidget::hide);
    connect(&m_sync, &CalendarSync::statusChanged, this, [this](const QString &status) {
        lblStatus->setText(status);
        growToFit();
    });
    connect(m_probe, &CalendarProbe::finished, this, &frmSync::tested);
    connect(cboCalendars, &QComboBox::activated, this, [this](int index) {
        txtCalendar->setText(cboCalendars->itemData(index).toString());
        txtCalendar->setCursorPosition(0);
        // The account's words no longer fit once a calendar of it is chosen.
        if (index > 0)
            lblStatus->setText(tr("Calendar chosen: %1. OK syncs the list with it; Test asks it "
                                  "first.")
                                   .arg(cboCalendars->itemText(index)));
    });
}

frmSync::~frmSync() = default;

void frmSync::cmdTest_Click()
{
    const QUrl url(txtCalendar->text().trimmed());
    if (const QString trouble = UrlTrouble(url, UserWords()); !trouble.isEmpty()) {
        lblStatus->setText(trouble);
        return;
    }
    lblStatus->setText(tr("Asking %1 ...").arg(url.host()));
    withPassword(url, [this, url](const QByteArray &authorization) {
        m_probe->Start(url, authorization, UserWords());
    });
}

void frmSync::cmdMake_Click()
{
    const QUrl url(txtCalendar->text().trimmed());
    lblStatus->setText(tr("Making a calendar at %1 ...").arg(url.toDisplayString()));
    m_making = true;
    withPassword(url, [this, url](const QByteArray &authorization) {
        m_probe->Make(url, authorization, UserWords());
    });
}

void frmSync::withPassword(const QUrl &url,
                           std::function<void(const QByteArray &authorization)> ask)
{
    // The answers, the keyring's too, come in the event loop; the window never waits for them.
    cmdTest->setEnabled(false);
    cmdMake->setEnabled(false);
    const QString user = txtUser->text();
    const auto go = [user, ask = std::move(ask)](const std::optional<QString> &password,
                                                 const Message &) {
        ask(BasicAuthorization(user, password.value_or(QString())));
    };
    if (!txtPassword->text().isEmpty())
        go(txtPassword->text(), {});
    else
        ReadSyncPasswordLater(user, url, this, go);
}

QString frmSync::troubleText(const ProbeResult &result)
{
    // A server that answered did answer: only where none did is it "no answer".
    if (result.status == 0)
        return tr("No answer: ") + result.trouble;
    if (result.status == 404 || result.status == 410)
        return tr("Nothing there: ") + result.trouble;
    QString said = result.trouble;
    if (!said.isEmpty())
        said[0] = said[0].toUpper();
    return said;
}

void frmSync::growToFit()
{
    // A longer answer, or the list of calendars appearing, needs room the dialog did not have.
    QLayout *form = layout();
    const int needed = form->hasHeightForWidth() ? form->totalHeightForWidth(width())
                                                 : form->totalSizeHint().height();
    if (needed > height())
        resize(width(), needed);
}

void frmSync::tested(const ProbeResult &result)
{
    cmdTest->setEnabled(true);
    cmdMake->setEnabled(true);
    const bool made = std::exchange(m_making, false);
    // A calendar can be made only where nothing is yet.
    cmdMake->setVisible(result.kind == ProbeResult::Kind::Trouble &&
                        (result.status == 404 || result.status == 410));
    cboCalendars->clear();
    cboCalendars->setVisible(result.kind == ProbeResult::Kind::Calendars);
    switch (result.kind) {
    case ProbeResult::Kind::Calendar:
        lblStatus->setText(
            made ? tr("A calendar was made (%1): its events can be synced.").arg(result.name)
            : result.name.isEmpty()
                ? tr("A calendar is there: its events can be synced.")
                : tr("A calendar is there (%1): its events can be synced.").arg(result.name));
        break;
    case ProbeResult::Kind::NoEvents:
        lblStatus->setText(tr("A calendar is there, but it takes no events (only tasks or "
                              "notes): choose another."));
        break;
    case ProbeResult::Kind::Calendars:
        lblStatus->setText(tr("This address is an account, not a calendar. Choose one of its "
                              "calendars (%n) in the list above.",
                              nullptr, int(result.calendars.size())));
        cboCalendars->addItem(tr("Choose a calendar..."), txtCalendar->text());
        for (const DavResource &calendar : result.calendars)
            cboCalendars->addItem(calendar.name.isEmpty() ? calendar.url.path() : calendar.name,
                                  calendar.url.toString());
        cboCalendars->setFocus();
        break;
    case ProbeResult::Kind::NoCalendar:
        lblStatus->setText(tr("No calendar is there, and none was found at this address."));
        break;
    case ProbeResult::Kind::Trouble:
        lblStatus->setText(made ? tr("No calendar was made: %1").arg(result.trouble)
                                : troubleText(result));
        break;
    }
    growToFit();
    Announce(this, lblStatus->text());
}

void frmSync::accept()
{
    SyncSettings settings = SyncSettings::Read();
    settings.calendar = QUrl(txtCalendar->text().trimmed());
    settings.addressBook = QUrl(txtAddressBook->text().trimmed());
    settings.user = txtUser->text().trimmed();
    for (const QUrl &url : {settings.calendar, settings.addressBook}) {
        if (const QString trouble = UrlTrouble(url, UserWords());
            !url.isEmpty() && !trouble.isEmpty()) {
            ShowMessage(std::string_view(trouble.toStdString()), MsgStyle::OkCritical, this);
            return;
        }
    }
    try {
        settings.Write();
    } catch (const std::exception &error) {
        ShowMessage(std::string_view(error.what()), MsgStyle::OkCritical, this);
        return;
    }
    Message why;
    if (!txtPassword->text().isEmpty() &&
        !StoreSyncPassword(settings.user, settings.calendar, txtPassword->text(), why)) {
        QString trouble = Said(why, UserWords());
        // The reason opens the sentence.
        if (!trouble.isEmpty())
            trouble[0] = trouble[0].toUpper();
        const QString question =
            tr("%1, so the password cannot be kept.\r\nUse it for this run only?").arg(trouble);
        if (ShowMessage(question, MsgStyle::YesNoQuestion, this) != MsgAnswer::Yes)
            return;
        m_sync.SetSessionPassword(txtPassword->text());
    }
    QDialog::accept();
}
