#include "Desktop.h"

#include "MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QUrl>

namespace {

QUrl toUrl(const std::string &link)
{
    // Tolerant parsing keeps every percent-escape the link already holds and escapes what a
    // URL may not hold as it stands (the blank in "Happy birthday!").
    return QUrl(QString::fromUtf8(link.data(), qsizetype(link.size())), QUrl::TolerantMode);
}

} // namespace

void SetClipboardText(const std::string &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
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
        ShowMessage(QStringLiteral("This link cannot be opened: only web (http, https) and "
                                   "e-mail (mailto) links are opened.\r\n") +
                        QString::fromUtf8(link.data(), qsizetype(link.size())),
                    MsgStyle::OkCritical, parent);
        return false;
    }
    QDesktopServices::openUrl(toUrl(link));
    return true;
}
