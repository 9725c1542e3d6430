#include "convert/texttonumber.h"

#include <QByteArrayView>

#include <cmath>
#include <limits>
#include <string>

namespace {

// More significant digits than any double needs to round correctly; the digits beyond only tell
// whether the number lies above what was kept.
constexpr std::size_t keptDigits = 800;
// Far beyond the largest and smallest double, yet nowhere near overflowing the arithmetic.
constexpr long long exponentLimit = 100'000'000;

bool isSkipped(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The number as 0.digits x 10^pointPosition, with its digits' leading zeros dropped.
struct Decimal {
    bool negative = false;
    bool hasDigits = false;
    std::string digits;
    bool droppedNonZero = false;
    long long pointPosition = 0;
    long long exponent = 0;

    void addDigit(char16_t c, bool inFraction) {
        hasDigits = true;
        if (digits.empty() && c == u'0') {
            pointPosition -= inFraction ? 1 : 0;
            return;
        }
        if (digits.size() < keptDigits)
            digits.push_back(char(c));
        else if (c != u'0')
            droppedNonZero = true;
        pointPosition += inFraction ? 0 : 1;
    }
    void addExponentDigit(char16_t c) { exponent = std::min(exponent * 10 + (c - u'0'), exponentLimit); }
    double value() const;
};

double Decimal::value() const {
    const double zero = negative ? -0.0 : 0.0;
    const double infinity =
        negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    if (digits.empty())
        return zero;
    const long long scale = pointPosition + exponent;
    if (scale > 400)
        return infinity;
    if (scale < -400 - static_cast<long long>(keptDigits))
        return zero;
    // Qt reads decimals exactly, correctly rounded however many digits they have, and the same
    // wherever Qt runs. It refuses only a number beyond a double's range either way.
    const std::string text = "0." + digits + (droppedNonZero ? "1" : "") + 'e' + std::to_string(scale);
    bool inRange = false;
    const double magnitude = QByteArrayView(text.data(), qsizetype(text.size())).toDouble(&inRange);
    if (!inRange)
        return scale > 0 ? infinity : zero;
    return negative ? -magnitude : magnitude;
}

enum class Stage { sign, integer, fraction, exponentSign, exponentDigits };

} // namespace

double textToNumber(QStringView text) {
    Decimal number;
    Stage stage = Stage::sign;
    bool exponentNegative = false;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (isSkipped(c))
            continue;
        if (stage == Stage::sign && (c == u'+' || c == u'-')) {
            number.negative = c == u'-';
            stage = Stage::integer;
        } else if (isDigit(c) && stage <= Stage::fraction) {
            number.addDigit(c, stage == Stage::fraction);
            stage = std::max(stage, Stage::integer);
        } else if (c == u'.' && stage <= Stage::integer) {
            stage = Stage::fraction;
        } else if ((c == u'e' || c == u'E') && number.hasDigits && stage <= Stage::fraction) {
            stage = Stage::exponentSign;
        } else if (stage == Stage::exponentSign && (c == u'+' || c == u'-')) {
            exponentNegative = c == u'-';
            stage = Stage::exponentDigits;
        } else if (isDigit(c) && stage >= Stage::exponentSign) {
            number.addExponentDigit(c);
            stage = Stage::exponentDigits;
        } else {
            break;
        }
    }
    if (exponentNegative)
        number.exponent = -number.exponent;
    return number.value();
}
