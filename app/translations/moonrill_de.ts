<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>EventListModel</name>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Notice period</source>
        <translation>Vorlauf</translation>
    </message>
</context>
<context>
    <name>EventTypes</name>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Every %1th week</source>
        <translation>Alle %1 Wochen</translation>
    </message>
    <message>
        <source>Every %1th month</source>
        <translation>Alle %1 Monate</translation>
    </message>
    <message>
        <source>Every %1th year</source>
        <translation>Alle %1 Jahre</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>%1 on the first %2</source>
        <translation>%1 am ersten %2</translation>
    </message>
    <message>
        <source>%1 on the second %2</source>
        <translation>%1 am zweiten %2</translation>
    </message>
    <message>
        <source>%1 on the third %2</source>
        <translation>%1 am dritten %2</translation>
    </message>
    <message>
        <source>%1 on the fourth %2</source>
        <translation>%1 am vierten %2</translation>
    </message>
    <message>
        <source>%1 on the last %2</source>
        <translation>%1 am letzten %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Moonrill Help</source>
        <translation>Moonrill-Hilfe</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>The help file %1 cannot be found or read. Please reinstall the program.</source>
        <translation>Die Hilfedatei %1 kann nicht gefunden oder gelesen werden. Bitte installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>Please tell me what this is about!</source>
        <translation>Bitte sagen Sie mir, worum es geht!</translation>
    </message>
    <message>
        <source>Please type in some words...!</source>
        <translation>Bitte schreiben Sie ein paar Worte...!</translation>
    </message>
    <message>
        <source>Description missing!</source>
        <translation>Die Beschreibung fehlt!</translation>
    </message>
    <message>
        <source>Event cannot contain: $$<byte value="xd"/>
Please retype event descripton!</source>
        <translation>Ein Ereignis darf nicht enthalten: $$<byte value="xd"/>
Bitte geben Sie die Beschreibung neu ein!</translation>
    </message>
    <message>
        <source>E-mail address cannot contain: $<byte value="xd"/>
Please retype the e-mail address!</source>
        <translation>Eine E-Mail-Adresse darf nicht enthalten: $<byte value="xd"/>
Bitte geben Sie die Adresse neu ein!</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address!</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein!</translation>
    </message>
    <message>
        <source>The year of birth cannot lie after the date!</source>
        <translation>Das Geburtsjahr kann nicht nach dem Datum liegen!</translation>
    </message>
    <message>
        <source>The whole list has been searched.</source>
        <translation>Die ganze Liste wurde durchsucht.</translation>
    </message>
    <message>
        <source>Eventlist is not saved! Do you want to save?</source>
        <translation>Die Ereignisliste ist nicht gespeichert! Möchten Sie speichern?</translation>
    </message>
    <message>
        <source>No events available!</source>
        <translation>Keine Ereignisse vorhanden!</translation>
    </message>
    <message>
        <source>This event has already happened!<byte value="xd"/>
Please try again</source>
        <translation>Dieses Ereignis ist schon vorbei!<byte value="xd"/>
Bitte versuchen Sie es noch einmal</translation>
    </message>
    <message>
        <source>Not found!</source>
        <translation>Nicht gefunden!</translation>
    </message>
    <message>
        <source>Do you really want to delete all events?</source>
        <translation>Möchten Sie wirklich alle Ereignisse löschen?</translation>
    </message>
    <message>
        <source>Moonrill was closed before your changes were saved.<byte value="xd"/>
Do you want to restore them?</source>
        <translation>Moonrill wurde beendet, bevor Ihre Änderungen gespeichert waren.<byte value="xd"/>
Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>Animation missing. Please reinstall the program</source>
        <translation>Die Animation fehlt. Bitte installieren Sie das Programm neu</translation>
    </message>
    <message>
        <source>This link cannot be opened: only web (http, https) and e-mail (mailto) links are opened.<byte value="xd"/>
</source>
        <translation>Dieser Link kann nicht geöffnet werden: Nur Web- (http, https) und E-Mail-Links (mailto) werden geöffnet.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Your action caused an error: %1<byte value="xd"/>
<byte value="xd"/>
Go to About for support</source>
        <translation>Ihre Aktion hat einen Fehler verursacht: %1<byte value="xd"/>
<byte value="xd"/>
Hilfe finden Sie unter „Über“</translation>
    </message>
    <message>
        <source>Update aborted</source>
        <translation>Aktualisierung abgebrochen</translation>
    </message>
    <message>
        <source>Operation timed out. Please try again later</source>
        <translation>Zeitüberschreitung. Bitte versuchen Sie es später noch einmal</translation>
    </message>
    <message>
        <source>Update failed! Please try again some other time, and make sure you are connected to Internet.</source>
        <translation>Die Aktualisierung ist fehlgeschlagen! Bitte versuchen Sie es später noch einmal und prüfen Sie die Internetverbindung.</translation>
    </message>
    <message>
        <source>Birthdays imported: %1<byte value="xd"/>
Already in the list: %2<byte value="xd"/>
Contacts without a birthday: %3</source>
        <translation>Importierte Geburtstage: %1<byte value="xd"/>
Schon in der Liste: %2<byte value="xd"/>
Kontakte ohne Geburtstag: %3</translation>
    </message>
    <message>
        <source>The event-list has been sent to the  <byte value="xd"/>
%1 printer on %2.</source>
        <translation>Die Ereignisliste wurde an den Drucker<byte value="xd"/>
%1 an %2 gesendet.</translation>
    </message>
    <message>
        <source>A serious error occured!<byte value="xd"/>
If this continues, please reinstall the program!</source>
        <translation>Ein schwerer Fehler ist aufgetreten!<byte value="xd"/>
