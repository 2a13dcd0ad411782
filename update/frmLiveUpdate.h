// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpFile.h"

#include <QDialog>
#include <QTimer>

#include <string>

class Animation;
class MoonrillError;
class QLabel;
class QPushButton;
class UpdateCheck;

/// The update check's window: shows what UpdateCheck finds, asks for a folder when the maker's
/// page names a newer version, and shows the download while it runs.
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
    void showStatus(bool running);
    void tick();
    void offerUpdate(const QString &version);
    void downloadInto(const QString &folder);
    /// Back to idle after a failed or finished run: button on, clip and clock stopped.
    void resetRun();
    void stopClip();
    void playClip(const char *name);
    void failed(const MoonrillError &error);

    QString m_status = QStringLiteral("Idle");
    int m_elapsed = 0;

    QLabel *m_message = nullptr;
    QPushButton *m_checkButton = nullptr;
    QLabel *m_clipView = nullptr;
    Animation *anmUpdate = nullptr;
    QLabel *m_statusPanel = nullptr;
    QLabel *m_timePanel = nullptr;
    UpdateCheck *m_check = nullptr;
    QTimer m_clock;
};
