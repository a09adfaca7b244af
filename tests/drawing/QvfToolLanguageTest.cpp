#include "PdfTools.h"
#include "support/ToolRun.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

// qvftool print and upcoming in the language and week the command line asks for.

namespace {

ToolRun qvftoolIn(const QStringList& args, const QString& language = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // with LANG and LC_ALL still C.UTF-8
    if (!language.isEmpty()) env.insert(QStringLiteral("LANGUAGE"), language);
    return runQvftool(args, env);
}

// A calendar with the given entry lines, in a folder of the test's own.
QString writeLanguageCalendar(const QTemporaryDir& dir, const QByteArray& birthdays,
                              const QByteArray& floating = {}, const QByteArray& others = {}) {
    const QByteArray text = "Version 2.0\r\nFamilie\r\nHeader1=\r\nHeader2=\r\n\r\n[Birthday]\r\n" +
                            birthdays + "\r\n[Anniversary]\r\n\r\n[Holiday]\r\n\r\n" + floating +
                            "\r\n[Other]\r\n" + others + "\r\n[End of Data]\r\n";
    const QString path = dir.filePath("calendar.qvf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
    return path;
}

// The words of a page as "text x y", to compare two pages word for word and place for place.
QStringList placedWords(const QString& pdf, int page) {
    QStringList out;
    for (const PdfWord& w : pdfWords(pdf, page))
        out << QStringLiteral("%1 %2 %3").arg(w.text).arg(w.xMin).arg(w.yMin);
    return out;
}

// The grid's column (0 to 6) of an x on a page printed with the default layout: 0.75 inch
// margins on a landscape page of the given width in points.
int columnOf(double x, double pageWidth) {
    const double left = 54, columnWidth = (pageWidth - 2 * 54) / 7;
    return static_cast<int>(std::floor((x - left) / columnWidth));
}

} // namespace

TEST(QvfToolLanguage, AGermanFrenchOrSpanishMarchStartsOnMondayWithTheFirstInColumnOne) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    const QString calendar = writeLanguageCalendar(dir, "03011951 1 Oma Rosa\r\n");
    struct Case {
        const char* language;
        const char* month;
        QStringList days;
        const char* age; // the first word after the name
    };
    const Case cases[] = {
        {"de_DE",
         "März",
         {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
         "76."},
        {"fr_FR",
         "Mars",
         {"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"},
         "76e"},
        {"es_ES",
         "Marzo",
         {"Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado", "Domingo"},
         "76.º"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(c.language));
        const ToolRun run = qvftoolIn({"print", calendar, "--year", "2027", "--months", "3",
                                       "--output", pdf, "--language", c.language, "--plain"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QString text = pdfText(pdf, 1);
        EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.month) + QStringLiteral(" 2027\n")))
            << text.toStdString();
        const std::vector<PdfWord> words = pdfWords(pdf, 1);
        const double width = pdfPageSize(pdf).width();
        for (int i = 0; i < 7; ++i) {
            const std::optional<PdfWord> day = findWord(words, c.days[i]);
            ASSERT_TRUE(day) << c.days[i].toStdString();
            EXPECT_EQ(columnOf((day->xMin + day->xMax) / 2, width), i) << c.days[i].toStdString();
        }
        const std::optional<PdfWord> first = findWord(words, QStringLiteral("1"));
        const std::optional<PdfWord> oma = findWord(words, QStringLiteral("Oma"));
        ASSERT_TRUE(first && oma);
        EXPECT_EQ(columnOf(first->xMin, width), 0);
        EXPECT_EQ(columnOf(oma->xMin, width), 0);
        EXPECT_TRUE(findWord(words, QString::fromUtf8(c.age))) << text.toStdString();
    }
}

// The Sunday weeks of English (United States) are the classic pages: naming the language or
// the first day changes nothing on them, word for word and place for place.
TEST(QvfToolLanguage, EnglishUnitedStatesPrintsTheClassicPages) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    const QString calendar = QStringLiteral(DAYLARK_TEST_DATA "/handwritten.qvf");
    const QStringList base = {"print",    calendar, "--year",  "2027",
                              "--months", "3,11",   "--plain", "--output"};
    const QString plain = dir.filePath("plain.pdf");
    ASSERT_EQ(qvftoolIn(base + QStringList{plain}).status, 0);
    for (const QStringList& options : {QStringList{"--language", "en_US"},
                                       QStringList{"--language", "C", "--first-day", "sunday"},
                                       QStringList{"--first-day", "locale"}}) {
        const QString pdf = dir.filePath("named.pdf");
        ASSERT_EQ(qvftoolIn(base + QStringList{pdf} + options).status, 0);
        for (int page : {1, 2})
            EXPECT_EQ(placedWords(pdf, page), placedWords(plain, page))
                << options.join(' ').toStdString();
        EXPECT_EQ(pdfPageSize(pdf), pdfPageSize(plain));
    }
    EXPECT_TRUE(pdfText(plain, 1).startsWith(QStringLiteral("March 2027\n")));
}

