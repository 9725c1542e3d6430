#include "fuel/premix.h"

namespace {

constexpr int ccPerLitre = 1000;
constexpr int fluidOuncesPerGallon = 128;

// Quotients are worked in double precision and held to the ten-thousandth again.
Amount divide(Amount dividend, double divisor) {
    return Amount::fromDouble(dividend.toDouble() / divisor);
}

} // namespace

Amount preMixOil(Amount gas, Amount ratio, VolumeUnit unit) {
    switch (unit) {
    case VolumeUnit::Litre:
        return divide(gas * ccPerLitre, ratio.toDouble());
    case VolumeUnit::UsFluidOunce:
        return divide(gas, ratio.toDouble());
    case VolumeUnit::UsGallon:
        return divide(gas * fluidOuncesPerGallon, ratio.toDouble());
    }
    return {};
}

Amount preMixTotal(Amount gas, Amount oil, VolumeUnit unit) {
    switch (unit) {
    case VolumeUnit::Litre:
        return gas + divide(oil, ccPerLitre);
    case VolumeUnit::UsFluidOunce:
        return gas + oil;
    case VolumeUnit::UsGallon:
        return gas + divide(oil, fluidOuncesPerGallon);
    }
    return {};
}

PreMixCaptions preMixCaptions(const NumberFormat& numbers, Amount gas, Amount ratio, VolumeUnit unit,
                              const QString& unitPlural) {
    const Amount oil = preMixOil(gas, ratio, unit);
    const bool metric = unit == VolumeUnit::Litre;
    const QString cc = QStringLiteral(" CC / ml"), ounces = QStringLiteral(" US Fluid Oz");
    // The other family's figure is a plain double product, never held as an amount.
    const double other = oil.toDouble() * (metric ? fluidOuncesPerCc : ccPerFluidOunce);
    return {numbers.Format(oil, u"#,##0.00") + (metric ? cc : ounces),
            numbers.Format(other, u"#,##0.00") + (metric ? ounces : cc),
            QStringLiteral("Total volume = ") + numbers.Format(preMixTotal(gas, oil, unit), u"#0.000") +
                u' ' + unitPlural};
}
