#include "drawing/windows/PrintWindow.h"
#include "PdfTools.h"
#include "PrintWindowFixture.h"
#include "drawing/PrintJob.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/FileSizeLimit.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PrintWindowFixture : PrintWindowFixtureBase {
    PrintWindowFixture() : PrintWindowFixtureBase(sampleCalendar()) {}
    // Presses Print with the PDF file name the save dialog will answer.
    void printTo(const QString& path) {
        t.dialogs.saveNext(path);
        QTest::mouseClick(window->cmdBegin, Qt::LeftButton);
    }
};

} // namespace

TEST_F(PrintWindowFixture, StartsWithThePdfPrinterAllMonthsAndTheListDisabled) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Print Calendar"));
    ASSERT_EQ(window->cboPrinters->count(), 1);
    EXPECT_EQ(window->cboPrinters->currentText(), frmPrint::pdfPrinterText());
    EXPECT_EQ(window->lstMonths->count(), 12);
    EXPECT_EQ(window->lstMonths->item(11)->text(), QStringLiteral("December"));
    EXPECT_EQ(window->lstMonths->currentRow(), 0); // January has the focus, unselected
    EXPECT_TRUE(window->lstMonths->selectedItems().isEmpty());
    EXPECT_TRUE(window->optAll->isChecked());
    EXPECT_FALSE(window->lstMonths->isEnabled());
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("cmdLayout"))->text(),
              QStringLiteral("Layout..."));
}

TEST_F(PrintWindowFixture, SelectEnablesTheMonthListAndAllDisablesItKeepingTheSelection) {
    selectMonths({3, 11});
    EXPECT_TRUE(window->lstMonths->isEnabled());
    QTest::mouseClick(window->optAll, Qt::LeftButton);
    EXPECT_FALSE(window->lstMonths->isEnabled());
    EXPECT_EQ(window->lstMonths->selectedItems().size(), 2);
}

