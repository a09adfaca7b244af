#include "document/EntryText.h"
#include "document/ICalendar.h"

#include <QDir>
#include <QFile>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

// iCalendar files in the shapes other calendar programs write, each beside the calendar it
// must give when imported into a new calendar (NAME.show.txt, as "qvftool show" prints it)
// and, when some of its items have no place, the lines that list them (NAME.notimported.txt);
// a file that cannot be imported has the reason beside it instead (NAME.error.txt). The
// user's time zone is UTC.
const QString kFolder = QStringLiteral(DAYLARK_TEST_DATA "/ics");

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString showText(const CalendarDocument& doc) {
    QString out = QStringLiteral("Title: %1\nHeader1: %2\nHeader2: %3\n")
                      .arg(doc.CalendarTitle, doc.HeaderLine1, doc.HeaderLine2);
    for (const EntryKind kind : kAllKinds) {
        const QStringList lines = EntryListLines(doc, kind);
        out += QStringLiteral("\n%1 (%2)\n").arg(KindLabel(kind)).arg(lines.size());
        for (const QString& line : lines)
            out += line + u'\n';
    }
    return out;
}

TEST(ICalendarGolden, FilesFromOtherProgramsImportAsExpected) {
    const QStringList files = QDir(kFolder).entryList({QStringLiteral("*.ics")}, QDir::Files);
    ASSERT_GE(files.size(), 3);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString base = kFolder + u'/' + name.chopped(4);
        QFile file(kFolder + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        CalendarDocument doc;
        const ICalImportResult result = importICalendar(data, doc, QTimeZone::utc());
        if (QFile::exists(base + QLatin1String(".error.txt"))) {
            EXPECT_EQ(result.status, FileStatus::Failed);
            EXPECT_EQ(result.error.toStdString(),
                      readText(base + QLatin1String(".error.txt")).trimmed().toStdString());
            EXPECT_TRUE(doc.sameContent(CalendarDocument()));
            continue;
        }
        ASSERT_EQ(result.status, FileStatus::Success) << result.error.toStdString();
        EXPECT_EQ(showText(doc).toStdString(),
                  readText(base + QLatin1String(".show.txt")).toStdString());
        const QString notImported = result.notImported.join(u'\n');
        EXPECT_EQ(notImported.toStdString(),
                  readText(base + QLatin1String(".notimported.txt")).trimmed().toStdString());
        // A second import of the same file finds every entry there already.
        const CalendarDocument once = doc;
        const ICalImportResult again = importICalendar(data, doc, QTimeZone::utc());
        EXPECT_EQ(again.added, 0);
        EXPECT_EQ(again.alreadyPresent, result.added + result.alreadyPresent);
        EXPECT_TRUE(doc.sameContent(once));
    }
}

} // namespace
