// The fuel pages' spin buttons: their ranges, and the numbers their quantities count down from,
// since an up arrow lowers a spin button's value but must raise what it shows. The window takes
// the ranges from here, the pages and the report the quantities.
#pragma once

#include "platform/spinbutton.h"

namespace fuelScale {

// The glow fuel's total and the pre-mix's petrol, 1 to 200 of the chosen unit.
inline constexpr SpinRange volumeRange{1, 200, 1, 10, 1};
inline constexpr int volumeBase = 201;
// Down to 2 the unit goes in the plural; only 1 takes the singular.
inline constexpr int largestPluralValue = volumeBase - 2;

// Each glow fuel component, 0 to 100 %.
inline constexpr SpinRange percentRange{0, 100, 1, 10, 1};
inline constexpr int percentBase = 100;

// The pre-mix ratio, 100 : 1 down to 1 : 1.
inline constexpr SpinRange ratioRange{0, 99, 1, 10, 1};
inline constexpr int ratioBase = 100;

// The glow fuel page's rows, by the index of their controls.
enum GlowRow { methanol, nitroMethane, syntheticOil, castorOil, otherAdditive, glowRowCount };

} // namespace fuelScale
