<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Autostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>CalendarDocument</name>
    <message>
        <source>[Untitled]</source>
        <translation>[Sin título]</translation>
    </message>
</context>
<context>
    <name>CalendarFileAddition</name>
    <message>
        <source>It is not a calendar file: its first line is not &quot;%1&quot;.</source>
        <translation>No es un archivo de calendario: su primera línea no es «%1».</translation>
    </message>
    <message>
        <source>Its entries end early at a stop line (line %1), so events added after it would never be read.</source>
        <translation>Sus entradas terminan antes de tiempo en una línea de parada (línea %1), así que los eventos añadidos después no se leerían nunca.</translation>
    </message>
    <message>
        <source>No key of the file can carry both its entries and the events without breaking lines.</source>
        <translation>Ninguna clave del archivo puede contener a la vez sus entradas y los eventos sin partir líneas.</translation>
    </message>
</context>
<context>
    <name>CalendarFileReader</name>
    <message>
        <source>The file ends before the &quot;%1&quot; heading.</source>
        <translation>El archivo termina antes del encabezado «%1».</translation>
    </message>
    <message>
        <source>The file ends unexpectedly after line %1.</source>
        <translation>El archivo termina de forma inesperada después de la línea %1.</translation>
    </message>
    <message>
        <source>Line %1 is too short for a birthday or anniversary entry.</source>
        <translation>La línea %1 es demasiado corta para un cumpleaños o aniversario.</translation>
    </message>
    <message>
        <source>Line %1 is too short for a fixed holiday entry.</source>
        <translation>La línea %1 es demasiado corta para un festivo fijo.</translation>
    </message>
    <message>
        <source>Line %1 is too short for a floating holiday entry.</source>
        <translation>La línea %1 es demasiado corta para un festivo móvil.</translation>
    </message>
    <message>
        <source>Line %1 is too short for an other event entry.</source>
        <translation>La línea %1 es demasiado corta para otro evento.</translation>
    </message>
</context>
<context>
    <name>CalendarFormat</name>
    <message>
        <source>Line %1: &quot;%2&quot;</source>
        <translation>Línea %1: «%2»</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... y %1 más.</translation>
    </message>
    <message>
        <source>The file holds no events.</source>
        <translation>El archivo no contiene eventos.</translation>
    </message>
    <message>
        <source>No line of the file is an event (a date as MMDDYYYY, a space and the name):
</source>
        <translation>Ninguna línea del archivo es un evento (una fecha como MMDDAAAA, un espacio y el nombre):
</translation>
    </message>
    <message>
        <source>1 event was imported.</source>
        <translation>Se importó 1 evento.</translation>
    </message>
    <message>
        <source>%1 events were imported.</source>
        <translation>Se importaron %1 eventos.</translation>
    </message>
    <message>
        <source>

These lines are not events (a date as MMDDYYYY, a space and the name) and were not imported:
</source>
        <translation>

Estas líneas no son eventos (una fecha como MMDDAAAA, un espacio y el nombre) y no se importaron:
</translation>
    </message>
    <message>
        <source>Part of this calendar was written by a newer version of Daylark (1 line after &quot;[End of Data]&quot;). This version cannot show it; it is kept and saved back unchanged.</source>
        <translation>Parte de este calendario la escribió una versión más reciente de Daylark (1 línea después de «[End of Data]»). Esta versión no puede mostrarla; se conserva y se vuelve a guardar sin cambios.</translation>
    </message>
    <message numerus="yes">
        <source>Part of this calendar was written by a newer version of Daylark (%n lines after &quot;[End of Data]&quot;). This version cannot show it; it is kept and saved back unchanged.</source>
        <translation>
            <numerusform>Parte de este calendario la escribió una versión más reciente de Daylark (%n línea después de «[End of Data]»). Esta versión no puede mostrarla; se conserva y se vuelve a guardar sin cambios.</numerusform>
            <numerusform>Parte de este calendario la escribió una versión más reciente de Daylark (%n líneas después de «[End of Data]»). Esta versión no puede mostrarla; se conserva y se vuelve a guardar sin cambios.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CellEntry</name>
    <message>
        <source>There has been an error trying to display an event.
Make sure that all events are able to fit in the grid.</source>
        <translation>Se produjo un error al mostrar un evento.
Compruebe que todos los eventos caben en la cuadrícula.</translation>
    </message>
</context>
<context>
    <name>CommandLineNames</name>
    <message>
        <source>Its name is not UTF-8 text, and only files named in UTF-8 can be opened or saved. Rename the file to use it.</source>
        <translation>Su nombre no es texto UTF-8, y solo se pueden abrir o guardar archivos con nombres en UTF-8. Cambie el nombre del archivo para usarlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used. %2</source>
        <translation>No se puede usar «%1». %2</translation>
    </message>
</context>
<context>
    <name>DateRules</name>
    <message>
        <source>%1 does not exist.
Please correct the day or the year.</source>
        <translation>El %1 no existe.
Corrija el día o el año.</translation>
    </message>
    <message>
        <source>A holiday cannot fall on February 29:
it comes back every year, and most years have no such day.</source>
        <translation>Un festivo no puede caer el 29 de febrero:
se repite cada año, y la mayoría de los años no tienen ese día.</translation>
    </message>
</context>
<context>
    <name>DateWords</name>
    <message>
        <source>of %1</source>
        <comment>a floating holiday&apos;s month, whose name begins with a vowel</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>of %1</source>
        <comment>a floating holiday&apos;s month: Fourth Thursday of November</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>the week of a floating holiday: First Monday of May</comment>
        <translation>Primer</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>the week of a floating holiday</comment>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>the week of a floating holiday</comment>
        <translation>Tercer</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>the week of a floating holiday</comment>
        <translation>Cuarto</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>the week of a floating holiday: Last Monday of May</comment>
        <translation>Último</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>a date: %1 month, %2 day, %3 year (March 7, 1961)</comment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a day of every year: %1 month, %2 day (July 4)</comment>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a floating holiday: %1 First, %2 Thursday, %3 of November</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the first and last days of an event that spans days</comment>
        <translation>%1 al %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 for %n days</source>
        <comment>a holiday of several days: July 10 for 3 days</comment>
        <translation>
            <numerusform>%1 durante %n día</numerusform>
            <numerusform>%1 durante %n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatedEntryEditor</name>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Vemora Files (*.qvf)</source>
        <translation>Archivos Vemora (*.qvf)</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>The active calendar file has not been saved.

