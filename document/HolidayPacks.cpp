#include "document/HolidayPacks.h"

#include "document/RuleText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace {

// No pack comes near this; a larger file is not a pack.
constexpr qint64 kLargestPack = 1024 * 1024;

// The first word of rest, taken off it with the spaces after it.
QString takeWord(QString& rest) {
    const qsizetype end = rest.indexOf(QRegularExpression(QStringLiteral("\\s")));
    const QString word = end < 0 ? rest : rest.left(end);
    rest = end < 0 ? QString() : rest.mid(end).trimmed();
    return word;
}

bool isLanguage(const QString& word) {
    static const QRegularExpression language(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
    return language.match(word).hasMatch();
}

class PackParser {
  public:
    explicit PackParser(const QString& fileName) { out_.pack.file = fileName; }

    void read(const QByteArray& text);
    PackReading result() && { return std::move(out_); }

  private:
    void error(int line, const QString& reason) {
        out_.errors << QStringLiteral("%1:%2: %3").arg(out_.pack.file).arg(line).arg(reason);
    }
    bool names(int line, const QString& rest, QString& english, QString& local);
    void country(int line, QString rest);
    void region(int line, QString rest);
    void holiday(int line, QString rest);
    void checkWhole(int lastLine);

    PackReading out_;
    bool haveCountry_ = false;
};

void PackParser::read(const QByteArray& text) {
    const QString whole = QString::fromUtf8(text);
    if (whole.contains(QChar::ReplacementCharacter)) {
        error(1, QStringLiteral("the file is not UTF-8 text"));
        return;
    }
    const QStringList lines = whole.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString rest = lines[i].trimmed();
        const int number = int(i) + 1;
        if (rest.isEmpty() || rest.startsWith(u'#')) continue;
        const QString keyword = takeWord(rest);
        if (!haveCountry_ && keyword != u"country") {
            error(number, QStringLiteral("the first line must be the country line"));
            return;
        }
        if (keyword == u"country")
            country(number, rest);
        else if (keyword == u"region")
            region(number, rest);
        else if (keyword == u"holiday")
            holiday(number, rest);
        else
            error(number, QStringLiteral("unknown line \"%1\"").arg(keyword));
    }
    checkWhole(int(lines.size()));
}

bool PackParser::names(int line, const QString& rest, QString& english, QString& local) {
    const QStringList parts = rest.split(u'|');
    if (parts.size() != 2 || parts[0].trimmed().isEmpty() || parts[1].trimmed().isEmpty()) {
        error(line, QStringLiteral("the names must be \"English | local\""));
        return false;
    }
    english = parts[0].trimmed();
    local = parts[1].trimmed();
    return true;
}

void PackParser::country(int line, QString rest) {
    if (haveCountry_) return error(line, QStringLiteral("a second country line"));
    haveCountry_ = true;
    HolidayPack& pack = out_.pack;
    pack.country = takeWord(rest);
    pack.language = takeWord(rest);
    if (!QRegularExpression(QStringLiteral("^[A-Z]{2}$")).match(pack.country).hasMatch())
        error(line, QStringLiteral("\"%1\" is not a country code").arg(pack.country));
    if (!isLanguage(pack.language))
        error(line, QStringLiteral("\"%1\" is not a language").arg(pack.language));
    names(line, rest, pack.english, pack.local);
}

void PackParser::region(int line, QString rest) {
    PackRegion r;
    r.code = takeWord(rest);
    r.language = out_.pack.language;
    const QString country = out_.pack.country;
    const QRegularExpression code(QStringLiteral("^%1(-[A-Z0-9]{1,3})?$").arg(country));
    if (!code.match(r.code).hasMatch())
        return error(line, QStringLiteral("\"%1\" is not a region of %2").arg(r.code, country));
    if (out_.pack.region(r.code))
        return error(line, QStringLiteral("region %1 is declared twice").arg(r.code));
    QString afterLanguage = rest;
    if (const QString word = takeWord(afterLanguage); isLanguage(word)) {
        r.language = word;
        rest = afterLanguage;
    }
    if (names(line, rest, r.english, r.local)) out_.pack.regions.push_back(std::move(r));
}

