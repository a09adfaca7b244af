#include "drawing/MonthStep.h"

#include "document/DisplayYear.h"

std::optional<ShownMonth> StepMonth(ShownMonth shown, int delta) {
    const long long index = shown.year * 12LL + (shown.month - 1) + delta;
    const ShownMonth to{static_cast<int>(index / 12), static_cast<int>(index % 12) + 1};
    if (index < 0 || to.year < kFirstDisplayYear || to.year > kLastDisplayYear) return std::nullopt;
    return to;
}

ShownMonth MonthOfDate(int year, int month) {
    return {DisplayYearFor(year), month};
}
