<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>EventListModel</name>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Notice period</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>EventTypes</name>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Every %1th week</source>
        <translation>Cada %1 semanas</translation>
    </message>
    <message>
        <source>Every %1th month</source>
        <translation>Cada %1 meses</translation>
    </message>
    <message>
        <source>Every %1th year</source>
        <translation>Cada %1 años</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>%1 on the first %2</source>
        <translation>%1, el primer %2</translation>
    </message>
    <message>
        <source>%1 on the second %2</source>
        <translation>%1, el segundo %2</translation>
    </message>
    <message>
        <source>%1 on the third %2</source>
        <translation>%1, el tercer %2</translation>
    </message>
    <message>
        <source>%1 on the fourth %2</source>
        <translation>%1, el cuarto %2</translation>
    </message>
    <message>
        <source>%1 on the last %2</source>
        <translation>%1, el último %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Moonrill Help</source>
        <translation>Ayuda de Moonrill</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>The help file %1 cannot be found or read. Please reinstall the program.</source>
        <translation>No se puede encontrar o leer el archivo de ayuda %1. Vuelva a instalar el programa, por favor.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>Please tell me what this is about!</source>
        <translation>¡Dígame de qué se trata, por favor!</translation>
    </message>
    <message>
        <source>Please type in some words...!</source>
        <translation>¡Escriba algunas palabras, por favor...!</translation>
    </message>
    <message>
        <source>Description missing!</source>
        <translation>¡Falta la descripción!</translation>
    </message>
    <message>
        <source>Event cannot contain: $$<byte value="xd"/>
Please retype event descripton!</source>
        <translation>Un evento no puede contener: $$<byte value="xd"/>
¡Vuelva a escribir la descripción, por favor!</translation>
    </message>
    <message>
        <source>E-mail address cannot contain: $<byte value="xd"/>
Please retype the e-mail address!</source>
        <translation>Una dirección de correo no puede contener: $<byte value="xd"/>
¡Vuelva a escribir la dirección, por favor!</translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address!</source>
        <translation>¡Escriba una dirección de correo válida, por favor!</translation>
    </message>
    <message>
        <source>The year of birth cannot lie after the date!</source>
        <translation>¡El año de nacimiento no puede ser posterior a la fecha!</translation>
    </message>
    <message>
        <source>The whole list has been searched.</source>
        <translation>Se ha buscado en toda la lista.</translation>
    </message>
    <message>
        <source>Eventlist is not saved! Do you want to save?</source>
        <translation>¡La lista de eventos no está guardada! ¿Desea guardarla?</translation>
    </message>
    <message>
        <source>No events available!</source>
        <translation>¡No hay eventos!</translation>
    </message>
    <message>
        <source>This event has already happened!<byte value="xd"/>
Please try again</source>
        <translation>¡Este evento ya ha pasado!<byte value="xd"/>
Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Not found!</source>
        <translation>¡No encontrado!</translation>
    </message>
    <message>
        <source>Do you really want to delete all events?</source>
        <translation>¿Desea realmente eliminar todos los eventos?</translation>
    </message>
    <message>
        <source>Moonrill was closed before your changes were saved.<byte value="xd"/>
Do you want to restore them?</source>
        <translation>Moonrill se cerró antes de guardar sus cambios.<byte value="xd"/>
¿Desea recuperarlos?</translation>
    </message>
    <message>
        <source>Animation missing. Please reinstall the program</source>
        <translation>Falta la animación. Vuelva a instalar el programa, por favor</translation>
    </message>
    <message>
        <source>This link cannot be opened: only web (http, https) and e-mail (mailto) links are opened.<byte value="xd"/>
</source>
        <translation>Este enlace no se puede abrir: solo se abren enlaces web (http, https) y de correo (mailto).<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Your action caused an error: %1<byte value="xd"/>
<byte value="xd"/>
Go to About for support</source>
        <translation>Su acción ha causado un error: %1<byte value="xd"/>
<byte value="xd"/>
Vea «Acerca de» para obtener ayuda</translation>
    </message>
    <message>
        <source>Update aborted</source>
        <translation>Actualización cancelada</translation>
    </message>
    <message>
        <source>Operation timed out. Please try again later</source>
        <translation>Se agotó el tiempo. Inténtelo de nuevo más tarde</translation>
    </message>
    <message>
        <source>Update failed! Please try again some other time, and make sure you are connected to Internet.</source>
        <translation>¡La actualización ha fallado! Inténtelo más tarde y compruebe que está conectado a Internet.</translation>
    </message>
    <message>
        <source>Birthdays imported: %1<byte value="xd"/>
Already in the list: %2<byte value="xd"/>
Contacts without a birthday: %3</source>
        <translation>Cumpleaños importados: %1<byte value="xd"/>
Ya en la lista: %2<byte value="xd"/>
Contactos sin cumpleaños: %3</translation>
    </message>
    <message>
        <source>The event-list has been sent to the  <byte value="xd"/>
%1 printer on %2.</source>
        <translation>La lista de eventos se ha enviado a la impresora<byte value="xd"/>
%1 en %2.</translation>
    </message>
    <message>
        <source>A serious error occured!<byte value="xd"/>
If this continues, please reinstall the program!</source>
        <translation>¡Se ha producido un error grave!<byte value="xd"/>
