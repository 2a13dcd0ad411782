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

    void Command1_Click();
    void done(int result) override;

private:
    void createControls();
    void Timer1_Timer();
    void Timer2_Timer();
    /// Back to idle after a failed or finished run: button on, clip and clock stopped.
    void resetRun();
    void stopClip();
    void playClip(const char *name);
    void failed(const MoonrillError &error);

    std::string m_currentVersion;
    QString m_status = QStringLiteral("Idle");
    int m_elapsed = 0;
    bool m_closed = false;

    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *m_clipView = nullptr;
    Animation *anmUpdate = nullptr;
    QLabel *m_panel1 = nullptr;
    QLabel *m_panel2 = nullptr;
    InternetTransfer *Inet1 = nullptr;
    QTimer Timer1;
    QTimer Timer2;
};
