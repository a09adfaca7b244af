#include "document/CalendarFileSize.h"

#include "document/CalendarDocument.h"
#include "document/CalendarFormat.h"

#include <QStringView>

namespace {

constexpr qint64 kLineEnd = 2; // CR LF

// Bytes of text written as UTF-8 the way the file's lines are: a character outside the
// Basic Multilingual Plane takes four, a lone surrogate becomes one replacement byte.
qint64 utf8Size(QStringView text) {
    qint64 size = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            size += 1;
        } else if (c < 0x800) {
            size += 2;
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            size += 4;
            ++i;
        } else if (QChar::isSurrogate(c)) {
            size += 1;
        } else {
            size += 3;
        }
    }
    return size;
}

// Every entry line: its fixed fields, the separators, the name and the line end.
template <class Table> qint64 linesSize(const Table& table, qint64 fixedPart) {
    qint64 size = 0;
    for (const auto& entry : table)
        size += fixedPart + utf8Size(entry.Name) + kLineEnd;
    return size;
}

// The prologue, headings and empty lines of a calendar without title, header texts or
// entries.
qint64 skeletonSize() {
    static const qint64 size = [] {
        CalendarDocument empty;
        empty.CalendarTitle.clear();
        return qint64(formatCalendar(empty).size());
    }();
    return size;
}

} // namespace

qint64 CalendarFileSize(const CalendarDocument& doc) {
    return skeletonSize() + utf8Size(doc.CalendarTitle) + utf8Size(doc.HeaderLine1) +
           utf8Size(doc.HeaderLine2) + linesSize(doc.Birthdays, kDatedNameStart) +
           linesSize(doc.Anniversaries, kDatedNameStart) +
           linesSize(doc.FixedHolidays, kFixedNameStart) +
           linesSize(doc.FloatingHolidays, kFloatingNameStart) +
           linesSize(doc.OtherEvents, kOtherNameStart);
}
