#include "generator/BatchMode.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace qvfsch;

namespace {

struct BatchRun {
    int status = 0;
    QString out;
    QString err;
};

class Batch : public testing::Test {
  protected:
    QTemporaryDir dir;
    QRandomGenerator random{9};

    BatchRun run(const QStringList& arguments) {
        BatchRun result;
        QTextStream out(&result.out), err(&result.err);
        result.status = RunBatch(QStringList{"qvfsch"} + arguments, out, err, random);
        return result;
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    bool nothingWritten() const { return QDir(dir.path()).isEmpty(); }
};

} // namespace

TEST_F(Batch, WritesTheFilePrintsTheSummaryAndTheCount) {
    const BatchRun r = run({"--from", "2027-01-05", "--to", "2027-03-03", "--every", "3", "--name",
                            "Water the plants", "--output", path("plants")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(
        r.out.startsWith("Events occur between January 5, 2027 and March 3, 2027 every 3 day(s).\n"
                         "20 entries created\n"))
        << r.out.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    QFile file(path("plants.qvf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Version 2.0\r\nKestral Scheduler Data\r\n"));
}

TEST_F(Batch, WeekdaysByShortOrFullName) {
    const BatchRun r = run({"--from", "2027-01-04", "--to", "2027-01-17", "--weekdays",
                            "mon, Friday,SAT", "--name", "Run", "--output", path("run.qvf")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("every Monday, Friday, Saturday of every week.\n6 entries created"))
        << r.out.toStdString();
}

TEST_F(Batch, RefusesWhatTheWizardRefusesWithItsMessages) {
    const QStringList span = {"--from", "2027-01-05", "--to", "2027-01-05"};
    const QStringList rest = {"--every", "1", "--name", "x", "--output", path("x.qvf")};
    struct Case {
        QStringList arguments;
        QString message;
    };
    const std::vector<Case> cases = {
        {span + rest, "Invalid span of dates.\nEnding date must be at least one day later than "
                      "starting date.\n"},
        {QStringList{"--from", "2027-01-05", "--to", "2027-01-04"} + rest, "Invalid span"},
        {{"--from", "2027-01-05", "--to", "2027-02-05", "--weekdays", ",", "--name", "x",
          "--output", path("x.qvf")},
         "Please select days of the week for the event to occur on.\n"},
        {{"--from", "2027-01-04", "--to", "2027-01-09", "--weekdays", "Sun", "--name", "x",
          "--output", path("x.qvf")},
         "No data created.\n"},
    };
    for (const Case& c : cases) {
        const BatchRun r = run(c.arguments);
        EXPECT_EQ(r.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(nothingWritten());
    }
}

TEST_F(Batch, RefusesValuesTheWizardCouldNotHold) {
    const QStringList full = {"--from", "2027-01-05", "--to", "2027-03-03", "--every",
                              "3",      "--name",     "x",    "--output",   path("x.qvf")};
    auto with = [&](const QString& option, const QString& value) {
        QStringList arguments = full;
        arguments[arguments.indexOf(option) + 1] = value;
        return arguments;
    };
    auto without = [&](const QString& option) {
        QStringList arguments = full;
        arguments.remove(arguments.indexOf(option), 2);
        return arguments;
    };
    const std::vector<std::pair<QStringList, QString>> cases = {
        {with("--from", "1994-12-31"), "between 1995 and 2099"},
        {with("--to", "2100-01-01"), "between 1995 and 2099"},
        {with("--to", "2027-02-30"), "is not a date"},
        {with("--every", "0"), "from 1 to 31"},
        {with("--every", "32"), "from 1 to 31"},
        {with("--every", "two"), "from 1 to 31"},
        {full + QStringList{"--weekdays", "Mon"}, "either --every N or --weekdays DAYS"},
        {without("--every") + QStringList{"--weekdays", "Mon,3"}, "\"3\" is not a weekday"},
        {without("--every"), "either --every N or --weekdays DAYS"},
        {without("--from"), "Please give --from."},
        {without("--name"), "display name"},
        {with("--name", ""), "display name"},
        {with("--name", "line1\nline2"),
         "may not hold control characters such as line breaks or tabs (U+000A at character 6)"},
        {with("--name", "Tab\there"), "U+0009 at character 4"},
        {with("--name", "\x1b[31mred"), "U+001B at character 1"},
        {with("--name", QStringLiteral("end\u0085")), "U+0085"},
        {with("--name", QStringLiteral("two\u2028lines")), "U+2028"},
        {without("--output"), "--output"},
        {full + QStringList{"extra"}, "Unexpected argument \"extra\""},
        {full + QStringList{"--colour", "red"}, "colour"},
    };
    for (const auto& [arguments, message] : cases) {
        const BatchRun r = run(arguments);
        EXPECT_EQ(r.status, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(message))
            << message.toStdString() << " / " << r.err.toStdString();
        EXPECT_TRUE(nothingWritten());
    }
}

TEST_F(Batch, AFileThatCannotBeWrittenFailsWithItsReason) {
    const BatchRun r = run({"--from", "2027-01-05", "--to", "2027-01-08", "--every", "1", "--name",
                            "x", "--output", path("missing/x.qvf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(path("missing/x.qvf"))) << r.err.toStdString();
    EXPECT_FALSE(r.out.contains("Saved"));
}

TEST_F(Batch, HelpDescribesTheOptions) {
    const BatchRun r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option :
         {"--from", "--to", "--every", "--weekdays", "--name", "--output", "--add", "--replace"})
        EXPECT_TRUE(r.out.contains(QLatin1String(option))) << option;
    EXPECT_TRUE(nothingWritten());
}

// An existing file is replaced only when asked for; --add keeps all it holds.
TEST_F(Batch, AnExistingFileIsAddedToOrReplacedOnlyWhenAskedFor) {
    const QByteArray calendar = "Version 2.0\r\nFamily\r\nHeader1=\r\nHeader2=\r\n\r\n\r\n"
                                "[Birthday]\r\n03071961 1 Ann\r\n\r\n[Anniversary]\r\n\r\n"
                                "[Holiday]\r\n\r\n\r\n[Other]\r\n01052027 Dentist\r\n\r\n"
                                "[End of Data]\r\n";
    const QStringList series = {"--from", "2027-01-04", "--to", "2027-01-18", "--every",
                                "7",      "--name",     "Bins", "--output",   path("family.qvf")};
    const struct {
        QStringList options;
        QByteArray file;
        int status;
        const char* message; // on standard error, or the first line on standard output
    } cases[] = {
        {{},
         calendar,
         1,
         "family.qvf already exists. Give --add to add the events to it, or "
         "--replace to replace it."},
        {{"--add", "--replace"}, calendar, 1, "either --add or --replace"},
        {{"--add"}, "not a calendar", 1, "cannot add the events to"},
        {{"--add"}, calendar, 0, "Added to"},
        {{"--replace"}, calendar, 0, "Saved as"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        QFile file(path("family.qvf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.file);
        file.close();
        const BatchRun r = run(series + c.options);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE((c.status == 0 ? r.out : r.err).contains(QLatin1String(c.message)))
            << r.out.toStdString() << r.err.toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        file.close();
        if (c.status != 0) {
            EXPECT_EQ(after, c.file);
        } else if (c.options.contains("--add")) {
            EXPECT_TRUE(after.startsWith(calendar.left(calendar.indexOf("\r\n\r\n[End"))));
            EXPECT_EQ(after.size(), calendar.size() + 3 * QByteArray("01042027 Bins\r\n").size());
        } else {
            EXPECT_TRUE(after.startsWith("Version 2.0\r\nKestral Scheduler Data\r\n"));
        }
    }
}
