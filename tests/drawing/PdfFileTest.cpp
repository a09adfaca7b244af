#include "PdfTools.h"
#include "drawing/PrintJob.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/FileSizeLimit.h"
#include "support/PlainPages.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// PDF files written through a temporary file: a print that fails leaves the previous file as
// it was and says why; a layout without room for the grid prints nothing.

namespace {

const QByteArray kPrevious = QByteArrayLiteral("%PDF-1.4 the previous print, kept byte for byte");

struct PdfFile : ::testing::Test {
    TestApp t;
    PdfFile() {
        t.app.Layout = LoadSettings(t.store).Layout;
        PlainPages(t.app.Layout);
        t.app.Document = sampleCalendar();
        t.app.DisplayYear = 2027;
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QStringList filesIn(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden);
    }
};

} // namespace

TEST_F(PdfFile, AWriteThatFailsPartWayKeepsThePreviousFileAndSaysWhy) {
    const QString path = t.path(QStringLiteral("year.pdf"));
    write(path, kPrevious);
    PrintResult result;
    {
        const FileSizeLimit limit(16 * 1024); // a year of pages takes far more
        result = PrintMonthsToPdf(t.app, path, MonthsToPrint(true, {}));
    }
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.noRoom);
    EXPECT_TRUE(result.error.contains(path)) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QStringLiteral("File too large")))
        << result.error.toStdString();
    EXPECT_EQ(read(path), kPrevious);
    EXPECT_EQ(filesIn(t.dir.path()), QStringList{QStringLiteral("year.pdf")});
}

TEST_F(PdfFile, AFullDiskKeepsThePreviousFileAndSaysWhy) {
    const QString folder = t.path(QStringLiteral("disk"));
    const TinyDisk disk(folder, "16k"); // a year of pages takes more
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
    const QString path = folder + QStringLiteral("/year.pdf");
    write(path, kPrevious);
    const PrintResult result = PrintMonthsToPdf(t.app, path, MonthsToPrint(true, {}));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("No space left on device")))
        << result.error.toStdString();
    EXPECT_EQ(read(path), kPrevious);
    EXPECT_EQ(filesIn(folder), QStringList{QStringLiteral("year.pdf")});
}

TEST_F(PdfFile, ACompleteWriteReplacesThePreviousFile) {
    SKIP_WITHOUT_POPPLER();
    const QString path = t.path(QStringLiteral("year.pdf"));
    write(path, kPrevious);
    const PrintResult result = PrintMonthsToPdf(t.app, path, {3, 11});
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.pages, 2);
    EXPECT_EQ(pdfPages(path), 2);
    EXPECT_TRUE(pdfText(path, 1).startsWith(QStringLiteral("March 2027")));
    EXPECT_EQ(filesIn(t.dir.path()), QStringList{QStringLiteral("year.pdf")});
}

// Margins, headings or titles that take up the paper leave the grid no rows or no columns:
// nothing is printed and the previous file stays.
TEST_F(PdfFile, ALayoutWithoutRoomForTheGridIsRefused) {
    struct Case {
        const char* what;
        float width, height, left, top;
        const char* headingPoints;
        bool room;
    };
    const std::vector<Case> cases = {
        {"letter", 8.5f, 11, 0.75f, 0.75f, "24", true},
        {"small paper, wide margins", 2, 2, 0.9f, 0.5f, "24", false},
        {"small paper, tall margins", 2, 2, 0.2f, 0.9f, "24", false},
        {"a heading taller than the paper", 8.5f, 11, 0.75f, 0.75f, "900", false},
    };
    for (const Case& c : cases) {
        t.app.Layout.PaperSize = QStringLiteral("Custom");
        t.app.Layout.PaperSizeWidth = c.width;
        t.app.Layout.PaperSizeHeight = c.height;
        t.app.Layout.PaperOrientation = QStringLiteral("Portrait");
        t.app.Layout.MarginLeft = t.app.Layout.MarginRight = c.left;
        t.app.Layout.MarginTop = t.app.Layout.MarginBottom = c.top;
        t.app.Layout.FontSizeMonthYear = QLatin1String(c.headingPoints);
        const QString path = t.path(QStringLiteral("page.pdf"));
        write(path, kPrevious);
        const PrintResult result = PrintMonthsToPdf(t.app, path, {3});
        EXPECT_EQ(result.ok, c.room) << c.what;
        EXPECT_EQ(result.noRoom, !c.room) << c.what;
        EXPECT_EQ(read(path) == kPrevious, !c.room) << c.what;
        EXPECT_EQ(result.error, c.room ? QString() : NoRoomForGridText()) << c.what;
        EXPECT_EQ(filesIn(t.dir.path()), QStringList{QStringLiteral("page.pdf")}) << c.what;
    }
}