Do you wish to save it?</source>
        <translation>El calendario abierto no se ha guardado.

¿Desea guardarlo?</translation>
    </message>
    <message>
        <source>Open Vemora File</source>
        <translation>Abrir archivo Vemora</translation>
    </message>
    <message>
        <source>Save Vemora File As</source>
        <translation>Guardar archivo Vemora como</translation>
    </message>
    <message>
        <source>Import qvf Data</source>
        <translation>Importar datos QVF</translation>
    </message>
    <message>
        <source>Text Lists (*.txt)</source>
        <translation>Listas de texto (*.txt)</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>Exportar a iCalendar</translation>
    </message>
    <message>
        <source>These entries were not exported because their date names no day:
</source>
        <translation>Estas entradas no se exportaron porque su fecha no corresponde a ningún día:
</translation>
    </message>
</context>
<context>
    <name>EditorSequence</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Do you want to add the entry:</source>
        <translation>¿Desea añadir la entrada?</translation>
    </message>
    <message>
        <source>Do you want to update the entry:</source>
        <translation>¿Desea actualizar la entrada?</translation>
    </message>
    <message>
        <source>

Displayed as:
</source>
        <translation>

Se mostrará así:
</translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>Add Birthday</source>
        <translation>Añadir cumpleaños</translation>
    </message>
    <message>
        <source>Update Birthday</source>
        <translation>Modificar cumpleaños</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>[Person&apos;s Name]</source>
        <translation>[Nombre de la persona]</translation>
    </message>
    <message>
        <source>Add Anniversary</source>
        <translation>Añadir aniversario</translation>
    </message>
    <message>
        <source>Update Anniversary</source>
        <translation>Modificar aniversario</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Nombres:</translation>
    </message>
    <message>
        <source>[Name1 &amp; Name2  LastName]</source>
        <translation>[Nombre1 y Nombre2  Apellido]</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Añadir festivo</translation>
    </message>
    <message>
        <source>Update Holiday</source>
        <translation>Modificar festivo</translation>
    </message>
    <message>
        <source>[Event Name]</source>
        <translation>[Nombre del evento]</translation>
    </message>
    <message>
        <source>Add Other</source>
        <translation>Añadir otro evento</translation>
    </message>
    <message>
        <source>Update Other</source>
        <translation>Modificar otro evento</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Añadir entrada</translation>
    </message>
    <message>
        <source>Update Entry</source>
        <translation>Modificar entrada</translation>
    </message>
</context>
<context>
    <name>EntryKind</name>
    <message>
        <source>Birthdays</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>Floating Holidays</source>
        <translation>Festivos móviles</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Aniversarios</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>This file is not readable using this version of Daylark.</source>
        <translation>Esta versión de Daylark no puede leer este archivo.</translation>
    </message>
    <message>
        <source>The calendar would be larger than %1 MB as a file, too large to be opened again.</source>
        <translation>Como archivo, el calendario superaría los %1 MB; sería demasiado grande para volver a abrirlo.</translation>
    </message>
    <message>
        <source>Daylark cannot open 
%1

%2</source>
        <translation>Daylark no puede abrir
%1

%2</translation>
    </message>
    <message>
        <source>Daylark cannot save 
%1

%2</source>
        <translation>Daylark no puede guardar
%1

%2</translation>
    </message>
    <message>
        <source>Daylark cannot import 
%1

%2</source>
        <translation>Daylark no puede importar
%1

%2</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Error de archivo</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file.</source>
        <translation>Es una tubería con nombre, no un archivo.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es un dispositivo, no un archivo.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es un socket, no un archivo.</translation>
    </message>
</context>
<context>
    <name>FitReport</name>
    <message>
        <source>&quot;%1&quot; cannot be shown: its date names no day of the month</source>
        <translation>«%1» no se puede mostrar: su fecha no corresponde a ningún día del mes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be shown: the colour of its kind is not a colour</source>
        <translation>«%1» no se puede mostrar: el color de su tipo no es un color válido</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entry does not fit</source>
        <translation>%1: no cabe %2 de %3 entrada</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entries does not fit</source>
        <translation>%1: no cabe %2 de %3 entradas</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entries do not fit</source>
        <translation>%1: no caben %2 de %3 entradas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a day and why an entry of it cannot be shown</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: the birthday of &quot;%2&quot; (29 February %3) is not shown: %4 has no 29 February</source>
        <translation>%1: el cumpleaños de «%2» (29 de febrero de %3) no se muestra, porque %4 no tiene 29 de febrero</translation>
    </message>
    <message>
        <source>%1: the anniversary of &quot;%2&quot; (29 February %3) is not shown: %4 has no 29 February</source>
        <translation>%1: el aniversario de «%2» (29 de febrero de %3) no se muestra, porque %4 no tiene 29 de febrero</translation>
    </message>
    <message>
        <source>The layout can show them on 28 February or on 1 March: &quot;29 February birthdays and anniversaries in other years&quot;, under Entries on its Alignment page.</source>
        <translation>El diseño puede mostrarlos el 28 de febrero o el 1 de marzo: «Cumpleaños y aniversarios del 29 de febrero en los demás años», en Entradas, en su página Alineación.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Daylark Help</source>
        <translation>Ayuda de Daylark</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Forward &gt;</source>
        <translation>Adelante &gt;</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Daylark Help - %1</source>
        <translation>Ayuda de Daylark - %1</translation>
    </message>
</context>
<context>
    <name>ICalendarExport</name>
    <message>
        <source>%1: the date names no day.</source>
        <translation>%1: la fecha no corresponde a ningún día.</translation>
    </message>
    <message>
        <source>%1: a holiday that moves with Easter or the weekend has no yearly repeat in iCalendar.</source>
        <translation>%1: un festivo que se mueve con la Pascua o el fin de semana no tiene repetición anual en iCalendar.</translation>
    </message>
