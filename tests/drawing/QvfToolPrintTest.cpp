#include "PdfTools.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// qvftool print: the pages of the print window, into a PDF file, without a display.

namespace {

int toolStatus(const QStringList& args, QString* err = nullptr,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QVFTOOL_PATH), args);
    process.waitForFinished(60000);
    if (err) *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

const QString kCalendar = QStringLiteral(DAYLARK_TEST_DATA "/handwritten.qvf");

} // namespace

TEST(QvfToolPrint, PrintsAYearOrTheNamedMonthsWithTheDefaultLayout) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    const QString year = dir.filePath("year.pdf");
    QString err;
    ASSERT_EQ(toolStatus({"print", kCalendar, "--year", "2027", "--output", year, "--plain"}, &err),
              0)
        << err.toStdString();
    EXPECT_EQ(pdfPages(year), 12);
    const QString march = pdfText(year, 3);
    EXPECT_TRUE(march.startsWith(QStringLiteral("March 2027\nOur Family 2027\n")))
        << march.toStdString();

    const QString two = dir.filePath("two.pdf");
    ASSERT_EQ(toolStatus({"print", kCalendar, "--months", "11,3,11", "--year", "2028", "--output",
                          two, "--plain"}),
              0);
    EXPECT_EQ(pdfPages(two), 2); // in calendar order, each month once
    EXPECT_TRUE(pdfText(two, 1).startsWith(QStringLiteral("March 2028")));
    EXPECT_TRUE(pdfText(two, 2).startsWith(QStringLiteral("November 2028")));
    EXPECT_TRUE(pdfText(two, 2).contains(QStringLiteral("Thanksgiving")));
}

TEST(QvfToolPrint, BadArgumentsShowTheUsageAndFailuresExitWithOne) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.pdf");
    for (const QStringList& args :
         {QStringList{"print", kCalendar, "--output", out},
          QStringList{"print", kCalendar, "--year", "1979", "--output", out},
          QStringList{"print", kCalendar, "--year", "2027", "--months", "3,13", "--output", out},
          QStringList{"print", kCalendar, "--year", "2027"},
          QStringList{"print", kCalendar, "--year", "2027", "--output", out, "--colour"}}) {
        QString err;
        EXPECT_EQ(toolStatus(args, &err), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("qvftool print FILE --year YEAR")));
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(toolStatus({"print", dir.filePath("missing.qvf"), "--year", "2027", "--output", out}),
              1);
    EXPECT_EQ(toolStatus({"print", kCalendar, "--year", "2027", "--output",
                          dir.filePath("no/folder/out.pdf")}),
              1);
}

// Stored layouts with absurd numbers: paper sizes and margins outside the paper read as their
// defaults and give a sound PDF; a layout that leaves the grid no room prints nothing.
TEST(QvfToolPrint, StoredLayoutsArePrintedSoundlyOrRefused) {
    SKIP_WITHOUT_POPPLER();
    struct Case {
        const char* layout;
        int status;
    };
    const std::vector<Case> cases = {
        {"PaperSize=Custom\nPaperSizeWidth=1e30\nPaperSizeHeight=11\n", 0},
        {"PaperSize=Custom\nPaperSizeWidth=100000\nPaperSizeHeight=100000\n", 0},
        {"PaperSize=Custom\nPaperSizeWidth=-8.5\nPaperSizeHeight=-11\nMarginTop=1e30\n", 0},
        {"MarginLeft=1e30\nMarginRight=-3\nMarginTop=nan\n", 0},
        {"PaperSize=Custom\nPaperSizeWidth=2\nPaperSizeHeight=2\nMarginTop=0.9\n"
         "MarginBottom=0.9\n",
         1},
    };
    for (const Case& c : cases) {
        QTemporaryDir config;
        QDir().mkpath(config.filePath("Daylark"));
        QFile conf(config.filePath("Daylark/Daylark.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[Software]\n");
        for (const QByteArray& line : QByteArray(c.layout).split('\n'))
            if (!line.isEmpty()) conf.write("Daylark\\Layout\\" + line + '\n');
        conf.close();
        QTemporaryDir dir;
        const QString out = dir.filePath("out.pdf");
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QVFTOOL_PATH),
                      {"print", kCalendar, "--year", "2027", "--months", "3", "--output", out,
                       "--settings", "--plain"});
        process.waitForFinished(60000);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), c.status) << c.layout << err.toStdString();
        if (c.status == 0) {
            const QSizeF page = pdfPageSize(out);
            EXPECT_TRUE(page.width() > 72 && page.width() < 7200) << c.layout;
            EXPECT_TRUE(pdfText(out, 1).startsWith(QStringLiteral("March 2027"))) << c.layout;
        } else {
            EXPECT_TRUE(err.contains(QStringLiteral("no room for the calendar grid")))
                << err.toStdString();
            EXPECT_FALSE(QFile::exists(out));
        }
    }
}

