<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <name>Dialogs</name>
    <message>
        <source>Vemora Files (*.qvf)</source>
        <translation>Archivos Vemora (*.qvf)</translation>
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
    <name>GeneratedFile</name>
    <message>
        <source>%1 cannot save
%2

%3

Nothing was written to this file.</source>
        <translation>%1 no puede guardar
%2

%3

No se escribió nada en este archivo.</translation>
    </message>
    <message>
        <source>%1 cannot add the events to
%2

%3

The file was left as it was.</source>
        <translation>%1 no puede añadir los eventos a
%2

%3

El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>1 entry added to %1</source>
        <translation>1 entrada añadida a %1</translation>
    </message>
    <message>
        <source>1 entry written to %1</source>
        <translation>1 entrada escrita en %1</translation>
    </message>
    <message>
        <source>%1 entries added to %2</source>
        <translation>%1 entradas añadidas a %2</translation>
    </message>
    <message>
        <source>%1 entries written to %2</source>
        <translation>%1 entradas escritas en %2</translation>
    </message>
    <message>
        <source>The calendar would be too large to be opened again.</source>
        <translation>El calendario sería demasiado grande para volver a abrirlo.</translation>
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
    <name>ScheduleRequest</name>
    <message>
        <source>%1 %2, %3</source>
        <comment>a date: month, day, year (January 5, 2019)</comment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>Events occur between %1 and %2 every</source>
        <translation>Los eventos tienen lugar entre el %1 y el %2</translation>
    </message>
    <message>
        <source>Events occur between %1 and %2 every %3 day(s).</source>
        <translation>Los eventos tienen lugar entre el %1 y el %2, cada %3 día(s).</translation>
    </message>
    <message>
        <source>Events occur between %1 and %2 every %3 of every week.</source>
        <translation>Los eventos tienen lugar entre el %1 y el %2, cada semana el %3.</translation>
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
    <name>WholeFileReader</name>
    <message>
        <source>The file is too large to be a calendar.</source>
        <translation>El archivo es demasiado grande para ser un calendario.</translation>
    </message>
</context>
<context>
    <name>qvfsch</name>
    <message>
        <source>QVF Scheduler</source>
        <translation>Planificador QVF</translation>
    </message>
    <message>
        <source>Kestral Scheduler</source>
        <translation>Planificador Kestral</translation>
    </message>
    <message>
        <source>Kestral scheduler</source>
        <translation>Planificador Kestral</translation>
    </message>
    <message>
        <source>Invalid span of dates.
Ending date must be at least one day later than starting date.</source>
        <translation>Intervalo de fechas no válido.
La fecha final debe ser al menos un día posterior a la inicial.</translation>
    </message>
    <message>
        <source>Please select days of the week for the event to occur on.</source>
        <translation>Elija los días de la semana en que tiene lugar el evento.</translation>
    </message>
    <message>
        <source>No data created.</source>
        <translation>No se han creado datos.</translation>
    </message>
    <message>
        <source>Select a date span for the event</source>
        <translation>Elija el intervalo de fechas del evento</translation>
    </message>
    <message>
        <source>Schedule the frequency of the event</source>
        <translation>Establezca la frecuencia del evento</translation>
    </message>
    <message>
        <source>Enter the event&apos;s display name</source>
        <translation>Escriba el nombre que mostrará el evento</translation>
    </message>
    <message>
        <source>Save Vemora File As</source>
        <translation>Guardar archivo Vemora como</translation>
    </message>
</context>
<context>
    <name>qvfsch::frmQVFSched</name>
    <message>
        <source>Starting Date:</source>
        <translation>Fecha inicial:</translation>
    </message>
    <message>
        <source>Ending Date:</source>
        <translation>Fecha final:</translation>
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
        <source>Every</source>
        <translation>Cada</translation>
    </message>
    <message>
        <source>day(s)</source>
        <translation>día(s)</translation>
    </message>
    <message>
        <source>Event Name:</source>
        <translation>Nombre del evento:</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
</context>
<context>
    <name>qvfsch::frmStatus</name>
    <message>
        <source>Entries generated for </source>
        <translation>Entradas generadas para </translation>
    </message>
    <message>
        <source>Event Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>entries created</source>
        <translation>entradas creadas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Vemora Files (*.qvf)</source>
        <translation>Archivos Vemora (*.qvf)</translation>
    </message>
    <message>
        <source>the event</source>
        <translation>el evento</translation>
    </message>
    <message>
        <source>the %1 events</source>
        <translation>los %1 eventos</translation>
    </message>
    <message>
        <source>%1 already exists and is a calendar.
Do you want to add %2 to its entries, or replace it?</source>
        <translation>%1 ya existe y es un calendario.
¿Desea añadir %2 a sus entradas o reemplazarlo?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
</context>
</TS>