</context>
<context>
    <name>ICalendarImport</name>
    <message>
        <source>An event without a title</source>
        <translation>Un evento sin título</translation>
    </message>
    <message>
        <source>%1 is a to-do, not an event.</source>
        <translation>%1 es una tarea, no un evento.</translation>
    </message>
    <message>
        <source>A to-do without a title</source>
        <translation>Una tarea sin título</translation>
    </message>
    <message>
        <source>%1 is a journal note, not an event.</source>
        <translation>%1 es una nota de diario, no un evento.</translation>
    </message>
    <message>
        <source>A note without a title</source>
        <translation>Una nota sin título</translation>
    </message>
    <message>
        <source>An item of the kind %1 has no place in this calendar.</source>
        <translation>Un elemento del tipo %1 no tiene cabida en este calendario.</translation>
    </message>
    <message>
        <source>has a line that cannot be read (%1)</source>
        <translation>tiene una línea que no se puede leer (%1)</translation>
    </message>
    <message>
        <source>has no start date</source>
        <translation>no tiene fecha de inicio</translation>
    </message>
    <message>
        <source>changes one day of a repeating event</source>
        <translation>cambia un día de un evento periódico</translation>
    </message>
    <message>
        <source>is cancelled</source>
        <translation>está cancelado</translation>
    </message>
    <message>
        <source>has no title to show</source>
        <translation>no tiene título que mostrar</translation>
    </message>
    <message>
        <source>repeats in a way this calendar cannot hold</source>
        <translation>se repite de una forma que este calendario no puede guardar</translation>
    </message>
    <message>
        <source>lasts %1 days and was added on its first day only</source>
        <translation>dura %1 días y solo se añadió en su primer día</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it holds binary data.</source>
        <translation>El archivo no es un archivo iCalendar: contiene datos binarios.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>El archivo no es un archivo iCalendar: no empieza por BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it holds no calendar.</source>
        <translation>El archivo no es un archivo iCalendar: no contiene ningún calendario.</translation>
    </message>
    <message>
        <source>1 entry was imported.</source>
        <translation>Se importó 1 entrada.</translation>
    </message>
    <message>
        <source>%1 entries were imported.</source>
        <translation>Se importaron %1 entradas.</translation>
    </message>
    <message>
        <source>

These items of the file were not imported, or only in part:
</source>
        <translation>

Estos elementos del archivo no se importaron, o solo en parte:
</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... y %1 más.</translation>
    </message>
    <message>
        <source>%1; it was not imported</source>
        <comment>%1 says what is wrong</comment>
        <translation>%1; no se importó</translation>
    </message>
    <message>
        <source>has a time zone (&quot;%1&quot;) that could not be read; it was placed on the date as written</source>
        <translation>tiene una zona horaria («%1») que no se pudo leer; se colocó en la fecha escrita</translation>
    </message>
    <message>
        <source>has an end that cannot be read (%1); it was added on its first day only</source>
        <translation>tiene un final que no se puede leer (%1); se añadió solo en su primer día</translation>
    </message>
    <message>
        <source>lasts until %1 and was added on its first day only</source>
        <translation>dura hasta el %1 y se añadió solo en su primer día</translation>
    </message>
    <message>
        <source>is before %1, the earliest year this calendar holds</source>
        <translation>es anterior a %1, el primer año que admite este calendario</translation>
    </message>
    <message>
        <source>is after %1, the latest year this calendar holds</source>
        <translation>es posterior a %1, el último año que admite este calendario</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a title in quotes</comment>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>ICalendarScan</name>
    <message>
        <source>The file is not an iCalendar file: its parts are nested more than %1 deep (line %2).</source>
        <translation>El archivo no es un archivo iCalendar: sus partes están anidadas a más de %1 niveles (línea %2).</translation>
    </message>
    <message>
        <source>Line %1 (END:%2) ends nothing that began before it; it was skipped.</source>
        <translation>La línea %1 (END:%2) no termina nada que empezara antes; se omitió.</translation>
    </message>
    <message>
        <source>The %1 that begins at line %2 has no END:%3 line; it was not read.</source>
        <comment>%1 the kind of part: event, to-do</comment>
        <translation>El elemento (%1) que empieza en la línea %2 no tiene línea END:%3; no se leyó.</translation>
    </message>
    <message>
        <source>holds a part (line %1) that has no END:%2 line</source>
        <comment>said of an event, after its name</comment>
        <translation>contiene una parte (línea %1) sin línea END:%2</translation>
    </message>
    <message>
        <source>The calendar that begins at line %1 has no END:%2 line before line %3; what it holds was read.</source>
        <translation>El calendario que empieza en la línea %1 no tiene línea END:%2 antes de la línea %3; se leyó lo que contiene.</translation>
    </message>
    <message>
        <source>Line %1 stands outside every calendar of the file; it was not read.</source>
        <translation>La línea %1 está fuera de todos los calendarios del archivo; no se leyó.</translation>
    </message>
    <message>
        <source>Lines %1 to %2 stand outside every calendar of the file; they were not read.</source>
        <translation>Las líneas %1 a %2 están fuera de todos los calendarios del archivo; no se leyeron.</translation>
    </message>
    <message>
        <source>The file is not a complete iCalendar file: it ends at line %1, in the middle of the %2 that begins at line %3.</source>
        <comment>%2 the kind of part: event, to-do</comment>
        <translation>El archivo no es un archivo iCalendar completo: termina en la línea %1, en mitad del elemento (%2) que empieza en la línea %3.</translation>
    </message>
    <message>
        <source>The file is not a complete iCalendar file: it ends at line %1, before the end of the %2 that begins at line %3.</source>
        <comment>%2 the kind of part: calendar</comment>
        <translation>El archivo no es un archivo iCalendar completo: termina en la línea %1, antes del final del elemento (%2) que empieza en la línea %3.</translation>
    </message>
    <message>
        <source>event</source>
        <comment>a part</comment>
        <translation>evento</translation>
    </message>
    <message>
        <source>to-do</source>
        <comment>a part</comment>
        <translation>tarea</translation>
    </message>
    <message>
        <source>journal note</source>
        <comment>a part</comment>
        <translation>nota de diario</translation>
    </message>
    <message>
        <source>time zone</source>
        <comment>a part</comment>
        <translation>zona horaria</translation>
    </message>
    <message>
        <source>free/busy list</source>
        <comment>a part</comment>
        <translation>lista de disponibilidad</translation>
    </message>
    <message>
        <source>calendar</source>
        <comment>a part</comment>
        <translation>calendario</translation>
    </message>
    <message>
        <source>item %1</source>
        <comment>a part of an unknown kind</comment>
        <translation>elemento %1</translation>
    </message>
