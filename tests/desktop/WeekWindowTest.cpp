#include "desktop/windows/WeekWindow.h"
#include "document/CalendarFormat.h"
#include "drawing/WeekList.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct WeekWindow : ::testing::Test {
    TestApp t;
    AppState& app = t.app;
    QPointer<frmDispWeek> w = new frmDispWeek(app);
    std::unique_ptr<QSignalSpy> held = std::make_unique<QSignalSpy>(w, &frmDispWeek::documentHeld);

    WeekWindow() {
        const Settings settings = LoadSettings(t.store);
        app.Layout = settings.Layout;
        app.Tray = settings.Tray;
        t.clock.set(QDateTime(QDate(2027, 3, 4), QTime(8, 0))); // a Thursday
    }
    ~WeekWindow() override { delete w; }

    QString calendarFile(const QByteArray& text) {
        const QString path = t.path(QStringLiteral("desktop.qvf"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
};

TEST_F(WeekWindow, ShowsTheChosenFileWithItsHeightFollowingTheWeeks) {
    app.Tray.FileName = calendarFile(formatCalendar(sampleCalendar()));
    app.Tray.ListMonths = "12";
    struct Case {
        const char* numWeeks;
        int weeks;
    };
    for (const Case c : {Case{"1", 1}, Case{"3", 3}, Case{"4", 4}, Case{"9", 4}, Case{"x", 1}}) {
        SCOPED_TRACE(c.numWeeks);
        app.Tray.NumWeeks = c.numWeeks;
        w->FillWeekWindow();
        EXPECT_EQ(w->weeksShown(), c.weeks);
        EXPECT_EQ(w->size(), WeekViewDesign::clientSize(c.weeks));
        EXPECT_EQ(w->picEvents->y(), w->shaDate.box(7 * c.weeks - 1).bottom() + 1 + 6);
    }

    app.Tray.NumWeeks = "2";
    app.DisplayYear = 1999;
    ASSERT_TRUE(w->Form_Load());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(app.DesktopWeekShown);
    ASSERT_EQ(held->count(), 1);
    EXPECT_TRUE(held->at(0).at(0).toBool());
    EXPECT_EQ(app.Document.FileName, app.Tray.FileName);
    EXPECT_EQ(w->windowTitle(), "Daylark - The Smiths 2027");
    EXPECT_EQ(w->lblWeek->text(), "Weeks Starting February 28, 2027 ");
    EXPECT_EQ(app.DisplayYear, 2027);
    QStringList shown;
    for (int i = 0; i < w->lstEvents->count(); ++i)
        shown << w->lstEvents->item(i)->text();
    EXPECT_EQ(shown, UpcomingEventLines(app.Document, QDate(2027, 3, 4), 12));
    EXPECT_EQ(shown.first(), "2027/03/07 (Birthday) - Ann Smith");
    EXPECT_FALSE(app.Document.Modified());
}

TEST_F(WeekWindow, ClosingGivesTheCalendarBackEmpty) {
    app.Tray.FileName = calendarFile(formatCalendar(sampleCalendar()));
    ASSERT_TRUE(w->Form_Load());
    w->close();
    EXPECT_FALSE(app.DesktopWeekShown);
    ASSERT_EQ(held->count(), 2);
    EXPECT_EQ(held->at(1).at(0).toBool(), false);
    EXPECT_TRUE(app.Document.sameContent(CalendarDocument{}));
    EXPECT_TRUE(app.Document.FileName.isEmpty());
    EXPECT_FALSE(app.Document.Modified());
}

TEST_F(WeekWindow, WithoutAFileItAsksWhetherToOpenTheSettings) {
    QSignalSpy settings(w, &frmDispWeek::settingsRequested);
    for (const Answer answer : {Answer::Cancel, Answer::Ok}) {
        t.dialogs.answerNext(answer);
        EXPECT_FALSE(w->Form_Load());
        EXPECT_FALSE(w->isVisible());
        EXPECT_FALSE(app.DesktopWeekShown);
    }
    EXPECT_EQ(settings.count(), 1);
    EXPECT_EQ(held->count(), 0);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    const MessageRequest& m = t.dialogs.messages[0];
    EXPECT_EQ(m.text, "No Vemora File has been selected.\n\n"
                      "Click \"OK\" to view the Desktop Calendar options.");
    EXPECT_EQ(m.title, "Daylark");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.buttons, MessageButtons::OkCancel);
}

TEST_F(WeekWindow, AFileThatCannotBeReadLeavesNothingOfItBehind) {
    // A calendar begun after a failed load must never take the desktop file's name, or its
    // first save would overwrite that file.
    const QString missing = t.path(QStringLiteral("gone.qvf"));
    const QString otherVersion = calendarFile("Version 9.9\r\nTitle\r\n");
    for (const QString& path : {missing, otherVersion}) {
        SCOPED_TRACE(path.toStdString());
        app.Tray.FileName = path;
        t.dialogs.messages.clear();
        EXPECT_FALSE(w->Form_Load());
        EXPECT_EQ(t.dialogs.messages.size(), 1u); // the reader's own message
        EXPECT_FALSE(w->isVisible());
        EXPECT_FALSE(app.DesktopWeekShown);
        EXPECT_TRUE(app.Document.FileName.isEmpty());
        EXPECT_EQ(app.Document.CalendarTitle, kUntitled);
        EXPECT_EQ(held->count(), 0);
    }
}

} // namespace
