// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanWords.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString words(const char *english)
{
    return QCoreApplication::translate("ScanWords", english);
}

} // namespace

QString WhenWords(std::string_view when)
{
    if (when == "Today:")
        return words(QT_TRANSLATE_NOOP("ScanWords", "Today:"));
    if (when == "Tomorrow:")
        return words(QT_TRANSLATE_NOOP("ScanWords", "Tomorrow:"));
    if (when == "Yesterday:")
        return words(QT_TRANSLATE_NOOP("ScanWords", "Yesterday:"));
    const QString text = QString::fromUtf8(when.data(), qsizetype(when.size()));
    static const QRegularExpression ahead(QStringLiteral("^In (\\d+) days:$"));
    static const QRegularExpression ago(QStringLiteral("^(\\d+) days ago:$"));
    if (const QRegularExpressionMatch days = ahead.match(text); days.hasMatch())
        return words(QT_TRANSLATE_NOOP("ScanWords", "In %1 days:")).arg(days.captured(1));
    if (const QRegularExpressionMatch days = ago.match(text); days.hasMatch())
        return words(QT_TRANSLATE_NOOP("ScanWords", "%1 days ago:")).arg(days.captured(1));
    return text;
}

void TranslateNotification(QString &summary, QString &body)
{
    static const QRegularExpression count(QStringLiteral("^Moonrill: (\\d+) upcoming events?$"));
    if (const QRegularExpressionMatch match = count.match(summary); match.hasMatch()) {
        summary = (match.captured(1) == QLatin1String("1")
                       ? words(QT_TRANSLATE_NOOP("ScanWords", "Moonrill: %1 upcoming event"))
                       : words(QT_TRANSLATE_NOOP("ScanWords", "Moonrill: %1 upcoming events")))
                      .arg(match.captured(1));
    }
    static const QRegularExpression label(
        QStringLiteral("^(Today:|Tomorrow:|Yesterday:|In \\d+ days:|\\d+ days ago:)(?= )"));
    static const QRegularExpression more(QStringLiteral("^and (\\d+) more$"));
    QStringList lines = body.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (const QRegularExpressionMatch match = label.match(line); match.hasMatch())
            line.replace(0, match.capturedLength(1), WhenWords(match.captured(1).toStdString()));
        else if (const QRegularExpressionMatch rest = more.match(line); rest.hasMatch())
            line = words(QT_TRANSLATE_NOOP("ScanWords", "and %1 more")).arg(rest.captured(1));
    }
    body = lines.join(QLatin1Char('\n'));
}
