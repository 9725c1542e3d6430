// The volume units of the unit list, by the list's item position: the names the fuel pages write
// after a quantity, and the headings of the glow fuel page's two volume columns.
#pragma once

#include <QString>
#include <optional>

// The cross factors users have always seen, each used as written rather than derived from the
// other; the pre-mix page and the volume converter both work with them.
inline constexpr double fluidOuncesPerCc = 0.033814;
inline constexpr double ccPerFluidOunce = 29.57353;

enum class VolumeUnit { Litre = 0, UsFluidOunce = 1, UsGallon = 2 };

struct VolumeUnitNames {
    QString singular;
    QString plural;
    QString firstColumn;
    QString secondColumn;
};

// The unit at a position of the list; none while nothing is selected.
std::optional<VolumeUnit> volumeUnitAt(int listIndex);
VolumeUnitNames volumeUnitNames(VolumeUnit unit);
