#include "document/HolidayPacks.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(HolidayPacks, EveryShippedPackReadsWithoutAnError) {
    const HolidayPacks packs = LoadHolidayPacks();
    EXPECT_TRUE(packs.errors.isEmpty()) << packs.errors.join(u'\n').toStdString();
    const QStringList files = QDir(kBuiltInPacks).entryList({QStringLiteral("*.txt")});
    EXPECT_EQ(packs.packs.size(), size_t(files.size()));
    for (const HolidayPack& pack : packs.packs)
        for (const PackRegion& region : pack.regions)
            EXPECT_FALSE(RegionDays(pack, region, 2027).empty()) << region.code.toStdString();
}

QByteArray pack(const char* lines) {
    return QByteArray("# test\ncountry CH de Switzerland | Schweiz\n"
                      "region CH Switzerland | Schweiz\n"
                      "region CH-GE fr Geneva | Genève\n") +
           lines;
}

// Each fault with the line it names (the header above takes lines 1 to 4).
TEST(HolidayPacks, FaultsNameTheirFileAndLine) {
    const struct {
        QByteArray text;
        const char* error;
    } cases[] = {
        {pack("holiday 08-01 * National Day\n"), "ch.txt:5: the names must be"},
        {pack("holiday 08-32 * A | B\n"), "ch.txt:5: \"08-32\" is not a holiday rule"},
        {pack("holiday 08-01\n"), "ch.txt:5: the regions are missing"},
        {pack("\nholiday 08-01 CH-XX A | B\n"), "ch.txt:6: region \"CH-XX\" is not declared"},
        {pack("region DE-BY Bavaria | Bayern\n"), "ch.txt:5: \"DE-BY\" is not a region of CH"},
        {pack("region CH-GE Geneva | Genève\n"), "ch.txt:5: region CH-GE is declared twice"},
        {pack("holidays 08-01 * A | B\n"), "ch.txt:5: unknown line \"holidays\""},
        {pack("country CH de A | B\n"), "ch.txt:5: a second country line"},
        {pack("holiday 08-01 CH A | B\n"), "region CH-GE has no holiday"},
        {"region CH A | B\n", "ch.txt:1: the first line must be the country line"},
        {"# only a comment\n", "ch.txt:2: the country line is missing"},
        {"country CH Deutsch A | B\nregion CH A | B\nholiday 08-01 * A | B\n",
         "ch.txt:1: \"Deutsch\" is not a language"},
        {"country CH de A | B\nregion CH A | B\nholiday 08-01 * A | \xff\n",
         "ch.txt:1: the file is not UTF-8 text"},
    };
    for (const auto& c : cases) {
        const PackReading reading = ReadHolidayPack(c.text, QStringLiteral("ch.txt"));
        EXPECT_TRUE(reading.errors.join(u'\n').contains(QLatin1String(c.error)))
            << c.error << "\ngot: " << reading.errors.join(u'\n').toStdString();
    }
}

TEST(HolidayPacks, RegionsTakeTheirHolidaysInTheirOwnLanguage) {
    const PackReading reading =
        ReadHolidayPack(pack("holiday 08-01 * National Day | Bundesfeiertag\n"
                             "holiday 12-25/sun+1 CH-GE Christmas | Noël\n"),
                        QStringLiteral("ch.txt"));
    ASSERT_TRUE(reading.errors.isEmpty()) << reading.errors.join(u'\n').toStdString();
    const PackRegion* geneva = reading.pack.region(QStringLiteral("ch-ge"));
    ASSERT_NE(geneva, nullptr);
    EXPECT_EQ(geneva->language, QStringLiteral("fr"));
    EXPECT_EQ(geneva->local, QStringLiteral("Genève"));
    EXPECT_EQ(reading.pack.region(QStringLiteral("CH"))->language, QStringLiteral("de"));
    // 25 December 2022 is a Sunday: observed on the Monday, named in the region's language.
    QStringList days;
    for (const PackDay& d : RegionDays(reading.pack, *geneva, 2022))
        days << d.date.toString(Qt::ISODate) + u' ' + d.name;
    EXPECT_EQ(days, QStringList({"2022-08-01 Bundesfeiertag", "2022-12-25 Noël",
                                 "2022-12-26 Noël (jour férié reporté)"}));
    EXPECT_EQ(RegionDays(reading.pack, *reading.pack.region(QStringLiteral("CH")), 2022).size(),
              1u);
}

TEST(HolidayPacks, AFolderOfPacksLeavesOutABrokenOneAndARegionTwice) {
    QTemporaryDir dir;
    writeFile(dir.filePath("ch.txt"), pack("holiday 08-01 * A | B\n"));
    writeFile(dir.filePath("li.txt"),
              "country LI de A | B\nregion LI A | B\nholiday 13-01 * A | B\n");
    writeFile(dir.filePath("xx.txt"), pack("holiday 08-01 * A | B\n"));
    const HolidayPacks packs = LoadHolidayPacks(dir.path());
    ASSERT_EQ(packs.packs.size(), 1u);
    EXPECT_EQ(packs.packs[0].file, QStringLiteral("ch.txt"));
    EXPECT_TRUE(packs.find(QStringLiteral("CH-GE")));
    EXPECT_FALSE(packs.find(QStringLiteral("LI")));
    const QString errors = packs.errors.join(u'\n');
    EXPECT_TRUE(errors.contains(QLatin1String("li.txt:3: \"13-01\" is not a holiday rule")));
    EXPECT_TRUE(errors.contains(QLatin1String("xx.txt:0: region CH is also in ch.txt")));
}

} // namespace
