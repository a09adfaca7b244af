#include "EditorFixture.h"
#include "editors/windows/OtherEditor.h"

#include <QCheckBox>
#include <QDateEdit>

namespace {

using OtherUntil = EditorTest;

// Until is off at first; on, it stores the last day, which must be on or after the first and
// within a year of it (else the editor says so and stays open).
TEST_F(OtherUntil, StoresTheLastDayOfASpanOrRefusesAWrongOne) {
    listing(EntryKind::Other);
    struct Case {
        QDate until;
        const char* stored; // nothing when refused
    };
    const Case cases[] = {{QDate(2027, 7, 20), "07202027"},
                          {QDate(2027, 7, 10), "        "}, // a span of one day is a plain event
                          {QDate(2027, 7, 9), nullptr},
                          {QDate(2028, 7, 10), nullptr}};
    for (const Case& c : cases) {
        auto w = adding<frmOther>(EntryKind::Other, AddOrigin::EntryList);
        EXPECT_FALSE(w->chkUntil->isChecked());
        EXPECT_FALSE(w->dteUntil->isEnabled());
        w->txtName->setText("Trip");
        w->cboMonth->setCurrentIndex(6);
        w->vsbYear->setNumber(2027);
        w->showDay(10);
        w->chkUntil->setChecked(true);
        EXPECT_TRUE(w->dteUntil->isEnabled());
        w->dteUntil->setDate(c.until);
        const int before = app.Document.OtherEvents.entryCount();
        const qsizetype messages = t.dialogs.messages.size();
        w->cmdAdd->click();
        if (!c.stored) {
            EXPECT_EQ(app.Document.OtherEvents.entryCount(), before);
            EXPECT_EQ(t.dialogs.messages.size(), messages + 1);
            continue;
        }
        const OtherEntry& e = app.Document.OtherEvents[app.Document.OtherEvents.upperBound()];
        EXPECT_EQ(e.Date.text(), "07102027");
        EXPECT_EQ(e.Until.text(), QLatin1String(c.stored));
    }
    EXPECT_EQ(listLines().first(), "July 10, 2027 to July 20, 2027 - Trip");
}

} // namespace
