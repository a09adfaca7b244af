// Speed of the calendar file on a large calendar: five tables of 32,767 entries each, with
// names of varying length, some of them outside ASCII. The calendar is written to a
// temporary file once; the benchmarks then read it (through the file command and from a
// buffer), write it, import it into a calendar that already holds the same entries, and, as
// the baseline, only split the same file into lines with std::getline. At the end the
// program prints how many times the baseline reading the calendar takes; the target is at
// most 3. Besides, the peak memory of reading and of resaving the file, in a child process,
// as a multiple of the file's size (target: at most 4), for the calendar and for the same
// calendar with every name unique.

#include "document/AppState.h"
#include "document/CalendarFormat.h"
#include "document/FileCommands.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kEntriesPerTable = 32767;

// Every message means that a file command failed; the benchmark then reports an error.
class CountingDialogs final : public Dialogs {
  public:
    int messages = 0;
    Answer message(const MessageRequest& request) override {
        ++messages;
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.title), qPrintable(request.text));
        return request.defaultButton;
    }
    std::optional<FileChoice> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor&, QWidget*) override { return std::nullopt; }
};

// The program-wide state the file commands work on, without windows or stored settings.
struct Program {
    CountingDialogs dialogs;
    SystemClock clock;
    SettingsStore store{QString()};
    AppState app{dialogs, clock, store};
};

// Names as people type them: a mix of short and long, with spaces, punctuation and letters
// from several scripts.
class NameMaker {
  public:
    QString person() {
        QString name = pick(kFirst) + u' ' + pick(kLast);
        if (chance(4)) name += QStringLiteral(" (") + pick(kRelation) + u')';
        return name;
    }
    QString couple() {
        return pick(kFirst) + QStringLiteral(" & ") + pick(kFirst) + u' ' + pick(kLast) +
               (chance(2) ? QStringLiteral(" – wedding") : QString());
    }
    QString holiday() {
        QString name = pick(kHoliday);
        if (chance(3)) name += QStringLiteral(" (") + pick(kPlace) + u')';
        return name;
    }
    QString event() {
        QString name = pick(kEvent) + u' ' + (chance(2) ? pick(kPlace) : pick(kLast));
        if (chance(3)) name += QStringLiteral(" – bring ") + pick(kThing);
        return name;
    }

    QString date() { return mmdd() + QString::number(1930 + int(random_() % 100)); }
    QString mmdd() {
        return QStringLiteral("%1%2")
            .arg(1 + int(random_() % 12), 2, 10, QChar(u'0'))
            .arg(1 + int(random_() % 28), 2, 10, QChar(u'0'));
    }
    QString month() {
        return QStringLiteral("%1").arg(1 + int(random_() % 12), 2, 10, QChar(u'0'));
    }
    QString rule() {
        return QString(QChar(u"1234L"[random_() % 5])) + QChar(u'0' + int(random_() % 7));
    }
    QString style() { return QString(QChar(u'1' + int(random_() % 3))); }

  private:
    template <std::size_t N> QString pick(const std::array<const char*, N>& words) {
        return QString::fromUtf8(words[random_() % N]);
    }
    bool chance(unsigned oneIn) { return random_() % oneIn == 0; }

    static constexpr std::array<const char*, 20> kFirst{
        "Anna",   "Zoë",      "José",      "Łukasz",    "Søren",  "Ngozi",      "Mei",
        "Amélie", "Björn",    "Oluwaseun", "Siobhán",   "Dmitri", "Ayşe",       "Kenji",
        "Ilse",   "François", "Χρήστος",   "Анастасия", "Tom",    "Bartholomew"};
    static constexpr std::array<const char*, 16> kLast{
        "Müller",   "García Márquez", "O'Brien",
        "Nguyễn",   "van der Berg",   "Kowalski",
        "Smith",    "Johansson",      "Dubois",
        "Ødegaard", "Papadopoulos",   "Okafor",
        "Li",       "佐藤",           "Fitzgerald-Hawthorne",
        "Ng"};
    static constexpr std::array<const char*, 6> kRelation{"mum",       "grandfather", "colleague",
                                                          "neighbour", "godchild",    "twin"};
    static constexpr std::array<const char*, 14> kHoliday{"Independence Day",
                                                          "Día de la Hispanidad",
                                                          "Fête nationale",
                                                          "Tag der Deutschen Einheit",
                                                          "St. Patrick's Day",
                                                          "Boxing Day",
                                                          "Midsummer Eve",
                                                          "Constitution Day",
                                                          "Children's Day 子供の日",
                                                          "Labour Day",
                                                          "Thanksgiving",
                                                          "Mother's Day",
                                                          "Remembrance Sunday",
                                                          "Nowruz"};
    static constexpr std::array<const char*, 10> kPlace{
        "Kraków", "São Paulo", "Zürich", "Reykjavík",    "東京",
        "Lagos",  "Ottawa",    "Cork",   "Thessaloníki", "Bergen"};
    static constexpr std::array<const char*, 10> kEvent{"Dentist appointment with Dr.",
                                                        "Trip to",
                                                        "Book club at",
                                                        "Pay rent to",
                                                        "Parents' evening with",
                                                        "Flight to",
                                                        "Concert in",
                                                        "Car service –",
                                                        "Call",
                                                        "Deadline:"};
    static constexpr std::array<const char*, 6> kThing{
        "cake", "the passports", "a gift", "2 bottles of wine", "umbrella", "the signed contract"};

