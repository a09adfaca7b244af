#include "generator/Scramble.h"

#include <QRandomGenerator>
#include <array>
#include <bitset>

namespace qvfsch {

namespace {

constexpr qsizetype kKeyLength = 15;
constexpr int kDigits = 5;

// The three key characters that stand for one digit: its character code in decimal.
QByteArray triple(int digit) {
    return QByteArray::number(48 + digit).rightJustified(3, '0');
}

// For each key position, the key byte values that would turn some line byte paired with it
// into a line break.
using ForbiddenKeyBytes = std::array<std::bitset<256>, kKeyLength>;

ForbiddenKeyBytes forbiddenKeyBytes(const std::vector<QByteArray>& lines) {
    ForbiddenKeyBytes forbidden;
    for (const QByteArray& line : lines) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            auto& atPosition = forbidden[(i + 1) % kKeyLength];
            atPosition.set(static_cast<unsigned char>('\n' - byte));
            atPosition.set(static_cast<unsigned char>('\r' - byte));
        }
    }
    return forbidden;
}

bool allowedAt(QByteArrayView characters, qsizetype position, const ForbiddenKeyBytes& forbidden) {
    for (qsizetype j = 0; j < characters.size(); ++j)
        if (forbidden[position + j].test(static_cast<unsigned char>(characters[j]))) return false;
    return true;
}

std::optional<QByteArray> usualKey(const ForbiddenKeyBytes& forbidden, QRandomGenerator& random) {
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
std::optional<QByteArray> anyFiveDigitKey(const ForbiddenKeyBytes& forbidden,
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

} // namespace

QByteArray Scramble(QByteArrayView line, QByteArrayView key) {
    if (key.isEmpty()) return line.toByteArray();
    QByteArray out(line.size(), Qt::Uninitialized);
    const qsizetype m = key.size();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        const auto k = static_cast<unsigned char>(key[(i + 1) % m]);
        out[i] = static_cast<char>(static_cast<unsigned char>(c + k));
    }
    return out;
}

QByteArray KeyForValue(int value) {
    const QByteArray digits = QByteArray::number(value).rightJustified(kDigits, '0');
    QByteArray key;
    for (const char digit : digits)
        key += triple(digit - '0');
    return key;
}

std::optional<QByteArray> MakeScrambleKey(const std::vector<QByteArray>& lines,
                                          QRandomGenerator& random) {
    const ForbiddenKeyBytes forbidden = forbiddenKeyBytes(lines);
    if (auto key = usualKey(forbidden, random)) return key;
    return anyFiveDigitKey(forbidden, random);
}

} // namespace qvfsch
