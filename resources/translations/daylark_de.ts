<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Autostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>CalendarDocument</name>
    <message>
        <source>[Untitled]</source>
        <translation>[Unbenannt]</translation>
    </message>
</context>
<context>
    <name>CalendarFileAddition</name>
    <message>
        <source>It is not a calendar file: its first line is not &quot;%1&quot;.</source>
        <translation>Die Datei ist keine Kalenderdatei: Ihre erste Zeile lautet nicht „%1“.</translation>
    </message>
    <message>
        <source>Its entries end early at a stop line (line %1), so events added after it would never be read.</source>
        <translation>Ihre Einträge enden vorzeitig an einer Stoppzeile (Zeile %1); danach hinzugefügte Termine würden nie gelesen.</translation>
    </message>
    <message>
        <source>No key of the file can carry both its entries and the events without breaking lines.</source>
        <translation>Kein Schlüssel der Datei kann ihre Einträge und die neuen Termine aufnehmen, ohne Zeilen zu zerbrechen.</translation>
    </message>
</context>
<context>
    <name>CalendarFileReader</name>
    <message>
        <source>The file ends before the &quot;%1&quot; heading.</source>
        <translation>Die Datei endet vor der Überschrift „%1“.</translation>
    </message>
    <message>
        <source>The file ends unexpectedly after line %1.</source>
        <translation>Die Datei endet unerwartet nach Zeile %1.</translation>
    </message>
    <message>
        <source>Line %1 is too short for a birthday or anniversary entry.</source>
        <translation>Zeile %1 ist für einen Geburtstags- oder Jahrestagseintrag zu kurz.</translation>
    </message>
    <message>
        <source>Line %1 is too short for a fixed holiday entry.</source>
        <translation>Zeile %1 ist für einen festen Feiertag zu kurz.</translation>
    </message>
    <message>
        <source>Line %1 is too short for a floating holiday entry.</source>
        <translation>Zeile %1 ist für einen beweglichen Feiertag zu kurz.</translation>
    </message>
    <message>
        <source>Line %1 is too short for an other event entry.</source>
        <translation>Zeile %1 ist für einen sonstigen Termin zu kurz.</translation>
    </message>
</context>
<context>
    <name>CalendarFormat</name>
    <message>
        <source>Line %1: &quot;%2&quot;</source>
        <translation>Zeile %1: „%2“</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>The file holds no events.</source>
        <translation>Die Datei enthält keine Termine.</translation>
    </message>
    <message>
        <source>No line of the file is an event (a date as MMDDYYYY, a space and the name):
</source>
        <translation>Keine Zeile der Datei ist ein Termin (ein Datum als MMTTJJJJ, ein Leerzeichen und der Name):
</translation>
    </message>
    <message>
        <source>1 event was imported.</source>
        <translation>1 Termin wurde importiert.</translation>
    </message>
    <message>
        <source>%1 events were imported.</source>
        <translation>%1 Termine wurden importiert.</translation>
    </message>
    <message>
        <source>

These lines are not events (a date as MMDDYYYY, a space and the name) and were not imported:
</source>
        <translation>

Diese Zeilen sind keine Termine (ein Datum als MMTTJJJJ, ein Leerzeichen und der Name) und wurden nicht importiert:
</translation>
    </message>
    <message>
        <source>Part of this calendar was written by a newer version of Daylark (1 line after &quot;[End of Data]&quot;). This version cannot show it; it is kept and saved back unchanged.</source>
        <translation>Ein Teil dieses Kalenders wurde von einer neueren Version von Daylark geschrieben (1 Zeile nach „[End of Data]“). Diese Version kann ihn nicht zeigen; er wird behalten und unverändert zurückgespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>Part of this calendar was written by a newer version of Daylark (%n lines after &quot;[End of Data]&quot;). This version cannot show it; it is kept and saved back unchanged.</source>
        <translation>
            <numerusform>Ein Teil dieses Kalenders wurde von einer neueren Version von Daylark geschrieben (%n Zeile nach „[End of Data]“). Diese Version kann ihn nicht zeigen; er wird behalten und unverändert zurückgespeichert.</numerusform>
            <numerusform>Ein Teil dieses Kalenders wurde von einer neueren Version von Daylark geschrieben (%n Zeilen nach „[End of Data]“). Diese Version kann ihn nicht zeigen; er wird behalten und unverändert zurückgespeichert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CellEntry</name>
    <message>
        <source>There has been an error trying to display an event.
Make sure that all events are able to fit in the grid.</source>
        <translation>Beim Anzeigen eines Termins ist ein Fehler aufgetreten.
Achten Sie darauf, dass alle Termine in das Raster passen.</translation>
    </message>
</context>
<context>
    <name>CommandLineNames</name>
    <message>
        <source>Its name is not UTF-8 text, and only files named in UTF-8 can be opened or saved. Rename the file to use it.</source>
        <translation>Ihr Name ist kein UTF-8-Text; nur Dateien mit Namen in UTF-8 lassen sich öffnen oder speichern. Benennen Sie die Datei um, um sie zu verwenden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used. %2</source>
        <translation>„%1“ kann nicht verwendet werden. %2</translation>
    </message>
</context>
<context>
    <name>DateRules</name>
    <message>
        <source>%1 does not exist.
Please correct the day or the year.</source>
        <translation>Den %1 gibt es nicht.
Bitte korrigieren Sie den Tag oder das Jahr.</translation>
    </message>
    <message>
        <source>A holiday cannot fall on February 29:
it comes back every year, and most years have no such day.</source>
        <translation>Ein Feiertag kann nicht auf den 29. Februar fallen:
er kehrt jedes Jahr wieder, und die meisten Jahre haben keinen solchen Tag.</translation>
    </message>
</context>
<context>
    <name>DateWords</name>
    <message>
        <source>of %1</source>
        <comment>a floating holiday&apos;s month, whose name begins with a vowel</comment>
        <translation>im %1</translation>
    </message>
    <message>
        <source>of %1</source>
        <comment>a floating holiday&apos;s month: Fourth Thursday of November</comment>
        <translation>im %1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>the week of a floating holiday: First Monday of May</comment>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>the week of a floating holiday</comment>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>the week of a floating holiday</comment>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>the week of a floating holiday</comment>
        <translation>Vierter</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>the week of a floating holiday: Last Monday of May</comment>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>a date: %1 month, %2 day, %3 year (March 7, 1961)</comment>
        <translation>%2. %1 %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a day of every year: %1 month, %2 day (July 4)</comment>
        <translation>%2. %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a floating holiday: %1 First, %2 Thursday, %3 of November</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the first and last days of an event that spans days</comment>
        <translation>%1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 for %n days</source>
        <comment>a holiday of several days: July 10 for 3 days</comment>
        <translation>
            <numerusform>%1, %n Tag</numerusform>
            <numerusform>%1, %n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatedEntryEditor</name>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Vemora Files (*.qvf)</source>
        <translation>Vemora-Dateien (*.qvf)</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>The active calendar file has not been saved.

