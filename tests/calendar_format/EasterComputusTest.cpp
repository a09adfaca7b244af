#include "calendar_format/HolidayRules.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// Easter Sundays of 1880 to 2099 from an independent implementation of the computus,
// python3-dateutil's dateutil.easter: one line per year, "YYYY-MM-DD YYYY-MM-DD", Western
// then Orthodox (as a Gregorian date). Nothing, with the reason, when it cannot run.
std::optional<QStringList> dateutilEasters(QString& reason) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        reason = QStringLiteral("python3 is not installed");
        return std::nullopt;
    }
    QProcess process;
    process.start(python, {QStringLiteral("-c"),
                           QStringLiteral("from dateutil.easter import easter, EASTER_ORTHODOX\n"
                                          "for y in range(1880, 2100):\n"
                                          "    print(easter(y), easter(y, EASTER_ORTHODOX))\n")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        reason = QStringLiteral("python3-dateutil is not installed: ") +
                 QString::fromUtf8(process.readAllStandardError()).trimmed();
        return std::nullopt;
    }
    return QString::fromLatin1(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(EasterComputus, MatchesDateutilForBothChurches1880To2099) {
    QString reason;
    const std::optional<QStringList> lines = dateutilEasters(reason);
    if (!lines) GTEST_SKIP() << reason.toStdString();
    ASSERT_EQ(lines->size(), 2099 - 1880 + 1);
    for (int year = 1880; year <= 2099; ++year) {
        const QStringList both = lines->at(year - 1880).split(u' ');
        ASSERT_EQ(both.size(), 2) << year;
        EXPECT_EQ(WesternEaster(year), QDate::fromString(both[0], Qt::ISODate)) << year;
        EXPECT_EQ(OrthodoxEaster(year), QDate::fromString(both[1], Qt::ISODate)) << year;
    }
}
