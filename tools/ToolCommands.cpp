#include "tools/ToolCommands.h"

#include "calendar_format/WholeFile.h"
#include "document/DisplayYear.h"
#include "document/EntryText.h"
#include "document/FileCommands.h"
#include "document/ICalendar.h"
#include "document/StatusTexts.h"
#include "drawing/PhotoPages.h"
#include "drawing/PrintJob.h"
#include "drawing/WeekList.h"
#include "editors/ResortEntries.h"
#include "editors/TextExport.h"
#include "settings/LoadSettings.h"
#include "settings/PageLanguage.h"
#include "tools/PhotoOption.h"
#include "tools/ToolHolidays.h"
#include "tools/YearPageOption.h"

#include <QDate>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

bool Tool::read(const QString& path) {
    return !ReadCalendarFile(app, path).failed();
}

bool Tool::write(const QString& path) {
    // The calendar becomes the file it is written to, as with Save As, so that its photos
    // are kept relative to that file's folder.
    app.Document.FileName = path;
    return !WriteCalendarFile(app, path).failed();
}

bool Tool::import(const QString& path) {
    return !ImportCalendarFile(app, path).failed();
}

namespace {

// The system's error number of the first write to standard output that failed; 0 while
// every write went through.
int& outputError() {
    static int error = 0;
    return error;
}

} // namespace

void printOut(const QString& text) {
    if (outputError() != 0) return; // the output is lost already; its error stands
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        outputError() = errno != 0 ? errno : EIO;
}

bool finishOutput() {
    errno = 0;
    if (std::fflush(stdout) != 0 && outputError() == 0) outputError() = errno != 0 ? errno : EIO;
    if (outputError() == 0 && std::ferror(stdout)) outputError() = EIO;
    if (outputError() == 0) return true;
    std::fprintf(stderr, "qvftool: cannot write to standard output: %s\n",
                 std::strerror(outputError()));
    return false;
}

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

namespace {

// Writes bytes to path through a file that replaces the old one only when complete.
bool writeBytes(const QString& path, const QByteArray& bytes) {
    const FileResult result = WriteWholeFile(path, bytes);
    if (result.failed())
        printError(QStringLiteral("qvftool: cannot write %1: %2").arg(path, result.error));
    return !result.failed();
}

// ---- show, resave, import ----

void declareNothing(QCommandLineParser&) {}

// Text from a calendar file as it may go to a terminal: a control character (a NUL, an
// escape that would start a terminal sequence, a line break inside a name) is written as
// \x and two hex digits, so that it is seen and never acted on or cut the output short.
QString visible(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
            out += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

int runShow(Tool& tool, const ToolCommand&, const QCommandLineParser&, const QStringList& args) {
    if (!tool.read(args[0])) return 1;
    const CalendarDocument& doc = tool.app.Document;
    printOut(
        QStringLiteral("Title: %1\nHeader1: %2\nHeader2: %3\n")
            .arg(visible(doc.CalendarTitle), visible(doc.HeaderLine1), visible(doc.HeaderLine2)));
    // Line by line, so that a large calendar is never held a second time as text.
    for (const EntryKind kind : kAllKinds) {
        printOut(QStringLiteral("\n%1 (%2)\n").arg(KindLabel(kind)).arg(doc.entryCount(kind)));
        ForEachEntryListLine(
            doc, kind, [](const QString& line) { printOut(visible(line) + u'\n'); },
            ListStyle::NameFirst);
    }
    return 0;
}

int runResave(Tool& tool, const ToolCommand&, const QCommandLineParser&, const QStringList& args) {
    return tool.read(args[0]) && tool.write(args[1]) ? 0 : 1;
}

// Messages about what was left out go to standard error; one line on standard output says how
// many entries were added, 0 included.
int runImport(Tool& tool, const ToolCommand&, const QCommandLineParser&, const QStringList& args) {
    if (!tool.read(args[0])) return 1;
    const int before = TotalEntryCount(tool.app.Document);
    if (!tool.import(args[1]) || !tool.write(args[2])) return 1;
    printOut(EntriesAddedText(TotalEntryCount(tool.app.Document) - before, args[1]) + u'\n');
    return 0;
}

// ---- print, upcoming: the pages' language ----

void declareLanguage(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("language"),
                      QStringLiteral("The language of month and weekday names and dates, as a "
                                     "locale name such as de_DE (default: the system's)."),
                      QStringLiteral("LOCALE")});
}