Do you wish to save it?</source>
        <translation>Die geöffnete Kalenderdatei wurde nicht gespeichert.

Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Open Vemora File</source>
        <translation>Vemora-Datei öffnen</translation>
    </message>
    <message>
        <source>Save Vemora File As</source>
        <translation>Vemora-Datei speichern unter</translation>
    </message>
    <message>
        <source>Import qvf Data</source>
        <translation>QVF-Daten importieren</translation>
    </message>
    <message>
        <source>Text Lists (*.txt)</source>
        <translation>Textlisten (*.txt)</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar exportieren</translation>
    </message>
    <message>
        <source>These entries were not exported because their date names no day:
</source>
        <translation>Diese Einträge wurden nicht exportiert, weil ihr Datum keinen Tag bezeichnet:
</translation>
    </message>
</context>
<context>
    <name>EditorSequence</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Do you want to add the entry:</source>
        <translation>Möchten Sie diesen Eintrag hinzufügen:</translation>
    </message>
    <message>
        <source>Do you want to update the entry:</source>
        <translation>Möchten Sie diesen Eintrag ändern:</translation>
    </message>
    <message>
        <source>

Displayed as:
</source>
        <translation>

Angezeigt als:
</translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>Add Birthday</source>
        <translation>Geburtstag hinzufügen</translation>
    </message>
    <message>
        <source>Update Birthday</source>
        <translation>Geburtstag ändern</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>[Person&apos;s Name]</source>
        <translation>[Name der Person]</translation>
    </message>
    <message>
        <source>Add Anniversary</source>
        <translation>Jahrestag hinzufügen</translation>
    </message>
    <message>
        <source>Update Anniversary</source>
        <translation>Jahrestag ändern</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Namen:</translation>
    </message>
    <message>
        <source>[Name1 &amp; Name2  LastName]</source>
        <translation>[Name1 &amp; Name2  Nachname]</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Feiertag hinzufügen</translation>
    </message>
    <message>
        <source>Update Holiday</source>
        <translation>Feiertag ändern</translation>
    </message>
    <message>
        <source>[Event Name]</source>
        <translation>[Name des Termins]</translation>
    </message>
    <message>
        <source>Add Other</source>
        <translation>Sonstigen Termin hinzufügen</translation>
    </message>
    <message>
        <source>Update Other</source>
        <translation>Sonstigen Termin ändern</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Update Entry</source>
        <translation>Eintrag ändern</translation>
    </message>
</context>
<context>
    <name>EntryKind</name>
    <message>
        <source>Birthdays</source>
        <translation>Geburtstage</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Floating Holidays</source>
        <translation>Bewegliche Feiertage</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Jahrestage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>This file is not readable using this version of Daylark.</source>
        <translation>Diese Datei kann mit dieser Version von Daylark nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The calendar would be larger than %1 MB as a file, too large to be opened again.</source>
        <translation>Der Kalender wäre als Datei größer als %1 MB und damit zu groß, um wieder geöffnet zu werden.</translation>
    </message>
    <message>
        <source>Daylark cannot open 
%1

%2</source>
        <translation>Daylark kann diese Datei nicht öffnen:
%1

%2</translation>
    </message>
    <message>
        <source>Daylark cannot save 
%1

%2</source>
        <translation>Daylark kann diese Datei nicht speichern:
%1

%2</translation>
    </message>
    <message>
        <source>Daylark cannot import 
%1

%2</source>
        <translation>Daylark kann diese Datei nicht importieren:
%1

%2</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file.</source>
        <translation>Es ist eine benannte Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>Es ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es ist ein Socket, keine Datei.</translation>
    </message>
</context>
<context>
    <name>FitReport</name>
    <message>
        <source>&quot;%1&quot; cannot be shown: its date names no day of the month</source>
        <translation>„%1“ kann nicht angezeigt werden: Sein Datum bezeichnet keinen Tag des Monats</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be shown: the colour of its kind is not a colour</source>
        <translation>„%1“ kann nicht angezeigt werden: Für seine Art ist keine gültige Farbe eingestellt</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entry does not fit</source>
        <translation>%1: %2 von %3 Eintrag passt nicht</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entries does not fit</source>
        <translation>%1: %2 von %3 Einträgen passt nicht</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entries do not fit</source>
        <translation>%1: %2 von %3 Einträgen passen nicht</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a day and why an entry of it cannot be shown</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: the birthday of &quot;%2&quot; (29 February %3) is not shown: %4 has no 29 February</source>
        <translation>%1: Der Geburtstag von „%2“ (29. Februar %3) wird nicht angezeigt, denn %4 hat keinen 29. Februar</translation>
    </message>
    <message>
        <source>%1: the anniversary of &quot;%2&quot; (29 February %3) is not shown: %4 has no 29 February</source>
        <translation>%1: Der Jahrestag von „%2“ (29. Februar %3) wird nicht angezeigt, denn %4 hat keinen 29. Februar</translation>
    </message>
    <message>
        <source>The layout can show them on 28 February or on 1 March: &quot;29 February birthdays and anniversaries in other years&quot;, under Entries on its Alignment page.</source>
        <translation>Das Layout kann sie am 28. Februar oder am 1. März zeigen: „Geburts- und Jahrestage am 29. Februar in anderen Jahren“ unter „Einträge“ auf der Seite „Ausrichtung“.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Daylark Help</source>
        <translation>Daylark-Hilfe</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Forward &gt;</source>
        <translation>Vor &gt;</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Daylark Help - %1</source>
        <translation>Daylark-Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>ICalendarExport</name>
    <message>
        <source>%1: the date names no day.</source>
        <translation>%1: Das Datum bezeichnet keinen Tag.</translation>
    </message>
    <message>
        <source>%1: a holiday that moves with Easter or the weekend has no yearly repeat in iCalendar.</source>
        <translation>%1: Ein Feiertag, der mit Ostern oder dem Wochenende wandert, hat in iCalendar keine jährliche Wiederholung.</translation>
    </message>