</context>
<context>
    <name>LayoutRules</name>
    <message>
        <source>Smallest</source>
        <translation>Muy pequeña</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Pequeña</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>Invalid font. Please select another.</source>
        <translation>Fuente no válida. Elija otra.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the calendar must be greater than 5 inches, excluding margins.</source>
        <translation>Dimensiones del papel no válidas.
El ancho y el alto del calendario, sin contar los márgenes, deben superar las 5 pulgadas.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the paper must be from 1 to 100 inches.</source>
        <translation>Dimensiones del papel no válidas.
El ancho y el alto del papel deben estar entre 1 y 100 pulgadas.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the calendar must be at least 127 mm, excluding margins.</source>
        <translation>Dimensiones del papel no válidas.
El ancho y el alto del calendario, sin contar los márgenes, deben ser de al menos 127 mm.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the paper must be from 25.4 to 2540 mm.</source>
        <translation>Dimensiones del papel no válidas.
El ancho y el alto del papel deben estar entre 25.4 y 2540 mm.</translation>
    </message>
    <message>
        <source>Invalid margin(s).
Each margin must be less than half the width or height of the paper it lies along.</source>
        <translation>Márgenes no válidos.
Cada margen debe medir menos de la mitad del lado del papel en el que está.</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>There is no way to retrieve the information of the selected event(s) after deletion.

Are you sure you want to continue?</source>
        <translation>Una vez eliminados, los eventos seleccionados no se podrán recuperar.

¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Event Delete</source>
        <translation>Eliminar eventos</translation>
    </message>
