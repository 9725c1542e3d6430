#include "fuel/volumeunits.h"

#include <array>

namespace {

struct UnitRow {
    VolumeUnit unit;
    const char* singular;
    const char* plural;
    const char* firstColumn;
    const char* secondColumn;
};

// The unit names the total; the two columns always pair a large and a small unit of its system.
constexpr std::array<UnitRow, 3> units{{
    {VolumeUnit::Litre, "Litre", "Litres", "Litre", "CC"},
    {VolumeUnit::UsFluidOunce, "US Fluid Oz", "US Fluid Oz's", "US Gallon", "US Fluid Oz"},
    {VolumeUnit::UsGallon, "US Gallon", "US Gallons", "US Gallon", "US Fluid Oz"},
}};

} // namespace

std::optional<VolumeUnit> volumeUnitAt(int listIndex) {
    if (listIndex < 0 || listIndex >= int(units.size()))
        return std::nullopt;
    return units[listIndex].unit;
}

VolumeUnitNames volumeUnitNames(VolumeUnit unit) {
    const UnitRow& row = units[static_cast<std::size_t>(unit)];
    return {QString::fromUtf8(row.singular), QString::fromUtf8(row.plural),
            QString::fromUtf8(row.firstColumn), QString::fromUtf8(row.secondColumn)};
}
