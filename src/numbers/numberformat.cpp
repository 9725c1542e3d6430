#include "numbers/numberformat.h"

#include <QByteArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// An unsigned decimal number: its digits and how many of them stand before the decimal point
// (negative or beyond the digit count for very small or very large numbers).
struct DecimalDigits {
    std::string digits;
    int pointPosition = 0;
};

struct PatternShape {
    int decimals = 0;
    int minimumIntegerDigits = 0;
    bool grouped = false;
};

PatternShape parsePattern(QStringView pattern) {
    PatternShape shape;
    bool inFraction = false;
    for (const QChar c : pattern) {
        if (c == u'.')
            inFraction = true;
        else if (inFraction && (c == u'0' || c == u'#'))
            ++shape.decimals;
        else if (!inFraction && c == u'0')
            ++shape.minimumIntegerDigits;
        else if (!inFraction && c == u',')
            shape.grouped = true;
    }
    return shape;
}

void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digits of the number times 10^decimals, rounded half away from zero, without leading zeros;
// empty when that rounds to zero.
std::string roundToDecimals(DecimalDigits number, int decimals) {
    std::string& digits = number.digits;
    const int keep = number.pointPosition + decimals;
    if (keep < 0)
        return {};
    if (keep < static_cast<int>(digits.size())) {
        const bool roundUp = digits[keep] >= '5';
        digits.resize(keep);
        if (roundUp)
            incrementDigits(digits);
    } else {
        digits.append(keep - digits.size(), '0');
    }
    digits.erase(0, digits.find_first_not_of('0'));
    return digits;
}

DecimalDigits decimalDigitsOf(double magnitude) {
    // "d.dddddddddddddde+XX". Any decimal of up to 15 digits survives the trip through a double, so
    // 15 significant digits give back the number as it was written: 1.005 rounds as 1.005. Qt's
    // conversion is exact and the same wherever Qt runs (the browser's C++ library has no
    // floating-point to_chars); a double lying exactly halfway between two 15-digit decimals
    // rounds away from zero, as the patterns do.
    const QByteArray qtText = QByteArray::number(magnitude, 'e', 14);
    const std::string text(qtText.constData(), std::size_t(qtText.size()));
    const std::size_t exponentAt = text.find('e');
    DecimalDigits number;
    number.digits = text.substr(0, 1) + text.substr(2, exponentAt - 2);
    number.pointPosition = std::atoi(text.c_str() + exponentAt + 1) + 1;
    return number;
}

DecimalDigits decimalDigitsOf(Amount amount) {
    const std::int64_t raw = amount.raw();
    // Negating in unsigned arithmetic keeps the most negative amount well defined.
    const std::uint64_t magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    DecimalDigits number;
    number.digits.assign(buffer, result.ptr);
    constexpr int amountDecimals = 4;
    static_assert(Amount::scale == 10'000);
    number.pointPosition = static_cast<int>(number.digits.size()) - amountDecimals;
    return number;
}

QString layOut(const NumberFormat& format, bool negative, const DecimalDigits& number, QStringView pattern) {
    const PatternShape shape = parsePattern(pattern);
    const std::string scaled = roundToDecimals(number, shape.decimals);
    const std::size_t decimals = shape.decimals;

    std::string integerDigits = scaled.size() > decimals ? scaled.substr(0, scaled.size() - decimals) : "";
    std::string fractionDigits = scaled.substr(scaled.size() - std::min(decimals, scaled.size()));
    fractionDigits.insert(0, decimals - fractionDigits.size(), '0');
    if (integerDigits.size() < static_cast<std::size_t>(shape.minimumIntegerDigits))
        integerDigits.insert(0, shape.minimumIntegerDigits - integerDigits.size(), '0');

    QString text;
    if (negative && !scaled.empty())
        text += u'-';
    for (std::size_t i = 0; i < integerDigits.size(); ++i) {
        if (shape.grouped && i > 0 && (integerDigits.size() - i) % 3 == 0)
            text += format.groupSeparator;
        text += QLatin1Char(integerDigits[i]);
    }
    if (decimals > 0)
        text += format.decimalSeparator + QString::fromLatin1(fractionDigits.data(), fractionDigits.size());
    return text;
}

} // namespace

NumberFormat NumberFormat::fromLocale(const QLocale& locale) {
    return NumberFormat{locale.decimalPoint(), locale.groupSeparator()};
}

QString NumberFormat::Format(double value, QStringView pattern) const {
    if (std::isnan(value))
        return QStringLiteral("Not a number");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    return layOut(*this, std::signbit(value), decimalDigitsOf(std::fabs(value)), pattern);
}

QString NumberFormat::Format(Amount value, QStringView pattern) const {
    return layOut(*this, value.raw() < 0, decimalDigitsOf(value), pattern);
}
