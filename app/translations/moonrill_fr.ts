<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>EventListModel</name>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Notice period</source>
        <translation>Préavis</translation>
    </message>
</context>
<context>
    <name>EventTypes</name>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidien</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuel</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Every %1th week</source>
        <translation>Toutes les %1 semaines</translation>
    </message>
    <message>
        <source>Every %1th month</source>
        <translation>Tous les %1 mois</translation>
    </message>
    <message>
        <source>Every %1th year</source>
        <translation>Tous les %1 ans</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>%1 on the first %2</source>
        <translation>%1, le premier %2</translation>
    </message>
    <message>
        <source>%1 on the second %2</source>
        <translation>%1, le deuxième %2</translation>
    </message>
    <message>
        <source>%1 on the third %2</source>
        <translation>%1, le troisième %2</translation>
    </message>
    <message>
        <source>%1 on the fourth %2</source>
        <translation>%1, le quatrième %2</translation>
    </message>
    <message>
        <source>%1 on the last %2</source>
        <translation>%1, le dernier %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Moonrill Help</source>
        <translation>Aide de Moonrill</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Sujets</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>The help file %1 cannot be found or read. Please reinstall the program.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable ou illisible. Réinstallez le programme, s&apos;il vous plaît.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>Please tell me what this is about!</source>
        <translation>Dites-moi de quoi il s&apos;agit, s&apos;il vous plaît !</translation>
    </message>
    <message>
        <source>Please type in some words...!</source>
        <translation>Écrivez quelques mots, s&apos;il vous plaît... !</translation>
    </message>
    <message>
        <source>Description missing!</source>
        <translation>La description manque !</translation>
    </message>
    <message>
        <source>Event cannot contain: $$<byte value="xd"/>
Please retype event descripton!</source>
        <translation>Un événement ne peut pas contenir : $$<byte value="xd"/>
Ressaisissez la description, s&apos;il vous plaît !</translation>
    </message>
    <message>
        <source>E-mail address cannot contain: $<byte value="xd"/>
Please retype the e-mail address!</source>
        <translation>Une adresse e-mail ne peut pas contenir : $<byte value="xd"/>
Ressaisissez l&apos;adresse, s&apos;il vous plaît !</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address!</source>
        <translation>Saisissez une adresse e-mail valide, s&apos;il vous plaît !</translation>
    </message>
    <message>
        <source>The year of birth cannot lie after the date!</source>
        <translation>L&apos;année de naissance ne peut pas suivre la date !</translation>
    </message>
    <message>
        <source>The whole list has been searched.</source>
        <translation>Toute la liste a été parcourue.</translation>
    </message>
    <message>
        <source>Eventlist is not saved! Do you want to save?</source>
        <translation>La liste des événements n&apos;est pas enregistrée ! Voulez-vous l&apos;enregistrer ?</translation>
    </message>
    <message>
        <source>No events available!</source>
        <translation>Aucun événement !</translation>
    </message>
    <message>
        <source>This event has already happened!<byte value="xd"/>
Please try again</source>
        <translation>Cet événement a déjà eu lieu !<byte value="xd"/>
Veuillez réessayer</translation>
    </message>
    <message>
        <source>Not found!</source>
        <translation>Introuvable !</translation>
    </message>
    <message>
        <source>Do you really want to delete all events?</source>
        <translation>Voulez-vous vraiment supprimer tous les événements ?</translation>
    </message>
    <message>
        <source>Moonrill was closed before your changes were saved.<byte value="xd"/>
Do you want to restore them?</source>
        <translation>Moonrill a été fermé avant que vos modifications soient enregistrées.<byte value="xd"/>
Voulez-vous les restaurer ?</translation>
    </message>
    <message>
        <source>Animation missing. Please reinstall the program</source>
        <translation>L&apos;animation manque. Réinstallez le programme, s&apos;il vous plaît</translation>
    </message>
    <message>
        <source>This link cannot be opened: only web (http, https) and e-mail (mailto) links are opened.<byte value="xd"/>
</source>
        <translation>Ce lien ne peut pas être ouvert : seuls les liens web (http, https) et e-mail (mailto) sont ouverts.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Your action caused an error: %1<byte value="xd"/>
<byte value="xd"/>
Go to About for support</source>
        <translation>Votre action a causé une erreur : %1<byte value="xd"/>
<byte value="xd"/>
Voyez « À propos » pour obtenir de l&apos;aide</translation>
    </message>
    <message>
        <source>Update aborted</source>
        <translation>Mise à jour annulée</translation>
    </message>
    <message>
        <source>Operation timed out. Please try again later</source>
        <translation>Délai dépassé. Veuillez réessayer plus tard</translation>
    </message>
    <message>
        <source>Update failed! Please try again some other time, and make sure you are connected to Internet.</source>
        <translation>La mise à jour a échoué ! Réessayez plus tard et vérifiez que vous êtes connecté à Internet.</translation>
    </message>
    <message>
        <source>Birthdays imported: %1<byte value="xd"/>
Already in the list: %2<byte value="xd"/>
Contacts without a birthday: %3</source>
        <translation>Anniversaires importés : %1<byte value="xd"/>
Déjà dans la liste : %2<byte value="xd"/>
Contacts sans anniversaire : %3</translation>
    </message>
    <message>
        <source>The event-list has been sent to the  <byte value="xd"/>
%1 printer on %2.</source>
        <translation>La liste des événements a été envoyée à l&apos;imprimante<byte value="xd"/>
%1 sur %2.</translation>
    </message>
    <message>
        <source>A serious error occured!<byte value="xd"/>
If this continues, please reinstall the program!</source>
        <translation>Une erreur grave s&apos;est produite !<byte value="xd"/>
