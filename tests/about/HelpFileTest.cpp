// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpFile.h"

#include "FileRead.h"
#include "Paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

TEST(HelpFile, OurHelpFileHasEveryWindowsTopic)
{
    const std::optional<std::string> content =
        ReadWholeFile(JoinPath(ExecutableFolder(), "Moonrill.hlp"));
    ASSERT_TRUE(content.has_value());
    std::set<int> numbers;
    for (const HelpTopic &topic : ParseHelpFile(*content)) {
        EXPECT_FALSE(topic.text.empty()) << topic.number;
        numbers.insert(topic.number);
    }
    for (int needed : {1, 2, 3, 4, 6, 7, 10, 12})
        EXPECT_EQ(numbers.count(needed), 1u) << needed;
}

TEST(HelpFile, OurHelpCoversEveryCommandShortcutAndFile)
{
    const std::optional<std::string> content =
        ReadWholeFile(JoinPath(ExecutableFolder(), "Moonrill.hlp"));
    ASSERT_TRUE(content.has_value());
    const std::vector<HelpTopic> topics = ParseHelpFile(*content);
    ASSERT_FALSE(topics.empty());
    // The contents names every other topic.
    for (size_t i = 1; i < topics.size(); ++i)
        EXPECT_NE(topics.front().text.find(topics[i].title), std::string::npos) << topics[i].title;
    std::string all;
    for (const HelpTopic &topic : topics)
        all += topic.text + "\n";
    // Every shortcut in the table of keys, and every command, file and message to look up.
    for (const char *key : {"F1", "Ctrl+U", "F12", "Ctrl+W", "Ctrl+A", "Ctrl+E", "Del", "Ctrl+D",
                            "Ctrl+Z", "Ctrl+C", "Ctrl+F", "Ctrl+R", "Ctrl+S", "Ctrl+P", "Ctrl+Q"})
        EXPECT_NE(all.find("| " + std::string(key) + " |"), std::string::npos) << key;
    for (const char *needed :
         {"Shift+F10", "Print", "Express Contact", "Visit Website", "Delete Event", "Undo",
          "events.mrl.bak", "~/.local/share/moonrill", "Eventlist was corrupt",
          "Run Scan Events On Windows Startup > On", "does not install", "Import Birthdays",
          "Export Calendar", "when the event kept its place, the first row"})
        EXPECT_NE(all.find(needed), std::string::npos) << needed;
}

TEST(HelpFile, EachTranslationHasEveryTopicOfTheEnglishHelp)
{
    const auto numbers = [](const std::string &file) {
        std::vector<int> found;
        if (const std::optional<std::string> content =
                ReadWholeFile(JoinPath(ExecutableFolder(), file)))
            for (const HelpTopic &topic : ParseHelpFile(*content)) {
                EXPECT_FALSE(topic.text.empty()) << file << " " << topic.number;
                found.push_back(topic.number);
            }
        return found;
    };
    const std::vector<int> english = numbers("Moonrill.hlp");
    ASSERT_FALSE(english.empty());
    for (const char *file : {"Moonrill_de.hlp", "Moonrill_fr.hlp", "Moonrill_es.hlp"})
        EXPECT_EQ(numbers(file), english) << file;
}

TEST(HelpFile, TheSyncTopicSaysWhatSyncsAndWhatStays)
{
    // Weekday rules of the month sync both ways, and a day passing removes nothing from the
    // server: each help says so in its own words, and no longer that such a rule stays behind.
    struct Says
    {
        const char *file, *weekdays, *dayPassing, *oldClaim;
    };
    const Says helps[] = {
        {"Moonrill.hlp",
         "a monthly or yearly rule on a weekday of the month such as the second Tuesday or the "
         "last Friday",
         "A day passing deletes nothing: a one-time event whose day is over leaves the list, but "
         "stays on the server and on your phone as the calendar's history; only what you delete "
         "in Moonrill is removed from the server.",
         "a rule by weekday"},
        {"Moonrill_de.hlp",
         "eine monatliche oder jährliche Regel nach Wochentag im Monat wie am zweiten Dienstag "
         "oder am letzten Freitag",
         "Ein vergangener Tag löscht nichts: Ein einmaliges Ereignis, dessen Tag vorbei ist, "
         "verlässt die Liste, bleibt aber auf dem Server und Ihrem Telefon als Verlauf des "
         "Kalenders; nur was Sie in Moonrill löschen, wird vom Server entfernt.",
         "eine Regel nach Wochentag,"},
        {"Moonrill_fr.hlp",
         "une règle mensuelle ou annuelle sur un jour de la semaine du mois comme le deuxième "
         "mardi ou le dernier vendredi",
         "Le passage d'un jour ne supprime rien : un événement unique dont le jour est passé "
         "quitte la liste, mais reste sur le serveur et sur votre téléphone comme historique du "
         "calendrier ; seul ce que vous supprimez dans Moonrill est retiré du serveur.",
         "une règle par jour de la semaine"},
        {"Moonrill_es.hlp",
         "una regla mensual o anual en un día de la semana del mes como el segundo martes o el "
         "último viernes",
         "Que pase un día no borra nada: un evento único cuyo día ya pasó sale de la lista, pero "
         "se queda en el servidor y en su teléfono como historial del calendario; solo lo que "
         "usted borra en Moonrill se quita del servidor.",
         "una regla por día de la semana"},
    };
    for (const Says &help : helps) {
        const std::optional<std::string> content =
            ReadWholeFile(JoinPath(ExecutableFolder(), help.file));
        ASSERT_TRUE(content.has_value()) << help.file;
        std::string sync;
        for (const HelpTopic &topic : ParseHelpFile(*content))
            if (topic.number == HelpCalendarSync)
                sync = topic.text;
        // The text as one line: the file wraps its sentences where it likes.
        std::replace(sync.begin(), sync.end(), '\n', ' ');
        EXPECT_NE(sync.find(help.weekdays), std::string::npos) << help.file;
        EXPECT_NE(sync.find(help.dayPassing), std::string::npos) << help.file;
        EXPECT_EQ(sync.find(help.oldClaim), std::string::npos) << help.file;
    }
}
