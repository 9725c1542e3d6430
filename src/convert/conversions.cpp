#include "convert/conversions.h"

#include "fuel/volumeunits.h"

#include <array>
#include <cmath>

namespace {

using enum Conversion::Operation;

// The factors are used as written: neither of a pair is derived from the other.
constexpr std::array<Conversion, 4> length{{
    {1, dividedBy, 25.4, u"#0.000"}, // millimetres to inches
    {0, times, 25.4, u"#0.000"},     // inches to millimetres
    {3, times, 3.281, u"#0.000"},    // metres to feet
    {2, times, 0.305, u"#0.000"},    // feet to metres
}};

constexpr std::array<Conversion, 6> volume{{
    {1, times, 0.061024, u"#0.0000"},       // cubic centimetres to cubic inches
    {0, times, 16.387064, u"#0.0000"},      // cubic inches to cubic centimetres
    {3, times, fluidOuncesPerCc, u"#0.00"}, // millilitres to US fluid ounces
    {2, times, ccPerFluidOunce, u"#0.00"},  // US fluid ounces to millilitres
    {5, times, 0.264172, u"#0.00"},         // litres to US gallons
    {4, times, 3.785411784, u"#0.000"},     // US gallons to litres
}};

constexpr std::array<Conversion, 2> torque{{
    {1, times, 0.07200768, u"#0.0000"},     // ounce-inches to kilogram-centimetres
    {0, dividedBy, 0.07200768, u"#0.0000"}, // kilogram-centimetres to ounce-inches
}};

constexpr std::array<Conversion, 2> temperature{{
    {1, celsiusToFahrenheit, 0, u"#0.00"},
    {0, fahrenheitToCelsius, 0, u"#0.00"},
}};

// From here on a double's integer part has gaps, and its digits would only pad the box.
constexpr double largestShownInFull = 1e15;

int decimalsOf(QStringView pattern) {
    const qsizetype point = pattern.indexOf(u'.');
    return point < 0 ? 0 : int(pattern.size() - point - 1);
}

// "-d.ddde+XX" from Qt's exact conversion, which gives the same digits wherever Qt runs; a value
// exactly halfway rounds away from zero, as the patterns do.
QString scientific(const NumberFormat& numbers, double value, int decimals) {
    QString text = QString::number(value, 'e', decimals).toUpper();
    return text.replace(u'.', numbers.decimalSeparator);
}

} // namespace

std::span<const Conversion> conversionsOf(Converter converter) {
    switch (converter) {
    case Converter::length:
        return length;
    case Converter::volume:
        return volume;
    case Converter::torque:
        return torque;
    case Converter::temperature:
        break;
    }
    return temperature;
}

double converted(const Conversion& conversion, double x) {
    switch (conversion.operation) {
    case times:
        return x * conversion.factor;
    case dividedBy:
        return x / conversion.factor;
    case celsiusToFahrenheit:
        return (x * 9) / 5 + 32;
    case fahrenheitToCelsius:
        break;
    }
    return (x - 32) * 5 / 9;
}

QString partnerText(const NumberFormat& numbers, const Conversion& conversion, double x) {
    const double value = converted(conversion, x);
    if (!std::isfinite(value))
        return QStringLiteral("Overflow");
    if (std::fabs(value) >= largestShownInFull)
        return scientific(numbers, value, decimalsOf(conversion.pattern));
    return numbers.Format(value, conversion.pattern);
}