</context>
<context>
    <name>ICalendarImport</name>
    <message>
        <source>An event without a title</source>
        <translation>Ein Termin ohne Titel</translation>
    </message>
    <message>
        <source>%1 is a to-do, not an event.</source>
        <translation>%1 ist eine Aufgabe, kein Termin.</translation>
    </message>
    <message>
        <source>A to-do without a title</source>
        <translation>Eine Aufgabe ohne Titel</translation>
    </message>
    <message>
        <source>%1 is a journal note, not an event.</source>
        <translation>%1 ist ein Journaleintrag, kein Termin.</translation>
    </message>
    <message>
        <source>A note without a title</source>
        <translation>Eine Notiz ohne Titel</translation>
    </message>
    <message>
        <source>An item of the kind %1 has no place in this calendar.</source>
        <translation>Ein Element der Art %1 hat in diesem Kalender keinen Platz.</translation>
    </message>
    <message>
        <source>has a line that cannot be read (%1)</source>
        <translation>hat eine Zeile, die nicht gelesen werden kann (%1)</translation>
    </message>
    <message>
        <source>has no start date</source>
        <translation>hat kein Anfangsdatum</translation>
    </message>
    <message>
        <source>changes one day of a repeating event</source>
        <translation>ändert einen Tag eines wiederkehrenden Termins</translation>
    </message>
    <message>
        <source>is cancelled</source>
        <translation>ist abgesagt</translation>
    </message>
    <message>
        <source>has no title to show</source>
        <translation>hat keinen Titel, der angezeigt werden könnte</translation>
    </message>
    <message>
        <source>repeats in a way this calendar cannot hold</source>
        <translation>wiederholt sich auf eine Weise, die dieser Kalender nicht abbilden kann</translation>
    </message>
    <message>
        <source>lasts %1 days and was added on its first day only</source>
        <translation>dauert %1 Tage und wurde nur an seinem ersten Tag eingetragen</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it holds binary data.</source>
        <translation>Die Datei ist keine iCalendar-Datei: Sie enthält binäre Daten.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Die Datei ist keine iCalendar-Datei: Sie beginnt nicht mit BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it holds no calendar.</source>
        <translation>Die Datei ist keine iCalendar-Datei: Sie enthält keinen Kalender.</translation>
    </message>
    <message>
        <source>1 entry was imported.</source>
        <translation>1 Eintrag wurde importiert.</translation>
    </message>
    <message>
        <source>%1 entries were imported.</source>
        <translation>%1 Einträge wurden importiert.</translation>
    </message>
    <message>
        <source>

These items of the file were not imported, or only in part:
</source>
        <translation>

Diese Elemente der Datei wurden nicht oder nur teilweise importiert:
</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>%1; it was not imported</source>
        <comment>%1 says what is wrong</comment>
        <translation>%1; der Termin wurde nicht importiert</translation>
    </message>
    <message>
        <source>has a time zone (&quot;%1&quot;) that could not be read; it was placed on the date as written</source>
        <translation>hat eine Zeitzone („%1“), die nicht gelesen werden konnte; der Termin wurde auf das geschriebene Datum gelegt</translation>
    </message>
    <message>
        <source>has an end that cannot be read (%1); it was added on its first day only</source>
        <translation>hat ein Ende, das nicht gelesen werden kann (%1); der Termin wurde nur an seinem ersten Tag eingetragen</translation>
    </message>
    <message>
        <source>lasts until %1 and was added on its first day only</source>
        <translation>dauert bis zum %1 und wurde nur an seinem ersten Tag eingetragen</translation>
    </message>
    <message>
        <source>is before %1, the earliest year this calendar holds</source>
        <translation>liegt vor %1, dem frühesten Jahr dieses Kalenders</translation>
    </message>
    <message>
        <source>is after %1, the latest year this calendar holds</source>
        <translation>liegt nach %1, dem spätesten Jahr dieses Kalenders</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a title in quotes</comment>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>ICalendarScan</name>
    <message>
        <source>The file is not an iCalendar file: its parts are nested more than %1 deep (line %2).</source>
        <translation>Die Datei ist keine iCalendar-Datei: Ihre Teile sind mehr als %1 Ebenen tief verschachtelt (Zeile %2).</translation>
    </message>
    <message>
        <source>Line %1 (END:%2) ends nothing that began before it; it was skipped.</source>
        <translation>Zeile %1 (END:%2) beendet nichts, was vorher begonnen hat; sie wurde übersprungen.</translation>
    </message>
    <message>
        <source>The %1 that begins at line %2 has no END:%3 line; it was not read.</source>
        <comment>%1 the kind of part: event, to-do</comment>
        <translation>Der Teil (%1), der in Zeile %2 beginnt, hat keine END:%3-Zeile; er wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>holds a part (line %1) that has no END:%2 line</source>
        <comment>said of an event, after its name</comment>
        <translation>enthält einen Teil (Zeile %1) ohne END:%2-Zeile</translation>
    </message>
    <message>
        <source>The calendar that begins at line %1 has no END:%2 line before line %3; what it holds was read.</source>
        <translation>Der Kalender, der in Zeile %1 beginnt, hat vor Zeile %3 keine END:%2-Zeile; sein Inhalt wurde gelesen.</translation>
    </message>
    <message>
        <source>Line %1 stands outside every calendar of the file; it was not read.</source>
        <translation>Zeile %1 steht außerhalb aller Kalender der Datei; sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>Lines %1 to %2 stand outside every calendar of the file; they were not read.</source>
        <translation>Die Zeilen %1 bis %2 stehen außerhalb aller Kalender der Datei; sie wurden nicht gelesen.</translation>
    </message>
    <message>
        <source>The file is not a complete iCalendar file: it ends at line %1, in the middle of the %2 that begins at line %3.</source>
        <comment>%2 the kind of part: event, to-do</comment>
        <translation>Die Datei ist keine vollständige iCalendar-Datei: Sie endet in Zeile %1, mitten im Teil (%2), der in Zeile %3 beginnt.</translation>
    </message>
    <message>
        <source>The file is not a complete iCalendar file: it ends at line %1, before the end of the %2 that begins at line %3.</source>
        <comment>%2 the kind of part: calendar</comment>
        <translation>Die Datei ist keine vollständige iCalendar-Datei: Sie endet in Zeile %1, vor dem Ende des Teils (%2), der in Zeile %3 beginnt.</translation>
    </message>
    <message>
        <source>event</source>
        <comment>a part</comment>
        <translation>Termin</translation>
    </message>
    <message>
        <source>to-do</source>
        <comment>a part</comment>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>journal note</source>
        <comment>a part</comment>
        <translation>Journaleintrag</translation>
    </message>
    <message>
        <source>time zone</source>
        <comment>a part</comment>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>free/busy list</source>
        <comment>a part</comment>
        <translation>Frei/Belegt-Liste</translation>
    </message>
    <message>
        <source>calendar</source>
        <comment>a part</comment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>item %1</source>
        <comment>a part of an unknown kind</comment>
        <translation>Element %1</translation>
    </message>