// Weeks from Saturday, as an Egyptian calendar has them, with the grid running left to
// right: every floating holiday of 2027 stands in the column of its weekday, under its day.
TEST(QvfToolLanguage, ASaturdayFirstYearPutsEveryFloatingHolidayUnderItsDay) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    QByteArray floating;
    struct Holiday {
        int month, n, weekday; // n 5 for the last
        QString name;
    };
    std::vector<Holiday> holidays;
    for (int month = 1; month <= 12; ++month) {
        for (const auto& [n, weekday] : {std::pair{1, 5}, std::pair{3, 0}, std::pair{5, 6}}) {
            const QString name = QStringLiteral("H%1x%2x%3").arg(month).arg(n).arg(weekday);
            // The rule (week, weekday), then the month.
            floating +=
                (n == 5 ? QByteArray("L") : QByteArray::number(n)) + QByteArray::number(weekday) +
                QByteArray::number(month).rightJustified(2, '0') + ' ' + name.toLatin1() + "\r\n";
            holidays.push_back({month, n, weekday, name});
        }
    }
    const QString calendar = writeLanguageCalendar(dir, {}, floating);
    const QString pdf = dir.filePath("egypt.pdf");
    const ToolRun run =
        qvftoolIn({"print", calendar, "--year", "2027", "--output", pdf, "--language", "ar_EG"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const double width = pdfPageSize(pdf).width();
    for (const Holiday& h : holidays) {
        SCOPED_TRACE(h.name.toStdString());
        QDate date; // the n-th (or last) weekday of the month
        int seen = 0;
        for (QDate d(2027, h.month, 1); d.month() == h.month && seen < h.n; d = d.addDays(1))
            if (d.dayOfWeek() % 7 == h.weekday) date = d, ++seen;
        const std::vector<PdfWord> words = pdfWords(pdf, h.month);
        const std::optional<PdfWord> word = findWord(words, h.name);
        ASSERT_TRUE(word);
        const int column = columnOf(word->xMin, width);
        EXPECT_EQ(column, (h.weekday - 6 + 7) % 7); // Saturday is the first column
        bool underItsDay = false;
        for (const PdfWord& w : words)
            underItsDay = underItsDay || (w.text == QString::number(date.day()) &&
                                          columnOf(w.xMin, width) == column &&
                                          w.yMin < word->yMin && word->yMin - w.yMin < 40);
        EXPECT_TRUE(underItsDay) << date.toString(Qt::ISODate).toStdString();
    }
}

TEST(QvfToolLanguage, WeekNumbersAndTheOptionsCheckTheirValues) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    const QString calendar = writeLanguageCalendar(dir, {});
    const QString pdf = dir.filePath("weeks.pdf");
    ToolRun run = qvftoolIn({"print", calendar, "--year", "2027", "--months", "3", "--output", pdf,
                             "--language", "de_DE", "--week-numbers"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const std::vector<PdfWord> words = pdfWords(pdf, 1);
    const std::optional<PdfWord> montag = findWord(words, QStringLiteral("Montag"));
    ASSERT_TRUE(montag);
    // The grid starts 0.3 inch right of the 0.75 inch margin; the numbers stand before it.
    QStringList weeks;
    for (const PdfWord& w : words)
        if (w.xMax < (0.75 + 0.3) * 72 && w.yMin > montag->yMax) weeks << w.text;
    EXPECT_EQ(weeks, QStringList({"9", "10", "11", "12", "13"}));

    for (const QStringList& wrong :
         {QStringList{"--language", "xx_YY"}, QStringList{"--first-day", "tuesday"},
          QStringList{"--language"}}) {
        run = qvftoolIn(QStringList{"print", calendar, "--year", "2027", "--output", pdf} + wrong);
        EXPECT_EQ(run.status, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: qvftool print")))
            << run.err.toStdString();
    }
}

TEST(QvfToolLanguage, UpcomingWritesItsDatesInTheLanguageAsked) {
    QTemporaryDir dir;
    const QString calendar =
        writeLanguageCalendar(dir, "03071961 1 Ann Smith\r\n", {}, "03162027 Zahnarzt\r\n");
    const QStringList base = {"upcoming", calendar, "--today", "2027-03-01"};
    EXPECT_EQ(qvftoolIn(base + QStringList{"--language", "de_DE"}).out,
              QString::fromUtf8("7. März 2027 (Birthday) - Ann Smith\n"
                                "16. März 2027 (Other) - Zahnarzt\n"));
    EXPECT_EQ(qvftoolIn(base).out, QStringLiteral("2027/03/07 (Birthday) - Ann Smith\n"
                                                  "2027/03/16 (Other) - Zahnarzt\n"));
    const ToolRun wrong = qvftoolIn(base + QStringList{"--language", "nowhere"});
    EXPECT_EQ(wrong.status, 2);
}

// The desktop's language as LANGUAGE names it, over a C locale for everything else: the
// pages of the "System" language are German through and through, not German weeks with
// English names.
TEST(QvfToolLanguage, TheSystemLanguageFollowsLanguageOverTheCLocale) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    const QString calendar = writeLanguageCalendar(dir, "03011951 1 Oma Rosa\r\n");
    const QString pdf = dir.filePath("system.pdf");
    const ToolRun run = qvftoolIn(
        {"print", calendar, "--year", "2027", "--months", "3", "--output", pdf, "--plain"}, "de");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = pdfText(pdf, 1);
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("März 2027\n"))) << text.toStdString();
    EXPECT_TRUE(text.simplified().contains(QString::fromUtf8("Oma Rosa – 76. Geburtstag")))
        << text.toStdString();
    const std::vector<PdfWord> words = pdfWords(pdf, 1);
    const std::optional<PdfWord> montag = findWord(words, QStringLiteral("Montag"));
    ASSERT_TRUE(montag);
    EXPECT_EQ(columnOf(montag->xMin, pdfPageSize(pdf).width()), 0);

    QTemporaryDir other;
    const QString upcoming = writeLanguageCalendar(other, "03071961 1 Ann Smith\r\n");
    EXPECT_EQ(qvftoolIn({"upcoming", upcoming, "--today", "2027-03-01"}, "de").out,
              QString::fromUtf8("7. März 2027 (Birthday) - Ann Smith\n"));
}
