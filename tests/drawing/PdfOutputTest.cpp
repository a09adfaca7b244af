#include "PdfTools.h"
#include "drawing/MonthPage.h"
#include "drawing/windows/PrinterJob.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/PlainPages.h"
#include "support/TestApp.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <gtest/gtest.h>

// Real pages through QPainter: PDF files read back with poppler, and an image.

namespace {

struct PdfFixture : ::testing::Test {
    TestApp t;
    PdfFixture() {
        t.app.Layout = LoadSettings(t.store).Layout;
        PlainPages(t.app.Layout);
        t.app.Document = sampleCalendar();
        t.app.DisplayYear = 2027;
    }
    PrintResult printPdf(const QString& path, const std::vector<int>& months) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PreparePrinter(printer, t.app.Layout);
        return PrintMonths(t.app, printer, months);
    }
    QString pdf(const std::vector<int>& months = {3}) {
        const QString path = t.path(QStringLiteral("page.pdf"));
        EXPECT_TRUE(printPdf(path, months).ok);
        return path;
    }
    void customPaper(float width, float height, const char* orientation) {
        t.app.Layout.PaperSize = QStringLiteral("Custom");
        t.app.Layout.PaperSizeWidth = width;
        t.app.Layout.PaperSizeHeight = height;
        t.app.Layout.PaperOrientation = QLatin1String(orientation);
    }
};

constexpr double kPt = 72; // points per inch

} // namespace

TEST_F(PdfFixture, AYearPrintsTwelvePagesJanuaryFirstWithEveryTextOfThePage) {
    SKIP_WITHOUT_POPPLER();
    const QString path = pdf(MonthsToPrint(true, {}));
    EXPECT_EQ(pdfPages(path), 12);
    EXPECT_TRUE(pdfText(path, 1).startsWith(QStringLiteral("January 2027")));
    EXPECT_TRUE(pdfText(path, 12).startsWith(QStringLiteral("December 2027")));
    const QString march = pdfText(path, 3);
    for (const char* expected : {"The Smiths 2027", "Family calendar", "Printed for Grandma",
                                 "Sunday", "Wednesday", "Saturday", "31"})
        EXPECT_TRUE(march.contains(QLatin1String(expected))) << expected;
    EXPECT_TRUE(pdfText(path, 11).contains(QStringLiteral("Thanksgiving")));
    EXPECT_TRUE(pdfText(path, 1).contains(QStringLiteral("Dentist")));
    EXPECT_FALSE(march.contains(QStringLiteral("Dentist")));
}

TEST_F(PdfFixture, DefaultPaperIsLandscapeAndACustomSizeTakesItsOrientation) {
    SKIP_WITHOUT_POPPLER();
    t.app.Layout.PaperOrientation = QStringLiteral("Portrait"); // ignored for the default paper
    QSizeF size = pdfPageSize(pdf());
    EXPECT_GT(size.width(), size.height());

    customPaper(8.5f, 11, "Portrait");
    EXPECT_EQ(pdfPageSize(pdf()), QSizeF(612, 792));
    customPaper(8.5f, 11, "Landscape");
    EXPECT_EQ(pdfPageSize(pdf()), QSizeF(792, 612));
}

// Custom paper named upright but printed across: the page and the layout agree, so the
// Saturday column reaches the right margin and the sixth row (January 31, 2027) is on it.
TEST_F(PdfFixture, ACustomPaperTurnedLandscapeHoldsTheWholeMonth) {
    SKIP_WITHOUT_POPPLER();
    customPaper(8.5f, 11, "Landscape");
    const QString path = pdf({1});
    EXPECT_EQ(pdfPageSize(path), QSizeF(792, 612));
    const std::vector<PdfWord> words = pdfWords(path, 1);
    const auto saturday = findWord(words, QStringLiteral("Saturday"));
    const auto fifthRow = findWord(words, QStringLiteral("24"));
    const auto sixthRow = findWord(words, QStringLiteral("31"));
    ASSERT_TRUE(saturday && fifthRow && sixthRow);
    EXPECT_GT(saturday->xMin, (0.75 + 9.5 * 6 / 7) * kPt);
    EXPECT_LT(saturday->xMax, (11 - 0.75) * kPt);
    EXPECT_GT(sixthRow->yMin, fifthRow->yMax);
    EXPECT_LT(sixthRow->yMax, (8.5 - 0.75) * kPt);
}

