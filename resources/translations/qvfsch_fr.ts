<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalendarFileAddition</name>
    <message>
        <source>It is not a calendar file: its first line is not &quot;%1&quot;.</source>
        <translation>Ce n’est pas un fichier de calendrier&#xa0;: sa première ligne n’est pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Its entries end early at a stop line (line %1), so events added after it would never be read.</source>
        <translation>Ses entrées s’arrêtent tôt sur une ligne d’arrêt (ligne %1)&#xa0;; les événements ajoutés après elle ne seraient jamais lus.</translation>
    </message>
    <message>
        <source>No key of the file can carry both its entries and the events without breaking lines.</source>
        <translation>Aucune clé du fichier ne peut porter à la fois ses entrées et les nouveaux événements sans couper des lignes.</translation>
    </message>
</context>
<context>
    <name>CalendarFileReader</name>
    <message>
        <source>The file ends before the &quot;%1&quot; heading.</source>
        <translation>Le fichier se termine avant l’en-tête «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file ends unexpectedly after line %1.</source>
        <translation>Le fichier se termine de façon inattendue après la ligne %1.</translation>
    </message>
    <message>
        <source>Line %1 is too short for a birthday or anniversary entry.</source>
        <translation>La ligne %1 est trop courte pour un anniversaire.</translation>
    </message>
    <message>
        <source>Line %1 is too short for a fixed holiday entry.</source>
        <translation>La ligne %1 est trop courte pour un jour férié fixe.</translation>
    </message>
    <message>
        <source>Line %1 is too short for a floating holiday entry.</source>
        <translation>La ligne %1 est trop courte pour un jour férié mobile.</translation>
    </message>
    <message>
        <source>Line %1 is too short for an other event entry.</source>
        <translation>La ligne %1 est trop courte pour un autre événement.</translation>
    </message>
</context>
<context>
    <name>CommandLineNames</name>
    <message>
        <source>Its name is not UTF-8 text, and only files named in UTF-8 can be opened or saved. Rename the file to use it.</source>
        <translation>Son nom n’est pas du texte UTF-8, et seuls les fichiers nommés en UTF-8 peuvent être ouverts ou enregistrés. Renommez le fichier pour l’utiliser.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used. %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être utilisé. %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Vemora Files (*.qvf)</source>
        <translation>Fichiers Vemora (*.qvf)</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file.</source>
        <translation>C’est un tube nommé, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>C’est un périphérique, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>C’est un socket, pas un fichier.</translation>
    </message>
</context>
<context>
    <name>GeneratedFile</name>
    <message>
        <source>%1 cannot save
%2

%3

Nothing was written to this file.</source>
        <translation>%1 ne peut pas enregistrer&#xa0;:
%2

%3

Rien n’a été écrit dans ce fichier.</translation>
    </message>
    <message>
        <source>%1 cannot add the events to
%2

%3

The file was left as it was.</source>
        <translation>%1 ne peut pas ajouter les événements à&#xa0;:
%2

%3

Le fichier est resté tel quel.</translation>
    </message>
    <message>
        <source>1 entry added to %1</source>
        <translation>1 entrée ajoutée à %1</translation>
    </message>
    <message>
        <source>1 entry written to %1</source>
        <translation>1 entrée écrite dans %1</translation>
    </message>
    <message>
        <source>%1 entries added to %2</source>
        <translation>%1 entrées ajoutées à %2</translation>
    </message>
    <message>
        <source>%1 entries written to %2</source>
        <translation>%1 entrées écrites dans %2</translation>
    </message>
    <message>
        <source>The calendar would be too large to be opened again.</source>
        <translation>Le calendrier serait trop volumineux pour être rouvert.</translation>
    </message>
</context>
<context>
    <name>SaveName</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 does not exist.
Do you want to create it?</source>
        <translation>%1 n’existe pas.
Voulez-vous le créer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ScheduleRequest</name>
    <message>
        <source>%1 %2, %3</source>
        <comment>a date: month, day, year (January 5, 2019)</comment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Events occur between %1 and %2 every</source>
        <translation>Les événements ont lieu entre le %1 et le %2</translation>
    </message>
    <message>
        <source>Events occur between %1 and %2 every %3 day(s).</source>
        <translation>Les événements ont lieu entre le %1 et le %2, tous les %3 jour(s).</translation>
    </message>
    <message>
        <source>Events occur between %1 and %2 every %3 of every week.</source>
        <translation>Les événements ont lieu entre le %1 et le %2, chaque semaine le %3.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>WholeFileReader</name>
    <message>
        <source>The file is too large to be a calendar.</source>
        <translation>Le fichier est trop volumineux pour être un calendrier.</translation>
    </message>
</context>
<context>
    <name>qvfsch</name>
    <message>
        <source>QVF Scheduler</source>
        <translation>Planificateur QVF</translation>
    </message>
    <message>
        <source>Kestral Scheduler</source>
        <translation>Planificateur Kestral</translation>
    </message>
    <message>
        <source>Kestral scheduler</source>
        <translation>Planificateur Kestral</translation>
    </message>
    <message>
        <source>Invalid span of dates.
Ending date must be at least one day later than starting date.</source>
        <translation>Période non valable.
La date de fin doit suivre la date de début d’au moins un jour.</translation>
    </message>
    <message>
        <source>Please select days of the week for the event to occur on.</source>
        <translation>Veuillez choisir les jours de la semaine où l’événement a lieu.</translation>
    </message>
    <message>
        <source>No data created.</source>
        <translation>Aucune donnée créée.</translation>
    </message>
    <message>
        <source>Select a date span for the event</source>
        <translation>Choisissez la période de l’événement</translation>
    </message>
    <message>
        <source>Schedule the frequency of the event</source>
        <translation>Choisissez la fréquence de l’événement</translation>
    </message>
    <message>
        <source>Enter the event&apos;s display name</source>
        <translation>Saisissez le nom affiché de l’événement</translation>
    </message>
    <message>
        <source>Save Vemora File As</source>
        <translation>Enregistrer le fichier Vemora sous</translation>
    </message>
</context>
<context>
    <name>qvfsch::frmQVFSched</name>
    <message>
        <source>Starting Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
    <message>
        <source>Ending Date:</source>
        <translation>Date de fin&#xa0;:</translation>
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
        <source>Every</source>
        <translation>Tous les</translation>
    </message>
    <message>
        <source>day(s)</source>
        <translation>jour(s)</translation>
    </message>
    <message>
        <source>Event Name:</source>
        <translation>Nom de l’événement&#xa0;:</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
</context>
<context>
    <name>qvfsch::frmStatus</name>
    <message>
        <source>Entries generated for </source>
        <translation>Entrées générées pour </translation>
    </message>
    <message>
        <source>Event Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>entries created</source>
        <translation>entrées créées</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>Vemora Files (*.qvf)</source>
        <translation>Fichiers Vemora (*.qvf)</translation>
    </message>
    <message>
        <source>the event</source>
        <translation>l’événement</translation>
    </message>
    <message>
        <source>the %1 events</source>
        <translation>les %1 événements</translation>
    </message>
    <message>
        <source>%1 already exists and is a calendar.
Do you want to add %2 to its entries, or replace it?</source>
        <translation>%1 existe déjà et c’est un calendrier.
Voulez-vous ajouter %2 à ses entrées, ou le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
</context>
</TS>