Wenn das anhält, installieren Sie das Programm bitte neu!</translation>
    </message>
    <message>
        <source>Eventlist was corrupt. </source>
        <translation>Die Ereignisliste war beschädigt. </translation>
    </message>
    <message>
        <source>%1 line in the event-file has been ignored.</source>
        <translation>%1 Zeile der Ereignisdatei wurde übergangen.</translation>
    </message>
    <message>
        <source>%1 lines in the event-file has been ignored.</source>
        <translation>%1 Zeilen der Ereignisdatei wurden übergangen.</translation>
    </message>
    <message>
        <source>The original file is kept as %1.</source>
        <translation>Die ursprüngliche Datei ist als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The original file could not be kept as a backup (%1), so the file was left as it was.</source>
        <translation>Die ursprüngliche Datei konnte nicht als Sicherung aufbewahrt werden (%1), daher blieb die Datei, wie sie war.</translation>
    </message>
    <message>
        <source>The event file was changed by another program. Its version is kept as %1.</source>
        <translation>Die Ereignisdatei wurde von einem anderen Programm geändert. Dessen Fassung ist als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The list lacks the lines of the event file from line %1 on, which could not be loaded. The file as it was is kept as %2.</source>
        <translation>Der Liste fehlen die Zeilen der Ereignisdatei ab Zeile %1, die nicht geladen werden konnten. Die Datei, wie sie war, ist als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>How the language writes an ordinal number; English forms its own (&quot;1st&quot;, &quot;2nd&quot;, &quot;71st&quot;).</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>1th</source>
        <extracomment>The ordinal of one, where it differs from the other numbers&apos; form (&quot;1er&quot;).</extracomment>
        <translation>1.</translation>
    </message>
    <message>
        <source>Birthday: &apos;%1&apos;<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Geburtstag: „%1“<byte value="xd"/>
Möchten Sie dieser Person schreiben?</translation>
    </message>
    <message>
        <source>Belated birthday: &apos;%1&apos;<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Verpasster Geburtstag: „%1“<byte value="xd"/>
Möchten Sie dieser Person schreiben?</translation>
    </message>
    <message>
        <source>Birthday: &apos;%1&apos; turns %2<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Geburtstag: „%1“ wird %2<byte value="xd"/>
Möchten Sie dieser Person schreiben?</translation>
    </message>
    <message>
        <source>Belated birthday: &apos;%1&apos; turned %2<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Verpasster Geburtstag: „%1“ wurde %2<byte value="xd"/>
