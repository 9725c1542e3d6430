#include "drive/chargerate.h"

#include "numbers/amount.h"
#include "numbers/rounding.h"

CurrentRange currentRangeFor(int ratingScrollValue) {
    return {ratingScrollValue * 2, toScrollValue(4950.0 - (2000 - ratingScrollValue) / 10.0)};
}

std::optional<int> currentScrollForRate(int ratingScrollValue, int itemData) {
    const Amount divisor = Amount::fromDouble(itemData / 10.0);
    if (divisor == Amount())
        return std::nullopt;
    return toScrollValue(5000.0 - capacityMah(ratingScrollValue) / divisor.toDouble());
}