TEST_F(PrintWindowFixture, AllMonthsPrintTwelvePagesToTheChosenPdfAndCloseTheWindow) {
    SKIP_WITHOUT_POPPLER();
    const QString path = t.path(QStringLiteral("year.pdf"));
    printTo(path);
    ASSERT_EQ(t.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(t.dialogs.saveRequests[0].title, QStringLiteral("Save as PDF"));
    EXPECT_TRUE(t.dialogs.saveRequests[0].confirmOverwrite);
    EXPECT_EQ(pdfPages(path), 12);
    EXPECT_TRUE(pdfText(path, 1).startsWith(QStringLiteral("January 2027")));
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(PrintWindowFixture, SelectedMonthsPrintOnePageEachInCalendarOrder) {
    SKIP_WITHOUT_POPPLER();
    selectMonths({11, 3});
    const QString path = t.path(QStringLiteral("two"));
    printTo(path);
    const QString pdf = path + QStringLiteral(".pdf"); // the suffix is added
    EXPECT_EQ(pdfPages(pdf), 2);
    EXPECT_TRUE(pdfText(pdf, 1).startsWith(QStringLiteral("March 2027")));
    EXPECT_TRUE(pdfText(pdf, 2).startsWith(QStringLiteral("November 2027")));
}

TEST_F(PrintWindowFixture, SelectPrintsOnlyTheMonthsClicked) {
    SKIP_WITHOUT_POPPLER();
    QTest::mouseClick(window->optSelect, Qt::LeftButton);
    for (int month : {3, 11}) {
        const QRect line = window->lstMonths->visualItemRect(window->lstMonths->item(month - 1));
        QTest::mouseClick(window->lstMonths->viewport(), Qt::LeftButton, {}, line.center());
    }
    const QString path = t.path(QStringLiteral("picked.pdf"));
    printTo(path);
    EXPECT_EQ(pdfPages(path), 2);
    EXPECT_TRUE(pdfText(path, 1).startsWith(QStringLiteral("March 2027")));
}

TEST_F(PrintWindowFixture, AFailingPrinterIsReportedOnceAndTheWindowStaysOpen) {
    QSignalSpy printed(window.get(), &frmPrint::printed);
    const QString path = t.path(QStringLiteral("no/such/folder/year.pdf"));
    printTo(path);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    const MessageRequest& m = t.dialogs.messages[0];
    EXPECT_EQ(m.text, QStringLiteral("There has been an error with your printer.\n"
                                     "Make sure it is turned on and operational before retrying."));
    EXPECT_TRUE(m.title.contains(path)) << m.title.toStdString();
    EXPECT_EQ(m.icon, MessageIcon::Critical);
    EXPECT_TRUE(window->isVisible());

    // Another try with a good file works.
    const QString good = t.path(QStringLiteral("good.pdf"));
    printTo(good);
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(QFile::exists(good));
    EXPECT_FALSE(window->isVisible());
    // Only the print that worked reports, naming the pages and the file.
    ASSERT_EQ(printed.count(), 1);
    EXPECT_EQ(printed[0][0].toString(), QStringLiteral("12 pages written to good.pdf"));
}

TEST_F(PrintWindowFixture, CancellingTheFileNamePrintsNothingAndKeepsTheWindow) {
    t.dialogs.saveNext(std::nullopt);
    QTest::mouseClick(window->cmdBegin, Qt::LeftButton);
    EXPECT_EQ(t.dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PrintWindowFixture, NoMonthSelectedPrintsNothingAndAsksForNoFile) {
    selectMonths({});
    QTest::mouseClick(window->cmdBegin, Qt::LeftButton);
    EXPECT_TRUE(t.dialogs.saveRequests.empty());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PrintWindowFixture, LayoutAsksTheOwnerForTheLayoutDialog) {
    QSignalSpy spy(window.get(), &frmPrint::layoutRequested);
    QTest::mouseClick(window->cmdLayout, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PrintWindowFixture, APdfThatCannotBeWrittenWholeIsReportedAndThePreviousFileKept) {
    const QString path = t.path(QStringLiteral("year.pdf"));
    const QByteArray previous("%PDF-1.4 the previous print");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(previous);
    }
    {
        const FileSizeLimit limit(16 * 1024);
        printTo(path);
    }
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.startsWith(
        QStringLiteral("There has been an error with your printer.")));
    EXPECT_TRUE(t.dialogs.messages[0].title.contains(QStringLiteral("File too large")))
        << t.dialogs.messages[0].title.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), previous);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PrintWindowFixture, ALayoutWithoutRoomForTheGridIsRefusedWithItsOwnMessage) {
    t.app.Layout.PaperSize = QStringLiteral("Custom");
    t.app.Layout.PaperSizeWidth = 2;
    t.app.Layout.PaperSizeHeight = 2;
    t.app.Layout.MarginTop = t.app.Layout.MarginBottom = 0.9f;
    const QString path = t.path(QStringLiteral("tiny.pdf"));
    printTo(path);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, NoRoomForGridText());
    EXPECT_EQ(t.dialogs.messages[0].title, QStringLiteral("Daylark"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(window->isVisible());
}

// Escape and Close leave without printing. The PDF's file dialog starts in the calendar's
// folder and proposes a name of its title and the year printed.
TEST_F(PrintWindowFixture, EscapeAndCloseLeaveAndThePdfDialogProposesTitleAndYear) {
    t.app.Document.CalendarTitle = QStringLiteral("The Larks");
    t.app.Document.FileName = t.path(QStringLiteral("family.qvf"));
    t.dialogs.saveNext(std::nullopt);
    QTest::mouseClick(window->cmdBegin, Qt::LeftButton);
    ASSERT_EQ(t.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(t.dialogs.saveRequests[0].proposedName, QStringLiteral("The Larks-2027.pdf"));
    EXPECT_EQ(t.dialogs.saveRequests[0].folder, t.dir.path());

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    window->show();
    QTest::mouseClick(window->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

// The window shows the year it prints, and a year typed there is printed and becomes the
// display year; a year outside the range is never taken.
TEST_F(PrintWindowFixture, ShowsTheYearItPrintsAndAnotherYearTypedThereIsPrinted) {
    SKIP_WITHOUT_POPPLER();
    EXPECT_EQ(window->spnYear->value(), 2027);
    QSignalSpy requested(window.get(), &frmPrint::displayYearRequested);
    struct Case {
        const char* typed;
        int year;
    };
    for (const Case& c : {Case{"2031", 2031},
                          {"1979", 2031},
                          {"2100", 2031},
                          {"1980", 1980},
                          {"2099", 2099},
                          {"2028", 2028}}) {
        window->spnYear->setFocus();
        window->spnYear->selectAll();
        QTest::keyClicks(window->spnYear, QLatin1String(c.typed));
        window->cboPrinters->setFocus(); // leaving the box takes or refuses what was typed
        EXPECT_EQ(window->spnYear->value(), c.year) << c.typed;
        EXPECT_EQ(t.app.DisplayYear, c.year) << c.typed;
    }
    ASSERT_FALSE(requested.isEmpty());
    EXPECT_EQ(requested.last()[0].toInt(), 2028);

    const QString path = t.path(QStringLiteral("year.pdf"));
    printTo(path);
    EXPECT_TRUE(pdfText(path, 1).startsWith(QStringLiteral("January 2028")));

    // Opened again, the window shows the display year as it now is.
    t.app.DisplayYear = 2030;
    window->Form_Load();
    EXPECT_EQ(window->spnYear->value(), 2030);
    EXPECT_EQ(t.app.DisplayYear, 2030);
}
