#include "drawing/MoonPhases.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace {

QDateTime utc(int y, int m, int d, int h = 0, int min = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, min), QTimeZone::utc());
}

// A remind script that walks each phase from 2000 to past 2099 with moondate() and prints
// "phase year month day" for each. Each search starts a week after the phase found last:
// from the next day, moondate() can return the phase before it once in a while.
QByteArray remindScript() {
    // 100 years hold 1237 lunations; a few more reach past the end of 2099.
    constexpr int kPerPhase = 1240;
    QByteArray script;
    for (int phase = 0; phase < 4; ++phase) {
        script += "SET d moondate(" + QByteArray::number(phase) + ", '2000-01-01')\n";
        for (int i = 0; i < kPerPhase; ++i) {
            script += "MSG " + QByteArray::number(phase) + " [year(d)] [monnum(d)] [day(d)]%\n";
            script += "SET d moondate(" + QByteArray::number(phase) + ", d+7)\n";
        }
    }
    return script;
}

// The dates remind gives for each phase (0 new to 3 last quarter) in 2000 to 2099, in UTC.
std::array<std::vector<QDate>, 4> remindPhaseDates(const QString& remind) {
    std::array<std::vector<QDate>, 4> dates;
    QTemporaryFile file;
    if (!file.open()) return dates;
    file.write(remindScript());
    file.close();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TZ", "UTC");
    process.setProcessEnvironment(env);
    process.start(remind, {"-q", file.fileName(), "2000-01-01"});
    process.waitForFinished(120000);
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.trimmed().split(' ');
        if (f.size() != 4) continue;
        const QDate date(f[1].toInt(), f[2].toInt(), f[3].toInt());
        const int phase = f[0].toInt();
        if (date.isValid() && date.year() <= 2099 && phase >= 0 && phase < 4)
            dates[phase].push_back(date);
    }
    return dates;
}

// Minutes from the instant to the nearest midnight.
int minutesFromMidnight(const QDateTime& when) {
    const int m = when.time().hour() * 60 + when.time().minute();
    return std::min(m, 24 * 60 - m);
}

} // namespace

TEST(MoonPhasesTest, EveryPhaseFrom2000To2099MatchesRemind) {
    const QString remind = QStandardPaths::findExecutable("remind");
    if (remind.isEmpty())
        GTEST_SKIP() << "remind is not installed: the independent moon phase dates are missing";
    const auto expected = remindPhaseDates(remind);
    const auto phases = MoonPhaseInstants(utc(2000, 1, 1), utc(2100, 1, 1));

    std::array<std::vector<MoonPhaseInstant>, 4> ours;
    for (std::size_t i = 0; i < phases.size(); ++i) {
        // In time order, each quarter following the one before.
        if (i > 0) {
            ASSERT_LT(phases[i - 1].when, phases[i].when);
            ASSERT_EQ((static_cast<int>(phases[i - 1].phase) + 1) % 4,
                      static_cast<int>(phases[i].phase));
        }
        ours[static_cast<int>(phases[i].phase)].push_back(phases[i]);
    }
    for (int phase = 0; phase < 4; ++phase) {
        SCOPED_TRACE(phase);
        ASSERT_GT(expected[phase].size(), 1200u);
        ASSERT_EQ(ours[phase].size(), expected[phase].size());
        for (std::size_t i = 0; i < ours[phase].size(); ++i) {
            const QDateTime when = ours[phase][i].when;
            const qint64 apart = std::abs(when.date().daysTo(expected[phase][i]));
            const bool nearMidnight = minutesFromMidnight(when) <= 120;
            EXPECT_TRUE(apart == 0 || (apart == 1 && nearMidnight))
                << when.toString(Qt::ISODate).toStdString() << " against remind's "
                << expected[phase][i].toString(Qt::ISODate).toStdString();
        }
    }
}

TEST(MoonPhasesTest, DaysFollowTheZoneAndTheRange) {
    // The new moon of 6 January 2000 fell at 18:14 UTC: the 7th in Tokyo, the 6th in New
    // York; the full moon of 21 January at 04:41 UTC is the 20th in New York.
    struct Case {
        const char* zone;
        QDate first;
        QDate last;
        std::vector<MoonPhaseDay> days;
    };
    const std::vector<Case> cases = {
        {"UTC",
         {2000, 1, 6},
         {2000, 1, 21},
         {{{2000, 1, 6}, MoonPhase::New},
          {{2000, 1, 14}, MoonPhase::FirstQuarter},
          {{2000, 1, 21}, MoonPhase::Full}}},
        {"Asia/Tokyo", {2000, 1, 6}, {2000, 1, 7}, {{{2000, 1, 7}, MoonPhase::New}}},
        {"America/New_York",
         {2000, 1, 6},
         {2000, 1, 20},
         {{{2000, 1, 6}, MoonPhase::New},
          {{2000, 1, 14}, MoonPhase::FirstQuarter},
          {{2000, 1, 20}, MoonPhase::Full}}},
        {"UTC", {2000, 1, 7}, {2000, 1, 13}, {}},
        {"UTC", {2000, 1, 21}, {2000, 1, 6}, {}},
        {"UTC", {}, {2000, 1, 6}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.first.toString(Qt::ISODate).toStdString());
        const auto days = MoonPhasesIn(c.first, c.last, QTimeZone(c.zone));
        ASSERT_EQ(days.size(), c.days.size());
        for (std::size_t i = 0; i < days.size(); ++i) {
            EXPECT_EQ(days[i].date, c.days[i].date);
            EXPECT_EQ(days[i].phase, c.days[i].phase);
        }
    }
}