void PackParser::holiday(int line, QString rest) {
    PackHoliday h;
    h.line = line;
    const QString ruleText = takeWord(rest);
    const std::optional<HolidayRule> rule = RuleFromText(ruleText);
    if (!rule) return error(line, QStringLiteral("\"%1\" is not a holiday rule").arg(ruleText));
    h.rule = *rule;
    const QString regions = takeWord(rest);
    if (regions.isEmpty()) return error(line, QStringLiteral("the regions are missing"));
    if (regions != u"*") h.regions = regions.split(u',');
    if (names(line, rest, h.english, h.local)) out_.pack.holidays.push_back(std::move(h));
}

// What only the whole file shows: regions named before they are declared or never, and
// regions without a holiday.
void PackParser::checkWhole(int lastLine) {
    HolidayPack& pack = out_.pack;
    if (!haveCountry_) return error(lastLine, QStringLiteral("the country line is missing"));
    if (pack.regions.empty()) error(lastLine, QStringLiteral("the file declares no region"));
    for (const PackHoliday& h : pack.holidays)
        for (const QString& code : h.regions)
            if (!pack.region(code))
                error(h.line, QStringLiteral("region \"%1\" is not declared").arg(code));
    for (const PackRegion& r : pack.regions)
        if (pack.holidaysOf(r.code).empty())
            error(lastLine, QStringLiteral("region %1 has no holiday").arg(r.code));
}

} // namespace

const PackRegion* HolidayPack::region(const QString& code) const {
    const auto found = std::find_if(regions.begin(), regions.end(), [&](const PackRegion& r) {
        return r.code.compare(code, Qt::CaseInsensitive) == 0;
    });
    return found == regions.end() ? nullptr : &*found;
}

std::vector<const PackHoliday*> HolidayPack::holidaysOf(const QString& code) const {
    std::vector<const PackHoliday*> out;
    for (const PackHoliday& h : holidays)
        if (h.regions.isEmpty() || h.regions.contains(code, Qt::CaseInsensitive)) out.push_back(&h);
    return out;
}

PackReading ReadHolidayPack(const QByteArray& text, const QString& fileName) {
    PackParser parser(fileName);
    parser.read(text);
    return std::move(parser).result();
}

PackReading ReadHolidayPackFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    QString reason;
    if (!QFileInfo(path).isFile())
        reason = QStringLiteral("not a file");
    else if (file.size() > kLargestPack)
        reason = QStringLiteral("too large for a holiday pack");
    else if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    if (!reason.isEmpty()) {
        PackReading failed;
        failed.pack.file = name;
        failed.errors << QStringLiteral("%1:0: %2").arg(name, reason);
        return failed;
    }
    return ReadHolidayPack(file.read(kLargestPack + 1), name);
}

HolidayPacks::Found HolidayPacks::find(const QString& code) const {
    for (const HolidayPack& pack : packs)
        if (const PackRegion* region = pack.region(code.trimmed())) return {&pack, region};
    return {};
}

HolidayPacks LoadHolidayPacks(const QString& folder) {
    HolidayPacks out;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        PackReading reading = ReadHolidayPackFile(dir.filePath(name));
        for (const PackRegion& r : reading.pack.regions)
            if (const HolidayPacks::Found other = out.find(r.code))
                reading.errors << QStringLiteral("%1:0: region %2 is also in %3")
                                      .arg(name, r.code, other.pack->file);
        out.errors += reading.errors;
        if (reading.errors.isEmpty()) out.packs.push_back(std::move(reading.pack));
    }
    return out;
}

std::vector<PackDay> RegionDays(const HolidayPack& pack, const PackRegion& region, int year) {
    const QLocale::Language language = QLocale(region.language).language();
    std::vector<PackDay> days;
    for (const PackHoliday* h : pack.holidaysOf(region.code))
        for (const RuleDay& d : RuleDaysIn(h->rule, QDate(year, 1, 1), QDate(year, 12, 31)))
            days.push_back({d.date, ObservedName(h->local, d.observed, language), d.observed, h});
    std::stable_sort(days.begin(), days.end(),
                     [](const PackDay& a, const PackDay& b) { return a.date < b.date; });
    return days;
}