Si continúa, vuelva a instalar el programa, por favor.</translation>
    </message>
    <message>
        <source>Eventlist was corrupt. </source>
        <translation>La lista de eventos estaba dañada. </translation>
    </message>
    <message>
        <source>%1 line in the event-file has been ignored.</source>
        <translation>Se ha omitido %1 línea del archivo de eventos.</translation>
    </message>
    <message>
        <source>%1 lines in the event-file has been ignored.</source>
        <translation>Se han omitido %1 líneas del archivo de eventos.</translation>
    </message>
    <message>
        <source>The original file is kept as %1.</source>
        <translation>El archivo original se conserva como %1.</translation>
    </message>
    <message>
        <source>The original file could not be kept as a backup (%1), so the file was left as it was.</source>
        <translation>El archivo original no se pudo conservar como copia (%1), así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>The event file was changed by another program. Its version is kept as %1.</source>
        <translation>Otro programa cambió el archivo de eventos. Su versión se conserva como %1.</translation>
    </message>
    <message>
        <source>The list lacks the lines of the event file from line %1 on, which could not be loaded. The file as it was is kept as %2.</source>
        <translation>A la lista le faltan las líneas del archivo de eventos desde la línea %1, que no se pudieron cargar. El archivo tal como estaba se conserva como %2.</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>How the language writes an ordinal number; English forms its own (&quot;1st&quot;, &quot;2nd&quot;, &quot;71st&quot;).</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>1th</source>
        <extracomment>The ordinal of one, where it differs from the other numbers&apos; form (&quot;1er&quot;).</extracomment>
        <translation>1.º</translation>
    </message>
    <message>
        <source>Birthday: &apos;%1&apos;<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Cumpleaños: «%1»<byte value="xd"/>
¿Desea escribir a esta persona?</translation>
    </message>
    <message>
        <source>Belated birthday: &apos;%1&apos;<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Cumpleaños pasado: «%1»<byte value="xd"/>
¿Desea escribir a esta persona?</translation>
    </message>
    <message>
        <source>Birthday: &apos;%1&apos; turns %2<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Cumpleaños: «%1» cumple %2<byte value="xd"/>
¿Desea escribir a esta persona?</translation>
    </message>
    <message>
        <source>Belated birthday: &apos;%1&apos; turned %2<byte value="xd"/>
Do you want to e-mail this person?</source>
        <translation>Cumpleaños pasado: «%1» cumplió %2<byte value="xd"/>
