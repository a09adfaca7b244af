#include "document/StatusTexts.h"

#include "document/CalendarDocument.h"

#include <QCoreApplication>
#include <QFileInfo>

QString EntriesAddedText(int entries, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (entries == 1)
        return QCoreApplication::translate("StatusTexts", "1 entry added from %1").arg(name);
    return QCoreApplication::translate("StatusTexts", "%1 entries added from %2")
        .arg(entries)
        .arg(name);
}

QString PagesWrittenText(int pages, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (pages == 1)
        return QCoreApplication::translate("StatusTexts", "1 page written to %1").arg(name);
    return QCoreApplication::translate("StatusTexts", "%1 pages written to %2")
        .arg(pages)
        .arg(name);
}

QString PagesSentText(int pages, const QString& printer) {
    if (pages == 1)
        return QCoreApplication::translate("StatusTexts", "1 page sent to %1").arg(printer);
    return QCoreApplication::translate("StatusTexts", "%1 pages sent to %2")
        .arg(pages)
        .arg(printer);
}

int TotalEntryCount(const CalendarDocument& doc) {
    int total = 0;
    for (const EntryKind kind : kAllKinds)
        total += doc.entryCount(kind);
    return total;
}
