// Generated files as the calendar program reads them: through its reader in memory, and
// end to end through the qvfsch program and "qvftool show".

#include "calendar_format/Scramble.h"
#include "document/CalendarFormat.h"
#include "generator/EventGenerator.h"
#include "generator/GeneratedFile.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

using namespace qvfsch;

namespace {

// Text whose UTF-8 holds every byte value that typed text can hold: the ASCII bytes 1 to 127
// (control characters included, as a pasted name may have them), every continuation byte
// 0x80 to 0xBF and every lead byte 0xC2 to 0xF4.
QString everyTypedByte() {
    std::vector<char32_t> points;
    for (char32_t c = 1; c < 0x80; ++c)
        points.push_back(c);
    for (char32_t lead = 0xC2; lead <= 0xDF; ++lead) // every two-byte lead
        for (char32_t cont = 0; cont < 0x40; cont += 9)
            points.push_back(((lead & 0x1F) << 6) | cont);
    for (char32_t c = 0x80; c < 0xC0; ++c)
        points.push_back(0x0400 | (c & 0x3F)); // D0 80..BF
    for (char32_t n = 0; n < 16; ++n)
        points.push_back(n == 0 ? 0x08A5 : (n << 12) | 0x07A5);
    for (char32_t plane : {0x1, 0x4, 0x8, 0xC, 0x10})
        points.push_back((plane << 16) | 0xF600);
    return QString::fromUcs4(points.data(), qsizetype(points.size()));
}

struct ToolRun {
    int status;
    QString out;
    QString err;
};

ToolRun execute(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(GeneratedFileReadsBack, UnscrambleUndoesScrambleForEveryByteAndKey) {
    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += char(byte);
    const QByteArray line = everyByte + everyByte.right(37); // longer than several keys
    for (const QByteArray& key : {KeyForChoice(0), KeyForChoice(999), KeyForValue(53719),
                                  QByteArray("7"), QByteArray("\xFF\x01\x80", 3)}) {
        const QByteArray scrambled = Scramble(line, key);
        ASSERT_EQ(scrambled.size(), line.size());
        EXPECT_NE(scrambled, line);
        EXPECT_EQ(Unscramble(scrambled, key), line) << key.toHex().constData();
    }
}

// Every name is cut from the text above at each of the fifteen key alignments and a few
// lengths, saved with a fresh key, and read back with the calendar program's reader.
TEST(GeneratedFileReadsBack, NamesWithEveryByteAUserCanTypeComeBackExactly) {
    const QString all = everyTypedByte();
    std::set<unsigned char> covered;
    QTemporaryDir dir;
    QRandomGenerator random(17);
    int saved = 0;
    for (qsizetype start = 0; start < all.size(); start += 7) {
        for (const qsizetype length : {1, 15, 40}) {
            const QString name = all.mid(start, length);
            // A cut through a surrogate pair is no text anyone can type.
            if (name.front().isLowSurrogate() || name.back().isHighSurrogate()) continue;
            const GeneratedEvents events = GenerateEvents(20270105, 20270303, u"D03", name);
            const QString path = dir.filePath(QStringLiteral("n%1-%2.qvf").arg(start).arg(length));
            const SaveResult result = WriteGeneratedFile(path, events, random);
            ASSERT_EQ(result.status, SaveStatus::Saved) << result.message.toStdString();
            ++saved;
            for (const char byte : name.toUtf8())
                covered.insert(static_cast<unsigned char>(byte));
            CalendarDocument doc;
            ASSERT_EQ(readCalendar(readFile(path), doc).status, FileStatus::Success);
            EXPECT_EQ(doc.CalendarTitle, QStringLiteral("Kestral Scheduler Data"));
            std::vector<std::pair<QString, QString>> read;
            for (const OtherEntry& entry : doc.OtherEvents)
                read.emplace_back(entry.Date.text(), entry.Name);
            ASSERT_EQ(read.size(), events.size()) << name.toStdString();
            for (size_t i = 0; i < read.size(); ++i) {
                EXPECT_EQ(read[i].first, events[i].Date);
                EXPECT_EQ(read[i].second, events[i].Name);
            }
            EXPECT_EQ(doc.entryCount(EntryKind::Birthday) + doc.entryCount(EntryKind::Holiday) +
                          doc.entryCount(EntryKind::FloatingHoliday) +
                          doc.entryCount(EntryKind::Anniversary),
                      0);
        }
    }
    EXPECT_GT(saved, 150); // every cut but those through a surrogate pair
    // Every byte of UTF-8 text (all but 0x00, 0xC0, 0xC1 and 0xF5 to 0xFF) was in a saved name.
    for (int byte = 1; byte <= 0xF4; ++byte) {
        if (byte == 0xC0 || byte == 0xC1) continue;
        EXPECT_TRUE(covered.count(byte)) << byte;
    }
}

// Names from the scripts whose UTF-8 comes close to the line breaks under digit keys (Arabic,
// Persian, Urdu, Hebrew), from scripts of three-byte characters and with emoji: each is saved
// and read back unchanged, also after the saves that need a key other than digits.
TEST(GeneratedFileReadsBack, NamesInEveryScriptAreSavedAndReadBack) {
    const QStringList names = {
        QStringLiteral("اجتماع الفريق"),
        QStringLiteral("عيد ميلاد محمد"),
        QStringLiteral("موعد طبيب الأسنان"),
        QStringLiteral("جلسة تدريب أسبوعية"),
        QStringLiteral("زيارة الجدة"),
        QStringLiteral("جشن تولد مادربزرگ"),
        QStringLiteral("ڈاکٹر سے ملنا"),
        QStringLiteral("abcde\u0688"),
        QStringLiteral("יום הולדת לאמא"),
        QStringLiteral("ישיבת צוות שבועית"),
        QStringLiteral("团队周会"),
        QStringLiteral("お母さんの誕生日"),
        QStringLiteral("팀 회의"),
        QStringLiteral("🎂 Birthday 🎉🎈"),
        QStringLiteral("家族👨‍👩‍👧 会议 اجتماع שלום")};
    QTemporaryDir dir;
    QRandomGenerator random(23);
    for (const QString& name : names) {
        const GeneratedEvents events = GenerateEvents(20270105, 20271231, u"W0101010", name);
        for (int save = 0; save < 10; ++save) { // each save draws a new key
            const QString path = dir.filePath(QStringLiteral("n%1.qvf").arg(save));
            const SaveResult result = WriteGeneratedFile(path, events, random);
            ASSERT_EQ(result.status, SaveStatus::Saved) << name.toStdString();
            CalendarDocument doc;
            ASSERT_EQ(readCalendar(readFile(path), doc).status, FileStatus::Success);
            ASSERT_EQ(doc.OtherEvents.entryCount(), int(events.size())) << name.toStdString();
            for (int i = 0; i < doc.OtherEvents.entryCount(); ++i) {
                EXPECT_EQ(doc.OtherEvents[i].Name, name);
                EXPECT_EQ(doc.OtherEvents[i].Date.text(), events[size_t(i)].Date);
            }
        }
    }
}

TEST(GeneratedFileReadsBack, BatchFileOpensInTheCalendarProgram) {
    QTemporaryDir dir;
    const QString file = dir.filePath("plants.qvf");
    const ToolRun generate = execute(QStringLiteral(QVFSCH_PATH),
                                     {"--from", "2027-01-05", "--to", "2027-03-03", "--every", "3",
                                      "--name", "Water the plants", "--output", file});
    ASSERT_EQ(generate.status, 0) << generate.err.toStdString();
    EXPECT_TRUE(generate.out.contains("20 entries created"));

    const ToolRun show = execute(QStringLiteral(QVFTOOL_PATH), {"show", file});
    ASSERT_EQ(show.status, 0) << show.err.toStdString();
    EXPECT_TRUE(show.out.startsWith("Title: Kestral Scheduler Data\n")) << show.out.toStdString();
    EXPECT_TRUE(show.out.contains("Other (20)\n")) << show.out.toStdString();
    EXPECT_TRUE(show.out.contains("January 5, 2027 - Water the plants\n"));
    EXPECT_TRUE(show.out.contains("February 28, 2027 - Water the plants\n"));
    EXPECT_TRUE(show.out.contains("March 3, 2027 - Water the plants\n"));
    EXPECT_FALSE(show.out.contains("March 6, 2027"));
}

TEST(GeneratedFileReadsBack, WeeklyBatchWithAUnicodeName) {
    QTemporaryDir dir;
    const QString file = dir.filePath("swim.qvf");
    const QString name = QStringLiteral("Плавание — Schwimmen 🏊");
    const ToolRun generate = execute(QStringLiteral(QVFSCH_PATH),
                                     {"--from", "2027-01-01", "--to", "2027-01-31", "--weekdays",
                                      "Mon,Fri", "--name", name, "--output", file});
    ASSERT_EQ(generate.status, 0) << generate.err.toStdString();
    const ToolRun show = execute(QStringLiteral(QVFTOOL_PATH), {"show", file});
    ASSERT_EQ(show.status, 0) << show.err.toStdString();
    EXPECT_TRUE(show.out.contains("Other (9)\n")) << show.out.toStdString();
    EXPECT_TRUE(show.out.contains("January 1, 2027 - " + name + "\n")) << show.out.toStdString();
    EXPECT_TRUE(show.out.contains("January 29, 2027 - " + name + "\n"));
}

TEST(GeneratedFileReadsBack, BatchWithAnArabicNameThatNoDigitKeyCarries) {
    QTemporaryDir dir;
    const QString file = dir.filePath("team.qvf");
    const QString name = QStringLiteral("اجتماع الفريق");
    const ToolRun generate = execute(QStringLiteral(QVFSCH_PATH),
                                     {"--from", "2024-01-01", "--to", "2024-12-31", "--every", "7",
                                      "--output", file.chopped(4), "--name", name});
    ASSERT_EQ(generate.status, 0) << generate.err.toStdString();
    const ToolRun show = execute(QStringLiteral(QVFTOOL_PATH), {"show", file});
    ASSERT_EQ(show.status, 0) << show.err.toStdString();
    EXPECT_TRUE(show.out.contains("Other (53)\n")) << show.out.toStdString();
    EXPECT_TRUE(show.out.contains("January 1, 2024 - " + name + "\n"));
    EXPECT_TRUE(show.out.contains("December 30, 2024 - " + name + "\n"));
}

TEST(GeneratedFileReadsBack, BatchRefusalLeavesNoFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("none.qvf");
    const ToolRun run =
        execute(QStringLiteral(QVFSCH_PATH), {"--from", "2027-01-05", "--to", "2027-01-05",
                                              "--every", "1", "--name", "x", "--output", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("Invalid span of dates.\n")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

// The family: every entry of the calendar is still there after qvfsch --add, with
// the generated events after its other events.
TEST(GeneratedFileReadsBack, BatchAddKeepsEveryEntryOfTheCalendar) {
    QTemporaryDir dir;
    const QString family = dir.filePath("family.qvf");
    const QByteArray before = readFile(DAYLARK_TEST_DATA "/handwritten.qvf");
    {
        QFile file(family);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const QString tool = QStringLiteral(QVFTOOL_PATH);
    const QString shownBefore = execute(tool, {"show", family}).out;
    const ToolRun add = execute(QStringLiteral(QVFSCH_PATH),
                                {"--from", "2027-01-04", "--to", "2027-12-27", "--weekdays", "Mon",
                                 "--name", "Recycling", "--output", family, "--add"});
    ASSERT_EQ(add.status, 0) << add.err.toStdString();
    const QString shownAfter = execute(tool, {"show", family}).out;
    // Everything up to the other events' count reads as before; the old events come first.
    const qsizetype other = shownBefore.indexOf("Other (2)\n");
    ASSERT_GT(other, 0);
    EXPECT_EQ(shownAfter.left(other), shownBefore.left(other));
    EXPECT_TRUE(shownAfter.sliced(other).startsWith(
        "Other (54)\n" + shownBefore.sliced(other + 10) + "January 4, 2027 - Recycling\n"))
        << shownAfter.toStdString();
    EXPECT_TRUE(shownAfter.endsWith("December 27, 2027 - Recycling\n"));
}
