#include "calendar_format/Scramble.h"
#include "generator/GeneratedFile.h"

#include <QList>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

using namespace qvfsch;

namespace {

bool holdsLineBreak(const QByteArray& bytes) {
    return bytes.contains('\n') || bytes.contains('\r');
}

QByteArray otherLine(const QString& name) {
    return EntryLine({QStringLiteral("01052027"), name});
}

// How many of the possible keys would put a line break into the line.
int breakingKeys(const QByteArray& line) {
    int count = 0;
    for (int choice = 0; choice < kKeyChoices; ++choice)
        if (holdsLineBreak(Scramble(line, KeyForChoice(choice)))) ++count;
    return count;
}

} // namespace

TEST(ScrambleKey, EveryKeyIsFiveCharacterCodesOfTheDigitsOfAMultipleOfEleven) {
    EXPECT_EQ(KeyForChoice(0), QByteArray("048048048048048"));
    EXPECT_EQ(KeyForChoice(999), QByteArray("049048057056057")); // 10989
    for (int choice = 0; choice < kKeyChoices; ++choice) {
        const QByteArray key = KeyForChoice(choice);
        ASSERT_EQ(key.size(), 15);
        QByteArray digits;
        for (int triple = 0; triple < 5; ++triple) {
            const int code = key.mid(triple * 3, 3).toInt();
            ASSERT_GE(code, 48) << key.constData();
            ASSERT_LE(code, 57) << key.constData();
            digits += char(code);
        }
        ASSERT_EQ(digits.toInt(), choice * 11) << key.constData();
    }
}

TEST(ScrambleKey, ADrawnNumberPicksTheKeyWhenEveryKeyWillDo) {
    const std::vector<QByteArray> lines{otherLine(QStringLiteral("Water the plants"))};
    for (quint32 seed = 1; seed <= 50; ++seed) {
        QRandomGenerator random(seed), replay(seed);
        EXPECT_EQ(MakeScrambleKey(lines, random),
                  KeyForChoice(int(replay.generateDouble() * 1000)));
    }
}

TEST(Scramble, AddsTheKeyCodesStartingFromTheSecondKeyCharacter) {
    const QByteArray key("\x01\x02\x03", 3);
    EXPECT_EQ(Scramble("AAAA", key), QByteArray("CDBC"));
    // The sum wraps at 256.
    EXPECT_EQ(Scramble(QByteArray("\xFF\xFE", 2), key), QByteArray("\x01\x01", 2));
    EXPECT_EQ(Scramble("plain text", ""), QByteArray("plain text"));
}

// Names in scripts whose UTF-8 lead bytes (0xD1 to 0xDD) turn into a carriage return or a
// line feed under some keys: the key chosen must keep every line whole.
TEST(ScrambleKey, ChosenKeyNeverPutsALineBreakIntoALine) {
    const QStringList names = {QStringLiteral("Встреча с врачом"), QStringLiteral("שלום עולם"),
                               QStringLiteral("جشن تولد"), QStringLiteral("Ѣѣ ӀӁ ԀԱ"),
                               QStringLiteral("ܐܒܓ ݐݑ")};
    for (const QString& name : names) {
        const std::vector<QByteArray> lines{otherLine(name),
                                            EntryLine({QStringLiteral("12312099"), name})};
        ASSERT_GT(breakingKeys(lines[0]), 0) << name.toStdString();
        for (quint32 seed = 0; seed < 40; ++seed) {
            QRandomGenerator random(seed);
            const QByteArray key = MakeScrambleKey(lines, random);
            for (const QByteArray& line : lines)
                EXPECT_FALSE(holdsLineBreak(Scramble(line, key))) << name.toStdString();
        }
    }
}

// When every usual key breaks a line, any five digits may serve; the key keeps its form.
TEST(ScrambleKey, BeyondTheUsualKeysWhenNoneOfThemWillDo) {
    const QByteArray line = otherLine(QStringLiteral("ڈاکٹر سے ملنا"));
    ASSERT_EQ(breakingKeys(line), kKeyChoices);
    std::set<QByteArray> keys;
    for (quint32 seed = 0; seed < 20; ++seed) {
        QRandomGenerator random(seed);
        const QByteArray key = MakeScrambleKey({line}, random);
        EXPECT_FALSE(holdsLineBreak(Scramble(line, key)));
        ASSERT_EQ(key.size(), 15);
        for (int triple = 0; triple < 5; ++triple) {
            const int code = key.mid(triple * 3, 3).toInt();
            EXPECT_TRUE(code >= 48 && code <= 57) << key.constData();
        }
        keys.insert(key);
    }
    EXPECT_GT(keys.size(), 1u); // still picked at random
}

static bool lettersAndDigits(const QByteArray& key) {
    return std::all_of(key.begin(), key.end(), [](char c) { return std::isalnum(uchar(c)); });
}

