#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// What an event name may hold. Control characters (line breaks, tabs, escape sequences) and
// the Unicode line and paragraph separators would break the entry across lines or garble
// its display, so a name never keeps them.
namespace qvfsch {

bool IsControlCharacter(QChar c);

// The position of the first such character in name, or -1.
qsizetype FirstControlCharacter(QStringView name);

// The name with every such character turned into a space, as the wizard's name box takes a
// pasted name.
QString WithoutControlCharacters(QString name);

} // namespace qvfsch
