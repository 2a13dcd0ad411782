// SPDX-License-Identifier: GPL-3.0-or-later
// The translations are complete: every text of the windows has one in each language, with the
// same placeholders and, where the English has an access key, one of its own. The desktop's
// language picks the translation; English, "C" and "POSIX" keep the program's own words.

#include "Translations.h"
#include "DueNotification.h"
#include "FileRead.h"
#include "HelpViewer.h"
#include "Paths.h"
#include "ScanComputation.h"
#include "ShownType.h"
#include "Text.h"
#include "TranslationFile.h"
#include "UserWords.h"
#include "frmWhatsUp.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

QSet<QString> placeholders(const QString &text)
{
    QSet<QString> found;
    static const QRegularExpression marker(u"%\\d+"_s);
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

/// How many access keys a text marks ("&&" is a plain ampersand).
int accessKeys(QString text)
{
    return int(text.remove(u"&&"_s).count(QLatin1Char('&')));
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextHasATranslationWithItsPlaceholdersAndKeys_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyTextHasATranslationWithItsPlaceholdersAndKeys()
    {
        QFETCH(QString, language);
        QFile file(
            u"%1/app/translations/moonrill_%2.ts"_s.arg(QString::fromUtf8(SOURCE_DIR), language));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        QStringList faults;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"source"_s) {
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (xml.name() == u"translation"_s) {
                ++messages;
                const bool unfinished = xml.attributes().value(u"type"_s) == u"unfinished"_s;
                const QString translation =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (unfinished || translation.trimmed().isEmpty())
                    faults << u"untranslated: "_s + source;
                else if (placeholders(translation) != placeholders(source))
                    faults << u"placeholders differ: "_s + source;
                else if (accessKeys(translation) != accessKeys(source))
                    faults << u"access key differs: "_s + source + u" / "_s + translation;
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 100);
        QCOMPARE(faults.join(u"\n"_s), QString());
    }

    void aDamagedTranslationIsRefusedWhole()
    {
        const std::optional<std::string> bytes =
            ReadWholeFile(JoinPath(AssetPath("translations"), "moonrill_de.qm"));
        QVERIFY(bytes && TranslationFile::Parse(*bytes));
        // Cut short within any block, it gives no words rather than some.
        for (size_t size = 40; size < bytes->size(); size += 331)
            QVERIFY(!TranslationFile::Parse(std::string_view(*bytes).substr(0, size)));
        QVERIFY(!TranslationFile::Parse("not a translation file"));
    }

    void theDesktopsLanguageIsShown()
    {
        // What this run's environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) should show.
        const QString expected = qEnvironmentVariable("MOONRILL_EXPECT_LANGUAGE", u"en"_s);
        LoadTranslations(*QCoreApplication::instance());
        const QHash<QString, QStringList> words = {
            {u"en"_s, {u"&File"_s, u"Not found!"_s, u"In 3 days:"_s}},
            {u"de"_s, {u"&Datei"_s, u"Nicht gefunden!"_s, u"In 3 Tagen:"_s}},
            {u"fr"_s, {u"&Fichier"_s, u"Introuvable !"_s, u"Dans 3 jours :"_s}},
            {u"es"_s, {u"&Archivo"_s, u"¡No encontrado!"_s, u"En 3 días:"_s}},
        };
        QCOMPARE(QStringList({QCoreApplication::translate("frmMain", "&File"),
                              QCoreApplication::translate("Messages", "Not found!"),
                              QString::fromStdString(WhenText(3, UserWords()))}),
                 words.value(expected));
        // The birthday mail's subject, with the language's own ordinals.
        const QHash<QString, QStringList> subjects = {
            {u"en"_s, {u"Happy 71st birthday!"_s, u"Happy belated 1st birthday!"_s}},
            {u"de"_s,
             {u"Alles Gute zum 71. Geburtstag!"_s,
              u"Nachträglich alles Gute zum 1. Geburtstag!"_s}},
            {u"fr"_s,
             {u"Joyeux 71e anniversaire !"_s,
              u"Joyeux 1er anniversaire, avec un peu de retard !"_s}},
            {u"es"_s, {u"¡Feliz 71.º cumpleaños!"_s, u"¡Feliz 1.º cumpleaños atrasado!"_s}},
        };
        const auto subject = [](int age, OfferKind kind) {
            return QString::fromStdString(frmWhatsUp::mailSubject({"Ann", "a@x.org", age}, kind));
        };
        QCOMPARE(QStringList({subject(71, OfferKind::Today), subject(1, OfferKind::Belated)}),
                 subjects.value(expected));
        // The daily notification, its counts and every row's label.
        std::vector<ScanRow> rows(12, ScanRow{.Key = {},
                                              .Days = 3,
                                              .Date = "2026-12-09",
                                              .Description = "Dentist",
                                              .SortKey = PaddedDayCount(3),
                                              .Missed = false,
                                              .Birthday = false});
        rows[11] = ScanRow{.Key = {},
                           .Days = 0,
                           .Date = "2026-12-06",
                           .Description = "Ann (71)",
                           .SortKey = PaddedDayCount(0),
                           .Missed = false,
                           .Birthday = true};
        // One fell due unseen: counted apart from those upcoming (it is among the rows not shown).
        rows[10].Days = -1;
        rows[10].Missed = true;
        const DueNotification composed = DueNotificationOf(rows, UserWords());
        const QStringList lines = QString::fromStdString(composed.body).split(u'\n');
        const QString summary = QString::fromStdString(composed.summary);
        const QString body = QStringList{lines.value(0), lines.value(1), lines.last()}.join(u'\n');
        const QHash<QString, QStringList> notification = {
            {u"en"_s,
             {u"Moonrill: 11 upcoming events, 1 missed"_s,
              u"Today: 2026-12-06 Ann (71)\nIn 3 days: 2026-12-09 Dentist\nand 4 more"_s}},
            {u"de"_s,
             {u"Moonrill: 11 anstehende Ereignisse, 1 verpasst"_s,
              u"Heute: 2026-12-06 Ann (71)\nIn 3 Tagen: 2026-12-09 Dentist\nund 4 weitere"_s}},
            {u"fr"_s,
             {u"Moonrill : 11 événements à venir, 1 manqué"_s,
              u"Aujourd'hui : 2026-12-06 Ann (71)\nDans 3 jours : 2026-12-09 Dentist\net 4 de plus"_s}},
            {u"es"_s,
             {u"Moonrill: 11 eventos próximos, 1 perdido"_s,
              u"Hoy: 2026-12-06 Ann (71)\nEn 3 días: 2026-12-09 Dentist\ny 4 más"_s}},
        };
        QCOMPARE(QStringList({summary, body}), notification.value(expected));
        // The notification library reads the same file without the toolkit: the same words, a
        // count in the same form, the same "Show".
        const std::shared_ptr<const TranslationFile> file = DesktopTranslation();
        QCOMPARE(file != nullptr, expected != u"en"_s);
        const DueNotification plain = DueNotificationOf(rows, WordsOf(file));
        QCOMPARE(QStringList(
                     {QString::fromStdString(plain.summary), QString::fromStdString(plain.body)}),
                 QStringList({summary, QString::fromStdString(composed.body)}));
        for (const int count : {0, 1, 2, 5, 21, 101, 1001})
            QCOMPARE(WithYears("Wedding", count, WordsOf(file)),
                     WithYears("Wedding", count, UserWords()));
        if (file)
            QCOMPARE(QString::fromStdString(file->Find("WhatsUpScreens", "Show").value_or("")),
                     QCoreApplication::translate("WhatsUpScreens", "Show"));
        // An anniversary's years, one and many, types by weekday, and a birthday's coming age.
        const Date birthday = Date::fromYmd(2027, 3, 2);
        const QHash<QString, QStringList> counted = {
            {u"en"_s,
             {u"Wedding (1 year)"_s, u"Wedding (25 years)"_s,
              u"Every 3th month on the last Friday"_s, u"Yearly on the fourth Thursday"_s,
              u"Turns 1 on 2027-03-02"_s, u"Turns 71 on 2027-03-02"_s}},
            {u"de"_s,
             {u"Wedding (1 Jahr)"_s, u"Wedding (25 Jahre)"_s, u"Alle 3 Monate am letzten Freitag"_s,
              u"Jährlich am vierten Donnerstag"_s, u"Wird am 2027-03-02 1 Jahr alt"_s,
              u"Wird am 2027-03-02 71 Jahre alt"_s}},
            {u"fr"_s,
             {u"Wedding (1 an)"_s, u"Wedding (25 ans)"_s, u"Tous les 3 mois, le dernier vendredi"_s,
              u"Annuel, le quatrième jeudi"_s, u"Aura 1 an le 2027-03-02"_s,
              u"Aura 71 ans le 2027-03-02"_s}},
            {u"es"_s,
             {u"Wedding (1 año)"_s, u"Wedding (25 años)"_s, u"Cada 3 meses, el último viernes"_s,
              u"Anual, el cuarto jueves"_s, u"Cumple 1 año el 2027-03-02"_s,
              u"Cumple 71 años el 2027-03-02"_s}},
        };
        QCOMPARE(QStringList({QString::fromStdString(WithYears("Wedding", 1, UserWords())),
                              QString::fromStdString(WithYears("Wedding", 25, UserWords())),
                              ShownType("Every 3th month on the last Friday"),
                              ShownType("Yearly on the fourth Thursday"),
                              QString::fromStdString(TurnsOnText(birthday, 2026, UserWords())),
                              QString::fromStdString(TurnsOnText(birthday, 1956, UserWords()))}),
                 counted.value(expected));
        // The help in the same language, English where there is none.
        const QString help = FromBytes(HelpFilePath());
        QVERIFY2(help.endsWith(expected == u"en"_s ? u"/Moonrill.hlp"_s
                                                   : u"/Moonrill_%1.hlp"_s.arg(expected)),
                 qPrintable(help));
        // Qt's own buttons speak the same language.
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCOMPARE(cancel == u"Cancel"_s, expected == u"en"_s);
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
