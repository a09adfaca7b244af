// qvftool holidays: the packs' regions, a region's holidays of a year, and a pack added to a
// calendar file.

#include "document/CalendarFormat.h"
#include "support/CalendarBuilder.h"
#include "support/FileBytes.h"
#include "support/ToolRun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Lines that a region's year must hold, each as "YYYY-MM-DD name".
struct YearCase {
    const char* region;
    const char* year; // a year, or the years FIRST-LAST
    std::vector<const char*> lines;
};

TEST(QvfToolHolidays, RegionYearsGiveTheDatesOfTheLaw) {
    const YearCase cases[] = {
        {"DE-BY",
         "2027",
         {"2027-03-29 Ostermontag", "2027-05-06 Christi Himmelfahrt", "2027-05-17 Pfingstmontag",
          "2027-05-27 Fronleichnam"}},
        // Christmas on a Saturday and Boxing Day on a Sunday: substitutes on 27 and 28.
        {"GB-ENG",
         "2027",
         {"2027-03-29 Easter Monday", "2027-05-03 Early May bank holiday",
          "2027-05-31 Spring bank holiday", "2027-12-27 Christmas Day (observed)",
          "2027-12-28 Boxing Day (observed)"}},
        // New Year's Day 2028 is a Saturday: observed on the Friday before, in 2027.
        {"US",
         "2027",
         {"2027-06-18 Juneteenth National Independence Day (observed)",
          "2027-11-25 Thanksgiving Day", "2027-12-31 New Year's Day (observed)"}},
        // A region's code in any case.
        {"de-sn", "2027", {"2027-11-17 Buß- und Bettag"}},
        // Several years in one run, each in date order after the one before.
        {"DE-BY", "2026-2028", {"2026-04-06 Ostermontag", "2028-04-17 Ostermontag"}},
    };
    for (const YearCase& c : cases) {
        const ToolRun run =
            qvftool({"holidays", QLatin1String(c.region), "--year", QLatin1String(c.year)});
        ASSERT_EQ(run.status, 0) << c.region << run.err.toStdString();
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        for (const char* line : c.lines)
            EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << c.region << ": " << line << "\n"
                                                                 << run.out.toStdString();
        QStringList sorted = lines;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(lines, sorted) << c.region << ": not in date order";
    }
}

TEST(QvfToolHolidays, ListNamesEveryRegionByCountry) {
    const ToolRun run = qvftool({"holidays", "--list"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("\nDE-BY  Bavaria | Bayern\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("\nGB-SCT  Scotland | Scotland\n")));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(QvfToolHolidays, AddWritesTheOutputOnlyAndTwiceAddsNothing) {
    QTemporaryDir dir;
    const QString base = dir.filePath("base.qvf");
    const QString once = dir.filePath("once.qvf");
    const QString twice = dir.filePath("twice.qvf");
    writeFile(base, formatCalendar(sampleCalendar()));
    const QByteArray before = readFile(base);

    ToolRun run = qvftool({"holidays", "DE-BY", "--add", base, "--output", once});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(readFile(base), before);
    run = qvftool({"show", once});
    EXPECT_TRUE(run.out.contains(QStringLiteral("Fronleichnam (Easter + 60)")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Christmas"))); // the calendar's own stay

    run = qvftool({"holidays", "DE-BY", "--add", once, "--output", twice});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("0 "))) << run.out.toStdString();
    EXPECT_EQ(qvftool({"show", twice}).out, qvftool({"show", once}).out);
}

TEST(QvfToolHolidays, WrongRequestsAreRefusedAndWriteNothing) {
    QTemporaryDir dir;
    const QString base = dir.filePath("base.qvf");
    const QString out = dir.filePath("out.qvf");
    writeFile(base, formatCalendar(sampleCalendar()));
    const struct {
        QStringList args;
        int status;
        const char* message;
    } cases[] = {
        {{"holidays", "XX-YY", "--add", base, "--output", out}, 1, "no region \"XX-YY\""},
        {{"holidays", "XX-YY", "--year", "2027"}, 1, "no region \"XX-YY\""},
        {{"holidays", "DE-BY", "--year", "20x7"}, 2, "--year takes"},
        {{"holidays", "DE-BY", "--year", "2028-2026"}, 2, "--year takes"},
        {{"holidays", "DE-BY", "--add", base}, 2, "--output is missing"},
        {{"holidays", "DE-BY"}, 2, "give one of"},
        {{"holidays", "--list", "DE-BY"}, 2, "--list takes no region"},
        {{"holidays", "--year", "2027"}, 2, "give one region"},
    };
    for (const auto& c : cases) {
        const ToolRun run = qvftool(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.message))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.args.join(u' ').toStdString();
    }
}

} // namespace
