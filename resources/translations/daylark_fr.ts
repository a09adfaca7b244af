<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Autostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
</context>
<context>
    <name>CalendarDocument</name>
    <message>
        <source>[Untitled]</source>
        <translation>[Sans titre]</translation>
    </message>
</context>
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
    <name>CalendarFormat</name>
    <message>
        <source>Line %1: &quot;%2&quot;</source>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... et %1 de plus.</translation>
    </message>
    <message>
        <source>The file holds no events.</source>
        <translation>Le fichier ne contient aucun événement.</translation>
    </message>
    <message>
        <source>No line of the file is an event (a date as MMDDYYYY, a space and the name):
</source>
        <translation>Aucune ligne du fichier n’est un événement (une date au format MMJJAAAA, une espace et le nom)&#xa0;:
</translation>
    </message>
    <message>
        <source>1 event was imported.</source>
        <translation>1 événement a été importé.</translation>
    </message>
    <message>
        <source>%1 events were imported.</source>
        <translation>%1 événements ont été importés.</translation>
    </message>
    <message>
        <source>

These lines are not events (a date as MMDDYYYY, a space and the name) and were not imported:
</source>
        <translation>

Ces lignes ne sont pas des événements (une date au format MMJJAAAA, une espace et le nom) et n’ont pas été importées&#xa0;:
</translation>
    </message>
    <message>
        <source>Part of this calendar was written by a newer version of Daylark (1 line after &quot;[End of Data]&quot;). This version cannot show it; it is kept and saved back unchanged.</source>
        <translation>Une partie de ce calendrier a été écrite par une version plus récente de Daylark (1 ligne après «&#xa0;[End of Data]&#xa0;»). Cette version ne peut pas l’afficher&#xa0;; elle est gardée et réenregistrée telle quelle.</translation>
    </message>
    <message numerus="yes">
        <source>Part of this calendar was written by a newer version of Daylark (%n lines after &quot;[End of Data]&quot;). This version cannot show it; it is kept and saved back unchanged.</source>
        <translation>
            <numerusform>Une partie de ce calendrier a été écrite par une version plus récente de Daylark (%n ligne après «&#xa0;[End of Data]&#xa0;»). Cette version ne peut pas l’afficher&#xa0;; elle est gardée et réenregistrée telle quelle.</numerusform>
            <numerusform>Une partie de ce calendrier a été écrite par une version plus récente de Daylark (%n lignes après «&#xa0;[End of Data]&#xa0;»). Cette version ne peut pas l’afficher&#xa0;; elle est gardée et réenregistrée telle quelle.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CellEntry</name>
    <message>
        <source>There has been an error trying to display an event.
Make sure that all events are able to fit in the grid.</source>
        <translation>Une erreur est survenue à l’affichage d’un événement.
Vérifiez que tous les événements tiennent dans la grille.</translation>
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
    <name>DateRules</name>
    <message>
        <source>%1 does not exist.
Please correct the day or the year.</source>
        <translation>Le %1 n’existe pas.
Veuillez corriger le jour ou l’année.</translation>
    </message>
    <message>
        <source>A holiday cannot fall on February 29:
it comes back every year, and most years have no such day.</source>
        <translation>Un jour férié ne peut pas tomber le 29 février&#xa0;:
il revient chaque année, et la plupart des années n’ont pas ce jour.</translation>
    </message>
</context>
<context>
    <name>DateWords</name>
    <message>
        <source>of %1</source>
        <comment>a floating holiday&apos;s month, whose name begins with a vowel</comment>
        <translation>d’%1</translation>
    </message>
    <message>
        <source>of %1</source>
        <comment>a floating holiday&apos;s month: Fourth Thursday of November</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>the week of a floating holiday: First Monday of May</comment>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>the week of a floating holiday</comment>
        <translation>Deuxième</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>the week of a floating holiday</comment>
        <translation>Troisième</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>the week of a floating holiday</comment>
        <translation>Quatrième</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>the week of a floating holiday: Last Monday of May</comment>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>a date: %1 month, %2 day, %3 year (March 7, 1961)</comment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a day of every year: %1 month, %2 day (July 4)</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a floating holiday: %1 First, %2 Thursday, %3 of November</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the first and last days of an event that spans days</comment>
        <translation>%1 au %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 for %n days</source>
        <comment>a holiday of several days: July 10 for 3 days</comment>
        <translation>
            <numerusform>%1 pendant %n jour</numerusform>
            <numerusform>%1 pendant %n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatedEntryEditor</name>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
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
    <name>DocumentCommands</name>
    <message>
        <source>The active calendar file has not been saved.

Do you wish to save it?</source>
        <translation>Le calendrier ouvert n’a pas été enregistré.

Voulez-vous l’enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Open Vemora File</source>
        <translation>Ouvrir un fichier Vemora</translation>
    </message>
    <message>
        <source>Save Vemora File As</source>
        <translation>Enregistrer le fichier Vemora sous</translation>
    </message>
    <message>
        <source>Import qvf Data</source>
        <translation>Importer des données QVF</translation>
    </message>
    <message>
        <source>Text Lists (*.txt)</source>
        <translation>Listes texte (*.txt)</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>Exporter en iCalendar</translation>
    </message>
    <message>
        <source>These entries were not exported because their date names no day:
</source>
        <translation>Ces entrées n’ont pas été exportées, car leur date ne désigne aucun jour&#xa0;:
</translation>
    </message>
</context>
<context>
    <name>EditorSequence</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Do you want to add the entry:</source>
        <translation>Voulez-vous ajouter l’entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Do you want to update the entry:</source>
        <translation>Voulez-vous mettre à jour l’entrée&#xa0;:</translation>
    </message>
    <message>
        <source>

Displayed as:
</source>
        <translation>

Affichée ainsi&#xa0;:
</translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>Add Birthday</source>
        <translation>Ajouter un anniversaire</translation>
    </message>
    <message>
        <source>Update Birthday</source>
        <translation>Modifier un anniversaire</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>[Person&apos;s Name]</source>
        <translation>[Nom de la personne]</translation>
    </message>
    <message>
        <source>Add Anniversary</source>
        <translation>Ajouter un anniversaire de mariage</translation>
    </message>
    <message>
        <source>Update Anniversary</source>
        <translation>Modifier un anniversaire de mariage</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Noms&#xa0;:</translation>
    </message>
    <message>
        <source>[Name1 &amp; Name2  LastName]</source>
        <translation>[Prénom1 &amp; Prénom2  Nom]</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Jour&#xa0;:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Holiday</source>
        <translation>Ajouter un jour férié</translation>
    </message>
    <message>
        <source>Update Holiday</source>
        <translation>Modifier un jour férié</translation>
    </message>
    <message>
        <source>[Event Name]</source>
        <translation>[Nom de l’événement]</translation>
    </message>
    <message>
        <source>Add Other</source>
        <translation>Ajouter un autre événement</translation>
    </message>
    <message>
        <source>Update Other</source>
        <translation>Modifier un autre événement</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Ajouter une entrée</translation>
    </message>
    <message>
        <source>Update Entry</source>
        <translation>Modifier une entrée</translation>
    </message>
</context>
<context>
    <name>EntryKind</name>
    <message>
        <source>Birthdays</source>
        <translation>Anniversaires</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>Floating Holidays</source>
        <translation>Jours fériés mobiles</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Anniversaires de mariage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>This file is not readable using this version of Daylark.</source>
        <translation>Ce fichier ne peut pas être lu par cette version de Daylark.</translation>
    </message>
    <message>
        <source>The calendar would be larger than %1 MB as a file, too large to be opened again.</source>
        <translation>Le calendrier dépasserait %1 Mo en tant que fichier, trop pour être rouvert.</translation>
    </message>
    <message>
        <source>Daylark cannot open 
%1

%2</source>
        <translation>Daylark ne peut pas ouvrir&#xa0;:
%1

%2</translation>
    </message>
    <message>
        <source>Daylark cannot save 
%1

%2</source>
        <translation>Daylark ne peut pas enregistrer&#xa0;:
%1

%2</translation>
    </message>
    <message>
        <source>Daylark cannot import 
%1

%2</source>
        <translation>Daylark ne peut pas importer&#xa0;:
%1

%2</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Erreur de fichier</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
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
    <name>FitReport</name>
    <message>
        <source>&quot;%1&quot; cannot be shown: its date names no day of the month</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être affiché&#xa0;: sa date ne désigne aucun jour du mois</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be shown: the colour of its kind is not a colour</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être affiché&#xa0;: la couleur de son type n’est pas une couleur valide</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entry does not fit</source>
        <translation>%1&#xa0;: %2 entrée sur %3 ne tient pas</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entries does not fit</source>
        <translation>%1&#xa0;: %2 entrée sur %3 ne tient pas</translation>
    </message>
    <message>
        <source>%1: %2 of %3 entries do not fit</source>
        <translation>%1&#xa0;: %2 entrées sur %3 ne tiennent pas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a day and why an entry of it cannot be shown</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: the birthday of &quot;%2&quot; (29 February %3) is not shown: %4 has no 29 February</source>
        <translation>%1&#xa0;: l’anniversaire de «&#xa0;%2&#xa0;» (29 février %3) n’est pas affiché, car %4 n’a pas de 29 février</translation>
    </message>
    <message>
        <source>%1: the anniversary of &quot;%2&quot; (29 February %3) is not shown: %4 has no 29 February</source>
        <translation>%1&#xa0;: l’anniversaire de mariage de «&#xa0;%2&#xa0;» (29 février %3) n’est pas affiché, car %4 n’a pas de 29 février</translation>
    </message>
    <message>
        <source>The layout can show them on 28 February or on 1 March: &quot;29 February birthdays and anniversaries in other years&quot;, under Entries on its Alignment page.</source>
        <translation>La mise en page peut les afficher le 28 février ou le 1er mars&#xa0;: «&#xa0;Anniversaires du 29 février les autres années&#xa0;», sous Entrées, sur sa page Alignement.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Daylark Help</source>
        <translation>Aide de Daylark</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>Forward &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Daylark Help - %1</source>
        <translation>Aide de Daylark - %1</translation>
    </message>
</context>
<context>
    <name>ICalendarExport</name>
    <message>
        <source>%1: the date names no day.</source>
        <translation>%1&#xa0;: la date ne désigne aucun jour.</translation>
    </message>
    <message>
        <source>%1: a holiday that moves with Easter or the weekend has no yearly repeat in iCalendar.</source>
        <translation>%1&#xa0;: un jour férié qui suit Pâques ou le week-end n’a pas de répétition annuelle dans iCalendar.</translation>
    </message>
</context>
<context>
    <name>ICalendarImport</name>
    <message>
        <source>An event without a title</source>
        <translation>Un événement sans titre</translation>
    </message>
    <message>
        <source>%1 is a to-do, not an event.</source>
        <translation>%1 est une tâche, pas un événement.</translation>
    </message>
    <message>
        <source>A to-do without a title</source>
        <translation>Une tâche sans titre</translation>
    </message>
    <message>
        <source>%1 is a journal note, not an event.</source>
        <translation>%1 est une note de journal, pas un événement.</translation>
    </message>
    <message>
        <source>A note without a title</source>
        <translation>Une note sans titre</translation>
    </message>
    <message>
        <source>An item of the kind %1 has no place in this calendar.</source>
        <translation>Un élément de type %1 n’a pas sa place dans ce calendrier.</translation>
    </message>
    <message>
        <source>has a line that cannot be read (%1)</source>
        <translation>a une ligne illisible (%1)</translation>
    </message>
    <message>
        <source>has no start date</source>
        <translation>n’a pas de date de début</translation>
    </message>
    <message>
        <source>changes one day of a repeating event</source>
        <translation>modifie un jour d’un événement répété</translation>
    </message>
    <message>
        <source>is cancelled</source>
        <translation>est annulé</translation>
    </message>
    <message>
        <source>has no title to show</source>
        <translation>n’a pas de titre à afficher</translation>
    </message>
    <message>
        <source>repeats in a way this calendar cannot hold</source>
        <translation>se répète d’une façon que ce calendrier ne peut pas reproduire</translation>
    </message>
    <message>
        <source>lasts %1 days and was added on its first day only</source>
        <translation>dure %1 jours et n’a été ajouté qu’à son premier jour</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it holds binary data.</source>
        <translation>Le fichier n’est pas un fichier iCalendar&#xa0;: il contient des données binaires.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Le fichier n’est pas un fichier iCalendar&#xa0;: il ne commence pas par BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file: it holds no calendar.</source>
        <translation>Le fichier n’est pas un fichier iCalendar&#xa0;: il ne contient aucun calendrier.</translation>
    </message>
    <message>
        <source>1 entry was imported.</source>
        <translation>1 entrée a été importée.</translation>
    </message>
    <message>
        <source>%1 entries were imported.</source>
        <translation>%1 entrées ont été importées.</translation>
    </message>
    <message>
        <source>

These items of the file were not imported, or only in part:
</source>
        <translation>

Ces éléments du fichier n’ont pas été importés, ou seulement en partie&#xa0;:
</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... et %1 de plus.</translation>
    </message>
    <message>
        <source>%1; it was not imported</source>
        <comment>%1 says what is wrong</comment>
        <translation>%1&#xa0;; l’événement n’a pas été importé</translation>
    </message>
    <message>
        <source>has a time zone (&quot;%1&quot;) that could not be read; it was placed on the date as written</source>
        <translation>a un fuseau horaire («&#xa0;%1&#xa0;») illisible&#xa0;; il a été placé à la date écrite</translation>
    </message>
    <message>
        <source>has an end that cannot be read (%1); it was added on its first day only</source>
        <translation>a une fin illisible (%1)&#xa0;; il n’a été ajouté qu’à son premier jour</translation>
    </message>
    <message>
        <source>lasts until %1 and was added on its first day only</source>
        <translation>dure jusqu’au %1 et n’a été ajouté qu’à son premier jour</translation>
    </message>
    <message>
        <source>is before %1, the earliest year this calendar holds</source>
        <translation>est antérieur à %1, la première année que ce calendrier contient</translation>
    </message>
    <message>
        <source>is after %1, the latest year this calendar holds</source>
        <translation>est postérieur à %1, la dernière année que ce calendrier contient</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a title in quotes</comment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ICalendarScan</name>
    <message>
        <source>The file is not an iCalendar file: its parts are nested more than %1 deep (line %2).</source>
        <translation>Le fichier n’est pas un fichier iCalendar&#xa0;: ses parties sont imbriquées sur plus de %1 niveaux (ligne %2).</translation>
    </message>
    <message>
        <source>Line %1 (END:%2) ends nothing that began before it; it was skipped.</source>
        <translation>La ligne %1 (END:%2) ne termine rien qui ait commencé avant elle&#xa0;; elle a été ignorée.</translation>
    </message>
    <message>
        <source>The %1 that begins at line %2 has no END:%3 line; it was not read.</source>
        <comment>%1 the kind of part: event, to-do</comment>
        <translation>L’élément (%1) qui commence à la ligne %2 n’a pas de ligne END:%3&#xa0;; il n’a pas été lu.</translation>
    </message>
    <message>
        <source>holds a part (line %1) that has no END:%2 line</source>
        <comment>said of an event, after its name</comment>
        <translation>contient une partie (ligne %1) sans ligne END:%2</translation>
    </message>
    <message>
        <source>The calendar that begins at line %1 has no END:%2 line before line %3; what it holds was read.</source>
        <translation>Le calendrier qui commence à la ligne %1 n’a pas de ligne END:%2 avant la ligne %3&#xa0;; son contenu a été lu.</translation>
    </message>
    <message>
        <source>Line %1 stands outside every calendar of the file; it was not read.</source>
        <translation>La ligne %1 se trouve hors de tout calendrier du fichier&#xa0;; elle n’a pas été lue.</translation>
    </message>
    <message>
        <source>Lines %1 to %2 stand outside every calendar of the file; they were not read.</source>
        <translation>Les lignes %1 à %2 se trouvent hors de tout calendrier du fichier&#xa0;; elles n’ont pas été lues.</translation>
    </message>
    <message>
        <source>The file is not a complete iCalendar file: it ends at line %1, in the middle of the %2 that begins at line %3.</source>
        <comment>%2 the kind of part: event, to-do</comment>
        <translation>Le fichier n’est pas un fichier iCalendar complet&#xa0;: il s’arrête à la ligne %1, au milieu de l’élément (%2) qui commence à la ligne %3.</translation>
    </message>
    <message>
        <source>The file is not a complete iCalendar file: it ends at line %1, before the end of the %2 that begins at line %3.</source>
        <comment>%2 the kind of part: calendar</comment>
        <translation>Le fichier n’est pas un fichier iCalendar complet&#xa0;: il s’arrête à la ligne %1, avant la fin de l’élément (%2) qui commence à la ligne %3.</translation>
    </message>
    <message>
        <source>event</source>
        <comment>a part</comment>
        <translation>événement</translation>
    </message>
    <message>
        <source>to-do</source>
        <comment>a part</comment>
        <translation>tâche</translation>
    </message>
    <message>
        <source>journal note</source>
        <comment>a part</comment>
        <translation>note de journal</translation>
    </message>
    <message>
        <source>time zone</source>
        <comment>a part</comment>
        <translation>fuseau horaire</translation>
    </message>
    <message>
        <source>free/busy list</source>
        <comment>a part</comment>
        <translation>liste de disponibilités</translation>
    </message>
    <message>
        <source>calendar</source>
        <comment>a part</comment>
        <translation>calendrier</translation>
    </message>
    <message>
        <source>item %1</source>
        <comment>a part of an unknown kind</comment>
        <translation>élément %1</translation>
    </message>
</context>
<context>
    <name>LayoutRules</name>
    <message>
        <source>Smallest</source>
        <translation>Très petite</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Invalid font. Please select another.</source>
        <translation>Police non valable. Veuillez en choisir une autre.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the calendar must be greater than 5 inches, excluding margins.</source>
        <translation>Dimensions du papier non valides.
La largeur et la hauteur du calendrier, marges non comprises, doivent dépasser 5 pouces.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the paper must be from 1 to 100 inches.</source>
        <translation>Dimensions du papier non valides.
La largeur et la hauteur du papier doivent être comprises entre 1 et 100 pouces.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the calendar must be at least 127 mm, excluding margins.</source>
        <translation>Dimensions du papier non valides.
La largeur et la hauteur du calendrier, marges non comprises, doivent être d’au moins 127&#xa0;mm.</translation>
    </message>
    <message>
        <source>Invalid paper dimension(s).
The width and height of the paper must be from 25.4 to 2540 mm.</source>
        <translation>Dimensions du papier non valides.
La largeur et la hauteur du papier doivent être comprises entre 25.4 et 2540&#xa0;mm.</translation>
    </message>
    <message>
        <source>Invalid margin(s).
Each margin must be less than half the width or height of the paper it lies along.</source>
        <translation>Marges non valides.
Chaque marge doit être inférieure à la moitié du côté du papier qu’elle longe.</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>There is no way to retrieve the information of the selected event(s) after deletion.

Are you sure you want to continue?</source>
        <translation>Une fois supprimés, les événements sélectionnés ne pourront pas être récupérés.

Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Event Delete</source>
        <translation>Suppression d’événements</translation>
    </message>
</context>
<context>
    <name>MonthPage</name>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>PhotoFolder</name>
    <message>
        <source>Photos (%1)</source>
        <translation>Photos (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>PhotoFrame</name>
    <message>
        <source>Photo above the month</source>
        <translation>Photo au-dessus du mois</translation>
    </message>
    <message>
        <source>Photo facing the month</source>
        <translation>Photo en regard du mois</translation>
    </message>
    <message>
        <source>No photos</source>
        <translation>Sans photos</translation>
    </message>
    <message>
        <source>Cover</source>
        <comment>the photo of the cover page</comment>
        <translation>Couverture</translation>
    </message>
</context>
<context>
    <name>PhotoImage</name>
    <message>
        <source>The photo %1 does not exist.</source>
        <translation>La photo %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a photo this program can read (JPEG, PNG or another common image format).</source>
        <translation>%1 n’est pas une photo que ce programme sait lire (JPEG, PNG ou un autre format d’image courant).</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
</context>
<context>
    <name>PhotoPages</name>
    <message>
        <source>Cover</source>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>%1 × %2 in</source>
        <translation>%1 × %2 po</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 gives %3 dpi on %4; it will look soft</source>
        <translation>%1 : %2 donne %3 ppp sur %4 ; elle paraîtra floue</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Impossible d’écrire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is no room for the calendar grid on this page: the margins, the heading and the title take up the paper.
Make the margins or the fonts smaller, or the paper larger, in the layout.</source>
        <translation>La grille du calendrier ne tient pas sur cette page&#xa0;: les marges, l’en-tête et le titre occupent tout le papier.
Réduisez les marges ou les polices, ou choisissez un papier plus grand, dans la mise en page.</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Impossible d’écrire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot print on %1</source>
        <translation>Impossible d’imprimer sur %1</translation>
    </message>
    <message>
        <source>%1 refused a new page</source>
        <translation>%1 a refusé une nouvelle page</translation>
    </message>
    <message>
        <source>%1 could not finish the document</source>
        <translation>%1 n’a pas pu terminer le document</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>The calendar file
%1
no longer exists. It has been taken off the list of recent calendars.</source>
        <translation>Le fichier de calendrier
%1
n’existe plus. Il a été retiré de la liste des calendriers récents.</translation>
    </message>
</context>
<context>
    <name>ResortEntries</name>
    <message>
        <source>Resorting Birthdays...</source>
        <translation>Tri des anniversaires...</translation>
    </message>
    <message>
        <source>Rewriting Birthdays...</source>
        <translation>Réécriture des anniversaires...</translation>
    </message>
    <message>
        <source>Resorting Holidays...</source>
        <translation>Tri des jours fériés...</translation>
    </message>
    <message>
        <source>Rewriting Holidays...</source>
        <translation>Réécriture des jours fériés...</translation>
    </message>
    <message>
        <source>Resorting Floating Holidays...</source>
        <translation>Tri des jours fériés mobiles...</translation>
    </message>
    <message>
        <source>Rewriting Floating Holidays...</source>
        <translation>Réécriture des jours fériés mobiles...</translation>
    </message>
    <message>
        <source>Resorting Anniversaries...</source>
        <translation>Tri des anniversaires de mariage...</translation>
    </message>
    <message>
        <source>Rewriting Anniversaries...</source>
        <translation>Réécriture des anniversaires de mariage...</translation>
    </message>
    <message>
        <source>Resorting Other...</source>
        <translation>Tri des autres événements...</translation>
    </message>
    <message>
        <source>Resorting Complete</source>
        <translation>Tri terminé</translation>
    </message>
</context>
<context>
    <name>RuleText</name>
    <message>
        <source>%1 %2</source>
        <comment>a day of every year: July 4</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>First</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Deuxième</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Troisième</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Quatrième</translation>
    </message>
    <message>
        <source>Fifth</source>
        <comment>the week of a holiday: First Monday of May</comment>
        <translation>Cinquième</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <comment>%1 First, %2 Monday, %3 May: First Monday of May</comment>
        <translation>%1 %2 en %3</translation>
    </message>
    <message>
        <source>Last %1 of %2</source>
        <comment>%1 Monday, %2 May: Last Monday of May</comment>
        <translation>Dernier %1 en %2</translation>
    </message>
    <message>
        <source>%1 on or after %2</source>
        <comment>%1 Monday, %2 May 24: Monday on or after May 24</comment>
        <translation>%1 le %2 ou après</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>Easter Sunday</comment>
        <translation>Pâques</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <comment>Easter Sunday</comment>
        <translation>Pâque orthodoxe</translation>
    </message>
    <message>
        <source>on %1 when on a %2</source>
        <comment>%1 Monday, %2 Sunday: a holiday observed on another day</comment>
        <translation>le %1 s’il tombe un %2</translation>
    </message>
    <message>
        <source>, %1 to %2</source>
        <comment>the years a holiday holds</comment>
        <translation>, de %1 à %2</translation>
    </message>
    <message>
        <source>, from %1</source>
        <comment>the years a holiday holds</comment>
        <translation>, à partir de %1</translation>
    </message>
    <message>
        <source>, up to %1</source>
        <comment>the years a holiday holds</comment>
        <translation>, jusqu’en %1</translation>
    </message>
    <message>
        <source>, only in %1</source>
        <comment>the one year a holiday holds</comment>
        <translation>, seulement en %1</translation>
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
    <name>SaveSettings</name>
    <message>
        <source>Daylark cannot save the settings in
%1

%2

Nothing was changed. Save again once the folder can be written to, or close the window to keep the settings as they were.</source>
        <translation>Daylark ne peut pas enregistrer les réglages dans
%1

%2

Rien n’a été modifié. Enregistrez à nouveau quand le dossier sera accessible en écriture, ou fermez la fenêtre pour garder les réglages tels qu’ils étaient.</translation>
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
    <name>StatusTexts</name>
    <message>
        <source>1 entry added from %1</source>
        <translation>1 entrée ajoutée depuis %1</translation>
    </message>
    <message>
        <source>%1 entries added from %2</source>
        <translation>%1 entrées ajoutées depuis %2</translation>
    </message>
    <message>
        <source>1 page written to %1</source>
        <translation>1 page écrite dans %1</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>%1 pages écrites dans %2</translation>
    </message>
    <message>
        <source>1 page sent to %1</source>
        <translation>1 page envoyée à %1</translation>
    </message>
    <message>
        <source>%1 pages sent to %2</source>
        <translation>%1 pages envoyées à %2</translation>
    </message>
</context>
<context>
    <name>StyledEntryEditor</name>
    <message>
        <source>Style</source>
        <translation>Présentation</translation>
    </message>
</context>
<context>
    <name>TextExport</name>
    <message>
        <source>Export Vemora File Data</source>
        <translation>Exporter les données du fichier Vemora</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Daylark could not export the file
%1

%2</source>
        <translation>Daylark n’a pas pu exporter le fichier&#xa0;:
%1

%2</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New Calendar</source>
        <translation>Nouveau calendrier</translation>
    </message>
    <message>
        <source>Open Calendar</source>
        <translation>Ouvrir un calendrier</translation>
    </message>
    <message>
        <source>Save Calendar</source>
        <translation>Enregistrer le calendrier</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimer le calendrier</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>View Calendar</source>
        <translation>Afficher le calendrier</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Ajouter une entrée</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Supprimer l’entrée</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Modifier l’entrée</translation>
    </message>
    <message>
        <source>Resort Entries</source>
        <translation>Trier les entrées</translation>
    </message>
</context>
<context>
    <name>WeekList</name>
    <message>
        <source>Week Starting %1</source>
        <comment>a date follows</comment>
        <translation>Semaine du %1</translation>
    </message>
    <message>
        <source>Weeks Starting %1</source>
        <comment>a date follows</comment>
        <translation>Semaines à partir du %1</translation>
    </message>
    <message>
        <source>Birthday</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Holiday</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Anniversaire de mariage</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>the kind of an upcoming entry</comment>
        <translation>Autre</translation>
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
    <name>frmAnniv</name>
    <message>
        <source>Anniversary</source>
        <translation>Anniversaire de mariage</translation>
    </message>
</context>
<context>
    <name>frmBirthday</name>
    <message>
        <source>Birthdate</source>
        <translation>Date de naissance</translation>
    </message>
</context>
<context>
    <name>frmCalendar</name>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Mois précédent (Page préc.)</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Mois suivant (Page suiv.)</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
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
        <translation>Options du calendrier de bureau</translation>
    </message>
    <message>
        <source>Enable desktop calendar</source>
        <translation>Activer le calendrier de bureau</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>List events that occur within:</source>
        <translation>Lister les événements des prochains&#xa0;:</translation>
    </message>
    <message>
        <source>month(s).</source>
        <translation>mois.</translation>
    </message>
    <message>
        <source>Select Calendar to be displayed</source>
        <translation>Choisir le calendrier à afficher</translation>
    </message>
    <message>
        <source>Load at system startup</source>
        <translation>Charger au démarrage du système</translation>
    </message>
    <message>
        <source>Display at system startup</source>
        <translation>Afficher au démarrage du système</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semaine</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semaines</translation>
    </message>
    <message>
        <source>Select Vemora File</source>
        <translation>Choisir un fichier Vemora</translation>
    </message>
    <message>
        <source>Daylark cannot write the start-up entry 
%1

%2</source>
        <translation>Daylark ne peut pas écrire l’entrée de démarrage&#xa0;:
%1

%2</translation>
    </message>
    <message>
        <source>Daylark cannot remove the start-up entry 
%1

%2</source>
        <translation>Daylark ne peut pas supprimer l’entrée de démarrage&#xa0;:
%1

%2</translation>
    </message>
</context>
<context>
    <name>frmDispWeek</name>
    <message>
        <source>Upcoming Events </source>
        <translation>Événements à venir </translation>
    </message>
    <message>
        <source>No Vemora File has been selected.

Click &quot;OK&quot; to view the Desktop Calendar options.</source>
        <translation>Aucun fichier Vemora n’a été choisi.

Cliquez sur «&#xa0;OK&#xa0;» pour afficher les options du calendrier de bureau.</translation>
    </message>
</context>
<context>
    <name>frmExport</name>
    <message>
        <source>Export Data</source>
        <translation>Exporter des données</translation>
    </message>
    <message>
        <source>Select the event types you want exported.</source>
        <translation>Choisissez les types d’entrées à exporter.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>frmHoliday</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Fixed Date</source>
        <translation>Date fixe</translation>
    </message>
    <message>
        <source>Floating Date</source>
        <translation>Date mobile</translation>
    </message>
    <message>
        <source> day</source>
        <comment>after the count 1: 1 day</comment>
        <translation> jour</translation>
    </message>
    <message numerus="yes">
        <source> days</source>
        <comment>after a count of days other than 1: 2 days</comment>
        <translation>
            <numerusform> jour</numerusform>
            <numerusform> jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Moving Date</source>
        <translation>Date calculée</translation>
    </message>
    <message>
        <source>Days after Easter; before it when negative</source>
        <translation>Jours après Pâques&#xa0;; avant, si le nombre est négatif</translation>
    </message>
    <message>
        <source>The first of this weekday on or after the day above</source>
        <translation>Le premier de ces jours de la semaine, le jour au-dessus ou après</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pâques</translation>
    </message>
    <message>
        <source>Orthodox Easter</source>
        <translation>Pâque orthodoxe</translation>
    </message>
    <message>
        <source>Weekday on or after the day</source>
        <translation>Jour de la semaine, le jour même ou après</translation>
    </message>
    <message>
        <source>The day, observed on a weekday</source>
        <translation>Le jour, reporté sur un jour de semaine</translation>
    </message>
    <message>
        <source>On Monday when on a Sunday</source>
        <translation>Le lundi s’il tombe un dimanche</translation>
    </message>
    <message>
        <source>On Monday when on a Saturday or Sunday</source>
        <translation>Le lundi s’il tombe un samedi ou un dimanche</translation>
    </message>
    <message>
        <source>On Friday when on a Saturday, Monday when on a Sunday</source>
        <translation>Le vendredi s’il tombe un samedi, le lundi s’il tombe un dimanche</translation>
    </message>
    <message>
        <source>As stored: %1</source>
        <translation>Tel qu’enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>for </source>
        <comment>a count of days follows: for 3 days</comment>
        <translation>pendant </translation>
    </message>
    <message>
        <source>How many days the holiday lasts from its date</source>
        <translation>Combien de jours dure le jour férié à partir de sa date</translation>
    </message>
</context>
<context>
    <name>frmHolidayPacks</name>
    <message>
        <source>Add Holidays</source>
        <translation>Ajouter des jours fériés</translation>
    </message>
    <message>
        <source>Search countries and regions</source>
        <translation>Rechercher des pays et des régions</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Nom anglais</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays of %1 added.</source>
        <translation>
            <numerusform>%n jour férié de %1 ajouté.</numerusform>
            <numerusform>%n jours fériés de %1 ajoutés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The holidays of %1 are updated.</source>
        <translation>Les jours fériés de %1 sont mis à jour.</translation>
    </message>
    <message>
        <source>The holidays of %1 are up to date.</source>
        <translation>Les jours fériés de %1 sont déjà à jour.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays of %1 removed.</source>
        <translation>
            <numerusform>%n jour férié de %1 retiré.</numerusform>
            <numerusform>%n jours fériés de %1 retirés.</numerusform>
        </translation>
    </message>
    <message>
        <source>One holiday of %1 added.</source>
        <translation>Un jour férié de %1 ajouté.</translation>
    </message>
    <message>
        <source>One holiday of %1 removed.</source>
        <translation>Un jour férié de %1 retiré.</translation>
    </message>
</context>
<context>
    <name>frmLayout</name>
    <message>
        <source>Layout Options</source>
        <translation>Options de mise en page</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Mark days with more entries than fit</source>
        <translation>Signaler les jours qui ont plus d’entrées que de place</translation>
    </message>
    <message>
        <source>A day whose entries do not all fit ends with &quot;+N more&quot;; otherwise its last entries are cut off.</source>
        <translation>Un jour dont les entrées ne tiennent pas toutes se termine par «&#xa0;+N de plus&#xa0;»&#xa0;; sinon, ses dernières entrées sont coupées.</translation>
    </message>
    <message>
        <source>29 February birthdays and anniversaries in other years:</source>
        <translation>Anniversaires du 29 février les autres années&#xa0;:</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>Non affichés</translation>
    </message>
    <message>
        <source>On 28 February</source>
        <translation>Le 28 février</translation>
    </message>
    <message>
        <source>On 1 March</source>
        <translation>Le 1er mars</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Month and Year:</source>
        <translation>Mois et année&#xa0;:</translation>
    </message>
    <message>
        <source>Calendar Title:</source>
        <translation>Titre du calendrier&#xa0;:</translation>
    </message>
    <message>
        <source>Dates and Events:</source>
        <translation>Dates et événements&#xa0;:</translation>
    </message>
    <message>
        <source>Days of the Week:</source>
        <translation>Jours de la semaine&#xa0;:</translation>
    </message>
    <message>
        <source>Alignment </source>
        <translation>Alignement </translation>
    </message>
    <message>
        <source>Display Calendar Title and Header</source>
        <translation>Afficher le titre et l’en-tête du calendrier</translation>
    </message>
    <message>
        <source>Align Calendar Title and Header</source>
        <translation>Aligner le titre et l’en-tête du calendrier</translation>
    </message>
    <message>
        <source>Align Month and Year</source>
        <translation>Aligner le mois et l’année</translation>
    </message>
    <message>
        <source>Month / Year</source>
        <translation>Mois / année</translation>
    </message>
    <message>
        <source>Calendar Title</source>
        <translation>Titre du calendrier</translation>
    </message>
    <message>
        <source>Fonts </source>
        <translation>Polices </translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Colors </source>
        <translation>Couleurs </translation>
    </message>
    <message>
        <source>Click to choose the colour</source>
        <translation>Cliquez pour choisir la couleur</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Anniversaires</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Anniversaires de mariage</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>Floating Holidays</source>
        <translation>Jours fériés mobiles</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Paper Size </source>
        <translation>Format du papier </translation>
    </message>
    <message>
        <source>Default (Landscape)</source>
        <translation>Par défaut (paysage)</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>Personnalisé&#xa0;:</translation>
    </message>
    <message>
        <source>Margins </source>
        <translation>Marges </translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Width (in.)</source>
        <translation>Largeur (po)</translation>
    </message>
    <message>
        <source>Height (in.)</source>
        <translation>Hauteur (po)</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Haut&#xa0;:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Bas&#xa0;:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Droite&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Language and Week</source>
        <translation>Langue et semaine</translation>
    </message>
    <message>
        <source>&amp;Language of the calendar:</source>
        <translation>&amp;Langue du calendrier&#xa0;:</translation>
    </message>
    <message>
        <source>The language of the month and weekday names and of the dates on the pages, the calendar view and the desktop calendar.</source>
        <translation>La langue des noms des mois et des jours, et des dates sur les pages, dans la vue du calendrier et dans le calendrier de bureau.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>&amp;First day of the week:</source>
        <translation>Premier &amp;jour de la semaine&#xa0;:</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Selon l’usage de la langue</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>&amp;Week numbers</source>
        <translation>&amp;Numéros de semaine</translation>
    </message>
    <message>
        <source>ISO 8601 week numbers beside each row: the week that holds the row&apos;s Thursday.</source>
        <translation>Numéros de semaine ISO 8601 à côté de chaque ligne&#xa0;: la semaine qui contient le jeudi de la ligne.</translation>
    </message>
    <message>
        <source>Standard size:</source>
        <translation>Format standard&#xa0;:</translation>
    </message>
    <message>
        <source>Width (mm)</source>
        <translation>Largeur (mm)</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Hauteur (mm)</translation>
    </message>
    <message>
        <source>Margins (in.) </source>
        <translation>Marges (po) </translation>
    </message>
    <message>
        <source>Margins (mm) </source>
        <translation>Marges (mm) </translation>
    </message>
    <message>
        <source>Month Pages</source>
        <translation>Pages des mois</translation>
    </message>
    <message>
        <source>&amp;Previous and next month in small</source>
        <translation>Mois &amp;précédent et suivant en petit</translation>
    </message>
    <message>
        <source>In the empty cells at the start and end of the grid where two sit side by side, otherwise beside the heading.</source>
        <translation>Dans les cases vides au début et à la fin de la grille, là où deux se suivent, sinon à côté du titre.</translation>
    </message>
    <message>
        <source>Only the &amp;rows the month needs</source>
        <translation>Seulement les &amp;lignes dont le mois a besoin</translation>
    </message>
    <message>
        <source>A month of four or five weeks draws only those rows, taller, so busy days have more room.</source>
        <translation>Un mois de quatre ou cinq semaines n’a que ces lignes, plus hautes, pour laisser plus de place aux jours chargés.</translation>
    </message>
    <message>
        <source>&amp;Moon phases</source>
        <translation>Phases de la &amp;lune</translation>
    </message>
    <message>
        <source>New, first quarter, full and last quarter moon as small symbols in the corner of their days.</source>
        <translation>Nouvelle lune, premier quartier, pleine lune et dernier quartier en petits symboles dans le coin de leur jour.</translation>
    </message>
    <message>
        <source>&amp;Notes box</source>
        <translation>Cadre de &amp;notes</translation>
    </message>
    <message>
        <source>A ruled box for notes in the largest run of empty cells.</source>
        <translation>Un cadre ligné pour des notes dans la plus longue suite de cases vides.</translation>
    </message>
    <message>
        <source>Shading</source>
        <translation>Ombrage</translation>
    </message>
    <message>
        <source>Shade &amp;weekends</source>
        <translation>Ombrer les &amp;week-ends</translation>
    </message>
    <message>
        <source>Shade &amp;holidays</source>
        <translation>Ombrer les jours &amp;fériés</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Couleur d’ombrage</translation>
    </message>
    <message>
        <source>Sample page</source>
        <translation>Page d’exemple</translation>
    </message>
    <message>
        <source>A month of the calendar as it prints with these choices.</source>
        <translation>Un mois du calendrier tel qu’il s’imprime avec ces choix.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Calendar</source>
        <translation>&amp;Nouveau calendrier</translation>
    </message>
    <message>
        <source>&amp;Open Calendar...</source>
        <translation>&amp;Ouvrir un calendrier...</translation>
    </message>
    <message>
        <source>&amp;Save Calendar</source>
        <translation>&amp;Enregistrer le calendrier</translation>
    </message>
    <message>
        <source>Save Calendar &amp;As...</source>
        <translation>Enregistrer le calendrier &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import QVF data...</source>
        <translation>&amp;Importer des données QVF...</translation>
    </message>
    <message>
        <source>&amp;Export QVF data...</source>
        <translation>E&amp;xporter des données QVF...</translation>
    </message>
    <message>
        <source>Export i&amp;Calendar...</source>
        <translation>Exporter en i&amp;Calendar...</translation>
    </message>
    <message>
        <source>Page S&amp;etup...</source>
        <translation>Mise en &amp;page...</translation>
    </message>
    <message>
        <source>&amp;Print Calendar...</source>
        <translation>Imp&amp;rimer le calendrier...</translation>
    </message>
    <message>
        <source>E&amp;xit Daylark</source>
        <translation>&amp;Quitter Daylark</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Birthday...</source>
        <translation>&amp;Anniversaire...</translation>
    </message>
    <message>
        <source>&amp;Holiday...</source>
        <translation>&amp;Jour férié...</translation>
    </message>
    <message>
        <source>&amp;Anniversary...</source>
        <translation>Anniversaire de &amp;mariage...</translation>
    </message>
    <message>
        <source>&amp;Other...</source>
        <translation>A&amp;utre...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendrier</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About Daylark...</source>
        <translation>À &amp;propos de Daylark...</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <source>Display Desktop Calendar</source>
        <translation>Afficher le calendrier de bureau</translation>
    </message>
    <message>
        <source>Display Daylark Setup</source>
        <translation>Afficher la configuration de Daylark</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No entry is currently selected.</source>
        <translation>Aucune entrée n’est sélectionnée.</translation>
    </message>
    <message>
        <source>Select one entry to be edited.</source>
        <translation>Sélectionnez une entrée à modifier.</translation>
    </message>
    <message>
        <source>Add &amp;Holidays...</source>
        <translation>Ajouter des jours &amp;fériés...</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Daylark Options</source>
        <translation>Options de Daylark</translation>
    </message>
    <message>
        <source>Entry Options </source>
        <translation>Options des entrées </translation>
    </message>
    <message>
        <source>Display confirmation after adding entries</source>
        <translation>Demander une confirmation avant d’ajouter une entrée</translation>
    </message>
    <message>
        <source>Display confirmation after editing entries</source>
        <translation>Demander une confirmation avant de modifier une entrée</translation>
    </message>
    <message>
        <source>Display confirmation when deleting entries</source>
        <translation>Demander une confirmation avant de supprimer une entrée</translation>
    </message>
    <message>
        <source>Adding Entries</source>
        <translation>Après un ajout</translation>
    </message>
    <message>
        <source>Remain in window and clear fields</source>
        <translation>Rester dans la fenêtre et vider les champs</translation>
    </message>
    <message>
        <source>Close window and return to previous window</source>
        <translation>Fermer la fenêtre et revenir à la précédente</translation>
    </message>
    <message>
        <source>More Options </source>
        <translation>Autres options </translation>
    </message>
    <message>
        <source>Calendar Layout...</source>
        <translation>Mise en page du calendrier...</translation>
    </message>
    <message>
        <source>Desktop Calendar...</source>
        <translation>Calendrier de bureau...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>frmOther</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Jusqu’au</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <comment>how the Until date is shown: July 20, 2027</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>The last day of an event that lasts several days</source>
        <translation>Le dernier jour d’un événement qui dure plusieurs jours</translation>
    </message>
    <message>
        <source>An event that lasts several days must end on or after its first day and last at most %1 days.</source>
        <translation>Un événement sur plusieurs jours doit finir le jour même de son début ou après, et durer au plus %1 jours.</translation>
    </message>
</context>
<context>
    <name>frmPhotos</name>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Click an empty month to choose its photo; drag a photo onto another month to swap them</source>
        <translation>Cliquez sur un mois vide pour choisir sa photo&#xa0;; faites glisser une photo sur un autre mois pour les échanger</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Fill from Folder...</source>
        <translation>&amp;Remplir depuis un dossier...</translation>
    </message>
    <message>
        <source>Click or drag to choose the point the print keeps in view</source>
        <translation>Cliquez ou faites glisser pour choisir le point que l’impression garde visible</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Page layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>no photo</source>
        <translation>pas de photo</translation>
    </message>
    <message>
        <source>No photo chosen for %1</source>
        <translation>Aucune photo choisie pour %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>Reading the photo...</source>
        <translation>Lecture de la photo...</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 pixels</translation>
    </message>
    <message>
        <source>The pages print without photos.</source>
        <translation>Les pages s’impriment sans photos.</translation>
    </message>
    <message>
        <source>Every chosen photo is sharp enough for this paper.</source>
        <translation>Chaque photo choisie est assez nette pour ce papier.</translation>
    </message>
    <message>
        <source>Before you print:</source>
        <translation>Avant d’imprimer&#xa0;:</translation>
    </message>
    <message>
        <source>%1 is not a photo that Daylark can read.</source>
        <translation>%1 n’est pas une photo que Daylark sait lire.</translation>
    </message>
    <message>
        <source>Choose the Photo for %1</source>
        <translation>Choisir la photo pour %1</translation>
    </message>
    <message>
        <source>Fill from Folder</source>
        <translation>Remplir depuis un dossier</translation>
    </message>
    <message>
        <source>There are no photos in %1.</source>
        <translation>Il n’y a pas de photos dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>Replace the chosen photos with the %n photo(s) of %1?</source>
        <translation>
            <numerusform>Remplacer les photos choisies par la %n photo de %1&#xa0;?</numerusform>
            <numerusform>Remplacer les photos choisies par les %n photos de %1&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more photo(s) of the folder did not fit: a calendar has twelve months.</source>
        <translation>
            <numerusform>%n photo de plus du dossier n’a pas trouvé place&#xa0;: un calendrier a douze mois.</numerusform>
            <numerusform>%n photos de plus du dossier n’ont pas trouvé place&#xa0;: un calendrier a douze mois.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année&#xa0;:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>%1 on %2</source>
        <comment>a printer and its place</comment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Print Calendar</source>
        <translation>Imprimer le calendrier</translation>
    </message>
    <message>
        <source>Save as PDF on file</source>
        <translation>Enregistrer en fichier PDF</translation>
    </message>
    <message>
        <source>Select Printer </source>
        <translation>Choisir l’imprimante </translation>
    </message>
    <message>
        <source>Print Months </source>
        <translation>Mois à imprimer </translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année&#xa0;:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Choisir&#xa0;:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Layout...</source>
        <translation>Mise en page...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No printer is chosen</source>
        <translation>Aucune imprimante n’est choisie</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>There has been an error with your printer.
Make sure it is turned on and operational before retrying.</source>
        <translation>Une erreur est survenue avec votre imprimante.
Vérifiez qu’elle est allumée et prête avant de réessayer.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>A smaller font for dates and events, or shorter names, make room in a day</source>
        <translation>Une police plus petite pour les dates et les événements, ou des noms plus courts, font de la place dans un jour</translation>
    </message>
    <message>
        <source>September 30, 2027: 12 of 15 entries do not fit</source>
        <comment>a line of the list, to size it</comment>
        <translation>30 septembre 2027&#xa0;: 12 entrées sur 15 ne tiennent pas</translation>
    </message>
    <message>
        <source>Every entry of the chosen months fits in its day.</source>
        <translation>Toutes les entrées des mois choisis tiennent dans leur jour.</translation>
    </message>
    <message>
        <source>Not everything will be shown:</source>
        <translation>Tout ne sera pas affiché&#xa0;:</translation>
    </message>
    <message>
        <source>Year &amp;page</source>
        <translation>Page de l&apos;a&amp;nnée</translation>
    </message>
    <message>
        <source>The twelve months of the year on one page</source>
        <translation>Les douze mois de l&apos;année sur une page</translation>
    </message>
    <message>
        <source>&amp;before the months</source>
        <translation>a&amp;vant les mois</translation>
    </message>
    <message>
        <source>i&amp;nstead of the months</source>
        <translation>à la &amp;place des mois</translation>
    </message>
    <message>
        <source>Every entry of the chosen months fits in its day; about the photos:</source>
        <translation>Chaque entrée des mois choisis tient dans son jour&#xa0;; à propos des photos&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;hotos...</source>
        <translation>P&amp;hotos...</translation>
    </message>
    <message>
        <source>A photo for each month and for the cover</source>
        <translation>Une photo pour chaque mois et pour la couverture</translation>
    </message>
    <message>
        <source>Photos: %1 (%2 of %3 chosen)</source>
        <translation>Photos&#xa0;: %1 (%2 sur %3 choisies)</translation>
    </message>
</context>
<context>
    <name>frmResort</name>
    <message>
        <source>Resort Entries</source>
        <translation>Trier les entrées</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Daylark Setup</source>
        <translation>Configuration de Daylark</translation>
    </message>
    <message>
        <source>Calendar Title:</source>
        <translation>Titre du calendrier&#xa0;:</translation>
    </message>
    <message>
        <source>Header (line 1):</source>
        <translation>En-tête (ligne 1)&#xa0;:</translation>
    </message>
    <message>
        <source>Header (line 2):</source>
        <translation>En-tête (ligne 2)&#xa0;:</translation>
    </message>
    <message>
        <source>Display Year:</source>
        <translation>Année affichée&#xa0;:</translation>
    </message>
    <message>
        <source>Current Entries </source>
        <translation>Entrées actuelles </translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Resort Entries</source>
        <translation>Trier les entrées</translation>
    </message>
    <message>
        <source>Invalid year. Please enter a value between %1 and %2.</source>
        <translation>Année non valable. Veuillez saisir une valeur entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Click to close this window</source>
        <translation>Cliquez pour fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Your year, printed right.</source>
        <translation>Votre année, bien imprimée.</translation>
    </message>
    <message>
        <source>Version 2.5</source>
        <translation>Version 2.5</translation>
    </message>
</context>
</TS>