Si cela continue, réinstallez le programme, s&apos;il vous plaît !</translation>
    </message>
    <message>
        <source>Eventlist was corrupt. </source>
        <translation>La liste des événements était abîmée. </translation>
    </message>
    <message>
        <source>%1 line in the event-file has been ignored.</source>
        <translation>%1 ligne du fichier d&apos;événements a été ignorée.</translation>
    </message>
    <message>
        <source>%1 lines in the event-file has been ignored.</source>
        <translation>%1 lignes du fichier d&apos;événements ont été ignorées.</translation>
    </message>
    <message>
        <source>The original file is kept as %1.</source>
        <translation>Le fichier d&apos;origine est gardé sous le nom %1.</translation>
    </message>
    <message>
        <source>The original file could not be kept as a backup (%1), so the file was left as it was.</source>
        <translation>Le fichier d&apos;origine n&apos;a pas pu être gardé en sauvegarde (%1) ; le fichier a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>The event file was changed by another program. Its version is kept as %1.</source>
        <translation>Le fichier d&apos;événements a été modifié par un autre programme. Sa version est gardée sous le nom %1.</translation>
    </message>
    <message>
        <source>The list lacks the lines of the event file from line %1 on, which could not be loaded. The file as it was is kept as %2.</source>
        <translation>Il manque à la liste les lignes du fichier d&apos;événements à partir de la ligne %1, qui n&apos;ont pas pu être chargées. Le fichier tel qu&apos;il était est gardé sous le nom %2.</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>How the language writes an ordinal number; English forms its own (&quot;1st&quot;, &quot;2nd&quot;, &quot;71st&quot;).</extracomment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>1th</source>
        <extracomment>The ordinal of one, where it differs from the other numbers&apos; form (&quot;1er&quot;).</extracomment>
        <translation>1er</translation>
    </message>
    <message>
        <source>Birthday: &apos;%1&apos;<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Anniversaire : « %1 »<byte value="xd"/>
Voulez-vous écrire à cette personne ?</translation>
    </message>
    <message>
        <source>Belated birthday: &apos;%1&apos;<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Anniversaire passé : « %1 »<byte value="xd"/>
Voulez-vous écrire à cette personne ?</translation>
    </message>
    <message>
        <source>Birthday: &apos;%1&apos; turns %2<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Anniversaire : « %1 » fête ses %2 ans<byte value="xd"/>
Voulez-vous écrire à cette personne ?</translation>
    </message>
    <message>
        <source>Belated birthday: &apos;%1&apos; turned %2<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Anniversaire passé : « %1 » a fêté ses %2 ans<byte value="xd"/>