¿Desea escribir a esta persona?</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <translation>¡Feliz cumpleaños!</translation>
    </message>
    <message>
        <source>Happy belated birthday!</source>
        <translation>¡Feliz cumpleaños atrasado!</translation>
    </message>
    <message>
        <source>Happy %1 birthday!</source>
        <translation>¡Feliz %1 cumpleaños!</translation>
    </message>
    <message>
        <source>Happy belated %1 birthday!</source>
        <translation>¡Feliz %1 cumpleaños atrasado!</translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n upcoming event</source>
        <translation>
            <numerusform>Moonrill: %n evento próximo</numerusform>
            <numerusform>Moonrill: %n eventos próximos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n upcoming events</source>
        <translation>
            <numerusform>Moonrill: %n evento próximo</numerusform>
            <numerusform>Moonrill: %n eventos próximos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Yesterday:</source>
        <translation>Ayer:</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago:</source>
        <translation>
            <numerusform>Hace %n día:</numerusform>
            <numerusform>Hace %n días:</numerusform>
        </translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Hoy:</translation>
    </message>
    <message>
        <source>Tomorrow:</source>
        <translation>Mañana:</translation>
    </message>
    <message numerus="yes">
        <source>In %n days:</source>
        <translation>
            <numerusform>En %n día:</numerusform>
            <numerusform>En %n días:</numerusform>
        </translation>
    </message>
    <message>
        <source>the server points to %1; Moonrill sends the password only to the address set</source>
        <translation>el servidor remite a %1; Moonrill envía la contraseña solo a la dirección configurada</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>el servidor respondió %1</translation>
    </message>
    <message>
        <source>the server&apos;s answer is no answer a calendar server gives</source>
        <translation>la respuesta del servidor no es la de un servidor de calendarios</translation>
    </message>
    <message>
        <source>the server&apos;s answer was larger than %1 bytes and was cut off</source>
        <translation>la respuesta del servidor superaba los %1 bytes y se cortó</translation>
    </message>
    <message>
        <source>the server sent the request on to %1; Moonrill sends the password only to the address set (%2), so it was not followed</source>
        <translation>el servidor reenvió la petición a %1; Moonrill envía la contraseña solo a la dirección configurada (%2), así que no se siguió</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>el servidor no respondió a tiempo</translation>
    </message>
    <message>
        <source>the server did not accept the user name and password</source>
        <translation>el servidor no aceptó el nombre de usuario y la contraseña</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>el servidor respondió %1 %2</translation>
    </message>
    <message>
        <source>%1 is no address of a calendar</source>
        <translation>%1 no es la dirección de un calendario</translation>
    </message>
    <message>
        <source>%1 holds a user name or password: give them in their own fields, not in the address</source>
        <translation>%1 contiene un nombre de usuario o una contraseña: indíquelos en sus propios campos, no en la dirección</translation>
    </message>
    <message>
        <source>%1 does not use https: the password would travel readable</source>
        <translation>%1 no usa https: la contraseña viajaría legible</translation>
    </message>
    <message>
        <source>%1; nothing more was sent</source>
        <translation>%1; no se envió nada más</translation>
    </message>
    <message>
        <source>no calendar is set</source>
        <translation>no hay ningún calendario configurado</translation>
    </message>
    <message>
        <source>another sync of this list is under way; what changed is sent at the next sync</source>
        <translation>otra sincronización de esta lista está en curso; lo que cambió se enviará en la próxima</translation>
    </message>
    <message>
        <source>no event</source>
        <translation>ningún evento</translation>
    </message>
    <message>
        <source>exceptions to its rule</source>
        <translation>excepciones a su regla</translation>
    </message>
    <message>
        <source>several events</source>
        <translation>varios eventos</translation>
    </message>
    <message>
        <source>no title</source>
        <translation>sin título</translation>
    </message>
    <message>
        <source>a UID the list cannot keep</source>
        <translation>un UID que la lista no puede guardar</translation>
    </message>
    <message>
        <source>a rule of another calendar</source>
        <translation>una regla de otro calendario</translation>
    </message>
    <message>
        <source>a rule the list cannot read</source>
        <translation>una regla que la lista no puede leer</translation>
    </message>
    <message>
        <source>a rule by time of day</source>
        <translation>una regla por hora del día</translation>
    </message>
    <message>
        <source>a rule with an end</source>
        <translation>una regla con fin</translation>
    </message>
    <message>
        <source>a rule by position</source>
        <translation>una regla por posición</translation>
    </message>
    <message>
        <source>a rule by week or day of the year</source>
        <translation>una regla por semana o día del año</translation>
    </message>
    <message>
        <source>an interval the list cannot keep</source>
        <translation>un intervalo que la lista no puede guardar</translation>
    </message>
    <message>
        <source>a rule by weekday</source>
        <translation>una regla por día de la semana</translation>
    </message>
    <message>
        <source>a rule by day of the month</source>
        <translation>una regla por día del mes</translation>
    </message>
    <message>
        <source>a rule by month</source>
        <translation>una regla por mes</translation>
    </message>
    <message>
        <source>a start off its rule</source>
        <translation>un inicio fuera de su regla</translation>
    </message>
    <message>
        <source>a rule of days other than whole weeks</source>
        <translation>una regla en días que no son semanas enteras</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>sin fecha</translation>
    </message>
    <message>
        <source>a date the list cannot keep</source>
        <translation>una fecha que la lista no puede guardar</translation>
    </message>
    <message>
        <source>extra dates</source>
        <translation>fechas adicionales</translation>
    </message>
    <message>
        <source>several rules</source>
        <translation>varias reglas</translation>
    </message>
    <message>
        <source>a reminder the list cannot read</source>
        <translation>un recordatorio que la lista no puede leer</translation>
    </message>
    <message>
        <source>a reminder too long before</source>
        <translation>un recordatorio con demasiada antelación</translation>
    </message>
    <message>
        <source>the time for the sync ran out</source>
        <translation>se agotó el tiempo de la sincronización</translation>
    </message>
    <message>
        <source>%1 changed on the server during the sync</source>
        <translation>%1 cambió en el servidor durante la sincronización</translation>
    </message>
    <message numerus="yes">
        <source>Changed on both sides, so both versions are in the list and on the server (%n): %1</source>
        <translation>
            <numerusform>Cambiado en ambos lados: las dos versiones están en la lista y en el servidor (%n): %1</numerusform>
            <numerusform>Cambiado en ambos lados: las dos versiones están en la lista y en el servidor (%n): %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left on the server, the list cannot hold them (%n): %1</source>
        <translation>
            <numerusform>Dejados en el servidor, la lista no puede contenerlos (%n): %1</numerusform>
            <numerusform>Dejados en el servidor, la lista no puede contenerlos (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent: %1 new, %2 changed, %3 removed; taken: %4 new, %5 changed, %6 removed</source>
        <translation>Enviados: %1 nuevos, %2 cambiados, %3 eliminados; recibidos: %4 nuevos, %5 cambiados, %6 eliminados</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server is empty, but the list still holds its %n events: nothing was removed</source>
        <translation>
            <numerusform>El calendario del servidor está vacío, pero la lista aún contiene su %n evento: no se eliminó nada</numerusform>
            <numerusform>El calendario del servidor está vacío, pero la lista aún contiene sus %n eventos: no se eliminó nada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list is empty, but the calendar on the server still holds its %n events: nothing was removed</source>
        <translation>
            <numerusform>La lista está vacía, pero el calendario del servidor aún contiene su %n evento: no se eliminó nada</numerusform>
            <numerusform>La lista está vacía, pero el calendario del servidor aún contiene sus %n eventos: no se eliminó nada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not sent, sent at the next sync: %1</source>
        <translation>
            <numerusform>%n sin enviar, se enviará en la próxima sincronización: %1</numerusform>
            <numerusform>%n sin enviar, se enviarán en la próxima sincronización: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Taken from the calendar server (%n): %1</source>
        <translation>
            <numerusform>Recibidos del servidor de calendario (%n): %1</numerusform>
            <numerusform>Recibidos del servidor de calendario (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Moonrill started during the sync; its next save syncs the list</source>
        <translation>Moonrill se abrió durante la sincronización; al guardar la próxima vez sincroniza la lista</translation>
    </message>
    <message>
        <source>the event file changed during the sync; nothing was taken, run the sync again</source>
        <translation>el archivo de eventos cambió durante la sincronización; no se recibió nada, sincronice de nuevo</translation>
    </message>
    <message>
        <source>the list has no room for the events the server holds</source>
        <translation>la lista no tiene espacio para los eventos del servidor</translation>
    </message>
    <message>
        <source>the calendar on the server is larger than any list it can come from</source>
        <translation>el calendario del servidor es más grande que cualquier lista de la que pueda venir</translation>
    </message>
    <message>
        <source>What changed on the server is taken at the next save</source>
        <translation>Lo que cambió en el servidor se recibe al guardar la próxima vez</translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n missed event</source>
        <translation>
            <numerusform>Moonrill: %n evento perdido</numerusform>
            <numerusform>Moonrill: %n eventos perdidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moonrill: %n missed events</source>
        <translation>
            <numerusform>Moonrill: %n evento perdido</numerusform>
            <numerusform>Moonrill: %n eventos perdidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n missed</source>
        <translation>
            <numerusform>, %n perdido</numerusform>
            <numerusform>, %n perdidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Moonrill is already running, but it does not answer, so its window cannot be brought forward.<byte value="xd"/>
End the running Moonrill and start it again.</source>
        <translation>Moonrill ya está abierto, pero no responde, así que su ventana no puede traerse al frente.<byte value="xd"/>
Cierre el Moonrill en marcha y vuelva a iniciarlo.</translation>
    </message>
    <message>
        <source>No e-mail program could open a mail to %1.<byte value="xd"/>
The address is on the clipboard, to write to it another way.</source>
        <translation>Ningún programa de correo pudo abrir un mensaje para %1.<byte value="xd"/>
La dirección está en el portapapeles, para escribirle de otro modo.</translation>
    </message>
    <message>
        <source>The first year cannot lie after the date!</source>
        <translation>¡El primer año no puede ser posterior a la fecha!</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n year)</source>
        <translation>
            <numerusform>%1 (%n año)</numerusform>
            <numerusform>%1 (%n años)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n years)</source>
        <translation>
            <numerusform>%1 (%n año)</numerusform>
            <numerusform>%1 (%n años)</numerusform>
        </translation>
    </message>
    <message>
        <source>Events imported: %1<byte value="xd"/>
