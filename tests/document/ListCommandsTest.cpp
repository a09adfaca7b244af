#include "document/ListCommands.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

namespace {

TEST(ListButtons, SelectionDecidesWhichButtonsWork) {
    EXPECT_EQ(ListButtonStates(-1, 0), (ListButtons{true, false, false}));
    EXPECT_EQ(ListButtonStates(2, 0), (ListButtons{true, false, false}));
    EXPECT_EQ(ListButtonStates(2, 1), (ListButtons{true, true, true}));
    EXPECT_EQ(ListButtonStates(2, 3), (ListButtons{false, false, true}));
}

class DeleteCommand : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;
    void SetUp() override {
        for (const char* n : {"e0", "e1", "e2", "e3", "e4"})
            app.Document.OtherEvents.append(other("01012027", QLatin1String(n)));
        app.ShownKind = EntryKind::Other;
        app.Options.ConfirmDelete = "True";
    }
    QStringList names() {
        QStringList out;
        for (const auto& e : app.Document.OtherEvents)
            out << e.Name;
        return out;
    }
};

TEST_F(DeleteCommand, AsksFirstAndNoKeepsEverything) {
    t.dialogs.answerNext(Answer::No);
    EXPECT_FALSE(DeleteSelectedEntries(app, {1, 3}));
    EXPECT_EQ(names().size(), 5);
    EXPECT_FALSE(app.Document.Modified());
    const MessageRequest& m = t.dialogs.messages.at(0);
    EXPECT_EQ(m.text, "There is no way to retrieve the information of the selected event(s) "
                      "after deletion.\n\nAre you sure you want to continue?");
    EXPECT_EQ(m.title, "Event Delete");
    EXPECT_EQ(m.buttons, MessageButtons::YesNo);
    EXPECT_EQ(m.defaultButton, Answer::No);
}

TEST_F(DeleteCommand, YesDeletesTheSelectedLinesWhateverTheirOrder) {
    t.dialogs.answerNext(Answer::Yes);
    EXPECT_TRUE(DeleteSelectedEntries(app, {1, 3}));
    EXPECT_EQ(names(), QStringList({"e0", "e2", "e4"}));
    EXPECT_TRUE(app.Document.Modified());
    app.Options.ConfirmDelete = "False";
    EXPECT_TRUE(DeleteSelectedEntries(app, {0, 2, 1}));
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(app.Document.isKindEmpty(EntryKind::Other));
    EXPECT_EQ(app.Document.OtherEvents.upperBound(), 0);
}

} // namespace