std::optional<QString> applyLanguage(LayoutSettings& layout, const QCommandLineParser& parser) {
    if (!parser.isSet(QStringLiteral("language"))) return std::nullopt;
    const QString language = parser.value(QStringLiteral("language")).trimmed();
    if (!IsPageLanguageName(language))
        return QStringLiteral("--language takes a locale name such as de_DE or fr_FR.");
    layout.Language = language;
    return std::nullopt;
}

// ---- print ----

void declarePrint(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("year"), QStringLiteral("The year to print (1980 to 2099)."),
                      QStringLiteral("YEAR")});
    parser.addOption({QStringLiteral("months"),
                      QStringLiteral("The months to print, as 3,11 (all twelve when left out)."),
                      QStringLiteral("LIST")});
    parser.addOption({QStringLiteral("output"), QStringLiteral("The PDF file to write."),
                      QStringLiteral("OUT.pdf")});
    parser.addOption({QStringLiteral("settings"),
                      QStringLiteral("Print with the stored layout instead of the default one.")});
    declareLanguage(parser);
    parser.addOption({QStringLiteral("first-day"),
                      QStringLiteral("The first day of the week: sunday, monday, saturday or "
                                     "locale (the language's)."),
                      QStringLiteral("DAY")});
    parser.addOption({QStringLiteral("week-numbers"),
                      QStringLiteral("Print ISO week numbers beside the rows.")});
    parser.addOption({QStringLiteral("plain"),
                      QStringLiteral("Print the plain grid of six rows: no small months, moon "
                                     "phases, shading or notes box.")});
    declareYearPage(parser);
    declarePhotos(parser);
}

// The layout with the page options of the command line in place of its own. A usage error
// names the option that is wrong.
std::optional<QString> applyPageOptions(LayoutSettings& layout, const QCommandLineParser& parser) {
    if (const std::optional<QString> error = applyLanguage(layout, parser)) return error;
    if (parser.isSet(QStringLiteral("first-day"))) {
        const QString day = parser.value(QStringLiteral("first-day")).trimmed().toLower();
        static const char* const kDays[] = {"locale", "sunday", "monday", "saturday"};
        const auto* named = std::find_if(std::begin(kDays), std::end(kDays),
                                         [&](const char* d) { return day == QLatin1String(d); });
        if (named == std::end(kDays))
            return QStringLiteral("--first-day takes sunday, monday, saturday or locale.");
        layout.FirstDayOfWeek = day.left(1).toUpper() + day.mid(1);
    }
    if (parser.isSet(QStringLiteral("week-numbers"))) layout.WeekNumbers = QStringLiteral("True");
    if (parser.isSet(QStringLiteral("plain")))
        for (QString* extra : {&layout.SmallMonths, &layout.FitRows, &layout.MoonPhases,
                               &layout.ShadeWeekends, &layout.ShadeHolidays, &layout.NotesBox})
            *extra = QStringLiteral("False");
    return std::nullopt;
}

// Months as "3,11", each 1 to 12; they print in calendar order, as the print window prints
// them. Empty when any is not a month.
std::vector<int> parseMonths(const QString& text) {
    std::vector<bool> selected(12, false);
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const int month = part.trimmed().toInt(&ok);
        if (!ok || month < 1 || month > 12) return {};
        selected[month - 1] = true;
    }
    return MonthsToPrint(false, selected);
}

LayoutSettings layoutFor(bool stored) {
    if (!stored) return DefaultSettings().Layout;
    SettingsStore userStore(SettingsStore::defaultPath());
    return LoadSettings(userStore).Layout;
}

