#include "PdfTools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// qvftool print: the pages of the print window, into a PDF file, without a display.

namespace {

int qvftool(const QStringList& args, QString* err = nullptr,
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
    ASSERT_EQ(qvftool({"print", kCalendar, "--year", "2027", "--output", year}, &err), 0)
        << err.toStdString();
    EXPECT_EQ(pdfPages(year), 12);
    const QString march = pdfText(year, 3);
    EXPECT_TRUE(march.startsWith(QStringLiteral("March 2027\nOur Family 2027\n")))
        << march.toStdString();

    const QString two = dir.filePath("two.pdf");
    ASSERT_EQ(
        qvftool({"print", kCalendar, "--months", "11,3,11", "--year", "2028", "--output", two}), 0);
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
        EXPECT_EQ(qvftool(args, &err), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("qvftool print FILE --year YEAR")));
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(qvftool({"print", dir.filePath("missing.qvf"), "--year", "2027", "--output", out}),
              1);
    EXPECT_EQ(qvftool({"print", kCalendar, "--year", "2027", "--output",
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
        process.start(
            QStringLiteral(QVFTOOL_PATH),
            {"print", kCalendar, "--year", "2027", "--months", "3", "--output", out, "--settings"});
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
    ASSERT_EQ(
        qvftool({"print", calendar, "--year", "2027", "--months", "7", "--output", marked}, &err),
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
    ASSERT_EQ(qvftool({"print", calendar, "--year", "2027", "--months", "7", "--output", cut,
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
