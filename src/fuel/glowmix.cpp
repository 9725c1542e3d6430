#include "fuel/glowmix.h"

Amount componentVolume(Amount total, int percent) {
    return Amount::fromDouble(total.toDouble() / (100.0 / percent));
}

ComponentCaptions componentCaptions(const NumberFormat& numbers, Amount volume, VolumeUnit unit) {
    switch (unit) {
    case VolumeUnit::Litre:
        return {numbers.Format(volume, u"0.00"), numbers.Format(volume * 1000, u"#,###")};
    case VolumeUnit::UsFluidOunce:
        return {numbers.Format(volume.toDouble() * fluidOuncesToGallons, u"00.00"),
                numbers.Format(volume, u"#,##0.0")};
    case VolumeUnit::UsGallon:
        return {numbers.Format(volume, u"0.00"), numbers.Format(volume * 128, u"#,##0.00")};
    }
    return {};
}
