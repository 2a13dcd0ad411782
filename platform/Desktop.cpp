// SPDX-License-Identifier: GPL-3.0-or-later
#include "Desktop.h"

#include "MessageBox.h"
#include "Text.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QUrl>

namespace {

QUrl toUrl(const std::string &link)
{
    // Tolerant parsing keeps every percent-escape the link already holds and escapes what a
    // URL may not hold as it stands (the blank in "Happy birthday!").
    return QUrl(FromBytes(link), QUrl::TolerantMode);
}

} // namespace

void SetClipboardText(const std::string &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(FromBytes(text));
}

void Beep()
{
    QApplication::beep();
}

bool IsOpenableLink(const std::string &link)
{
    const QUrl url = toUrl(link);
    const QString scheme = url.scheme().toLower();
    return url.isValid() &&
           (scheme == QStringLiteral("http") || scheme == QStringLiteral("https") ||
            scheme == QStringLiteral("mailto"));
}

bool OpenLink(const std::string &link, QWidget *parent)
{
    if (!IsOpenableLink(link)) {
        ShowMessage(QCoreApplication::translate(
                        "Messages", "This link cannot be opened: only web (http, https) and "
                                    "e-mail (mailto) links are opened.\r\n") +
                        FromBytes(link),
                    MsgStyle::OkCritical, parent);
        return false;
    }
    QDesktopServices::openUrl(toUrl(link));
    return true;
}
