#include "drive/gearmath.h"

Amount gearRatio(int engineTeeth, int mastTeeth) {
    return Amount::fromDouble(static_cast<double>(mastTeeth) / static_cast<double>(engineTeeth));
}

Amount engineRpmFromHead(int headRpm, Amount ratio) {
    return ratio * headRpm;
}

double headRpmFromEngine(int engineRpm, Amount ratio) {
    return static_cast<double>(engineRpm) / ratio.toDouble();
}
