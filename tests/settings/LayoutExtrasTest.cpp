#include "drawing/SamplePage.h"
#include "platform/widgets/ClickableLabel.h"
#include "settings/Registry.h"
#include "settings/windows/LayoutDialog.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <gtest/gtest.h>

// The layout dialog's extras of the month pages, the shading, and the sample month that
// shows them before anything is printed.

using namespace Registry;

namespace {

struct LayoutExtras : ::testing::Test {
    TestApp t;
    LayoutExtras() {
        t.app.Layout = LoadSettings(t.store).Layout;
        t.app.Document = sampleCalendar();
        t.app.DisplayYear = 2027;
        t.app.SamplePage = &PaintSamplePage;
    }
    QString stored(const char* name) { return QueryText(t.store, kLayoutKey, QLatin1String(name)); }
    static QImage sample(const frmLayout& dialog) { return dialog.picSample->pixmap().toImage(); }
};

} // namespace

TEST_F(LayoutExtras, EachExtraShowsItsStoredChoiceAndSavesTheNewOne) {
    t.app.Layout.NotesBox = QStringLiteral("True");
    frmLayout dialog(t.app);
    const struct {
        QCheckBox* box;
        const char* setting;
        bool stored;
    } cases[] = {
        {dialog.chkSmallMonths, "SmallMonths", true},
        {dialog.chkFitRows, "FitRows", true},
        {dialog.chkMoonPhases, "MoonPhases", false},
        {dialog.chkNotesBox, "NotesBox", true},
        {dialog.chkShadeWeekends, "ShadeWeekends", false},
        {dialog.chkShadeHolidays, "ShadeHolidays", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.box->isChecked(), c.stored) << c.setting;
        c.box->setChecked(!c.stored);
    }
    dialog.cmdOK_Click();
    for (const auto& c : cases)
        EXPECT_EQ(stored(c.setting), c.stored ? "False" : "True") << c.setting;
    EXPECT_EQ(t.app.Layout.SmallMonths, "False");
}

TEST_F(LayoutExtras, TheShadeSwatchTakesTheChosenColourAtOnceAndSavesItShort) {
    frmLayout dialog(t.app);
    t.dialogs.colorNext(std::nullopt); // cancelled: nothing changes
    emit dialog.picShade->clicked();
    EXPECT_EQ(t.app.Layout.ShadeColor, "&HE0E0E0");
    t.dialogs.colorNext(QColor(0xFF, 0xF0, 0x00)); // a pale yellow
    emit dialog.picShade->clicked();
    EXPECT_EQ(t.app.Layout.ShadeColor, "&H00F0FF");
    dialog.cmdOK_Click();
    EXPECT_EQ(stored("ShadeColor"), "&HF0FF");
}

// The sample changes as a choice changes, before anything is saved, and comes back when the
// choice does.
TEST_F(LayoutExtras, TheSampleMonthFollowsTheChoicesAsTheyChange) {
    frmLayout dialog(t.app);
    const QImage first = sample(dialog);
    ASSERT_FALSE(first.isNull());
    EXPECT_LE(first.width(), dialog.picSample->width());
    for (QCheckBox* box : {dialog.chkSmallMonths, dialog.chkFitRows, dialog.chkNotesBox,
                           dialog.chkShadeWeekends, dialog.chkCalTitle}) {
        box->toggle();
        EXPECT_NE(sample(dialog), first) << box->objectName().toStdString();
        box->toggle();
        EXPECT_EQ(sample(dialog), first) << box->objectName().toStdString();
    }
    dialog.optMonYr[2]->setChecked(true); // the heading centred
    EXPECT_NE(sample(dialog), first);
    EXPECT_EQ(t.app.Layout.SmallMonths, "True");
    EXPECT_EQ(t.app.Layout.AlignMonthYear, "Left"); // only Save changes the layout
}

TEST_F(LayoutExtras, WithoutAPainterOrInThePaperOnlyFormThereIsNoSample) {
    t.app.SamplePage = nullptr;
    frmLayout plain(t.app);
    plain.chkNotesBox->toggle();
    EXPECT_TRUE(plain.picSample->pixmap().isNull());
    t.app.SamplePage = &PaintSamplePage;
    frmLayout paper(t.app, LayoutForm::PaperOnly);
    EXPECT_TRUE(paper.picSample->isHidden());
    EXPECT_TRUE(paper.picSample->pixmap().isNull());
}

// Margins that leave the sample page no grid draw it blank rather than fail.
TEST_F(LayoutExtras, ASamplePageWithoutRoomIsBlank) {
    LayoutSettings layout = t.app.Layout;
    const QImage sound = PaintSamplePage(t.app, layout, {400, 310});
    layout.MarginLeft = layout.MarginRight = 6;
    const QImage blank = PaintSamplePage(t.app, layout, {400, 310});
    ASSERT_FALSE(blank.isNull());
    QImage white(blank.size(), blank.format());
    white.fill(Qt::white);
    EXPECT_EQ(blank, white);
    EXPECT_NE(sound, white);
    EXPECT_TRUE(PaintSamplePage(t.app, layout, {0, 0}).isNull());
}

TEST(SampleMonth, IsTheFirstMonthOfFiveRowsWithTwoSpareCellsAtBothEnds) {
    LayoutSettings layout;
    const struct {
        int year;
        const char* firstDay;
        int month;
    } cases[] = {
        {2027, "Sunday", 6}, // Tuesday the 1st, Wednesday the 30th; January takes six rows
        {2027, "Monday", 4}, // Thursday the 1st, Friday the 30th
        {2026, "Sunday", 4}, // Wednesday the 1st, Thursday the 30th
    };
    for (const auto& c : cases) {
        layout.FirstDayOfWeek = QLatin1String(c.firstDay);
        EXPECT_EQ(SampleMonth(layout, c.year), c.month) << c.year << ' ' << c.firstDay;
    }
}
