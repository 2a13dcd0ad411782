// SPDX-License-Identifier: GPL-3.0-or-later
// A sync that failed where no window was (the logon scan) is said by the next window's start,
// once, in that window's language; whatever the kept record holds, the box says a few short
// plain lines.

#include "MainWindowTestSupport.h"
#include "Paths.h"
#include "SyncCommand.h"
#include "SyncSettings.h"
#include "Text.h"

#include <QMessageBox>
#include <QTranslator>
#include <QXmlStreamReader>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

/// The German of `source` in `context`, word for word as moonrill_de.ts holds it (a byte element
/// stands for its character).
QString german(QStringView context, QStringView source)
{
    QFile file(QString::fromUtf8(SOURCE_DIR) + u"/app/translations/moonrill_de.ts"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QString inContext, text, from;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"byte")
            text += QChar(xml.attributes().value(u"value"_s).mid(1).toUInt(nullptr, 16));
        else if (xml.isStartElement())
            text.clear();
        else if (xml.isCharacters())
            text += xml.text();
        else if (xml.isEndElement() && xml.name() == u"name")
            inContext = text;
        else if (xml.isEndElement() && xml.name() == u"source")
            from = text;
        else if (xml.isEndElement() && xml.name() == u"translation" && inContext == context &&
                 from == source)
            return text;
    }
    return {};
}

/// The message boxes of a window's start, with `failure` kept where given; none where the
/// record outlives the start (it is said once).
std::vector<MessageAnswerer::Shown> saidAtStart(const std::optional<QByteArray> &failure)
{
    const QString kept = QString::fromStdString(JoinPath(ConfigFolder(), "moonrill/sync-failure"));
    QDir().mkpath(QFileInfo(kept).path());
    if (failure)
        writeFile(kept, *failure);
    MessageAnswerer answers;
    frmMain window;
    if (!window.StartUp() || QFile::exists(kept))
        return {};
    window.close();
    return answers.shown;
}

const QString FailedBefore = u"The calendar could not be synced when Moonrill last ran:\r\n"_s;

/// `text` as a message box shows it: CR LF a line break.
QString boxed(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

/// A calendar set whose password cannot be had, so that every sync fails at its first step;
/// the password file named, which does not exist.
QString setCalendarWithoutPassword(const TestHome &home)
{
    writeFile(home.home.filePath(u"events.mrl"_s), "\r\n");
    SyncSettings{.calendar = QUrl(u"http://127.0.0.1:9/cal/"_s),
                 .addressBook = {},
                 .user = u"anna"_s,
                 .calendarFile = {}}
        .Write();
    return home.config.filePath(u"none"_s);
}

} // namespace

class frmMainSyncFailureTest : public QObject
{
    Q_OBJECT

private slots:
    void aSyncThatFailedAtLogonIsSaidInTheWindowsLanguage()
    {
        TestHome home;
        const QString missing = setCalendarWithoutPassword(home);
        {
            // The logon scan loads no translation.
            ScopedEnv passwordFile("MOONRILL_SYNC_PASSWORD_FILE", missing.toStdString());
            SyncAfterLogonScan();
        }
        QTranslator translator;
        QVERIFY(translator.load(u"moonrill_de"_s, FromBytes(AssetPath("translations"))));
        QCoreApplication::installTranslator(&translator);
        const std::vector<MessageAnswerer::Shown> shown = saidAtStart(std::nullopt);
        QCoreApplication::removeTranslator(&translator);
        const QString expected =
            german(u"frmMain", FailedBefore) +
            german(u"Messages", u"no password: %1. Give it in File > Calendar Sync.")
                .arg(german(u"Messages", u"%1 cannot be read").arg(missing));
        QVERIFY(expected.startsWith(u"Der Kalender konnte"_s));
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(shown.front().text, boxed(expected));
        QVERIFY(saidAtStart(std::nullopt).empty()); // said once
    }

    void aSyncThatFailsInTheWindowIsSaidThereOnce()
    {
        TestHome home;
        const QString missing = setCalendarWithoutPassword(home);
        ScopedEnv passwordFile("MOONRILL_SYNC_PASSWORD_FILE", missing.toStdString());
        MessageAnswerer answers;
        frmMain window;
        QVERIFY(window.StartUp());
        QVERIFY(window.SaveEvents());
        QMessageBox *said = nullptr;
        QTRY_VERIFY((said = window.findChild<QMessageBox *>(u"syncSaid"_s)) != nullptr);
        QCOMPARE(said->text(), u"The calendar could not be synced:\nno password: "_s + missing +
                                   u" cannot be read. Give it in File > Calendar Sync."_s);
        // Said now, it is not said again at the next start, nor at the next failure.
        QVERIFY(!QFile::exists(
            QString::fromStdString(JoinPath(ConfigFolder(), "moonrill/sync-failure"))));
        said->close();
        QVERIFY(window.SaveEvents());
        QTest::qWait(300);
        QVERIFY(window.findChild<QMessageBox *>(u"syncSaid"_s) == nullptr);
        window.close();
    }

    void aKeptFailureIsShownPlainAndBounded()
    {
        TestHome home;
        // As an earlier version kept it: its words, as they are.
        auto shown = saidAtStart("moonrill: Connection refused\n");
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(shown.front().text, boxed(FailedBefore) + u"moonrill: Connection refused"_s);
        // Whatever the file holds, the box says a few short plain lines.
        QByteArray hostile = "\x1b[31mred\a alert\r\n" + QByteArray(50000, 'x') + '\n';
        for (int i = 0; i < 500; ++i)
            hostile += "line " + QByteArray::number(i) + "\n";
        QString expected =
            boxed(FailedBefore) + u" [31mred  alert\n"_s + QString(400, u'x') + u"\u2026"_s;
        for (int i = 0; i < 18; ++i)
            expected += u"\nline "_s + QString::number(i);
        shown = saidAtStart(hostile);
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(shown.front().text, expected);
        // The same in the program's own form: keys of placeholders, values out of bounds.
        QByteArray messages = "moonrill messages 1\n";
        for (int i = 0; i < 30; ++i)
            messages += "key %1%1%1%1%1%1\narg " + QByteArray(2000, 'y') + "\x01\n";
        shown = saidAtStart(messages);
        QCOMPARE(shown.size(), size_t(1));
        const QString value = QString(400, u'y') + u"\u2026"_s;
        const QString line = value + value + QString(194, u'y') + u"\u2026"_s;
        QCOMPARE(shown.front().text, boxed(FailedBefore) + QStringList(20, line).join(u'\n'));
    }
};

QTEST_MAIN(frmMainSyncFailureTest)
#include "frmMainSyncFailureTest.moc"
