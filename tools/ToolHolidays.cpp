#include "tools/ToolHolidays.h"

#include "document/CalendarDocument.h"
#include "document/PackEntries.h"

#include <QDate>

namespace {

// Years whose dates the Gregorian calendar gives.
constexpr int kFirstPackYear = 1583;
constexpr int kLastPackYear = 9999;

void declareHolidays(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("list"), QStringLiteral("List the countries and regions.")});
    parser.addOption({QStringLiteral("year"),
                      QStringLiteral("List the region's holidays of YEAR (or of the years "
                                     "FIRST-LAST), in date order."),
                      QStringLiteral("YEAR")});
    parser.addOption({QStringLiteral("add"),
                      QStringLiteral("Add the region's holidays to the calendar FILE.qvf."),
                      QStringLiteral("FILE.qvf")});
    parser.addOption({QStringLiteral("output"),
                      QStringLiteral("The calendar file to write with --add."),
                      QStringLiteral("OUT.qvf")});
}

// Each country's name, then one line per region: "DE-BY  Bavaria | Bayern".
int listRegions(const HolidayPacks& packs) {
    QString out;
    for (const HolidayPack& pack : packs.packs) {
        if (!out.isEmpty()) out += u'\n';
        out += QStringLiteral("%1 | %2\n").arg(pack.english, pack.local);
        qsizetype width = 0;
        for (const PackRegion& r : pack.regions)
            width = std::max(width, r.code.size());
        for (const PackRegion& r : pack.regions)
            out += QStringLiteral("%1  %2 | %3\n")
                       .arg(r.code.leftJustified(width), r.english, r.local);
    }
    printOut(out);
    return 0;
}

int listYears(const HolidayPacks::Found& found, int first, int last) {
    QString out;
    for (int year = first; year <= last; ++year)
        for (const PackDay& day : RegionDays(*found.pack, *found.region, year))
            out += day.date.toString(Qt::ISODate) + u' ' + day.name + u'\n';
    printOut(out);
    return 0;
}

int addToFile(Tool& tool, const HolidayPacks::Found& found, const QString& in, const QString& out) {
    if (!tool.read(in)) return 1;
    const PackChange change =
        AddHolidayPack(tool.app.Document, *found.pack, *found.region, tool.clock.today().year());
    if (!tool.write(out)) return 1;
    printOut(
        QStringLiteral("%1 holidays of %2 added.\n").arg(change.added).arg(found.region->code));
    return 0;
}

int runHolidays(Tool& tool, const ToolCommand& self, const QCommandLineParser& parser,
                const QStringList& args) {
    const HolidayPacks packs = LoadHolidayPacks();
    for (const QString& error : packs.errors)
        printError(error);
    const bool list = parser.isSet(QStringLiteral("list"));
    const bool byYear = parser.isSet(QStringLiteral("year"));
    const bool add = parser.isSet(QStringLiteral("add"));
    if (int(list) + int(byYear) + int(add) != 1)
        return usageError(self, QStringLiteral("give one of --list, --year and --add."));
    if (list) {
        if (!args.isEmpty()) return usageError(self, QStringLiteral("--list takes no region."));
        return listRegions(packs);
    }
    if (args.size() != 1) return usageError(self, QStringLiteral("give one region, as DE-BY."));
    const HolidayPacks::Found found = packs.find(args[0]);
    if (!found) {
        printError(QStringLiteral("qvftool holidays: there is no region \"%1\"; "
                                  "qvftool holidays --list lists them.")
                       .arg(args[0]));
        return 1;
    }
    if (byYear) {
        // One year, or the years FIRST-LAST (a check over many years runs the tool once).
        const QStringList parts = parser.value(QStringLiteral("year")).split(u'-');
        bool firstOk = false, lastOk = parts.size() == 1;
        const int first = parts.value(0).toInt(&firstOk);
        const int last = parts.size() == 2 ? parts[1].toInt(&lastOk) : first;
        if (!firstOk || !lastOk || parts.size() > 2 || first < kFirstPackYear ||
            last > kLastPackYear || last < first)
            return usageError(self,
                              QStringLiteral("--year takes a year from %1 to %2, or two of them "
                                             "as 2020-2040.")
                                  .arg(kFirstPackYear)
                                  .arg(kLastPackYear));
        return listYears(found, first, last);
    }
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty()) return usageError(self, QStringLiteral("--output is missing."));
    return addToFile(tool, found, parser.value(QStringLiteral("add")), output);
}

} // namespace

ToolCommand holidaysCommand() {
    return {"holidays",
            "--list | REGION --year YEAR | REGION --add FILE.qvf --output OUT.qvf",
            "List the holiday packs, a region's holidays of a year, or add them to a calendar.",
            declareHolidays,
            runHolidays,
            kAnyArguments};
}
