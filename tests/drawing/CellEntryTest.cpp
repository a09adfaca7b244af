#include "drawing/CellEntry.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

// One unit per character.
QStringList wrap(const QString& text, double width) {
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

TEST(WrapCellText, AWordWiderThanTheCellIsBrokenInsideAndCarriedOnTheNextLine) {
    EXPECT_EQ(wrap(QStringLiteral("Supercalifragilistic"), 10),
              QStringList({"Supercalif", "ragilistic"}));
    EXPECT_EQ(wrap(QStringLiteral("Tea at Supercalifragilistic now"), 10),
              QStringList({"Tea at", "Supercalif", "ragilistic", "now"}));
    EXPECT_EQ(wrap(QStringLiteral("  Supercalifragilistic"), 8),
              QStringList({"Supercal", "ifragili", "stic"}));
    // Not even one character fits: each line still takes one, so the text comes to an end.
    EXPECT_EQ(wrap(QStringLiteral("abc"), 0), QStringList({"a", "b", "c"}));
}

// An accented letter written as a letter and its accent, and a character outside the basic
// plane, are each one character to the reader: a word is never broken inside them.
TEST(WrapCellText, AWordIsBrokenBetweenCharactersAsTheReaderSeesThem) {
    const QString accented = QStringLiteral("e\u0301");     // two code units
    const QString emoji = QString::fromUcs4(U"\U0001F382"); // two code units
    EXPECT_EQ(wrap(accented.repeated(4), 3), QStringList(4, accented));
    EXPECT_EQ(wrap(QStringLiteral("ab") + emoji + QStringLiteral("cd"), 3),
              QStringList({"ab", emoji + QStringLiteral("c"), "d"}));
}

// However narrow the cell, every text wraps, no line is wider than the cell unless it is a
// single character, and not a character but the blanks between lines is lost.
TEST(WrapCellText, EveryTextWrapsInsideTheWidthAndLosesNoCharacter) {
    const TextMeasure chars = [](const QString& t) { return double(t.size()); };
    auto withoutBlanks = [](QString t) { return t.remove(u' '); };
    for (const char* text :
         {"", " ", "a", "  lead", "trail  ", "Ann Smith -- 66th Birthday", "x  yy   zzz",
          "Supercalifragilistic at tea", "one two", "Bartholomew-Fitzgerald-Montgomery-Smith42"}) {
        for (int width = 0; width <= 22; ++width) {
            const QString t = QLatin1String(text);
            const QStringList lines = WrapCellText(t, width, chars);
            ASSERT_FALSE(lines.isEmpty()) << text << " in " << width;
            for (const QString& line : lines)
                EXPECT_TRUE(line.size() <= width || line.size() == 1)
                    << text << " in " << width << ": " << line.toStdString();
            EXPECT_EQ(withoutBlanks(lines.join(QString())), withoutBlanks(t))
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

    // A word too wide for the cell is no failure, also when the cell is full.
    EXPECT_TRUE(write(QStringLiteral("Supercalifragilistic")));
    EXPECT_TRUE(dialogs.messages.empty());
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
    EXPECT_FALSE(write(QStringLiteral("Tea"), QStringLiteral("red")));
    EXPECT_FALSE(write(QStringLiteral("Tea"), QStringLiteral("&H0"), 42));
    EXPECT_FALSE(write(QStringLiteral("Tea"), QStringLiteral("&H0"), kUnplaceable));
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_DOUBLE_EQ(lines[kCell], 0.3);

    ASSERT_EQ(dialogs.messages.size(), 3u);
    const MessageRequest& m = dialogs.messages[0];
    EXPECT_EQ(m.text, QStringLiteral("There has been an error trying to display an event.\n"
                                     "Make sure that all events are able to fit in the grid."));
    EXPECT_EQ(m.title, QStringLiteral("Daylark 2.5"));
    EXPECT_EQ(m.icon, MessageIcon::Critical);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
}

// A long entry costs measurements in proportion to its length: only the lines that have room
// are cut, and the part cut off is not looked at.
TEST_F(CellFixture, ALongEntryIsMeasuredInProportionToItsLength) {
    constexpr int kWords = 300;
    QStringList words;
    for (int i = 0; i < kWords; ++i)
        words << u'w' + QString::number(i);
    const QString text = words.join(u' ');
    const QString tooWide = text + QStringLiteral(" Supercalifragilistic");
    const QStringList firstThree = {"w0 w1 w2 w3", "w4 w5 w6 w7", "w8 w9 w10 w11"};
    const QString word = QString(u'x').repeated(2 * kWords);
    const QStringList wordLines(3, QString(u'x').repeated(13));
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
        {"too wide a word after the cut", 0.3, tooWide, true, firstThree},
        {"too wide a word, no room left", 0.9, tooWide, true, {}},
        {"one long word", 0.3, word, true, wordLines},
        {"one long word, no room left", 0.9, word, true, {}},
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
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_LE(surface.widthCalls, kWords + 20);
        EXPECT_LE(surface.widthCharacters, 2 * c.text.size());
    }
}
