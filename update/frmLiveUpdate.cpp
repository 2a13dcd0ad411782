// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmLiveUpdate.h"

#include "Animation.h"
#include "ButtonKeys.h"
#include "HelpViewer.h"
#include "Maker.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "TextWidth.h"
#include "UpdateCheck.h"
#include "Version.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

frmLiveUpdate::frmLiveUpdate(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmLiveUpdate"));
    setWindowTitle(tr("Check For Update"));
    setModal(true);
    setFixedSize(442, 131);
    createControls();
    m_check = new UpdateCheck(UpdateFolder(), ProgramVersionText(), this);
    connect(m_check, &UpdateCheck::runningChanged, this, &frmLiveUpdate::showStatus);
    connect(m_check, &UpdateCheck::noUpdate, this, [this] {
        m_message->setText(tr("There is no update available."));
        resetRun();
    });
    connect(m_check, &UpdateCheck::updateAvailable, this, &frmLiveUpdate::offerUpdate);
    connect(m_check, &UpdateCheck::downloaded, this, [this] {
        stopClip();
        m_clock.stop();
        accept();
    });
    connect(m_check, &UpdateCheck::failed, this, &frmLiveUpdate::failed);
    connect(&m_clock, &QTimer::timeout, this, &frmLiveUpdate::tick);
    showStatus(false);
    AddHelpKey(this, [] { return HelpContextID; });
    PressFocusedButtonOnEnter(this);
}

frmLiveUpdate::~frmLiveUpdate() = default;

