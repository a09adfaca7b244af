#include "generator/GeneratedFile.h"
#include "generator/Messages.h"
#include "generator/windows/frmStatus.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace qvfsch;

namespace {

GeneratedEvents plants(int count) {
    GeneratedEvents events;
    for (int i = 0; i < count; ++i)
        events.push_back(
            {QStringLiteral("01%1%2").arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(2027),
             QStringLiteral("Water the plants")});
    return events;
}

QByteArray keyLine(const QString& path) {
    return readFile(path).split('\n').value(2).trimmed();
}

} // namespace

TEST(WriteGeneratedFile, EachWriteMakesANewKey) {
    QTemporaryDir dir;
    QRandomGenerator random(11);
    const GeneratedEvents events = plants(3);
    ASSERT_EQ(WriteGeneratedFile(dir.filePath("a.qvf"), events, random).status, SaveStatus::Saved);
    ASSERT_EQ(WriteGeneratedFile(dir.filePath("b.qvf"), events, random).status, SaveStatus::Saved);
    const QByteArray a = readFile(dir.filePath("a.qvf"));
    EXPECT_TRUE(a.startsWith("Version 2.0\r\nKestral Scheduler Data\r\n"));
    EXPECT_NE(keyLine(dir.filePath("a.qvf")), keyLine(dir.filePath("b.qvf")));
    EXPECT_EQ(a.size(), readFile(dir.filePath("b.qvf")).size());
}

TEST(WriteGeneratedFile, AFileThatCannotBeCreatedIsReported) {
    QTemporaryDir dir;
    QRandomGenerator random(1);
    const QString path = dir.filePath("missing/plants.qvf");
    const SaveResult result = WriteGeneratedFile(path, plants(3), random);
    EXPECT_EQ(result.status, SaveStatus::WriteFailed);
    EXPECT_TRUE(result.message.contains(path)) << result.message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    // A folder in the way is not replaced either.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.qvf"));
    EXPECT_EQ(WriteGeneratedFile(dir.filePath("taken.qvf"), plants(3), random).status,
              SaveStatus::WriteFailed);
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.qvf")).isDir());
}

TEST(WriteGeneratedFile, AWriteThatFailsHalfwayLeavesTheOldFileAndNoPart) {
    QTemporaryDir dir;
    const QString path = dir.filePath("plants.qvf");
    writeFile(path, "the file that was there before");
    QRandomGenerator random(1);
    SaveResult result;
    {
        const FileSizeLimit limit(200); // the file needs about 1200 bytes
        result = WriteGeneratedFile(path, plants(30), random);
    }
    EXPECT_EQ(result.status, SaveStatus::WriteFailed);
    EXPECT_TRUE(result.message.contains(QStringLiteral("File too large")))
        << result.message.toStdString();
    EXPECT_EQ(readFile(path), QByteArray("the file that was there before"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"plants.qvf"}));
}

// A name that no key of digit triples can carry (its lead byte 0xDA meets the key's "0")
// is saved with a key of letters and digits, and its entry lines stay whole.
TEST(WriteGeneratedFile, ANameNoDigitKeyCanCarryIsSavedWithAnotherKey) {
    QTemporaryDir dir;
    QRandomGenerator random(1);
    const GeneratedEvents events = {{"01052027", QStringLiteral("abcde\u0688")},
                                    {"01062027", QStringLiteral("abcde\u0688")}};
    const SaveResult result = WriteGeneratedFile(dir.filePath("x.qvf"), events, random);
    ASSERT_EQ(result.status, SaveStatus::Saved) << result.message.toStdString();
    const QList<QByteArray> lines = readFile(dir.filePath("x.qvf")).split('\n');
    ASSERT_EQ(lines.size(), 17); // 16 lines ended by CR LF
    EXPECT_EQ(lines[11], "[Other]\r");
    EXPECT_EQ(lines[14], "\r");
    EXPECT_FALSE(lines[2].chopped(1).isEmpty());
}

class StatusWindow : public testing::Test {
  protected:
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    QRandomGenerator random{5};
    frmStatus window{dialogs, random};