TEST_F(PdfFixture, TheHeadingAndTitleAlignBetweenTheMarginsInRealFonts) {
    SKIP_WITHOUT_POPPLER();
    customPaper(11, 8.5f, "Landscape");
    t.app.Layout.AlignMonthYear = QStringLiteral("Right");
    t.app.Layout.AlignTitle = QStringLiteral("Center");
    const std::vector<PdfWord> words = pdfWords(pdf(), 1);
    const auto year = findWord(words, QStringLiteral("2027"));
    const auto march = findWord(words, QStringLiteral("March"));
    ASSERT_TRUE(year && march);
    EXPECT_NEAR(year->xMax, (11 - 0.75) * kPt, 1.5);
    EXPECT_NEAR(march->yMin, 0.75 * kPt, 6); // the line's top, above the capitals

    const auto family = findWord(words, QStringLiteral("Family"));
    const auto calendar = findWord(words, QStringLiteral("calendar"));
    ASSERT_TRUE(family && calendar);
    EXPECT_NEAR((family->xMin + calendar->xMax) / 2, 5.5 * kPt, 1.5);
}

TEST_F(PdfFixture, ALongEntryWrapsInsideItsColumn) {
    SKIP_WITHOUT_POPPLER();
    customPaper(11, 8.5f, "Landscape");
    const std::vector<PdfWord> words = pdfWords(pdf(), 1);
    // "Ann Smith -- 66th Birthday" on Sunday 7 March: the first column, second row.
    const auto ann = findWord(words, QStringLiteral("Ann"));
    const auto birthday = findWord(words, QStringLiteral("Birthday"));
    ASSERT_TRUE(ann && birthday);
    EXPECT_NEAR(ann->xMin, (0.75 + 0.05) * kPt, 1.5);
    EXPECT_NEAR(birthday->xMin, ann->xMin, 1.5);
    EXPECT_GT(birthday->yMin, ann->yMax - 1);
    EXPECT_LT(birthday->xMax, (0.75 + 9.5 / 7) * kPt);
}

TEST_F(PdfFixture, APdfFileThatCannotBeWrittenFailsWithItsOwnDescription) {
    const QString path = t.path(QStringLiteral("missing/folder/page.pdf"));
    const PrintResult result = printPdf(path, {3, 11});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.pages, 0);
    EXPECT_TRUE(result.error.contains(path)) << result.error.toStdString();
    EXPECT_TRUE(printPdf(path, {}).ok); // nothing to print starts nothing
}

TEST_F(PdfFixture, ColoursReachTheImageOnlyWhereTheirEntriesAre) {
    t.app.Layout.Birthday = QStringLiteral("&HFF"); // red
    QImage image(1100, 850, QImage::Format_RGB32);  // 11 by 8.5 inches at 100 dpi
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter, PainterSurface::pixelsPerInch(image));
    MonthPagePrinter pages(surface, {t.app.Document, t.app.Layout, 2027, {11, 8.5}});
    pages.PrintMonthPage(3);
    painter.end();

    const MonthPageLayout& page = pages.layout();
    const QRectF cell(page.cellLeft(7) * 100, page.cellTop(7) * 100, page.frame.ColumnWidth * 100,
                      page.RowHeight * 100);
    int redInCell = 0, redElsewhere = 0, dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool red = c.red() > 200 && c.green() < 120 && c.blue() < 120;
            if (red)
                ++(cell.contains(x, y) ? redInCell : redElsewhere);
            else if (c.lightness() < 100)
                ++dark;
        }
    }
    EXPECT_GT(redInCell, 20);
    EXPECT_EQ(redElsewhere, 0);
    EXPECT_GT(dark, 1000); // grid, heading and numbers in black
}