Möchten Sie dieser Person schreiben?</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <translation>Alles Gute zum Geburtstag!</translation>
    </message>
    <message>
        <source>Happy belated birthday!</source>
        <translation>Nachträglich alles Gute zum Geburtstag!</translation>
    </message>
    <message>
        <source>Happy %1 birthday!</source>
        <translation>Alles Gute zum %1 Geburtstag!</translation>
    </message>
    <message>
        <source>Happy belated %1 birthday!</source>
        <translation>Nachträglich alles Gute zum %1 Geburtstag!</translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n upcoming event</source>
        <translation>
            <numerusform>Moonrill: %n anstehendes Ereignis</numerusform>
            <numerusform>Moonrill: %n anstehende Ereignisse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n upcoming events</source>
        <translation>
            <numerusform>Moonrill: %n anstehendes Ereignis</numerusform>
            <numerusform>Moonrill: %n anstehende Ereignisse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Yesterday:</source>
        <translation>Gestern:</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago:</source>
        <translation>
            <numerusform>Vor %n Tag:</numerusform>
            <numerusform>Vor %n Tagen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Heute:</translation>
    </message>
    <message>
        <source>Tomorrow:</source>
        <translation>Morgen:</translation>
    </message>
    <message numerus="yes">
        <source>In %n days:</source>
        <translation>
            <numerusform>In %n Tag:</numerusform>
            <numerusform>In %n Tagen:</numerusform>
        </translation>
    </message>
    <message>
        <source>the server points to %1; Moonrill sends the password only to the address set</source>
        <translation>der Server verweist auf %1; Moonrill sendet das Passwort nur an die eingestellte Adresse</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>der Server antwortete %1</translation>
    </message>
    <message>
        <source>the server&apos;s answer is no answer a calendar server gives</source>
        <translation>die Antwort des Servers ist keine Antwort eines Kalenderservers</translation>
    </message>
    <message>
        <source>the server&apos;s answer was larger than %1 bytes and was cut off</source>
        <translation>die Antwort des Servers war größer als %1 Bytes und wurde abgebrochen</translation>
    </message>
    <message>
        <source>the server sent the request on to %1; Moonrill sends the password only to the address set (%2), so it was not followed</source>
        <translation>der Server hat die Anfrage an %1 weitergeleitet; Moonrill sendet das Passwort nur an die eingestellte Adresse (%2), daher wurde ihr nicht gefolgt</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the server did not accept the user name and password</source>
        <translation>der Server hat Benutzername und Passwort nicht angenommen</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>%1 is no address of a calendar</source>
        <translation>%1 ist keine Adresse eines Kalenders</translation>
    </message>
    <message>
        <source>%1 holds a user name or password: give them in their own fields, not in the address</source>
        <translation>%1 enthält einen Benutzernamen oder ein Passwort: Geben Sie sie in ihren eigenen Feldern an, nicht in der Adresse</translation>
    </message>
    <message>
        <source>%1 does not use https: the password would travel readable</source>
        <translation>%1 verwendet kein https: Das Passwort würde lesbar übertragen</translation>
    </message>
    <message>
        <source>%1; nothing more was sent</source>
        <translation>%1; es wurde nichts mehr gesendet</translation>
    </message>
    <message>
        <source>no calendar is set</source>
        <translation>es ist kein Kalender eingestellt</translation>
    </message>
    <message>
        <source>another sync of this list is under way; what changed is sent at the next sync</source>
        <translation>eine andere Synchronisierung dieser Liste läuft; was sich geändert hat, wird bei der nächsten gesendet</translation>
    </message>
    <message>
        <source>no event</source>
        <translation>kein Termin</translation>
    </message>
    <message>
        <source>exceptions to its rule</source>
        <translation>Ausnahmen von der Regel</translation>
    </message>
    <message>
        <source>several events</source>
        <translation>mehrere Termine</translation>
    </message>
    <message>
        <source>no title</source>
        <translation>kein Titel</translation>
    </message>
    <message>
        <source>a UID the list cannot keep</source>
        <translation>eine UID, die die Liste nicht speichern kann</translation>
    </message>
    <message>
        <source>a rule of another calendar</source>
        <translation>eine Regel eines anderen Kalenders</translation>
    </message>
    <message>
        <source>a rule the list cannot read</source>
        <translation>eine Regel, die die Liste nicht lesen kann</translation>
    </message>
    <message>
        <source>a rule by time of day</source>
        <translation>eine Regel nach Uhrzeit</translation>
    </message>
    <message>
        <source>a rule with an end</source>
        <translation>eine Regel mit Ende</translation>
    </message>
    <message>
        <source>a rule by position</source>
        <translation>eine Regel nach Position</translation>
    </message>
    <message>
        <source>a rule by week or day of the year</source>
        <translation>eine Regel nach Woche oder Tag des Jahres</translation>
    </message>
    <message>
        <source>an interval the list cannot keep</source>
        <translation>ein Intervall, das die Liste nicht speichern kann</translation>
    </message>
    <message>
        <source>a rule by weekday</source>
        <translation>eine Regel nach Wochentag</translation>
    </message>
    <message>
        <source>a rule by day of the month</source>
        <translation>eine Regel nach Tag des Monats</translation>
    </message>
    <message>
        <source>a rule by month</source>
        <translation>eine Regel nach Monat</translation>
    </message>
    <message>
        <source>a start off its rule</source>
        <translation>ein Beginn außerhalb der Regel</translation>
    </message>
    <message>
        <source>a rule of days other than whole weeks</source>
        <translation>eine Regel in Tagen, die keine ganzen Wochen sind</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>kein Datum</translation>
    </message>
    <message>
        <source>a date the list cannot keep</source>
        <translation>ein Datum, das die Liste nicht speichern kann</translation>
    </message>
    <message>
        <source>extra dates</source>
        <translation>zusätzliche Daten</translation>
    </message>
    <message>
        <source>several rules</source>
        <translation>mehrere Regeln</translation>
    </message>
    <message>
        <source>a reminder the list cannot read</source>
        <translation>eine Erinnerung, die die Liste nicht lesen kann</translation>
    </message>
    <message>
        <source>a reminder too long before</source>
        <translation>eine Erinnerung zu lange vorher</translation>
    </message>
    <message>
        <source>the time for the sync ran out</source>
        <translation>die Zeit für den Abgleich ist abgelaufen</translation>
    </message>
    <message>
        <source>%1 changed on the server during the sync</source>
        <translation>%1 wurde während des Abgleichs auf dem Server geändert</translation>
    </message>
    <message numerus="yes">
        <source>Changed on both sides, so both versions are in the list and on the server (%n): %1</source>
        <translation>
            <numerusform>Auf beiden Seiten geändert, daher sind beide Fassungen in der Liste und auf dem Server (%n): %1</numerusform>
            <numerusform>Auf beiden Seiten geändert, daher sind beide Fassungen in der Liste und auf dem Server (%n): %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left on the server, the list cannot hold them (%n): %1</source>
        <translation>
            <numerusform>Auf dem Server gelassen, die Liste kann sie nicht aufnehmen (%n): %1</numerusform>
            <numerusform>Auf dem Server gelassen, die Liste kann sie nicht aufnehmen (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent: %1 new, %2 changed, %3 removed; taken: %4 new, %5 changed, %6 removed</source>
        <translation>Gesendet: %1 neu, %2 geändert, %3 entfernt; übernommen: %4 neu, %5 geändert, %6 entfernt</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server is empty, but the list still holds its %n events: nothing was removed</source>
        <translation>
            <numerusform>Der Kalender auf dem Server ist leer, aber die Liste enthält noch sein %n Ereignis: Nichts wurde entfernt</numerusform>
            <numerusform>Der Kalender auf dem Server ist leer, aber die Liste enthält noch seine %n Ereignisse: Nichts wurde entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list is empty, but the calendar on the server still holds its %n events: nothing was removed</source>
        <translation>
            <numerusform>Die Liste ist leer, aber der Kalender auf dem Server enthält noch ihr %n Ereignis: Nichts wurde entfernt</numerusform>
            <numerusform>Die Liste ist leer, aber der Kalender auf dem Server enthält noch ihre %n Ereignisse: Nichts wurde entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not sent, sent at the next sync: %1</source>
        <translation>
            <numerusform>%n nicht gesendet, wird beim nächsten Abgleich gesendet: %1</numerusform>
            <numerusform>%n nicht gesendet, werden beim nächsten Abgleich gesendet: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Taken from the calendar server (%n): %1</source>
        <translation>
            <numerusform>Vom Kalenderserver übernommen (%n): %1</numerusform>
            <numerusform>Vom Kalenderserver übernommen (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Moonrill started during the sync; its next save syncs the list</source>
        <translation>Moonrill wurde während des Abgleichs gestartet; sein nächstes Speichern gleicht die Liste ab</translation>
    </message>
    <message>
        <source>the event file changed during the sync; nothing was taken, run the sync again</source>
        <translation>die Ereignisdatei wurde während des Abgleichs geändert; nichts wurde übernommen, gleichen Sie erneut ab</translation>
    </message>
    <message>
        <source>the list has no room for the events the server holds</source>
        <translation>die Liste hat keinen Platz für die Ereignisse auf dem Server</translation>
    </message>
    <message>
        <source>the calendar on the server is larger than any list it can come from</source>
        <translation>der Kalender auf dem Server ist größer als jede Liste, aus der er stammen kann</translation>
    </message>
    <message>
        <source>What changed on the server is taken at the next save</source>
        <translation>Was sich auf dem Server geändert hat, wird beim nächsten Speichern übernommen</translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n missed event</source>
        <translation>
            <numerusform>Moonrill: %n verpasstes Ereignis</numerusform>
            <numerusform>Moonrill: %n verpasste Ereignisse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n missed events</source>
        <translation>
            <numerusform>Moonrill: %n verpasstes Ereignis</numerusform>
            <numerusform>Moonrill: %n verpasste Ereignisse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n missed</source>
        <translation>
            <numerusform>, %n verpasst</numerusform>
            <numerusform>, %n verpasst</numerusform>
        </translation>
    </message>
    <message>
        <source>Moonrill is already running, but it does not answer, so its window cannot be brought forward.<byte value="xd"/>
End the running Moonrill and start it again.</source>
        <translation>Moonrill läuft bereits, antwortet aber nicht; sein Fenster kann daher nicht nach vorn geholt werden.<byte value="xd"/>
Beenden Sie das laufende Moonrill und starten Sie es erneut.</translation>
    </message>
    <message>
        <source>No e-mail program could open a mail to %1.<byte value="xd"/>
The address is on the clipboard, to write to it another way.</source>
        <translation>Kein E-Mail-Programm konnte eine Mail an %1 öffnen.<byte value="xd"/>
Die Adresse liegt in der Zwischenablage, um ihr auf anderem Weg zu schreiben.</translation>
    </message>
    <message>
        <source>The first year cannot lie after the date!</source>
        <translation>Das erste Jahr kann nicht nach dem Datum liegen!</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n year)</source>
        <translation>
            <numerusform>%1 (%n Jahr)</numerusform>
            <numerusform>%1 (%n Jahre)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n years)</source>
        <translation>
            <numerusform>%1 (%n Jahr)</numerusform>
            <numerusform>%1 (%n Jahre)</numerusform>
        </translation>
    </message>
    <message>
        <source>Events imported: %1<byte value="xd"/>
