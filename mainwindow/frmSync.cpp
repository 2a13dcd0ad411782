// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSync.h"

#include "CalendarPublisher.h"
#include "CalendarSync.h"
#include "HelpViewer.h"
#include "MessageBox.h"
#include "SyncSettings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>

frmSync::frmSync(CalendarSync &sync, QWidget *owner)
    : QDialog(owner), m_sync(sync), m_network(new QNetworkAccessManager(this))
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
    txtAddressBook =
        field("txtAddressBook", QT_TR_NOOP("&Address book URL:"), settings.addressBook.toString());
    txtUser = field("txtUser", QT_TR_NOOP("&User name:"), settings.user);
    txtPassword = field("txtPassword", QT_TR_NOOP("&Password:"), QString());
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setPlaceholderText(tr("as kept in the keyring"));
    lblStatus = new QLabel(m_sync.Status(), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblStatus->setTextFormat(Qt::PlainText);
    form->addRow(lblStatus);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdTest = buttons->addButton(tr("&Test"), QDialogButtonBox::ActionRole);
    cmdTest->setObjectName(QStringLiteral("cmdTest"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmSync::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmSync::reject);
    connect(cmdTest, &QPushButton::clicked, this, &frmSync::cmdTest_Click);
    connect(&m_sync, &CalendarSync::statusChanged, lblStatus, &QLabel::setText);
}

frmSync::~frmSync() = default;

void frmSync::cmdTest_Click()
{
    const QUrl url(txtCalendar->text().trimmed());
    if (const QString trouble = UrlTrouble(url); !trouble.isEmpty()) {
        lblStatus->setText(trouble);
        return;
    }
    QString password = txtPassword->text();
    QString trouble;
    if (password.isEmpty())
        password = ReadSyncPassword(txtUser->text(), url, trouble).value_or(QString());
    // PROPFIND of the calendar itself: what a client asks first. The answer comes in the event
    // loop; the window never waits for it.
    QNetworkRequest request(url);
    request.setRawHeader("Depth", "0");
    request.setRawHeader("Authorization",
                         "Basic " +
                             (txtUser->text() + QLatin1Char(':') + password).toUtf8().toBase64());
    lblStatus->setText(tr("Asking %1 ...").arg(url.host()));
    QNetworkReply *reply = m_network->sendCustomRequest(request, "PROPFIND");
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QString reason =
            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        lblStatus->setText(
            status == 0
                ? tr("No answer: ") + reply->errorString()
                : tr("The server answered: %1 %2%3")
                      .arg(status)
                      .arg(reason, status == 207 ? tr(" (a calendar is there)") : QString()));
    });
}

void frmSync::accept()
{
    SyncSettings settings = SyncSettings::Read();
    settings.calendar = QUrl(txtCalendar->text().trimmed());
    settings.addressBook = QUrl(txtAddressBook->text().trimmed());
    settings.user = txtUser->text().trimmed();
    for (const QUrl &url : {settings.calendar, settings.addressBook}) {
        if (const QString trouble = UrlTrouble(url); !url.isEmpty() && !trouble.isEmpty()) {
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
    QString trouble;
    if (!txtPassword->text().isEmpty() &&
        !StoreSyncPassword(settings.user, settings.calendar, txtPassword->text(), trouble)) {
        const QString question =
            tr("%1, so the password cannot be kept.\r\nUse it for this run only?").arg(trouble);
        if (ShowMessage(question, MsgStyle::YesNoQuestion, this) != MsgAnswer::Yes)
            return;
        m_sync.SetSessionPassword(txtPassword->text());
    }
    QDialog::accept();
}
