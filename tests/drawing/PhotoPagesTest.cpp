#include "drawing/PhotoPages.h"
#include "PdfTools.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/PlainPages.h"
#include "support/TestApp.h"

#include <QImage>
#include <gtest/gtest.h>

// The pages of a photo calendar: how many, which way up, where the grid goes, and what the
// user is told before printing.

namespace {

struct PhotoPages : ::testing::Test {
    TestApp t;
    PhotoPages() {
        t.app.Layout = LoadSettings(t.store).Layout;
        PlainPages(t.app.Layout);
        t.app.Document = sampleCalendar();
        t.app.DisplayYear = 2027;
        for (int slot = kCoverPhoto; slot <= 12; ++slot)
            choice(slot).path = photo("small.png", {40, 30});
    }
    QString photo(const QString& name, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        image.save(t.dir.filePath(name));
        return t.dir.filePath(name);
    }
    PhotoChoice& choice(int slot) { return t.app.Document.Photos.photos[size_t(slot)]; }
};

std::vector<int> allMonths() {
    return MonthsToPrint(true, {});
}

// Warning lines as one text that the test's failure message can show.
std::string lines(const std::vector<QString>& warnings) {
    QStringList list(warnings.begin(), warnings.end());
    return list.join(u'\n').toStdString();
}

} // namespace

// A page for every photo and every month; a month without a photo still gets its photo page
// when the photos face the months, so that each photo stays opposite its month.
TEST_F(PhotoPages, EveryPhotoAndMonthGetsItsPageAndFacingPagesPairUp) {
    SKIP_WITHOUT_POPPLER();
    struct Case {
        PhotoLayout layout;
        bool cover, yearPage;
        std::vector<int> months;
        int pages;
        const char* firstText; // the first page's text starts so
    };
    const Case cases[] = {
        {PhotoLayout::None, true, false, allMonths(), 12, "January 2027"},
        {PhotoLayout::Above, true, false, allMonths(), 13, "The Smiths 2027\n2027"},
        {PhotoLayout::Above, false, true, {3}, 2, "2027"},
        {PhotoLayout::Facing, true, false, allMonths(), 25, "The Smiths 2027\n2027"},
        {PhotoLayout::Facing, false, false, {3, 11}, 4, ""},
    };
    const QString cover = choice(kCoverPhoto).path;
    choice(3).path.clear(); // March has no photo
    for (const Case& c : cases) {
        choice(kCoverPhoto).path = c.cover ? cover : QString();
        const QString out = t.dir.filePath("out.pdf");
        const PrintResult result = PrintPagesToPdf(t.app, out, {c.yearPage, c.months, c.layout});
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_EQ(result.pages, c.pages);
        EXPECT_EQ(pdfPages(out), c.pages);
        EXPECT_TRUE(pdfText(out, 1).trimmed().startsWith(QLatin1String(c.firstText)))
            << pdfText(out, 1).toStdString();
        if (c.layout == PhotoLayout::Facing) { // the photo page of March is blank, the month next
            EXPECT_TRUE(pdfText(out, c.pages == 4 ? 2 : 7).startsWith(QLatin1String("March 2027")));
        }
    }
}

// Photos above the months print upright even on a paper set to landscape, with the month's
// heading below the middle of the page; a grid with no room under the photo is refused.
TEST_F(PhotoPages, PhotoAbovePagesAreUprightWithTheMonthInTheLowerHalf) {
    SKIP_WITHOUT_POPPLER();
    // A4 as the layout dialog stores a named paper, turned to landscape.
    t.app.Layout.PaperSize = QStringLiteral("Custom");
    t.app.Layout.PaperName = QStringLiteral("A4");
    t.app.Layout.PaperSizeWidth = 11.69f;
    t.app.Layout.PaperSizeHeight = 8.27f;
    t.app.Layout.PaperOrientation = QStringLiteral("Landscape");
    const QString out = t.dir.filePath("above.pdf");
    ASSERT_TRUE(PrintPagesToPdf(t.app, out, {false, {5}, PhotoLayout::Above}).ok);
    const QSizeF page = pdfPageSize(out);
    EXPECT_NEAR(page.width(), 595, 1);
    EXPECT_NEAR(page.height(), 842, 1);
    const std::optional<PdfWord> heading = findWord(pdfWords(out, 2), QStringLiteral("May"));
    ASSERT_TRUE(heading);
    const QRectF frame =
        PhotoAboveFrame(PlanLayout(t.app.Layout, {false, {5}, PhotoLayout::Above}), {8.27, 11.69});
    EXPECT_NEAR(heading->yMin / 72, frame.bottom() + kPhotoGap, 0.1);
    EXPECT_GT(heading->yMin, page.height() / 2);

    // A heading that fits on a whole page but not on the half below a photo.
    t.app.Layout.FontSizeMonthYear = QStringLiteral("250");
    const QString none = t.dir.filePath("none.pdf");
    EXPECT_TRUE(PrintPagesToPdf(t.app, none, {false, {5}, PhotoLayout::None}).ok);
    const QString refused = t.dir.filePath("refused.pdf");
    const PrintResult result = PrintPagesToPdf(t.app, refused, {false, {5}, PhotoLayout::Above});
    EXPECT_TRUE(result.noRoom);
    EXPECT_FALSE(QFile::exists(refused));
}

TEST_F(PhotoPages, WarningsNameSoftAndUnreadablePhotosInPageOrder) {
    for (int m = 1; m <= 12; ++m)
        choice(m).path.clear();
    choice(kCoverPhoto).path = choice(3).path = photo("small.png", {320, 240});
    choice(5).path = t.dir.filePath("gone.jpg");
    choice(7).path = photo("big.png", {2400, 1800}); // 354 dpi above a month on A4
    const PaperInches a4{8.27, 11.69};
    // Photos above the months on A4 are 6.77 inches wide: 320 pixels give 47 dpi.
    // The cover's photo is as wide and no taller than 4 by 3.
    EXPECT_EQ(lines(PhotoWarnings(t.app, {false, allMonths(), PhotoLayout::Above}, a4)),
              "Cover: small.png gives 47 dpi on A4; it will look soft\n"
              "March: small.png gives 47 dpi on A4; it will look soft\n"
              "May: The photo gone.jpg does not exist.");
    // Facing a month, the photo fills 9.5 by 7 inches of Letter turned: the big one gives
    // 253 dpi, still sharp, the small one 34; the months are in the page's language; a paper
    // without a name is given by its size.
    t.app.Layout.Language = QStringLiteral("de_DE");
    const std::vector<int> months{3, 7};
    EXPECT_EQ(lines(PhotoWarnings(t.app, {false, months, PhotoLayout::Facing}, {11, 8.5})),
              "Cover: small.png gives 34 dpi on Letter; it will look soft\n"
              "März: small.png gives 34 dpi on Letter; it will look soft");
    EXPECT_EQ(lines({PhotoWarnings(t.app, {false, {3}, PhotoLayout::Facing}, {13, 8.5}).back()}),
              "März: small.png gives 28 dpi on 8,5 × 13 in; it will look soft");
    EXPECT_TRUE(PhotoWarnings(t.app, {false, allMonths(), PhotoLayout::None}, a4).empty());
}
