#include "document/DisplayYear.h"

#include <algorithm>

int LeadingNumber(QStringView text) {
    text = text.trimmed();
    long long value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') break;
        value = std::min<long long>(value * 10 + (c.unicode() - u'0'), 1'000'000'000);
    }
    return static_cast<int>(value);
}

int DisplayYearFor(int year) {
    return std::clamp(year, kFirstDisplayYear, kLastDisplayYear);
}
