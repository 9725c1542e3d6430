#include "fuel/glowmix.h"

Amount componentVolume(Amount total, int percent) {
    return Amount::fromDouble(total.toDouble() / (100.0 / percent));
}
