// Speed of `qvftool print` as a user meets it: the real program started for every run, a
// whole year of a calendar with 2,400 events (480 of each kind) printed into a PDF file.
// The target is about 30 ms a year, three times a classic command-line calendar printer.
// A photo calendar of twelve camera photos on A4 has its own target: under 5 s and 40 MB.
// Beside it, one month of the same calendar (mostly start-up and fonts) and `qvftool show`
// (start-up without fonts or PDF) show where the time goes.
//
// Each run's wall time is measured around starting and waiting for the process; the
// counters give the process's own CPU time (user and system). Build in Release.
//
//   bench_qvftool_print [--qvftool PATH] [benchmark options]

#include "calendar_format/CalendarFileWriter.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

std::string qvftoolPath = QVFTOOL_PATH;

// The calendar: names of one to five words, dates spread over the year, birthdays and
// anniversaries from 1930 to 2019, other events in 2027.
QByteArray yearCalendar() {
    static const char* const words[] = {"Ann",  "picnic", "club",   "dentist", "meeting", "with",
                                        "the",  "garden", "school", "Grandma", "party",   "recital",
                                        "bake", "sale",   "at",     "church",  "practice"};
    std::mt19937 random(2027);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto name = [&] {
        QByteArray text;
        for (int n = pick(1, 5); n > 0; --n)
            text += (text.isEmpty() ? "" : " ") + QByteArray(words[pick(0, 16)]);
        return text;
    };
    auto two = [](int n) { return QByteArray::number(n).rightJustified(2, '0'); };
    CalendarFileWriter file;
    file.prologue("Busy year 2027", true, {}, {}, {});
    for (const RunLayout& layout : kRuns) {
        file.beginRun(layout.run);
        for (int i = 0; i < 480; ++i) {
            const QByteArray md = two(pick(1, 12)) + two(pick(1, 28));
            switch (layout.run) {
            case EntryRun::Birthdays:
            case EntryRun::Anniversaries:
                file.line(md + QByteArray::number(pick(1930, 2019)) + " 3 " + name());
                break;
            case EntryRun::FixedHolidays:
                file.line("F" + md + " " + name());
                break;
            case EntryRun::FloatingHolidays:
                file.line(QByteArray("1234L").mid(pick(0, 4), 1) + QByteArray::number(pick(0, 6)) +
                          two(pick(1, 12)) + " " + name());
                break;
            case EntryRun::OtherEvents:
                file.line(md + "2027 " + name());
                break;
            }
        }
        file.endRun();
    }
    file.end();
    return file.takeAll();
}

struct Run {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    int status = -1;
};

// Starts the program with args and waits for it; its output goes to /dev/null.
Run run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(qvftoolPath.data());
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    Run result;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, qvftoolPath.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                            (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    result.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

struct Calendar {
    QTemporaryDir dir;
    std::string file = dir.filePath(QStringLiteral("year.qvf")).toStdString();
    std::string pdf = dir.filePath(QStringLiteral("out.pdf")).toStdString();
    Calendar() {
        QFile out(QString::fromStdString(file));
        if (out.open(QIODevice::WriteOnly)) out.write(yearCalendar());
    }
};

void measure(benchmark::State& state, const std::vector<std::string>& args) {
    double cpu = 0;
    for (auto _ : state) {
        const Run r = run(args);
        if (r.status != 0) {
            state.SkipWithError("qvftool failed");
            break;
        }
        state.SetIterationTime(r.wallSeconds);
        cpu += r.cpuSeconds;
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000 / double(state.iterations()));
}

void BM_QvfToolPrintYear(benchmark::State& state) {
    Calendar c;
    measure(state, {"print", c.file, "--year", "2027", "--output", c.pdf});
}
BENCHMARK(BM_QvfToolPrintYear)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_QvfToolPrintOneMonth(benchmark::State& state) {
    Calendar c;
    measure(state, {"print", c.file, "--year", "2027", "--months", "3", "--output", c.pdf});
}
BENCHMARK(BM_QvfToolPrintOneMonth)->UseManualTime()->Unit(benchmark::kMillisecond);

// Twelve photos of 12 megapixels (4000 by 3000) as a camera gives them: JPEG of quality 90
// with detail (gradients, shapes and grain, never a flat colour), made once per run of the
// benchmark program.
QString photoFolder() {
    static QTemporaryDir dir;
    static const bool made = [] {
        std::mt19937 random(12);
        for (int m = 1; m <= 12; ++m) {
            QImage image(4000, 3000, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    const int grain = int(random() % 41) - 20;
                    line[x] = qRgb(std::clamp(x * 255 / 4000 + grain, 0, 255),
                                   std::clamp(y * 255 / 3000 + m * 10 + grain, 0, 255),
                                   std::clamp(128 + m * 8 - grain, 0, 255));
                }
            }
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            for (int i = 0; i < 300; ++i) {
                painter.setBrush(QColor::fromHsv(int(random() % 360), 160, 220, 160));
                painter.drawEllipse(QPointF(random() % 4000, random() % 3000), random() % 300 + 10,
                                    random() % 300 + 10);
            }
            painter.end();
            QImageWriter writer(dir.filePath(QStringLiteral("%1.jpg").arg(m, 2, 10, QChar(u'0'))),
                                "jpeg");
            writer.setQuality(90);
            writer.write(image);
        }
        return true;
    }();
    (void)made;
    return dir.path();
}

// `qvftool print` of a photo calendar of twelve 12-megapixel photos on A4 (target under 5
// s and a PDF under 40 MB), above the months or facing them; the counter pdf_MB is the size
// of the file written.
void BM_QvfToolPrintPhotos(benchmark::State& state, const char* layout) {
    Calendar c;
    const std::string photos = photoFolder().toStdString();
    setenv("LC_ALL", "en_GB.UTF-8", 1); // a locale of A4 paper
    measure(state, {"print", c.file, "--year", "2027", "--photos", photos, "--layout", layout,
                    "--language", "en_GB", "--output", c.pdf});
    state.counters["pdf_MB"] =
        benchmark::Counter(double(QFileInfo(QString::fromStdString(c.pdf)).size()) / 1e6);
}
BENCHMARK_CAPTURE(BM_QvfToolPrintPhotos, Above, "above")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_QvfToolPrintPhotos, Facing, "facing")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Start-up, reading and listing the calendar, without fonts or PDF.
void BM_QvfToolShow(benchmark::State& state) {
    Calendar c;
    measure(state, {"show", c.file});
}
BENCHMARK(BM_QvfToolShow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--qvftool") == 0) {
            qvftoolPath = argv[i + 1];
            for (int j = i; j + 2 <= argc; ++j)
                argv[j] = argv[j + 2];
            argc -= 2;
            break;
        }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