QString frmLiveUpdate::UpdateFolder()
{
    const QByteArray mirror = qgetenv("MOONRILL_UPDATE_URL");
    QString folder = mirror.isEmpty()
                         ? QString::fromLatin1(MakerFolder.data(), qsizetype(MakerFolder.size()))
                         : QString::fromUtf8(mirror);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void frmLiveUpdate::createControls()
{
    auto *frame = new QGroupBox(tr("Check For Update -  Control Panel"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(8, 4, 426, 96);
    m_message = new QLabel(tr("Click Begin to Check For Update"), frame);
    m_message->setTextFormat(Qt::PlainText); // it shows the version the server names
    m_message->setObjectName(QStringLiteral("Label1"));
    m_message->setGeometry(56, 24, 360, 20);
    m_checkButton = new QPushButton(tr("&Check For Update"), frame);
    m_checkButton->setObjectName(QStringLiteral("Command1"));
    m_checkButton->setGeometry(56, 56, 160, 28);
    // A longer text in the user's language widens the button within its frame.
    m_checkButton->resize(std::clamp(TextWidth(*m_checkButton), 160, 360), 28);
    m_checkButton->setAutoDefault(false);
    connect(m_checkButton, &QPushButton::clicked, this, &frmLiveUpdate::CheckForUpdate);
    m_clipView = new QLabel(frame);
    m_clipView->setObjectName(QStringLiteral("anmUpdate"));
    m_clipView->setGeometry(8, 24, 40, 44);
    anmUpdate = new Animation(m_clipView);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setGeometry(0, 105, 442, 26);
    status->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(status);
    m_statusPanel->setObjectName(QStringLiteral("Panel1"));
    m_timePanel = new QLabel(status);
    m_timePanel->setObjectName(QStringLiteral("Panel2"));
    status->addWidget(m_statusPanel, 1);
    status->addWidget(m_timePanel, 1);
}

void frmLiveUpdate::showStatus(bool running)
{
    m_statusPanel->setText(tr("Status: ") + (running ? m_status : tr("Idle")));
}

void frmLiveUpdate::tick()
{
    ++m_elapsed;
    m_timePanel->setText(tr("Time: %1 Seconds").arg(m_elapsed));
}

void frmLiveUpdate::stopClip()
{
    anmUpdate->Stop();
    anmUpdate->Close();
}

void frmLiveUpdate::playClip(const char *name)
{
    anmUpdate->Open(AssetPath(std::string("anim/") + name));
    anmUpdate->Play(-1);
}

void frmLiveUpdate::resetRun()
{
    stopClip();
    m_checkButton->setEnabled(true);
    // Disabled while the check ran, the button lost the keyboard: it gets it back, so that
    // Enter checks again.
    m_checkButton->setFocus();
    m_clock.stop();
}

void frmLiveUpdate::CheckForUpdate()
{
    try {
        m_checkButton->setEnabled(false);
        m_status = tr("Checking for updated version.");
        playClip("serverdl.avi");
        m_check->Check();
    } catch (const MoonrillError &error) {
        failed(error);
    } catch (const std::exception &error) {
        // Out of memory among them: reported, and the program (with the main window's unsaved
        // list) goes on.
        failed(MoonrillError(MoonrillError::Internal, error.what()));
    }
}

void frmLiveUpdate::offerUpdate(const QString &version)
{
    m_message->setText(tr("There is an update available: Version ") + version);
    m_status = tr("Getting updated file (2,7 MB)");
    stopClip();

    // Opened, not run: the window goes on reacting while the user picks a folder.
    auto *save = new QFileDialog(this, tr("Save update"), QString(), tr("Zip files (*.zip)"));
    save->setAttribute(Qt::WA_DeleteOnClose);
    save->setObjectName(QStringLiteral("CommonDialog1"));
    save->setAcceptMode(QFileDialog::AcceptSave);
    save->setOption(QFileDialog::DontUseNativeDialog);
    // The archive keeps its own name whatever is typed, so a typed name is never replaced.
    save->setOption(QFileDialog::DontConfirmOverwrite);
    save->selectFile(m_check->Archive());
    connect(save, &QDialog::finished, this, [this, save](int result) {
        if (result != QDialog::Accepted || save->selectedFiles().isEmpty()) {
            ShowMessage(std::string_view(QT_TRANSLATE_NOOP("Messages", "Update aborted")),
                        MsgStyle::OkInformation, this);
            reject();
            return;
        }
        // Only the folder counts: the archive keeps the name of its address.
        downloadInto(QFileInfo(save->selectedFiles().first()).absolutePath());
    });
    save->open();
}

void frmLiveUpdate::downloadInto(const QString &folder)
{
    try {
        playClip("update app.avi");
        m_elapsed = 0;
        m_clock.start(1000);
        m_check->Download(folder);
    } catch (const MoonrillError &error) {
        failed(error);
    } catch (const std::exception &error) {
        failed(MoonrillError(MoonrillError::Internal, error.what()));
    }
}

void frmLiveUpdate::failed(const MoonrillError &error)
{
    switch (error.number()) {
    case MoonrillError::UpdateFailed:
        resetRun();
        ShowMessage(UpdateFailedText, MsgStyle::OkCritical, this);
        return;
    case MoonrillError::FileNotFound:
        ReportClipError(error, this);
        return;
    case MoonrillError::TimedOut:
        stopClip();
        ShowMessage(std::string_view(QT_TRANSLATE_NOOP(
                        "Messages", "Operation timed out. Please try again later")),
                    MsgStyle::OkCritical, this);
        reject();
        return;
    default:
        stopClip();
        ShowErrorReport(error.what(), this);
    }
}

void frmLiveUpdate::done(int result)
{
    if (m_check->Running()) {
        anmUpdate->Stop();
        m_check->Cancel();
        ShowMessage(std::string_view(QT_TRANSLATE_NOOP("Messages", "Update aborted")),
                    MsgStyle::OkInformation, this);
    }
    m_clock.stop();
    anmUpdate->Close();
    QDialog::done(result);
    // The file dialog and the message boxes of this run had the keyboard last; once they are
    // gone the desktop does not always give it back to the window that opened this one.
    if (QWidget *owner = parentWidget()) {
        owner->window()->raise();
        owner->window()->activateWindow();
    }
}
