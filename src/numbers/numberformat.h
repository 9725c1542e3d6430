#pragma once
// Turns numbers into the text the window shows, from picture patterns over "0", "#", "," and ".",
// with the separators of the user's locale.

#include "numbers/amount.h"

#include <QLocale>
#include <QString>
#include <QStringView>

// A pattern's part before "." sets the minimum integer digits (its "0"s) and grouping (any ","); each
// placeholder after "." is one fraction digit that is always shown. Rounding is half away from zero
// on the decimal digits, and digits beyond the pattern are never cut.
// Doubles are first taken to 15 significant digits, so 1.005 with "0.00" gives 1.01.
// A negative value that rounds to zero shows no minus sign: -0.001 with "0.00" gives 0.00.
// Non-finite doubles give "Infinity", "-Infinity" or "Not a number".
struct NumberFormat {
    QString decimalSeparator = QStringLiteral(".");
    QString groupSeparator = QStringLiteral(",");

    static NumberFormat fromLocale(const QLocale& locale);

    QString Format(double value, QStringView pattern) const;
    QString Format(Amount value, QStringView pattern) const;
};
