// Every input kept for the fuzz target (the seeds and the inputs of faults it found) goes
// through the target's checks in every build, so a reader change that breaks one of its
// rules fails here without a fuzzing run.

#include "fuzz/CalendarReaderChecks.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const QStringList kFolders = {QStringLiteral("corpus"), QStringLiteral("regressions")};

// "corpus/plain.qvf" and so on, sorted.
std::vector<std::string> savedInputs() {
    std::vector<std::string> inputs;
    const QDir fuzz(QStringLiteral(DAYLARK_FUZZ_DIR));
    for (const QString& folder : kFolders) {
        const QDir dir(fuzz.filePath(folder));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            inputs.push_back((folder + u'/' + name).toStdString());
    }
    return inputs;
}

class SavedFuzzInput : public testing::TestWithParam<std::string> {};

TEST_P(SavedFuzzInput, KeepsEveryReaderRule) {
    QFile file(QDir(QStringLiteral(DAYLARK_FUZZ_DIR)).filePath(QString::fromStdString(GetParam())));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const auto broken = CheckCalendarInput(file.readAll());
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

// A moved or emptied folder must not make the replay pass by running nothing.
TEST(SavedFuzzInputs, BothFoldersHoldInputs) {
    const auto inputs = savedInputs();
    for (const QString& folder : kFolders) {
        const std::string prefix = folder.toStdString() + '/';
        EXPECT_TRUE(std::any_of(inputs.begin(), inputs.end(), [&](const std::string& path) {
            return path.starts_with(prefix);
        })) << prefix;
    }
}

} // namespace