    std::mt19937 random_{20240601}; // fixed: every run measures the same calendar
};

CalendarDocument makeCalendar() {
    NameMaker make;
    CalendarDocument doc;
    doc.CalendarTitle = QStringLiteral("Family & friends – 2024");
    doc.HeaderLine1 = QStringLiteral("Printed for the kitchen wall");
    doc.HeaderLine2 = QStringLiteral("Zoë's copy");
    doc.forEachTable([](auto& table) { table.reserve(kEntriesPerTable); });
    for (int i = 0; i < kEntriesPerTable; ++i) {
        doc.Birthdays.append({make.date(), make.person(), make.style()});
        doc.Anniversaries.append({make.date(), make.couple(), make.style()});
        doc.FixedHolidays.append({make.mmdd(), make.holiday()});
        doc.FloatingHolidays.append({make.month(), make.rule(), make.holiday()});
        doc.OtherEvents.append({make.date(), make.event()});
    }
    return doc;
}

// The calendar, its file and its bytes, made once for all benchmarks.
struct Setup {
    QTemporaryDir dir;
    CalendarDocument calendar = makeCalendar();
    QString path = dir.filePath(QStringLiteral("large.qvf"));
    QString outPath = dir.filePath(QStringLiteral("written.qvf"));
    QByteArray bytes = formatCalendar(calendar);

    Setup() {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
    }
};

Setup& setup() {
    static Setup s;
    return s;
}

void count(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * setup().bytes.size());
    state.SetItemsProcessed(state.iterations() * 5 * int64_t(kEntriesPerTable));
}

void BM_Baseline_GetlineIntoVector(benchmark::State& state) {
    const std::string path = setup().path.toStdString();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(in, line))
            lines.push_back(line);
        benchmark::DoNotOptimize(lines.data());
        if (lines.size() < 5u * kEntriesPerTable) state.SkipWithError("too few lines");
    }
    count(state);
}

void BM_ReadCalendarFile(benchmark::State& state) {
    Program program;
    program.app.Document.FileName = setup().path;
    for (auto _ : state) {
        if (ReadCalendarFile(program.app, program.app.Document.FileName).status !=
            FileStatus::Success)
            state.SkipWithError("read failed");
    }
    if (!program.app.Document.sameContent(setup().calendar))
        state.SkipWithError("the file read back differs");
    count(state);
}

void BM_ReadCalendarBuffer(benchmark::State& state) {
    const QByteArray& bytes = setup().bytes;
    for (auto _ : state) {
        CalendarDocument doc;
        if (readCalendar(bytes, doc).status != FileStatus::Success)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(doc);
    }
    count(state);
}

void BM_WriteCalendarFile(benchmark::State& state) {
    Program program;
    program.app.Document = setup().calendar;
    program.app.Document.FileName = setup().outPath;
    for (auto _ : state) {
        if (WriteCalendarFile(program.app, program.app.Document.FileName).status !=
            FileStatus::Success)
            state.SkipWithError("write failed");
    }
    count(state);
}

void BM_ImportCalendarFile(benchmark::State& state) {
    Program program;
    const QString added = setup().path;
    for (auto _ : state) {
        state.PauseTiming();
        program.app.Document = setup().calendar; // the filled calendar imported into
        state.ResumeTiming();
        if (ImportCalendarFile(program.app, added).status != FileStatus::Success)
            state.SkipWithError("import failed");
    }
    if (program.app.Document.OtherEvents.entryCount() != 2 * kEntriesPerTable)
        state.SkipWithError("the import did not append every entry");
    count(state);
}

// ---- memory ----

// The same calendar with every name made unique, so that no two entries can share a name.
struct UniqueSetup {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("unique.qvf"));
    qint64 size = 0;

    UniqueSetup() {
        CalendarDocument doc = setup().calendar;
        int n = 0;
        doc.forEachTable([&n](auto& table) {
            for (int i = 0; i <= table.upperBound(); ++i)
                table[i].Name += QStringLiteral(" %1").arg(++n);
        });
        const QByteArray bytes = formatCalendar(doc);
        size = bytes.size();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != size) std::exit(1);
    }
};

