// Speed of the setup window's entry list: switching the shown kind between two tables of
// 32,767 entries each, as a click on a kind label does, up to the list drawn again on the
// screen. The target is 100 ms per switch. Runs on the offscreen platform unless another is
// chosen.

#include "document/AppState.h"
#include "document/windows/SetupWindow.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

constexpr int kEntries = 32767;

class QuietDialogs final : public Dialogs {
  public:
    Answer message(const MessageRequest& request) override { return request.defaultButton; }
    std::optional<FileChoice> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor&, QWidget*) override { return std::nullopt; }
};

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

// Full birthday and other-event tables with names of a few words.
CalendarDocument fullCalendar() {
    CalendarDocument doc;
    doc.Birthdays.reserve(kEntries);
    doc.OtherEvents.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        const QString date = twoDigits(1 + i % 12) + twoDigits(1 + i % 28);
        doc.Birthdays.append({date + QString::number(1930 + i % 90),
                              QStringLiteral("Friend number %1 of the family").arg(i), "1"});
        doc.OtherEvents.append(
            {date + QStringLiteral("2027"), QStringLiteral("Meeting %1 – bring the notes").arg(i)});
    }
    return doc;
}

struct Program {
    QTemporaryDir dir;
    QuietDialogs dialogs;
    SystemClock clock;
    SettingsStore store{dir.filePath(QStringLiteral("Daylark.conf"))};
    AppState app{dialogs, clock, store};
};

void BM_SwitchShownKind(benchmark::State& state) {
    Program program;
    program.app.Document = fullCalendar();
    frmSetup window(program.app);
    window.resize(640, 480);
    window.show();
    window.RefreshEntryList(EntryKind::Birthday);
    QApplication::processEvents();
    EntryKind next = EntryKind::Other;
    for (auto _ : state) {
        window.RefreshEntryList(next);
        window.lstEvents->repaint(); // drawn, not only scheduled
        QApplication::processEvents();
        next = next == EntryKind::Other ? EntryKind::Birthday : EntryKind::Other;
    }
    if (window.lstEvents->count() != kEntries) state.SkipWithError("the list is not full");
}

BENCHMARK(BM_SwitchShownKind)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
