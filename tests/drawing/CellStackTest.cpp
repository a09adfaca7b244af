#include "drawing/CellStack.h"
#include "drawing/FitReport.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

// The entries of one cell together. On the recording surface a 500-point font is 5 units a
// character and 10 a line; the cell's lines start at y 0 and may be 10 characters wide.

namespace {

struct CellCase {
    const char* name;
    QStringList entries;
    double bottom; // 40: room for four lines
    FullCell rule;
    QStringList drawn; // the texts written, top to bottom
    int notFitting;
    double width = 50;
};

class CellStack : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellStack, WritesWholeEntriesAndMarksWhatIsLeftOut) {
    const CellCase& c = GetParam();
    RecordingSurface surface;
    surface.setFont({QStringLiteral("Test"), 500});
    std::vector<PlacedEntry> placed;
    for (const QString& text : c.entries)
        placed.push_back({EntryKind::Other, 0, 3, text, QStringLiteral("&HFF")});
    CellLineY lines{};
    const std::vector<CellReport> reports = WriteMonthEntries(
        surface, placed,
        [&](int) {
            return CellBox{0, c.width, c.bottom};
        },
        lines, c.rule);

    EXPECT_EQ(surface.allTexts(), c.drawn);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].cell, 3);
    EXPECT_EQ(reports[0].notFitting(), c.notFitting);
    // Entries are written from the top; the mark takes the cell's last line, and the cell's
    // next line is below it.
    const int room = int(c.bottom / 10);
    for (std::size_t i = 0; i < surface.texts.size(); ++i) {
        const bool mark = surface.texts[i].text.startsWith(u'+');
        EXPECT_EQ(surface.texts[i].y, mark ? 10.0 * (room - 1) : 10.0 * i);
        if (mark) {
            EXPECT_EQ(surface.texts[i].color, QColor(Qt::black));
            EXPECT_EQ(lines[3], 10.0 * room);
        }
    }
}

const QString kTwoLines = QStringLiteral("cccc dddd eeee"); // "cccc dddd", "eeee"