int runPrint(Tool& tool, const ToolCommand& self, const QCommandLineParser& parser,
             const QStringList& args) {
    bool yearOk = false;
    const int year = parser.value(QStringLiteral("year")).toInt(&yearOk);
    if (!yearOk || year < kFirstDisplayYear || year > kLastDisplayYear)
        return usageError(self, QStringLiteral("--year takes a year from %1 to %2.")
                                    .arg(kFirstDisplayYear)
                                    .arg(kLastDisplayYear));
    const std::vector<int> months = parser.isSet(QStringLiteral("months"))
                                        ? parseMonths(parser.value(QStringLiteral("months")))
                                        : MonthsToPrint(true, {});
    if (months.empty()) return usageError(self, QStringLiteral("--months takes months 1 to 12."));
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty()) return usageError(self, QStringLiteral("--output is missing."));

    LayoutSettings layout = layoutFor(parser.isSet(QStringLiteral("settings")));
    if (const std::optional<QString> error = applyPageOptions(layout, parser))
        return usageError(self, *error);

    if (!tool.read(args[0])) return 1;
    AppState& app = tool.app;
    app.Layout = layout;
    app.DisplayYear = year;
    PrintPlan plan = PrintPlanOf(parser, months);
    const PhotoOptions photos = ApplyPhotoOptions(parser, app.Document.Photos);
    if (!photos.usage.isEmpty()) return usageError(self, photos.usage);
    if (!photos.failure.isEmpty()) {
        printError(QStringLiteral("qvftool print: ") + photos.failure);
        return 1;
    }
    plan.photos = photos.layout;
    if (!photos.notice.isEmpty()) printError(QStringLiteral("qvftool print: ") + photos.notice);
    if (plan.photos != PhotoLayout::None && app.Document.Photos.noPhotos())
        printError(QStringLiteral("qvftool print: the calendar keeps no photos, so the photo "
                                  "frames stay empty; --photos DIR takes a folder's."));
    for (const QString& line : PdfPhotoWarnings(app, plan))
        printError(line);
    const PrintResult result = PrintPagesToPdf(app, output, plan);
    // The days whose entries do not all show, and the 29 February birthdays that a common
    // year leaves out, so that nothing is missed unawares.
    for (const QString& line : FitProblemLines(result.problems, PageLocale::of(app.Layout)) +
                                   HiddenLeapDayLines(app.Document, app.Layout, year, plan.months))
        printError(line);
    if (!result.ok) printError(result.error);
    return result.ok ? 0 : 1;
}

// ---- ics ----

void declareOutput(QCommandLineParser& parser) {
    parser.addOption(
        {QStringLiteral("output"), QStringLiteral("The file to write."), QStringLiteral("OUT")});
}

int runIcs(Tool& tool, const ToolCommand& self, const QCommandLineParser& parser,
           const QStringList& args) {
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty()) return usageError(self, QStringLiteral("--output is missing."));
    if (!tool.read(args[0])) return 1;
    QStringList skipped;
    const QByteArray bytes = formatICalendar(tool.app.Document, tool.clock.now().toUTC(), &skipped);
    for (const QString& line : skipped)
        printError(QStringLiteral("not exported: ") + line);
    return writeBytes(output, bytes) ? 0 : 1;
}

// ---- upcoming ----

void declareUpcoming(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("months"),
                      QStringLiteral("How many months ahead to list (1 to 12, default 1)."),
                      QStringLiteral("N"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("today"),
                      QStringLiteral("The day to list from (default: today)."),
                      QStringLiteral("YYYY-MM-DD")});
    declareLanguage(parser);
}

int runUpcoming(Tool& tool, const ToolCommand& self, const QCommandLineParser& parser,
                const QStringList& args) {
    bool monthsOk = false;
    const int months = parser.value(QStringLiteral("months")).toInt(&monthsOk);
    if (!monthsOk || months < 1 || months > kMaxMonthsListed)
        return usageError(
            self, QStringLiteral("--months takes a number from 1 to %1.").arg(kMaxMonthsListed));
    QDate today = tool.clock.today();
    if (parser.isSet(QStringLiteral("today"))) {
        today = QDate::fromString(parser.value(QStringLiteral("today")), Qt::ISODate);
        if (!today.isValid())
            return usageError(self, QStringLiteral("--today takes a date as YYYY-MM-DD."));
    }
    LayoutSettings layout = DefaultSettings().Layout;
    if (const std::optional<QString> error = applyLanguage(layout, parser))
        return usageError(self, *error);
    if (!tool.read(args[0])) return 1;
    QString out;
    for (const QString& line :
         UpcomingEventLines(tool.app.Document, today, months, PageLocale::of(layout)))
        out += visible(line) + u'\n';
    printOut(out);
    return 0;
}

// ---- export, resort ----

