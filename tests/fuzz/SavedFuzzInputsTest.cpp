// Every input kept for the fuzz targets (the seeds and the inputs of faults they found) goes
// through the target's checks in every build, so a reader or import change that breaks one
// of its rules fails here without a fuzzing run.

#include "fuzz/CalendarReaderChecks.h"
#include "fuzz/ICalendarImportChecks.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const QStringList kFolders = {QStringLiteral("corpus"), QStringLiteral("regressions")};
const QStringList kICalendarFolders = {QStringLiteral("ics-corpus"),
                                       QStringLiteral("ics-regressions")};

// "corpus/plain.qvf" and so on, sorted.
std::vector<std::string> savedInputs(const QStringList& folders = kFolders) {
    std::vector<std::string> inputs;
    const QDir fuzz(QStringLiteral(DAYLARK_FUZZ_DIR));
    for (const QString& folder : folders) {
        const QDir dir(fuzz.filePath(folder));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            inputs.push_back((folder + u'/' + name).toStdString());
    }
    return inputs;
}

class SavedFuzzInput : public testing::TestWithParam<std::string> {};

QByteArray savedInput(const std::string& path) {
    QFile file(QDir(QStringLiteral(DAYLARK_FUZZ_DIR)).filePath(QString::fromStdString(path)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return file.readAll();
}

TEST_P(SavedFuzzInput, KeepsEveryReaderRule) {
    const auto broken = CheckCalendarInput(savedInput(GetParam()));
    EXPECT_FALSE(broken.has_value()) << broken.value_or("");
}

class SavedICalendarInput : public testing::TestWithParam<std::string> {};

TEST_P(SavedICalendarInput, KeepsEveryImportRule) {
    const auto broken = CheckICalendarInput(savedInput(GetParam()));
    EXPECT_FALSE(broken.has_value()) << broken.value_or("");
}

// Test names allow only letters, digits and underscores.
std::string testName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(FuzzFolders, SavedFuzzInput, testing::ValuesIn(savedInputs()), testName);
INSTANTIATE_TEST_SUITE_P(FuzzFolders, SavedICalendarInput,
                         testing::ValuesIn(savedInputs(kICalendarFolders)), testName);

// A moved or emptied folder must not make the replay pass by running nothing.
TEST(SavedFuzzInputs, BothFoldersHoldInputs) {
    const auto inputs = savedInputs(kFolders + kICalendarFolders);
    for (const QString& folder : kFolders + kICalendarFolders) {
        const std::string prefix = folder.toStdString() + '/';
        EXPECT_TRUE(std::any_of(inputs.begin(), inputs.end(), [&](const std::string& path) {
            return path.starts_with(prefix);
        })) << prefix;
    }
}

} // namespace
