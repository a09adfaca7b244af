#include "drawing/windows/PrintPreview.h"
#include "PdfTools.h"
#include "PrintWindowFixture.h"
#include "drawing/PrintCheck.h"
#include "drawing/windows/PrintWindow.h"
#include "drawing/windows/PrinterJob.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// The print window's look ahead: the days that will not show every entry, listed before
// printing, and the preview whose Print prints what it showed.

namespace {

const QString kTooWide = QStringLiteral("Supercalifragilisticexpialidocious-Wedding");

// Eight events on 4 July 2027, one with a word wider than a column on the 5th, one quiet day
// in March.
CalendarDocument busyJuly() {
    CalendarDocument doc;
    doc.CalendarTitle = QStringLiteral("Busy");
    for (const char* name :
         {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel"})
        doc.OtherEvents.append(other("07042027", QLatin1String(name)));
    doc.Anniversaries.append(anniversary("07051990", kTooWide, "3"));
    doc.FixedHolidays.append(fixedHoliday("0307", QStringLiteral("Quiet")));
    return doc;
}

struct LookAhead : PrintWindowFixtureBase {
    LookAhead() : PrintWindowFixtureBase(busyJuly()) {}
    QStringList listed() const {
        QStringList lines;
        for (int row = 0; row < window->lstFit->count(); ++row)
            lines << window->lstFit->item(row)->text();
        return lines;
    }
};

} // namespace

TEST_F(LookAhead, TheListNamesTheDaysOfTheChosenMonthsThatDoNotShowEveryEntry) {
    selectMonths({3, 7});
    QTest::qWait(0); // the list is made once the window is idle
    const QStringList lines = listed();
    // The word too wide is broken inside its column: the 5th shows its entry.
    ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("July 4, 2027: ")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" of 8 entries do not fit")));
    EXPECT_FALSE(window->lstFit->isHidden());
    EXPECT_TRUE(t.dialogs.messages.empty()); // listed, not announced
    // The list takes its room below the months, which all stay in sight.
    QTest::qWait(0);
    const QListWidget* months = window->lstMonths;
    EXPECT_TRUE(months->viewport()->rect().contains(months->visualItemRect(months->item(11))));

    selectMonths({3});
    QTest::qWait(0);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(window->lstFit->isHidden());
    EXPECT_FALSE(window->lblFit->text().isEmpty());

    // A smaller font chosen through "Layout..." makes room: the list follows at once.
    selectMonths({7});
    QTest::qWait(0);
    const QString before = listed().value(0);
    t.app.Layout.FontSizeDates = QStringLiteral("6");
    QTest::mouseClick(window->cmdLayout, Qt::LeftButton);
    QTest::qWait(0);
    EXPECT_NE(listed().value(0), before);
}

