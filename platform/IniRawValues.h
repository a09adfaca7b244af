#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

// Values of an INI file as they stand in it, for the values a person wrote by hand. The INI
// store reads an unquoted value with a comma in it ("FontDays=DejaVu Sans, Bold") as a list
// of texts, losing the commas and the blanks around them; the store's own writes quote such
// values.

// The text after "=" of every value (up to a ";", which starts a comment, without the blanks
// at either end), by the full key as the store names it: the section and the key joined by
// "/", a "\" in either read as "/", the section "[General]" meaning none.
QHash<QString, QString> IniRawValues(QByteArrayView file);

// The text a value read as the list items was written as: its raw text, or, when that holds
// quotes or escapes that the store has already resolved, the items joined by ", ".
QString HandWrittenText(const QString& raw, const QStringList& items);