// When no key of digit triples will do, the key is made of letters and digits and is as long
// as it needs to be; it still keeps every line whole and is still drawn at random.
TEST(ScrambleKey, ALetterAndDigitKeyWhenNoDigitKeyWillDo) {
    QString mixed; // lead bytes of every length next to each other, longer than 50 bytes
    for (const char32_t c : {U'\u0688', U'\u05D0', U'\u4E2D', U'\U0001F382', U'\u0416'})
        for (int i = 0; i < 12; ++i)
            mixed += QString::fromUcs4(&c, 1);
    // The name's sixth byte is line byte 15, which always pairs with the key's first
    // character "0" (48): 0xDA + 48 is a line feed under every key of digit triples.
    for (const QString& name : {QStringLiteral("abcde\u0688"), mixed}) {
        const std::vector<QByteArray> lines{otherLine(name),
                                            EntryLine({QStringLiteral("12312099"), name})};
        std::set<QByteArray> keys;
        for (quint32 seed = 0; seed < 20; ++seed) {
            QRandomGenerator random(seed);
            const QByteArray key = MakeScrambleKey(lines, random);
            ASSERT_GE(key.size(), 15);
            EXPECT_TRUE(lettersAndDigits(key)) << key.constData();
            EXPECT_FALSE(QRegularExpression("^(04[89]|05[0-7]){5}$")
                             .match(QString::fromLatin1(key))
                             .hasMatch());
            for (const QByteArray& line : lines)
                EXPECT_FALSE(holdsLineBreak(Scramble(line, key))) << name.toStdString();
            keys.insert(key);
        }
        EXPECT_GT(keys.size(), 1u);
    }
    ASSERT_TRUE(
        holdsLineBreak(Scramble(otherLine(QStringLiteral("abcde\u0688")), KeyForValue(53719))));
}

// Line bytes 14 and 29 both pair with the first key character of a 15-character key; between
// them they rule out every letter and digit there, so the key takes 16 characters.
TEST(ScrambleKey, TheLetterAndDigitKeyIsNoLongerThanItNeedsToBe) {
    QByteArray low, high; // bytes that a digit or capital, or a small letter, turns into LF
    for (const char c : QByteArrayView("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
        low += char('\n' - c);
    for (const char c : QByteArrayView("abcdefghijklmnopqrstuvwxyz"))
        high += char('\n' - c);
    std::vector<QByteArray> lines;
    for (qsizetype i = 0; i < low.size(); ++i) {
        QByteArray line(40, ' ');
        line[14] = low[i];
        line[29] = high[i % high.size()];
        lines.push_back(line);
    }
    QRandomGenerator random(8);
    const QByteArray key = MakeScrambleKey(lines, random);
    EXPECT_EQ(key.size(), 16) << key.constData();
    EXPECT_TRUE(lettersAndDigits(key));
    for (const QByteArray& line : lines)
        EXPECT_FALSE(holdsLineBreak(Scramble(line, key)));
}

// Lines that hold, at one position, every byte but the two line breaks themselves rule out
// every key byte but 0, so no key of letters and digits exists: they are written plain.
TEST(ScrambleKey, TheEmptyKeyOnlyWhenNoOtherKeyExists) {
    std::vector<QByteArray> lines;
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\n' && byte != '\r') lines.push_back(QByteArray(40, char(byte)));
    QRandomGenerator random(3);
    EXPECT_EQ(MakeScrambleKey(lines, random), QByteArray());
}

TEST(GeneratedFile, LayoutWithTheKeyAsLineThreeAndScrambledEntries) {
    const GeneratedEvents events = {{"01052027", "Water the plants"},
                                    {"01082027", "Water the plants"},
                                    {"01112027", ""}, // entries end here
                                    {"01142027", "Water the plants"}};
    const QByteArray key = KeyForChoice(123);
    const QByteArray file = FormatGeneratedFile(events, key);
    ASSERT_TRUE(file.endsWith("\r\n"));
    const QList<QByteArray> lines = file.chopped(2).split('\n');
    const QList<QByteArray> expected = {"Version 2.0\r",
                                        "Kestral Scheduler Data\r",
                                        key + '\r',
                                        "\r",
                                        "[Birthday]\r",
                                        "\r",
                                        "[Anniversary]\r",
                                        "\r",
                                        "[Holiday]\r",
                                        "\r",
                                        "\r",
                                        "[Other]\r",
                                        Scramble("01052027 Water the plants", key) + '\r',
                                        Scramble("01082027 Water the plants", key) + '\r',
                                        "\r",
                                        "[End of Data]"};
    EXPECT_EQ(lines, expected);
}

TEST(GeneratedFile, QvfIsAddedUnlessTheNameEndsInExactlyQvf) {
    EXPECT_EQ(WithQvfExtension("/tmp/plants"), QStringLiteral("/tmp/plants.qvf"));
    EXPECT_EQ(WithQvfExtension("/tmp/plants.qvf"), QStringLiteral("/tmp/plants.qvf"));
    EXPECT_EQ(WithQvfExtension("/tmp/plants.QVF"), QStringLiteral("/tmp/plants.QVF.qvf"));
    EXPECT_EQ(WithQvfExtension("/tmp/plants.qvf.txt"), QStringLiteral("/tmp/plants.qvf.txt.qvf"));
}