Already in the list: %2<byte value="xd"/>
One-time events already over: %3</source>
        <translation>Eventos importados: %1<byte value="xd"/>
Ya en la lista: %2<byte value="xd"/>
Eventos únicos ya pasados: %3</translation>
    </message>
    <message numerus="yes">
        <source>Left out, the list cannot hold them (%n): %1</source>
        <translation>
            <numerusform>Omitidos, la lista no puede contenerlos (%n): %1</numerusform>
            <numerusform>Omitidos, la lista no puede contenerlos (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>another object has its UID</source>
        <translation>otro objeto tiene el mismo UID</translation>
    </message>
    <message>
        <source>%1 is not sent: the server named a place for it outside the calendar</source>
        <translation>%1 no se envía: el servidor le asignó un lugar fuera del calendario</translation>
    </message>
    <message>
        <source>%1 is not removed: the server gave no version of it to name</source>
        <translation>%1 no se elimina: el servidor no dio ninguna versión que nombrar</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server lost %n of its events since the last sync, nearly all it held: nothing was removed</source>
        <translation>
            <numerusform>El calendario del servidor perdió %n de sus eventos desde la última sincronización, casi todos: no se eliminó nada</numerusform>
            <numerusform>El calendario del servidor perdió %n de sus eventos desde la última sincronización, casi todos: no se eliminó nada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list lost %n of its events since the last sync, nearly all it held: nothing was removed</source>
        <translation>
            <numerusform>La lista perdió %n de sus eventos desde la última sincronización, casi todos: no se eliminó nada</numerusform>
            <numerusform>La lista perdió %n de sus eventos desde la última sincronización, casi todos: no se eliminó nada</numerusform>
        </translation>
    </message>
    <message>
        <source>components nested deeper than calendars nest them</source>
        <translation>componentes anidados a más profundidad que en un calendario</translation>
    </message>
    <message>
        <source>a line longer than calendars write</source>
        <translation>una línea más larga que las que escriben los calendarios</translation>
    </message>
    <message>
        <source>a NUL character</source>
        <translation>un carácter NUL</translation>
    </message>
    <message>
        <source>no room left in the list</source>
        <translation>no queda sitio en la lista</translation>
    </message>
    <message>
        <source>the server&apos;s answer with it cannot be read</source>
        <translation>la respuesta del servidor que lo contiene no se puede leer</translation>
    </message>
    <message>
        <source>larger than an answer may be</source>
        <translation>más grande de lo que puede ser una respuesta</translation>
    </message>
    <message>
        <source>the server lists more than %1 objects or %2 MB, more than any calendar holds; nothing was synced</source>
        <translation>el servidor lista más de %1 objetos o %2 MB, más de lo que contiene un calendario; no se sincronizó nada</translation>
    </message>
    <message>
        <source>the server sent the same part of its listing again; nothing was synced</source>
        <translation>el servidor volvió a enviar la misma parte de su lista; no se sincronizó nada</translation>
    </message>
    <message>
        <source>the server&apos;s listing did not end after %1 parts; nothing was synced</source>
        <translation>la lista del servidor no terminó después de %1 partes; no se sincronizó nada</translation>
    </message>
    <message>
        <source>a meeting: changes stay on this computer</source>
        <translation>una reunión: los cambios se quedan en este ordenador</translation>
    </message>
    <message>
        <source>a day some months lack</source>
        <translation>un día que algunos meses no tienen</translation>
    </message>
    <message>
        <source>a task or journal, not an event</source>
        <translation>una tarea o una entrada de diario, no un evento</translation>
    </message>
    <message>
        <source>Moonrill is running: close it, then sync</source>
        <translation>Moonrill se está ejecutando: ciérrelo y luego sincronice</translation>
    </message>
    <message>
        <source>the event file could not be read whole; start Moonrill first</source>
        <translation>no se pudo leer el archivo de eventos completo; inicie Moonrill primero</translation>
    </message>
    <message>
        <source>no calendar is set: calendar_url in the [sync] part of %1</source>
        <translation>no hay ningún calendario configurado: calendar_url en la parte [sync] de %1</translation>
    </message>
    <message>
        <source>No keyring service runs on this desktop</source>
        <translation>No hay ningún servicio de llavero en este escritorio</translation>
    </message>
    <message>
        <source>the keyring holds none for %1</source>
        <translation>el llavero no guarda ninguna para %1</translation>
    </message>
    <message>
        <source>the keyring is locked or refused</source>
        <translation>el llavero está bloqueado o deniega el acceso</translation>
    </message>
    <message>
        <source>the keyring is locked or has no collection to keep it in</source>
        <translation>el llavero está bloqueado o no tiene una colección donde guardarla</translation>
    </message>
    <message>
        <source>The keyring did not answer within %1 seconds</source>
        <translation>El llavero no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 no se puede leer</translation>
    </message>
    <message>
        <source>%1 may be read by others: keep the password in a file only you can read (chmod 600)</source>
        <translation>%1 pueden leerlo otros: guarde la contraseña en un archivo que solo usted pueda leer (chmod 600)</translation>
    </message>
    <message numerus="yes">
        <source>Turns %n on %1</source>
        <translation>
            <numerusform>Cumple %n año el %1</numerusform>
            <numerusform>Cumple %n años el %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a weekly rule on several weekdays</source>
        <translation>una regla semanal en varios días de la semana</translation>
    </message>
    <message>
        <source>a weekday of the month other than the first to the fourth or the last</source>
        <translation>un día de la semana del mes distinto del primero al cuarto o el último</translation>
    </message>
    <message>
        <source>a weekday of the year, not of a month</source>
        <translation>un día de la semana del año, no de un mes</translation>
    </message>
    <message>
        <source>no password: %1. Give it in File &gt; Calendar Sync.</source>
        <translation>sin contraseña: %1. Indíquela en Archivo &gt; Sincronizar calendario.</translation>
    </message>
    <message>
        <source>In 10 minutes</source>
        <translation>En 10 minutos</translation>
    </message>
    <message>
        <source>In an hour</source>
        <translation>En una hora</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message numerus="yes">
        <source>In %n minute: %1</source>
        <translation>
            <numerusform>En %n minuto: %1</numerusform>
            <numerusform>En %n minutos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %n minutes: %1</source>
        <translation>
            <numerusform>En %n minuto: %1</numerusform>
            <numerusform>En %n minutos: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Tomorrow %1: %2</source>
        <translation>Mañana %1: %2</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Hoy: %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1</source>
        <translation>Mañana: %1</translation>
    </message>
</context>
<context>
    <name>PrintEvents</name>
    <message>
        <source>PDF file</source>
        <translation>archivo PDF</translation>
    </message>
    <message>
        <source>Printing Now</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Moonrill - Events</source>
        <translation>Moonrill - Eventos</translation>
    </message>
    <message>
        <source>Printed with Moonrill, the reminder that remembers for you.</source>
        <translation>Impreso con Moonrill, el recordatorio que recuerda por usted.</translation>
    </message>
</context>
<context>
    <name>ReminderControls</name>
    <message>
        <source>At a &amp;time:</source>
        <translation>A una &amp;hora:</translation>
    </message>
    <message>
        <source>Gives the event a time of day; without one it lasts the whole day</source>
        <translation>Da al evento una hora del día; sin ella dura todo el día</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Hora del día</translation>
    </message>
    <message>
        <source>Reminder at:</source>
        <translation>Recordatorio a las:</translation>
    </message>
    <message>
        <source>The hour of the notice period&apos;s reminder</source>
        <translation>La hora del recordatorio del aviso</translation>
    </message>
    <message>
        <source>More reminders:</source>
        <translation>Más recordatorios:</translation>
    </message>
    <message>
        <source>Days before:</source>
        <translation>Días antes:</translation>
    </message>
    <message>
        <source>At:</source>
        <translation>A las:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Horas:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;ñadir</translation>
    </message>
    <message>
        <source>Adds a reminder the days (and hours) before the event given above</source>
        <translation>Añade un recordatorio los días (y horas) indicados arriba antes del evento</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Removes the reminder chosen in the list</source>
        <translation>Quita el recordatorio elegido en la lista</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Añadido: %1</translation>
    </message>
    <message>
        <source>On the day at %1</source>
        <translation>El mismo día a las %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day before at %1</source>
        <translation>
            <numerusform>%n día antes a las %1</numerusform>
            <numerusform>%n días antes a las %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days before at %1</source>
        <translation>
            <numerusform>%n día antes a las %1</numerusform>
            <numerusform>%n días antes a las %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day after at %1</source>
        <translation>
            <numerusform>%n día después a las %1</numerusform>
            <numerusform>%n días después a las %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days after at %1</source>
        <translation>
            <numerusform>%n día después a las %1</numerusform>
            <numerusform>%n días después a las %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>At its end</source>
        <translation>Al terminar</translation>
    </message>
    <message>
        <source>At its time</source>
        <translation>A su hora</translation>
    </message>
    <message>
        <source>%1 before its end</source>
        <translation>%1 antes de terminar</translation>
    </message>
    <message>
        <source>%1 after its end</source>
        <translation>%1 después de terminar</translation>
    </message>
    <message>
        <source>%1 before</source>
        <translation>%1 antes</translation>
    </message>
    <message>
        <source>%1 after</source>
        <translation>%1 después</translation>
    </message>
</context>
<context>
    <name>WhatsUpScreens</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Moonrill</source>
        <translation>Acerca de Moonrill</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>This application remembers important events for you and makes you aware of them. Add, edit, print, copy and search with this utility.</source>
        <translation>Este programa recuerda por usted los eventos importantes y se los avisa. Añada, edite, imprima, copie y busque con esta utilidad.</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Software libre bajo la GNU GPL, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Send e-mail</source>
        <translation>Enviar correo</translation>
    </message>
    <message>
        <source>Moonrill on Web</source>
        <translation>Moonrill en la Web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info del &amp;sistema...</translation>
    </message>
</context>
<context>
    <name>frmAddEvent</name>
    <message>
        <source>Add Event</source>
        <translation>Añadir evento</translation>
    </message>
    <message>
        <source>Set&apos;s the interval. For instance 1 is %1 and 3 is %2</source>
        <translation>Fija el intervalo. Por ejemplo, 1 es %1 y 3 es %2</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>This where you write the name off the current event</source>
        <translation>Escriba aquí el nombre del evento</translation>
    </message>
    <message>
        <source>Starting on:</source>
        <translation>Empieza el:</translation>
    </message>
    <message>
        <source>Set the date of the event</source>
        <translation>Fija la fecha del evento</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Sets the type of event</source>
        <translation>Fija el tipo de evento</translation>
    </message>
    <message>
        <source>Notice period:</source>
        <translation>Aviso:</translation>
    </message>
    <message>
        <source>Sets how many days ahead of the event you should be reminded</source>
        <translation>Fija cuántos días antes del evento se le avisa</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervalo:</translation>
    </message>
    <message>
        <source>E-mail this person on the birthday?</source>
        <translation>¿Escribir a esta persona en su cumpleaños?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Year of birth:</source>
        <translation>Año de nacimiento:</translation>
    </message>
    <message>
        <source>The year the person was born, to show their age</source>
        <translation>El año en que nació la persona, para mostrar su edad</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Sets whether the event keeps its day of the month or its weekday</source>
        <translation>Indica si el evento mantiene su día del mes o su día de la semana</translation>
    </message>
    <message>
        <source>Falls on</source>
        <translation>Cae en</translation>
    </message>
    <message>
        <source>First year:</source>
        <translation>Primer año:</translation>
    </message>
    <message>
        <source>The year it was first, to count the years</source>
        <translation>El año de la primera vez, para contar los años</translation>
    </message>
    <message>
        <source>first %1</source>
        <translation>primer %1</translation>
    </message>
    <message>
        <source>second %1</source>
        <translation>segundo %1</translation>
    </message>
    <message>
        <source>third %1</source>
        <translation>tercer %1</translation>
    </message>
    <message>
        <source>fourth %1</source>
        <translation>cuarto %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <translation>último %1</translation>
    </message>
    <message>
        <source>day %1</source>
        <translation>día %1</translation>
    </message>
</context>
<context>
    <name>frmBug</name>
    <message>
        <source>Bug Report</source>
        <translation>Informe de error</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Asunto:</translation>
    </message>
    <message>
        <source>Question / support</source>
        <translation>Pregunta / ayuda</translation>
    </message>
    <message>
        <source>Request</source>
        <translation>Petición</translation>
    </message>
    <message>
        <source>Get in touch with me...</source>
        <translation>Escríbame...</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find Event</source>
        <translation>Buscar evento</translation>
    </message>
    <message>
        <source>Find What:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Percent Complete:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Progreso de la búsqueda</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Found: %1, %2</source>
        <translation>Encontrado: %1, %2</translation>
    </message>
</context>
<context>
    <name>frmLiveUpdate</name>
    <message>
        <source>Check For Update</source>
        <translation>Buscar actualización</translation>
    </message>
    <message>
        <source>There is no update available.</source>
        <translation>No hay ninguna actualización.</translation>
    </message>
    <message>
        <source>Check For Update -  Control Panel</source>
        <translation>Buscar actualización – Control</translation>
    </message>
    <message>
        <source>Click Begin to Check For Update</source>
        <translation>Pulse para buscar una actualización</translation>
    </message>
    <message>
        <source>&amp;Check For Update</source>
        <translation>Buscar &amp;actualización</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Estado: </translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Time: %1 Seconds</source>
        <translation>Tiempo: %1 segundos</translation>
    </message>
    <message>
        <source>Checking for updated version.</source>
        <translation>Buscando una versión nueva.</translation>
    </message>
    <message>
        <source>There is an update available: Version </source>
        <translation>Hay una actualización: versión </translation>
    </message>
    <message>
        <source>Getting updated file (2,7 MB)</source>
        <translation>Descargando el archivo (2,7 MB)</translation>
    </message>
    <message>
        <source>Save update</source>
        <translation>Guardar la actualización</translation>
    </message>
    <message>
        <source>Zip files (*.zip)</source>
        <translation>Archivos zip (*.zip)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Edit event</source>
        <translation>Editar evento</translation>
    </message>
    <message>
        <source>Do you really want to delete &apos;%1&apos;?</source>
        <translation>¿Desea realmente eliminar «%1»?</translation>
    </message>
    <message>
        <source>Undo deletion of &apos;%1&apos;</source>
        <translation>Deshacer la eliminación de «%1»</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Import the birthdays of the address book at %1?<byte value="xd"/>
No picks a file instead.</source>
        <translation>¿Importar los cumpleaños de la libreta de direcciones en %1?<byte value="xd"/>
No elige un archivo en su lugar.</translation>
    </message>
    <message>
        <source>Import Birthdays</source>
        <translation>Importar cumpleaños</translation>
    </message>
    <message>
        <source>Address books (*.vcf *.vcard)</source>
        <translation>Libretas de direcciones (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>Reading the address book on the server...</source>
        <translation>Leyendo la libreta de direcciones del servidor...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The address book could not be read: %1</source>
        <translation>No se pudo leer la libreta de direcciones: %1</translation>
    </message>
    <message>
        <source>Reading the address book...</source>
        <translation>Leyendo la libreta de direcciones...</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exportar calendario</translation>
    </message>
    <message>
        <source>Keep this file up to date</source>
        <translation>Mantener este archivo al día</translation>
    </message>
    <message>
        <source>Rewrite this file at every save, for a calendar program that subscribes to it</source>
        <translation>Reescribir este archivo en cada guardado, para un calendario suscrito a él</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Import Birthdays...</source>
        <translation>Importar &amp;cumpleaños...</translation>
    </message>
    <message>
        <source>E&amp;xport Calendar...</source>
        <translation>E&amp;xportar calendario...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Add Event</source>
        <translation>&amp;Añadir evento</translation>
    </message>
    <message>
        <source>&amp;Edit Event</source>
        <translation>&amp;Editar evento</translation>
    </message>
    <message>
        <source>&amp;Delete Event</source>
        <translation>E&amp;liminar evento</translation>
    </message>
    <message>
        <source>Delete All Events</source>
        <translation>Eliminar todos los eventos</translation>
    </message>
    <message>
        <source>&amp;Copy Event To Clipboard</source>
        <translation>&amp;Copiar evento al portapapeles</translation>
    </message>
    <message>
        <source>Copy All Events To Clipboard</source>
        <translation>Copiar todos los eventos al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Find Event</source>
        <translation>&amp;Buscar evento</translation>
    </message>
    <message>
        <source>Scan Events</source>
        <translation>Revisar eventos</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Activado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Check For Update</source>
        <translation>Buscar &amp;actualización</translation>
    </message>
    <message>
        <source>&amp;Express Contact</source>
        <translation>&amp;Contacto directo</translation>
    </message>
    <message>
        <source>&amp;Visit Website</source>
        <translation>&amp;Visitar el sitio web</translation>
    </message>
    <message>
        <source>&amp;About Moonrill...</source>
        <translation>Acerca de &amp;Moonrill...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Event</source>
        <translation>&amp;Evento</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Run Scan Events On Windows Startup</source>
        <translation>&amp;Revisar eventos al iniciar la sesión</translation>
    </message>
    <message>
        <source>Add Event</source>
        <translation>Añadir evento</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Editar evento</translation>
    </message>
    <message>
        <source>Delete Event</source>
        <translation>Eliminar evento</translation>
    </message>
    <message>
        <source>Copy Event To Clipboard</source>
        <translation>Copiar evento al portapapeles</translation>
    </message>
    <message>
        <source>Find Event</source>
        <translation>Buscar evento</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print Events</source>
        <translation>Imprimir eventos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The calendar could not be synced when Moonrill last ran:<byte value="xd"/>
</source>
        <translation>El calendario no se pudo sincronizar la última vez que se ejecutó Moonrill:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 is not an address book: it holds no contact.</source>
        <translation>%1 no es una libreta de direcciones: no contiene ningún contacto.</translation>
    </message>
    <message>
        <source>The address book holds %1 new birthdays, but the list has room for %2 more events.<byte value="xd"/>
Nothing was imported.</source>
        <translation>La libreta de direcciones tiene %1 cumpleaños nuevos, pero la lista solo tiene sitio para %2 eventos más.<byte value="xd"/>
No se importó nada.</translation>
    </message>
    <message>
        <source>The calendar was written to %1: %2 event.</source>
        <translation>El calendario se escribió en %1: %2 evento.</translation>
    </message>
    <message>
        <source>The calendar was written to %1: %2 events.</source>
        <translation>El calendario se escribió en %1: %2 eventos.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 event dated after the year %2 was left out: calendar programs cannot read such dates.</source>
        <translation><byte value="xd"/>
%1 evento con fecha posterior al año %2 quedó fuera: los programas de calendario no pueden leer esas fechas.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 events dated after the year %2 were left out: calendar programs cannot read such dates.</source>
        <translation><byte value="xd"/>
%1 eventos con fecha posterior al año %2 quedaron fuera: los programas de calendario no pueden leer esas fechas.</translation>
    </message>
    <message>
        <source>The changes that were not saved are kept as %1.</source>
        <translation>Los cambios sin guardar se conservan como %1.</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>el servidor respondió %1</translation>
    </message>
    <message>
        <source>the server&apos;s answer is no address book it can read</source>
        <translation>la respuesta del servidor no es una libreta de direcciones legible</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server is empty now, but the list still holds its %n events.<byte value="xd"/>
<byte value="xd"/>
Remove them from the list too? (No puts them on the server again.)</source>
        <translation>
            <numerusform>El calendario del servidor está vacío ahora, pero la lista aún contiene su %n evento.<byte value="xd"/>
<byte value="xd"/>
¿Eliminarlo también de la lista? (No lo vuelve a poner en el servidor.)</numerusform>
            <numerusform>El calendario del servidor está vacío ahora, pero la lista aún contiene sus %n eventos.<byte value="xd"/>
<byte value="xd"/>
¿Eliminarlos también de la lista? (No los vuelve a poner en el servidor.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list is empty now, but the calendar on the server still holds its %n events.<byte value="xd"/>
<byte value="xd"/>
Remove them from the server too? (No brings them back into the list.)</source>
        <translation>
            <numerusform>La lista está vacía ahora, pero el calendario del servidor aún contiene su %n evento.<byte value="xd"/>
<byte value="xd"/>
¿Eliminarlo también del servidor? (No lo devuelve a la lista.)</numerusform>
            <numerusform>La lista está vacía ahora, pero el calendario del servidor aún contiene sus %n eventos.<byte value="xd"/>
<byte value="xd"/>
¿Eliminarlos también del servidor? (No los devuelve a la lista.)</numerusform>
        </translation>
    </message>
    <message>
        <source>Calendar S&amp;ync...</source>
        <translation>Sincroni&amp;zar calendario...</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>&amp;Desactivado</translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation>Importar calendario</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb)</source>
        <translation>Calendarios (*.ics *.ical *.icalendar *.ifb)</translation>
    </message>
    <message>
        <source>%1 is not a calendar: it holds no event.</source>
        <translation>%1 no es un calendario: no contiene ningún evento.</translation>
    </message>
    <message>
        <source>The calendar holds %1 new events, but the list has room for %2 more events.<byte value="xd"/>
Nothing was imported.</source>
        <translation>El calendario contiene %1 eventos nuevos, pero la lista solo tiene espacio para %2 eventos más.<byte value="xd"/>
No se importó nada.</translation>
    </message>
    <message>
        <source>Import &amp;Calendar...</source>
        <translation>Importar ca&amp;lendario...</translation>
    </message>
    <message numerus="yes">
        <source>The calendar on the server lost %n of its events since the last sync, nearly all it held.<byte value="xd"/>
<byte value="xd"/>
Remove them from the list too? (No puts them on the server again.)</source>
        <translation>
            <numerusform>El calendario del servidor perdió %n de sus eventos desde la última sincronización, casi todos.<byte value="xd"/>
<byte value="xd"/>
¿Quitarlos también de la lista? (No los vuelve a poner en el servidor.)</numerusform>
            <numerusform>El calendario del servidor perdió %n de sus eventos desde la última sincronización, casi todos.<byte value="xd"/>
<byte value="xd"/>
¿Quitarlos también de la lista? (No los vuelve a poner en el servidor.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list lost %n of its events since the last sync, nearly all it held.<byte value="xd"/>
<byte value="xd"/>
Remove them from the server too? (No brings them back into the list.)</source>
        <translation>
            <numerusform>La lista perdió %n de sus eventos desde la última sincronización, casi todos.<byte value="xd"/>
<byte value="xd"/>
¿Quitarlos también del servidor? (No los devuelve a la lista.)</numerusform>
            <numerusform>La lista perdió %n de sus eventos desde la última sincronización, casi todos.<byte value="xd"/>
<byte value="xd"/>
¿Quitarlos también del servidor? (No los devuelve a la lista.)</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed on the calendar server while you edited it.<byte value="xd"/>
Your edit is kept as an event of its own.</source>
        <translation>«%1» se cambió en el servidor de calendario mientras lo editaba.<byte value="xd"/>
Su cambio se conserva como un evento aparte.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was removed on the calendar server while you edited it.<byte value="xd"/>
Your edit is kept as an event of its own.</source>
        <translation>«%1» se eliminó del servidor de calendario mientras lo editaba.<byte value="xd"/>
Su cambio se conserva como un evento aparte.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was changed on the calendar server while you were asked, so it was not deleted.</source>
        <translation>«%1» se cambió en el servidor de calendario mientras se le preguntaba, así que no se eliminó.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was removed on the calendar server while you were asked.</source>
        <translation>«%1» se eliminó del servidor de calendario mientras se le preguntaba.</translation>
    </message>
    <message>
        <source>Moonrill shows what falls due when you log on, and each morning. To switch this off: %1.</source>
        <translation>Moonrill muestra lo que vence al iniciar sesión y cada mañana. Para desactivarlo: %1.</translation>
    </message>
    <message>
        <source>The calendar could not be synced:<byte value="xd"/>
</source>
        <translation>No se pudo sincronizar el calendario:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmSync</name>
    <message>
        <source>Calendar Sync</source>
        <translation>Sincronización del calendario</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>Asking %1 ...</source>
        <translation>Consultando %1...</translation>
    </message>
    <message>
        <source>No answer: </source>
        <translation>Sin respuesta: </translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>URL del ca&amp;lendario:</translation>
    </message>
    <message>
        <source>&amp;Address book URL:</source>
        <translation>URL de la libreta de &amp;direcciones:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Con&amp;traseña:</translation>
    </message>
    <message>
        <source>as kept in the keyring</source>
        <translation>como está en el llavero</translation>
    </message>
    <message>
        <source>%1, so the password cannot be kept.<byte value="xd"/>
Use it for this run only?</source>
        <translation>%1, así que la contraseña no se puede guardar.<byte value="xd"/>
¿Usarla solo en esta sesión?</translation>
    </message>
    <message>
        <source>Calendars found</source>
        <translation>Calendarios encontrados</translation>
    </message>
    <message>
        <source>A calendar is there: its events can be synced.</source>
        <translation>Hay un calendario: se pueden sincronizar los eventos.</translation>
    </message>
    <message>
        <source>A calendar is there (%1): its events can be synced.</source>
        <translation>Hay un calendario (%1): se pueden sincronizar los eventos.</translation>
    </message>
    <message>
        <source>A calendar is there, but it takes no events (only tasks or notes): choose another.</source>
        <translation>Hay un calendario, pero no admite eventos (solo tareas o notas): elija otro.</translation>
    </message>
    <message>
        <source>Choose a calendar...</source>
        <translation>Elegir un calendario...</translation>
    </message>
    <message>
        <source>No calendar is there, and none was found at this address.</source>
        <translation>No hay ningún calendario, y no se encontró ninguno en esta dirección.</translation>
    </message>
    <message>
        <source>as given for this run</source>
        <translation>tal como se indicó para esta sesión</translation>
    </message>
    <message>
        <source>none kept: type it to use it</source>
        <translation>ninguna guardada: escríbala para usarla</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Nothing there: </source>
        <translation>No hay nada: </translation>
    </message>
    <message>
        <source>Calendar chosen: %1. OK syncs the list with it; Test asks it first.</source>
        <translation>Calendario elegido: %1. Aceptar sincroniza la lista con él; Probar lo consulta antes.</translation>
    </message>
    <message numerus="yes">
        <source>This address is an account, not a calendar. Choose one of its calendars (%n) in the list above.</source>
        <translation>
            <numerusform>Esta dirección es una cuenta, no un calendario. Contiene %n calendario: elíjalo en la lista de arriba.</numerusform>
            <numerusform>Esta dirección es una cuenta, no un calendario. Contiene %n calendarios: elija uno en la lista de arriba.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Make Calendar</source>
        <translation>C&amp;rear calendario</translation>
    </message>
    <message>
        <source>Making a calendar at %1 ...</source>
        <translation>Creando un calendario en %1 ...</translation>
    </message>
    <message>
        <source>A calendar was made (%1): its events can be synced.</source>
        <translation>Se creó un calendario (%1): sus eventos se pueden sincronizar.</translation>
    </message>
    <message>
        <source>No calendar was made: %1</source>
        <translation>No se creó ningún calendario: %1</translation>
    </message>
</context>
<context>
    <name>frmWhatsUp</name>
    <message>
        <source>Moonrill - Upcoming Events</source>
        <translation>Moonrill – Próximos eventos</translation>
    </message>
    <message>
        <source>Upcoming events</source>
        <translation>Próximos eventos</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Event description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Upcoming: %1</source>
        <translation>Próximos: %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
</context>
</TS>
