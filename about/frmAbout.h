// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpFile.h"

#include <QDialog>

class Animation;
class LinkLabel;
class QLabel;
class QPushButton;

/// The about box: name, version, what the program does, a mail link and a web link, the
/// clock clip, and a button that opens the desktop's system information.
class frmAbout final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

    static constexpr int HelpContextID = HelpAbout;

    void done(int result) override;
    /// Opens the desktop's system information, or says it is not there.
    void StartSysInfo();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void openLink(const std::string &link);

    QLabel *m_clipView;
    Animation *anmAbout;
    bool m_opened = false;
};
