// Arbitrary bytes as the text of a converter box: reading them never fails, and every converter's
// partner text stays short, made of what a number shows, and reads back as the value it stands for.
#include "convert/conversions.h"
#include "convert/texttonumber.h"

#include <QtGlobal>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

void expect(bool holds, const char* what, const QString& text) {
    if (!holds)
        qFatal("%s: \"%s\"", what, qPrintable(text));
}

// "Overflow", or digits, sign, E and separator no longer than the longest, "-999999999999999.9999".
void checkShows(const NumberFormat& numbers, const QString& text) {
    expect(text.size() <= 21, "partner text too long", text);
    for (const QChar c : text)
        expect(text == u"Overflow" || (c >= u'0' && c <= u'9') || QStringView(u"+-E").contains(c) ||
                   c == numbers.decimalSeparator.front(),
               "partner text shows a stray character", text);
}

void checkText(const QString& text) {
    const double x = textToNumber(text);
    expect(!std::isnan(x), "reads as not a number", text);
    const NumberFormat fullStop{}, comma{QStringLiteral(","), QStringLiteral(".")};
    for (const Converter converter :
         {Converter::length, Converter::volume, Converter::torque, Converter::temperature})
        for (const Conversion& conversion : conversionsOf(converter)) {
            const QString shown = partnerText(fullStop, conversion, x);
            checkShows(fullStop, shown);
            checkShows(comma, partnerText(comma, conversion, x));
            // Read back, the full-stop text lies within the pattern's rounding of the value, give or
            // take the fifteenth significant digit that formatting keeps.
            const double value = converted(conversion, x), magnitude = std::fabs(value);
            expect(std::isfinite(value) == (shown != u"Overflow"), "overflow shown wrongly", shown);
            const double half = 0.5000001 * std::pow(10.0, conversion.pattern.indexOf(u'.') + 1.0 -
                                                               conversion.pattern.size());
            const double tolerance = magnitude < 1e15 ? half + magnitude * 1e-14 : magnitude * (half + 1e-14);
            // Rounded up past the largest double, a text reads back as infinity.
            const double back = textToNumber(shown);
            const bool pastLargest =
                std::isinf(back) && magnitude + tolerance >= std::numeric_limits<double>::max();
            expect(!std::isfinite(value) || pastLargest || std::fabs(back - value) <= tolerance,
                   "partner text reads back as another value", shown);
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // As UTF-8, what a paste usually is, and as raw UTF-16, which reaches every code unit: NUL,
    // controls, digits of other scripts and lone surrogates.
    checkText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * 2);
    checkText(units);
    return 0;
}
