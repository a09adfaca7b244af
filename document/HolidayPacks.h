#pragma once

#include "calendar_format/HolidayRules.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

// Holiday packs: the public holidays of a country and its regions, one text file per country
// (resources/holidays/de.txt, built in as :/holidays/de.txt). A line is a comment ("#"),
// blank, or one of
//
//   country DE de Germany | Deutschland          code, language, English | local name
//   region DE-BY Bavaria | Bayern                 a pack; an optional language after the
//   region CH-GE fr Geneva | Genève               code overrides the country's
//   holiday easter+1 * Easter Monday | Ostermontag      rule, regions (* for every one of
//   holiday 01-06 DE-BW,DE-BY Epiphany | Heilige Drei Könige   the file), English | local
//
// The country line comes first. Rules are the one-word rule texts of the calendar file.

struct PackRegion {
    QString code;     // "DE" for the nationwide pack, "DE-BY" for a state
    QString language; // its holidays' language: its own, else the country's ("de", "pt_BR")
    QString english;
    QString local;
};

struct PackHoliday {
    HolidayRule rule;
    QStringList regions; // the region codes it holds in; empty for every region of the file
    QString english;
    QString local;
    int line = 0; // where it stands in its file
};

struct HolidayPack {
    QString file; // the file's name, for messages ("de.txt")
    QString country;
    QString language;
    QString english;
    QString local;
    std::vector<PackRegion> regions;
    std::vector<PackHoliday> holidays;

    const PackRegion* region(const QString& code) const;
    // The holidays that hold in a region, in the file's order.
    std::vector<const PackHoliday*> holidaysOf(const QString& code) const;
};

// A pack file's text read; every fault as "<file>:<line>: <reason>" in errors. A pack with
// any error is not used.
struct PackReading {
    HolidayPack pack;
    QStringList errors;
};
PackReading ReadHolidayPack(const QByteArray& text, const QString& fileName);
PackReading ReadHolidayPackFile(const QString& path);

// Every pack file (*.txt) of a folder, by file name; the built-in packs by default. Packs
// with errors are left out and their errors listed.
struct HolidayPacks {
    std::vector<HolidayPack> packs;
    QStringList errors;

    struct Found {
        const HolidayPack* pack = nullptr;
        const PackRegion* region = nullptr;
        explicit operator bool() const { return region != nullptr; }
    };
    // The region of that code (case does not matter), in whichever pack holds it.
    Found find(const QString& code) const;
};
inline const QString kBuiltInPacks = QStringLiteral(":/holidays");
HolidayPacks LoadHolidayPacks(const QString& folder = kBuiltInPacks);

// One day on which a region has a holiday.
struct PackDay {
    QDate date;
    QString name; // in the region's language; an observed day's with the observed mark
    bool observed = false;
    const PackHoliday* holiday = nullptr;
};
// A region's holidays in a year in date order, the days they are observed on included.
std::vector<PackDay> RegionDays(const HolidayPack& pack, const PackRegion& region, int year);
