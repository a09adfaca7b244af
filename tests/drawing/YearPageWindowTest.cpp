#include "PdfTools.h"
#include "PrintWindowFixture.h"
#include "drawing/windows/PrintPreview.h"
#include "support/CalendarBuilder.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

// The year page in the print window and its preview.

namespace {

// A click on a button's box at its left, where a wide check box has its mark.
void clickBox(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

struct YearPageWindow : PrintWindowFixtureBase {
    YearPageWindow() : PrintWindowFixtureBase(sampleCalendar()) {}
    void chooseYearPage(bool instead) {
        clickBox(window->chkYearPage);
        clickBox(instead ? window->optYearInstead : window->optYearBefore);
        window->refreshFitList();
    }
};

} // namespace

TEST_F(YearPageWindow, OffAtFirstAndInsteadOfTheMonthsSetsTheMonthsAside) {
    EXPECT_FALSE(window->chkYearPage->isChecked());
    EXPECT_FALSE(window->optYearBefore->isEnabled());
    selectMonths({3});
    chooseYearPage(true);
    EXPECT_FALSE(window->optAll->isEnabled());
    EXPECT_FALSE(window->optSelect->isEnabled());
    EXPECT_FALSE(window->lstMonths->isEnabled());
    clickBox(window->optYearBefore);
    EXPECT_TRUE(window->optSelect->isEnabled());
    EXPECT_TRUE(window->lstMonths->isEnabled()); // "Select:" as it was, March still chosen
    EXPECT_EQ(window->lstMonths->selectedItems().size(), 1);
    clickBox(window->chkYearPage);
    EXPECT_FALSE(window->optYearInstead->isEnabled());
}

// What Print writes: the year page first, then the chosen months; the year page alone
// even when no month is chosen.
TEST_F(YearPageWindow, PrintsTheYearPageBeforeOrInsteadOfTheMonths) {
    SKIP_WITHOUT_POPPLER();
    struct Case {
        bool instead;
        std::initializer_list<int> months;
        int pages;
        const char* lastPage;
    };
    const Case cases[] = {
        {false, {11, 3}, 3, "November 2027"},
        {true, {11, 3}, 1, "2027\n"},
        {true, {}, 1, "2027\n"},
        {false, {}, 1, "2027\n"},
    };
    int run = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(run);
        window->Form_Load();
        window->chkYearPage->setChecked(false);
        selectMonths(c.months);
        chooseYearPage(c.instead);
        EXPECT_TRUE(window->cmdPreview->isEnabled());
        const QString path = t.path(QStringLiteral("year%1.pdf").arg(run++));
        t.dialogs.saveNext(path);
        QTest::mouseClick(window->cmdBegin, Qt::LeftButton);
        ASSERT_EQ(pdfPages(path), c.pages);
        const QString first = pdfText(path, 1);
        EXPECT_TRUE(first.startsWith(QStringLiteral("2027\nThe Smiths"))) << first.toStdString();
        for (int m = 1; m <= 12; ++m)
            EXPECT_TRUE(first.contains(QLocale(QLocale::English).standaloneMonthName(m)));
        EXPECT_TRUE(pdfText(path, c.pages).startsWith(QLatin1String(c.lastPage)));
        window->show();
    }
}

TEST_F(YearPageWindow, ThePreviewShowsTheYearPageAndPrintsIt) {
    SKIP_WITHOUT_POPPLER();
    selectMonths({3});
    chooseYearPage(false);
    const QString path = t.path(QStringLiteral("preview.pdf"));
    t.dialogs.saveNext(path);
    int shownPages = 0;
    QTimer::singleShot(0, [&] {
        frmPreview* preview = window->findChild<frmPreview*>();
        ASSERT_NE(preview, nullptr);
        shownPages = preview->pageCount();
        QTest::mouseClick(preview->cmdPrint, Qt::LeftButton);
    });
    QTest::mouseClick(window->cmdPreview, Qt::LeftButton);
    EXPECT_EQ(shownPages, 2);
    EXPECT_EQ(pdfPages(path), 2);
    EXPECT_TRUE(pdfText(path, 1).startsWith(QStringLiteral("2027\n")));
}
