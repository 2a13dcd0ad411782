// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HelpFile.h"

#include <QDialog>

#include <functional>

class EventListModel;
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
    /// Searches `list`; `select` makes a row the selected one in the owner's view. The dialog
    /// opens centred over `owner`.
    frmFind(EventListModel &list, std::function<void(int row)> select, QWidget *owner);
    ~frmFind() override;

    static constexpr int HelpContextID = HelpFind;

    void done(int result) override;

private:
    void createControls();
    void cmdFind_Click();
    void txtFind_Change();
    void unboldLastMatch();
    void forgetFound();

    EventListModel &m_list;
    std::function<void(int row)> m_select;
    int m_position = 0;  // the row the next step starts at
    int m_lastMatch = 0; // the row the last step found

    QLabel *lblFindWhat = nullptr;
    QLineEdit *txtFind = nullptr;
    QPushButton *cmdFind = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *lblPercent = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
};
