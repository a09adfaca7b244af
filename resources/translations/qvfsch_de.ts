<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
    <name>Dialogs</name>
    <message>
        <source>Vemora Files (*.qvf)</source>
        <translation>Vemora-Dateien (*.qvf)</translation>
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
    <name>GeneratedFile</name>
    <message>
        <source>%1 cannot save
%2

%3

Nothing was written to this file.</source>
        <translation>%1 kann nicht speichern:
%2

%3

In diese Datei wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 cannot add the events to
%2

%3

The file was left as it was.</source>
        <translation>%1 kann die Termine nicht hinzufügen zu:
%2

%3

Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>1 entry added to %1</source>
        <translation>1 Eintrag zu %1 hinzugefügt</translation>
    </message>
    <message>
        <source>1 entry written to %1</source>
        <translation>1 Eintrag in %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 entries added to %2</source>
        <translation>%1 Einträge zu %2 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 entries written to %2</source>
        <translation>%1 Einträge in %2 geschrieben</translation>
    </message>
    <message>
        <source>The calendar would be too large to be opened again.</source>
        <translation>Der Kalender wäre zu groß, um wieder geöffnet zu werden.</translation>
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
    <name>ScheduleRequest</name>
    <message>
        <source>%1 %2, %3</source>
        <comment>a date: month, day, year (January 5, 2019)</comment>
        <translation>%2. %1 %3</translation>
    </message>
    <message>
        <source>Events occur between %1 and %2 every</source>
        <translation>Die Termine liegen zwischen dem %1 und dem %2</translation>
    </message>
    <message>
        <source>Events occur between %1 and %2 every %3 day(s).</source>
        <translation>Die Termine liegen zwischen dem %1 und dem %2, alle %3 Tag(e).</translation>
    </message>
    <message>
        <source>Events occur between %1 and %2 every %3 of every week.</source>
        <translation>Die Termine liegen zwischen dem %1 und dem %2, jede Woche am %3.</translation>
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
    <name>WholeFileReader</name>
    <message>
        <source>The file is too large to be a calendar.</source>
        <translation>Die Datei ist zu groß für einen Kalender.</translation>
    </message>
</context>
<context>
    <name>qvfsch</name>
    <message>
        <source>QVF Scheduler</source>
        <translation>QVF-Terminplaner</translation>
    </message>
    <message>
        <source>Kestral Scheduler</source>
        <translation>Kestral-Terminplaner</translation>
    </message>
    <message>
        <source>Kestral scheduler</source>
        <translation>Kestral-Terminplaner</translation>
    </message>
    <message>
        <source>Invalid span of dates.
Ending date must be at least one day later than starting date.</source>
        <translation>Ungültiger Zeitraum.
Das Enddatum muss mindestens einen Tag nach dem Anfangsdatum liegen.</translation>
    </message>
    <message>
        <source>Please select days of the week for the event to occur on.</source>
        <translation>Bitte wählen Sie die Wochentage, an denen der Termin stattfindet.</translation>
    </message>
    <message>
        <source>No data created.</source>
        <translation>Es wurden keine Daten erzeugt.</translation>
    </message>
    <message>
        <source>Select a date span for the event</source>
        <translation>Wählen Sie einen Zeitraum für den Termin</translation>
    </message>
    <message>
        <source>Schedule the frequency of the event</source>
        <translation>Legen Sie fest, wie oft der Termin stattfindet</translation>
    </message>
    <message>
        <source>Enter the event&apos;s display name</source>
        <translation>Geben Sie den angezeigten Namen des Termins ein</translation>
    </message>
    <message>
        <source>Save Vemora File As</source>
        <translation>Vemora-Datei speichern unter</translation>
    </message>
</context>
<context>
    <name>qvfsch::frmQVFSched</name>
    <message>
        <source>Starting Date:</source>
        <translation>Anfangsdatum:</translation>
    </message>
    <message>
        <source>Ending Date:</source>
        <translation>Enddatum:</translation>
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
        <source>Every</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>day(s)</source>
        <translation>Tag(e)</translation>
    </message>
    <message>
        <source>Event Name:</source>
        <translation>Name des Termins:</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
</context>
<context>
    <name>qvfsch::frmStatus</name>
    <message>
        <source>Entries generated for </source>
        <translation>Erzeugte Einträge für </translation>
    </message>
    <message>
        <source>Event Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>entries created</source>
        <translation>Einträge erzeugt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Vemora Files (*.qvf)</source>
        <translation>Vemora-Dateien (*.qvf)</translation>
    </message>
    <message>
        <source>the event</source>
        <translation>den Termin</translation>
    </message>
    <message>
        <source>the %1 events</source>
        <translation>die %1 Termine</translation>
    </message>
    <message>
        <source>%1 already exists and is a calendar.
Do you want to add %2 to its entries, or replace it?</source>
        <translation>%1 ist bereits vorhanden und ein Kalender.
Möchten Sie %2 zu seinen Einträgen hinzufügen oder die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
</context>
</TS>
