#include "drawing/ColorText.h"

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

} // namespace

std::optional<QColor> ColorFromText(QStringView text) {
    text = text.trimmed();
    if (!text.startsWith(u"&H", Qt::CaseInsensitive)) return std::nullopt;
    const QStringView digits = text.mid(2);
    if (digits.isEmpty()) return std::nullopt;
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value << 4 | quint64(digit);
        if (value > 0xFFFFFFFFu) return std::nullopt; // more than a 32-bit colour value
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