TEST_F(LookAhead, TheListIsWhatPrintingFindsOnTheSamePrinter) {
    t.app.Document.OtherEvents.append(other("02012027", QStringLiteral("A rather long name that "
                                                                       "wraps over lines")));
    for (int i = 0; i < 6; ++i)
        t.app.Document.Birthdays.append(birthday("02011990", QStringLiteral("Twin"), "1"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(t.path(QStringLiteral("year.pdf")));
    PreparePrinter(printer, t.app.Layout);
    const std::vector<int> year = MonthsToPrint(true, {});
    const QStringList checked = FitProblemLines(CheckMonthsFit(t.app, printer, year));
    const PrintResult printed = PrintMonths(t.app, printer, year);
    ASSERT_TRUE(printed.ok);
    EXPECT_EQ(FitProblemLines(printed.problems), checked);
    EXPECT_EQ(checked.size(), 2); // 1 February and 4 July

    // Below photos the grids are half as high: a day of four birthdays is full there too, and
    // the list still names what the printing finds.
    for (int i = 0; i < 4; ++i)
        t.app.Document.Birthdays.append(birthday("03101990", QStringLiteral("Quad"), "1"));
    const PrintPlan photos{false, year, PhotoLayout::Above};
    PreparePrinter(printer, t.app.Layout, photos);
    const QStringList below =
        FitProblemLines(CheckMonthsFit(t.app, printer, year, PhotoLayout::Above));
    const PrintResult printedBelow = PrintPages(t.app, printer, photos);
    ASSERT_TRUE(printedBelow.ok);
    EXPECT_EQ(FitProblemLines(printedBelow.problems), below);
    EXPECT_EQ(below.size(), checked.size() + 1);
}

TEST_F(LookAhead, ThePreviewShowsThePagesThatItsPrintPrints) {
    SKIP_WITHOUT_POPPLER();
    selectMonths({11, 3});
    const QString path = t.path(QStringLiteral("two.pdf"));
    t.dialogs.saveNext(path);
    int shownPages = 0;
    QTimer::singleShot(0, [&] {
        frmPreview* preview = window->findChild<frmPreview*>();
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Print Preview"));
        shownPages = preview->pageCount();
        QTest::mouseClick(preview->cmdPrint, Qt::LeftButton);
    });
    QTest::mouseClick(window->cmdPreview, Qt::LeftButton);
    EXPECT_EQ(shownPages, 2);
    EXPECT_EQ(pdfPages(path), shownPages);
    EXPECT_TRUE(pdfText(path, 1).startsWith(QStringLiteral("March 2027")));
    EXPECT_FALSE(window->isVisible()); // printed, as Print does

    // Closing the preview prints nothing and keeps the print window.
    window->show();
    QTimer::singleShot(0, [&] {
        frmPreview* preview = window->findChild<frmPreview*>();
        ASSERT_NE(preview, nullptr);
        QTest::mouseClick(preview->cmdClose, Qt::LeftButton);
    });
    QTest::mouseClick(window->cmdPreview, Qt::LeftButton);
    EXPECT_EQ(t.dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(window->isVisible());
}

// Another year has other days: the list and the preview follow the year chosen, and the
// preview's year is the print window's.
TEST_F(LookAhead, TheListAndThePreviewFollowTheYearAndThePreviewCanChangeIt) {
    SKIP_WITHOUT_POPPLER();
    selectMonths({7});
    QTest::qWait(0);
    ASSERT_EQ(listed().size(), 1); // the busy 4 July 2027
    window->spnYear->setValue(2028);
    QTest::qWait(0);
    EXPECT_TRUE(listed().isEmpty()); // the one-off events are of 2027

    const QString path = t.path(QStringLiteral("july.pdf"));
    t.dialogs.saveNext(path);
    int year = 0;
    QTimer::singleShot(0, [&] {
        frmPreview* preview = window->findChild<frmPreview*>();
        ASSERT_NE(preview, nullptr);
        year = preview->spnYear->value();
        preview->spnYear->setValue(2027);
        EXPECT_EQ(window->spnYear->value(), 2027);
        QTest::mouseClick(preview->cmdPrint, Qt::LeftButton);
    });
    QTest::mouseClick(window->cmdPreview, Qt::LeftButton);
    EXPECT_EQ(year, 2028);
    EXPECT_EQ(t.app.DisplayYear, 2027);
    EXPECT_TRUE(pdfText(path, 1).startsWith(QStringLiteral("July 2027")));
    EXPECT_TRUE(pdfText(path, 1).contains(QStringLiteral("Alpha")));
}

// With "not shown", a common year leaves out the birthdays and anniversaries of 29 February:
// the list names each of them when February is printed, and says where the layout places
// them. A leap year, or a layout that places them, lists nothing.
TEST_F(LookAhead, TheListNamesThe29FebruaryEntriesThatACommonYearLeavesOut) {
    t.app.Document.Birthdays.append(birthday("02291992", QStringLiteral("Leap Lad"), "1"));
    t.app.Document.Anniversaries.append(anniversary("02292000", QStringLiteral("Vows"), "2"));
    t.app.Document.Birthdays.append(birthday("02281990", QStringLiteral("Eve"), "1"));
    const QStringList hidden = {
        "February 2027: the birthday of \"Leap Lad\" (29 February 1992) is not shown: 2027 has "
        "no 29 February",
        "February 2027: the anniversary of \"Vows\" (29 February 2000) is not shown: 2027 has no "
        "29 February"};
    struct Case {
        const char* rule;
        std::initializer_list<int> months;
        int year;
        bool listed;
    };
    for (const Case& c : {Case{"Hidden", {2}, 2027, true},
                          {"Hidden", {1, 2, 3}, 2027, true},
                          {"Hidden", {3}, 2027, false},
                          {"Hidden", {2}, 2028, false},
                          {"Feb28", {2}, 2027, false},
                          {"Mar1", {2, 3}, 2027, false}}) {
        t.app.Layout.LeapDayEntries = QLatin1String(c.rule);
        window->spnYear->setValue(c.year);
        QTest::mouseClick(window->cmdLayout, Qt::LeftButton); // the layout may have changed
        selectMonths(c.months);
        QTest::qWait(0);
        const QStringList lines = listed();
        SCOPED_TRACE(std::string(c.rule) + " " + std::to_string(c.year));
        if (!c.listed) {
            EXPECT_TRUE(lines.filter(QStringLiteral("29 February")).isEmpty());
            continue;
        }
        ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString();
        EXPECT_EQ(lines.mid(0, 2), hidden);
        EXPECT_TRUE(lines[2].contains(QStringLiteral("28 February or on 1 March")));
        EXPECT_TRUE(lines[2].contains(
            QStringLiteral("29 February birthdays and anniversaries in other years")));
        EXPECT_FALSE(window->lstFit->isHidden());
    }
}
