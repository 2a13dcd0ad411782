// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowTestSupport.h"
#include "TestEvents.h"

#ifndef Q_MOC_RUN // moc cannot parse the C++20 headers under it
#include "EventState.h"
#endif
#include "Paths.h"
#include "PrintEvents.h"
#include "Text.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

EventState eventsAhead(int count)
{
    EventState state;
    for (int i = 0; i < count; ++i) {
        state.Insert(
            TestEvent("Event " + std::to_string(i + 1), Date::today().addDays(i), "Weekly"),
            Date::today());
    }
    return state;
}

/// The PDF's text, page by page, as pdftotext lays it out.
QStringList pagesOf(const QString &pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    process.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

/// Prints `state` to a PDF in `folder` (pages `from` to `to` when from > 0) and reads it back.
QStringList printed(const EventState &state, const QTemporaryDir &folder, int from = 0, int to = 0,
                    int copies = 1, bool collate = true, bool reverse = false)
{
    const QString pdf = folder.filePath(u"list.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    if (from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
    }
    printer.setCopyCount(copies);
    printer.setCollateCopies(collate);
    printer.setPageOrder(reverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
    PrintEventList(printer, state);
    return pagesOf(pdf);
}

} // namespace

class PrintEventsTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesAndRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("noticePage");
        QTest::newRow("1") << 1 << 1 << 0;
        QTest::newRow("33") << 33 << 2 << 1;
        QTest::newRow("69") << 69 << 3 << 2;
    }

    void pagesAndRows()
    {
        QFETCH(int, rows);
        QFETCH(int, pages);
        QFETCH(int, noticePage);
        const QTemporaryDir folder;
        const EventState state = eventsAhead(rows);
        const QStringList text = printed(state, folder);
        QCOMPARE(text.size(), pages);
        QVERIFY(text[0].contains(u"Moonrill - Events"_s));
        QVERIFY(QRegularExpression(u"Event +Date +When +Type"_s).match(text[0]).hasMatch());
        for (int p = 1; p < pages; ++p) {
            QVERIFY(!text[p].contains(u"Moonrill - Events"_s));
            QVERIFY(!text[p].contains(u"Notice"_s));
        }
        // Every row once, in the list's order, with four columns and no notice period.
        const QString all = text.join(QString());
        int at = 0;
        for (int i = 0; i < rows; ++i) {
            const EventRow row = state.Row(size_t(i));
            const QRegularExpression line(u"Event %1 +%2 +%3 +Weekly"_s.arg(i + 1)
                                              .arg(QString::fromStdString(row.Date))
                                              .arg(i));
            const QRegularExpressionMatch match = line.match(all, at);
            QVERIFY2(match.hasMatch(), qPrintable(line.pattern()));
            at = int(match.capturedEnd());
        }
        QVERIFY(text[noticePage].contains(u"Printed with Moonrill"_s));
        // The 32nd row ends page 1; the 33rd opens page 2.
        if (rows >= 33) {
            QVERIFY(text[0].contains(u"Event 32 "_s));
            QVERIFY(text[1].contains(u"Event 33 "_s));
        }
    }

    void aTimeGoesUnderItsDate()
    {
        EventState state;
        WrittenEvent lunch = TestEvent("Lunch", Date::today().addDays(5));
        lunch.event.Options.Time = "12:30";
        state.Insert(std::move(lunch), Date::today());
        state.Insert(TestEvent("Fair", Date::today().addDays(5)), Date::today());
        const QTemporaryDir folder;
        const QString date = QString::fromStdString(DateToText(Date::today().addDays(5)));
        const QString all = printed(state, folder).join(QString());
        // The day event first; the timed one's time on a line of its own, in the date's column.
        const QRegularExpressionMatch rows =
            QRegularExpression(
                u"\\n *Fair +%1 +5 +Once *\\n *Lunch +%1 +5 +Once *\\n( *)12:30\\n"_s.arg(date))
                .match(all);
        QVERIFY2(rows.hasMatch(), qPrintable(all));
        QCOMPARE(rows.capturedLength(1),
                 all.indexOf(date) - all.lastIndexOf(u'\n', all.indexOf(date)) - 1);
    }

    void typesPrintWholeInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("headings");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("en") << QString() << u"Event +Date +When +Type"_s
                            << QStringList(
                                   {u"Moonrill - Events"_s, u"Every 3th month on the last Friday"_s,
                                    u"Yearly on the fourth Thursday"_s,
                                    u"Every 12th month on the second Wednesday"_s, u"Weekly"_s,
                                    u"Printed with Moonrill, the reminder that "
                                    u"remembers for you."_s});
        QTest::newRow("de") << u"de"_s << u"Ereignis +Datum +Wann +Art"_s
                            << QStringList({u"Moonrill - Ereignisse"_s,
                                            u"Alle 3 Monate am letzten Freitag"_s,
                                            u"Jährlich am vierten Donnerstag"_s,
                                            u"Alle 12 Monate am zweiten Mittwoch"_s,
                                            u"Wöchentlich"_s,
                                            u"Gedruckt mit Moonrill, der Erinnerung, die für Sie "
                                            u"an alles denkt."_s});
    }

    void typesPrintWholeInTheUsersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, headings);
        QFETCH(QStringList, words);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(
                translator.load(u"moonrill_"_s + language, FromBytes(AssetPath("translations"))));
            QCoreApplication::installTranslator(&translator);
        }
        EventState state;
        const char *types[] = {"Every 3th month on the last Friday",
                               "Yearly on the fourth Thursday",
                               "Every 12th month on the second Wednesday", "Weekly"};
        for (int i = 0; i < 40; ++i)
            state.Insert(
                TestEvent("Event " + std::to_string(i + 1), Date::today().addDays(i), types[i % 4]),
                Date::today());
        const QTemporaryDir folder;
        const QStringList pages = printed(state, folder);
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(QRegularExpression(headings).match(pages[0]).hasMatch(), qPrintable(pages[0]));
        QVERIFY(pages.size() > 1 && !pages[1].contains(words[0]));
        // A wrapped type goes on below its row, in its own column: read with the lines joined,
        // each stands whole, and each row stays on the page where it starts.
        QString all;
        for (const QString &page : pages)
            all += page.simplified() + u' ';
        for (const QString &word : words)
            QVERIFY2(all.contains(word), qPrintable(word + u" in:\n"_s + pages.join(u"\f"_s)));
        // Every row whole: its event, date, day count and type, in the list's order.
        int at = 0;
        for (size_t i = 0; i < state.RowCount(); ++i) {
            const EventRow row = state.Row(i);
            const QString line =
                u"%1 %2 %3 %4"_s.arg(FromBytes(row.Text), FromBytes(row.Date),
                                     FromBytes(row.When).trimmed(), words[1 + int(i % 4)]);
            at = int(all.indexOf(line, at));
            QVERIFY2(at >= 0, qPrintable(line));
        }
    }

    void emptyListAndCancel()
    {
        MessageAnswerer answers;
        QWidget parent;
        const EventState empty;
        PrintEvents(empty, &parent);
        QCOMPARE(answers.texts(), QStringList(u"No events available!"_s));

        const EventState state = eventsAhead(70);
        ModalScript<QPrintDialog> script({[](QPrintDialog &dialog) {
            // The dialog offers the range of the printout's own pages.
            QCOMPARE(dialog.minPage(), 1);
            QCOMPARE(dialog.maxPage(), 3);
            QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
            dialog.reject();
        }});
        PrintEvents(state, &parent);
        QVERIFY(script.done());
        QCOMPARE(answers.shown.size(), size_t(1));
    }

    void pageRangeAndCopiesAreHonoured()
    {
        const EventState state = eventsAhead(70);
        const QTemporaryDir folder;
        const auto print = [&](int from, int to, int copies, bool collate, bool reverse = false) {
            return printed(state, folder, from, to, copies, collate, reverse);
        };
        // Pages 2 to 2: one page, rows 33 to 68, no title and no notice.
        const QStringList second = print(2, 2, 1, true);
        QCOMPARE(second.size(), 1);
        QVERIFY(second[0].contains(u"Event 33 "_s));
        QVERIFY(second[0].contains(u"Event 68 "_s));
        QVERIFY(!second[0].contains(u"Event 32 "_s));
        QVERIFY(!second[0].contains(u"Event 69 "_s));
        QVERIFY(!second[0].contains(u"Moonrill - Events"_s));
        // Two copies of pages 2 to 3, collated (2, 3, 2, 3) and not (2, 2, 3, 3).
        const auto firstRows = [](const QStringList &pages) {
            QStringList firsts;
            for (const QString &page : pages)
                firsts << QRegularExpression(u"Event \\d+"_s).match(page).captured(0);
            return firsts;
        };
        QCOMPARE(firstRows(print(2, 3, 2, true)),
                 QStringList({u"Event 33"_s, u"Event 69"_s, u"Event 33"_s, u"Event 69"_s}));
        QCOMPARE(firstRows(print(2, 3, 2, false)),
                 QStringList({u"Event 33"_s, u"Event 33"_s, u"Event 69"_s, u"Event 69"_s}));
        // "Reverse": the last page first, copies collated or not.
        QCOMPARE(firstRows(print(0, 0, 1, true, true)),
                 QStringList({u"Event 69"_s, u"Event 33"_s, u"Event 1"_s}));
        QCOMPARE(firstRows(print(2, 3, 2, true, true)),
                 QStringList({u"Event 69"_s, u"Event 33"_s, u"Event 69"_s, u"Event 33"_s}));
        QCOMPARE(firstRows(print(2, 3, 2, false, true)),
                 QStringList({u"Event 69"_s, u"Event 69"_s, u"Event 33"_s, u"Event 33"_s}));
        // The whole printout without a range, as before.
        QCOMPARE(print(0, 0, 1, true).size(), 3);
    }
};

QTEST_MAIN(PrintEventsTest)
#include "PrintEventsTest.moc"
