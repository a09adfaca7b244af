#include "settings/windows/OptionsDialog.h"
#include "settings/LoadSettings.h"
#include "settings/Registry.h"
#include "support/TestApp.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct OptionsDialog : ::testing::Test {
    TestApp t;
    AppState& app = t.app;

    OptionsDialog() { app.Options = LoadSettings(t.store).Options; }
    QString stored(const char* name) const {
        return Registry::QueryText(t.store, Registry::kOptionsKey, QLatin1String(name));
    }
};

TEST_F(OptionsDialog, ShowsTheStoredChoicesAndSavesThemAsTheWordsItKnows) {
    struct Case {
        const char *confirmAdd, *afterAdd, *confirmEdit, *confirmDelete;
        bool add, remain, edit, del;
        const char *savedAdd, *savedAfter, *savedEdit, *savedDelete;
    };
    const Case cases[] = {
        {"True", "Remain", "True", "True", true, true, true, true, "True", "Remain", "True",
         "True"},
        {"False", "Close", "False", "true", false, false, false, false, "False", "Close", "False",
         "False"},
        {"0", "remain", "yes", "TRUE", false, false, false, false, "False", "Close", "False",
         "False"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.confirmDelete);
        app.Options = {c.confirmAdd, c.afterAdd, c.confirmEdit, c.confirmDelete};
        frmOptions d(app);
        EXPECT_EQ(d.chkConfAdd->isChecked(), c.add);
        EXPECT_EQ(d.optAfterAdd[0]->isChecked(), c.remain);
        EXPECT_EQ(d.optAfterAdd[1]->isChecked(), !c.remain);
        EXPECT_EQ(d.chkConfEdit->isChecked(), c.edit);
        EXPECT_EQ(d.chkConfDel->isChecked(), c.del);
        // Opened and closed untouched, it still writes all four.
        d.cmdOK->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        for (const auto& [name, value] :
             {std::pair{"ConfirmAdd", c.savedAdd}, std::pair{"AfterAdd", c.savedAfter},
              std::pair{"ConfirmEdit", c.savedEdit}, std::pair{"ConfirmDelete", c.savedDelete}})
            EXPECT_EQ(stored(name), QLatin1String(value)) << name;
        EXPECT_EQ(app.Options.ConfirmDelete, QLatin1String(c.savedDelete));
    }
}

TEST_F(OptionsDialog, TheFirstClickOnAnyChoiceTurnsCloseIntoSave) {
    for (int i = 0; i < 5; ++i) {
        frmOptions d(app);
        EXPECT_EQ(d.cmdOK->text(), "&Close");
        QAbstractButton* const choices[] = {d.chkConfAdd, d.chkConfEdit, d.chkConfDel,
                                            d.optAfterAdd[0], d.optAfterAdd[1]};
        choices[i]->click();
        EXPECT_EQ(d.cmdOK->text(), "&Save") << i;
        choices[i]->click(); // clicked back: the caption stays
        EXPECT_EQ(d.cmdOK->text(), "&Save") << i;
    }
}

TEST_F(OptionsDialog, TheCloseBoxDiscardsAndTheMoreOptionsButtonsAskForTheirDialogs) {
    frmOptions d(app);
    QSignalSpy layout(&d, &frmOptions::layoutRequested);
    QSignalSpy desktop(&d, &frmOptions::desktopRequested);
    d.cmdLayout->click();
    d.cmdDesktop->click();
    EXPECT_EQ(layout.count(), 1);
    EXPECT_EQ(desktop.count(), 1);
    d.chkConfAdd->click();
    d.optAfterAdd[1]->click();
    d.reject();
    EXPECT_EQ(app.Options.ConfirmAdd, "True");
    EXPECT_EQ(app.Options.AfterAdd, "Remain");
    EXPECT_EQ(stored("AfterAdd"), "Remain");
}

} // namespace