</context>
<context>
    <name>LayoutRules</name>
    <message>
        <source>Smallest</source>
        <translation>Am kleinsten</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Am größten</translation>
    </message>
    <message>
        <source>Invalid font. Please select another.</source>
        <translation>Ungültige Schrift. Bitte wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the calendar must be greater than 5 inches, excluding margins.</source>
        <translation>Ungültige Papiermaße.
Breite und Höhe des Kalenders müssen ohne Ränder mehr als 5 Zoll betragen.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the paper must be from 1 to 100 inches.</source>
        <translation>Ungültige Papiermaße.
Breite und Höhe des Papiers müssen zwischen 1 und 100 Zoll liegen.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the calendar must be at least 127 mm, excluding margins.</source>
        <translation>Ungültige Papiermaße.
Breite und Höhe des Kalenders müssen ohne Ränder mindestens 127 mm betragen.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the paper must be from 25.4 to 2540 mm.</source>
        <translation>Ungültige Papiermaße.
Breite und Höhe des Papiers müssen zwischen 25.4 und 2540 mm liegen.</translation>
    </message>
    <message>
        <source>Invalid margin(s).
Each margin must be less than half the width or height of the paper it lies along.</source>
        <translation>Ungültige Ränder.
Jeder Rand muss kleiner sein als die Hälfte der Papierseite, an der er liegt.</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>There is no way to retrieve the information of the selected event(s) after deletion.

Are you sure you want to continue?</source>
        <translation>Gelöschte Einträge lassen sich nicht wiederherstellen.

Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Event Delete</source>
        <translation>Einträge löschen</translation>
    </message>
</context>
<context>
    <name>MonthPage</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
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
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>PhotoFrame</name>
    <message>
        <source>Photo above the month</source>
        <translation>Foto über dem Monat</translation>
    </message>
    <message>
        <source>Photo facing the month</source>
        <translation>Foto gegenüber dem Monat</translation>
    </message>
    <message>
        <source>No photos</source>
        <translation>Keine Fotos</translation>
    </message>
    <message>
        <source>Cover</source>
        <comment>the photo of the cover page</comment>
        <translation>Titelbild</translation>
    </message>
</context>
<context>
    <name>PhotoImage</name>
    <message>
        <source>The photo %1 does not exist.</source>
        <translation>Das Foto %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 is not a photo this program can read (JPEG, PNG or another common image format).</source>
        <translation>%1 ist kein Foto, das dieses Programm lesen kann (JPEG, PNG oder ein anderes gängiges Bildformat).</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>PhotoPages</name>
    <message>
        <source>Cover</source>
        <translation>Titelblatt</translation>
    </message>
    <message>
        <source>%1 × %2 in</source>
        <translation>%1 × %2 Zoll</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 gives %3 dpi on %4; it will look soft</source>
        <translation>%1: %2 ergibt %3 dpi auf %4; es wird unscharf aussehen</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>There is no room for the calendar grid on this page: the margins, the heading and the title take up the paper.
Make the margins or the fonts smaller, or the paper larger, in the layout.</source>
        <translation>Auf dieser Seite ist kein Platz für das Kalenderraster: Ränder, Überschrift und Titel nehmen das ganze Papier ein.
Verkleinern Sie im Layout die Ränder oder die Schriften, oder wählen Sie größeres Papier.</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot print on %1</source>
        <translation>Auf %1 kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>%1 refused a new page</source>
        <translation>%1 hat eine neue Seite abgelehnt</translation>
    </message>
    <message>
        <source>%1 could not finish the document</source>
        <translation>%1 konnte das Dokument nicht abschließen</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>The calendar file
%1
no longer exists. It has been taken off the list of recent calendars.</source>
        <translation>Die Kalenderdatei
%1
existiert nicht mehr. Sie wurde aus der Liste der zuletzt verwendeten Kalender entfernt.</translation>
    </message>
</context>
<context>
    <name>ResortEntries</name>
    <message>
        <source>Resorting Birthdays...</source>
        <translation>Geburtstage werden sortiert...</translation>
    </message>
    <message>
        <source>Rewriting Birthdays...</source>
        <translation>Geburtstage werden zurückgeschrieben...</translation>
    </message>
    <message>
        <source>Resorting Holidays...</source>
        <translation>Feiertage werden sortiert...</translation>
    </message>
    <message>
        <source>Rewriting Holidays...</source>
        <translation>Feiertage werden zurückgeschrieben...</translation>
    </message>
    <message>
        <source>Resorting Floating Holidays...</source>
        <translation>Bewegliche Feiertage werden sortiert...</translation>
    </message>
    <message>
        <source>Rewriting Floating Holidays...</source>
        <translation>Bewegliche Feiertage werden zurückgeschrieben...</translation>
    </message>
    <message>
        <source>Resorting Anniversaries...</source>
        <translation>Jahrestage werden sortiert...</translation>
    </message>
    <message>
        <source>Rewriting Anniversaries...</source>
        <translation>Jahrestage werden zurückgeschrieben...</translation>
    </message>
    <message>
        <source>Resorting Other...</source>
        <translation>Sonstige werden sortiert...</translation>
    </message>
    <message>
        <source>Resorting Complete</source>
        <translation>Sortieren abgeschlossen</translation>
    </message>
</context>
<context>
    <name>RuleText</name>
    <message>
        <source>%1 %2</source>
        <comment>a day of every year: July 4</comment>
        <translation>%2. %1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Vierter</translation>
    </message>
    <message>
        <source>Fifth</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Fünfter</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <comment>%1 First, %2 Monday, %3 May: First Monday of May</comment>
        <translation>%1 %2 im %3</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 Monday, %2 May: Last Monday of May</comment>
        <translation>Letzter %1 im %2</translation>
    </message>
    <message>
        <source>%1 on or after %2</source>
        <comment>%1 Monday, %2 May 24: Monday on or after May 24</comment>
        <translation>%1 am oder nach dem %2</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>Easter Sunday</comment>
        <translation>Ostern</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <comment>Easter Sunday</comment>
        <translation>Orthodoxes Ostern</translation>
    </message>
    <message>
        <source>on %1 when on a %2</source>
        <comment>%1 Monday, %2 Sunday: a holiday observed on another day</comment>
        <translation>am %1, wenn auf einem %2</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <comment>the years a holiday holds</comment>
        <translation>, %1 bis %2</translation>
    </message>
    <message>
        <source>, from %1</source>
        <comment>the years a holiday holds</comment>
        <translation>, ab %1</translation>
    </message>
    <message>
        <source>, up to %1</source>
        <comment>the years a holiday holds</comment>
        <translation>, bis %1</translation>
    </message>
    <message>
        <source>, only in %1</source>
        <comment>the one year a holiday holds</comment>
        <translation>, nur %1</translation>
    </message>
