// Speed of the month pages: the twelve pages of a year printed to a PDF file for a calendar
// with entries of every kind, and a busy month redrawn 100 times onto an image through the
// QPainter drawing surface, as the calendar view redraws on every change; and one very long
// entry name written into a single cell.
//
// The calendar holds the same number of entries in each of the five tables (the argument),
// spread over the year, with names of one to six words so that many of them wrap.

#include "document/AppState.h"
#include "drawing/CellEntry.h"
#include "drawing/MonthPage.h"
#include "drawing/windows/PrinterJob.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"
#include "platform/SettingsStore.h"
#include "settings/LoadSettings.h"
#include "settings/Registry.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace {

// Counts the entries the page could not show; the benchmark calendar has none.
class CountingDialogs final : public Dialogs {
  public:
    int messages = 0;
    Answer message(const MessageRequest& request) override {
        ++messages;
        return request.defaultButton;
    }
    std::optional<FileChoice> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor&, QWidget*) override { return std::nullopt; }
};

struct Program {
    QTemporaryDir dir;
    CountingDialogs dialogs;
    SystemClock clock;
    SettingsStore store{dir.filePath(QStringLiteral("Daylark.conf"))};
    AppState app{dialogs, clock, store};

    Program() {
        app.Layout = LoadSettings(store).Layout;
        app.Layout.Birthday = QStringLiteral("&HFF");
        app.Layout.Holiday = QStringLiteral("&H8000");
        app.Layout.Anniversary = QStringLiteral("&HFF0000");
        app.Layout.Other = QStringLiteral("&H800080");
        app.DisplayYear = 2027;
    }
};

const char* const kWords[] = {"Ann",  "picnic", "club",   "dentist", "meeting", "with",
                              "the",  "garden", "school", "Grandma", "party",   "recital",
                              "bake", "sale",   "at",     "church",  "practice"};

QString name(std::mt19937& random) {
    std::uniform_int_distribution<int> count(1, 6), word(0, std::size(kWords) - 1);
    QStringList words;
    for (int n = count(random); n > 0; --n)
        words << QLatin1String(kWords[word(random)]);
    return words.join(u' ');
}

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, u'0');
}

// perKind entries in each table; months run from first to last.
void fillCalendar(CalendarDocument& doc, int perKind, int firstMonth, int lastMonth) {
    std::mt19937 random(2027);
    std::uniform_int_distribution<int> month(firstMonth, lastMonth), day(1, 28), weekday(0, 6);
    std::uniform_int_distribution<int> week(0, 4), year(1930, 2020);
    const QString weeks = QStringLiteral("1234L");
    for (int i = 0; i < perKind; ++i) {
        const QString md = twoDigits(month(random)) + twoDigits(day(random));
        const QString y = QString::number(year(random));
        doc.Birthdays.append({md + y, name(random), QStringLiteral("1")});
        doc.Anniversaries.append({md + y, name(random), QStringLiteral("2")});
        doc.FixedHolidays.append({md, name(random)});
        doc.FloatingHolidays.append(
            {twoDigits(month(random)),
             QString(weeks[week(random)]) + QString::number(weekday(random)), name(random)});
        doc.OtherEvents.append(
            {twoDigits(month(random)) + twoDigits(day(random)) + QStringLiteral("2027"),
             name(random)});
    }
}

// The second argument: 1 marks full days with "+N more" (the default), 0 cuts them.
void BM_PrintYearToPdf(benchmark::State& state) {
    Program program;
    program.app.Layout.MarkOverfullDays = BoolToText(int(state.range(1)));
    fillCalendar(program.app.Document, int(state.range(0)), 1, 12);
    const QString path = program.dir.filePath(QStringLiteral("year.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PreparePrinter(printer, program.app.Layout);
        const PrintResult result = PrintMonths(program.app, printer, MonthsToPrint(true, {}));
        if (!result.ok || program.dialogs.messages) state.SkipWithError("printing failed");
    }
    state.counters["entries"] = double(5 * state.range(0));
    state.SetItemsProcessed(state.iterations() * 12); // pages
}
BENCHMARK(BM_PrintYearToPdf)->ArgsProduct({{400, 2000}, {0, 1}})->Unit(benchmark::kMillisecond);

// One iteration is 100 redraws of March, every entry of the calendar falling in it.
void BM_RedrawBusyMonth100Times(benchmark::State& state) {
    Program program;
    fillCalendar(program.app.Document, int(state.range(0)), 3, 3);
    QImage image(1056, 816, QImage::Format_RGB32); // 11 by 8.5 inches at 96 dpi
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    for (auto _ : state) {
        QPainter painter(&image);
        PainterSurface surface(painter, PainterSurface::pixelsPerInch(image));
        MonthPagePrinter pages(surface,
                               {program.app.Document, program.app.Layout, 2027, {11, 8.5}});
        for (int redraw = 0; redraw < 100; ++redraw) {
            surface.fillBox(0, 0, 11, 8.5, Qt::white);
            pages.PrintMonthPage(3);
        }
    }
    state.counters["entries in the month"] = double(5 * state.range(0));
}
BENCHMARK(BM_RedrawBusyMonth100Times)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

// A 10,000-character entry name written into one cell of a printed page (about 1.3 inches
// wide, room for five lines at 10 points): only what fits is wrapped, and the rest is not
// looked at. Argument 0 is "ab " over and over, 1 a name of varied words, 2 a single word,
// broken inside.
void BM_LongNameInOneCell(benchmark::State& state) {
    constexpr int kLength = 10000;
    QString text;
    std::mt19937 random(2024);
    while (text.size() < kLength)
        text += state.range(0) == 0   ? QStringLiteral("ab ")
                : state.range(0) == 1 ? name(random) + u' '
                                      : name(random);
    text.truncate(kLength);
    CountingDialogs dialogs;
    QImage image(1056, 816, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    PainterSurface surface(painter, PainterSurface::pixelsPerInch(image));
    surface.setFont({QStringLiteral("Arial"), 10});
    const CellBox box{0.8, 1.3, 2.45};
    for (auto _ : state) {
        CellLineY lines{};
        lines[0] = 1.4;
        const bool shown = WriteCellEntry(
            surface, dialogs, QStringLiteral("&H0"), 0, text, [&](int) { return box; }, lines);
        if (!shown || dialogs.messages) state.SkipWithError("the entry was not shown");
    }
    state.SetLabel(state.range(0) == 0   ? "ab ab ab ..."
                   : state.range(0) == 1 ? "varied words"
                                         : "one word");
}
BENCHMARK(BM_LongNameInOneCell)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; pages need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
