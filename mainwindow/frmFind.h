#pragma once

#include "HelpFile.h"

#include <QDialog>

class frmMain;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

/// The find dialog: looks for a text in the descriptions of the main list, one match at a time
/// from the top, selects and bolds each match, and starts again at the top once it has been
/// through the whole list.
class frmFind final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFind)

public:
    explicit frmFind(frmMain &main);
    ~frmFind() override;

    static constexpr int HelpContextID = HelpFind;

    void done(int result) override;

private:
    void createControls();
    void cmdFind_Click();
    void txtFind_Change();
    void unboldLastMatch();

    frmMain &m_main;
    int m_position = 0;  // the row the next step starts at
    int m_lastMatch = 0; // the row the last step found

    QLabel *lblFindWhat = nullptr;
    QLineEdit *txtFind = nullptr;
    QPushButton *cmdFind = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *lblPercent = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
};
