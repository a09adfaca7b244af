#include "document/StatusTexts.h"

#include "document/CalendarDocument.h"

#include <QFileInfo>

namespace {

QString counted(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

QString EntriesAddedText(int entries, const QString& path) {
    return QStringLiteral("%1 added from %2")
        .arg(counted(entries, "entry", "entries"), QFileInfo(path).fileName());
}

QString PagesWrittenText(int pages, const QString& path) {
    return QStringLiteral("%1 written to %2")
        .arg(counted(pages, "page", "pages"), QFileInfo(path).fileName());
}

QString PagesSentText(int pages, const QString& printer) {
    return QStringLiteral("%1 sent to %2").arg(counted(pages, "page", "pages"), printer);
}

int TotalEntryCount(const CalendarDocument& doc) {
    int total = 0;
    for (const EntryKind kind : kAllKinds)
        total += doc.entryCount(kind);
    return total;
}
