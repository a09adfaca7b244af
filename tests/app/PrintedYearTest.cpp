#include "MainWindowFixture.h"
#include "document/windows/SetupWindow.h"
#include "drawing/windows/CalendarView.h"
#include "drawing/windows/PrintWindow.h"
#include "platform/widgets/UpDownBar.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using PrintedYear = MainWindowFixture;

// The print window opens on the display year, and a year chosen there is the display year
// of the setup window and the calendar view when it closes, printed or not.
TEST_F(PrintedYear, TheYearChosenForPrintingIsTheDisplayYearEverywhere) {
    load();
    w->setup()->vsbDispYr->setNumber(2026);
    w->mnuViewCal->trigger();
    frmCalendar* view = w->calendarView();
    ASSERT_NE(view, nullptr);
    int shown = 0;
    QTimer::singleShot(0, [&] {
        auto* print = qobject_cast<frmPrint*>(QApplication::activeModalWidget());
        ASSERT_NE(print, nullptr);
        shown = print->spnYear->value();
        print->spnYear->setValue(2028);
        print->reject();
    });
    w->mnuFilePrint->trigger();
    EXPECT_EQ(shown, 2026);
    EXPECT_EQ(app.DisplayYear, 2028);
    EXPECT_EQ(w->setup()->txtDispYr->text(), "2028");
    EXPECT_EQ(w->setup()->vsbDispYr->number(), 2028);
    EXPECT_EQ(view->lblYear->text(), "2028");
}

} // namespace