    void SetUp() override {
        window.showResult({plants(20), QStringLiteral("Water the plants"),
                           QStringLiteral("Events occur between January 5, 2027 and March 3, "
                                          "2027 every 3 day(s).")});
        window.show();
    }
    template <class T> T* child(const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void save() { child<QPushButton>("cmdSave")->click(); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(StatusWindow, ShowsTheNameTheCountAndTheSummary) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("QVF Scheduler"));
    EXPECT_EQ(child<QLabel>("lblTitle")->text(), QStringLiteral("Entries generated for "));
    EXPECT_EQ(child<QLineEdit>("txtEventName")->text(), QStringLiteral("Water the plants"));
    EXPECT_EQ(child<QGroupBox>("fraStats")->title(), QStringLiteral("Event Stats"));
    EXPECT_EQ(child<QLineEdit>("txtEntries")->text(), QStringLiteral("20"));
    EXPECT_EQ(child<QLabel>("lblEntries")->text(), QStringLiteral("entries created"));
    EXPECT_TRUE(child<QLabel>("lblStatus")->text().endsWith(QStringLiteral("every 3 day(s).")));
    EXPECT_EQ(child<QPushButton>("cmdSave")->text(), QStringLiteral("Save Data"));
}

TEST_F(StatusWindow, SaveDataAsksForAFileAndAddsTheExtension) {
    dialogs.saveNext(path("plants"));
    dialogs.saveNext(path("again.qvf"));
    save();
    save();
    ASSERT_EQ(dialogs.saveRequests.size(), 2u);
    const FileRequest& request = dialogs.saveRequests[0];
    EXPECT_EQ(request.title, QStringLiteral("Save Vemora File As"));
    EXPECT_EQ(request.filter, QStringLiteral("Vemora Files (*.qvf)"));
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_TRUE(request.confirmCreate);
    EXPECT_EQ(request.owner, &window);
    EXPECT_TRUE(readFile(path("plants.qvf")).startsWith("Version 2.0\r\n"));
    EXPECT_TRUE(QFile::exists(path("again.qvf")));
    EXPECT_FALSE(QFile::exists(path("again.qvf.qvf")));
    EXPECT_EQ(child<QLabel>("lblSaved")->text(), QStringLiteral("20 entries written to again.qvf"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(StatusWindow, CancellingTheDialogWritesNothing) {
    save();
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StatusWindow, AFailedWriteIsReportedAndTheWindowStaysForAnotherTry) {
    dialogs.saveNext(path("missing/plants.qvf"));
    dialogs.saveNext(path("plants.qvf"));
    save();
    EXPECT_TRUE(child<QLabel>("lblSaved")->text().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Kestral Scheduler"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.contains(path("missing/plants.qvf")));
    EXPECT_TRUE(window.isVisible());
    save();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(QFile::exists(path("plants.qvf")));
}

// The dialog asks about "plants.qvf", the file that will be written, and only once.
TEST_F(StatusWindow, AFileNamedOnlyByTheAddedExtensionIsNotReplacedUnasked) {
    writeFile(path("plants.qvf"), "keep me");
    dialogs.saveNext(path("plants"));
    dialogs.saveQuestionNext(Answer::No);
    save();
    ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_EQ(dialogs.saveQuestions[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(
        dialogs.saveQuestions[0].text.startsWith(QStringLiteral("plants.qvf already exists.")));
    EXPECT_EQ(readFile(path("plants.qvf")), QByteArray("keep me"));

    dialogs.saveNext(path("plants"));
    dialogs.saveQuestionNext(Answer::Yes);
    save();
    EXPECT_TRUE(readFile(path("plants.qvf")).startsWith("Version 2.0\r\n"));
    // A name chosen with its extension is asked about once, like any other. (A calendar gets
    // the question whether to add to it instead, so the file here is not one.)
    writeFile(path("plants.qvf"), "keep me");
    dialogs.saveNext(path("plants.qvf"));
    save();
    EXPECT_EQ(dialogs.saveQuestions.size(), 3u);
    EXPECT_TRUE(dialogs.messages.empty());
}

// Save Data on a calendar asks whether to add the events (the default), replace the file or
// do nothing; adding keeps every line the calendar had.
TEST_F(StatusWindow, AnExistingCalendarIsAddedToReplacedOrLeftAsTheUserSays) {
    const QByteArray calendar = "Version 2.0\r\nFamily\r\nHeader1=Lark\r\nHeader2=\r\n\r\n\r\n"
                                "[Birthday]\r\n03071961 1 Ann\r\n\r\n[Anniversary]\r\n\r\n"
                                "[Holiday]\r\nF1225 Christmas\r\n\r\n\r\n[Other]\r\n\r\n"
                                "[End of Data]\r\n";
    const qsizetype otherEnd = calendar.indexOf("\r\n[End of Data]");
    const struct {
        Answer answer;
        const char* saved; // the line under the summary; nullptr when nothing was written
    } cases[] = {
        {Answer::Yes, "20 entries added to family.qvf"},
        {Answer::No, "20 entries written to family.qvf"},
        {Answer::Cancel, nullptr},
    };
    for (const auto& c : cases) {
        writeFile(path("family.qvf"), calendar);
        dialogs.messages.clear();
        dialogs.saveQuestions.clear();
        child<QLabel>("lblSaved")->clear();
        dialogs.saveNext(path("family"));
        dialogs.answerNext(c.answer);
        save();
        EXPECT_TRUE(dialogs.saveQuestions.empty()); // no question about replacing it unasked
        ASSERT_EQ(dialogs.messages.size(), 1u);
        const MessageRequest& question = dialogs.messages[0];
        EXPECT_TRUE(question.text.startsWith("family.qvf already exists and is a calendar."))
            << question.text.toStdString();
        EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(question.defaultButton, Answer::Yes);
        EXPECT_EQ(question.yesText, QStringLiteral("Add"));
        EXPECT_EQ(question.noText, QStringLiteral("Replace"));

        const QByteArray after = readFile(path("family.qvf"));
        EXPECT_EQ(child<QLabel>("lblSaved")->text(), QLatin1String(c.saved));
        if (c.answer == Answer::Yes) {
            EXPECT_TRUE(after.startsWith(calendar.left(otherEnd)));
            EXPECT_TRUE(after.endsWith(calendar.sliced(otherEnd)));
            EXPECT_EQ(after.count("\r\n"), calendar.count("\r\n") + 20);
        } else if (c.answer == Answer::No) {
            EXPECT_TRUE(after.startsWith("Version 2.0\r\nKestral Scheduler Data\r\n"));
        } else {
            EXPECT_EQ(after, calendar);
        }
    }
}

// Neither a save nor an addition puts a file in the place of a named pipe.
TEST(WriteGeneratedFile, ANamedPipeIsRefusedAndStaysAPipe) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.qvf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QRandomGenerator random(1);
    for (const SaveResult& result : {WriteGeneratedFile(pipe, plants(3), random),
                                     AddGeneratedEvents(pipe, plants(3), random)}) {
        EXPECT_NE(result.status, SaveStatus::Saved);
        EXPECT_TRUE(result.message.contains("It is a named pipe, not a file."))
            << result.message.toStdString();
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(pipe).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System), QStringList({"pipe.qvf"}));
}
