#include "calendar_format/Scramble.h"

#include <QRandomGenerator>
#include <algorithm>
#include <bitset>
#include <optional>

namespace {

constexpr qsizetype kKeyLength = 15;
constexpr int kDigits = 5;
// Lengths of letter-and-digit keys tried from 15 up before the one longer than every line.
constexpr qsizetype kShortLengths = 50;
constexpr char kLettersAndDigits[] =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The three key characters that stand for one digit: its character code in decimal.
QByteArray triple(int digit) {
    return QByteArray::number(48 + digit).rightJustified(3, '0');
}

using ByteSet = std::bitset<256>;

// For each byte position of the lines, the key byte values that would turn the byte some line
// holds there into a line break.
std::vector<ByteSet> forbiddenAtLinePositions(const std::vector<QByteArray>& lines) {
    std::vector<ByteSet> forbidden;
    for (const QByteArray& line : lines) {
        if (size_t(line.size()) > forbidden.size()) forbidden.resize(size_t(line.size()));
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            forbidden[size_t(i)].set(static_cast<unsigned char>('\n' - byte));
            forbidden[size_t(i)].set(static_cast<unsigned char>('\r' - byte));
        }
    }
    return forbidden;
}

// The same for each position of a key of the given length: line position i (from 0) pairs
// with key position (i + 1) mod length.
std::vector<ByteSet> forbiddenAtKeyPositions(const std::vector<ByteSet>& atLine, qsizetype length) {
    std::vector<ByteSet> atKey(static_cast<size_t>(length));
    for (size_t i = 0; i < atLine.size(); ++i)
        atKey[(i + 1) % size_t(length)] |= atLine[i];
    return atKey;
}

bool allowedAt(QByteArrayView characters, qsizetype position,
               const std::vector<ByteSet>& forbidden) {
    for (qsizetype j = 0; j < characters.size(); ++j)
        if (forbidden[size_t(position + j)].test(static_cast<unsigned char>(characters[j])))
            return false;
    return true;
}

std::optional<QByteArray> usualKey(const std::vector<ByteSet>& forbidden,
                                   QRandomGenerator& random) {
    std::vector<QByteArray> usable;
    for (int choice = 0; choice < kKeyChoices; ++choice) {
        QByteArray key = KeyForChoice(choice);
        if (allowedAt(key, 0, forbidden)) usable.push_back(std::move(key));
    }
    if (usable.empty()) return std::nullopt;
    const auto pick = static_cast<size_t>(random.generateDouble() * double(usable.size()));
    return usable[std::min(pick, usable.size() - 1)];
}

// Each digit's triple meets only its own three key positions, so the digits can be chosen
// one by one among those their positions allow.
std::optional<QByteArray> anyFiveDigitKey(const std::vector<ByteSet>& forbidden,
                                          QRandomGenerator& random) {
    QByteArray key;
    for (int place = 0; place < kDigits; ++place) {
        std::vector<int> digits;
        for (int digit = 0; digit <= 9; ++digit)
            if (allowedAt(triple(digit), place * 3, forbidden)) digits.push_back(digit);
        if (digits.empty()) return std::nullopt;
        key += triple(digits[random.bounded(int(digits.size()))]);
    }
    return key;
}

// Every key position takes a letter or digit its line bytes allow, at random.
std::optional<QByteArray> lettersAndDigitsKey(const std::vector<ByteSet>& atLine, qsizetype length,
                                              QRandomGenerator& random) {
    QByteArray key;
    std::vector<char> usable;
    for (const ByteSet& forbidden : forbiddenAtKeyPositions(atLine, length)) {
        usable.clear();
        for (const char c : QByteArrayView(kLettersAndDigits))
            if (!forbidden.test(static_cast<unsigned char>(c))) usable.push_back(c);
        if (usable.empty()) return std::nullopt;
        key += usable[size_t(random.bounded(int(usable.size())))];
    }
    return key;
}

QByteArray longerKey(const std::vector<ByteSet>& atLine, QRandomGenerator& random) {
    const qsizetype longEnough = std::max(kKeyLength, qsizetype(atLine.size()) + 1);
    for (qsizetype length = kKeyLength; length < std::min(longEnough, kKeyLength + kShortLengths);
         ++length)
        if (auto key = lettersAndDigitsKey(atLine, length, random)) return *key;
    if (auto key = lettersAndDigitsKey(atLine, longEnough, random)) return *key;
    return {};
}

} // namespace

namespace {

// Each byte of the line plus (sign 1) or minus (sign -1) the code of its key byte.
QByteArray shiftByKey(QByteArrayView line, QByteArrayView key, int sign) {
    if (key.isEmpty()) return line.toByteArray();
    QByteArray out(line.size(), Qt::Uninitialized);
    const qsizetype m = key.size();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        const auto k = static_cast<unsigned char>(key[(i + 1) % m]);
        out[i] = static_cast<char>(static_cast<unsigned char>(c + sign * k));
    }
    return out;
}

} // namespace

QByteArray Scramble(QByteArrayView line, QByteArrayView key) {
    return shiftByKey(line, key, 1);
}

QByteArray Unscramble(QByteArrayView line, QByteArrayView key) {
    return shiftByKey(line, key, -1);
}

QByteArray KeyForValue(int value) {
    const QByteArray digits = QByteArray::number(value).rightJustified(kDigits, '0');
    QByteArray key;
    for (const char digit : digits)
        key += triple(digit - '0');
    return key;
}

QByteArray MakeScrambleKey(const std::vector<QByteArray>& lines, QRandomGenerator& random) {
    const std::vector<ByteSet> atLine = forbiddenAtLinePositions(lines);
    const std::vector<ByteSet> atKey = forbiddenAtKeyPositions(atLine, kKeyLength);
    if (auto key = usualKey(atKey, random)) return *key;
    if (auto key = anyFiveDigitKey(atKey, random)) return *key;
    return longerKey(atLine, random);
}
