#include "data/storedmath.h"

#include <cmath>
#include <limits>

int32_t Wrap32(int64_t value)
{
    return int32_t(uint32_t(uint64_t(value)));
}

int64_t RoundedAverage(int64_t sum, int64_t count)
{
    // Floor division first, so negative sums round the same way as positive ones.
    int64_t quotient = sum / count;
    int64_t remainder = sum % count;
    if (remainder < 0) {
        quotient -= 1;
        remainder += count;
    }
    const int64_t twice = 2 * remainder;
    if (twice > count || (twice == count && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

int32_t RoundToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int32_t>::min();
    constexpr double high = std::numeric_limits<int32_t>::max();
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (rounded <= low)
        return std::numeric_limits<int32_t>::min();
    if (rounded >= high)
        return std::numeric_limits<int32_t>::max();
    return int32_t(rounded);
}
