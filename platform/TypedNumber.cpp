#include "platform/TypedNumber.h"

#include <algorithm>

namespace {

constexpr long long kSaturation = 1'000'000'000;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Rounds whole + fraction to the nearest whole number, a half to the even neighbour. The
// fraction is given by its digits.
long long roundHalfEven(long long whole, QStringView fraction) {
    if (fraction.isEmpty() || fraction[0] < u'5') return whole;
    if (fraction[0] > u'5') return whole + 1;
    const bool aboveHalf =
        std::any_of(fraction.begin() + 1, fraction.end(), [](QChar c) { return c != u'0'; });
    if (aboveHalf) return whole + 1;
    return whole % 2 == 0 ? whole : whole + 1;
}

} // namespace

long long TypedNumber(QStringView text) {
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text = text.mid(1);
    }
    qsizetype i = 0;
    long long whole = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        whole = std::min(whole * 10 + (text[i].unicode() - u'0'), kSaturation);
    QStringView fraction;
    if (i < text.size() && text[i] == u'.') {
        qsizetype end = i + 1;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        fraction = text.mid(i + 1, end - i - 1);
    }
    const long long rounded = roundHalfEven(whole, fraction);
    return negative ? -rounded : rounded;
}

std::optional<int> TakeTypedNumber(QStringView text, int lowest, int highest) {
    const long long number = TypedNumber(text);
    if (number < lowest || number > highest) return std::nullopt;
    return static_cast<int>(number);
}
