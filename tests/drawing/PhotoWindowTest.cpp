#include "drawing/windows/PhotoWindow.h"
#include "PdfTools.h"
#include "PrintWindowFixture.h"
#include "document/PhotoFolder.h"
#include "drawing/windows/PhotoPicture.h"
#include "drawing/windows/PhotoStrip.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QImage>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QTimer>

// The photos window on A4 paper, and the print window's part in photo calendars.

namespace {

struct PhotoWindowFixture : ::testing::Test {
    TestApp t;
    std::unique_ptr<frmPhotos> window;

    PhotoWindowFixture() {
        t.app.Layout = LoadSettings(t.store).Layout;
        t.app.DisplayYear = 2027;
        t.app.Document.Photos.layout = PhotoLayout::Above;
    }
    // A photo of the given size in pixels in the test's folder.
    QString photo(const QString& name, QSize size = {400, 300}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = t.path(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    void open() {
        window = std::make_unique<frmPhotos>(t.app, QPageSize(QPageSize::A4));
        window->show();
    }
    void chooseFor(int slot, const QString& path) {
        window->lstSlots->setCurrentRow(slot);
        t.dialogs.openNext(path);
        QTest::mouseClick(window->cmdChoose, Qt::LeftButton);
    }
};

} // namespace

TEST_F(PhotoWindowFixture, AChosenPhotoBecomesTheCalendarsOnOkAndMarksItModified) {
    const QString march = photo(QStringLiteral("march.png"));
    open();
    chooseFor(3, march);
    ASSERT_EQ(t.dialogs.openRequests.size(), 1u);
    EXPECT_TRUE(t.dialogs.openRequests[0].filter.contains(QLatin1String("*.jpg")));
    EXPECT_TRUE(window->lstSlots->item(3)->text().contains(QLatin1String("march.png")));
    EXPECT_FALSE(t.app.Document.Modified()); // not before OK
    QTest::mouseClick(window->cmdOK, Qt::LeftButton);
    EXPECT_EQ(t.app.Document.Photos.photos[3], (PhotoChoice{march, 500, 500}));
    EXPECT_EQ(t.app.Document.Photos.layout, PhotoLayout::Above);
    EXPECT_TRUE(t.app.Document.Modified());
}

TEST_F(PhotoWindowFixture, CancelForgetsTheChangesAndOkWithoutChangesLeavesTheCalendarUnmodified) {
    open();
    chooseFor(1, photo(QStringLiteral("jan.png")));
    QTest::mouseClick(window->optFacing, Qt::LeftButton);
    QTest::mouseClick(window->cmdCancel, Qt::LeftButton);
    EXPECT_TRUE(t.app.Document.Photos.noPhotos());
    EXPECT_EQ(t.app.Document.Photos.layout, PhotoLayout::Above);
    open();
    QTest::mouseClick(window->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(t.app.Document.Modified());
}

TEST_F(PhotoWindowFixture, AFileThatIsNoPhotoIsRefusedAndTheSlotKeepsItsPhoto) {
    const QString kept = photo(QStringLiteral("kept.png"));
    t.app.Document.Photos.photos[2] = {kept, 300, 700};
    QFile text(t.path(QStringLiteral("list.jpg")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("shopping list\n");
    text.close();
    open();
    chooseFor(2, text.fileName());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.contains(QLatin1String("list.jpg")));
    EXPECT_EQ(window->choices().photos[2], (PhotoChoice{kept, 300, 700}));
}

TEST_F(PhotoWindowFixture, FillFromFolderAsksBeforeReplacingAndTakesTheCoverAndNameOrder) {
    QDir().mkpath(t.path(QStringLiteral("trip")));
    photo(QStringLiteral("trip/b10.png"));
    photo(QStringLiteral("trip/b9.png"));
    photo(QStringLiteral("trip/cover.png"));
    t.app.Document.Photos.photos[6] = {photo(QStringLiteral("june.png")), 100, 100};
    open();
    // No: nothing changes.
    t.dialogs.folderNext(t.path(QStringLiteral("trip")));
    t.dialogs.answerNext(Answer::No);
    QTest::mouseClick(window->cmdFill, Qt::LeftButton);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window->choices(), t.app.Document.Photos);
    // Yes: the folder's photos in place of all.
    t.dialogs.folderNext(t.path(QStringLiteral("trip")));
    t.dialogs.answerNext(Answer::Yes);
    QTest::mouseClick(window->cmdFill, Qt::LeftButton);
    const auto& photos = window->choices().photos;
    EXPECT_TRUE(photos[0].path.endsWith(QLatin1String("trip/cover.png")));
    EXPECT_TRUE(photos[1].path.endsWith(QLatin1String("trip/b9.png")));
    EXPECT_TRUE(photos[2].path.endsWith(QLatin1String("trip/b10.png")));
    EXPECT_TRUE(photos[6].empty());
    // A folder without photos takes nothing away.
    QDir().mkpath(t.path(QStringLiteral("empty")));
    t.dialogs.folderNext(t.path(QStringLiteral("empty")));
    QTest::mouseClick(window->cmdFill, Qt::LeftButton);
    EXPECT_FALSE(window->choices().photos[1].empty());
    EXPECT_EQ(t.dialogs.messages.back().icon, MessageIcon::Information);
}

TEST_F(PhotoWindowFixture, TheWarningsFollowTheChoicesBeforeTheyAreKept) {
    open();
    EXPECT_FALSE(window->lstWarnings->isVisible());
    chooseFor(7, photo(QStringLiteral("stamp.png"), {32, 24}));
    ASSERT_TRUE(window->lstWarnings->isVisible());
    EXPECT_FALSE(
        window->lstWarnings->findItems(QStringLiteral("stamp.png"), Qt::MatchContains).empty());
    QTest::mouseClick(window->optNoPhotos, Qt::LeftButton); // no photos print: nothing to warn
    EXPECT_FALSE(window->lstWarnings->isVisible());
}

TEST_F(PhotoWindowFixture, DroppingASlotOnAnotherSwapsTheirPhotosWithTheirFocus) {
    const PhotoChoice cover{photo(QStringLiteral("c.png")), 100, 200};
    const PhotoChoice may{photo(QStringLiteral("m.png")), 700, 800};
    t.app.Document.Photos.photos[0] = cover;
    t.app.Document.Photos.photos[5] = may;
    open();
    emit window->lstSlots->photoDropped(5, 0);
    EXPECT_EQ(window->choices().photos[0], may);
    EXPECT_EQ(window->choices().photos[5], cover);
    EXPECT_TRUE(window->lstSlots->item(0)->text().contains(QLatin1String("m.png")));
    EXPECT_EQ(window->currentSlot(), 0);        // the dropped photo is the one shown
    emit window->lstSlots->photoDropped(0, 12); // onto an empty month: the cover is empty now
    EXPECT_TRUE(window->choices().photos[0].empty());
    EXPECT_EQ(window->choices().photos[12], may);
}

TEST_F(PhotoWindowFixture, AClickInThePictureMovesTheFocusThere) {
    // An upright photo in the wide frame above a month: only a band of it prints, and the
    // click chooses which.
    t.app.Document.Photos.photos[4] = {photo(QStringLiteral("tall.png"), {300, 600}), 500, 500};
    open();
    window->lstSlots->setCurrentRow(4);
    ASSERT_TRUE(window->waitForPictures(5000));
    const QRect shown = window->picPhoto->photoRect();
    ASSERT_FALSE(shown.isEmpty());
    QTest::mouseClick(window->picPhoto, Qt::LeftButton, {},
                      shown.topLeft() + QPoint(shown.width() / 4, shown.height() * 3 / 4));
    const PhotoChoice& april = window->choices().photos[4];
    EXPECT_NEAR(april.focusX, 250, 10);
    EXPECT_NEAR(april.focusY, 750, 10);
    // Past the photo's edge the focus stops at the edge.
    QTest::mouseClick(window->picPhoto, Qt::LeftButton, {}, shown.topLeft() - QPoint(4, 4));
    EXPECT_EQ(window->choices().photos[4].focusX, 0);
    EXPECT_EQ(window->choices().photos[4].focusY, 0);
}

namespace {

struct PrintWindowPhotos : PrintWindowFixtureBase {
    PrintWindowPhotos() : PrintWindowFixtureBase(sampleCalendar()) {}
};

} // namespace

TEST_F(PrintWindowPhotos, APhotoLayoutTurnsThePagesAndListsASoftPhotoBeforePrinting) {
    QImage tiny(40, 30, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    ASSERT_TRUE(tiny.save(t.path(QStringLiteral("tiny.png"))));
    t.app.Document.Photos.photos[1] = {t.path(QStringLiteral("tiny.png")), 500, 500};
    window->refreshFitList();
    EXPECT_FALSE(window->lstFit->isVisible()); // no photo layout: no photo warnings
    EXPECT_FALSE(window->lblPhotos->isVisible());

    // The photos window, opened from the print window, chooses "Photo above the month".
    QTimer::singleShot(0, [&] {
        auto* photos = window->findChild<frmPhotos*>();
        ASSERT_NE(photos, nullptr);
        QTest::mouseClick(photos->optAbove, Qt::LeftButton);
        QTest::mouseClick(photos->cmdOK, Qt::LeftButton);
    });
    QTest::mouseClick(window->cmdPhotos, Qt::LeftButton);
    EXPECT_EQ(t.app.Document.Photos.layout, PhotoLayout::Above);
    EXPECT_TRUE(window->lblPhotos->isVisible());
    window->refreshFitList();
    ASSERT_TRUE(window->lstFit->isVisible());
    EXPECT_FALSE(window->lstFit->findItems(QStringLiteral("tiny.png"), Qt::MatchContains).empty());

    // The preview draws portrait pages for photos above the months.
    QPageLayout::Orientation shown = QPageLayout::Landscape;
    QTimer::singleShot(0, [&] {
        auto* preview = window->findChild<QDialog*>(QStringLiteral("frmPreview"));
        ASSERT_NE(preview, nullptr);
        shown = preview->findChild<QPrintPreviewWidget*>()->orientation();
        preview->reject();
    });
    QTest::mouseClick(window->cmdPreview, Qt::LeftButton);
    EXPECT_EQ(shown, QPageLayout::Portrait);

    // And so does the PDF file.
    SKIP_WITHOUT_POPPLER();
    const QString pdf = t.path(QStringLiteral("photos.pdf"));
    t.dialogs.saveNext(pdf);
    QTest::mouseClick(window->cmdBegin, Qt::LeftButton);
    const QSizeF page = pdfPageSize(pdf);
    EXPECT_GT(page.height(), page.width());
}
