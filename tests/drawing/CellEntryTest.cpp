#include "drawing/CellEntry.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

// One unit per character.
std::optional<QStringList> wrap(const QString& text, double width) {
    return WrapCellText(text, width, [](const QString& t) { return double(t.size()); });
}

// A cell whose lines start at x 1, may be 1.3 wide and must end by y 1.0; the recording
// surface's 10-point lines are 0.2 high and its characters 0.1 wide.
struct CellFixture : ::testing::Test {
    RecordingSurface surface;
    ScriptedDialogs dialogs;
    CellLineY lines{};
    static constexpr int kCell = 9;

    CellFixture() {
        surface.setFont({QStringLiteral("Arial"), 10});
        lines[kCell] = 0.3;
    }
    bool write(const QString& text, const QString& color = QStringLiteral("&HFF"),
               int cell = kCell) {
        return WriteCellEntry(
            surface, dialogs, color, cell, text,
            [](int) {
                return CellBox{1.0, 1.3, 1.0};
            },
            lines);
    }
};

} // namespace

TEST(WrapCellText, CutsAtTheLastBlankThatFitsAndTrimsThePieces) {
    EXPECT_EQ(wrap(QStringLiteral("Ann Smith -- 66th Birthday"), 13),
              QStringList({"Ann Smith --", "66th Birthday"}));
    EXPECT_EQ(wrap(QStringLiteral("Fits as it is  "), 20), QStringList({"Fits as it is  "}));
    EXPECT_EQ(wrap(QStringLiteral("a  b   c"), 1), QStringList({"a", "b", "c"}));
    EXPECT_EQ(wrap(QString(), 5), QStringList({QString()})); // one empty line
}

TEST(WrapCellText, LeadingAndDoubledBlanksLoseNoCharacters) {
    EXPECT_EQ(wrap(QStringLiteral("  two  spaces here"), 8),
              QStringList({"two", "spaces", "here"}));
}

TEST(WrapCellText, ALastPieceOfOneCharacterIsKept) {
    EXPECT_EQ(wrap(QStringLiteral("Lunch at noon A"), 13), QStringList({"Lunch at noon", "A"}));
}

TEST(WrapCellText, AWordWiderThanTheCellFailsTheWholeEntry) {
    EXPECT_FALSE(wrap(QStringLiteral("Supercalifragilistic"), 10));
    EXPECT_FALSE(wrap(QStringLiteral("Tea at Supercalifragilistic"), 10));
}

TEST(WrapCellText, FailsExactlyWhenAWordAloneIsTooWide) {
    const TextMeasure chars = [](const QString& t) { return double(t.size()); };
    for (const char* text : {"", " ", "a", "  lead", "trail  ", "Ann Smith -- 66th Birthday",
                             "x  yy   zzz", "Supercalifragilistic at tea", "one two"}) {
        for (int width = 0; width <= 22; ++width) {
            const QString t = QLatin1String(text);
            EXPECT_EQ(HasWordWiderThan(t, width, chars), !WrapCellText(t, width, chars))
                << text << " in " << width;
        }
    }
}

TEST_F(CellFixture, LinesStopAtTheCellBottomAndTheNextEntryStartsBelowTheLastOne) {
    // Five lines of at most 13 characters; three fit between y 0.3 and 1.0.
    ASSERT_TRUE(write(QStringLiteral("first line second line third line fourth line fifth")));
    EXPECT_EQ(surface.allTexts(), QStringList({"first line", "second line", "third line"}));
    EXPECT_DOUBLE_EQ(surface.texts[2].y, 0.7);
    EXPECT_DOUBLE_EQ(surface.texts[2].x, 1.0);
    EXPECT_EQ(surface.texts[0].color, QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(lines[kCell], 0.9);

    // No room left: nothing more is written over the cut-off entry, and nothing is reported.
    ASSERT_TRUE(write(QStringLiteral("later")));
    EXPECT_EQ(surface.texts.size(), 3u);
    EXPECT_DOUBLE_EQ(lines[kCell], 0.9);
    EXPECT_TRUE(dialogs.messages.empty());

    // A word too wide for the cell is still reported when the cell is full.
    EXPECT_FALSE(write(QStringLiteral("Supercalifragilistic")));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(CellFixture, ALineEndingExactlyAtTheBottomIsWritten) {
    lines[kCell] = 0.8;
    ASSERT_TRUE(write(QStringLiteral("last")));
    EXPECT_EQ(surface.allTexts(), QStringList({"last"}));
    EXPECT_DOUBLE_EQ(lines[kCell], 1.0);
}

TEST_F(CellFixture, AnEmptyTextTakesOneEmptyLine) {
    ASSERT_TRUE(write(QString()));
    EXPECT_EQ(surface.allTexts(), QStringList({QString()}));
    EXPECT_DOUBLE_EQ(lines[kCell], 0.5);
}

TEST_F(CellFixture, AnEntryThatCannotBeShownIsReportedOnceAndDrawsNothing) {
    EXPECT_FALSE(write(QStringLiteral("Tea with Supercalifragilistic")));
    EXPECT_FALSE(write(QStringLiteral("Tea"), QStringLiteral("red")));
    EXPECT_FALSE(write(QStringLiteral("Tea"), QStringLiteral("&H0"), 42));
    EXPECT_FALSE(write(QStringLiteral("Tea"), QStringLiteral("&H0"), kUnplaceable));
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_DOUBLE_EQ(lines[kCell], 0.3);

    ASSERT_EQ(dialogs.messages.size(), 4u);
    const MessageRequest& m = dialogs.messages[0];
    EXPECT_EQ(m.text, QStringLiteral("There has been an error trying to display an event.\n"
                                     "Make sure that all events are able to fit in the grid."));
    EXPECT_EQ(m.title, QStringLiteral("Daylark 2.5"));
    EXPECT_EQ(m.icon, MessageIcon::Critical);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
}

// A long entry costs measurements in proportion to its length: only the lines that have room
// are cut, and the part cut off is looked at one word at a time, for a word too wide.
TEST_F(CellFixture, ALongEntryIsMeasuredInProportionToItsLength) {
    constexpr int kWords = 300;
    QStringList words;
    for (int i = 0; i < kWords; ++i)
        words << u'w' + QString::number(i);
    const QString text = words.join(u' ');
    const QString tooWide = text + QStringLiteral(" Supercalifragilistic");
    const QStringList firstThree = {"w0 w1 w2 w3", "w4 w5 w6 w7", "w8 w9 w10 w11"};
    struct Case {
        const char* what;
        double top;
        QString text;
        bool shown;
        QStringList lines;
    };
    const Case cases[] = {
        {"room for three lines", 0.3, text, true, firstThree},
        {"no room left", 0.9, text, true, {}},
        {"too wide a word after the cut", 0.3, tooWide, false, {}},
        {"too wide a word, no room left", 0.9, tooWide, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        surface.clear();
        surface.widthCalls = 0;
        surface.widthCharacters = 0;
        dialogs.messages.clear();
        lines[kCell] = c.top;

        EXPECT_EQ(write(c.text), c.shown);
        EXPECT_EQ(surface.allTexts(), c.lines);
        EXPECT_EQ(dialogs.messages.size(), c.shown ? 0u : 1u);
        EXPECT_LE(surface.widthCalls, kWords + 20);
        EXPECT_LE(surface.widthCharacters, 2 * c.text.size());
    }
}
