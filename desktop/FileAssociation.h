#pragma once

#include <QImage>
#include <QString>

// Calendar files (*.qvf) belong to Daylark on the desktop: a shared-mime-info type, a
// desktop entry whose Exec opens the file with this program, and the program's icon, all in
// the user's data folder ($XDG_DATA_HOME). Written at every start; files already up to date
// are left alone, and the desktop's caches are refreshed only when something changed.
// Failures are ignored: the program starts all the same.

inline const QString kCalendarMimeType = QStringLiteral("application/x-vemora-calendar");

struct FileAssociation {
    QString dataHome;    // $XDG_DATA_HOME
    QString programPath; // the daylark executable
    QImage icon;         // the program's icon, also shown for calendar files
};

// Writes the files; returns true when any of them changed.
bool WriteFileAssociation(const FileAssociation& association);

// WriteFileAssociation for this program in the user's data folder, then the desktop's
// update tools (update-mime-database, update-desktop-database) when installed and needed.
void RegisterFileType(const QImage& icon);

// The desktop entry's Exec line for a program path: quoted, with the characters that must
// be escaped inside quotes escaped, followed by the file argument.
QString DesktopExec(const QString& programPath);

// A program path as a desktop entry's Exec line names it: in double quotes, with the
// characters that must be escaped inside quotes escaped.
QString QuotedExecProgram(const QString& programPath);
