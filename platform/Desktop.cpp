// SPDX-License-Identifier: GPL-3.0-or-later
#include "Desktop.h"

#include "BusCheck.h"
#include "MessageBox.h"
#include "Text.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace {

QUrl toUrl(const std::string &link)
{
    // Tolerant parsing keeps every percent-escape the link already holds and escapes what a
    // URL may not hold as it stands (the blank in "Happy birthday!").
    return QUrl(FromBytes(link), QUrl::TolerantMode);
}

/// Whether the desktop names a program for mailto: links (what xdg-open asks too), within the
/// deadline any desktop service has; true where that cannot be told.
bool mailProgramNamed()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForStarted(int(BusDeadline.count())))
        return true;
    if (!query.waitForFinished(int(BusDeadline.count()))) {
        query.kill();
        query.waitForFinished();
        return true;
    }
    return query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0 ||
           !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

void SetClipboardText(const std::string &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(FromBytes(text));
}

void KeepClipboardWhileHeld(std::chrono::milliseconds limit)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsClipboard())
        return;
    QEventLoop waiting;
    QObject::connect(clipboard, &QClipboard::changed, &waiting, [clipboard, &waiting] {
        if (!clipboard->ownsClipboard())
            waiting.quit();
    });
    QTimer::singleShot(limit, &waiting, &QEventLoop::quit);
    waiting.exec();
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
    const QUrl url = toUrl(link);
    // The desktop says nothing of a mail it had no program for, but on standard error: the user
    // is told, and keeps the address to write to some other way.
    if (url.scheme().toLower() == QStringLiteral("mailto") && !mailProgramNamed()) {
        const QString address = url.path();
        SetClipboardText(address.toStdString());
        ShowMessage(QCoreApplication::translate(
                        "Messages", "No e-mail program could open a mail to %1.\r\nThe address "
                                    "is on the clipboard, to write to it another way.")
                        .arg(address),
                    MsgStyle::OkInformation, parent);
        return false;
    }
    QDesktopServices::openUrl(url);
    return true;
}
