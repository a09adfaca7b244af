#include "document/ICalendar.h"
#include "drawing/MonthCommands.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

// Our export read by an iCalendar implementation written elsewhere: ical.js, run by Node.js,
// expands every event, and its occurrences must be the entries our month pages show.

namespace {

constexpr char kIcalJsVersion[] = "ical.js@2.2.1";
const QString kIcalJsDir = QStringLiteral(DAYLARK_ICALJS_DIR);
const QString kModule = kIcalJsDir + QLatin1String("/node_modules/ical.js/dist/ical.js");
constexpr int kFirstYear = 2027;
constexpr int kLastYear = 2028;

// Installs ical.js into the build folder the first time; the path of its module, or the
// empty text with the reason in *error.
QString icalJsModule(QString* error) {
    QDir().mkpath(kIcalJsDir);
    QLockFile lock(kIcalJsDir + QLatin1String("/install.lock"));
    lock.lock(); // another test program may be installing it right now
    if (QFile::exists(kModule)) return kModule;
    const QString npm = QStandardPaths::findExecutable(QStringLiteral("npm"));
    if (npm.isEmpty()) {
        *error = QStringLiteral("npm is not installed (scripts/install-deps installs it)");
        return {};
    }
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(npm, {QStringLiteral("install"), QStringLiteral("--no-audit"),
                        QStringLiteral("--no-fund"), QStringLiteral("--prefix"), kIcalJsDir,
                        QLatin1String(kIcalJsVersion)});
    if (!install.waitForFinished(10 * 60 * 1000) || install.exitCode() != 0 ||
        !QFile::exists(kModule)) {
        *error = QStringLiteral("npm could not install %1: %2")
                     .arg(QLatin1String(kIcalJsVersion), QString::fromUtf8(install.readAll()));
        return {};
    }
    return kModule;
}

// Every kind, with 29 February, last-weekday rules that end on the month's last day or
// before it, first weeks, year ends and names that need escaping.
CalendarDocument interopCalendar() {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("03071961", QStringLiteral("Ann Smith"), "1"));
    doc.Birthdays.append(birthday("02292000", QStringLiteral("Leap, Lena; \"Jr.\""), "2"));
    doc.Birthdays.append(birthday("12311999", QStringLiteral("New Year's Eve baby"), "3"));
    doc.Anniversaries.append(anniversary("02291996", QStringLiteral("Leap wedding"), "1"));
    doc.Anniversaries.append(anniversary("06151985", QStringLiteral("Mum & Dad"), "2"));
    doc.FixedHolidays.append(fixedHoliday("0101", QStringLiteral("New Year's Day")));
    doc.FixedHolidays.append(
        fixedHoliday("1231", QStringLiteral("Ünïcödé – 日本語 😀").repeated(4)));
    doc.FixedHolidays.append(fixedHoliday("0229", QStringLiteral("Leap holiday")));
    doc.FloatingHolidays.append(floatingHoliday("11", "44", QStringLiteral("Thanksgiving")));
    doc.FloatingHolidays.append(floatingHoliday("05", "L1", QStringLiteral("Memorial Day")));
    doc.FloatingHolidays.append(floatingHoliday("02", "L6", QStringLiteral("Last Saturday")));
    doc.FloatingHolidays.append(floatingHoliday("12", "L5", QStringLiteral("Last Friday")));
    doc.FloatingHolidays.append(floatingHoliday("01", "10", QStringLiteral("First Sunday")));
    doc.FloatingHolidays.append(floatingHoliday("08", "23", QStringLiteral("Second Wednesday")));
    doc.FloatingHolidays.append(floatingHoliday("10", "36", QStringLiteral("Third Saturday")));
    doc.OtherEvents.append(other("01052027", QStringLiteral("Dentist")));
    doc.OtherEvents.append(other("02292028", QStringLiteral("Leap day, 2028")));
    doc.OtherEvents.append(other("12312028", QStringLiteral("Last day; 2028")));
    doc.OtherEvents.append(other("12312026", QStringLiteral("Before the years")));
    doc.OtherEvents.append(other("01012029", QStringLiteral("After the years")));
    return doc;
}

QString categoryOf(EntryKind kind) {
    switch (kind) {
    case EntryKind::Birthday:
        return QStringLiteral("Birthday");
    case EntryKind::Anniversary:
        return QStringLiteral("Anniversary");
    case EntryKind::Holiday:
    case EntryKind::FloatingHoliday:
        return QStringLiteral("Holiday");
    case EntryKind::Other:
        return {};
    }
    return {};
}

QString nameOf(const CalendarDocument& doc, const PlacedEntry& p) {
    switch (p.kind) {
    case EntryKind::Birthday:
        return doc.Birthdays[p.index].Name;
    case EntryKind::Anniversary:
        return doc.Anniversaries[p.index].Name;
    case EntryKind::Holiday:
        return doc.FixedHolidays[p.index].Name;
    case EntryKind::FloatingHoliday:
        return doc.FloatingHolidays[p.index].Name;
    case EntryKind::Other:
        return doc.OtherEvents[p.index].Name;
    }
    return {};
}

// "date | category | name" of every entry the month pages of the years place.
QStringList placedByOurPages(const CalendarDocument& doc) {
    QStringList lines;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const MonthGrid grid = MonthGrid::of(year, month);
            for (const PlacedEntry& p : PlaceMonthEntries(doc, LayoutSettings{}, grid)) {
                const QDate date(year, month, grid.dayInCell(p.cell));
                lines << date.toString(Qt::ISODate) + QLatin1String(" | ") + categoryOf(p.kind) +
                             QLatin1String(" | ") + nameOf(doc, p);
            }
        }
    }
    lines.sort();
    return lines;
}

// The same lines from ical.js's expansion of the file.
QStringList expandedByIcalJs(const QString& node, const QString& module, const QString& file) {
    QProcess expand;
    expand.start(node, {QStringLiteral(DAYLARK_EXPAND_ICS), module, file,
                        QString::number(kFirstYear), QString::number(kLastYear)});
    const bool finished = expand.waitForFinished(120 * 1000);
    EXPECT_TRUE(finished && expand.exitCode() == 0) << expand.readAllStandardError().toStdString();
    QStringList lines;
    for (const QByteArray& line : expand.readAllStandardOutput().split('\n')) {
        if (line.isEmpty()) continue;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        lines << o[QLatin1String("date")].toString() + QLatin1String(" | ") +
                     o[QLatin1String("categories")].toString() + QLatin1String(" | ") +
                     o[QLatin1String("summary")].toString();
    }
    lines.sort();
    return lines;
}

TEST(ICalendarInterop, AnotherImplementationExpandsOurExportToTheDaysOurPagesShow) {
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty())
        GTEST_SKIP() << "Node.js is not installed, so ical.js cannot read the export "
                        "(scripts/install-deps installs it)";
    QString error;
    const QString module = icalJsModule(&error);
    ASSERT_FALSE(module.isEmpty()) << error.toStdString();

    const CalendarDocument doc = interopCalendar();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("export.ics"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(formatICalendar(doc, QDateTime(QDate(2027, 1, 1), QTime(), QTimeZone::utc())));
    out.close();

    const QStringList ours = placedByOurPages(doc);
    ASSERT_GE(ours.size(), 25); // the calendar places entries in both years
    EXPECT_EQ(expandedByIcalJs(node, module, file).join(u'\n').toStdString(),
              ours.join(u'\n').toStdString());
}

} // namespace
