#include "document/FileCommands.h"
#include "editors/TextExport.h"
#include "editors/windows/ExportWindow.h"
#include "editors/windows/HolidayPackWindow.h"
#include "editors/windows/ResortWindow.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "support/CalendarBuilder.h"
#include "support/FileBytes.h"
#include "support/TestApp.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

void checkOnly(QListWidget* list, std::initializer_list<int> rows) {
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(
            std::find(rows.begin(), rows.end(), row) != rows.end() ? Qt::Checked : Qt::Unchecked);
}

// Runs action, which should open a modal window of type W; check sees it while it is open.
template <class W>
bool whileOpen(const std::function<void()>& action, const std::function<void(W&)>& check) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!window) return;
        opened = true;
        check(*window);
        if (window->isVisible()) window->reject();
    });
    action();
    return opened;
}

class EntryToolWindows : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;

    void SetUp() override { app.Document = sampleCalendar(); }
};

TEST_F(EntryToolWindows, BeginResortsTheCheckedKindsAndFinishesOnAFullBar) {
    frmResort w(app);
    QSignalSpy resorted(&w, &frmResort::entriesResorted);
    EXPECT_TRUE(w.picStatus->isHidden());
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(w.lstChoice->item(row)->checkState(), Qt::Checked);
    app.Document.FixedHolidays.append(fixedHoliday("0101", "New Year"));
    checkOnly(w.lstChoice, {1}); // holidays
    w.cmdBegin->click();
    EXPECT_EQ(app.Document.FixedHolidays[0].Name, "New Year");
    EXPECT_EQ(app.Document.FloatingHolidays[0].Name, "Thanksgiving"); // not checked
    EXPECT_FALSE(w.picStatus->isHidden());
    EXPECT_EQ(w.picStatus->text(), "Resorting Complete");
    EXPECT_DOUBLE_EQ(w.picStatus->fraction(), 1.0);
    EXPECT_EQ(w.cmdCancel->text(), "Close");
    EXPECT_TRUE(app.Document.Modified());
    EXPECT_EQ(resorted.count(), 1);
    EXPECT_EQ(t.views.redraws, 0); // no calendar view open

    // Again with nothing checked: still complete, modified, and an open view redrawn.
    app.Document.ClearModified();
    app.CalendarViewOpen = true;
    checkOnly(w.lstChoice, {});
    w.cmdBegin->click();
    EXPECT_EQ(w.picStatus->text(), "Resorting Complete");
    EXPECT_TRUE(app.Document.Modified());
    EXPECT_EQ(resorted.count(), 2);
    EXPECT_EQ(t.views.redraws, 1);
}

TEST_F(EntryToolWindows, TheStatusBarShowsTheTextInvertedInsideIt) {
    StatusStrip strip;
    strip.resize(200, 24);
    strip.setStatus(0.5, QLatin1StringView("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"));
    const QImage image = strip.render();
    const QRgb bar = strip.palette().color(QPalette::Active, QPalette::Highlight).rgb();
    EXPECT_EQ(image.pixel(2, 1), bar);                       // bar over the white strip
    EXPECT_EQ(image.pixel(199, 1), QColor(Qt::white).rgb()); // beyond the bar
    // Inside the bar the dark text shows as the inverse of the bar's colour.
    bool invertedText = false;
    for (int x = 4; x < 100 && !invertedText; ++x)
        for (int y = 0; y < 24 && !invertedText; ++y)
            invertedText = (image.pixel(x, y) & 0xFFFFFF) == (~bar & 0xFFFFFF);
    EXPECT_TRUE(invertedText);
}

class MainWindowTools : public EntryToolWindows {
  protected:
    std::unique_ptr<frmMain> main;

    void SetUp() override {
        StartUp(app);
        app.Document = sampleCalendar(); // before the main window watches its modified state
        main = std::make_unique<frmMain>(app, true);
        main->Form_Load();
    }
};

TEST_F(MainWindowTools, TheSetupButtonAndTheToolbarOpenTheResortWindow) {
    frmSetup& setup = *main->setup();
    EXPECT_TRUE(setup.cmdResort->isEnabled());
    setup.RefreshEntryList(EntryKind::FloatingHoliday);
    EXPECT_TRUE(whileOpen<frmResort>([&] { setup.cmdResort->click(); },
                                     [](frmResort& w) { w.cmdBegin->click(); }));
    // The list shows the resorted floating holidays.
    EXPECT_EQ(setup.lstEvents->item(0)->text(), "Last Monday of May - Memorial Day");
    EXPECT_TRUE(main->mnuFileSave->isEnabled());
    EXPECT_TRUE(
        whileOpen<frmResort>([&] { main->runTool(ToolId::ResortEntries); }, [](frmResort&) {}));
}

