#include "settings/RecentFiles.h"
#include "document/CalendarFormat.h"
#include "document/FileCommands.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class RecentCalendars : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;
    CalendarDocument& doc = t.app.Document;
    RecentFiles recent{t.store};

    QString calendar(const char* name, const QByteArray& bytes = formatCalendar(sampleCalendar())) {
        QFile file(t.path(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    void makeUnsaved() {
        doc = CalendarDocument{};
        doc.CalendarTitle = QStringLiteral("Unsaved");
        doc.Birthdays.append(birthday("01011990", QStringLiteral("Ben")));
        doc.MarkModified();
    }
};

TEST_F(RecentCalendars, TheNewestComesFirstARepeatMovesUpAndOnlyFourAreKept) {
    for (const char* name : {"a.qvf", "b.qvf", "c.qvf", "d.qvf", "e.qvf"})
        recent.add(t.path(QLatin1String(name)));
    recent.add(t.path("c.qvf"));
    recent.add(t.path("sub/../e.qvf")); // the same file spelt another way
    const QStringList expected = {t.path("e.qvf"), t.path("c.qvf"), t.path("d.qvf"),
                                  t.path("b.qvf")};
    EXPECT_EQ(recent.paths(), expected);
    // The next run reads the same list from the store.
    EXPECT_EQ(RecentFiles(t.store).paths(), expected);
    recent.remove(t.path("c.qvf"));
    EXPECT_EQ(RecentFiles(t.store).paths(), QStringList({expected[0], expected[2], expected[3]}));
}

TEST(RecentMenuText, NamesTheFileAndShowsThePathOnlyWhereTwoNamesAreTheSame) {
    const QStringList paths = {QStringLiteral("/home/ann/family.qvf"),
                               QStringLiteral("/home/ben/family.qvf"),
                               QStringLiteral("/home/ann/R&D dates.qvf")};
    EXPECT_EQ(RecentMenuText(paths, 0), QStringLiteral("&1 /home/ann/family.qvf"));
    EXPECT_EQ(RecentMenuText(paths, 1), QStringLiteral("&2 /home/ben/family.qvf"));
    EXPECT_EQ(RecentMenuText(paths, 2), QStringLiteral("&3 R&&D dates.qvf"));
    EXPECT_EQ(RecentMenuText(paths.mid(1), 0), QStringLiteral("&1 family.qvf"));
}

TEST_F(RecentCalendars, OpeningAsksAboutUnsavedChangesFirstAndReadsLikeFileOpen) {
    const QString path = calendar("family.qvf");
    recent.add(path);
    makeUnsaved();
    t.dialogs.answerNext(Answer::Cancel);
    EXPECT_EQ(OpenRecentCalendar(app, recent, path), RecentOpen::Abandoned);
    EXPECT_EQ(doc.CalendarTitle, "Unsaved");
    EXPECT_TRUE(doc.Modified());

    t.dialogs.answerNext(Answer::No);
    EXPECT_EQ(OpenRecentCalendar(app, recent, path), RecentOpen::Opened);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[1].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    EXPECT_EQ(doc.FileName, path);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(t.views.usedFiles, QStringList{path});
}

TEST_F(RecentCalendars, AVanishedFileIsDroppedWithAMessageAndNothingIsAskedOrChanged) {
    const QString kept = calendar("kept.qvf");
    const QString gone = calendar("gone.qvf");
    recent.add(kept);
    recent.add(gone);
    QFile::remove(gone);
    makeUnsaved();
    EXPECT_EQ(OpenRecentCalendar(app, recent, gone), RecentOpen::Vanished);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.contains(QDir::toNativeSeparators(gone)));
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(recent.paths(), QStringList{kept});
    EXPECT_EQ(RecentFiles(t.store).paths(), QStringList{kept});
    EXPECT_EQ(doc.CalendarTitle, "Unsaved");
    EXPECT_TRUE(doc.Modified());
}

// The version check refuses the file before anything is read: the open calendar keeps its
// own file, so a later Save cannot write it over the refused one.
TEST_F(RecentCalendars, AFileOfAnotherVersionLeavesTheOpenCalendarItsNameAndTitle) {
    const QString other = calendar("other.qvf", fileText(QStringList{"Version 3.0", "Theirs"}));
    recent.add(other);
    doc = sampleCalendar();
    doc.FileName = t.path("mine.qvf");
    EXPECT_EQ(OpenRecentCalendar(app, recent, other), RecentOpen::Failed);
    EXPECT_EQ(doc.FileName, t.path("mine.qvf"));
    EXPECT_EQ(doc.CalendarTitle, "The Smiths 2027");
    EXPECT_TRUE(recent.paths().contains(other));
}

TEST_F(RecentCalendars, ReadsAndWritesReportTheirFileButFailuresAndTheDesktopWeekDoNot) {
    const QString family = calendar("family.qvf");
    ReadCalendarFile(app, family);
    WriteCalendarFile(app, t.path("copy.qvf"));
    WriteCalendarFile(app, t.path("no/such/folder/x.qvf"));
    ReadCalendarFile(app, t.path("missing.qvf"));
    app.DesktopWeekShown = true;
    ReadCalendarFile(app, family);
    EXPECT_EQ(t.views.usedFiles, QStringList({family, t.path("copy.qvf")}));
}

} // namespace