Voulez-vous écrire à cette personne ?</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <translation>Joyeux anniversaire !</translation>
    </message>
    <message>
        <source>Happy belated birthday!</source>
        <translation>Joyeux anniversaire, avec un peu de retard !</translation>
    </message>
    <message>
        <source>Happy %1 birthday!</source>
        <translation>Joyeux %1 anniversaire !</translation>
    </message>
    <message>
        <source>Happy belated %1 birthday!</source>
        <translation>Joyeux %1 anniversaire, avec un peu de retard !</translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n upcoming event</source>
        <translation>
            <numerusform>Moonrill : %n événement à venir</numerusform>
            <numerusform>Moonrill : %n événements à venir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n upcoming events</source>
        <translation>
            <numerusform>Moonrill : %n événement à venir</numerusform>
            <numerusform>Moonrill : %n événements à venir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n de plus</numerusform>
            <numerusform>et %n de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>Yesterday:</source>
        <translation>Hier :</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago:</source>
        <translation>
            <numerusform>Il y a %n jour :</numerusform>
            <numerusform>Il y a %n jours :</numerusform>
        </translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Aujourd&apos;hui :</translation>
    </message>
    <message>
        <source>Tomorrow:</source>
        <translation>Demain :</translation>
    </message>
    <message numerus="yes">
        <source>In %n days:</source>
        <translation>
            <numerusform>Dans %n jour :</numerusform>
            <numerusform>Dans %n jours :</numerusform>
        </translation>
    </message>
    <message>
        <source>the server points to %1; Moonrill sends the password only to the address set</source>
        <translation>le serveur renvoie vers %1 ; Moonrill n’envoie le mot de passe qu’à l’adresse réglée</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>le serveur a répondu %1</translation>
    </message>
    <message>
        <source>the server&apos;s answer is no answer a calendar server gives</source>
        <translation>la réponse du serveur n’est pas celle d’un serveur de calendrier</translation>
    </message>
    <message>
        <source>the server&apos;s answer was larger than %1 bytes and was cut off</source>
        <translation>la réponse du serveur dépassait %1 octets et a été coupée</translation>
    </message>
    <message>
        <source>the server sent the request on to %1; Moonrill sends the password only to the address set (%2), so it was not followed</source>
        <translation>le serveur a renvoyé la requête vers %1 ; Moonrill n’envoie le mot de passe qu’à l’adresse réglée (%2), le renvoi n’a donc pas été suivi</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>le serveur n’a pas répondu à temps</translation>
    </message>
    <message>
        <source>the server did not accept the user name and password</source>
        <translation>le serveur n’a pas accepté le nom d’utilisateur et le mot de passe</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>le serveur a répondu %1 %2</translation>
    </message>
    <message>
        <source>%1 is no address of a calendar</source>
        <translation>%1 n’est pas l’adresse d’un calendrier</translation>
    </message>
    <message>
        <source>%1 holds a user name or password: give them in their own fields, not in the address</source>
        <translation>%1 contient un nom d’utilisateur ou un mot de passe : indiquez-les dans leurs propres champs, pas dans l’adresse</translation>
    </message>
    <message>
        <source>%1 does not use https: the password would travel readable</source>
        <translation>%1 n’utilise pas https : le mot de passe circulerait en clair</translation>
    </message>
    <message>
        <source>%1; nothing more was sent</source>
        <translation>%1 ; rien de plus n’a été envoyé</translation>
    </message>
    <message>
        <source>no calendar is set</source>
        <translation>aucun calendrier n’est réglé</translation>
    </message>
    <message>
        <source>another sync of this list is under way; what changed is sent at the next sync</source>
        <translation>une autre synchronisation de cette liste est en cours ; ce qui a changé sera envoyé à la prochaine</translation>
    </message>
    <message>
        <source>no event</source>
        <translation>aucun événement</translation>
    </message>
    <message>
        <source>exceptions to its rule</source>
        <translation>des exceptions à sa règle</translation>
    </message>
    <message>
        <source>several events</source>
        <translation>plusieurs événements</translation>
    </message>
    <message>
        <source>no title</source>
        <translation>aucun titre</translation>
    </message>
    <message>
        <source>a UID the list cannot keep</source>
        <translation>un UID que la liste ne peut pas garder</translation>
    </message>
    <message>
        <source>a rule of another calendar</source>
        <translation>une règle d&apos;un autre calendrier</translation>
    </message>
    <message>
        <source>a rule the list cannot read</source>
        <translation>une règle que la liste ne peut pas lire</translation>
    </message>
    <message>
        <source>a rule by time of day</source>
        <translation>une règle selon l&apos;heure</translation>
    </message>
    <message>
        <source>a rule with an end</source>
        <translation>une règle avec une fin</translation>
    </message>
    <message>
        <source>a rule by position</source>
        <translation>une règle par position</translation>
    </message>
    <message>
        <source>a rule by week or day of the year</source>
        <translation>une règle par semaine ou jour de l&apos;année</translation>
    </message>
    <message>
        <source>an interval the list cannot keep</source>
        <translation>un intervalle que la liste ne peut pas garder</translation>
    </message>
    <message>
        <source>a rule by weekday</source>
        <translation>une règle par jour de la semaine</translation>
    </message>
    <message>
        <source>a rule by day of the month</source>
        <translation>une règle par jour du mois</translation>
    </message>
    <message>
        <source>a rule by month</source>
        <translation>une règle par mois</translation>
    </message>
    <message>
        <source>a start off its rule</source>
        <translation>un début hors de sa règle</translation>
    </message>
    <message>
        <source>a rule of days other than whole weeks</source>
        <translation>une règle en jours qui ne font pas des semaines entières</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>aucune date</translation>
    </message>
    <message>
        <source>a date the list cannot keep</source>
        <translation>une date que la liste ne peut pas garder</translation>
    </message>
    <message>
        <source>extra dates</source>
        <translation>des dates en plus</translation>
    </message>
    <message>
        <source>several rules</source>
        <translation>plusieurs règles</translation>
    </message>
    <message>
        <source>a reminder the list cannot read</source>
        <translation>un rappel que la liste ne peut pas lire</translation>
    </message>
    <message>
        <source>a reminder too long before</source>
        <translation>un rappel trop longtemps avant</translation>
    </message>
    <message>
        <source>the time for the sync ran out</source>
        <translation>le temps de la synchronisation est écoulé</translation>
    </message>
    <message>
        <source>%1 changed on the server during the sync</source>
        <translation>%1 a été modifié sur le serveur pendant la synchronisation</translation>
    </message>
    <message numerus="yes">
        <source>Changed on both sides, so both versions are in the list and on the server (%n): %1</source>
        <translation>
            <numerusform>Modifié des deux côtés : les deux versions sont dans la liste et sur le serveur (%n) : %1</numerusform>
            <numerusform>Modifié des deux côtés : les deux versions sont dans la liste et sur le serveur (%n) : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left on the server, the list cannot hold them (%n): %1</source>
        <translation>
            <numerusform>Laissés sur le serveur, la liste ne peut pas les contenir (%n) : %1</numerusform>
            <numerusform>Laissés sur le serveur, la liste ne peut pas les contenir (%n) : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent: %1 new, %2 changed, %3 removed; taken: %4 new, %5 changed, %6 removed</source>
        <translation>Envoyés : %1 nouveaux, %2 modifiés, %3 supprimés ; repris : %4 nouveaux, %5 modifiés, %6 supprimés</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server is empty, but the list still holds its %n events: nothing was removed</source>
        <translation>
            <numerusform>Le calendrier du serveur est vide, mais la liste contient encore son %n événement : rien n’a été supprimé</numerusform>
            <numerusform>Le calendrier du serveur est vide, mais la liste contient encore ses %n événements : rien n’a été supprimé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list is empty, but the calendar on the server still holds its %n events: nothing was removed</source>
        <translation>
            <numerusform>La liste est vide, mais le calendrier du serveur contient encore son %n événement : rien n’a été supprimé</numerusform>
            <numerusform>La liste est vide, mais le calendrier du serveur contient encore ses %n événements : rien n’a été supprimé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not sent, sent at the next sync: %1</source>
        <translation>
            <numerusform>%n non envoyé, envoyé à la prochaine synchronisation : %1</numerusform>
            <numerusform>%n non envoyés, envoyés à la prochaine synchronisation : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Taken from the calendar server (%n): %1</source>
        <translation>
            <numerusform>Repris du serveur de calendrier (%n) : %1</numerusform>
            <numerusform>Repris du serveur de calendrier (%n) : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Moonrill started during the sync; its next save syncs the list</source>
        <translation>Moonrill a démarré pendant la synchronisation ; son prochain enregistrement synchronise la liste</translation>
    </message>
    <message>
        <source>the event file changed during the sync; nothing was taken, run the sync again</source>
        <translation>le fichier des événements a changé pendant la synchronisation ; rien n’a été repris, relancez la synchronisation</translation>
    </message>
    <message>
        <source>the list has no room for the events the server holds</source>
        <translation>la liste n’a pas de place pour les événements du serveur</translation>
    </message>
    <message>
        <source>the calendar on the server is larger than any list it can come from</source>
        <translation>le calendrier du serveur est plus grand que toute liste dont il peut venir</translation>
    </message>
    <message>
        <source>What changed on the server is taken at the next save</source>
        <translation>Ce qui a changé sur le serveur est repris au prochain enregistrement</translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n missed event</source>
        <translation>
            <numerusform>Moonrill : %n événement manqué</numerusform>
            <numerusform>Moonrill : %n événements manqués</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n missed events</source>
        <translation>
            <numerusform>Moonrill : %n événement manqué</numerusform>
            <numerusform>Moonrill : %n événements manqués</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n missed</source>
        <translation>
            <numerusform>, %n manqué</numerusform>
            <numerusform>, %n manqués</numerusform>
        </translation>
    </message>
    <message>
        <source>Moonrill is already running, but it does not answer, so its window cannot be brought forward.<byte value="xd"/>
