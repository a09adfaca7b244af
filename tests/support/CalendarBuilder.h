#pragma once

#include "document/CalendarDocument.h"

#include <QByteArray>
#include <QStringList>

// Small helpers for building documents and file text in tests.

inline BirthdayEntry birthday(const char* date, const QString& name, const char* style = "1") {
    return {QString::fromLatin1(date), name, QString::fromLatin1(style)};
}
inline AnniversaryEntry anniversary(const char* date, const QString& name,
                                    const char* style = "1") {
    return {QString::fromLatin1(date), name, QString::fromLatin1(style)};
}
inline FixedHolidayEntry fixedHoliday(const char* date, const QString& name) {
    return {QString::fromLatin1(date), name};
}
inline FloatingHolidayEntry floatingHoliday(const char* month, const char* rule,
                                            const QString& name) {
    return {QString::fromLatin1(month), QString::fromLatin1(rule), name};
}
inline OtherEntry other(const char* date, const QString& name) {
    return {QString::fromLatin1(date), name};
}

// A calendar with entries of every kind.
inline CalendarDocument sampleCalendar() {
    CalendarDocument doc;
    doc.CalendarTitle = QStringLiteral("The Smiths 2027");
    doc.HeaderLine1 = QStringLiteral("Family calendar");
    doc.HeaderLine2 = QStringLiteral("Printed for Grandma");
    doc.Birthdays.append(birthday("03071961", QStringLiteral("Ann Smith")));
    doc.Birthdays.append(birthday("12251990", QStringLiteral("  two  spaces "), "3"));
    doc.Anniversaries.append(anniversary("06151985", QStringLiteral("Wedding"), "2"));
    doc.FixedHolidays.append(fixedHoliday("0704", QStringLiteral("Independence Day")));
    doc.FixedHolidays.append(fixedHoliday("1225", QStringLiteral("Christmas")));
    doc.FloatingHolidays.append(floatingHoliday("11", "44", QStringLiteral("Thanksgiving")));
    doc.FloatingHolidays.append(floatingHoliday("05", "L1", QStringLiteral("Memorial Day")));
    doc.OtherEvents.append(other("01052027", QStringLiteral("Dentist")));
    return doc;
}

// File text from lines, each ended by CR LF.
inline QByteArray fileText(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

inline QByteArray fileText(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

// The generator's scrambling of an entry line: adds the key codes that Unscramble
// subtracts.
inline QByteArray scramble(QByteArrayView line, QByteArrayView key) {
    QByteArray out(line.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < line.size(); ++i)
        out[i] = static_cast<char>(static_cast<unsigned char>(line[i]) +
                                   static_cast<unsigned char>(key[(i + 1) % key.size()]));
    return out;
}