TEST_F(MainWindowTools, FileExportWritesTheCheckedKindsAndClosesEitherWay) {
    t.dialogs.saveNext(t.path("out"));
    for (int run = 0; run < 2; ++run) { // the second time the file dialog is cancelled
        bool closed = false;
        EXPECT_TRUE(whileOpen<frmExport>([&] { main->mnuFileExport->trigger(); },
                                         [&](frmExport& w) {
                                             checkOnly(w.lstChoice, {0, 4});
                                             w.cmdBegin->click();
                                             closed = !w.isVisible();
                                         }));
        EXPECT_TRUE(closed);
    }
    EXPECT_EQ(t.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(readFile(t.path("out.txt")),
              ExportText(app.Document, {EntryKind::Birthday, EntryKind::Other}));
    EXPECT_FALSE(app.Document.Modified()); // the export changes nothing
}

} // namespace

// The list lines of the kind, as the setup window shows them.
QStringList listLines(frmSetup& setup, EntryKind kind) {
    setup.RefreshEntryList(kind);
    QStringList lines;
    for (int row = 0; row < setup.lstEvents->count(); ++row)
        lines << setup.lstEvents->item(row)->text();
    return lines;
}

TEST_F(MainWindowTools, AddHolidaysPutsARegionsPackIntoTheCalendar) {
    EXPECT_TRUE(whileOpen<frmHolidayPacks>(
        [&] { main->mnuFileHolidays->trigger(); },
        [](frmHolidayPacks& w) {
            w.txtSearch->setText(QStringLiteral("bayern"));
            ASSERT_NE(w.regionItem(QStringLiteral("DE-BY")), nullptr);
            EXPECT_TRUE(w.regionItem(QStringLiteral("GB-ENG"))->isHidden());
            EXPECT_FALSE(w.cmdAdd->isEnabled()); // nothing chosen yet
            w.lstPacks->setCurrentItem(w.regionItem(QStringLiteral("DE-BY")));
            EXPECT_TRUE(w.cmdAdd->isEnabled());
            EXPECT_FALSE(w.cmdUpdate->isEnabled());
            EXPECT_FALSE(w.cmdRemove->isEnabled());
            w.cmdAdd->click();
            EXPECT_FALSE(w.cmdAdd->isEnabled()); // twice would add nothing
            EXPECT_TRUE(w.cmdUpdate->isEnabled());
            EXPECT_TRUE(w.cmdRemove->isEnabled());
        }));
    const QStringList floating = listLines(*main->setup(), EntryKind::FloatingHoliday);
    EXPECT_TRUE(floating.filter(QStringLiteral("Fronleichnam")).size() == 1)
        << floating.join(u'\n').toStdString();
    EXPECT_TRUE(main->mnuFileSave->isEnabled());
}

TEST_F(EntryToolWindows, RemovingAPackKeepsTheUsersOwnHolidayOfTheSameNameAndDate) {
    app.Document.FixedHolidays.append(
        fixedHoliday("1003", QStringLiteral("Tag der Deutschen Einheit")));
    const CalendarDocument before = app.Document;
    frmHolidayPacks w(app, LoadHolidayPacks());
    QSignalSpy changed(&w, &frmHolidayPacks::entriesChanged);
    w.lstPacks->setCurrentItem(w.regionItem(QStringLiteral("DE-BY")));
    w.cmdAdd->click();
    EXPECT_GT(app.Document.entryCount(EntryKind::Holiday), before.entryCount(EntryKind::Holiday));
    EXPECT_TRUE(w.regionItem(QStringLiteral("DE-BY"))->font(0).bold());
    w.cmdRemove->click();
    EXPECT_TRUE(app.Document.sameContent(before));
    EXPECT_FALSE(w.regionItem(QStringLiteral("DE-BY"))->font(0).bold());
    EXPECT_EQ(changed.count(), 2);
    // A search that matches nothing hides every country and leaves nothing to add.
    w.txtSearch->setText(QStringLiteral("no such place"));
    EXPECT_TRUE(w.regionItem(QStringLiteral("DE-BY"))->parent()->isHidden());
    EXPECT_FALSE(w.cmdAdd->isEnabled());
}
