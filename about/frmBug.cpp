// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmBug.h"

#include "Accessibility.h"
#include "Animation.h"
#include "ButtonKeys.h"
#include "MailLink.h"
#include "Maker.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "SystemName.h"
#include "Version.h"
#include "clsHlink.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

frmBug::frmBug(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmBug"));
    setWindowTitle(tr("Bug Report"));
    setModal(true);
    setFixedSize(369, 393);

    auto *type = new QLabel(tr("About:"), this);
    type->setObjectName(QStringLiteral("lblType"));
    type->setGeometry(8, 12, 60, 18);
    comRequest = new QComboBox(this);
    comRequest->setObjectName(QStringLiteral("comRequest"));
    comRequest->setGeometry(72, 8, 200, 26);
    comRequest->addItems({tr("Question / support"), tr("Bug Report"), tr("Request")});
    comRequest->setCurrentIndex(-1);
    comRequest->installEventFilter(this);
    NameAfterLabel(type, comRequest);

    lblContact = new QLabel(tr("Get in touch with me..."), this);
    lblContact->setObjectName(QStringLiteral("lblContact"));
    lblContact->setGeometry(8, 48, 300, 20);
    QFont heading = lblContact->font();
    heading.setBold(true);
    lblContact->setFont(heading);

    m_clipView = new QLabel(this);
    m_clipView->setObjectName(QStringLiteral("anmReq"));
    m_clipView->setGeometry(320, 8, 32, 32);
    anmReq = new Animation(m_clipView);

    auto *text = new QLabel(tr("Text:"), this);
    text->setObjectName(QStringLiteral("lblText"));
    text->setGeometry(8, 80, 60, 18);
    txtBugReport = new QPlainTextEdit(this);
    txtBugReport->setObjectName(QStringLiteral("txtBugReport"));
    txtBugReport->setGeometry(8, 100, 353, 240);
    txtBugReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the text for the buttons, as in every other box of the form; a mail needs no
    // tab characters.
    txtBugReport->setTabChangesFocus(true);
    NameAfterLabel(text, txtBugReport);

    auto button = [this](const char *name, const char *caption, int x) {
        auto *b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, 352, 100, 28);
        b->setAutoDefault(false);
        return b;
    };
    connect(button("cmdSend", QT_TR_NOOP("Send"), 8), &QPushButton::clicked, this,
            &frmBug::cmdSend_Click);
    connect(button("cmdReset", QT_TR_NOOP("Reset"), 134), &QPushButton::clicked, this, [this] {
        txtBugReport->clear();
        txtBugReport->setFocus();
    });
    connect(button("cmdClose", QT_TR_NOOP("Close"), 261), &QPushButton::clicked, this,
            &QDialog::accept);
    PressFocusedButtonOnEnter(this);
}

frmBug::~frmBug() = default;

void frmBug::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    QTimer::singleShot(0, this, [this] { anmReq->OpenClip("clock.avi", this); }); // loaded, still
}

bool frmBug::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving the request list with a type chosen starts the clip and names the request.
    if (watched == comRequest && event->type() == QEvent::FocusOut &&
        comRequest->currentIndex() >= 0) {
        anmReq->SetAutoPlay(true);
        lblContact->setText(comRequest->currentText());
    }
    return QDialog::eventFilter(watched, event);
}

void frmBug::keyPressEvent(QKeyEvent *event)
{
    // The form has no default or cancel button: Enter and Escape neither send nor close (Enter
    // presses only a button that has the keyboard).
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmBug::cmdSend_Click()
{
    try {
        if (comRequest->currentIndex() < 0) {
            ShowMessage(std::string_view(
                            QT_TRANSLATE_NOOP("Messages", "Please tell me what this is about!")),
                        MsgStyle::OkCritical, this);
            comRequest->setFocus();
            return;
        }
        const QString message = txtBugReport->toPlainText();
        if (message.isEmpty()) {
            ShowMessage(
                std::string_view(QT_TRANSLATE_NOOP("Messages", "Please type in some words...!")),
                MsgStyle::OkCritical, this);
            txtBugReport->setFocus();
            return;
        }
        clsHlink link(this);
        link.URL(ContactMailLink(SupportAddress, comRequest->currentText().toStdString(),
                                 ProgramVersionText(), OperatingSystemName(),
                                 message.toStdString()));
        link.OpenURL();
        anmReq->SetAutoPlay(false);
    } catch (const std::exception &error) {
        ShowErrorReport(error.what(), this);
    }
}

void frmBug::done(int result)
{
    anmReq->Close();
    QDialog::done(result);
}