Already in the list: %2<byte value="xd"/>
One-time events already over: %3</source>
        <translation>Importierte Ereignisse: %1<byte value="xd"/>
Schon in der Liste: %2<byte value="xd"/>
Schon vorbeigegangene einmalige Ereignisse: %3</translation>
    </message>
    <message numerus="yes">
        <source>Left out, the list cannot hold them (%n): %1</source>
        <translation>
            <numerusform>Ausgelassen, die Liste kann sie nicht aufnehmen (%n): %1</numerusform>
            <numerusform>Ausgelassen, die Liste kann sie nicht aufnehmen (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>another object has its UID</source>
        <translation>ein anderes Objekt hat dieselbe UID</translation>
    </message>
    <message>
        <source>%1 is not sent: the server named a place for it outside the calendar</source>
        <translation>%1 wird nicht gesendet: Der Server nannte dafür einen Ort außerhalb des Kalenders</translation>
    </message>
    <message>
        <source>%1 is not removed: the server gave no version of it to name</source>
        <translation>%1 wird nicht entfernt: Der Server nannte keine Version davon</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server lost %n of its events since the last sync, nearly all it held: nothing was removed</source>
        <translation>
            <numerusform>Der Kalender auf dem Server hat seit der letzten Synchronisation %n seiner Termine verloren, fast alle: Nichts wurde entfernt</numerusform>
            <numerusform>Der Kalender auf dem Server hat seit der letzten Synchronisation %n seiner Termine verloren, fast alle: Nichts wurde entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list lost %n of its events since the last sync, nearly all it held: nothing was removed</source>
        <translation>
            <numerusform>Die Liste hat seit der letzten Synchronisation %n ihrer Termine verloren, fast alle: Nichts wurde entfernt</numerusform>
            <numerusform>Die Liste hat seit der letzten Synchronisation %n ihrer Termine verloren, fast alle: Nichts wurde entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>components nested deeper than calendars nest them</source>
        <translation>Komponenten, tiefer verschachtelt, als Kalender sie verschachteln</translation>
    </message>
    <message>
        <source>a line longer than calendars write</source>
        <translation>eine Zeile, länger, als Kalender sie schreiben</translation>
    </message>
    <message>
        <source>a NUL character</source>
        <translation>ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>no room left in the list</source>
        <translation>kein Platz mehr in der Liste</translation>
    </message>
    <message>
        <source>the server&apos;s answer with it cannot be read</source>
        <translation>die Antwort des Servers mit ihm kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>larger than an answer may be</source>
        <translation>größer, als eine Antwort sein darf</translation>
    </message>
    <message>
        <source>the server lists more than %1 objects or %2 MB, more than any calendar holds; nothing was synced</source>
        <translation>der Server listet mehr als %1 Objekte oder %2 MB, mehr, als ein Kalender enthält; nichts wurde synchronisiert</translation>
    </message>
    <message>
        <source>the server sent the same part of its listing again; nothing was synced</source>
        <translation>der Server schickte denselben Teil seiner Liste noch einmal; nichts wurde synchronisiert</translation>
    </message>
    <message>
        <source>the server&apos;s listing did not end after %1 parts; nothing was synced</source>
        <translation>die Liste des Servers endete nicht nach %1 Teilen; nichts wurde synchronisiert</translation>
    </message>
    <message>
        <source>a meeting: changes stay on this computer</source>
        <translation>eine Besprechung: Änderungen bleiben auf diesem Computer</translation>
    </message>
    <message>
        <source>a day some months lack</source>
        <translation>ein Tag, den manche Monate nicht haben</translation>
    </message>
    <message>
        <source>a task or journal, not an event</source>
        <translation>eine Aufgabe oder ein Journaleintrag, kein Ereignis</translation>
    </message>
    <message>
        <source>Moonrill is running: close it, then sync</source>
        <translation>Moonrill läuft: Schließen Sie es, dann synchronisieren Sie</translation>
    </message>
    <message>
        <source>the event file could not be read whole; start Moonrill first</source>
        <translation>die Ereignisdatei konnte nicht vollständig gelesen werden; starten Sie zuerst Moonrill</translation>
    </message>
    <message>
        <source>no calendar is set: calendar_url in the [sync] part of %1</source>
        <translation>kein Kalender eingestellt: calendar_url im Abschnitt [sync] von %1</translation>
    </message>
    <message>
        <source>No keyring service runs on this desktop</source>
        <translation>Auf diesem Desktop läuft kein Schlüsselbunddienst</translation>
    </message>
    <message>
        <source>the keyring holds none for %1</source>
        <translation>der Schlüsselbund enthält keines für %1</translation>
    </message>
    <message>
        <source>the keyring is locked or refused</source>
        <translation>der Schlüsselbund ist gesperrt oder verweigert den Zugriff</translation>
    </message>
    <message>
        <source>the keyring is locked or has no collection to keep it in</source>
        <translation>der Schlüsselbund ist gesperrt oder hat keine Sammlung, um es aufzubewahren</translation>
    </message>
    <message>
        <source>The keyring did not answer within %1 seconds</source>
        <translation>Der Schlüsselbund antwortete nicht innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 may be read by others: keep the password in a file only you can read (chmod 600)</source>
        <translation>%1 kann von anderen gelesen werden: Bewahren Sie das Passwort in einer Datei auf, die nur Sie lesen können (chmod 600)</translation>
    </message>
    <message numerus="yes">
        <source>Turns %n on %1</source>
        <translation>
            <numerusform>Wird am %1 %n Jahr alt</numerusform>
            <numerusform>Wird am %1 %n Jahre alt</numerusform>
        </translation>
    </message>
    <message>
        <source>a weekly rule on several weekdays</source>
        <translation>eine wöchentliche Regel an mehreren Wochentagen</translation>
    </message>
    <message>
        <source>a weekday of the month other than the first to the fourth or the last</source>
        <translation>ein Wochentag im Monat außer dem ersten bis vierten oder dem letzten</translation>
    </message>
    <message>
        <source>a weekday of the year, not of a month</source>
        <translation>ein Wochentag im Jahr, nicht in einem Monat</translation>
    </message>
    <message>
        <source>no password: %1. Give it in File &gt; Calendar Sync.</source>
        <translation>kein Passwort: %1. Geben Sie es unter Datei &gt; Kalenderabgleich ein.</translation>
    </message>
    <message>
        <source>In 10 minutes</source>
        <translation>In 10 Minuten</translation>
    </message>
    <message>
        <source>In an hour</source>
        <translation>In einer Stunde</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message numerus="yes">
        <source>In %n minute: %1</source>
        <translation>
            <numerusform>In %n Minute: %1</numerusform>
            <numerusform>In %n Minuten: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %n minutes: %1</source>
        <translation>
            <numerusform>In %n Minute: %1</numerusform>
            <numerusform>In %n Minuten: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Tomorrow %1: %2</source>
        <translation>Morgen %1: %2</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Heute: %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1</source>
        <translation>Morgen: %1</translation>
    </message>
</context>
<context>
    <name>PrintEvents</name>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Printing Now</source>
        <translation>Es wird gedruckt</translation>
    </message>
    <message>
        <source>Moonrill - Events</source>
        <translation>Moonrill - Ereignisse</translation>
    </message>
    <message>
        <source>Printed with Moonrill, the reminder that remembers for you.</source>
        <translation>Gedruckt mit Moonrill, der Erinnerung, die für Sie an alles denkt.</translation>
    </message>
</context>
<context>
    <name>ReminderControls</name>
    <message>
        <source>At a &amp;time:</source>
        <translation>Zu einer &amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>Gives the event a time of day; without one it lasts the whole day</source>
        <translation>Gibt dem Ereignis eine Uhrzeit; ohne sie dauert es den ganzen Tag</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Reminder at:</source>
        <translation>Erinnerung um:</translation>
    </message>
    <message>
        <source>The hour of the notice period&apos;s reminder</source>
        <translation>Die Stunde der Erinnerung des Vorlaufs</translation>
    </message>
    <message>
        <source>More reminders:</source>
        <translation>Weitere Erinnerungen:</translation>
    </message>
    <message>
        <source>Days before:</source>
        <translation>Tage vorher:</translation>
    </message>
    <message>
        <source>At:</source>
        <translation>Um:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Stunden:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Adds a reminder the days (and hours) before the event given above</source>
        <translation>Fügt eine Erinnerung die oben angegebenen Tage (und Stunden) vor dem Ereignis hinzu</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Removes the reminder chosen in the list</source>
        <translation>Entfernt die in der Liste gewählte Erinnerung</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Hinzugefügt: %1</translation>
    </message>
    <message>
        <source>On the day at %1</source>
        <translation>Am Tag um %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day before at %1</source>
        <translation>
            <numerusform>%n Tag vorher um %1</numerusform>
            <numerusform>%n Tage vorher um %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days before at %1</source>
        <translation>
            <numerusform>%n Tag vorher um %1</numerusform>
            <numerusform>%n Tage vorher um %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day after at %1</source>
        <translation>
            <numerusform>%n Tag danach um %1</numerusform>
            <numerusform>%n Tage danach um %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days after at %1</source>
        <translation>
            <numerusform>%n Tag danach um %1</numerusform>
            <numerusform>%n Tage danach um %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>At its end</source>
        <translation>Zu seinem Ende</translation>
    </message>
    <message>
        <source>At its time</source>
        <translation>Zu seiner Uhrzeit</translation>
    </message>
    <message>
        <source>%1 before its end</source>
        <translation>%1 vor seinem Ende</translation>
    </message>
    <message>
        <source>%1 after its end</source>
        <translation>%1 nach seinem Ende</translation>
    </message>
    <message>
        <source>%1 before</source>
        <translation>%1 vorher</translation>
    </message>
    <message>
        <source>%1 after</source>
        <translation>%1 danach</translation>
    </message>
</context>
<context>
    <name>WhatsUpScreens</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Moonrill</source>
        <translation>Über Moonrill</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>This application remembers important events for you and makes you aware of them. Add, edit, print, copy and search with this utility.</source>
        <translation>Dieses Programm merkt sich wichtige Ereignisse für Sie und erinnert Sie daran. Hinzufügen, bearbeiten, drucken, kopieren und suchen – alles mit diesem Werkzeug.</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Freie Software unter der GNU GPL, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Send e-mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Moonrill on Web</source>
        <translation>Moonrill im Web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
</context>
<context>
    <name>frmAddEvent</name>
    <message>
        <source>Add Event</source>
        <translation>Ereignis hinzufügen</translation>
    </message>
    <message>
        <source>Set&apos;s the interval. For instance 1 is %1 and 3 is %2</source>
        <translation>Legt den Abstand fest. Zum Beispiel ist 1 %1 und 3 %2</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>This where you write the name off the current event</source>
        <translation>Hier schreiben Sie den Namen des Ereignisses</translation>
    </message>
    <message>
        <source>Starting on:</source>
        <translation>Beginnt am:</translation>
    </message>
    <message>
        <source>Set the date of the event</source>
        <translation>Legt das Datum des Ereignisses fest</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Sets the type of event</source>
        <translation>Legt die Art des Ereignisses fest</translation>
    </message>
    <message>
        <source>Notice period:</source>
        <translation>Vorlauf:</translation>
    </message>
    <message>
        <source>Sets how many days ahead of the event you should be reminded</source>
        <translation>Legt fest, wie viele Tage vorher Sie erinnert werden</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>E-mail this person on the birthday?</source>
        <translation>Dieser Person zum Geburtstag schreiben?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Year of birth:</source>
        <translation>Geburtsjahr:</translation>
    </message>
    <message>
        <source>The year the person was born, to show their age</source>
        <translation>Das Geburtsjahr der Person, um ihr Alter zu zeigen</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Sets whether the event keeps its day of the month or its weekday</source>
        <translation>Legt fest, ob das Ereignis seinen Tag im Monat oder seinen Wochentag behält</translation>
    </message>
    <message>
        <source>Falls on</source>
        <translation>Fällt auf</translation>
    </message>
    <message>
        <source>First year:</source>
        <translation>Erstes Jahr:</translation>
    </message>
    <message>
        <source>The year it was first, to count the years</source>
        <translation>Das Jahr, in dem es zum ersten Mal war, um die Jahre zu zählen</translation>
    </message>
    <message>
        <source>first %1</source>
        <translation>erster %1</translation>
    </message>
    <message>
        <source>second %1</source>
        <translation>zweiter %1</translation>
    </message>
    <message>
        <source>third %1</source>
        <translation>dritter %1</translation>
    </message>
    <message>
        <source>fourth %1</source>
        <translation>vierter %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <translation>letzter %1</translation>
    </message>
    <message>
        <source>day %1</source>
        <translation>Tag %1</translation>
    </message>
</context>
<context>
    <name>frmBug</name>
    <message>
        <source>Bug Report</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>Question / support</source>
        <translation>Frage / Hilfe</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Wunsch</translation>
    </message>
    <message>
        <source>Get in touch with me...</source>
        <translation>Schreiben Sie mir...</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find Event</source>
        <translation>Ereignis suchen</translation>
    </message>
    <message>
        <source>Find What:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Percent Complete:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Found: %1, %2</source>
        <translation>Gefunden: %1, %2</translation>
    </message>
</context>
<context>
    <name>frmLiveUpdate</name>
    <message>
        <source>Check For Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>There is no update available.</source>
        <translation>Es gibt kein Update.</translation>
    </message>
    <message>
        <source>Check For Update -  Control Panel</source>
        <translation>Nach Updates suchen – Steuerung</translation>
    </message>
    <message>
        <source>Click Begin to Check For Update</source>
        <translation>Klicken Sie, um nach Updates zu suchen</translation>
    </message>
    <message>
        <source>&amp;Check For Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Time: %1 Seconds</source>
        <translation>Zeit: %1 Sekunden</translation>
    </message>
    <message>
        <source>Checking for updated version.</source>
        <translation>Suche nach neuer Version.</translation>
    </message>
    <message>
        <source>There is an update available: Version </source>
        <translation>Ein Update ist verfügbar: Version </translation>
    </message>
    <message>
        <source>Getting updated file (2,7 MB)</source>
        <translation>Lade die neue Datei (2,7 MB)</translation>
    </message>
    <message>
        <source>Save update</source>
        <translation>Update speichern</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Zip-Dateien (*.zip)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Edit event</source>
        <translation>Ereignis bearbeiten</translation>
    </message>
    <message>
        <source>Do you really want to delete &apos;%1&apos;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Undo deletion of &apos;%1&apos;</source>
        <translation>Löschen von „%1“ rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Import the birthdays of the address book at %1?<byte value="xd"/>
No picks a file instead.</source>
        <translation>Die Geburtstage aus dem Adressbuch unter %1 importieren?<byte value="xd"/>
Mit „Nein“ wählen Sie stattdessen eine Datei.</translation>
    </message>
    <message>
        <source>Import Birthdays</source>
        <translation>Geburtstage importieren</translation>
    </message>
    <message>
        <source>Address books (*.vcf *.vcard)</source>
        <translation>Adressbücher (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>Reading the address book on the server...</source>
        <translation>Das Adressbuch auf dem Server wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The address book could not be read: %1</source>
        <translation>Das Adressbuch konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Reading the address book...</source>
        <translation>Das Adressbuch wird gelesen...</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Kalender exportieren</translation>
    </message>
    <message>
        <source>Keep this file up to date</source>
        <translation>Diese Datei aktuell halten</translation>
    </message>
    <message>
        <source>Rewrite this file at every save, for a calendar program that subscribes to it</source>
        <translation>Diese Datei bei jedem Speichern neu schreiben, für ein Kalenderprogramm, das sie abonniert</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Import Birthdays...</source>
        <translation>Geburtstage &amp;importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport Calendar...</source>
        <translation>Kalender e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Add Event</source>
        <translation>Ereignis &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit Event</source>
        <translation>Ereignis &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Event</source>
        <translation>Ereignis &amp;löschen</translation>
    </message>
    <message>
        <source>Delete All Events</source>
        <translation>Alle Ereignisse löschen</translation>
    </message>
    <message>
        <source>&amp;Copy Event To Clipboard</source>
        <translation>Ereignis in die Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy All Events To Clipboard</source>
        <translation>Alle Ereignisse in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Find Event</source>
        <translation>Ereignis &amp;suchen</translation>
    </message>
    <message>
        <source>Scan Events</source>
        <translation>Ereignisse prüfen</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Ein</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Check For Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;Express Contact</source>
        <translation>&amp;Direkter Kontakt</translation>
    </message>
    <message>
        <source>&amp;Visit Website</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;About Moonrill...</source>
        <translation>Ü&amp;ber Moonrill...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Event</source>
        <translation>&amp;Ereignis</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>E&amp;instellungen</translation>
    </message>
    <message>
        <source>&amp;Run Scan Events On Windows Startup</source>
        <translation>Ereignisse bei der &amp;Anmeldung prüfen</translation>
    </message>
    <message>
        <source>Add Event</source>
        <translation>Ereignis hinzufügen</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Ereignis bearbeiten</translation>
    </message>
    <message>
        <source>Delete Event</source>
        <translation>Ereignis löschen</translation>
    </message>
    <message>
        <source>Copy Event To Clipboard</source>
        <translation>Ereignis in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Find Event</source>
        <translation>Ereignis suchen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print Events</source>
        <translation>Ereignisse drucken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The calendar could not be synced when Moonrill last ran:<byte value="xd"/>
</source>
        <translation>Der Kalender konnte beim letzten Lauf von Moonrill nicht synchronisiert werden:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 is not an address book: it holds no contact.</source>
        <translation>%1 ist kein Adressbuch: Es enthält keinen Kontakt.</translation>
    </message>
    <message>
        <source>The address book holds %1 new birthdays, but the list has room for %2 more events.<byte value="xd"/>
Nothing was imported.</source>
        <translation>Das Adressbuch enthält %1 neue Geburtstage, aber die Liste hat nur noch Platz für %2 Ereignisse.<byte value="xd"/>
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The calendar was written to %1: %2 event.</source>
        <translation>Der Kalender wurde nach %1 geschrieben: %2 Ereignis.</translation>
    </message>
    <message>
        <source>The calendar was written to %1: %2 events.</source>
        <translation>Der Kalender wurde nach %1 geschrieben: %2 Ereignisse.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 event dated after the year %2 was left out: calendar programs cannot read such dates.</source>
        <translation><byte value="xd"/>
%1 Ereignis nach dem Jahr %2 wurde weggelassen: Kalenderprogramme können solche Daten nicht lesen.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 events dated after the year %2 were left out: calendar programs cannot read such dates.</source>
        <translation><byte value="xd"/>
%1 Ereignisse nach dem Jahr %2 wurden weggelassen: Kalenderprogramme können solche Daten nicht lesen.</translation>
    </message>
    <message>
        <source>The changes that were not saved are kept as %1.</source>
        <translation>Die nicht gespeicherten Änderungen sind als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>der Server antwortete %1</translation>
    </message>
    <message>
        <source>the server&apos;s answer is no address book it can read</source>
        <translation>die Antwort des Servers ist kein lesbares Adressbuch</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server is empty now, but the list still holds its %n events.<byte value="xd"/>
<byte value="xd"/>
Remove them from the list too? (No puts them on the server again.)</source>
        <translation>
            <numerusform>Der Kalender auf dem Server ist jetzt leer, aber die Liste enthält noch sein %n Ereignis.<byte value="xd"/>
<byte value="xd"/>
Auch aus der Liste entfernen? („Nein“ stellt es wieder auf den Server.)</numerusform>
            <numerusform>Der Kalender auf dem Server ist jetzt leer, aber die Liste enthält noch seine %n Ereignisse.<byte value="xd"/>
<byte value="xd"/>
Auch aus der Liste entfernen? („Nein“ stellt sie wieder auf den Server.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list is empty now, but the calendar on the server still holds its %n events.<byte value="xd"/>
<byte value="xd"/>
Remove them from the server too? (No brings them back into the list.)</source>
        <translation>
            <numerusform>Die Liste ist jetzt leer, aber der Kalender auf dem Server enthält noch ihr %n Ereignis.<byte value="xd"/>
<byte value="xd"/>
Auch vom Server entfernen? („Nein“ holt es in die Liste zurück.)</numerusform>
            <numerusform>Die Liste ist jetzt leer, aber der Kalender auf dem Server enthält noch ihre %n Ereignisse.<byte value="xd"/>
<byte value="xd"/>
Auch vom Server entfernen? („Nein“ holt sie in die Liste zurück.)</numerusform>
        </translation>
    </message>
    <message>
        <source>Calendar S&amp;ync...</source>
        <translation>Kalender&amp;abgleich...</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation>Kalender importieren</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb)</source>
        <translation>Kalender (*.ics *.ical *.icalendar *.ifb)</translation>
    </message>
    <message>
        <source>%1 is not a calendar: it holds no event.</source>
        <translation>%1 ist kein Kalender: Er enthält kein Ereignis.</translation>
    </message>
    <message>
        <source>The calendar holds %1 new events, but the list has room for %2 more events.<byte value="xd"/>
Nothing was imported.</source>
        <translation>Der Kalender enthält %1 neue Ereignisse, aber die Liste hat nur noch Platz für %2 Ereignisse.<byte value="xd"/>
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Import &amp;Calendar...</source>
        <translation>&amp;Kalender importieren...</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server lost %n of its events since the last sync, nearly all it held.<byte value="xd"/>
<byte value="xd"/>
Remove them from the list too? (No puts them on the server again.)</source>
        <translation>
            <numerusform>Der Kalender auf dem Server hat seit der letzten Synchronisation %n seiner Termine verloren, fast alle.<byte value="xd"/>
<byte value="xd"/>
Auch aus der Liste entfernen? (Nein stellt sie wieder auf den Server.)</numerusform>
            <numerusform>Der Kalender auf dem Server hat seit der letzten Synchronisation %n seiner Termine verloren, fast alle.<byte value="xd"/>
<byte value="xd"/>
Auch aus der Liste entfernen? (Nein stellt sie wieder auf den Server.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list lost %n of its events since the last sync, nearly all it held.<byte value="xd"/>
<byte value="xd"/>
Remove them from the server too? (No brings them back into the list.)</source>
        <translation>
            <numerusform>Die Liste hat seit der letzten Synchronisation %n ihrer Termine verloren, fast alle.<byte value="xd"/>
<byte value="xd"/>
Auch vom Server entfernen? (Nein holt sie zurück in die Liste.)</numerusform>
            <numerusform>Die Liste hat seit der letzten Synchronisation %n ihrer Termine verloren, fast alle.<byte value="xd"/>
<byte value="xd"/>
Auch vom Server entfernen? (Nein holt sie zurück in die Liste.)</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed on the calendar server while you edited it.<byte value="xd"/>
Your edit is kept as an event of its own.</source>
        <translation>„%1“ wurde auf dem Kalenderserver geändert, während Sie es bearbeitet haben.<byte value="xd"/>
Ihre Änderung bleibt als eigenes Ereignis erhalten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was removed on the calendar server while you edited it.<byte value="xd"/>
Your edit is kept as an event of its own.</source>
        <translation>„%1“ wurde auf dem Kalenderserver entfernt, während Sie es bearbeitet haben.<byte value="xd"/>
Ihre Änderung bleibt als eigenes Ereignis erhalten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed on the calendar server while you were asked, so it was not deleted.</source>
        <translation>„%1“ wurde auf dem Kalenderserver geändert, während Sie gefragt wurden, und wurde daher nicht gelöscht.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was removed on the calendar server while you were asked.</source>
        <translation>„%1“ wurde auf dem Kalenderserver entfernt, während Sie gefragt wurden.</translation>
    </message>
    <message>
        <source>Moonrill shows what falls due when you log on, and each morning. To switch this off: %1.</source>
        <translation>Moonrill zeigt, was fällig wird, wenn Sie sich anmelden, und jeden Morgen. Ausschalten: %1.</translation>
    </message>
    <message>
        <source>The calendar could not be synced:<byte value="xd"/>
</source>
        <translation>Der Kalender konnte nicht synchronisiert werden:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmSync</name>
    <message>
        <source>Calendar Sync</source>
        <translation>Kalenderabgleich</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Asking %1 ...</source>
        <translation>Frage %1 ...</translation>
    </message>
    <message>
        <source>No answer: </source>
        <translation>Keine Antwort: </translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>&amp;Kalender-URL:</translation>
    </message>
    <message>
        <source>&amp;Address book URL:</source>
        <translation>A&amp;dressbuch-URL:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>as kept in the keyring</source>
        <translation>wie im Schlüsselbund abgelegt</translation>
    </message>
    <message>
        <source>%1, so the password cannot be kept.<byte value="xd"/>
Use it for this run only?</source>
        <translation>%1, daher kann das Passwort nicht aufbewahrt werden.<byte value="xd"/>
Nur für diesen Lauf verwenden?</translation>
    </message>
    <message>
        <source>Calendars found</source>
        <translation>Gefundene Kalender</translation>
    </message>
    <message>
        <source>A calendar is there: its events can be synced.</source>
        <translation>Dort ist ein Kalender: Die Ereignisse können synchronisiert werden.</translation>
    </message>
    <message>
        <source>A calendar is there (%1): its events can be synced.</source>
        <translation>Dort ist ein Kalender (%1): Die Ereignisse können synchronisiert werden.</translation>
    </message>
    <message>
        <source>A calendar is there, but it takes no events (only tasks or notes): choose another.</source>
        <translation>Dort ist ein Kalender, der aber keine Ereignisse aufnimmt (nur Aufgaben oder Notizen): Wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>Choose a calendar...</source>
        <translation>Kalender wählen...</translation>
    </message>
    <message>
        <source>No calendar is there, and none was found at this address.</source>
        <translation>Dort ist kein Kalender, und unter dieser Adresse wurde keiner gefunden.</translation>
    </message>
    <message>
        <source>as given for this run</source>
        <translation>wie für diesen Lauf angegeben</translation>
    </message>
    <message>
        <source>none kept: type it to use it</source>
        <translation>keins gespeichert: zum Verwenden eingeben</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Nothing there: </source>
        <translation>Nichts vorhanden: </translation>
    </message>
    <message>
        <source>Calendar chosen: %1. OK syncs the list with it; Test asks it first.</source>
        <translation>Kalender gewählt: %1. OK gleicht die Liste mit ihm ab; Testen fragt ihn zuerst.</translation>
    </message>
    <message numerus="yes">
        <source>This address is an account, not a calendar. Choose one of its calendars (%n) in the list above.</source>
        <translation>
            <numerusform>Diese Adresse ist ein Konto, kein Kalender. Es enthält %n Kalender: Wählen Sie ihn in der Liste oben.</numerusform>
            <numerusform>Diese Adresse ist ein Konto, kein Kalender. Es enthält %n Kalender: Wählen Sie einen in der Liste oben.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Make Calendar</source>
        <translation>Kalender &amp;erstellen</translation>
    </message>
    <message>
        <source>Making a calendar at %1 ...</source>
        <translation>Kalender wird unter %1 erstellt ...</translation>
    </message>
    <message>
        <source>A calendar was made (%1): its events can be synced.</source>
        <translation>Ein Kalender wurde erstellt (%1): Seine Ereignisse können abgeglichen werden.</translation>
    </message>
    <message>
        <source>No calendar was made: %1</source>
        <translation>Es wurde kein Kalender erstellt: %1</translation>
    </message>
</context>
<context>
    <name>frmWhatsUp</name>
    <message>
        <source>Moonrill - Upcoming Events</source>
        <translation>Moonrill – Anstehende Ereignisse</translation>
    </message>
    <message>
        <source>Upcoming events</source>
        <translation>Anstehende Ereignisse</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Event description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Upcoming: %1</source>
        <translation>Anstehend: %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
</TS>
