// The gear train's arithmetic: tooth counts and speeds from the spin buttons' values, the
// reduction ratio, and either speed from the other through that ratio.
#pragma once

#include "numbers/amount.h"

// Each spin button shows a constant minus its value, so that its up arrow raises the quantity.
constexpr int engineTeeth(int scrollValue) {
    return 15 - scrollValue;
}
constexpr int mastTeeth(int scrollValue) {
    return 140 - scrollValue;
}
constexpr int engineRpm(int scrollValue) {
    return (220 - scrollValue) * 100;
}
constexpr int headRpm(int scrollValue) {
    return (220 - scrollValue) * 10;
}

// Mast teeth per engine tooth, to four decimals, ties to even.
Amount gearRatio(int engineTeeth, int mastTeeth);

// Both go through the four-decimal ratio rather than the tooth counts: 1,000 RPM at 40 : 15 gives
// 2,666.7 RPM (2.6667 : 1), not 2,666.67. The engine speed is that product exactly.
Amount engineRpmFromHead(int headRpm, Amount ratio);
double headRpmFromEngine(int engineRpm, Amount ratio);