UniqueSetup& uniqueSetup() {
    static UniqueSetup s;
    return s;
}

// A line of /proc/self/status in kilobytes ("VmRSS", "VmHWM"), or -1.
long statusKilobytes(const char* field) {
    long value = -1;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        const size_t length = std::strlen(field);
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, field, length) == 0 && line[length] == ':')
                value = std::strtol(line + length + 1, nullptr, 10);
        std::fclose(status);
    }
    return value;
}

constexpr char kPeakSwitch[] = "--peak-of";

// In a fresh process started with kPeakSwitch: reads the file (and writes it back to the
// output, when one is named) and prints how far its memory grew beyond its start, in
// kilobytes. A fresh process, so that nothing the benchmarks left in memory is counted or
// reused.
int reportPeak(int argc, char** argv) {
    const long before = statusKilobytes("VmRSS");
    Program program;
    if (ReadCalendarFile(program.app, QString::fromLocal8Bit(argv[2])).failed()) return 1;
    if (argc > 3 && WriteCalendarFile(program.app, QString::fromLocal8Bit(argv[3])).failed())
        return 1;
    std::printf("%ld\n", statusKilobytes("VmHWM") - before);
    return 0;
}

// The peak memory of reading the file (and, with resave, writing it back), as a multiple of
// the file's size: what "/usr/bin/time -v qvftool resave" shows, less the program's own start.
double peakPerFileByte(const QString& path, qint64 size, bool resave) {
    const QByteArray file = path.toLocal8Bit(), out = setup().outPath.toLocal8Bit();
    std::vector<char*> args{const_cast<char*>("bench_calendar_file"),
                            const_cast<char*>(kPeakSwitch), const_cast<char*>(file.data())};
    if (resave) args.push_back(const_cast<char*>(out.data()));
    args.push_back(nullptr);
    int channel[2];
    if (pipe(channel) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(channel[1], STDOUT_FILENO);
        execv("/proc/self/exe", args.data());
        _exit(127);
    }
    close(channel[1]);
    char text[64] = {};
    const ssize_t got = read(channel[0], text, sizeof text - 1);
    close(channel[0]);
    int status = 0;
    if (child > 0) waitpid(child, &status, 0);
    if (child < 0 || got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return double(std::strtol(text, nullptr, 10)) * 1024 / double(size);
}

// Arg 0: the benchmark calendar, whose names repeat as real names do; 1: every name unique.
void BM_PeakMemoryPerFileByte(benchmark::State& state) {
    const bool unique = state.range(0) == 1;
    const QString path = unique ? uniqueSetup().path : setup().path;
    const qint64 size = unique ? uniqueSetup().size : setup().bytes.size();
    double read = 0, resave = 0;
    for (auto _ : state) {
        read = peakPerFileByte(path, size, false);
        resave = peakPerFileByte(path, size, true);
    }
    if (read < 0 || resave < 0) state.SkipWithError("the child process failed");
    state.counters["read"] = read;
    state.counters["resave"] = resave;
}

BENCHMARK(BM_PeakMemoryPerFileByte)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Baseline_GetlineIntoVector)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadCalendarFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadCalendarBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteCalendarFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportCalendarFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The console report, followed by reading's time as a multiple of the baseline's, in real
// and in CPU time (the fastest repetition of each, when repeated). On a busy machine the CPU
// figure is the steadier one.
class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // Single runs, or the medians when only aggregates are reported.
            const bool single = run.run_type == Run::RT_Iteration;
            if (run.error_occurred || (!single && run.aggregate_name != "median")) continue;
            const Times times{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            auto [it, added] = fastest_.try_emplace(run.run_name.function_name, times);
            if (!added) {
                it->second.real = std::min(it->second.real, times.real);
                it->second.cpu = std::min(it->second.cpu, times.cpu);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto baseline = fastest_.find("BM_Baseline_GetlineIntoVector");
        if (baseline == fastest_.end()) return;
        std::printf("\nCalendar file: %.1f MB, %d entries\n", setup().bytes.size() / 1e6,
                    5 * kEntriesPerTable);
        for (const char* name : {"BM_ReadCalendarFile", "BM_ReadCalendarBuffer"}) {
            const auto read = fastest_.find(name);
            if (read == fastest_.end()) continue;
            std::printf("%s / baseline = %.2f real, %.2f CPU (at most 3)\n", name,
                        read->second.real / baseline->second.real,
                        read->second.cpu / baseline->second.cpu);
        }
    }

  private:
    struct Times {
        double real, cpu;
    };
    std::map<std::string, Times> fastest_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], kPeakSwitch) == 0) return reportPeak(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    setup(); // the calendar and its file, before any timing starts
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
