// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Animation;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

/// The contact form: a request type and a message, composed into a mail to the maker that the
/// user's own mail program opens. Nothing is sent from here.
class frmBug final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBug)

public:
    explicit frmBug(QWidget *parent = nullptr);
    ~frmBug() override;

    void cmdSend_Click();
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *comRequest;
    QLabel *lblContact;
    QPlainTextEdit *txtBugReport;
    QLabel *m_clipView;
    Animation *anmReq;
    bool m_opened = false;
};