// Eight one-line events on 4 July 2027, a Sunday; the day's cell holds four lines.
TEST(QvfToolPrint, ADayWithMoreEntriesThanFitEndsWithTheCountOfTheOthers) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    const QStringList names = {"Alpha", "Bravo",   "Charlie", "Delta",
                               "Echo",  "Foxtrot", "Golf",    "Hotel"};
    QByteArray text = "Version 2.0\r\nBusy\r\nHeader1=\r\nHeader2=\r\n\r\n[Birthday]\r\n\r\n"
                      "[Anniversary]\r\n\r\n[Holiday]\r\n\r\n\r\n[Other]\r\n";
    for (const QString& name : names)
        text += "07042027 " + name.toLatin1() + "\r\n";
    text += "\r\n[End of Data]\r\n";
    const QString calendar = dir.filePath("busy.qvf");
    QFile file(calendar);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    // Which of the names a page shows, and the N of its "+N more" (0 without one).
    auto shown = [&](const QString& page, int* more) {
        QStringList found;
        for (const QString& name : names)
            if (page.contains(name)) found << name;
        const QRegularExpressionMatch m = QRegularExpression("\\+(\\d+) more").match(page);
        *more = m.hasMatch() ? m.captured(1).toInt() : 0;
        return found;
    };
    const QString marked = dir.filePath("marked.pdf");
    QString err;
    ASSERT_EQ(toolStatus({"print", calendar, "--year", "2027", "--months", "7", "--output", marked},
                         &err),
              0);
    int more = 0;
    const QStringList first = shown(pdfText(marked), &more);
    EXPECT_EQ(first, names.mid(0, first.size())); // the first ones, in order
    EXPECT_GE(first.size(), 1);
    EXPECT_EQ(more, names.size() - first.size());
    EXPECT_TRUE(
        err.contains(QStringLiteral("July 4, 2027: %1 of 8 entries do not fit\n").arg(more)))
        << err.toStdString();

    // With the mark turned off in the stored layout, the old cut: one more line of names,
    // nothing to say so on the page, the same warning on standard error.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    QDir().mkpath(dir.filePath("config/Daylark"));
    QFile conf(dir.filePath("config/Daylark/Daylark.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Software]\nDaylark\\Layout\\MarkOverfullDays=False\n");
    conf.close();
    const QString cut = dir.filePath("cut.pdf");
    ASSERT_EQ(toolStatus({"print", calendar, "--year", "2027", "--months", "7", "--output", cut,
                          "--settings"},
                         &err, env),
              0);
    int none = -1;
    EXPECT_EQ(shown(pdfText(cut), &none), names.mid(0, first.size() + 1));
    EXPECT_EQ(none, 0);
    EXPECT_TRUE(
        err.contains(QStringLiteral("July 4, 2027: %1 of 8 entries do not fit").arg(more - 1)))
        << err.toStdString();
}