</context>
<context>
    <name>SaveName</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>%1 ist nicht vorhanden.
Möchten Sie die Datei anlegen?</translation>
    </message>
</context>
<context>
    <name>SaveSettings</name>
    <message>
        <source>Daylark cannot save the settings in
%1

%2

Nothing was changed. Save again once the folder can be written to, or close the window to keep the settings as they were.</source>
        <translation>Daylark kann die Einstellungen nicht speichern in
%1

%2

Es wurde nichts geändert. Speichern Sie erneut, sobald der Ordner beschreibbar ist, oder schließen Sie das Fenster, um die bisherigen Einstellungen zu behalten.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>1 entry added from %1</source>
        <translation>1 Eintrag aus %1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 entries added from %2</source>
        <translation>%1 Einträge aus %2 hinzugefügt</translation>
    </message>
    <message>
        <source>1 page written to %1</source>
        <translation>1 Seite in %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>%1 Seiten in %2 geschrieben</translation>
    </message>
    <message>
        <source>1 page sent to %1</source>
        <translation>1 Seite an %1 gesendet</translation>
    </message>
    <message>
        <source>%1 pages sent to %2</source>
        <translation>%1 Seiten an %2 gesendet</translation>
    </message>
</context>
<context>
    <name>StyledEntryEditor</name>
    <message>
        <source>Style</source>
        <translation>Darstellung</translation>
    </message>
</context>
<context>
    <name>TextExport</name>
    <message>
        <source>Export Vemora File Data</source>
        <translation>Daten der Vemora-Datei exportieren</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Daylark could not export the file
%1

%2</source>
        <translation>Daylark konnte die Datei nicht exportieren:
%1

%2</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New Calendar</source>
        <translation>Neuer Kalender</translation>
    </message>
    <message>
        <source>Open Calendar</source>
        <translation>Kalender öffnen</translation>
    </message>
    <message>
        <source>Save Calendar</source>
        <translation>Kalender speichern</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Kalender drucken</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>View Calendar</source>
        <translation>Kalender anzeigen</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Resort Entries</source>
        <translation>Einträge sortieren</translation>
    </message>
</context>
<context>
    <name>WeekList</name>
    <message>
        <source>Week Starting %1</source>
        <comment>a date follows</comment>
        <translation>Woche vom %1</translation>
    </message>
    <message>
        <source>Weeks Starting %1</source>
        <comment>a date follows</comment>
        <translation>Wochen ab %1</translation>
    </message>
    <message>
        <source>Birthday</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Holiday</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>WholeFileReader</name>
    <message>
        <source>The file is too large to be a calendar.</source>
        <translation>Die Datei ist zu groß für einen Kalender.</translation>
    </message>
</context>
<context>
    <name>frmAnniv</name>
    <message>
        <source>Anniversary</source>
        <translation>Jahrestag</translation>
    </message>
</context>
<context>
    <name>frmBirthday</name>
    <message>
        <source>Birthdate</source>
        <translation>Geburtsdatum</translation>
    </message>
</context>
<context>
    <name>frmCalendar</name>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Voriger Monat (Bild auf)</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Nächster Monat (Bild ab)</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
</context>
<context>
    <name>frmDesktop</name>
    <message>
        <source>hh:mm AP</source>
        <comment>the clock&apos;s format</comment>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Desktop Calendar Options</source>
        <translation>Optionen des Desktop-Kalenders</translation>
    </message>
    <message>
        <source>Enable desktop calendar</source>
        <translation>Desktop-Kalender einschalten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>List events that occur within:</source>
        <translation>Termine auflisten innerhalb von:</translation>
    </message>
    <message>
        <source>month(s).</source>
        <translation>Monat(en).</translation>
    </message>
    <message>
        <source>Select Calendar to be displayed</source>
        <translation>Anzuzeigenden Kalender wählen</translation>
    </message>
    <message>
        <source>Load at system startup</source>
        <translation>Beim Systemstart laden</translation>
    </message>
    <message>
        <source>Display at system startup</source>
        <translation>Beim Systemstart anzeigen</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 Woche</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 Wochen</translation>
    </message>
    <message>
        <source>Select Vemora File</source>
        <translation>Vemora-Datei wählen</translation>
    </message>
    <message>
        <source>Daylark cannot write the start-up entry 
%1

%2</source>
        <translation>Daylark kann den Autostart-Eintrag nicht schreiben:
%1

%2</translation>
    </message>
    <message>
        <source>Daylark cannot remove the start-up entry 
%1

%2</source>
        <translation>Daylark kann den Autostart-Eintrag nicht entfernen:
%1

%2</translation>
    </message>
</context>
<context>
    <name>frmDispWeek</name>
    <message>
        <source>Upcoming Events </source>
        <translation>Anstehende Termine </translation>
    </message>
    <message>
        <source>No Vemora File has been selected.

Click &quot;OK&quot; to view the Desktop Calendar options.</source>
        <translation>Es wurde keine Vemora-Datei gewählt.

