#include "editors/DateRules.h"

#include <algorithm>

int YearRange::clamp(int year) const {
    return std::clamp(year, lowest, highest);
}