namespace {

// A calendar file of kCalendar's form with the given entry lines under their sections.
QString writeCalendar(const QTemporaryDir& dir, const QByteArray& birthdays,
                      const QByteArray& others) {
    const QByteArray text =
        "Version 2.0\r\nLong words\r\nHeader1=\r\nHeader2=\r\n\r\n[Birthday]\r\n" + birthdays +
        "\r\n[Anniversary]\r\n\r\n[Holiday]\r\n\r\n\r\n[Other]\r\n" + others +
        "\r\n[End of Data]\r\n";
    const QString path = dir.filePath("calendar.qvf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
    return path;
}

// A stored layout of the given lines, in a configuration folder of the test's own.
QProcessEnvironment storedLayout(const QTemporaryDir& dir, const QByteArray& lines) {
    QDir().mkpath(dir.filePath("config/Daylark"));
    QFile conf(dir.filePath("config/Daylark/Daylark.conf"));
    if (conf.open(QIODevice::WriteOnly)) {
        conf.write("[Software]\n");
        for (const QByteArray& line : lines.split('\n'))
            if (!line.isEmpty()) conf.write("Daylark\\Layout\\" + line + '\n');
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    return env;
}

} // namespace

// Letter paper upright and a 12-point date font leave narrow columns: a 40-character word is
// broken inside its column and shown, on the page and with nothing on standard error.
TEST(QvfToolPrint, AWordWiderThanItsColumnIsPrintedBrokenInsideIt) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    const QByteArray word = "Supercalifragilisticexpialidocious-Party"; // 40 characters
    ASSERT_EQ(word.size(), 40);
    const QString calendar =
        writeCalendar(dir, "07041990 1 Independence-Day-Parade-Committee-Chairperson\r\n",
                      "07052027 " + word + "\r\n");
    const QProcessEnvironment env =
        storedLayout(dir, "PaperSize=Custom\nPaperSizeWidth=8.5\nPaperSizeHeight=11\n"
                          "PaperOrientation=Portrait\nFontSizeDates=12\n");
    const QString out = dir.filePath("july.pdf");
    QString err;
    ASSERT_EQ(toolStatus({"print", calendar, "--year", "2027", "--months", "7", "--output", out,
                          "--settings", "--plain"},
                         &err, env),
              0)
        << err.toStdString();
    // Every entry shown, nothing announced.
    for (const char* said : {"do not fit", "does not fit", "cannot be shown", "error"})
        EXPECT_FALSE(err.contains(QLatin1String(said))) << err.toStdString();
    const QString page = pdfText(out, 1);
    EXPECT_TRUE(page.contains(QStringLiteral("Supercalif"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Independ")));
    // The pieces of the word are all that the column of Monday 5 July holds besides its name
    // and day numbers: between the second and third of the eight upright lines 1 inch apart
    // from 0.75 inch, one below the other.
    QString pieces;
    double lastTop = 0;
    for (const PdfWord& w : pdfWords(out, 1)) {
        bool number = false;
        w.text.toInt(&number);
        if (number || w.text == QLatin1String("Monday") || w.xMin < 1.75 * 72 || w.xMin > 2.75 * 72)
            continue;
        pieces += w.text;
        EXPECT_LE(w.xMax, 2.75 * 72) << w.text.toStdString();
        EXPECT_GT(w.yMin, lastTop) << w.text.toStdString();
        lastTop = w.yMin;
    }
    EXPECT_EQ(pieces.toStdString(), word.toStdString());
}

// With the layout's default "not shown", a common year's February names the 29 February
// birthdays it leaves out, and where the layout can place them.
TEST(QvfToolPrint, ACommonYearNamesThe29FebruaryBirthdaysItLeavesOut) {
    QTemporaryDir dir;
    const QString calendar = writeCalendar(dir, "02291992 3 Leap Lad\r\n", "");
    const QString out = dir.filePath("february.pdf");
    for (const auto& [year, listed] : {std::pair{"2027", true}, {"2028", false}}) {
        QString err;
        ASSERT_EQ(
            toolStatus({"print", calendar, "--year", year, "--months", "2", "--output", out}, &err),
            0);
        EXPECT_EQ(err.contains(QStringLiteral("February 2027: the birthday of \"Leap Lad\" (29 "
                                              "February 1992) is not shown: 2027 has no 29 "
                                              "February\n")),
                  listed)
            << err.toStdString();
        EXPECT_EQ(err.contains(QStringLiteral("on 28 February or on 1 March")), listed);
    }
}

// The default layout prints the months before and after in small, and a month of five weeks
// in five rows; --plain prints the six-row grid alone.
TEST(QvfToolPrint, TheDefaultPagesShowTheNeighbouringMonthsAndPlainLeavesThemOut) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    const QString extras = dir.filePath("extras.pdf");
    const QString plain = dir.filePath("plain.pdf");
    ASSERT_EQ(
        toolStatus({"print", kCalendar, "--year", "2027", "--months", "3", "--output", extras}), 0);
    ASSERT_EQ(toolStatus({"print", kCalendar, "--year", "2027", "--months", "3", "--output", plain,
                          "--plain"}),
              0);
    for (const char* neighbour : {"February 2027", "April 2027"}) {
        EXPECT_TRUE(pdfText(extras, 1).contains(QLatin1String(neighbour))) << neighbour;
        EXPECT_FALSE(pdfText(plain, 1).contains(QLatin1String(neighbour))) << neighbour;
    }
}

// --year-page alone writes the year on one page, with every month name of the page's
// language; with --months the named months follow it.
TEST(QvfToolPrint, YearPageAloneOrBeforeTheNamedMonths) {
    SKIP_WITHOUT_POPPLER();
    QTemporaryDir dir;
    for (const char* language : {"en_US", "de_DE"}) {
        SCOPED_TRACE(language);
        const QString out = dir.filePath(QStringLiteral("year-%1.pdf").arg(language));
        QString err;
        ASSERT_EQ(toolStatus({"print", kCalendar, "--year", "2027", "--year-page", "--language",
                              language, "--output", out},
                             &err),
                  0)
            << err.toStdString();
        EXPECT_EQ(pdfPages(out), 1);
        const QString text = pdfText(out);
        const QLocale locale(QString::fromLatin1(language));
        for (int m = 1; m <= 12; ++m) {
            const QString name = locale.standaloneMonthName(m);
            EXPECT_TRUE(text.contains(name, Qt::CaseInsensitive)) << name.toStdString();
        }
        EXPECT_TRUE(text.contains(QStringLiteral("Our Family 2027")));
        EXPECT_FALSE(text.contains(QStringLiteral("Thanksgiving"))); // no month page
    }
    const QString both = dir.filePath("both.pdf");
    ASSERT_EQ(toolStatus({"print", kCalendar, "--year", "2027", "--year-page", "--months", "11,3",
                          "--output", both, "--plain"}),
              0);
    EXPECT_EQ(pdfPages(both), 3);
    EXPECT_TRUE(pdfText(both, 1).startsWith(QStringLiteral("2027\n")));
    EXPECT_TRUE(pdfText(both, 2).startsWith(QStringLiteral("March 2027")));
    EXPECT_TRUE(pdfText(both, 3).startsWith(QStringLiteral("November 2027")));
}
