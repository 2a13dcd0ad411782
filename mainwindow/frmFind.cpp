// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmFind.h"

#include "Accessibility.h"
#include "ButtonKeys.h"
#include "EventListModel.h"
#include "HelpViewer.h"
#include "MessageBox.h"
#include "TextWidth.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

frmFind::frmFind(EventListModel &list, std::function<void(int row)> select, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      m_list(list), m_select(std::move(select))
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(tr("Find Event"));
    setModal(true);
    setFixedSize(386, 71);
    createControls();
    AddHelpKey(this, [] { return HelpContextID; });
    PressFocusedButtonOnEnter(this);
    // Opening: the search starts at the top, on a selected first row.
    m_select(0);
    if (owner != nullptr)
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
}

frmFind::~frmFind() = default;

void frmFind::createControls()
{
    lblFindWhat = new QLabel(tr("Find What:"), this);
    lblFindWhat->setObjectName(QStringLiteral("lblFindWhat"));
    lblFindWhat->setGeometry(8, 10, 70, 18);
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    // A longer caption in the user's language takes its room from the field beside it.
    lblFindWhat->resize(std::max(lblFindWhat->width(), TextWidth(*lblFindWhat)),
                        lblFindWhat->height());
    const int field = std::max(80, lblFindWhat->geometry().right() + 3);
    txtFind->setGeometry(field, 8, 280 - field, 22);
    NameAfterLabel(lblFindWhat, txtFind);
    connect(txtFind, &QLineEdit::textChanged, this, &frmFind::txtFind_Change);

    cmdFind = new QPushButton(tr("&Find"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setGeometry(290, 6, 88, 25);
    cmdFind->setDefault(true);
    connect(cmdFind, &QPushButton::clicked, this, &frmFind::cmdFind_Click);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(290, 38, 88, 25);
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    lblPercent = new QLabel(tr("Percent Complete:"), this);
    lblPercent->setObjectName(QStringLiteral("lblPercent"));
    lblPercent->setGeometry(8, 42, 110, 18);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(tr("Search progress"));
    // So does the progress bar.
    lblPercent->resize(std::max(lblPercent->width(), TextWidth(*lblPercent)), lblPercent->height());
    const int bar = std::max(120, lblPercent->geometry().right() + 3);
    ProgressBar1->setGeometry(bar, 42, 280 - bar, 18);
    ProgressBar1->setMinimum(0);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    // The bar shows how far the search went; a reader says what was found instead of reading
    // out every step of it.
    KeepValueQuiet(ProgressBar1);
}

void frmFind::forgetFound()
{
    // What an earlier step found is no longer news: a reader must not say it again, after this
    // step's answer or when the focus comes back from the message that the search is through.
    for (QWidget *control : {static_cast<QWidget *>(txtFind), static_cast<QWidget *>(cmdFind)})
        control->setAccessibleDescription(QString());
}

void frmFind::unboldLastMatch()
{
    if (m_lastMatch < m_list.rowCount())
        m_list.setBold(m_list.keyOfRow(m_lastMatch), false);
}

void frmFind::cmdFind_Click()
{
    try {
        const QString text = txtFind->text();
        if (text.isEmpty())
            return;
        const int rows = m_list.rowCount();
        ProgressBar1->setMaximum(rows);
        forgetFound();
        for (int k = m_position; k < rows; ++k) {
            const QString description =
                m_list.index(k, EventListModel::EventColumn).data().toString();
            if (!description.contains(text, Qt::CaseInsensitive))
                continue;
            unboldLastMatch();
            m_select(k);
            m_list.setBold(m_list.keyOfRow(k), true);
            m_lastMatch = k;
            // The row is selected behind the dialog: a screen reader is told what was found.
            Announce(this, tr("Found: %1, %2")
                               .arg(description,
                                    m_list.index(k, EventListModel::DateColumn).data().toString()));
            cmdFind->setText(tr("&Find Next"));
            ProgressBar1->setValue(k + 1);
            m_position = k + 1;
            return;
        }
        unboldLastMatch();
        ProgressBar1->setValue(rows);
        m_select(0);
        ShowMessage(
            std::string_view(QT_TRANSLATE_NOOP("Messages", "The whole list has been searched.")),
            MsgStyle::OkInformation, this);
        m_position = 0;
    } catch (const std::exception &error) {
        ShowErrorReport(error.what(), this);
    }
}

void frmFind::txtFind_Change()
{
    forgetFound();
    cmdFind->setText(tr("&Find"));
    m_position = 0;
    ProgressBar1->setValue(0);
    m_select(0);
    unboldLastMatch();
}

void frmFind::done(int result)
{
    // The found row stays selected for the user to edit or delete, but no longer bold.
    unboldLastMatch();
    QDialog::done(result);
}