void declareKinds(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("kinds"),
                      QStringLiteral("The kinds of entry, as birthdays,holidays,floating,"
                                     "anniversaries,other (all when left out)."),
                      QStringLiteral("LIST")});
}

void declareExport(QCommandLineParser& parser) {
    declareKinds(parser);
    declareOutput(parser);
}

// The kinds named in --kinds, or all five; nothing when a name is not a kind.
std::optional<KindChoice> kindsOption(const QCommandLineParser& parser) {
    if (!parser.isSet(QStringLiteral("kinds"))) return KindChoice::all();
    static const std::pair<const char*, EntryKind> names[] = {
        {"birthdays", EntryKind::Birthday},
        {"holidays", EntryKind::Holiday},
        {"floating", EntryKind::FloatingHoliday},
        {"anniversaries", EntryKind::Anniversary},
        {"other", EntryKind::Other}};
    KindChoice kinds;
    for (const QString& part : parser.value(QStringLiteral("kinds")).split(u',')) {
        const auto* named = std::find_if(std::begin(names), std::end(names), [&](const auto& n) {
            return part.trimmed() == QLatin1String(n.first);
        });
        if (named == std::end(names)) return std::nullopt;
        kinds.set(named->second, true);
    }
    return kinds;
}

int runExport(Tool& tool, const ToolCommand& self, const QCommandLineParser& parser,
              const QStringList& args) {
    const std::optional<KindChoice> kinds = kindsOption(parser);
    if (!kinds) return usageError(self, QStringLiteral("--kinds names an unknown kind."));
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty()) return usageError(self, QStringLiteral("--output is missing."));
    if (!tool.read(args[0])) return 1;
    return writeBytes(output, ExportText(tool.app.Document, *kinds)) ? 0 : 1;
}

int runResort(Tool& tool, const ToolCommand& self, const QCommandLineParser& parser,
              const QStringList& args) {
    const std::optional<KindChoice> kinds = kindsOption(parser);
    if (!kinds) return usageError(self, QStringLiteral("--kinds names an unknown kind."));
    if (!tool.read(args[0])) return 1;
    ResortTables(tool.app.Document, *kinds);
    return tool.write(args[1]) ? 0 : 1;
}

} // namespace

const std::vector<ToolCommand>& toolCommands() {
    static const std::vector<ToolCommand> commands = {
        {"show", "FILE", "Print the calendar as the setup window lists it.", declareNothing,
         runShow, 1},
        {"resave", "IN OUT", "Read IN and write it again as OUT.", declareNothing, runResave, 2},
        {"import", "BASE ADDED OUT",
         "Merge ADDED (a calendar, a text list or an iCalendar file) into BASE as File > "
         "Import does; write OUT.",
         declareNothing, runImport, 3},
        {"print",
         "FILE --year YEAR [--months 3,11] --output OUT.pdf [--settings] [--language LOCALE] "
         "[--first-day DAY] [--week-numbers] [--plain] [--year-page] [--photos DIR] "
         "[--layout above|facing|none]",
         "Print month pages of YEAR, or the year on one page, or a photo calendar, into a PDF "
         "file.",
         declarePrint, runPrint, 1},
        {"ics", "FILE --output OUT.ics", "Write the calendar as an iCalendar file.", declareOutput,
         runIcs, 1},
        {"upcoming", "FILE [--months N] [--today YYYY-MM-DD] [--language LOCALE]",
         "Print the entries of the coming months as the desktop week window lists them.",
         declareUpcoming, runUpcoming, 1},
        {"export", "FILE [--kinds LIST] --output OUT.txt",
         "Write the entries as text, as File > Export does.", declareExport, runExport, 1},
        {"resort", "IN OUT [--kinds LIST]",
         "Put the tables of IN in order, as Resort Entries does; write OUT.", declareKinds,
         runResort, 2},
        holidaysCommand(),
    };
    return commands;
}

QString usageLine(const ToolCommand& command) {
    return QStringLiteral("qvftool %1 %2")
        .arg(QLatin1String(command.name), QLatin1String(command.synopsis));
}

int usageError(const ToolCommand& command, const QString& message) {
    if (!message.isEmpty())
        printError(QStringLiteral("qvftool %1: %2").arg(QLatin1String(command.name), message));
    printError(QStringLiteral("usage: ") + usageLine(command));
    return 2;
}
