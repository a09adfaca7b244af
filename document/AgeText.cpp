#include "document/AgeText.h"

#include "document/EntryText.h"

namespace {

bool isAnniversary(EntryKind kind) {
    return kind == EntryKind::Anniversary;
}

} // namespace

QString OrdinalNumber(int count, QLocale::Language language) {
    const QString number = QString::number(count);
    switch (language) {
    case QLocale::German:
        return number + u'.';
    case QLocale::French:
        return number + (count == 1 ? QStringLiteral("er") : QStringLiteral("e"));
    case QLocale::Spanish:
        return number + QStringLiteral(".º");
    default:
        return number + OrdinalSuffix(count);
    }
}

QString AgeWords(int count, EntryKind kind, QLocale::Language language) {
    const bool anniversary = isAnniversary(kind);
    QString word;
    switch (language) {
    case QLocale::German:
        word = anniversary ? QStringLiteral("Jahrestag") : QStringLiteral("Geburtstag");
        break;
    case QLocale::French:
        word = QStringLiteral("anniversaire");
        break;
    case QLocale::Spanish:
        word = anniversary ? QStringLiteral("aniversario") : QStringLiteral("cumpleaños");
        break;
    default:
        word = anniversary ? QStringLiteral("Anniversary") : QStringLiteral("Birthday");
        break;
    }
    return OrdinalNumber(count, language) + u' ' + word;
}

QString MoreWord(QLocale::Language language) {
    switch (language) {
    case QLocale::German:
        return QStringLiteral("weitere");
    case QLocale::French:
        return QStringLiteral("de plus");
    case QLocale::Spanish:
        return QStringLiteral("más");
    default:
        return QStringLiteral("more");
    }
}

QString AgeSeparator(QLocale::Language language) {
    switch (language) {
    case QLocale::German:
    case QLocale::French:
    case QLocale::Spanish:
        return QStringLiteral(" \u2013 ");
    default:
        return QStringLiteral(" -- ");
    }
}

QString RangeWord(QLocale::Language language) {
    switch (language) {
    case QLocale::German:
        return QStringLiteral("bis");
    case QLocale::French:
        return QStringLiteral("au");
    case QLocale::Spanish:
        return QStringLiteral("al");
    default:
        return QStringLiteral("to");
    }
}