Klicken Sie auf „OK“, um die Optionen des Desktop-Kalenders zu öffnen.</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Select the event types you want exported.</source>
        <translation>Wählen Sie die Arten von Einträgen, die exportiert werden sollen.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>frmHoliday</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Fixed Date</source>
        <translation>Festes Datum</translation>
    </message>
    <message>
        <source>Floating Date</source>
        <translation>Bewegliches Datum</translation>
    </message>
    <message>
        <source> day</source>
        <comment>after the count 1: 1 day</comment>
        <translation> Tag</translation>
    </message>
    <message numerus="yes">
        <source> days</source>
        <comment>after a count of days other than 1: 2 days</comment>
        <translation>
            <numerusform> Tag</numerusform>
            <numerusform> Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Moving Date</source>
        <translation>Datum nach Regel</translation>
    </message>
    <message>
        <source>Days after Easter; before it when negative</source>
        <translation>Tage nach Ostern; davor, wenn negativ</translation>
    </message>
    <message>
        <source>The first of this weekday on or after the day above</source>
        <translation>Der erste dieser Wochentage am oder nach dem Tag darüber</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Ostern</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Orthodoxes Ostern</translation>
    </message>
    <message>
        <source>Weekday on or after the day</source>
        <translation>Wochentag am oder nach dem Tag</translation>
    </message>
    <message>
        <source>The day, observed on a weekday</source>
        <translation>Der Tag, an einem Werktag begangen</translation>
    </message>
    <message>
        <source>On Monday when on a Sunday</source>
        <translation>Am Montag, wenn auf einem Sonntag</translation>
    </message>
    <message>
        <source>On Monday when on a Saturday or Sunday</source>
        <translation>Am Montag, wenn auf einem Samstag oder Sonntag</translation>
    </message>
    <message>
        <source>On Friday when on a Saturday, Monday when on a Sunday</source>
        <translation>Am Freitag, wenn auf einem Samstag, am Montag, wenn auf einem Sonntag</translation>
    </message>
    <message>
        <source>As stored: %1</source>
        <translation>Wie gespeichert: %1</translation>
    </message>
    <message>
        <source>for </source>
        <comment>a count of days follows: for 3 days</comment>
        <translation>für </translation>
    </message>
    <message>
        <source>How many days the holiday lasts from its date</source>
        <translation>Wie viele Tage der Feiertag ab seinem Datum dauert</translation>
    </message>
</context>
<context>
    <name>frmHolidayPacks</name>
    <message>
        <source>Add Holidays</source>
        <translation>Feiertage hinzufügen</translation>
    </message>
    <message>
        <source>Search countries and regions</source>
        <translation>Länder und Regionen suchen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Englischer Name</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays of %1 added.</source>
        <translation>
            <numerusform>%n Feiertag von %1 hinzugefügt.</numerusform>
            <numerusform>%n Feiertage von %1 hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The holidays of %1 are updated.</source>
        <translation>Die Feiertage von %1 sind aktualisiert.</translation>
    </message>
    <message>
        <source>The holidays of %1 are up to date.</source>
        <translation>Die Feiertage von %1 sind auf dem neuesten Stand.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays of %1 removed.</source>
        <translation>
            <numerusform>%n Feiertag von %1 entfernt.</numerusform>
            <numerusform>%n Feiertage von %1 entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>One holiday of %1 added.</source>
        <translation>Ein Feiertag von %1 hinzugefügt.</translation>
    </message>
    <message>
        <source>One holiday of %1 removed.</source>
        <translation>Ein Feiertag von %1 entfernt.</translation>
    </message>