</context>
<context>
    <name>MonthPage</name>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>PhotoFolder</name>
    <message>
        <source>Photos (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>PhotoFrame</name>
    <message>
        <source>Photo above the month</source>
        <translation>Foto sobre el mes</translation>
    </message>
    <message>
        <source>Photo facing the month</source>
        <translation>Foto frente al mes</translation>
    </message>
    <message>
        <source>No photos</source>
        <translation>Sin fotos</translation>
    </message>
    <message>
        <source>Cover</source>
        <comment>the photo of the cover page</comment>
        <translation>Portada</translation>
    </message>
</context>
<context>
    <name>PhotoImage</name>
    <message>
        <source>The photo %1 does not exist.</source>
        <translation>La foto %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a photo this program can read (JPEG, PNG or another common image format).</source>
        <translation>%1 no es una foto que este programa pueda leer (JPEG, PNG u otro formato de imagen habitual).</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>PhotoPages</name>
    <message>
        <source>Cover</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>%1 × %2 in</source>
        <translation>%1 × %2 pulg.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 gives %3 dpi on %4; it will look soft</source>
        <translation>%1: %2 da %3 ppp en %4; se verá borrosa</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>There is no room for the calendar grid on this page: the margins, the heading and the title take up the paper.
Make the margins or the fonts smaller, or the paper larger, in the layout.</source>
        <translation>La cuadrícula del calendario no cabe en esta página: los márgenes, el encabezado y el título ocupan todo el papel.
Reduzca los márgenes o las fuentes, o elija un papel más grande, en el diseño.</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot print on %1</source>
        <translation>No se puede imprimir en %1</translation>
    </message>
    <message>
        <source>%1 refused a new page</source>
        <translation>%1 rechazó una página nueva</translation>
    </message>
    <message>
        <source>%1 could not finish the document</source>
        <translation>%1 no pudo terminar el documento</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>The calendar file
%1
no longer exists. It has been taken off the list of recent calendars.</source>
        <translation>El archivo de calendario
%1
ya no existe. Se ha quitado de la lista de calendarios recientes.</translation>
    </message>
</context>
<context>
    <name>ResortEntries</name>
    <message>
        <source>Resorting Birthdays...</source>
        <translation>Ordenando cumpleaños...</translation>
    </message>
    <message>
        <source>Rewriting Birthdays...</source>
        <translation>Reescribiendo cumpleaños...</translation>
    </message>
    <message>
        <source>Resorting Holidays...</source>
        <translation>Ordenando festivos...</translation>
    </message>
    <message>
        <source>Rewriting Holidays...</source>
        <translation>Reescribiendo festivos...</translation>
    </message>
    <message>
        <source>Resorting Floating Holidays...</source>
        <translation>Ordenando festivos móviles...</translation>
    </message>
    <message>
        <source>Rewriting Floating Holidays...</source>
        <translation>Reescribiendo festivos móviles...</translation>
    </message>
    <message>
        <source>Resorting Anniversaries...</source>
        <translation>Ordenando aniversarios...</translation>
    </message>
    <message>
        <source>Rewriting Anniversaries...</source>
        <translation>Reescribiendo aniversarios...</translation>
    </message>
    <message>
        <source>Resorting Other...</source>
        <translation>Ordenando otros...</translation>
    </message>
    <message>
        <source>Resorting Complete</source>
        <translation>Ordenación terminada</translation>
    </message>
</context>
<context>
    <name>RuleText</name>
    <message>
        <source>%1 %2</source>
        <comment>a day of every year: July 4</comment>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Primer</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Tercer</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Cuarto</translation>
    </message>
    <message>
        <source>Fifth</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Quinto</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <comment>%1 First, %2 Monday, %3 May: First Monday of May</comment>
        <translation>%1 %2 de %3</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 Monday, %2 May: Last Monday of May</comment>
        <translation>Último %1 de %2</translation>
    </message>
    <message>
        <source>%1 on or after %2</source>
        <comment>%1 Monday, %2 May 24: Monday on or after May 24</comment>
        <translation>%1 el %2 o después</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>Easter Sunday</comment>
        <translation>Pascua</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <comment>Easter Sunday</comment>
        <translation>Pascua ortodoxa</translation>
    </message>
    <message>
        <source>on %1 when on a %2</source>
        <comment>%1 Monday, %2 Sunday: a holiday observed on another day</comment>
        <translation>el %1 si cae en %2</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <comment>the years a holiday holds</comment>
        <translation>, de %1 a %2</translation>
    </message>
    <message>
        <source>, from %1</source>
        <comment>the years a holiday holds</comment>
        <translation>, desde %1</translation>
    </message>
    <message>
        <source>, up to %1</source>
        <comment>the years a holiday holds</comment>
        <translation>, hasta %1</translation>
    </message>
    <message>
        <source>, only in %1</source>
        <comment>the one year a holiday holds</comment>
        <translation>, solo en %1</translation>
    </message>
</context>
<context>
    <name>SaveName</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>%1 no existe.
¿Desea crearlo?</translation>
    </message>
</context>
<context>
    <name>SaveSettings</name>
    <message>
        <source>Daylark cannot save the settings in
%1

%2

Nothing was changed. Save again once the folder can be written to, or close the window to keep the settings as they were.</source>
        <translation>Daylark no puede guardar la configuración en
%1

%2

No se ha cambiado nada. Vuelva a guardar cuando se pueda escribir en la carpeta, o cierre la ventana para conservar la configuración anterior.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>1 entry added from %1</source>
        <translation>1 entrada añadida desde %1</translation>
    </message>
    <message>
        <source>%1 entries added from %2</source>
        <translation>%1 entradas añadidas desde %2</translation>
    </message>
    <message>
        <source>1 page written to %1</source>
        <translation>1 página escrita en %1</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>%1 páginas escritas en %2</translation>
    </message>
    <message>
        <source>1 page sent to %1</source>
        <translation>1 página enviada a %1</translation>
    </message>
    <message>
        <source>%1 pages sent to %2</source>
        <translation>%1 páginas enviadas a %2</translation>
    </message>
</context>
<context>
    <name>StyledEntryEditor</name>
    <message>
        <source>Style</source>
        <translation>Presentación</translation>
    </message>
</context>
<context>
    <name>TextExport</name>
    <message>
        <source>Export Vemora File Data</source>
        <translation>Exportar los datos del archivo Vemora</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Daylark could not export the file
%1

%2</source>
        <translation>Daylark no pudo exportar el archivo
%1

%2</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New Calendar</source>
        <translation>Nuevo calendario</translation>
    </message>
    <message>
        <source>Open Calendar</source>
        <translation>Abrir calendario</translation>
    </message>
    <message>
        <source>Save Calendar</source>
        <translation>Guardar calendario</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimir calendario</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>View Calendar</source>
        <translation>Ver calendario</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Añadir entrada</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eliminar entrada</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Modificar entrada</translation>
    </message>
    <message>
        <source>Resort Entries</source>
        <translation>Ordenar entradas</translation>
    </message>
</context>
<context>
    <name>WeekList</name>
    <message>
        <source>Week Starting %1</source>
        <comment>a date follows</comment>
        <translation>Semana del %1</translation>
    </message>
    <message>
        <source>Weeks Starting %1</source>
        <comment>a date follows</comment>
        <translation>Semanas a partir del %1</translation>
    </message>
    <message>
        <source>Birthday</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Holiday</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Festivo</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Aniversario</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Otro</translation>
    </message>
</context>
<context>
    <name>WholeFileReader</name>
    <message>
        <source>The file is too large to be a calendar.</source>
        <translation>El archivo es demasiado grande para ser un calendario.</translation>
    </message>
</context>
<context>
    <name>frmAnniv</name>
    <message>
        <source>Anniversary</source>
        <translation>Aniversario</translation>
    </message>
</context>
<context>
    <name>frmBirthday</name>
    <message>
        <source>Birthdate</source>
        <translation>Fecha de nacimiento</translation>
    </message>
</context>
<context>
    <name>frmCalendar</name>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Mes anterior (Re Pág)</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Mes siguiente (Av Pág)</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
</context>
<context>
    <name>frmDesktop</name>
    <message>
        <source>hh:mm AP</source>
        <comment>the clock&apos;s format</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>Desktop Calendar Options</source>
        <translation>Opciones del calendario de escritorio</translation>
    </message>
    <message>
        <source>Enable desktop calendar</source>
        <translation>Activar el calendario de escritorio</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>List events that occur within:</source>
        <translation>Listar los eventos de los próximos:</translation>
    </message>
    <message>
        <source>month(s).</source>
        <translation>mes(es).</translation>
    </message>
    <message>
        <source>Select Calendar to be displayed</source>
        <translation>Elegir el calendario que se mostrará</translation>
    </message>
    <message>
        <source>Load at system startup</source>
        <translation>Cargar al iniciar el sistema</translation>
    </message>
    <message>
        <source>Display at system startup</source>
        <translation>Mostrar al iniciar el sistema</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semana</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semanas</translation>
    </message>
    <message>
        <source>Select Vemora File</source>
        <translation>Elegir archivo Vemora</translation>
    </message>
    <message>
        <source>Daylark cannot write the start-up entry 
%1

%2</source>
        <translation>Daylark no puede escribir la entrada de inicio
%1

%2</translation>
    </message>
    <message>
        <source>Daylark cannot remove the start-up entry 
%1

%2</source>
        <translation>Daylark no puede quitar la entrada de inicio
%1

%2</translation>
    </message>
</context>
<context>
    <name>frmDispWeek</name>
    <message>
        <source>Upcoming Events </source>
        <translation>Próximos eventos </translation>
    </message>
    <message>
        <source>No Vemora File has been selected.

Click &quot;OK&quot; to view the Desktop Calendar options.</source>
        <translation>No se ha elegido ningún archivo Vemora.

Haga clic en «Aceptar» para ver las opciones del calendario de escritorio.</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export Data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>Select the event types you want exported.</source>
        <translation>Elija los tipos de eventos que desea exportar.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>frmHoliday</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Fixed Date</source>
        <translation>Fecha fija</translation>
    </message>
    <message>
        <source>Floating Date</source>
        <translation>Fecha móvil</translation>
    </message>
    <message>
        <source> day</source>
        <comment>after the count 1: 1 day</comment>
        <translation> día</translation>
    </message>
    <message numerus="yes">
        <source> days</source>
        <comment>after a count of days other than 1: 2 days</comment>
        <translation>
            <numerusform> día</numerusform>
            <numerusform> días</numerusform>
        </translation>
    </message>
    <message>
        <source>Moving Date</source>
        <translation>Fecha calculada</translation>
    </message>
    <message>
        <source>Days after Easter; before it when negative</source>
        <translation>Días después de Pascua; antes, si es negativo</translation>
    </message>
    <message>
        <source>The first of this weekday on or after the day above</source>
        <translation>El primero de este día de la semana, el día de arriba o después</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pascua</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Pascua ortodoxa</translation>
    </message>
    <message>
        <source>Weekday on or after the day</source>
        <translation>Día de la semana, ese día o después</translation>
    </message>
    <message>
        <source>The day, observed on a weekday</source>
        <translation>El día, trasladado a un día laborable</translation>
    </message>
    <message>
        <source>On Monday when on a Sunday</source>
        <translation>El lunes si cae en domingo</translation>
    </message>
    <message>
        <source>On Monday when on a Saturday or Sunday</source>
        <translation>El lunes si cae en sábado o domingo</translation>
    </message>
    <message>
        <source>On Friday when on a Saturday, Monday when on a Sunday</source>
        <translation>El viernes si cae en sábado, el lunes si cae en domingo</translation>
    </message>
    <message>
        <source>As stored: %1</source>
        <translation>Tal como se guardó: %1</translation>
    </message>
    <message>
        <source>for </source>
        <comment>a count of days follows: for 3 days</comment>
        <translation>durante </translation>
    </message>
    <message>
        <source>How many days the holiday lasts from its date</source>
        <translation>Cuántos días dura el festivo desde su fecha</translation>
    </message>
</context>
<context>
    <name>frmHolidayPacks</name>
    <message>
        <source>Add Holidays</source>
        <translation>Añadir festivos</translation>
    </message>
    <message>
        <source>Search countries and regions</source>
        <translation>Buscar países y regiones</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Nombre en inglés</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>A&amp;ctualizar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays of %1 added.</source>
        <translation>
            <numerusform>%n festivo de %1 añadido.</numerusform>
            <numerusform>%n festivos de %1 añadidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The holidays of %1 are updated.</source>
        <translation>Los festivos de %1 están actualizados.</translation>
    </message>
    <message>
        <source>The holidays of %1 are up to date.</source>
        <translation>Los festivos de %1 ya están al día.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays of %1 removed.</source>
        <translation>
            <numerusform>%n festivo de %1 quitado.</numerusform>
            <numerusform>%n festivos de %1 quitados.</numerusform>
        </translation>
    </message>
    <message>
        <source>One holiday of %1 added.</source>
        <translation>Un festivo de %1 añadido.</translation>
    </message>
    <message>
        <source>One holiday of %1 removed.</source>
        <translation>Un festivo de %1 quitado.</translation>
    </message>
</context>
<context>
    <name>frmLayout</name>
    <message>
        <source>Layout Options</source>
        <translation>Opciones de diseño</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Mark days with more entries than fit</source>
        <translation>Marcar los días con más entradas de las que caben</translation>
    </message>
    <message>
        <source>A day whose entries do not all fit ends with &quot;+N more&quot;; otherwise its last entries are cut off.</source>
        <translation>Un día en el que no caben todas sus entradas termina con «+N más»; si no, se cortan sus últimas entradas.</translation>
    </message>
    <message>
        <source>29 February birthdays and anniversaries in other years:</source>
        <translation>Cumpleaños y aniversarios del 29 de febrero en los demás años:</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>No se muestran</translation>
    </message>
    <message>
        <source>On 28 February</source>
        <translation>El 28 de febrero</translation>
    </message>
    <message>
        <source>On 1 March</source>
        <translation>El 1 de marzo</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Month and Year:</source>
        <translation>Mes y año:</translation>
    </message>
    <message>
        <source>Calendar Title:</source>
        <translation>Título del calendario:</translation>
    </message>
    <message>
        <source>Dates and Events:</source>
        <translation>Fechas y eventos:</translation>
    </message>
    <message>
        <source>Days of the Week:</source>
        <translation>Días de la semana:</translation>
    </message>
    <message>
        <source>Alignment </source>
        <translation>Alineación </translation>
    </message>
    <message>
        <source>Display Calendar Title and Header</source>
        <translation>Mostrar el título y el encabezado del calendario</translation>
    </message>
    <message>
        <source>Align Calendar Title and Header</source>
        <translation>Alinear el título y el encabezado del calendario</translation>
    </message>
    <message>
        <source>Align Month and Year</source>
        <translation>Alinear el mes y el año</translation>
    </message>
    <message>
        <source>Month / Year</source>
        <translation>Mes / año</translation>
    </message>
    <message>
        <source>Calendar Title</source>
        <translation>Título del calendario</translation>
    </message>
    <message>
        <source>Fonts </source>
        <translation>Fuentes </translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Colors </source>
        <translation>Colores </translation>
    </message>
    <message>
        <source>Click to choose the colour</source>
        <translation>Haga clic para elegir el color</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Aniversarios</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>Floating Holidays</source>
        <translation>Festivos móviles</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Paper Size </source>
        <translation>Tamaño del papel </translation>
    </message>
    <message>
        <source>Default (Landscape)</source>
        <translation>Predeterminado (horizontal)</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>Personalizado:</translation>
    </message>
    <message>
        <source>Margins </source>
        <translation>Márgenes </translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Width (in.)</source>
        <translation>Ancho (pulg.)</translation>
    </message>
    <message>
        <source>Height (in.)</source>
        <translation>Alto (pulg.)</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Superior:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Inferior:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Izquierdo:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Derecho:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Language and Week</source>
        <translation>Idioma y semana</translation>
    </message>
    <message>
        <source>&amp;Language of the calendar:</source>
        <translation>&amp;Idioma del calendario:</translation>
    </message>
    <message>
        <source>The language of the month and weekday names and of the dates on the pages, the calendar view and the desktop calendar.</source>
        <translation>El idioma de los nombres de los meses y de los días, y de las fechas en las páginas, en la vista del calendario y en el calendario de escritorio.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>&amp;First day of the week:</source>
        <translation>&amp;Primer día de la semana:</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Según el uso del idioma</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>&amp;Week numbers</source>
        <translation>&amp;Números de semana</translation>
    </message>
    <message>
        <source>ISO 8601 week numbers beside each row: the week that holds the row&apos;s Thursday.</source>
        <translation>Números de semana ISO 8601 junto a cada fila: la semana que contiene el jueves de la fila.</translation>
    </message>
    <message>
        <source>Standard size:</source>
        <translation>Tamaño estándar:</translation>
    </message>
    <message>
        <source>Width (mm)</source>
        <translation>Ancho (mm)</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Alto (mm)</translation>
    </message>
    <message>
        <source>Margins (in.) </source>
        <translation>Márgenes (pulg.) </translation>
    </message>
    <message>
        <source>Margins (mm) </source>
        <translation>Márgenes (mm) </translation>
    </message>
    <message>
        <source>Month Pages</source>
        <translation>Páginas de los meses</translation>
    </message>
    <message>
        <source>&amp;Previous and next month in small</source>
        <translation>Mes &amp;anterior y siguiente en pequeño</translation>
    </message>
    <message>
        <source>In the empty cells at the start and end of the grid where two sit side by side, otherwise beside the heading.</source>
        <translation>En las celdas vacías al principio y al final de la cuadrícula donde hay dos juntas; si no, junto al encabezado.</translation>
    </message>
    <message>
        <source>Only the &amp;rows the month needs</source>
        <translation>Solo las &amp;filas que necesita el mes</translation>
    </message>
    <message>
        <source>A month of four or five weeks draws only those rows, taller, so busy days have more room.</source>
        <translation>Un mes de cuatro o cinco semanas dibuja solo esas filas, más altas, para que los días ocupados tengan más espacio.</translation>
    </message>
    <message>
        <source>&amp;Moon phases</source>
        <translation>Fases de la &amp;luna</translation>
    </message>
    <message>
        <source>New, first quarter, full and last quarter moon as small symbols in the corner of their days.</source>
        <translation>Luna nueva, cuarto creciente, luna llena y cuarto menguante como pequeños símbolos en la esquina de su día.</translation>
    </message>
    <message>
        <source>&amp;Notes box</source>
        <translation>Cuadro de &amp;notas</translation>
    </message>
    <message>
        <source>A ruled box for notes in the largest run of empty cells.</source>
        <translation>Un cuadro rayado para notas en el mayor grupo de celdas vacías.</translation>
    </message>
    <message>
        <source>Shading</source>
        <translation>Sombreado</translation>
    </message>
    <message>
        <source>Shade &amp;weekends</source>
        <translation>Sombrear los &amp;fines de semana</translation>
    </message>
    <message>
        <source>Shade &amp;holidays</source>
        <translation>Sombrear los &amp;festivos</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Color del sombreado</translation>
    </message>
    <message>
        <source>Sample page</source>
        <translation>Página de muestra</translation>
    </message>
    <message>
        <source>A month of the calendar as it prints with these choices.</source>
        <translation>Un mes del calendario tal como se imprime con estas opciones.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Calendar</source>
        <translation>&amp;Nuevo calendario</translation>
    </message>
    <message>
        <source>&amp;Open Calendar...</source>
        <translation>&amp;Abrir calendario...</translation>
    </message>
    <message>
        <source>&amp;Save Calendar</source>
        <translation>&amp;Guardar calendario</translation>
    </message>
    <message>
        <source>Save Calendar &amp;As...</source>
        <translation>Guardar calendario &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Import QVF data...</source>
        <translation>&amp;Importar datos QVF...</translation>
    </message>
    <message>
        <source>&amp;Export QVF data...</source>
        <translation>&amp;Exportar datos QVF...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>Exportar a iCa&amp;lendar...</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Con&amp;figurar página...</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>Im&amp;primir calendario...</translation>
    </message>
    <message>
        <source>E&amp;xit Daylark</source>
        <translation>&amp;Salir de Daylark</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Birthday...</source>
        <translation>&amp;Cumpleaños...</translation>
    </message>
    <message>
        <source>&amp;Holiday...</source>
        <translation>&amp;Festivo...</translation>
    </message>
    <message>
        <source>&amp;Anniversary...</source>
        <translation>&amp;Aniversario...</translation>
    </message>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Otro...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About Daylark...</source>
        <translation>&amp;Acerca de Daylark...</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Área de notificación</translation>
    </message>
    <message>
        <source>Display Desktop Calendar</source>
        <translation>Mostrar el calendario de escritorio</translation>
    </message>
    <message>
        <source>Display Daylark Setup</source>
        <translation>Mostrar la configuración de Daylark</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No entry is currently selected.</source>
        <translation>No hay ninguna entrada seleccionada.</translation>
    </message>
    <message>
        <source>Select one entry to be edited.</source>
        <translation>Seleccione una entrada para modificarla.</translation>
    </message>
    <message>
        <source>Add &amp;Holidays...</source>
        <translation>Añadir festi&amp;vos...</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Daylark Options</source>
        <translation>Opciones de Daylark</translation>
    </message>
    <message>
        <source>Entry Options </source>
        <translation>Opciones de las entradas </translation>
    </message>
    <message>
        <source>Display confirmation after adding entries</source>
        <translation>Pedir confirmación al añadir entradas</translation>
    </message>
    <message>
        <source>Display confirmation after editing entries</source>
        <translation>Pedir confirmación al modificar entradas</translation>
    </message>
    <message>
        <source>Display confirmation when deleting entries</source>
        <translation>Pedir confirmación al eliminar entradas</translation>
    </message>
    <message>
        <source>Adding Entries</source>
        <translation>Después de añadir</translation>
    </message>
    <message>
        <source>Remain in window and clear fields</source>
        <translation>Permanecer en la ventana y vaciar los campos</translation>
    </message>
    <message>
        <source>Close window and return to previous window</source>
        <translation>Cerrar la ventana y volver a la anterior</translation>
    </message>
    <message>
        <source>More Options </source>
        <translation>Más opciones </translation>
    </message>
    <message>
        <source>Calendar Layout...</source>
        <translation>Diseño del calendario...</translation>
    </message>
    <message>
        <source>Desktop Calendar...</source>
        <translation>Calendario de escritorio...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
</context>
<context>
    <name>frmOther</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <comment>how the Until date is shown: July 20, 2027</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>The last day of an event that lasts several days</source>
        <translation>El último día de un evento que dura varios días</translation>
    </message>
    <message>
        <source>An event that lasts several days must end on or after its first day and last at most %1 days.</source>
        <translation>Un evento de varios días debe terminar el mismo día de su inicio o después, y durar como mucho %1 días.</translation>
    </message>
</context>
<context>
    <name>frmPhotos</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Click an empty month to choose its photo; drag a photo onto another month to swap them</source>
        <translation>Pulse un mes vacío para elegir su foto; arrastre una foto sobre otro mes para intercambiarlas</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Fill from Folder...</source>
        <translation>&amp;Llenar desde carpeta...</translation>
    </message>
    <message>
        <source>Click or drag to choose the point the print keeps in view</source>
        <translation>Pulse o arrastre para elegir el punto que la impresión mantiene a la vista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Page layout</source>
        <translation>Diseño de página</translation>
    </message>
    <message>
        <source>no photo</source>
        <translation>sin foto</translation>
    </message>
    <message>
        <source>No photo chosen for %1</source>
        <translation>No hay foto elegida para %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Reading the photo...</source>
        <translation>Leyendo la foto...</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 píxeles</translation>
    </message>
    <message>
        <source>The pages print without photos.</source>
        <translation>Las páginas se imprimen sin fotos.</translation>
    </message>
    <message>
        <source>Every chosen photo is sharp enough for this paper.</source>
        <translation>Cada foto elegida es lo bastante nítida para este papel.</translation>
    </message>
    <message>
        <source>Before you print:</source>
        <translation>Antes de imprimir:</translation>
    </message>
    <message>
        <source>%1 is not a photo that Daylark can read.</source>
        <translation>%1 no es una foto que Daylark pueda leer.</translation>
    </message>
    <message>
        <source>Choose the Photo for %1</source>
        <translation>Elegir la foto para %1</translation>
    </message>
    <message>
        <source>Fill from Folder</source>
        <translation>Llenar desde carpeta</translation>
    </message>
    <message>
        <source>There are no photos in %1.</source>
        <translation>No hay fotos en %1.</translation>
    </message>
    <message numerus="yes">
        <source>Replace the chosen photos with the %n photo(s) of %1?</source>
        <translation>
            <numerusform>¿Reemplazar las fotos elegidas por la %n foto de %1?</numerusform>
            <numerusform>¿Reemplazar las fotos elegidas por las %n fotos de %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more photo(s) of the folder did not fit: a calendar has twelve months.</source>
        <translation>
            <numerusform>%n foto más de la carpeta no cupo: un calendario tiene doce meses.</numerusform>
            <numerusform>%n fotos más de la carpeta no cupieron: un calendario tiene doce meses.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 página</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 páginas</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>%1 on %2</source>
        <comment>a printer and its place</comment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimir calendario</translation>
    </message>
    <message>
        <source>Save as PDF on file</source>
        <translation>Guardar como archivo PDF</translation>
    </message>
    <message>
        <source>Select Printer </source>
        <translation>Elegir impresora </translation>
    </message>
    <message>
        <source>Print Months </source>
        <translation>Meses que imprimir </translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Elegir:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Layout...</source>
        <translation>Diseño...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No printer is chosen</source>
        <translation>No se ha elegido ninguna impresora</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>There has been an error with your printer.
Make sure it is turned on and operational before retrying.</source>
        <translation>Se produjo un error con la impresora.
Compruebe que está encendida y lista antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>A smaller font for dates and events, or shorter names, make room in a day</source>
        <translation>Una fuente más pequeña para fechas y eventos, o nombres más cortos, dejan sitio en un día</translation>
    </message>
    <message>
        <source>September 30, 2027: 12 of 15 entries do not fit</source>
        <comment>a line of the list, to size it</comment>
        <translation>30 de septiembre de 2027: no caben 12 de 15 entradas</translation>
    </message>
    <message>
        <source>Every entry of the chosen months fits in its day.</source>
        <translation>Todas las entradas de los meses elegidos caben en su día.</translation>
    </message>
    <message>
        <source>Not everything will be shown:</source>
        <translation>No se mostrará todo:</translation>
    </message>
    <message>
        <source>Year &amp;page</source>
        <translation>Pá&amp;gina del año</translation>
    </message>
    <message>
        <source>The twelve months of the year on one page</source>
        <translation>Los doce meses del año en una página</translation>
    </message>
    <message>
        <source>&amp;before the months</source>
        <translation>an&amp;tes de los meses</translation>
    </message>
    <message>
        <source>i&amp;nstead of the months</source>
        <translation>en &amp;lugar de los meses</translation>
    </message>
    <message>
        <source>Every entry of the chosen months fits in its day; about the photos:</source>
        <translation>Cada entrada de los meses elegidos cabe en su día; sobre las fotos:</translation>
    </message>
    <message>
        <source>P&amp;hotos...</source>
        <translation>F&amp;otos...</translation>
    </message>
    <message>
        <source>A photo for each month and for the cover</source>
        <translation>Una foto para cada mes y para la portada</translation>
    </message>
    <message>
        <source>Photos: %1 (%2 of %3 chosen)</source>
        <translation>Fotos: %1 (%2 de %3 elegidas)</translation>
    </message>
</context>
<context>
    <name>frmResort</name>
    <message>
        <source>Resort Entries</source>
        <translation>Ordenar entradas</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Daylark Setup</source>
        <translation>Configuración de Daylark</translation>
    </message>
    <message>
        <source>Calendar Title:</source>
        <translation>Título del calendario:</translation>
    </message>
    <message>
        <source>Header (line 1):</source>
        <translation>Encabezado (línea 1):</translation>
    </message>
    <message>
        <source>Header (line 2):</source>
        <translation>Encabezado (línea 2):</translation>
    </message>
    <message>
        <source>Display Year:</source>
        <translation>Año mostrado:</translation>
    </message>
    <message>
        <source>Current Entries </source>
        <translation>Entradas actuales </translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Resort Entries</source>
        <translation>Ordenar entradas</translation>
    </message>
    <message>
        <source>Invalid year. Please enter a value between %1 and %2.</source>
        <translation>Año no válido. Escriba un valor entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Click to close this window</source>
        <translation>Haga clic para cerrar esta ventana</translation>
    </message>
    <message>
        <source>Your year, printed right.</source>
        <translation>Su año, bien impreso.</translation>
    </message>
    <message>
        <source>Version 2.5</source>
        <translation>Versión 2.5</translation>
    </message>
</context>
</TS>
