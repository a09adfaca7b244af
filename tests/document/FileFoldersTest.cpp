#include "document/FileFolders.h"
#include "document/DocumentCommands.h"
#include "editors/TextExport.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

class FileFolders : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;

    QString folder(const char* name) const {
        const QString path = t.path(QLatin1String(name));
        QDir().mkpath(path);
        return path;
    }
};

struct FileCommand {
    const char* name;
    std::function<void(AppState&)> run;
};

// Every file dialog of the calendar program but the PDF printer's (the print window's test
// has that one). Unanswered, each dialog is cancelled.
const FileCommand kCommands[] = {
    {"Open", [](AppState& a) { OpenCalendar(a); }},
    {"Save As", [](AppState& a) { SaveCalendarAs(a); }},
    {"Import", [](AppState& a) { ImportCalendar(a); }},
    {"iCalendar export", [](AppState& a) { ExportICalendar(a); }},
    {"Export", [](AppState& a) { ExportCommand(a, KindChoice::all(), nullptr); }},
};

// The folder the dialog of the command started in.
QString startFolder(TestApp& t, const FileCommand& command) {
    const std::size_t opens = t.dialogs.openRequests.size();
    const std::size_t saves = t.dialogs.saveRequests.size();
    command.run(t.app);
    if (t.dialogs.openRequests.size() > opens) return t.dialogs.openRequests.back().folder;
    if (t.dialogs.saveRequests.size() > saves) return t.dialogs.saveRequests.back().folder;
    return QStringLiteral("(no dialog)");
}

TEST_F(FileFolders, DialogsStartInTheCalendarsFolderElseInTheLastFolderUsed) {
    const QString exports = folder("exports");
    const QString calendars = folder("calendars");
    for (const FileCommand& c : kCommands)
        EXPECT_EQ(startFolder(t, c), QString()) << c.name; // nothing to go by yet

    t.dialogs.saveNext(exports + "/list.txt");
    ExportCommand(app, KindChoice::all(), nullptr);
    for (const FileCommand& c : kCommands)
        EXPECT_EQ(startFolder(t, c), exports) << c.name;

    app.Document.FileName = calendars + "/family.qvf";
    for (const FileCommand& c : kCommands)
        EXPECT_EQ(startFolder(t, c), calendars) << c.name;

    // The last folder outlives the run; a calendar whose folder is gone does not count.
    ASSERT_TRUE(t.store.sync());
    SettingsStore nextRun(t.store.filePath());
    AppState next(t.dialogs, t.clock, nextRun);
    next.Document.FileName = t.path("gone/family.qvf");
    EXPECT_EQ(FileDialogFolder(next), exports);
}

TEST_F(FileFolders, ThePdfIsNamedAfterTheTitleElseTheFileAndTheYear) {
    struct Case {
        const char* title;
        const char* file;
        const char* proposed;
    };
    const Case cases[] = {{"The Larks", "/home/a/family.qvf", "The Larks-2027.pdf"},
                          {"[Untitled]", "/home/a/family.qvf", "family-2027.pdf"},
                          {"  ", "/home/a/family.2.qvf", "family.2-2027.pdf"},
                          {"Us / Them: \"2027\"", "", "Us - Them- -2027--2027.pdf"},
                          {"[Untitled]", "", "Calendar-2027.pdf"}};
    for (const Case& c : cases) {
        CalendarDocument doc;
        doc.CalendarTitle = QString::fromUtf8(c.title);
        doc.FileName = QLatin1String(c.file);
        EXPECT_EQ(ProposedPdfName(doc, 2027), QLatin1String(c.proposed)) << c.title;
    }
}

} // namespace
