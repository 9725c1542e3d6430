// The battery spin buttons' scales: capacity and current from their scroll values, the current's
// range for a capacity, and the current a C-rate of the list asks for.
#pragma once

#include <optional>

constexpr int capacityMah(int ratingScrollValue) {
    return 2500 - ratingScrollValue;
}
constexpr int currentMa(int ampRateScrollValue) {
    return 5000 - ampRateScrollValue;
}

// Scroll values, so the smallest current is the largest value.
struct CurrentRange {
    int min; // a current of twice the capacity
    int max; // a current of a tenth of the capacity, to the even whole milliamp on a half
};
CurrentRange currentRangeFor(int ratingScrollValue);

// The current's scroll value for a C-rate item whose ItemData is ten times the capacity's divisor;
// none for the blank item (ItemData 0), which leaves the current alone.
std::optional<int> currentScrollForRate(int ratingScrollValue, int itemData);