End the running Moonrill and start it again.</source>
        <translation>Moonrill est déjà ouvert, mais ne répond pas : sa fenêtre ne peut pas être ramenée au premier plan.<byte value="xd"/>
Fermez le Moonrill en cours et relancez-le.</translation>
    </message>
    <message>
        <source>No e-mail program could open a mail to %1.<byte value="xd"/>
The address is on the clipboard, to write to it another way.</source>
        <translation>Aucun programme de messagerie n’a pu ouvrir un message pour %1.<byte value="xd"/>
L’adresse est dans le presse-papiers, pour lui écrire autrement.</translation>
    </message>
    <message>
        <source>The first year cannot lie after the date!</source>
        <translation>La première année ne peut pas suivre la date !</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n year)</source>
        <translation>
            <numerusform>%1 (%n an)</numerusform>
            <numerusform>%1 (%n ans)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n years)</source>
        <translation>
            <numerusform>%1 (%n an)</numerusform>
            <numerusform>%1 (%n ans)</numerusform>
        </translation>
    </message>
    <message>
        <source>Events imported: %1<byte value="xd"/>
Already in the list: %2<byte value="xd"/>
One-time events already over: %3</source>
        <translation>Événements importés : %1<byte value="xd"/>
Déjà dans la liste : %2<byte value="xd"/>
Événements uniques déjà passés : %3</translation>
    </message>
    <message numerus="yes">
        <source>Left out, the list cannot hold them (%n): %1</source>
        <translation>
            <numerusform>Laissés de côté, la liste ne peut pas les contenir (%n) : %1</numerusform>
            <numerusform>Laissés de côté, la liste ne peut pas les contenir (%n) : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>another object has its UID</source>
        <translation>un autre objet a le même UID</translation>
    </message>
    <message>
        <source>%1 is not sent: the server named a place for it outside the calendar</source>
        <translation>%1 n&apos;est pas envoyé : le serveur lui a donné une place hors du calendrier</translation>
    </message>
    <message>
        <source>%1 is not removed: the server gave no version of it to name</source>
        <translation>%1 n&apos;est pas supprimé : le serveur n&apos;en a donné aucune version à nommer</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server lost %n of its events since the last sync, nearly all it held: nothing was removed</source>
        <translation>
            <numerusform>Le calendrier du serveur a perdu %n de ses événements depuis la dernière synchronisation, presque tous : rien n&apos;a été supprimé</numerusform>
            <numerusform>Le calendrier du serveur a perdu %n de ses événements depuis la dernière synchronisation, presque tous : rien n&apos;a été supprimé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list lost %n of its events since the last sync, nearly all it held: nothing was removed</source>
        <translation>
            <numerusform>La liste a perdu %n de ses événements depuis la dernière synchronisation, presque tous : rien n&apos;a été supprimé</numerusform>
            <numerusform>La liste a perdu %n de ses événements depuis la dernière synchronisation, presque tous : rien n&apos;a été supprimé</numerusform>
        </translation>
    </message>
    <message>
        <source>components nested deeper than calendars nest them</source>
        <translation>des composants imbriqués plus profondément que dans un calendrier</translation>
    </message>
    <message>
        <source>a line longer than calendars write</source>
        <translation>une ligne plus longue que celles qu&apos;écrivent les calendriers</translation>
    </message>
    <message>
        <source>a NUL character</source>
        <translation>un caractère NUL</translation>
    </message>
    <message>
        <source>no room left in the list</source>
        <translation>plus de place dans la liste</translation>
    </message>
    <message>
        <source>the server&apos;s answer with it cannot be read</source>
        <translation>la réponse du serveur qui le contient ne peut pas être lue</translation>
    </message>
    <message>
        <source>larger than an answer may be</source>
        <translation>plus grand qu&apos;une réponse ne peut l&apos;être</translation>
    </message>
    <message>
        <source>the server lists more than %1 objects or %2 MB, more than any calendar holds; nothing was synced</source>
        <translation>le serveur liste plus de %1 objets ou %2 Mo, plus que n&apos;en contient un calendrier ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>the server sent the same part of its listing again; nothing was synced</source>
        <translation>le serveur a renvoyé la même partie de sa liste ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>the server&apos;s listing did not end after %1 parts; nothing was synced</source>
        <translation>la liste du serveur n&apos;a pas pris fin après %1 parties ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>a meeting: changes stay on this computer</source>
        <translation>une réunion : les modifications restent sur cet ordinateur</translation>
    </message>
    <message>
        <source>a day some months lack</source>
        <translation>un jour que certains mois n&apos;ont pas</translation>
    </message>
    <message>
        <source>a task or journal, not an event</source>
        <translation>une tâche ou une note de journal, pas un événement</translation>
    </message>
    <message>
        <source>Moonrill is running: close it, then sync</source>
        <translation>Moonrill est en cours d’exécution : fermez-le, puis synchronisez</translation>
    </message>
    <message>
        <source>the event file could not be read whole; start Moonrill first</source>
        <translation>le fichier des événements n’a pas pu être lu en entier ; démarrez d’abord Moonrill</translation>
    </message>
    <message>
        <source>no calendar is set: calendar_url in the [sync] part of %1</source>
        <translation>aucun calendrier n’est défini : calendar_url dans la partie [sync] de %1</translation>
    </message>
    <message>
        <source>No keyring service runs on this desktop</source>
        <translation>Aucun trousseau de clés ne tourne sur ce bureau</translation>
    </message>
    <message>
        <source>the keyring holds none for %1</source>
        <translation>le trousseau n&apos;en contient aucun pour %1</translation>
    </message>
    <message>
        <source>the keyring is locked or refused</source>
        <translation>le trousseau est verrouillé ou refuse l’accès</translation>
    </message>
    <message>
        <source>the keyring is locked or has no collection to keep it in</source>
        <translation>le trousseau est verrouillé ou n’a pas de collection où le garder</translation>
    </message>
    <message>
        <source>The keyring did not answer within %1 seconds</source>
        <translation>Le trousseau n’a pas répondu en %1 secondes</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 may be read by others: keep the password in a file only you can read (chmod 600)</source>
        <translation>%1 peut être lu par d’autres : gardez le mot de passe dans un fichier que vous seul pouvez lire (chmod 600)</translation>
    </message>
    <message numerus="yes">
        <source>Turns %n on %1</source>
        <translation>
            <numerusform>Aura %n an le %1</numerusform>
            <numerusform>Aura %n ans le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a weekly rule on several weekdays</source>
        <translation>une règle hebdomadaire sur plusieurs jours de la semaine</translation>
    </message>
    <message>
        <source>a weekday of the month other than the first to the fourth or the last</source>
        <translation>un jour de la semaine du mois autre que le premier au quatrième ou le dernier</translation>
    </message>
    <message>
        <source>a weekday of the year, not of a month</source>
        <translation>un jour de la semaine de l’année, non d’un mois</translation>
    </message>
    <message>
        <source>no password: %1. Give it in File &gt; Calendar Sync.</source>
        <translation>pas de mot de passe : %1. Saisissez-le dans Fichier &gt; Synchroniser le calendrier.</translation>
    </message>
    <message>
        <source>In 10 minutes</source>
        <translation>Dans 10 minutes</translation>
    </message>
    <message>
        <source>In an hour</source>
        <translation>Dans une heure</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message numerus="yes">
        <source>In %n minute: %1</source>
        <translation>
            <numerusform>Dans %n minute : %1</numerusform>
            <numerusform>Dans %n minutes : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %n minutes: %1</source>
        <translation>
            <numerusform>Dans %n minute : %1</numerusform>
            <numerusform>Dans %n minutes : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Tomorrow %1: %2</source>
        <translation>Demain %1 : %2</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Aujourd'hui : %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1</source>
        <translation>Demain : %1</translation>
    </message>
