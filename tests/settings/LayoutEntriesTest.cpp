#include "settings/Registry.h"
#include "settings/windows/LayoutDialog.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// The layout dialog's choices about entries: the "+N more" mark and 29 February in other
// years. Like the alignments, they reach the layout when it is saved.

TEST(LayoutEntries, ShowTheStoredChoicesAndSaveTheNewOnes) {
    TestApp t;
    t.app.Layout = LoadSettings(t.store).Layout;
    t.app.Layout.MarkOverfullDays = QStringLiteral("False");
    t.app.Layout.LeapDayEntries = QStringLiteral("Mar1");
    frmLayout dialog(t.app);
    dialog.show();
    EXPECT_FALSE(dialog.chkMarkFull->isChecked());
    EXPECT_EQ(dialog.cboLeapDay->currentIndex(), static_cast<int>(LeapDayPlacement::Mar1));
    EXPECT_TRUE(dialog.fraEntries->isVisibleTo(dialog.picAlignment));

    QTest::mouseClick(dialog.chkMarkFull, Qt::LeftButton);
    dialog.cboLeapDay->setCurrentIndex(static_cast<int>(LeapDayPlacement::Feb28));
    EXPECT_EQ(t.app.Layout.LeapDayEntries, "Mar1"); // not before Save
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    EXPECT_EQ(t.app.Layout.MarkOverfullDays, "True");
    EXPECT_EQ(t.app.Layout.LeapDayEntries, "Feb28");
    using namespace Registry;
    EXPECT_EQ(QueryText(t.store, kLayoutKey, QStringLiteral("MarkOverfullDays")), "True");
    EXPECT_EQ(QueryText(t.store, kLayoutKey, QStringLiteral("LeapDayEntries")), "Feb28");

    // A word the list does not know shows as not shown, and saving writes that.
    t.app.Layout.LeapDayEntries = QStringLiteral("feb28");
    frmLayout again(t.app);
    EXPECT_EQ(again.cboLeapDay->currentIndex(), static_cast<int>(LeapDayPlacement::Hidden));
    again.cmdOK_Click();
    EXPECT_EQ(QueryText(t.store, kLayoutKey, QStringLiteral("LeapDayEntries")), "Hidden");
}
