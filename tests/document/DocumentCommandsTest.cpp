#include "document/DocumentCommands.h"
#include "document/CalendarFormat.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class DocumentCommands : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;
    CalendarDocument& doc = t.app.Document;

    QString write(const char* name, const QByteArray& bytes) {
        QFile file(t.path(QLatin1String(name)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    void makeUnsaved() {
        doc = sampleCalendar();
        doc.MarkModified();
    }
};

TEST_F(DocumentCommands, AskToSaveIsTheSpecifiedQuestion) {
    t.dialogs.answerNext(Answer::Cancel);
    EXPECT_EQ(AskToSave(app), Answer::Cancel);
    const MessageRequest& m = t.dialogs.messages.at(0);
    EXPECT_EQ(m.text, "The active calendar file has not been saved.\n\nDo you wish to save it?");
    EXPECT_EQ(m.title, "Daylark");
    EXPECT_EQ(m.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(m.icon, MessageIcon::Critical);
}

TEST_F(DocumentCommands, NewAsksOnlyAboutUnsavedChanges) {
    doc = sampleCalendar();
    NewCalendar(app);
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_TRUE(doc.sameContent(CalendarDocument{}));
    EXPECT_EQ(t.views.reads, 1);

    makeUnsaved();
    t.dialogs.answerNext(Answer::Cancel);
    NewCalendar(app);
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    EXPECT_TRUE(doc.Modified());

    t.dialogs.answerNext(Answer::No);
    NewCalendar(app);
    EXPECT_TRUE(doc.sameContent(CalendarDocument{}));
    EXPECT_FALSE(doc.Modified());
}

TEST_F(DocumentCommands, YesSavesFirstAndAFailedOrCancelledSaveStopsTheCommand) {
    makeUnsaved();
    t.dialogs.answerNext(Answer::Yes); // no file name yet: Save As, cancelled
    NewCalendar(app);
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    EXPECT_EQ(t.dialogs.saveRequests.size(), 1u);

    t.dialogs.answerNext(Answer::Yes);
    t.dialogs.saveNext(t.path("saved"));
    NewCalendar(app);
    EXPECT_TRUE(doc.sameContent(CalendarDocument{}));
    CalendarDocument saved;
    QFile file(t.path("saved.qvf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_EQ(readCalendar(file.readAll(), saved).status, FileStatus::Success);
    EXPECT_TRUE(saved.sameContent(sampleCalendar()));
}

TEST_F(DocumentCommands, OpenReadsTheChosenFile) {
    const QString path = write("family.qvf", formatCalendar(sampleCalendar()));
    t.dialogs.openNext(path);
    OpenCalendar(app);
    EXPECT_EQ(t.dialogs.openRequests.at(0).title, "Open Vemora File");
    EXPECT_EQ(t.dialogs.openRequests.at(0).filter, "Vemora Files (*.qvf)");
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    EXPECT_EQ(doc.FileName, path);
    EXPECT_FALSE(doc.Modified());
}

TEST_F(DocumentCommands, OpenOfAnUnreadableFileShowsTheDialogAgainAndCancelRestoresTheName) {
    const QString mine = write("mine.qvf", formatCalendar(sampleCalendar()));
    doc = sampleCalendar();
    doc.FileName = mine;
    const QString old = write("old.qvf", "Version 1.0\r\n");
    t.dialogs.openNext(old);
    t.dialogs.openNext(std::nullopt);
    OpenCalendar(app);
    EXPECT_EQ(t.dialogs.openRequests.size(), 2u);
    EXPECT_EQ(t.dialogs.messageTexts(),
              QStringList{"This file is not readable using this version of Daylark."});
    EXPECT_EQ(doc.FileName, mine);
    EXPECT_EQ(doc.CalendarTitle, sampleCalendar().CalendarTitle);
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
}

TEST_F(DocumentCommands, OpenOfABrokenFileLeavesAnEmptyCalendarEvenAfterCancel) {
    doc = sampleCalendar();
    doc.FileName = write("mine.qvf", formatCalendar(sampleCalendar()));
    t.dialogs.openNext(write("broken.qvf", "Version 2.0\r\nTitle\r\n"));
    t.dialogs.openNext(std::nullopt);
    OpenCalendar(app);
    EXPECT_EQ(t.dialogs.openRequests.size(), 2u);
    EXPECT_TRUE(doc.FileName.isEmpty());
    EXPECT_EQ(doc.CalendarTitle, "[Untitled]");
    EXPECT_TRUE(doc.isKindEmpty(EntryKind::Birthday));
}

TEST_F(DocumentCommands, ProvisionalTitleIsTheNameBeforeItsExtension) {
    EXPECT_EQ(ProvisionalTitle("family.qvf"), "family");
    EXPECT_EQ(ProvisionalTitle("a.qvf.qvf"), "a");
    EXPECT_EQ(ProvisionalTitle("notes.txt"), "notes");
    EXPECT_EQ(ProvisionalTitle("LOUD.QVF"), "LOUD");
    EXPECT_EQ(ProvisionalTitle("plain"), "plain");
}

TEST_F(DocumentCommands, SaveAsAppendsTheExtensionCaseSensitively) {
    doc = sampleCalendar();
    t.dialogs.saveNext(t.path("typed"));
    EXPECT_TRUE(SaveCalendarAs(app));
    EXPECT_EQ(doc.FileName, t.path("typed.qvf"));
    EXPECT_TRUE(QFile::exists(t.path("typed.qvf")));
    const FileRequest& request = t.dialogs.saveRequests.at(0);
    EXPECT_EQ(request.title, "Save Vemora File As");
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_TRUE(request.confirmCreate);

    t.dialogs.saveNext(t.path("caps.QVF"));
    EXPECT_TRUE(SaveCalendarAs(app));
    EXPECT_EQ(doc.FileName, t.path("caps.QVF.qvf"));
    EXPECT_EQ(t.views.fileNames, 2);
}

TEST_F(DocumentCommands, SaveAsAsksBeforeReplacingAFileUnderTheAppendedName) {
    const QString existing = write("taken.qvf", "keep me");
    t.dialogs.saveNext(t.path("taken"));
    t.dialogs.saveQuestionNext(Answer::No);
    EXPECT_FALSE(SaveCalendarAs(app));
    // One question, about the name with its extension; the command asks nothing more.
    EXPECT_EQ(t.dialogs.saveQuestionTexts(),
              QStringList{"taken.qvf already exists.\nDo you want to replace it?"});
    EXPECT_TRUE(t.dialogs.messages.empty());
    QFile file(existing);
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
    EXPECT_TRUE(doc.FileName.isEmpty());
}

TEST_F(DocumentCommands, SaveWithoutAFileNameIsSaveAsAndCancelSavesNothing) {
    makeUnsaved();
    EXPECT_FALSE(SaveCalendar(app));
    EXPECT_EQ(t.dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(doc.FileName.isEmpty());
    EXPECT_TRUE(doc.Modified());
}

TEST_F(DocumentCommands, SaveReplacesTheFileAndClearsModified) {
    doc = sampleCalendar();
    doc.FileName = write("cal.qvf", "old");
    doc.MarkModified();
    EXPECT_TRUE(SaveCalendar(app));
    EXPECT_FALSE(doc.Modified());
    QFile file(doc.FileName);
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), formatCalendar(sampleCalendar()));
}

TEST_F(DocumentCommands, ImportShowsTheDialogAgainAfterAFailure) {
    doc = sampleCalendar();
    t.dialogs.openNext(write("bad.txt", "01\r\n"));
    t.dialogs.openNext(write("good.txt", "01012027 New Year\r\n"));
    ImportCalendar(app);
    EXPECT_EQ(t.dialogs.openRequests.size(), 2u);
    EXPECT_EQ(t.dialogs.openRequests.at(0).title, "Import qvf Data");
    EXPECT_EQ(doc.OtherEvents.entryCount(), 2);
    EXPECT_EQ(doc.OtherEvents[1].Name, "New Year");
    EXPECT_EQ(doc.CalendarTitle, sampleCalendar().CalendarTitle);
    // Only the import that worked reports, with the entries it added.
    EXPECT_EQ(t.views.statuses, QStringList{"1 entry added from good.txt"});
}

TEST_F(DocumentCommands, ImportReportsHowManyEntriesItAddedInOneLine) {
    doc = sampleCalendar();
    t.dialogs.openNext(write("plants.qvf", formatCalendar(sampleCalendar())));
    ImportCalendar(app);
    EXPECT_EQ(t.views.statuses, QStringList{"8 entries added from plants.qvf"});
    EXPECT_TRUE(t.dialogs.messages.empty());
}

} // namespace
