// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBox.h"

#include "UserWords.h"

#include "ErrorMessages.h"
#include "Text.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

#include <optional>

namespace {

MessageHook &hook()
{
    static MessageHook installed;
    return installed;
}

MsgAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}

void applyStyle(QMessageBox &box, MsgStyle style)
{
    switch (style) {
    case MsgStyle::OkCritical:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::OkInformation:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::OkPlain:
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::YesNoQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MsgStyle::YesNoCancelExclamation:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
}

/// `words` in the user's language, or nothing where the translation has none: the words then
/// show as they are, 8-bit text from an older file included.
std::optional<QString> translation(std::string_view words)
{
    std::string translated = UserWords()(words);
    if (translated == words)
        return std::nullopt;
    return QString::fromStdString(translated);
}

/// A box as wide as its title bar needs: the window manager draws the title in a bold font
/// beside its own buttons, and a short text ("Not found!") would otherwise make the box so
/// narrow that the title is cut.
void makeRoomForTitle(QMessageBox &box)
{
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    const int titleButtons = 3 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + titleButtons +
                      box.style()->pixelMetric(QStyle::PM_LayoutLeftMargin) * 4;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void SetMessageHook(MessageHook installed)
{
    hook() = std::move(installed);
}

MsgAnswer ShowMessage(const QString &text, MsgStyle style, QWidget *parent, const QString &title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? FromBytes(ProgramTitle) : title);
    box.setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    applyStyle(box, style);
    makeRoomForTitle(box);
    return AnswerMessage(box);
}

void ShowMessageBeside(const QString &text, MsgStyle style, QWidget *parent, const QString &name)
{
    auto *box = new QMessageBox(parent);
    box->setObjectName(name);
    box->setWindowTitle(FromBytes(ProgramTitle));
    box->setTextFormat(Qt::PlainText);
    box->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    applyStyle(*box, style);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

MsgAnswer AnswerMessage(QMessageBox &box)
{
    if (hook())
        return hook()(box);
    return answerOf(box.exec());
}

MsgAnswer ShowMessage(std::string_view text, MsgStyle style, QWidget *parent)
{
    // The program's fixed messages are looked up in the user's language; a text not in the
    // translation (one composed with a file name) shows as it is.
    const std::optional<QString> translated = translation(text);
    return ShowMessage(translated ? *translated : FromBytes(text), style, parent);
}

std::string Translated(std::string_view words)
{
    const std::optional<QString> translated = translation(words);
    return translated ? translated->toStdString() : std::string(words);
}

void ShowErrorReport(std::string_view description, QWidget *parent)
{
    ShowMessage(FromBytes(ErrorReportText(description, Translated)), MsgStyle::OkCritical, parent);
}
