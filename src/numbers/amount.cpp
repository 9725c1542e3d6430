#include "numbers/amount.h"

#include "numbers/rounding.h"

#include <cmath>
#include <limits>

Amount Amount::fromDouble(double value) {
    const double scaled = roundHalfEven(value * static_cast<double>(scale));
    if (std::isnan(scaled))
        return Amount();
    // 2^63 is exact as a double; anything at or beyond it would overflow the conversion.
    constexpr double limit = 9223372036854775808.0;
    if (scaled >= limit)
        return Amount(std::numeric_limits<std::int64_t>::max());
    if (scaled < -limit)
        return Amount(std::numeric_limits<std::int64_t>::min());
    return Amount(static_cast<std::int64_t>(scaled));
}

double Amount::toDouble() const {
    return static_cast<double>(tenThousandths_) / static_cast<double>(scale);
}

std::int64_t Amount::wholePart() const {
    const std::int64_t truncated = tenThousandths_ / scale;
    return tenThousandths_ % scale < 0 ? truncated - 1 : truncated;
}
