#include "drawing/PageLocale.h"

#include "document/EntryText.h"
#include "document/SettingsRecords.h"
#include "platform/Translations.h"
#include "settings/PageLanguage.h"

#include <algorithm>

namespace {

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, u'0');
}

// A date format of the locale cut into runs: fields ("dddd", "MMMM", "yyyy") and the text
// between them (blanks, punctuation, quoted words), each kept as written.
struct FormatRun {
    QString text;
    QChar field; // u'd', u'M' or u'y'; null for the text between fields
};

std::vector<FormatRun> formatRuns(const QString& format) {
    std::vector<FormatRun> runs;
    auto append = [&runs](QChar c, QChar field) {
        if (runs.empty() || runs.back().field != field) runs.push_back({QString(), field});
        runs.back().text += c;
    };
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        const bool field = !quoted && (c == u'd' || c == u'M' || c == u'y');
        append(c, field ? c : QChar());
    }
    return runs;
}

bool isField(const FormatRun& run) {
    return run.field != QChar();
}

// Text between fields made only of blanks and punctuation (", ", "، "), which belongs to
// neither neighbour.
bool isSeparator(const FormatRun& run) {
    return std::all_of(run.text.begin(), run.text.end(),
                       [](QChar c) { return c.isSpace() || (c.isPunct() && c != u'\''); });
}

// Drops the field at index i with the text that ties it to the rest: the text after it when
// it comes first; else the text before it, when that is a separator or when the field comes
// last (then with whatever follows it too).
void dropField(std::vector<FormatRun>& runs, std::size_t i) {
    const bool first = std::none_of(runs.begin(), runs.begin() + i, isField);
    const bool last = std::none_of(runs.begin() + i + 1, runs.end(), isField);
    std::size_t from = i, to = i + 1;
    if (first) {
        while (to < runs.size() && !isField(runs[to]))
            ++to;
    } else {
        if (i > 0 && (last || isSeparator(runs[i - 1]))) from = i - 1;
        if (last) to = runs.size();
    }
    runs.erase(runs.begin() + from, runs.begin() + to);
}

void dropFields(std::vector<FormatRun>& runs, QChar field, int shortest) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (runs[i].field == field && runs[i].text.size() >= shortest) {
            dropField(runs, i);
            return;
        }
    }
}

QString joined(const std::vector<FormatRun>& runs) {
    QString out;
    for (const FormatRun& run : runs)
        out += run.text;
    return out;
}

// The locale's long date format without the weekday ("d. MMMM yyyy").
std::vector<FormatRun> longDateRuns(const QLocale& locale) {
    std::vector<FormatRun> runs = formatRuns(locale.dateFormat(QLocale::LongFormat));
    dropFields(runs, u'd', 3);
    return runs;
}

} // namespace

PageLocale::PageLocale() : locale_(UsEnglishLocale()) {}

PageLocale::PageLocale(const QLocale& locale, int firstDay, bool weekNumbers)
    : locale_(locale.language() == QLocale::C ? UsEnglishLocale() : locale),
      firstDay_(((firstDay % 7) + 7) % 7), weekNumbers_(weekNumbers),
      classic_(locale_.language() == QLocale::English &&
               locale_.territory() == QLocale::UnitedStates) {}

PageLocale PageLocale::of(const LayoutSettings& layout) {
    const QLocale locale = PageLanguage(layout.Language);
    return {locale, FirstDayOfWeek(layout.FirstDayOfWeek, locale), isTrue(layout.WeekNumbers)};
}

QString PageLocale::monthName(int month) const {
    if (month < 1 || month > 12) return {};
    if (classic_) return MonthName(month);
    return Capitalised(locale_.standaloneMonthName(month, QLocale::LongFormat), locale_);
}

QString PageLocale::dayName(int weekday) const {
    const int qtDay = weekday % 7 == 0 ? 7 : weekday % 7; // Qt counts Monday 1 to Sunday 7
    return Capitalised(locale_.standaloneDayName(qtDay, QLocale::LongFormat), locale_);
}

QString PageLocale::dayInitial(int weekday) const {
    const int qtDay = weekday % 7 == 0 ? 7 : weekday % 7;
    return Capitalised(locale_.standaloneDayName(qtDay, QLocale::NarrowFormat), locale_);
}

QString PageLocale::monthHeading(int month, int year) const {
    return monthName(month) + u' ' + QString::number(year);
}

QString PageLocale::dateText(QDate date) const {
    if (classic_)
        return MonthName(date.month()) + u' ' + QString::number(date.day()) + QLatin1String(", ") +
               QString::number(date.year());
    return locale_.toString(date, joined(longDateRuns(locale_)));
}

QString PageLocale::monthText(int month, int year) const {
    if (classic_) return MonthName(month) + u' ' + QString::number(year);
    return locale_.standaloneMonthName(month, QLocale::LongFormat) + u' ' + QString::number(year);
}

QString PageLocale::weekStartText(QDate date) const {
    if (!classic_) return dateText(date);
    return MonthName(date.month()) + u' ' + twoDigits(date.day()) + QLatin1String(", ") +
           QString::number(date.year()).rightJustified(4, u'0');
}

QString PageLocale::dayLabel(QDate date) const {
    if (classic_) return MonthName(date.month()).left(3) + u' ' + QString::number(date.day());
    std::vector<FormatRun> runs = longDateRuns(locale_);
    dropFields(runs, u'y', 1);
    for (FormatRun& run : runs)
        if (run.field == u'M' && run.text.size() == 4) run.text = QStringLiteral("MMM");
    return locale_.toString(date, joined(runs));
}

QString PageLocale::listDate(QDate date) const {
    if (!classic_) return dateText(date);
    return QString::number(date.year()).rightJustified(4, u'0') + u'/' + twoDigits(date.month()) +
           u'/' + twoDigits(date.day());
}