</context>
<context>
    <name>PrintEvents</name>
    <message>
        <source>PDF file</source>
        <translation>fichier PDF</translation>
    </message>
    <message>
        <source>Printing Now</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>Moonrill - Events</source>
        <translation>Moonrill - Événements</translation>
    </message>
    <message>
        <source>Printed with Moonrill, the reminder that remembers for you.</source>
        <translation>Imprimé avec Moonrill, le rappel qui se souvient pour vous.</translation>
    </message>
</context>
<context>
    <name>ReminderControls</name>
    <message>
        <source>At a &amp;time:</source>
        <translation>À une &amp;heure :</translation>
    </message>
    <message>
        <source>Gives the event a time of day; without one it lasts the whole day</source>
        <translation>Donne une heure à l'événement ; sans heure, il dure toute la journée</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Reminder at:</source>
        <translation>Rappel à :</translation>
    </message>
    <message>
        <source>The hour of the notice period&apos;s reminder</source>
        <translation>L'heure du rappel du préavis</translation>
    </message>
    <message>
        <source>More reminders:</source>
        <translation>Autres rappels :</translation>
    </message>
    <message>
        <source>Days before:</source>
        <translation>Jours avant :</translation>
    </message>
    <message>
        <source>At:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Heures avant :</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes avant :</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Adds a reminder the days (and hours) before the event given above</source>
        <translation>Ajoute un rappel les jours (et heures) indiqués ci-dessus avant l'événement</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Removes the reminder chosen in the list</source>
        <translation>Retire le rappel choisi dans la liste</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Ajouté : %1</translation>
    </message>
    <message>
        <source>On the day at %1</source>
        <translation>Le jour même à %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day before at %1</source>
        <translation>
            <numerusform>%n jour avant à %1</numerusform>
            <numerusform>%n jours avant à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days before at %1</source>
        <translation>
            <numerusform>%n jour avant à %1</numerusform>
            <numerusform>%n jours avant à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day after at %1</source>
        <translation>
            <numerusform>%n jour après à %1</numerusform>
            <numerusform>%n jours après à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days after at %1</source>
        <translation>
            <numerusform>%n jour après à %1</numerusform>
            <numerusform>%n jours après à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>At its end</source>
        <translation>À sa fin</translation>
    </message>
    <message>
        <source>At its time</source>
        <translation>À son heure</translation>
    </message>
    <message>
        <source>%1 before its end</source>
        <translation>%1 avant sa fin</translation>
    </message>
    <message>
        <source>%1 after its end</source>
        <translation>%1 après sa fin</translation>
    </message>
    <message>
        <source>%1 before</source>
        <translation>%1 avant</translation>
    </message>
    <message>
        <source>%1 after</source>
        <translation>%1 après</translation>
    </message>
</context>
<context>
    <name>WhatsUpScreens</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Moonrill</source>
        <translation>À propos de Moonrill</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>This application remembers important events for you and makes you aware of them. Add, edit, print, copy and search with this utility.</source>
        <translation>Ce programme retient pour vous les événements importants et vous les rappelle. Ajoutez, modifiez, imprimez, copiez et cherchez avec cet outil.</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Logiciel libre sous GNU GPL, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Send e-mail</source>
        <translation>Envoyer un e-mail</translation>
    </message>
    <message>
        <source>Moonrill on Web</source>
        <translation>Moonrill sur le Web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système...</translation>
    </message>