</context>
<context>
    <name>frmLayout</name>
    <message>
        <source>Layout Options</source>
        <translation>Layout-Optionen</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Mark days with more entries than fit</source>
        <translation>Tage mit mehr Einträgen, als hineinpassen, kennzeichnen</translation>
    </message>
    <message>
        <source>A day whose entries do not all fit ends with &quot;+N more&quot;; otherwise its last entries are cut off.</source>
        <translation>Ein Tag, in den nicht alle Einträge passen, endet mit „+N weitere“; sonst werden seine letzten Einträge abgeschnitten.</translation>
    </message>
    <message>
        <source>29 February birthdays and anniversaries in other years:</source>
        <translation>Geburts- und Jahrestage am 29. Februar in anderen Jahren:</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>Nicht anzeigen</translation>
    </message>
    <message>
        <source>On 28 February</source>
        <translation>Am 28. Februar</translation>
    </message>
    <message>
        <source>On 1 March</source>
        <translation>Am 1. März</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Month and Year:</source>
        <translation>Monat und Jahr:</translation>
    </message>
    <message>
        <source>Calendar Title:</source>
        <translation>Kalendertitel:</translation>
    </message>
    <message>
        <source>Dates and Events:</source>
        <translation>Daten und Termine:</translation>
    </message>
    <message>
        <source>Days of the Week:</source>
        <translation>Wochentage:</translation>
    </message>
    <message>
        <source>Alignment </source>
        <translation>Ausrichtung </translation>
    </message>
    <message>
        <source>Display Calendar Title and Header</source>
        <translation>Kalendertitel und Kopfzeilen anzeigen</translation>
    </message>
    <message>
        <source>Align Calendar Title and Header</source>
        <translation>Kalendertitel und Kopfzeilen ausrichten</translation>
    </message>
    <message>
        <source>Align Month and Year</source>
        <translation>Monat und Jahr ausrichten</translation>
    </message>
    <message>
        <source>Month / Year</source>
        <translation>Monat / Jahr</translation>
    </message>
    <message>
        <source>Calendar Title</source>
        <translation>Kalendertitel</translation>
    </message>
    <message>
        <source>Fonts </source>
        <translation>Schriften </translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Colors </source>
        <translation>Farben </translation>
    </message>
    <message>
        <source>Click to choose the colour</source>
        <translation>Klicken, um die Farbe zu wählen</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Geburtstage</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Jahrestage</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Floating Holidays</source>
        <translation>Bewegliche Feiertage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Paper Size </source>
        <translation>Papierformat </translation>
    </message>
    <message>
        <source>Default (Landscape)</source>
        <translation>Standard (Querformat)</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>Benutzerdefiniert:</translation>
    </message>
    <message>
        <source>Margins </source>
        <translation>Ränder </translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Width (in.)</source>
        <translation>Breite (Zoll)</translation>
    </message>
    <message>
        <source>Height (in.)</source>
        <translation>Höhe (Zoll)</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Unten:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Rechts:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Language and Week</source>
        <translation>Sprache und Woche</translation>
    </message>
    <message>
        <source>&amp;Language of the calendar:</source>
        <translation>Sprache des &amp;Kalenders:</translation>
    </message>
    <message>
        <source>The language of the month and weekday names and of the dates on the pages, the calendar view and the desktop calendar.</source>
        <translation>Die Sprache der Monats- und Wochentagsnamen und der Datumsangaben auf den Seiten, in der Kalenderansicht und im Desktop-Kalender.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>&amp;First day of the week:</source>
        <translation>&amp;Erster Tag der Woche:</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Wie in der Sprache üblich</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>&amp;Week numbers</source>
        <translation>Kalender&amp;wochen</translation>
    </message>
    <message>
        <source>ISO 8601 week numbers beside each row: the week that holds the row&apos;s Thursday.</source>
        <translation>Kalenderwochen nach ISO 8601 neben jeder Zeile: die Woche, in der der Donnerstag der Zeile liegt.</translation>
    </message>
    <message>
        <source>Standard size:</source>
        <translation>Standardformat:</translation>
    </message>
    <message>
        <source>Width (mm)</source>
        <translation>Breite (mm)</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Höhe (mm)</translation>
    </message>
    <message>
        <source>Margins (in.) </source>
        <translation>Ränder (Zoll) </translation>
    </message>
    <message>
        <source>Margins (mm) </source>
        <translation>Ränder (mm) </translation>
    </message>
    <message>
        <source>Month Pages</source>
        <translation>Monatsseiten</translation>
    </message>
    <message>
        <source>&amp;Previous and next month in small</source>
        <translation>&amp;Vor- und Folgemonat in klein</translation>
    </message>
    <message>
        <source>In the empty cells at the start and end of the grid where two sit side by side, otherwise beside the heading.</source>
        <translation>In den leeren Feldern am Anfang und Ende des Rasters, wo zwei nebeneinander liegen, sonst neben der Überschrift.</translation>
    </message>
    <message>
        <source>Only the &amp;rows the month needs</source>
        <translation>Nur die &amp;Zeilen, die der Monat braucht</translation>
    </message>
    <message>
        <source>A month of four or five weeks draws only those rows, taller, so busy days have more room.</source>
        <translation>Ein Monat mit vier oder fünf Wochen zeichnet nur diese Zeilen, dafür höher, damit volle Tage mehr Platz haben.</translation>
    </message>
    <message>
        <source>&amp;Moon phases</source>
        <translation>&amp;Mondphasen</translation>
    </message>
    <message>
        <source>New, first quarter, full and last quarter moon as small symbols in the corner of their days.</source>
        <translation>Neumond, erstes Viertel, Vollmond und letztes Viertel als kleine Zeichen in der Ecke ihrer Tage.</translation>
    </message>
    <message>
        <source>&amp;Notes box</source>
        <translation>&amp;Notizfeld</translation>
    </message>
    <message>
        <source>A ruled box for notes in the largest run of empty cells.</source>
        <translation>Ein liniertes Feld für Notizen in der größten Folge leerer Felder.</translation>
    </message>
    <message>
        <source>Shading</source>
        <translation>Schattierung</translation>
    </message>
    <message>
        <source>Shade &amp;weekends</source>
        <translation>&amp;Wochenenden schattieren</translation>
    </message>
    <message>
        <source>Shade &amp;holidays</source>
        <translation>&amp;Feiertage schattieren</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Sample page</source>
        <translation>Musterseite</translation>
    </message>
    <message>
        <source>A month of the calendar as it prints with these choices.</source>
        <translation>Ein Monat des Kalenders, wie er mit dieser Auswahl gedruckt wird.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Calendar</source>
        <translation>&amp;Neuer Kalender</translation>
    </message>
    <message>
        <source>&amp;Open Calendar...</source>
        <translation>Kalender ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Calendar</source>
        <translation>Kalender &amp;speichern</translation>
    </message>
    <message>
        <source>Save Calendar &amp;As...</source>
        <translation>Kalender speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import QVF data...</source>
        <translation>QVF-Daten &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export QVF data...</source>
        <translation>QVF-Daten &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>i&amp;Calendar exportieren...</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Seite ein&amp;richten...</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>Kalender &amp;drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit Daylark</source>
        <translation>Daylark &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Eintrag</translation>
    </message>
    <message>
        <source>&amp;Birthday...</source>
        <translation>&amp;Geburtstag...</translation>
    </message>
    <message>
        <source>&amp;Holiday...</source>
        <translation>&amp;Feiertag...</translation>
    </message>
    <message>
        <source>&amp;Anniversary...</source>
        <translation>&amp;Jahrestag...</translation>
    </message>
    <message>
        <source>&amp;Other...</source>
        <translation>&amp;Sonstiges...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Daylark...</source>
        <translation>Ü&amp;ber Daylark...</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Infobereich</translation>
    </message>
    <message>
        <source>Display Desktop Calendar</source>
        <translation>Desktop-Kalender anzeigen</translation>
    </message>
    <message>
        <source>Display Daylark Setup</source>
        <translation>Daylark-Einrichtung anzeigen</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No entry is currently selected.</source>
        <translation>Es ist kein Eintrag ausgewählt.</translation>
    </message>
    <message>
        <source>Select one entry to be edited.</source>
        <translation>Wählen Sie einen Eintrag zum Bearbeiten aus.</translation>
    </message>
    <message>
        <source>Add &amp;Holidays...</source>
        <translation>Feier&amp;tage hinzufügen...</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Daylark Options</source>
        <translation>Daylark-Optionen</translation>
    </message>
    <message>
        <source>Entry Options </source>
        <translation>Optionen für Einträge </translation>
    </message>
    <message>
        <source>Display confirmation after adding entries</source>
        <translation>Beim Hinzufügen von Einträgen nachfragen</translation>
    </message>
    <message>
        <source>Display confirmation after editing entries</source>
        <translation>Beim Ändern von Einträgen nachfragen</translation>
    </message>
    <message>
        <source>Display confirmation when deleting entries</source>
        <translation>Beim Löschen von Einträgen nachfragen</translation>
    </message>
    <message>
        <source>Adding Entries</source>
        <translation>Nach dem Hinzufügen</translation>
    </message>
    <message>
        <source>Remain in window and clear fields</source>
        <translation>Im Fenster bleiben und die Felder leeren</translation>
    </message>
    <message>
        <source>Close window and return to previous window</source>
        <translation>Fenster schließen und zum vorigen Fenster zurückkehren</translation>
    </message>
    <message>
        <source>More Options </source>
        <translation>Weitere Optionen </translation>
    </message>
    <message>
        <source>Calendar Layout...</source>
        <translation>Kalenderlayout...</translation>
    </message>
    <message>
        <source>Desktop Calendar...</source>
        <translation>Desktop-Kalender...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
