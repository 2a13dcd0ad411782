#include "frmLiveUpdate.h"

#include "Animation.h"
#include "ButtonKeys.h"
#include "HelpViewer.h"
#include "Maker.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "Version.h"
#include "VersionCheck.h"
#include "modGetInternetFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace {

constexpr std::string_view UpdateFailed =
    "Update failed! Please try again some other time, and make sure you are connected to Internet.";

/// A page that is no version, an HTTP error status or an answer over its limit: the check
/// failed, and the user is told so in the check's own words.
MoonrillError checkFailed()
{
    return {MoonrillError::UpdateFailed, std::string(UpdateFailed)};
}

/// Runs one fetch; the failures that mean the check itself failed become checkFailed().
template <typename Fetch> void asCheck(Fetch fetch)
{
    try {
        fetch();
    } catch (const MoonrillError &error) {
        if (error.isHttpStatus() || error.number() == MoonrillError::TooLarge)
            throw checkFailed();
        throw;
    }
}

} // namespace

frmLiveUpdate::frmLiveUpdate(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_currentVersion(ProgramVersionText())
{
    setObjectName(QStringLiteral("frmLiveUpdate"));
    setWindowTitle(QStringLiteral("Check For Update"));
    setModal(true);
    setFixedSize(442, 131);
    createControls();
    m_transfer = new InternetTransfer(this);
    connect(&m_statusTimer, &QTimer::timeout, this, &frmLiveUpdate::showStatus);
    connect(&m_clock, &QTimer::timeout, this, &frmLiveUpdate::tick);
    m_statusTimer.start(50);
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
    auto *frame = new QGroupBox(QStringLiteral("Check For Update -  Control Panel"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(8, 4, 426, 96);
    m_message = new QLabel(QStringLiteral("Click Begin to Check For Update"), frame);
    m_message->setTextFormat(Qt::PlainText); // it shows the version the server names
    m_message->setObjectName(QStringLiteral("Label1"));
    m_message->setGeometry(56, 24, 360, 20);
    m_checkButton = new QPushButton(QStringLiteral("&Check For Update"), frame);
    m_checkButton->setObjectName(QStringLiteral("Command1"));
    m_checkButton->setGeometry(56, 56, 160, 28);
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

void frmLiveUpdate::showStatus()
{
    m_statusPanel->setText(QStringLiteral("Status: ") +
                           (m_transfer->StillExecuting() ? m_status : QStringLiteral("Idle")));
}

void frmLiveUpdate::tick()
{
    ++m_elapsed;
    m_timePanel->setText(QStringLiteral("Time: %1 Seconds").arg(m_elapsed));
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
    m_clock.stop();
}

void frmLiveUpdate::CheckForUpdate()
{
    try {
        m_checkButton->setEnabled(false);
        m_status = QStringLiteral("Checking for updated version.");
        playClip("serverdl.avi");

        // The page is read from memory: no copy of it is left anywhere.
        QByteArray page;
        asCheck([&] {
            page =
                m_transfer->Fetch(UpdateFolder() + QStringLiteral("mrversion.html"), MaxPageBytes);
        });
        if (m_closed)
            return;
        const std::string firstLine(
            FirstLine(std::string_view(page.constData(), size_t(page.size()))));
        const std::optional<std::vector<int>> remote = ParseVersion(firstLine);
        if (!remote)
            throw checkFailed();
        const std::string archive = ArchiveName(*remote);
        if (CompareVersions(*remote, *ParseVersion(m_currentVersion)) <= 0) {
            m_message->setText(QStringLiteral("There is no update available."));
            resetRun();
            return;
        }
        m_message->setText(QStringLiteral("There is an update available: Version ") +
                           QString::fromStdString(firstLine));
        m_status = QStringLiteral("Getting updated file (2,7 MB)");
        stopClip();

        QFileDialog save(this, QStringLiteral("Save update"), QString(),
                         QStringLiteral("Zip files (*.zip)"));
        save.setObjectName(QStringLiteral("CommonDialog1"));
        save.setAcceptMode(QFileDialog::AcceptSave);
        save.setOption(QFileDialog::DontUseNativeDialog);
        // The archive keeps its own name whatever is typed, so a typed name is never replaced.
        save.setOption(QFileDialog::DontConfirmOverwrite);
        save.selectFile(QString::fromStdString(archive));
        if (save.exec() != QDialog::Accepted || save.selectedFiles().isEmpty()) {
            ShowMessage(std::string_view("Update aborted"), MsgStyle::OkInformation, this);
            m_closed = true;
            reject();
            return;
        }
        // Only the folder counts: the archive keeps the name of its address.
        const QString folder = QFileInfo(save.selectedFiles().first()).absolutePath();

        playClip("update app.avi");
        m_elapsed = 0;
        m_clock.start(1000);
        asCheck([&] {
            GetInternetFile(*m_transfer, UpdateFolder() + QString::fromStdString(archive), folder);
        });
        if (m_closed)
            return;
        stopClip();
        m_clock.stop();
        accept();
    } catch (const MoonrillError &error) {
        failed(error);
    } catch (const std::exception &error) {
        // Out of memory among them: reported, and the program (with the main window's unsaved
        // list) goes on.
        failed(MoonrillError(MoonrillError::Internal, error.what()));
    } catch (...) {
        failed(MoonrillError(MoonrillError::Internal, "Unknown error"));
    }
}

void frmLiveUpdate::failed(const MoonrillError &error)
{
    if (m_closed)
        return; // the window was closed meanwhile; it has said "Update aborted"
    switch (error.number()) {
    case MoonrillError::UpdateFailed:
        resetRun();
        ShowMessage(UpdateFailed, MsgStyle::OkCritical, this);
        return;
    case MoonrillError::FileNotFound:
        ReportClipError(error, this);
        return;
    case MoonrillError::TimedOut:
        stopClip();
        ShowMessage(std::string_view("Operation timed out. Please try again later"),
                    MsgStyle::OkCritical, this);
        m_closed = true;
        reject();
        return;
    default:
        stopClip();
        ShowErrorReport(error.what(), this);
    }
}

void frmLiveUpdate::done(int result)
{
    if (m_transfer->StillExecuting()) {
        m_closed = true;
        anmUpdate->Stop();
        m_transfer->Cancel();
        ShowMessage(std::string_view("Update aborted"), MsgStyle::OkInformation, this);
    }
    m_closed = true;
    m_statusTimer.stop();
    m_clock.stop();
    anmUpdate->Close();
    QDialog::done(result);
}
