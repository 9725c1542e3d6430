// The arithmetic of a two-stroke pre-mix: the oil to add to a volume of petrol for a ratio, in the
// unit family of the chosen scale and in the other one, and the volume of the mixture.
#pragma once

#include "fuel/volumeunits.h"
#include "numbers/amount.h"
#include "numbers/numberformat.h"

#include <QString>

// Cubic centimetres for litres, US fluid ounces for both US units.
Amount preMixOil(Amount gas, Amount ratio, VolumeUnit unit);
// Petrol plus oil, back in the chosen unit.
Amount preMixTotal(Amount gas, Amount oil, VolumeUnit unit);

struct PreMixCaptions {
    QString oil;      // in the chosen scale's own family
    QString oilOther; // in the other family
    QString total;
};

PreMixCaptions preMixCaptions(const NumberFormat& numbers, Amount gas, Amount ratio, VolumeUnit unit,
                              const QString& unitPlural);