</context>
<context>
    <name>frmOther</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <comment>how the Until date is shown: July 20, 2027</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>The last day of an event that lasts several days</source>
        <translation>Der letzte Tag eines Termins, der mehrere Tage dauert</translation>
    </message>
    <message>
        <source>An event that lasts several days must end on or after its first day and last at most %1 days.</source>
        <translation>Ein Termin über mehrere Tage muss an oder nach seinem ersten Tag enden und darf höchstens %1 Tage dauern.</translation>
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
        <translation>Klicken Sie auf einen leeren Monat, um sein Foto zu wählen; ziehen Sie ein Foto auf einen anderen Monat, um beide zu tauschen</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Auswählen...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message>
        <source>&amp;Fill from Folder...</source>
        <translation>Aus &amp;Ordner füllen...</translation>
    </message>
    <message>
        <source>Click or drag to choose the point the print keeps in view</source>
        <translation>Klicken oder ziehen Sie, um den Punkt zu wählen, der im Druck sichtbar bleibt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Page layout</source>
        <translation>Seitenlayout</translation>
    </message>
    <message>
        <source>no photo</source>
        <translation>kein Foto</translation>
    </message>
    <message>
        <source>No photo chosen for %1</source>
        <translation>Kein Foto für %1 gewählt</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>Reading the photo...</source>
        <translation>Das Foto wird gelesen...</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 Pixel</translation>
    </message>
    <message>
        <source>The pages print without photos.</source>
        <translation>Die Seiten werden ohne Fotos gedruckt.</translation>
    </message>
    <message>
        <source>Every chosen photo is sharp enough for this paper.</source>
        <translation>Jedes gewählte Foto ist für dieses Papier scharf genug.</translation>
    </message>
    <message>
        <source>Before you print:</source>
        <translation>Vor dem Drucken:</translation>
    </message>
    <message>
        <source>%1 is not a photo that Daylark can read.</source>
        <translation>%1 ist kein Foto, das Daylark lesen kann.</translation>
    </message>
    <message>
        <source>Choose the Photo for %1</source>
        <translation>Foto für %1 auswählen</translation>
    </message>
    <message>
        <source>Fill from Folder</source>
        <translation>Aus Ordner füllen</translation>
    </message>
    <message>
        <source>There are no photos in %1.</source>
        <translation>In %1 gibt es keine Fotos.</translation>
    </message>
    <message numerus="yes">
        <source>Replace the chosen photos with the %n photo(s) of %1?</source>
        <translation>
            <numerusform>Die gewählten Fotos durch das %n Foto aus %1 ersetzen?</numerusform>
            <numerusform>Die gewählten Fotos durch die %n Fotos aus %1 ersetzen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more photo(s) of the folder did not fit: a calendar has twelve months.</source>
        <translation>
            <numerusform>%n weiteres Foto des Ordners passte nicht mehr: ein Kalender hat zwölf Monate.</numerusform>
            <numerusform>%n weitere Fotos des Ordners passten nicht mehr: ein Kalender hat zwölf Monate.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>%1 on %2</source>
        <comment>a printer and its place</comment>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Kalender drucken</translation>
    </message>
    <message>
        <source>Save as PDF on file</source>
        <translation>Als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Select Printer </source>
        <translation>Drucker wählen </translation>
    </message>
    <message>
        <source>Print Months </source>
        <translation>Monate drucken </translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Auswahl:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Layout...</source>
        <translation>Layout...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No printer is chosen</source>
        <translation>Es ist kein Drucker gewählt</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>There has been an error with your printer.
Make sure it is turned on and operational before retrying.</source>
        <translation>Beim Drucker ist ein Fehler aufgetreten.
Prüfen Sie, ob er eingeschaltet und betriebsbereit ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>A smaller font for dates and events, or shorter names, make room in a day</source>
        <translation>Eine kleinere Schrift für Daten und Termine oder kürzere Namen schaffen Platz in einem Tag</translation>
    </message>
    <message>
        <source>September 30, 2027: 12 of 15 entries do not fit</source>
        <comment>a line of the list, to size it</comment>
        <translation>30. September 2027: 12 von 15 Einträgen passen nicht</translation>
    </message>
    <message>
        <source>Every entry of the chosen months fits in its day.</source>
        <translation>Jeder Eintrag der gewählten Monate passt in seinen Tag.</translation>
    </message>
    <message>
        <source>Not everything will be shown:</source>
        <translation>Nicht alles wird angezeigt:</translation>
    </message>
    <message>
        <source>Year &amp;page</source>
        <translation>Jahres&amp;seite</translation>
    </message>
    <message>
        <source>The twelve months of the year on one page</source>
        <translation>Die zwölf Monate des Jahres auf einer Seite</translation>
    </message>
    <message>
        <source>&amp;before the months</source>
        <translation>&amp;vor den Monaten</translation>
    </message>
    <message>
        <source>i&amp;nstead of the months</source>
        <translation>s&amp;tatt der Monate</translation>
    </message>
    <message>
        <source>Every entry of the chosen months fits in its day; about the photos:</source>
        <translation>Jeder Eintrag der gewählten Monate passt in seinen Tag; zu den Fotos:</translation>
    </message>
    <message>
        <source>P&amp;hotos...</source>
        <translation>F&amp;otos...</translation>
    </message>
    <message>
        <source>A photo for each month and for the cover</source>
        <translation>Ein Foto für jeden Monat und für das Titelbild</translation>
    </message>
    <message>
        <source>Photos: %1 (%2 of %3 chosen)</source>
        <translation>Fotos: %1 (%2 von %3 gewählt)</translation>
    </message>
</context>
<context>
    <name>frmResort</name>
    <message>
        <source>Resort Entries</source>
        <translation>Einträge sortieren</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Daylark Setup</source>
        <translation>Daylark-Einrichtung</translation>
    </message>
    <message>
        <source>Calendar Title:</source>
        <translation>Kalendertitel:</translation>
    </message>
    <message>
        <source>Header (line 1):</source>
        <translation>Kopfzeile (Zeile 1):</translation>
    </message>
    <message>
        <source>Header (line 2):</source>
        <translation>Kopfzeile (Zeile 2):</translation>
    </message>
    <message>
        <source>Display Year:</source>
        <translation>Angezeigtes Jahr:</translation>
    </message>
    <message>
        <source>Current Entries </source>
        <translation>Aktuelle Einträge </translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Resort Entries</source>
        <translation>Einträge sortieren</translation>
    </message>
    <message>
        <source>Invalid year. Please enter a value between %1 and %2.</source>
        <translation>Ungültiges Jahr. Bitte geben Sie einen Wert zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Click to close this window</source>
        <translation>Klicken, um dieses Fenster zu schließen</translation>
    </message>
    <message>
        <source>Your year, printed right.</source>
        <translation>Ihr Jahr, richtig gedruckt.</translation>
    </message>
    <message>
        <source>Version 2.5</source>
        <translation>Version 2.5</translation>
    </message>
</context>
</TS>