INSTANTIATE_TEST_SUITE_P(
    Cells, CellStack,
    ::testing::Values(
        CellCase{
            "AllFitNoMark", {"a", "bb bb", "c"}, 40, FullCell::MarkMore, {"a", "bb bb", "c"}, 0},
        CellCase{"FiveOneLinersInFourLines",
                 {"a", "b", "c", "d", "e"},
                 40,
                 FullCell::MarkMore,
                 {"a", "b", "c", "+2 more"},
                 2},
        CellCase{"AWrappedEntryIsShownWholeOrNotAtAll",
                 {"a", "b", kTwoLines, "d"},
                 40,
                 FullCell::MarkMore,
                 {"a", "b", "+2 more"},
                 2},
        CellCase{"AWordTooWideIsBrokenInsideAndShown",
                 {"a", "abcdefghijk"},
                 40,
                 FullCell::MarkMore,
                 {"a", "abcdefghij", "k"},
                 0},
        CellCase{"ABrokenWordWithoutRoomIsCounted",
                 {"a", "b", "abcdefghijklmnopqrstu"},
                 40,
                 FullCell::MarkMore,
                 {"a", "b", "+1 more"},
                 1},
        CellCase{
            "RoomForOneLineHoldsOnlyTheMark", {"a", "b"}, 10, FullCell::MarkMore, {"+2 more"}, 2},
        CellCase{"NoRoomShowsNothing", {"a"}, 5, FullCell::MarkMore, {}, 1},
        CellCase{"ANarrowCellShortensTheMark",
                 {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m"},
                 40,
                 FullCell::MarkMore,
                 {"a", "b", "c", "+10"},
                 10,
                 30},
        CellCase{"WithoutTheMarkTheLastEntryIsCut",
                 {"a", "b", kTwoLines, "d"},
                 30,
                 FullCell::Cut,
                 {"a", "b", "cccc dddd"},
                 2},
        CellCase{"WithoutTheMarkABrokenWordIsCutAtTheBottom",
                 {"a", "abcdefghijklmnopqrstuvwxyz"},
                 30,
                 FullCell::Cut,
                 {"a", "abcdefghij", "klmnopqrst"},
                 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellStackReports, EntriesOfNoDayAreReportedFirstAndCellsFollowInOrder) {
    RecordingSurface surface;
    surface.setFont({QStringLiteral("Test"), 500});
    const std::vector<PlacedEntry> placed = {
        {EntryKind::Other, 0, 9, QStringLiteral("later"), QStringLiteral("&H0")},
        {EntryKind::Holiday, 1, kUnplaceable, QStringLiteral("Day zero"), QStringLiteral("&H0")},
        {EntryKind::Birthday, 2, 4, QStringLiteral("earlier"), QStringLiteral("blue")}};
    CellLineY lines{};
    const auto reports = WriteMonthEntries(
        surface, placed,
        [](int) {
            return CellBox{0, 50, 40};
        },
        lines, FullCell::MarkMore);
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].cell, kUnplaceable);
    EXPECT_EQ(reports[1].cell, 4);
    EXPECT_EQ(reports[2].cell, 9);
    // No day, and a colour that is no colour: left out and reported, without a word.
    EXPECT_EQ(reports[0].cannotShow().size(), 1u);
    EXPECT_EQ(reports[1].cannotShow().size(), 1u);
    EXPECT_EQ(surface.allTexts(), QStringList({"+1 more", "later"}));

    // March 2027 starts on a Monday: cell 4 is the 4th, cell 9 the 9th.
    std::vector<FitProblem> problems;
    AddFitProblems(problems, MonthGrid::of(2027, 3), reports);
    EXPECT_EQ(FitProblemLines(problems),
              QStringList({"March 2027: \"Day zero\" cannot be shown: its date names no day of "
                           "the month",
                           "March 4, 2027: \"earlier\" cannot be shown: the colour of its kind is "
                           "not a colour"}));
}

TEST(FitProblemLines, CountTheEntriesOfADayThatDoNotFit) {
    const std::vector<FitProblem> problems = {
        {2027, 7, 4, 9, 3, {}},
        {2027,
         7,
         5,
         9,
         1,
         {QStringLiteral("\"Abcdefghijklmnop\" cannot be shown: the colour of its kind is "
                         "not a colour")}},
        {2027, 7, 6, 1, 1, {}}};
    EXPECT_EQ(FitProblemLines(problems),
              QStringList({"July 4, 2027: 3 of 9 entries do not fit",
                           "July 5, 2027: 1 of 9 entries does not fit",
                           "July 5, 2027: \"Abcdefghijklmnop\" cannot be shown: the colour of "
                           "its kind is not a colour",
                           "July 6, 2027: 1 of 1 entry does not fit"}));
}

} // namespace

// The mark of a full day is written in the page's language, and shortens to "+N" in a cell
// too narrow for the words.
TEST(CellStackReports, TheMarkOfAFullDaySpeaksThePagesLanguage) {
    struct Case {
        QLocale::Language language;
        double width;
        const char* mark;
    };
    const Case cases[] = {
        {QLocale::English, 100, "+2 more"},   {QLocale::German, 100, "+2 weitere"},
        {QLocale::French, 100, "+2 de plus"}, {QLocale::Spanish, 100, "+2 más"},
        {QLocale::Italian, 100, "+2 more"},   {QLocale::German, 40, "+2"},
    };
    for (const Case& c : cases) {
        RecordingSurface surface;
        surface.setFont({QStringLiteral("Test"), 500});
        std::vector<PlacedEntry> placed;
        for (const char* text : {"a", "b", "c"})
            placed.push_back({EntryKind::Other, 0, 3, QString::fromLatin1(text), "&HFF"});
        CellLineY lines{};
        WriteMonthEntries(
            surface, placed,
            [&](int) {
                return CellBox{0, c.width, 20};
            },
            lines, FullCell::MarkMore, c.language);
        EXPECT_EQ(surface.allTexts(), QStringList({"a", QString::fromUtf8(c.mark)})) << c.mark;
    }
}
