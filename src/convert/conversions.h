// The four converters as tables: for each box, its partner, how its number becomes the partner's
// and the pattern the partner shows it in; and the partner's text for a number read from a box.
#pragma once

#include "numbers/numberformat.h"

#include <QString>
#include <QStringView>
#include <span>

enum class Converter { length, volume, torque, temperature };

struct Conversion {
    enum Operation { times, dividedBy, celsiusToFahrenheit, fahrenheitToCelsius };
    int partner;
    Operation operation;
    double factor;
    QStringView pattern;
};

// One row per box of the converter, by the box's index.
std::span<const Conversion> conversionsOf(Converter converter);

// The partner's value, in the order of operations of the converter's table.
double converted(const Conversion& conversion, double x);

// The partner's text for x read from the box: its pattern, except that a value whose integer part
// a double no longer holds exactly (1e15 and beyond) shows as "1.23E+20" with the pattern's
// decimals, and one beyond the range of a double as "Overflow", so a box never fills with digits.
QString partnerText(const NumberFormat& numbers, const Conversion& conversion, double x);
