#include "editors/TextExport.h"
#include "document/FileCommands.h"
#include "support/CalendarBuilder.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Entries of every kind, and a name beyond plain ASCII.
CalendarDocument everyKind() {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("03051960", "N"));
    doc.Birthdays.append(birthday("12242001", "Zo\u00eb \U0001F382"));
    doc.FixedHolidays.append(fixedHoliday("0704", "Independence Day"));
    doc.FloatingHolidays.append(floatingHoliday("05", "L1", "Memorial Day"));
    doc.FloatingHolidays.append(floatingHoliday("11", "44", "Thanksgiving"));
    doc.Anniversaries.append(anniversary("06151985", "Wedding", "2"));
    doc.OtherEvents.append(other("01052027", "Dentist"));
    return doc;
}

TEST(TextExport, WritesASectionPerChosenKindWithEntries) {
    CalendarDocument noBirthdays = everyKind();
    noBirthdays.Birthdays.reset();
    const QByteArray birthdays = "Birthday data\r\n\r\nMarch 5, 1960\tN\r\nDecember 24, "
                                 "2001\tZo\u00eb \U0001F382\r\n\r\n\r\n";
    const QByteArray others = "Other data\r\n\r\nJanuary 5, 2027\tDentist\r\n\r\n\r\n";
    struct Case {
        const char* what;
        CalendarDocument doc;
        KindChoice kinds;
        QByteArray expected;
    };
    const Case cases[] = {
        {"every kind", everyKind(), KindChoice::all(),
         birthdays +
             "Holiday data\r\n\r\nJuly 4\tIndependence Day\r\n\r\n\r\n"
             "Floating Holiday data\r\n\r\nLast Monday of May\tMemorial Day\r\n"
             "Fourth Thursday of November\tThanksgiving\r\n\r\n\r\n"
             "Anniversary data\r\n\r\nJune 15, 1985\tWedding\r\n\r\n\r\n" +
             others},
        {"birthdays only", everyKind(), {EntryKind::Birthday}, birthdays},
        {"no heading without entries",
         noBirthdays,
         {EntryKind::Birthday, EntryKind::Other},
         others},
        {"nothing chosen", everyKind(), {}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExportText(c.doc, c.kinds), c.expected) << c.what;
}

class ExportCommandTest : public ::testing::Test {
  protected:
    TestApp t;
    CalendarDocument& doc = t.app.Document;
    const QByteArray holidays = ExportText(everyKind(), {EntryKind::Holiday});

    ExportCommandTest() { doc = everyKind(); }
    std::optional<FileResult> run(const QString& typed, const QString& filter = {}) {
        t.dialogs.saveNext(t.path(typed), filter);
        return ExportCommand(t.app, {EntryKind::Holiday}, nullptr);
    }
    QStringList files() const { return QDir(t.dir.path()).entryList(QDir::Files); }
};

TEST_F(ExportCommandTest, TheTextFilterAddsTxtUnlessTheNameEndsInIt) {
    const QString text = kExportTextFilter, all = "All Files (*.*)";
    const std::tuple<QString, QString, QString> cases[] = {
        {"report.TXT", text, "report.TXT.txt"}, {"report.TXT", all, "report.TXT"},
        {"notes", text, "notes.txt"},           {"notes", all, "notes"},
        {"list.txt", text, "list.txt"},         {"list.txt", all, "list.txt"}};
    for (const auto& [typed, filter, written] : cases) {
        for (const QString& name : files())
            QFile::remove(t.path(name));
        EXPECT_EQ(run(typed, filter).value_or(FileResult{FileStatus::Failed, {}}).status,
                  FileStatus::Success)
            << typed.toStdString();
        EXPECT_EQ(files(), QStringList{written}) << typed.toStdString();
        EXPECT_EQ(readFile(t.path(written)), holidays);
    }
    const FileRequest& request = t.dialogs.saveRequests.at(0);
    EXPECT_EQ(request.title, "Export Vemora File Data");
    EXPECT_EQ(request.filter, "Text Files (*.txt);;All Files (*.*)");
    EXPECT_TRUE(request.confirmOverwrite && request.confirmCreate);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ExportCommandTest, AnAddedTxtDoesNotReplaceAFileUnasked) {
    writeFile(t.path("notes.txt"), "keep me");
    t.dialogs.saveQuestionNext(Answer::No);
    EXPECT_FALSE(run("notes"));
    EXPECT_EQ(t.dialogs.saveQuestionTexts(),
              QStringList{"notes.txt already exists.\nDo you want to replace it?"});
    EXPECT_EQ(readFile(t.path("notes.txt")), "keep me");
    t.dialogs.saveQuestionNext(Answer::Yes);
    EXPECT_EQ(run("notes").value_or(FileResult{FileStatus::Failed, {}}).status,
              FileStatus::Success);
    EXPECT_EQ(readFile(t.path("notes.txt")), holidays);
}

TEST_F(ExportCommandTest, ACancelledDialogWritesNothing) {
    t.dialogs.saveNext(std::nullopt);
    EXPECT_FALSE(ExportCommand(t.app, KindChoice::all(), nullptr));
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ExportCommandTest, AFailureIsReportedWithTheFileAndTheReason) {
    const QString path = t.path("no such folder/dates.txt");
    t.dialogs.saveNext(path);
    EXPECT_TRUE(ExportCommand(t.app, KindChoice::all(), nullptr).value().failed());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    const MessageRequest& m = t.dialogs.messages[0];
    EXPECT_EQ(m.text,
              "Daylark could not export the file\n" + path + "\n\nNo such file or directory");
    EXPECT_EQ(m.title, "Daylark 2.0");
    EXPECT_EQ(m.icon, MessageIcon::Critical);
    EXPECT_EQ(m.buttons, MessageButtons::OkCancel);
}

// The disk fills up in the middle of the export: the process's file size limit stands in
// for the full disk and fails the write with the system's own error.
TEST_F(ExportCommandTest, AnExportThatRunsOutOfSpaceLeavesThePreviousFileAsItWas) {
    const QByteArray previous = "last week's export\r\n";
    writeFile(t.path("dates.txt"), previous);
    FileResult result;
    {
        const FileSizeLimit limit(64);
        ASSERT_TRUE(limit.applied());
        result = ExportTextData(doc, KindChoice::all(), t.path("dates.txt"));
    }

    EXPECT_TRUE(result.failed());
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(readFile(t.path("dates.txt")), previous);
    EXPECT_EQ(files(), QStringList{"dates.txt"}); // no half-written file left behind

    // Nothing chosen: the file is written, empty.
    EXPECT_EQ(ExportTextData(doc, {}, t.path("dates.txt")).status, FileStatus::Success);
    EXPECT_EQ(readFile(t.path("dates.txt")), QByteArray());
}

} // namespace
