#pragma once
// Fixed-point amount: a signed count of ten-thousandths, so that volumes, ratios and times add up
// and multiply by whole numbers without binary rounding error.

// The moc of Qt 6.4 misjudges the C++20 guards in <compare> and fails on it; moc needs nothing from it.
#ifndef Q_MOC_RUN
#include <compare>
#endif
#include <cstdint>
#include <limits>

class Amount {
public:
    static constexpr std::int64_t scale = 10000;

    constexpr Amount() = default;

    // Nearest ten-thousandth, ties to even; out-of-range input saturates and NaN gives zero.
    static Amount fromDouble(double value);
    static constexpr Amount fromWhole(std::int64_t whole) { return Amount(whole) * scale; }
    static constexpr Amount fromRaw(std::int64_t tenThousandths) { return Amount(tenThousandths); }

    constexpr std::int64_t raw() const { return tenThousandths_; }
    double toDouble() const;
    // Rounded down, also for negative amounts: -1.5 gives -2.
    std::int64_t wholePart() const;

    // Like fromDouble, the arithmetic saturates rather than wrap, so a saturated amount stays at its end.
    friend constexpr Amount operator+(Amount a, Amount b) {
        return Amount(saturatedSum(a.tenThousandths_, b.tenThousandths_));
    }
    friend constexpr Amount operator-(Amount a, Amount b) {
        return Amount(saturatedDifference(a.tenThousandths_, b.tenThousandths_));
    }
    friend constexpr Amount operator*(Amount a, std::int64_t factor) {
        return Amount(saturatedProduct(a.tenThousandths_, factor));
    }
    friend constexpr Amount operator*(std::int64_t factor, Amount a) { return a * factor; }

    constexpr bool operator==(const Amount&) const = default;
    constexpr auto operator<=>(const Amount&) const = default;

private:
    static constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    static constexpr std::int64_t least = std::numeric_limits<std::int64_t>::min();

    // Plain comparisons before the operation, since the compilers' overflow built-ins are not everywhere.
    static constexpr std::int64_t saturatedSum(std::int64_t a, std::int64_t b) {
        if (b > 0 && a > most - b)
            return most;
        if (b < 0 && a < least - b)
            return least;
        return a + b;
    }
    static constexpr std::int64_t saturatedDifference(std::int64_t a, std::int64_t b) {
        if (b < 0 && a > most + b)
            return most;
        if (b > 0 && a < least + b)
            return least;
        return a - b;
    }
    static constexpr std::int64_t saturatedProduct(std::int64_t a, std::int64_t b) {
        if (a == 0 || b == 0)
            return 0;
        if ((a < 0) == (b < 0))
            return (a > 0 ? a > most / b : a < most / b) ? most : a * b;
        return (a > 0 ? b < least / a : a < least / b) ? least : a * b;
    }

    constexpr explicit Amount(std::int64_t tenThousandths)
        : tenThousandths_(tenThousandths) {}

    std::int64_t tenThousandths_ = 0;
};
