// Arbitrary bytes as the text of a converter box: reading them never fails, and every converter's
// partner text stays short, made of what a number shows, and reads back as the value it stands for.
#include "convert/conversions.h"
#include "convert/texttonumber.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr Converter converters[] = {Converter::length, Converter::volume, Converter::torque,
                                    Converter::temperature};
// "-999999999999999.9999" is the longest text a partner may show.
constexpr qsizetype longestText = 21;

[[noreturn]] void finding(const char* what, const QString& text) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

int decimalsOf(QStringView pattern) {
    return int(pattern.size() - pattern.indexOf(u'.') - 1);
}

void checkShows(const NumberFormat& numbers, const QString& text) {
    if (text.size() > longestText)
        finding("partner text too long", text);
    if (text == u"Overflow")
        return;
    for (const QChar c : text)
        if (!c.isDigit() && c != u'-' && c != u'+' && c != u'E' && c != numbers.decimalSeparator.front())
            finding("partner text shows a stray character", text);
}

// What the full-stop text reads back as lies within the pattern's rounding of the value, give or
// take the fifteenth significant digit that formatting keeps.
void checkReadsBack(const Conversion& conversion, double x, const QString& text) {
    const double value = converted(conversion, x);
    if (!std::isfinite(value) || text == u"Overflow") {
        if (std::isfinite(value) || text != u"Overflow")
            finding("overflow shown wrongly", text);
        return;
    }
    const double half = 0.5000001 * std::pow(10.0, -decimalsOf(conversion.pattern));
    const double magnitude = std::fabs(value);
    const double tolerance = magnitude < 1e15 ? half + magnitude * 1e-14 : magnitude * (half + 1e-14);
    if (!(std::fabs(textToNumber(text) - value) <= tolerance))
        finding("partner text reads back as another value", text);
}

void checkText(const QString& text) {
    const double x = textToNumber(text);
    if (std::isnan(x))
        finding("reads as not a number", text);
    const NumberFormat fullStop{};
    const NumberFormat comma{QStringLiteral(","), QStringLiteral(".")};
    for (const Converter converter : converters) {
        for (const Conversion& conversion : conversionsOf(converter)) {
            const QString shown = partnerText(fullStop, conversion, x);
            checkShows(fullStop, shown);
            checkReadsBack(conversion, x, shown);
            checkShows(comma, partnerText(comma, conversion, x));
        }
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