</context>
<context>
    <name>frmAddEvent</name>
    <message>
        <source>Add Event</source>
        <translation>Ajouter un événement</translation>
    </message>
    <message>
        <source>Set&apos;s the interval. For instance 1 is %1 and 3 is %2</source>
        <translation>Fixe l&apos;intervalle. Par exemple, 1 donne %1 et 3 donne %2</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>This where you write the name off the current event</source>
        <translation>Écrivez ici le nom de l&apos;événement</translation>
    </message>
    <message>
        <source>Starting on:</source>
        <translation>Commence le :</translation>
    </message>
    <message>
        <source>Set the date of the event</source>
        <translation>Fixe la date de l&apos;événement</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Sets the type of event</source>
        <translation>Fixe le type de l&apos;événement</translation>
    </message>
    <message>
        <source>Notice period:</source>
        <translation>Préavis :</translation>
    </message>
    <message>
        <source>Sets how many days ahead of the event you should be reminded</source>
        <translation>Fixe combien de jours avant l&apos;événement vous êtes prévenu</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <source>E-mail this person on the birthday?</source>
        <translation>Écrire à cette personne le jour de son anniversaire ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Year of birth:</source>
        <translation>Année de naissance :</translation>
    </message>
    <message>
        <source>The year the person was born, to show their age</source>
        <translation>L&apos;année de naissance de la personne, pour montrer son âge</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>Sets whether the event keeps its day of the month or its weekday</source>
        <translation>Indique si l&apos;événement garde son jour du mois ou son jour de la semaine</translation>
    </message>
    <message>
        <source>Falls on</source>
        <translation>Tombe le</translation>
    </message>
    <message>
        <source>First year:</source>
        <translation>Première année :</translation>
    </message>
    <message>
        <source>The year it was first, to count the years</source>
        <translation>L&apos;année de la première fois, pour compter les années</translation>
    </message>
    <message>
        <source>first %1</source>
        <translation>premier %1</translation>
    </message>
    <message>
        <source>second %1</source>
        <translation>deuxième %1</translation>
    </message>
    <message>
        <source>third %1</source>
        <translation>troisième %1</translation>
    </message>
    <message>
        <source>fourth %1</source>
        <translation>quatrième %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <translation>dernier %1</translation>
    </message>
    <message>
        <source>day %1</source>
        <translation>jour %1</translation>
    </message>
</context>
<context>
    <name>frmBug</name>
    <message>
        <source>Bug Report</source>
        <translation>Rapport de bogue</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Sujet :</translation>
    </message>
    <message>
        <source>Question / support</source>
        <translation>Question / aide</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Demande</translation>
    </message>
    <message>
        <source>Get in touch with me...</source>
        <translation>Écrivez-moi...</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find Event</source>
        <translation>Chercher un événement</translation>
    </message>
    <message>
        <source>Find What:</source>
        <translation>Chercher :</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Chercher</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Percent Complete:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Progression de la recherche</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Chercher la &amp;suite</translation>
    </message>
    <message>
        <source>Found: %1, %2</source>
        <translation>Trouvé : %1, %2</translation>
    </message>
</context>
<context>
    <name>frmLiveUpdate</name>
    <message>
        <source>Check For Update</source>
        <translation>Chercher une mise à jour</translation>
    </message>
    <message>
        <source>There is no update available.</source>
        <translation>Aucune mise à jour n&apos;est disponible.</translation>
    </message>
    <message>
        <source>Check For Update -  Control Panel</source>
        <translation>Chercher une mise à jour – Contrôle</translation>
    </message>
    <message>
        <source>Click Begin to Check For Update</source>
        <translation>Cliquez pour chercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;Check For Update</source>
        <translation>Chercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>État : </translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Time: %1 Seconds</source>
        <translation>Temps : %1 secondes</translation>
    </message>
    <message>
        <source>Checking for updated version.</source>
        <translation>Recherche d&apos;une nouvelle version.</translation>
    </message>
    <message>
        <source>There is an update available: Version </source>
        <translation>Une mise à jour est disponible : version </translation>
    </message>
    <message>
        <source>Getting updated file (2,7 MB)</source>
        <translation>Téléchargement du fichier (2,7 Mo)</translation>
    </message>
    <message>
        <source>Save update</source>
        <translation>Enregistrer la mise à jour</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Fichiers zip (*.zip)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Edit event</source>
        <translation>Modifier l&apos;événement</translation>
    </message>
    <message>
        <source>Do you really want to delete &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>Undo deletion of &apos;%1&apos;</source>
        <translation>Annuler la suppression de « %1 »</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import the birthdays of the address book at %1?<byte value="xd"/>
No picks a file instead.</source>
        <translation>Importer les anniversaires du carnet d&apos;adresses %1 ?<byte value="xd"/>
