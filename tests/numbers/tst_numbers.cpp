// Number text, half-to-even rounding and fixed-point amounts.
#include "numbers/numberformat.h"
#include "numbers/rounding.h"

#include <QTest>
#include <limits>

constexpr double inf = std::numeric_limits<double>::infinity();

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void formats_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* pattern, double value, const QString& expected) {
            QTest::addRow("%s %g", pattern, value) << QString::fromLatin1(pattern) << value << expected;
        };
        row("#,###", 0, "");
        row("#,###", 1234567, "1,234,567");
        row("#,##0.0", -4950, "-4,950.0");
        row("#,##0.00", 999.995, "1,000.00");
        row("0.00", 1.005, "1.01");  // rounded as written, not as stored in binary
        row("0.00", -0.001, "0.00"); // no minus sign on a zero
        row("00.00", 3.14159, "03.14");
        row("#0", 2.5, "3");
        row("00", 7, "07");
        row("#0.000", 0.0625, "0.063");
        row("#,000", 45, "045");
        row("0,000", 45, "0,045");
        row("0,000", 5000, "5,000");
        row("#0.00", inf, "Infinity");
        row("#0.00", std::numeric_limits<double>::quiet_NaN(), "Not a number");
    }

    void formats() {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(NumberFormat().Format(value, pattern), expected);
        // An amount formats as the same decimal, without ever passing through a double.
        if (std::abs(value) < 1e9)
            QCOMPARE(NumberFormat().Format(Amount::fromDouble(value), pattern),
                     NumberFormat().Format(Amount::fromDouble(value).toDouble(), pattern));
    }

    void usesLocaleSeparators() {
        const NumberFormat german = NumberFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(german.Format(4950.0, u"#,##0.0"), QStringLiteral("4.950,0"));
        QCOMPARE(german.Format(Amount::fromRaw(12345), u"#0.00"), QStringLiteral("1,23"));
    }

    void roundsHalfToEven() {
        const std::pair<double, double> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {2.5001, 3}, {-2.5, -2}};
        for (const auto& [value, expected] : cases)
            QCOMPARE(roundHalfEven(value), expected);
        QCOMPARE(toScrollValue(1e12), std::numeric_limits<int>::max());
        QCOMPARE(toScrollValue(std::numeric_limits<double>::quiet_NaN()), 0);
        // Ties at the ten-thousandth go to the even neighbour too.
        QCOMPARE(Amount::fromDouble(1.03125).raw(), 10312);
        QCOMPARE(Amount::fromDouble(1.09375).raw(), 10938);
        QCOMPARE(Amount::fromDouble(1e300).raw(), std::numeric_limits<qint64>::max());
    }

    void amountsAreExact() {
        const Amount ratio = Amount::fromDouble(10.75);
        QCOMPARE(ratio * 2160, Amount::fromWhole(23220));
        QCOMPARE(Amount::fromDouble(0.1) + Amount::fromDouble(0.2), Amount::fromDouble(0.3));
        QCOMPARE(Amount::fromRaw(-27500).wholePart(), -3);
        QCOMPARE(NumberFormat().Format(Amount::fromRaw(std::numeric_limits<qint64>::min()), u"#0"),
                 QStringLiteral("-922337203685478"));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
