#pragma once

#include "HelpFile.h"

#include <QDialog>
#include <QTimer>

#include <string>

class Animation;
class InternetTransfer;
class MoonrillError;
class QLabel;
class QPushButton;

/// The update check: compares the running version with the maker's version page and, when the
/// page names a newer one, downloads its archive into a folder the user picks.
class frmLiveUpdate final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLiveUpdate)

public:
    explicit frmLiveUpdate(QWidget *parent = nullptr);
    ~frmLiveUpdate() override;

    static constexpr int HelpContextID = HelpUpdate;

    /// The maker's folder: $MOONRILL_UPDATE_URL when set, else the built-in address.
    [[nodiscard]] static QString UpdateFolder();

    void CheckForUpdate();
    void done(int result) override;

private:
    void createControls();
    void showStatus();
    void tick();
    /// Back to idle after a failed or finished run: button on, clip and clock stopped.
    void resetRun();
    void stopClip();
    void playClip(const char *name);
    void failed(const MoonrillError &error);

    std::string m_currentVersion;
    QString m_status = QStringLiteral("Idle");
    int m_elapsed = 0;
    bool m_closed = false;

    QLabel *m_message = nullptr;
    QPushButton *m_checkButton = nullptr;
    QLabel *m_clipView = nullptr;
    Animation *anmUpdate = nullptr;
    QLabel *m_statusPanel = nullptr;
    QLabel *m_timePanel = nullptr;
    InternetTransfer *m_transfer = nullptr;
    QTimer m_statusTimer;
    QTimer m_clock;
};
