#include "generator/EventName.h"

namespace qvfsch {

bool IsControlCharacter(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

qsizetype FirstControlCharacter(QStringView name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (IsControlCharacter(name[i])) return i;
    return -1;
}

QString WithoutControlCharacters(QString name) {
    for (QChar& c : name)
        if (IsControlCharacter(c)) c = u' ';
    return name;
}

} // namespace qvfsch
