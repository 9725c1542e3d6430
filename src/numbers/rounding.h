#pragma once
// Rounding of computed doubles to whole numbers, ties to the even neighbour, so the
// result does not depend on the floating-point environment's rounding mode.

#include <algorithm>
#include <climits>
#include <cmath>

inline double roundHalfEven(double x) {
    const double lower = std::floor(x);
    // The fractional part of a double is itself exactly representable, so this compares exactly.
    const double fraction = x - lower;
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// Values beyond the int range saturate and NaN gives 0, so a scroll bar never sees undefined input.
inline int toScrollValue(double x) {
    const double rounded = roundHalfEven(x);
    if (std::isnan(rounded))
        return 0;
    return static_cast<int>(std::clamp(rounded, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}