Non choisit un fichier à la place.</translation>
    </message>
    <message>
        <source>Import Birthdays</source>
        <translation>Importer des anniversaires</translation>
    </message>
    <message>
        <source>Address books (*.vcf *.vcard)</source>
        <translation>Carnets d&apos;adresses (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>Reading the address book on the server...</source>
        <translation>Lecture du carnet d&apos;adresses sur le serveur...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The address book could not be read: %1</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Reading the address book...</source>
        <translation>Lecture du carnet d&apos;adresses...</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exporter le calendrier</translation>
    </message>
    <message>
        <source>Keep this file up to date</source>
        <translation>Garder ce fichier à jour</translation>
    </message>
    <message>
        <source>Rewrite this file at every save, for a calendar program that subscribes to it</source>
        <translation>Réécrire ce fichier à chaque enregistrement, pour un agenda qui s&apos;y abonne</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Import Birthdays...</source>
        <translation>Importer des &amp;anniversaires...</translation>
    </message>
    <message>
        <source>E&amp;xport Calendar...</source>
        <translation>E&amp;xporter le calendrier...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Add Event</source>
        <translation>&amp;Ajouter un événement</translation>
    </message>
    <message>
        <source>&amp;Edit Event</source>
        <translation>&amp;Modifier l&apos;événement</translation>
    </message>
    <message>
        <source>&amp;Delete Event</source>
        <translation>&amp;Supprimer l&apos;événement</translation>
    </message>
    <message>
        <source>Delete All Events</source>
        <translation>Supprimer tous les événements</translation>
    </message>
    <message>
        <source>&amp;Copy Event To Clipboard</source>
        <translation>&amp;Copier l&apos;événement dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy All Events To Clipboard</source>
        <translation>Copier tous les événements dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Find Event</source>
        <translation>C&amp;hercher un événement</translation>
    </message>
    <message>
        <source>Scan Events</source>
        <translation>Passer en revue</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Activé</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Check For Update</source>
        <translation>Chercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;Express Contact</source>
        <translation>&amp;Contact express</translation>
    </message>
    <message>
        <source>&amp;Visit Website</source>
        <translation>&amp;Visiter le site web</translation>
    </message>
    <message>
        <source>&amp;About Moonrill...</source>
        <translation>À &amp;propos de Moonrill...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Event</source>
        <translation>&amp;Événement</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Run Scan Events On Windows Startup</source>
        <translation>&amp;Passer en revue à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Add Event</source>
        <translation>Ajouter un événement</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Modifier l&apos;événement</translation>
    </message>
    <message>
        <source>Delete Event</source>
        <translation>Supprimer l&apos;événement</translation>
    </message>
    <message>
        <source>Copy Event To Clipboard</source>
        <translation>Copier l&apos;événement dans le presse-papiers</translation>
    </message>
    <message>
        <source>Find Event</source>
        <translation>Chercher un événement</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print Events</source>
        <translation>Imprimer les événements</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The calendar could not be synced when Moonrill last ran:<byte value="xd"/>
</source>
        <translation>Le calendrier n&apos;a pas pu être synchronisé lors du dernier lancement de Moonrill :<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 is not an address book: it holds no contact.</source>
        <translation>%1 n&apos;est pas un carnet d&apos;adresses : il ne contient aucun contact.</translation>
    </message>
    <message>
        <source>The address book holds %1 new birthdays, but the list has room for %2 more events.<byte value="xd"/>
Nothing was imported.</source>
        <translation>Le carnet d&apos;adresses contient %1 nouveaux anniversaires, mais la liste n&apos;a de place que pour %2 événements de plus.<byte value="xd"/>
Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The calendar was written to %1: %2 event.</source>
        <translation>Le calendrier a été écrit dans %1 : %2 événement.</translation>
    </message>
    <message>
        <source>The calendar was written to %1: %2 events.</source>
        <translation>Le calendrier a été écrit dans %1 : %2 événements.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 event dated after the year %2 was left out: calendar programs cannot read such dates.</source>
        <translation><byte value="xd"/>
%1 événement daté d&apos;après l&apos;an %2 a été laissé de côté : les agendas ne savent pas lire de telles dates.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 events dated after the year %2 were left out: calendar programs cannot read such dates.</source>
        <translation><byte value="xd"/>
%1 événements datés d&apos;après l&apos;an %2 ont été laissés de côté : les agendas ne savent pas lire de telles dates.</translation>
    </message>
    <message>
        <source>The changes that were not saved are kept as %1.</source>
        <translation>Les changements non enregistrés sont gardés sous le nom %1.</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>le serveur a répondu %1</translation>
    </message>
    <message>
        <source>the server&apos;s answer is no address book it can read</source>
        <translation>la réponse du serveur n’est pas un carnet d’adresses lisible</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server is empty now, but the list still holds its %n events.<byte value="xd"/>
<byte value="xd"/>
Remove them from the list too? (No puts them on the server again.)</source>
        <translation>
            <numerusform>Le calendrier du serveur est vide maintenant, mais la liste contient encore son %n événement.<byte value="xd"/>
<byte value="xd"/>
Le supprimer aussi de la liste ? (Non le remet sur le serveur.)</numerusform>
            <numerusform>Le calendrier du serveur est vide maintenant, mais la liste contient encore ses %n événements.<byte value="xd"/>
<byte value="xd"/>
Les supprimer aussi de la liste ? (Non les remet sur le serveur.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list is empty now, but the calendar on the server still holds its %n events.<byte value="xd"/>
<byte value="xd"/>
Remove them from the server too? (No brings them back into the list.)</source>
        <translation>
            <numerusform>La liste est vide maintenant, mais le calendrier du serveur contient encore son %n événement.<byte value="xd"/>
<byte value="xd"/>
Le supprimer aussi du serveur ? (Non le ramène dans la liste.)</numerusform>
            <numerusform>La liste est vide maintenant, mais le calendrier du serveur contient encore ses %n événements.<byte value="xd"/>
<byte value="xd"/>
Les supprimer aussi du serveur ? (Non les ramène dans la liste.)</numerusform>
        </translation>
    </message>
    <message>
        <source>Calendar S&amp;ync...</source>
        <translation>&amp;Synchroniser le calendrier...</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>&amp;Désactivé</translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation>Importer un calendrier</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb)</source>
        <translation>Calendriers (*.ics *.ical *.icalendar *.ifb)</translation>
    </message>
    <message>
        <source>%1 is not a calendar: it holds no event.</source>
        <translation>%1 n&apos;est pas un calendrier : il ne contient aucun événement.</translation>
    </message>
    <message>
        <source>The calendar holds %1 new events, but the list has room for %2 more events.<byte value="xd"/>
Nothing was imported.</source>
        <translation>Le calendrier contient %1 nouveaux événements, mais la liste n&apos;a de place que pour %2 événements de plus.<byte value="xd"/>
Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Import &amp;Calendar...</source>
        <translation>Importer un &amp;calendrier...</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server lost %n of its events since the last sync, nearly all it held.<byte value="xd"/>
<byte value="xd"/>
Remove them from the list too? (No puts them on the server again.)</source>
        <translation>
            <numerusform>Le calendrier du serveur a perdu %n de ses événements depuis la dernière synchronisation, presque tous.<byte value="xd"/>
<byte value="xd"/>
Les supprimer aussi de la liste ? (Non les remet sur le serveur.)</numerusform>
            <numerusform>Le calendrier du serveur a perdu %n de ses événements depuis la dernière synchronisation, presque tous.<byte value="xd"/>
<byte value="xd"/>
Les supprimer aussi de la liste ? (Non les remet sur le serveur.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list lost %n of its events since the last sync, nearly all it held.<byte value="xd"/>
<byte value="xd"/>
Remove them from the server too? (No brings them back into the list.)</source>
        <translation>
            <numerusform>La liste a perdu %n de ses événements depuis la dernière synchronisation, presque tous.<byte value="xd"/>
<byte value="xd"/>
Les supprimer aussi du serveur ? (Non les remet dans la liste.)</numerusform>
            <numerusform>La liste a perdu %n de ses événements depuis la dernière synchronisation, presque tous.<byte value="xd"/>
<byte value="xd"/>
Les supprimer aussi du serveur ? (Non les remet dans la liste.)</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed on the calendar server while you edited it.<byte value="xd"/>
Your edit is kept as an event of its own.</source>
        <translation>« %1 » a été modifié sur le serveur de calendrier pendant que vous le modifiiez.<byte value="xd"/>
Votre modification est conservée comme un événement à part.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was removed on the calendar server while you edited it.<byte value="xd"/>
Your edit is kept as an event of its own.</source>
        <translation>« %1 » a été supprimé du serveur de calendrier pendant que vous le modifiiez.<byte value="xd"/>
Votre modification est conservée comme un événement à part.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed on the calendar server while you were asked, so it was not deleted.</source>
        <translation>« %1 » a été modifié sur le serveur de calendrier pendant la question ; il n’a donc pas été supprimé.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was removed on the calendar server while you were asked.</source>
        <translation>« %1 » a été supprimé du serveur de calendrier pendant la question.</translation>
    </message>
    <message>
        <source>Moonrill shows what falls due when you log on, and each morning. To switch this off: %1.</source>
        <translation>Moonrill montre ce qui arrive à échéance à chaque ouverture de session et chaque matin. Pour le désactiver : %1.</translation>
    </message>
    <message>
        <source>The calendar could not be synced:<byte value="xd"/>
</source>
        <translation>Le calendrier n’a pas pu être synchronisé :<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmSync</name>
    <message>
        <source>Calendar Sync</source>
        <translation>Synchronisation du calendrier</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>Asking %1 ...</source>
        <translation>Interrogation de %1...</translation>
    </message>
    <message>
        <source>No answer: </source>
        <translation>Pas de réponse : </translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>URL du &amp;calendrier :</translation>
    </message>
    <message>
        <source>&amp;Address book URL:</source>
        <translation>URL du carnet d&apos;a&amp;dresses :</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>as kept in the keyring</source>
        <translation>tel que gardé dans le trousseau</translation>
    </message>
    <message>
        <source>%1, so the password cannot be kept.<byte value="xd"/>
Use it for this run only?</source>
        <translation>%1 : le mot de passe ne peut donc pas être gardé.<byte value="xd"/>
L&apos;utiliser pour cette session seulement ?</translation>
    </message>
    <message>
        <source>Calendars found</source>
        <translation>Calendriers trouvés</translation>
    </message>
    <message>
        <source>A calendar is there: its events can be synced.</source>
        <translation>Un calendrier est là : les événements peuvent y être synchronisés.</translation>
    </message>
    <message>
        <source>A calendar is there (%1): its events can be synced.</source>
        <translation>Un calendrier est là (%1) : les événements peuvent y être synchronisés.</translation>
    </message>
    <message>
        <source>A calendar is there, but it takes no events (only tasks or notes): choose another.</source>
        <translation>Un calendrier est là, mais il ne prend pas d’événements (seulement des tâches ou des notes) : choisissez-en un autre.</translation>
    </message>
    <message>
        <source>Choose a calendar...</source>
        <translation>Choisir un calendrier...</translation>
    </message>
    <message>
        <source>No calendar is there, and none was found at this address.</source>
        <translation>Aucun calendrier n’est là, et aucun n’a été trouvé à cette adresse.</translation>
    </message>
    <message>
        <source>as given for this run</source>
        <translation>tel que saisi pour cette session</translation>
    </message>
    <message>
        <source>none kept: type it to use it</source>
        <translation>aucun gardé : saisissez-le pour l’utiliser</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Nothing there: </source>
        <translation>Rien à cette adresse : </translation>
    </message>
    <message>
        <source>Calendar chosen: %1. OK syncs the list with it; Test asks it first.</source>
        <translation>Calendrier choisi : %1. OK synchronise la liste avec lui ; Tester l’interroge d’abord.</translation>
    </message>
    <message numerus="yes">
        <source>This address is an account, not a calendar. Choose one of its calendars (%n) in the list above.</source>
        <translation>
            <numerusform>Cette adresse est un compte, pas un calendrier. Il contient %n calendrier : choisissez-le dans la liste ci-dessus.</numerusform>
            <numerusform>Cette adresse est un compte, pas un calendrier. Il contient %n calendriers : choisissez-en un dans la liste ci-dessus.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Make Calendar</source>
        <translation>Cré&amp;er le calendrier</translation>
    </message>
    <message>
        <source>Making a calendar at %1 ...</source>
        <translation>Création d’un calendrier à %1 ...</translation>
    </message>
    <message>
        <source>A calendar was made (%1): its events can be synced.</source>
        <translation>Un calendrier a été créé (%1) : ses événements peuvent être synchronisés.</translation>
    </message>
    <message>
        <source>No calendar was made: %1</source>
        <translation>Aucun calendrier n’a été créé : %1</translation>
    </message>
</context>
<context>
    <name>frmWhatsUp</name>
    <message>
        <source>Moonrill - Upcoming Events</source>
        <translation>Moonrill – Événements à venir</translation>
    </message>
    <message>
        <source>Upcoming events</source>
        <translation>Événements à venir</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Event description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Upcoming: %1</source>
        <translation>À venir : %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n de plus</numerusform>
            <numerusform>et %n de plus</numerusform>
        </translation>
    </message>
</context>
</TS>
