// The arithmetic of a glow fuel mix: a component's volume from the total and its percentage, and
// that volume written in the two units whose columns the chosen unit shows.
#pragma once

#include "fuel/volumeunits.h"
#include "numbers/amount.h"
#include "numbers/numberformat.h"

#include <QString>

// The total divided by 100 / percent in double precision, then held to the ten-thousandth. For
// every total of 1 to 200 and percent of 1 to 100 this is exactly total × percent / 100.
Amount componentVolume(Amount total, int percent);

struct ComponentCaptions {
    QString first;
    QString second;
};

// The ounce-to-gallon factor users have always seen: 16 oz must read 00.12, which 1/128 would not give.
inline constexpr double fluidOuncesToGallons = 0.0078;

// Fixed-point products stay fixed-point, so cubic centimetres and ounces never pick up binary error.
ComponentCaptions componentCaptions(const NumberFormat& numbers, Amount volume, VolumeUnit unit);
