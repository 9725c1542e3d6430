// How long a charge takes at a current, in whole hours and cut-off minutes, and how the window
// words it.
#pragma once

#include "numbers/amount.h"
#include "numbers/numberformat.h"

#include <QString>
#include <cstdint>

// Hours to four decimals; every charge is reckoned at one and a half times the capacity.
Amount chargeHours(int capacityMah, int currentMa);

struct HoursAndMinutes {
    std::int64_t hours;
    std::int64_t minutes; // cut off, not rounded: 2.9999 hours are 2 hours and 59 minutes
};
HoursAndMinutes hoursAndMinutes(Amount hours);

// "1 Hour and 01 Minute", "15 Hours", "45 Minutes"; empty for no time at all. The numbers are
// written as the window writes every other number.
QString chargeTimeText(HoursAndMinutes time, const NumberFormat& numbers);
